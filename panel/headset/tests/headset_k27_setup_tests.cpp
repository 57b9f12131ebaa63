// The K27 audio set-up that the window's start-up runs: the old-Windows mixer and registration,
// the audio configuration library's start and the device count, with the profile list built in
// every case. The Windows calls go through the set-up's seam; the library is the stand-in.
#include <gtest/gtest.h>
#include <windows.h>
#include <dbt.h>

#include <algorithm>
#include <string>
#include <vector>

#include "audio_config_library.h"
#include "audio_standin_steering.h"
#include "data_folders.h"
#include "debug_log_capture.h"
#include "headset_k27_audio_setup.h"
#include "panel_window_fixture.h"
#include "program_folder.h"
#include "system_dialogs.h"
#include "test_files.h"

namespace {
// KSCATEGORY_AUDIO
constexpr GUID kAudioClass = {0x6994AD04, 0x93EF, 0x11D0, {0xA3, 0xCC, 0x00, 0xA0, 0xC9, 0x22, 0x31, 0x96}};
HMIXER const kMixer = reinterpret_cast<HMIXER>(0x5A);
HDEVNOTIFY const kRegistration = reinterpret_cast<HDEVNOTIFY>(0x6B);

struct Box {
  std::wstring text, caption;
  UINT type;
  bool operator==(const Box& other) const {
    return text == other.text && caption == other.caption && type == other.type;
  }
};

class HeadsetK27SetupTest : public PanelWindowTest {
 protected:
  void SetUp() override {
    RemoveTree(DeviceProfileFolder(nullptr, L"headK27"));
    PanelWindowTest::SetUp();
    // Held here so that the steering below is what the start-up's load finds.
    library = LoadLibraryW((ProgramFolder() + L"SDK/x86/vista/osConfLib.dll").c_str());
    ASSERT_NE(nullptr, library);
    Standin().Reset();
    // As in a fresh run: no device picked yet.
    ConfLibOutputDevice.Clear();
    ConfLibInputDevice.Clear();
    system = WindowsHeadsetK27AudioSystem();
    RecordLegacyAudioCalls();
    InstallHeadsetK27AudioSystem(&system);
    AnswerMessageBoxesWith([this](const MessageBoxRequest& box) {
      boxes.push_back({box.text, box.caption, box.type});
      return IDOK;
    });
  }
  void TearDown() override {
    AnswerMessageBoxesWith(nullptr);
    PanelWindowTest::TearDown();
    InstallHeadsetK27AudioSystem(nullptr);
    FreeLibrary(library);
  }

  AudioConfigStandin Standin() const { return AudioConfigStandin(library); }
  std::string Window(HWND hwnd) const { return hwnd == window->GetHWND() ? "the main window" : "another window"; }

  // Every mixer and registration call, as the set-up makes it, in `legacyCalls`.
  void RecordLegacyAudioCalls() {
    system.isVistaOrLater = [this] { return vista; };
    system.mixerGetNumDevs = [this] {
      legacyCalls.push_back("mixerGetNumDevs");
      return mixers;
    };
    system.mixerOpen = [this](HMIXER* mixer, UINT id, DWORD_PTR callback, DWORD_PTR, DWORD flags) {
      legacyCalls.push_back("mixerOpen(" + std::to_string(id) + ", " + Window(reinterpret_cast<HWND>(callback)) +
                            (flags == CALLBACK_WINDOW ? ", CALLBACK_WINDOW)" : ", other flags)"));
      *mixer = kMixer;
      return static_cast<MMRESULT>(MMSYSERR_NOERROR);
    };
    system.mixerGetDevCaps = [this](UINT_PTR mixer, MIXERCAPSW*, UINT size) {
      legacyCalls.push_back(std::string("mixerGetDevCaps(") + (mixer == reinterpret_cast<UINT_PTR>(kMixer) ? "the mixer" : "?") +
                            ", " + std::to_string(size) + ")");
      return static_cast<MMRESULT>(MMSYSERR_NOERROR);
    };
    system.mixerClose = [this](HMIXER) {
      legacyCalls.push_back("mixerClose");
      return static_cast<MMRESULT>(MMSYSERR_NOERROR);
    };
    system.registerDeviceNotification = [this](HANDLE recipient, LPVOID filter, DWORD flags) -> HDEVNOTIFY {
      const auto* f = static_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(filter);
      legacyCalls.push_back("RegisterDeviceNotification(" + Window(static_cast<HWND>(recipient)) + ", size " +
                            std::to_string(f->dbcc_size) + ", type " + std::to_string(f->dbcc_devicetype) +
                            (IsEqualGUID(f->dbcc_classguid, kAudioClass) ? ", audio" : ", another class") +
                            (flags == DEVICE_NOTIFY_WINDOW_HANDLE ? ", window handle)" : ", other flags)"));
      if (registrationError == 0) return kRegistration;
      SetLastError(registrationError);
      return nullptr;
    };
    system.unregisterDeviceNotification = [this](HDEVNOTIFY) {
      legacyCalls.push_back("UnregisterDeviceNotification");
      return TRUE;
    };
  }
  // The list is built whatever the audio side found: its first profile, selected.
  void ExpectTheProfileListBuilt() {
    auto* combo = window->Find<CComboUI>(L"hs_device_profile_combo_K27");
    ASSERT_NE(nullptr, combo);
    EXPECT_EQ(1, combo->GetCount());
    EXPECT_EQ(0, combo->GetCurSel());
    EXPECT_TRUE(PathExists(window->GetHeadsetK27ProfileFolder() + L"hsK27Profile.ini"));
  }
  bool TabShown() { return Find(L"hsK27_tab")->IsVisible(); }

