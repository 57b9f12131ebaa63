#pragma once
#include <windows.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "control_lookup.h"
#include "device_command_channel.h"
#include "device_hook.h"
#include "keyboard_effect_context.h"
#include "keyboard_led_frame.h"
#include "headset_k27_audio_setup.h"
#include "headset_k27_light_output.h"
#include "headset_k27_properties.h"
#include "lighting_state.h"
#include "skin_change.h"
#include "sync_lighting.h"
#include "ui/ui.h"
#include "worker_threads.h"

class CDeviceKeyButtonUI;
class MacroPage;
struct KeyCaption;
class CMagicControlUI;
class Ccopyright;
struct PanelLanguage;
struct KeyLabel;

// The main window's handle, for the timers and worker threads that post to it.
extern HWND MainWindowHandle;

// The notification pump registered as the virtual window "mainpage"; its handlers do nothing,
// all real handling happens in CMainWnd::Notify first.
class CMainPage : public CNotifyPump {
  UI_DECLARE_MESSAGE_MAP()

 public:
  void SetPaintManager(CPaintManagerUI* manager) { m_paintManager = manager; }

 private:
  void OnClick(TNotifyUI&) {}
  void OnSelectChanged(TNotifyUI&) {}
  void OnItemClick(TNotifyUI&) {}

  CPaintManagerUI* m_paintManager = nullptr;
};

// The panel's one main window, and the object whose methods make up the device pages.
class CMainWnd : public WindowImplBase, public CWebBrowserEventHandler, public ReceiverImpl {
  UI_DECLARE_MESSAGE_MAP()

 public:
  CMainWnd();
  ~CMainWnd() override;

  // Whether the panel, a 32-bit program, runs on 64-bit Windows.
  static int IsWow64();

  void Notify(TNotifyUI& msg) override;
  CControlUI* CreateControl(LPCTSTR tag) override;
  LPCTSTR QueryControlText(LPCTSTR id, LPCTSTR type) override;
  int Receive(SkinChangedParam param) override;

  LRESULT HandleCustomMessage(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled) override;
  LRESULT OnTimer(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled);
  LRESULT OnHitKeyMessage(WPARAM wParam, LPARAM lParam);
  int OnDeviceTabShown(HWND window);
  void BringToFrontIfDeviceConnected();
  bool AnyDeviceConnected() const;
  void OnLastDeviceLost();
  // The pages' one way to switch the capture hook on (with this window as target) and off. A
  // window-thread operation: Windows calls a low-level hook on the thread that set it, and only this
  // thread pumps messages, so a call from any other thread is refused (false) and changes nothing.
  // False too when a requested hook could not be set; the capture then gets no events.
  bool SetHook(int mode, bool enable, bool keyboard, bool mouse);
  void OpenSkinPicker(CControlUI* skinButton);

  // False from the start of the worker threads until the exit sequence has seen them all end: the
  // object must stay alive while any of them may still use it.
  bool WorkerThreadsEnded() const { return m_workerThreadsEnded; }

  // A control of the main window by name, or by name prefix and number ("kb_key_" and 5 is
  // "kb_key_5"), as T; null when it is missing or of another class (reported once).
  template <class T = CControlUI>
  T* Find(const std::wstring& name) const {
    return FindTypedControl<T>(m_pm, name);
  }
  template <class T = CControlUI>
  T* Find(const std::wstring& prefix, int number) const {
    return Find<T>(prefix + std::to_wstring(number));
  }

  // The per-user data folders, each with a trailing backslash, created when missing
  // (main_wnd_data_folders.cpp).
  std::wstring GetProfileRootFolder();
  std::wstring GetKeyboardProfileFolder();
  std::wstring GetMouseProfileFolder();
  std::wstring GetMousePadProfileFolder();