  HMODULE library = nullptr;
  HeadsetK27AudioSystem system;
  int vista = 1;
  UINT mixers = 0;
  DWORD registrationError = 0;
  std::vector<std::string> legacyCalls;
  std::vector<Box> boxes;
};

TEST_F(HeadsetK27SetupTest, OldWindowsOpensTheMixerAndRegistersTheWindow) {
  const std::string registration = "RegisterDeviceNotification(the main window, size 32, type 5, audio, window handle)";
  struct Case {
    const char* what;  // and the fault its row catches
    int vista;
    UINT mixers;
    DWORD registrationError;
    std::vector<std::string> calls;
    std::vector<Box> boxes;
  } cases[] = {
      {"Vista and later: neither, whatever the system has", 1, 2, 0, {}, {}},
      {"old Windows: mixer 0 with the window as its callback, then the registration", 0, 2, 0,
       {"mixerGetNumDevs", "mixerOpen(0, the main window, CALLBACK_WINDOW)",
        "mixerGetDevCaps(the mixer, " + std::to_string(sizeof(MIXERCAPSW)) + ")", registration},
       {}},
      {"old Windows without a mixer: nothing opened, still registered", 0, 0, 0, {"mixerGetNumDevs", registration}, {}},
      {"a refused registration: its box with the error, and the set-up goes on", 0, 0, ERROR_ACCESS_DENIED,
       {"mixerGetNumDevs", registration},
       {{L"RegisterDeviceNotification failed: 5\n", L"Registration", MB_OK}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    vista = c.vista;
    mixers = c.mixers;
    registrationError = c.registrationError;
    legacyCalls.clear();
    boxes.clear();
    if (IsWindow(window->GetHWND())) RestartWindow();
    else OpenWindow();

    EXPECT_EQ(c.calls, legacyCalls);
    EXPECT_EQ(c.boxes, boxes);
    const bool opened = c.vista == 0 && c.mixers > 0;
    EXPECT_EQ(opened ? kMixer : nullptr, window->m_headsetK27LegacyAudio.m_mixer);
    EXPECT_EQ(c.vista == 0 && c.registrationError == 0 ? kRegistration : nullptr,
              window->m_headsetK27LegacyAudio.m_audioNotification);
    EXPECT_EQ(c.vista == 0 ? RegisterWindowMessageW(L"winmm_devicechange") : 0u, window->m_winmmDeviceChangeMessage);
    EXPECT_TRUE(TabShown()) << "the library's device is set up";
    ExpectTheProfileListBuilt();
  }
}

TEST_F(HeadsetK27SetupTest, ARefusedLibraryStartIsShownAndTheSetUpGoesOn) {
  Standin().SetInitResult(3);
  OpenWindow();
  const std::vector<Box> refusal = {{L"ConfLibInit called failed!", L"Marvane", MB_OK}};
  EXPECT_EQ(refusal, boxes);
  const std::vector<std::string> log = Standin().CallLog();
  ASSERT_GE(log.size(), 3u);
  EXPECT_EQ((std::vector<std::string>{"ConfLibInit()", "CreateDeviceList()", "GetDeviceCount(0)"}),
            std::vector<std::string>(log.begin(), log.begin() + 3));
  EXPECT_NE(log.end(), std::find(log.begin(), log.end(), "PropertyControl(input, MuteControl, read) = 0 0"))
      << "the page is filled from the device";
  EXPECT_TRUE(TabShown());
  ExpectTheProfileListBuilt();
}

TEST_F(HeadsetK27SetupTest, WithoutAnAudioDeviceTheTabStaysHiddenAndTheListIsBuilt) {
  Standin().SetDeviceList(kConfLibOutputList, {});
  DebugLogCapture debug;
  OpenWindow();
  EXPECT_EQ(1, debug.Count(L"No device!"));
  EXPECT_FALSE(TabShown());
  for (const std::string& line : Standin().CallLog()) {
    EXPECT_EQ(std::string::npos, line.find("GetDeviceById")) << "no device is picked: " << line;
    EXPECT_TRUE(line.find("(output, ") == std::string::npos && line.find("(input, ") == std::string::npos)
        << "no property of a device is read or written: " << line;
  }
  EXPECT_TRUE(boxes.empty());
  ExpectTheProfileListBuilt();
}

}  // namespace