  // The same-mode buttons; leader 1 keyboard, 2 mouse, 3 mouse pad (sync_lighting_mode.cpp).
  void SyncLightingMode(int leader);
  // One step of a synchronised lighting effect over the LED records of every synchronised device
  // (sync_lighting_thread.cpp).
  void StepSyncWaveEffect();
  void StepSyncSpectrumEffect();
  void StepSyncBreathingEffect();
  void StepSyncStaticEffect();

  // --- Shared with the worker threads and the page code ---
  DeviceCommandChannel m_keyboardChannel;
  DeviceCommandChannel m_mouseChannel;
  DeviceCommandChannel m_mousePadChannel;
  DeviceCommandChannel m_headsetChannel;
  DeviceCommandChannel m_headsetK27Channel;
  std::recursive_mutex m_uiLock;
  CDeviceHook m_deviceHook;

  std::array<HANDLE, kWorkerThreadCount> m_stopEvents{};
  std::array<HANDLE, kWorkerThreadCount> m_threadHandles{};
  std::array<WorkerThreadParam, kWorkerThreadCount> m_threadParams{};

  std::array<CControlUI*, 5> m_captionButtons{};
  std::array<CDeviceKeyButtonUI*, KEYBOARD_LED_COUNT> m_keyboardKeyButtons{};
  std::array<CDeviceKeyButtonUI*, MOUSE_LED_COUNT> m_mouseKeyButtons{};
  std::array<CDeviceKeyButtonUI*, MOUSEPAD_LED_COUNT> m_mousePadKeyButtons{};
  std::array<CDeviceKeyButtonUI*, HEADSET_LED_COUNT> m_headsetKeyButtons{};
  std::array<CDeviceKeyButtonUI*, HEADSET_K27_LED_COUNT> m_headsetK27KeyButtons{};

  LedColor m_keyboardLeds[KEYBOARD_LED_COUNT] = {};
  LedColor m_mouseLeds[MOUSE_LED_COUNT] = {};
  LedColor m_mousePadLeds[MOUSEPAD_LED_COUNT] = {};
  LedColor m_headsetLeds[HEADSET_LED_COUNT] = {};
  LedColor m_headsetK27Leds[HEADSET_K27_LED_COUNT] = {};

  // Flags that the window thread and the worker threads read and write without a lock.
  std::atomic<int> m_keyboardDirty{0};
  std::atomic<int> m_mouseDirty{0};
  std::atomic<int> m_mousePadDirty{0};
  std::atomic<int> m_ledFramesEnabled{1};
  // Written by the same-mode check of a lighting page, read by the synchronised-lighting thread.
  SyncLightSettings m_syncLightSettings{};

  CMagicControlUI* m_magicControl = nullptr;
  std::atomic<int> m_headsetHardwareEffect{0};
  std::atomic<int> m_headsetLightDirty{0};
  int m_cursorScriptSlot = 0;
  int m_cursorScriptStep = 0;
  // Scratch buffers of the second headset's audio-property calls.
  HeadsetK27PropertyBuffers m_propertyBuffers;
  // The menu of the last right click on the tray icon.
  std::unique_ptr<CMenuWnd> m_trayMenu;

  // ===== Keyboard pages (panel/keyboard) =====
  // keyboard_key_page.cpp
  void InitKeyboardPage();
  // keyboard_profile_page.cpp: the device, light and key profile lists (their watchers are in
  // keyboard_profile_watchers.cpp)
  void AddKeyboardDeviceProfile();
  void DeleteKeyboardDeviceProfile();
  void CopyKeyboardDeviceProfile();
  void ImportKeyboardDeviceProfile();
  void ExportKeyboardDeviceProfile();
  void RenameKeyboardDeviceProfile();
  void SelectKeyboardDeviceProfile();
  void ResetKeyboardDeviceProfile();
  void ToggleKeyboardDeviceProfileLink();
  void BrowseKeyboardDeviceProfileLink();
  int LoadKeyboardDeviceProfile(int index);
  void AddKeyboardLightProfile();
  void DeleteKeyboardLightProfile();
  void CopyKeyboardLightProfile();
  void ImportKeyboardLightProfile();
  void ExportKeyboardLightProfile();
  void RenameKeyboardLightProfile();
  void SelectKeyboardLightProfile();
  void ResetKeyboardLightProfile();
  void ToggleKeyboardLightProfileLink();
  void BrowseKeyboardLightProfileLink();
  int LoadKeyboardLightProfile(int index);
  void AddKeyboardKeyProfile();
  void DeleteKeyboardKeyProfile();
  void CopyKeyboardKeyProfile();
  void ImportKeyboardKeyProfile();
  void ExportKeyboardKeyProfile();
  void RenameKeyboardKeyProfile();
  void SelectKeyboardKeyProfile();
  void ResetKeyboardKeyProfile();
  void ToggleKeyboardKeyProfileLink();
  void BrowseKeyboardKeyProfileLink();
  int LoadKeyboardKeyProfile(int index);
  void ClickKeyboardKey(int position);
  void ShowKeyboardKeyAssignment(int position);
  void SelectKeyboardKeyFunctionTab();
  void ApplyKeyboardKeyFunction();
  void ShowKeyboardMacroRepeatPanel();
  void RestoreKeyboardKeyDefault();
  void CancelKeyboardKeyEdit();
  void RelabelKeyboardKeys(int profile);
  void UpdateKeyboardKeyCaption(const KeyCaption& caption);
  // The language text of a text id, through the hidden label "str_test".
  std::wstring ResolveTextId(const wchar_t* id);
  // keyboard_macro_page.cpp
  MacroPage KeyboardMacroPage();
  void ShowSelectedKeyboardMacro();
  void EnableKeyboardMacroNameList(int flag);
  void AddKeyboardMacro();
  void DeleteKeyboardMacro();
  void RenameKeyboardMacro();
  void SaveKeyboardMacro();
  void CancelKeyboardMacroEdit();
  void MoveKeyboardMacroActionUp();
  void MoveKeyboardMacroActionDown();
  void MoveKeyboardMacroActionToTop();
  void MoveKeyboardMacroActionToBottom();
  void DeleteKeyboardMacroAction();
  void DeleteAllKeyboardMacroActions();
  void ImportKeyboardMacro();
  void ExportKeyboardMacro();
  void ToggleKeyboardMacroRecording();
  void EditKeyboardMacroAction();
  void ChooseKeyboardMacroKey();
  void ChooseKeyboardMacroMouseEvent();
  void ChooseKeyboardMacroPressState();
  void KeyboardMacroDelayEdited(const wchar_t* edit);
  void KeyboardMacroAmountEdited();
  void SelectKeyboardMacroInsertTab(int tab, int show);
  void InsertKeyboardMacroMouseAction(UINT message, int parameter);
  void InsertKeyboardMacroLeftDown();
  void InsertKeyboardMacroLeftUp();
  void InsertKeyboardMacroRightDown();
  void InsertKeyboardMacroRightUp();
  void InsertKeyboardMacroMiddleDown();
  void InsertKeyboardMacroMiddleUp();
  void InsertKeyboardMacroForwardDown();
  void InsertKeyboardMacroForwardUp();
  void InsertKeyboardMacroBackDown();
  void InsertKeyboardMacroBackUp();
  void InsertKeyboardMacroMoveX(int left);
  void InsertKeyboardMacroMoveY(int up);
  void SwitchKeyboardMacroPanel(CControlUI* sender);
  // keyboard_page_readback.cpp (the threads are in keyboard_threads.cpp)
  void ReadKeyboardMemory();
  void ReloadActiveKeyboardProfile();
  void StoreKeyboardFactoryKeyProfile();
  void OnRenewDevice();
  // "message_text_11" over the window: a keyboard with more key slots than a table holds.
  void ShowKeyboardReadRefusal();
  // keyboard_page_download.cpp
  int DownloadToDevice(int kind);
  int DownloadKeyboardMacros(int flag);
  // keyboard_light_page.cpp (the kit's description and the routes in keyboard_light_routes.cpp)
  // A download's refusal: a text id, or with a number the language text with its "%d" filled.
  void ShowDownloadRefusal(const wchar_t* messageId, int messageNumber);
  void RefreshKeyboardLightPage();
  void OnKeyboardLightModeSelect();
  void OnKeyboardOneColorModeSelect();
  void SetKeyboardLightColor(DWORD colour, bool apply);
  void PaintKeyboardCustomKey(int key);
  void SelectKeyboardCustomLayout();
  void FillKeyboardCustomLayout();
  void ClearKeyboardCustomLayout();
  void FillKeyboardOneColorLayout();
  void ClearKeyboardOneColorLayout();
  void OnKeyboardLayoutCheck(bool fill);
  void OnKeyboardStyleCheck(bool six);
  void SetKeyboardMulticolour(uint8_t on);
  void SaveKeyboardLighting();
  void MarkKeyboardLightingChanged();  // dirty flag and save
  // One write of the settings block of the live profile, at `offset` in the block.
  void WriteKeyboardSetting(size_t offset, const uint8_t* bytes, size_t length);
  void WriteKeyboardSettingByte(size_t offset);  // the live byte at `offset`
  void WriteKeyboardDeviceMode(uint8_t number);
  // keyboard_lighting_output.cpp (and KeyboardLightingThreadProc)
  void SendKeyboardLedFrame();
  void PaintKeyboardKeyPreviews(const KeyboardKeyPreviews& previews);
  KeyboardFrameGate m_keyboardFrameGate;
  // Receivers of the capture hook's messages (wParam and lParam as the hook posts them).
  void CaptureKeyboardKeyAssignment(WPARAM wParam, LPARAM lParam);
  void RecordKeyboardMacroKeyEvent(WPARAM wParam, LPARAM lParam);
  void RecordKeyboardMacroMouseEvent(WPARAM wParam, LPARAM lParam);

  // ===== Mouse-pad page (panel/mousepad) =====
  // mousepad_page.cpp
  int ReadMousePadMemory();
  void ReloadActiveMousePadProfile();
  void SwitchMousePadOnboardProfile(int index);
  void OnMousePadOnboardProfileSelect();
  void ResetMousePadDefaults();
  int LoadMousePadLightProfile(int index);
  void SaveMousePadLightProfile();
  void RefreshMousePadLightPage();
  // mousepad_lighting_page.cpp
  void OnMousePadLightModeSelect();
  void SetMousePadLightColor(DWORD argb, int apply);
  void SendMousePadLedFrame();
  // mousepad_profile_page.cpp: the light profile list (the page set-up fills it)
  void InitMousePadPage();
  void AddMousePadLightProfile();
  void DeleteMousePadLightProfile();
  void CopyMousePadLightProfile();
  void ImportMousePadLightProfile();
  void ExportMousePadLightProfile();
  void RenameMousePadLightProfile();
  void SelectMousePadLightProfile();
  void ResetMousePadLightProfile();
  void ToggleMousePadLightProfileLink();
  void BrowseMousePadLightProfileLink();
  void CancelMousePadLightProfileLink();

  // ===== Mouse pages (panel/mouse) =====
  // mouse_page_setup.cpp: the set-up and the profile files (loads: 0 loaded, 1 missing, -1 not a
  // profile; saves: 0 written, 1 not)
  void InitMousePage();
  int LoadMouseDeviceProfile(int n);
  int SaveMouseDeviceProfile();
  int LoadMouseLightProfile(int n);
  int SaveMouseLightProfile();
  int LoadMouseKeyProfile(int n);
  int SaveMouseKeyProfile();
  // mouse_profile_page.cpp: the device, light and key profile lists (their watchers are in
  // mouse_profile_watchers.cpp, their routes in mouse_profile_routes.cpp)
  void AddMouseDeviceProfile();
  void DeleteMouseDeviceProfile();
  void CopyMouseDeviceProfile();
  void ImportMouseDeviceProfile();
  void ExportMouseDeviceProfile();
  void RenameMouseDeviceProfile();
  void SelectMouseDeviceProfile();
  void ResetMouseDeviceProfile();
  void ToggleMouseDeviceProfileLink();
  void BrowseMouseDeviceProfileLink();
  void AddMouseLightProfile();
  void DeleteMouseLightProfile();
  void CopyMouseLightProfile();
  void ImportMouseLightProfile();
  void ExportMouseLightProfile();
  void RenameMouseLightProfile();
  void SelectMouseLightProfile();
  void ResetMouseLightProfile();
  void ToggleMouseLightProfileLink();
  void BrowseMouseLightProfileLink();
  void AddMouseKeyProfile();
  void DeleteMouseKeyProfile();
  void CopyMouseKeyProfile();
  void ImportMouseKeyProfile();
  void ExportMouseKeyProfile();
  void RenameMouseKeyProfile();
  void SelectMouseKeyProfile();
  void ResetMouseKeyProfile();
  void ToggleMouseKeyProfileLink();
  void BrowseMouseKeyProfileLink();
  // mouse_page_memory.cpp (the threads are in mouse_threads.cpp)
  void ReadMouseMemory();
  void ReloadActiveMouseProfile();
  void SwitchMouseOnboardProfile(int n);
  // mouse_dpi_page.cpp: the performance controls and the refresh of the whole page
  void RefreshMousePage();
  void OnMouseDpiSlider(int stage);
  void OnMouseDpiSliderMove(int stage);
  void OnMousePointerSpeedSlider();
  void OnMouseReportRate();
  void ChooseMouseDpiColour(int stage);
  void ShowMouseDpiColourHover(CControlUI* button, bool entered);
  void OnMouseWheelLinesTyped();
  void OnMouseWheelLinesLeft();
  void StepMouseWheelLines(int up);
  void ResetMousePointerSettings();
  // mouse_light_page.cpp: the lighting sub-page, its effect steps and frames (the thread is in
  // mouse_lighting_thread.cpp)
  void MarkMouseLightingChanged();
  void ShowMouseLightMode(uint8_t mode, int variant = 2);
  void SelectMouseLightMode(int variant);
  void OnMouseLightModeSelect0();
  void OnMouseLightModeSelect1();
  void OnMouseLightModeSelect2();
  void SetMouseLightColor(DWORD colour, int apply);
  void SetMouseLightDirection(int flag);
  void StepMouseWaveEffect();
  void StepMouseSpectrumEffect();
  void StepMouseBreathingEffect();
  void StepMouseStaticEffect();
  void StepMouseFillEffect();
  void StepMouseRippleEffect();
  void StepMouseReactiveEffect();
  void MarkMouseRippleLeds();
  void SendMouseLedFrame();
  // mouse_key_page.cpp
  void ShowMouseKeyAssignment(int key);
  void SelectMouseKeyFunctionPage();
  void ApplyMouseKeyFunction();
  void RestoreMouseKeyDefault();
  void CancelMouseKeyAssignment();
  void CaptureMouseKeyAssignment(WPARAM wParam, LPARAM lParam);
  void OnMouseKeyComboSelect(int number);
  void OnMouseKeyEditChanged(CControlUI* edit);
  void UpdateMouseKeyCaption(int key, const KeyLabel& caption);
  void RelabelMouseKeys(int profile);
  void ShowMouseKeyPicture(int key, bool hover);
  void FillMouseKeyPage();
  // mouse_cursor_page.cpp
  CControlUI* FindCursorPageControl(const wchar_t* name);
  template <class T>
  T* FindOnCursorPage(const wchar_t* name);
  int GetMouseCursorSlot();
  int GetMouseCursorStep();
  void SelectMouseCursorSlot(int slot);
  void SelectMouseCursorStep(int step);
  void ClickMouseCursorStep(CControlUI* sender);
  void SelectPreviousMouseCursorStep();
  void SelectNextMouseCursorStep();
  void LoadMouseCursorStep(int step);
  void SaveMouseCursorStep(int step);
  void OnMouseCursorEditChanged(CControlUI* edit);
  void OnMouseCursorCheckChanged(CControlUI* check);
  void ResetMouseCursorScript();
  void ExportMouseCursorScript();
  void ImportMouseCursorScript();
  int DownloadMouseCursorScripts();
  // mouse_page_download.cpp
  int DownloadMouseMacros();
  // mouse_macro_page.cpp (the routes in mouse_macro_routes.cpp)
  MacroPage MouseMacroPage();
  void InitMouseMacroPage();
  void ShowSelectedMouseMacro();
  void EnableMouseMacroNameList(int enable);
  void EnableMouseMacroNameListOnRowClick(int enable);
  void AddMouseMacroName();
  void DeleteMouseMacro();
  void RenameMouseMacro();
  void SaveMouseMacro();
  void CancelMouseMacroEdit();
  void MoveMouseMacroRowUp();
  void MoveMouseMacroRowDown();
  void MoveMouseMacroRowToTop();
  void MoveMouseMacroRowToBottom();
  void DeleteMouseMacroRow();
  void DeleteAllMouseMacroRows();
  void ImportMouseMacro();
  void ExportMouseMacro();
  void ToggleMouseMacroRecording();
  void RecordMouseMacroKeyEvent(WPARAM wParam, LPARAM lParam);
  void RecordMouseMacroMouseEvent(WPARAM wParam, LPARAM lParam);
  void EditMouseMacroAction();
  void ChooseMouseMacroKey();
  void ChooseMouseMacroMouseEvent();
  void ChooseMouseMacroPressState();
  void MouseMacroDelayEdited(const wchar_t* edit);
  void MouseMacroAmountEdited();
  void SelectMouseMacroInsertTab(int tab, int show);
  void InsertMouseMacroAction(UINT message, int variant);
  void InsertMouseMacroLeftDown();
  void InsertMouseMacroLeftUp();
  void InsertMouseMacroRightDown();
  void InsertMouseMacroRightUp();
  void InsertMouseMacroMiddleDown();
  void InsertMouseMacroMiddleUp();
  void InsertMouseMacroForwardDown();
  void InsertMouseMacroForwardUp();
  void InsertMouseMacroBackDown();
  void InsertMouseMacroBackUp();
  void InsertMouseMacroMoveX(int left);
  void InsertMouseMacroMoveY(int up);
  void SwitchMouseMacroPanel(CControlUI* sender);

  // ===== Headset pages (panel/headset) =====
  // headset_profile_list.cpp
  void InitHeadsetProfileList();

  // --- K27 headset ---
  // headset_k27_audio_setup.cpp
  void InitHeadsetK27Audio();
  // headset_page_profile.cpp: the selected profile's file and the records it loads and saves
  std::wstring GetHeadsetProfileFolder();
  std::wstring HeadsetProfilePath(int index);  // empty without such a row
  std::wstring SelectedHeadsetProfilePath();
  int LoadHeadsetProfile(int index);
  void SaveHeadsetLightInfo();
  void SaveHeadsetVoiceInfo();
  // headset_page_voice.cpp
  void ApplyHeadsetVoiceSettings();
  void ResetHeadsetVoice();
  void OnHeadsetMasterVolumeChanged();
  void OnHeadsetChannelVolumeChanged();
  void OnHeadsetMicVolumeChanged();
  void OnHeadsetSpeakerPlaced(bool distanceMoved);
  void OnHeadsetSpeakerSelected(int speaker);
  void OnHeadsetVirtualToggled(CControlUI* sender);
  void OnHeadsetSceneSelected(int scene);
  void OnHeadsetNoiseCancellingToggled(CControlUI* sender);
  // headset_page_magic.cpp
  void OnHeadsetMagicVoiceToggled(CControlUI* sender);
  void SelectHeadsetMagicVoice(int effect);
  void RestoreHeadsetMagicVoice();
  // headset_profile_list.cpp: the shared named profile list over the family's JSON files
  class NamedProfileList& HeadsetProfiles();
  void OnHeadsetProfileSelected();
  void AddHeadsetProfile();
  void DeleteHeadsetProfile();
  void CopyHeadsetProfile();
  void ImportHeadsetProfile();
  void ExportHeadsetProfile();
  void ResetHeadsetProfile();
  void RenameHeadsetProfile();
  void LinkHeadsetProfileToExe();
  void CancelHeadsetProfileLink();
  std::shared_ptr<struct HeadsetProfileList> m_headsetProfileList;
  // headset_page_light.cpp (on the lighting-page kit)
  void OnHeadsetLightModeChanged();
  void SetHeadsetLightColor(DWORD argb, bool apply);
  void RefreshHeadsetLightPage();
  // headset_threads.cpp (threads 15 and 16)
  void OutputHeadsetLightFrame();
  int OpenHeadsetK27Mixer();
  int CloseHeadsetK27Mixer();
  int RegisterHeadsetK27AudioNotification();
  void InitHeadsetK27AudioDefaults();
  void EnsureHeadsetK27CaptureProperty(const wchar_t* name);
  void EnsureHeadsetK27SurroundProperty(const wchar_t* name);
  // The property calls of the K27 pages, on the devices the set-up picked.
  HeadsetK27Properties HeadsetK27AudioProperties();
  std::wstring GetHeadsetK27ProfileFolder();
  // headset_k27_profile_file.cpp
  void LoadHeadsetK27LightInfo();
  void SaveHeadsetK27LightInfo();
  // headset_k27_voice_page.cpp
  void RefreshHeadsetK27AudioPage();
  void OnHeadsetK27MicVolumeChanged();
  void OnHeadsetK27MonitorVolumeChanged();
  void ToggleHeadsetK27MicMute();
  void ToggleHeadsetK27MonitorMute();
  void OnHeadsetK27MagicVoiceToggled();
  void SelectHeadsetK27MagicVoice(int index);
  // headset_k27_eq_page.cpp
  void SelectHeadsetK27EqPreset(int n);
  void ApplyHeadsetK27UserEqPreset();
  void OnHeadsetK27EqSliderChanged(int band);
  void SaveHeadsetK27UserEqPreset();
  void DeleteHeadsetK27UserEqPreset();
  void RefreshHeadsetK27EqPage();
  // headset_k27_light_page.cpp (on the lighting-page kit)
  void OnHeadsetK27LightModeChanged();
  void SetHeadsetK27LightColor(DWORD argb, bool apply);
  void RefreshHeadsetK27LightPage();
  // headset_k27_threads.cpp
  void OutputHeadsetK27LightFrame(HANDLE stopEvent);
  // headset_k27_profile_list.cpp: the shared named profile list over the family's light files
  class NamedProfileList& HeadsetK27Profiles();
  void InitHeadsetK27ProfileList();
  void OnHeadsetK27ProfileSelected();
  void AddHeadsetK27Profile();
  void DeleteHeadsetK27Profile();
  void CopyHeadsetK27Profile();
  void ImportHeadsetK27Profile();
  void ExportHeadsetK27Profile();
  void ResetHeadsetK27Profile();
  void LinkHeadsetK27ProfileToExe();
  void CancelHeadsetK27ProfileLink();
  std::shared_ptr<struct HeadsetK27ProfileList> m_headsetK27ProfileList;

  int m_micMuted = 0;
  int m_monitorMuted = 0;
  // The mixer and the device notifications of old Windows versions (mixer count, mixer handle,
  // notification handle), and the id of "winmm_devicechange".
  HeadsetK27LegacyAudio m_headsetK27LegacyAudio;
  UINT m_winmmDeviceChangeMessage = 0;
  // Counts the detection's finds, so the lighting tells one connection from the next.
  std::atomic<uint32_t> m_headsetK27Connections{0};
  HeadsetK27WriteFailureNotice m_headsetK27WriteFailureNotice;  // the lighting thread's

  // --- Notification routing (main_wnd_routing.cpp; the shell's own routes in shell_routes.cpp) ---
  // Notify hands each notification by type to one of these; they look the sender's name up in the
  // route tables.
  void HandleClick(CControlUI* sender);
  void HandleMouseLeave(CControlUI* sender);
  void HandleMouseEnter(CControlUI* sender);
  void HandleKillFocus(CControlUI* sender);
  void HandleSetFocus(CControlUI* sender);
  void HandleItemSelect(CControlUI* sender);
  void HandleSelectChanged(CControlUI* sender);
  void HandleValueChanged(CControlUI* sender);
  void HandleMoveValueChanged(CControlUI* sender);
  void HandleTextChanged(CControlUI* sender);
  void HandleColorChanged(CControlUI* sender);
  void HandleItemClick(CControlUI* sender);
  // Hides the control when it is visible, shows it otherwise.
  void ToggleVisible(const wchar_t* name);
  // The edit's number kept within its bounds (see ClampEditNumber); a changed number is written
  // back into the edit. 0 when there is no such edit.
  int ClampEditValue(const wchar_t* editName, int upperBound, bool lowerBoundOne = false);
  void ShowDevicePage(int page);
  void SelectPageTab(const struct PageTab& tab);
  void OpenProfileBar(const struct ProfileBar& bar);
  void CloseProfileBar(const struct ProfileBar& bar);
  void SetDpiFromUserData(CControlUI* sender);
  void ShowPanelMenu();
  void TraceCloseButtonData();

 private:
  // True for a notification of the user's: on the window thread, outside any CodeMadeNotifications.
  bool NotificationFromUser() const;
  bool RefusedByPendingMacroEdit(const std::wstring& name);
  void RestorePendingMacroPage(const wchar_t* pageTab, const wchar_t* deviceTab, bool showDeviceTab);
  void EndKeyCapture();
  bool OnWindowThread() const;
  void SetShown(const wchar_t* name, bool shown);
  void SetEnabledByName(const wchar_t* name, bool enabled);

 protected:
  LPCTSTR GetWindowClassName() const override { return L"MainWnd"; }
  UINT GetClassStyle() const override { return CS_DBLCLKS; }
  void OnFinalMessage(HWND window) override { WindowImplBase::OnFinalMessage(window); }
  CDuiString GetSkinFile() override { return L"XML_MAIN"; }
  void InitWindow() override;
  LRESULT OnDestroy(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled) override;
  LRESULT OnGetMinMaxInfo(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled) override;

 private:
  void FindCaptionAndPreviewButtons();
  void BuildVoiceEffectSelector();
  void RunStartupSequence();
  void ApplyStoredBackground();
  void StartWorkerThreads();
  void StopWorkerThreads();
  void RunExitSequence();
  void EndSynchronisedLightingOfChangedDevices();
  SyncLightTargets SyncTargets();
  void HideAndExplainNoDevice(bool& boxOpen);
  void BlinkTopmost();
  void OnTrayIconNotify(UINT mouseMessage);
  void ShowTrayMenu();
  void OnMenuCommand(WPARAM record);
  void SwitchLanguage(const PanelLanguage& language);
  void OpenAboutWindow();
  void OnDpiChanged(WPARAM wParam, LPARAM lParam);
  void SetMousePadKeyChanger(UINT msg, WPARAM button, LPARAM value);

  CMainPage m_mainPage;
  CTrayIcon m_trayIcon;
  std::unique_ptr<Ccopyright> m_aboutWindow;
  bool m_workerThreadsEnded = true;
};
