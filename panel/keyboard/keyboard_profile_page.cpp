// The keyboard's device, light and key profile lists as page operations: each method runs one
// operation of the shared list on the list's controls, with what the keyboard loads and sends.
#include "keyboard_profile_page.h"

#include "control_profile_list_view.h"
#include "keyboard_device_profile.h"
#include "keyboard_page_state.h"
#include "keyboard_profile_lists.h"
#include "keyboard_profile_payloads.h"
#include "main_wnd.h"
#include "program_folder.h"

namespace {
using Payload = std::vector<uint8_t>;

const KeyboardProfileList& ListOf(KeyboardList which) {
  switch (which) {
    case KeyboardList::Light: return KeyboardLightProfiles();
    case KeyboardList::Key: return KeyboardKeyProfiles();
    default: return KeyboardDeviceProfiles();
  }
}

// The key page's function tab stays as it is shown while a key profile is applied.
void KeepFunctionTabUsable(CMainWnd& window) {
  CControlUI* tab = window.Find(L"kb_tab_function");
  if (tab && tab->IsVisible()) tab->SetEnabled(true);
}

void HideFunctionTab(CMainWnd& window) {
  CControlUI* tab = window.Find(L"kb_tab_function");
  if (!tab || !tab->IsVisible()) return;
  tab->SetVisible(false);
  tab->SetEnabled(false);
}

void AddDeviceHooks(CMainWnd& window, const std::wstring& folder, NamedProfileListHooks& hooks) {
  hooks.takeNewPayload = [](const Payload& payload) { ApplyKeyboardDeviceProfile(KeyboardPageState(), payload.data()); };
  hooks.apply = [&window, folder](int index) {
    SelectKeyboardDeviceProfileAt(window.m_keyboardChannel, KeyboardPageState(), folder, index,
                                  [&window] { window.RefreshKeyboardLightPage(); });
    window.m_keyboardDirty = 1;
  };
  hooks.reset = [&window, folder](const Payload& payload) {
    ResetKeyboardDeviceProfileTo(window.m_keyboardChannel, KeyboardPageState(), folder, payload,
                                 [&window] { window.RefreshKeyboardLightPage(); });
    window.m_keyboardDirty = 1;
  };
}

void AddLightHooks(CMainWnd& window, const std::wstring& folder, NamedProfileListHooks& hooks) {
  hooks.takeNewPayload = [](const Payload& payload) { ApplyKeyboardLightProfile(KeyboardPageState(), payload.data()); };
  hooks.apply = [&window, folder](int index) {
    LoadKeyboardLightProfile(KeyboardPageState(), folder, index);
    window.RefreshKeyboardLightPage();
    window.m_keyboardDirty = 1;
  };
  hooks.reset = [&window, folder](const Payload& payload) {
    ResetKeyboardLightProfileTo(KeyboardPageState(), folder, payload);
    window.RefreshKeyboardLightPage();
    window.m_keyboardDirty = 1;
  };
}

void AddKeyHooks(CMainWnd& window, const std::wstring& folder, NamedProfileListHooks& hooks) {
  hooks.apply = [&window, folder](int index) {
    SelectKeyboardKeyProfileAt(window.m_keyboardChannel, KeyboardPageState(), folder, index,
                               [&window] { KeepFunctionTabUsable(window); });
  };
  hooks.reset = [&window, folder](const Payload& payload) {
    ResetKeyboardKeyProfileTo(window.m_keyboardChannel, KeyboardPageState(), folder, payload,
                              [&window] { window.RefreshKeyboardLightPage(); });
  };
}

NamedProfileListHooks HooksOf(CMainWnd& window, KeyboardList which, const std::wstring& folder) {
  NamedProfileListHooks hooks;
  const KeyboardProfileList& list = ListOf(which);
  hooks.factoryFile = [&list] { return KeyboardFactoryProfileFile(list, KeyboardPageState().model, ProgramFolder()); };
  switch (which) {
    case KeyboardList::Device: AddDeviceHooks(window, folder, hooks); break;
    case KeyboardList::Light: AddLightHooks(window, folder, hooks); break;
    case KeyboardList::Key: AddKeyHooks(window, folder, hooks); break;
  }
  return hooks;
}

template <class Operation>
auto OnKeyboardList(CMainWnd& window, KeyboardList which, Operation operation) {
  const KeyboardProfileList& list = ListOf(which);
  const std::wstring folder = window.GetKeyboardProfileFolder();
  ControlProfileListView view(window, list.params);
  const NamedProfileListHooks hooks = HooksOf(window, which, folder);
  NamedProfileList named(list.params, hooks, folder, view);
  return operation(named);
}
}  // namespace

void RunOnKeyboardList(CMainWnd& window, KeyboardList which, void (NamedProfileList::*operation)()) {
  OnKeyboardList(window, which, [operation](NamedProfileList& list) { (list.*operation)(); });
}

void ApplyKeyboardDeviceProfileAt(CMainWnd& window, int index) {
  OnKeyboardList(window, KeyboardList::Device, [index](NamedProfileList& list) { list.ApplyAt(index); });
}

void FillKeyboardProfileLists(CMainWnd& window) {
  for (KeyboardList which : {KeyboardList::Device, KeyboardList::Light, KeyboardList::Key})
    if (!OnKeyboardList(window, which, [](NamedProfileList& list) { return list.Fill(); })) return;
}

void CMainWnd::AddKeyboardDeviceProfile() { RunOnKeyboardList(*this, KeyboardList::Device, &NamedProfileList::Add); }
void CMainWnd::DeleteKeyboardDeviceProfile() { RunOnKeyboardList(*this, KeyboardList::Device, &NamedProfileList::Delete); }
void CMainWnd::CopyKeyboardDeviceProfile() { RunOnKeyboardList(*this, KeyboardList::Device, &NamedProfileList::Copy); }
void CMainWnd::ImportKeyboardDeviceProfile() { RunOnKeyboardList(*this, KeyboardList::Device, &NamedProfileList::Import); }
void CMainWnd::ExportKeyboardDeviceProfile() { RunOnKeyboardList(*this, KeyboardList::Device, &NamedProfileList::Export); }
void CMainWnd::RenameKeyboardDeviceProfile() { RunOnKeyboardList(*this, KeyboardList::Device, &NamedProfileList::Rename); }
void CMainWnd::SelectKeyboardDeviceProfile() { RunOnKeyboardList(*this, KeyboardList::Device, &NamedProfileList::Select); }
void CMainWnd::ResetKeyboardDeviceProfile() { RunOnKeyboardList(*this, KeyboardList::Device, &NamedProfileList::Reset); }
void CMainWnd::ToggleKeyboardDeviceProfileLink() {
  RunOnKeyboardList(*this, KeyboardList::Device, &NamedProfileList::ToggleLink);
}
void CMainWnd::BrowseKeyboardDeviceProfileLink() {
  RunOnKeyboardList(*this, KeyboardList::Device, &NamedProfileList::BrowseLink);
}
int CMainWnd::LoadKeyboardDeviceProfile(int index) {
  return ::LoadKeyboardDeviceProfile(KeyboardPageState(), GetKeyboardProfileFolder(), index);
}

void CMainWnd::AddKeyboardLightProfile() { RunOnKeyboardList(*this, KeyboardList::Light, &NamedProfileList::Add); }
void CMainWnd::DeleteKeyboardLightProfile() { RunOnKeyboardList(*this, KeyboardList::Light, &NamedProfileList::Delete); }
void CMainWnd::CopyKeyboardLightProfile() { RunOnKeyboardList(*this, KeyboardList::Light, &NamedProfileList::Copy); }
void CMainWnd::ImportKeyboardLightProfile() { RunOnKeyboardList(*this, KeyboardList::Light, &NamedProfileList::Import); }
void CMainWnd::ExportKeyboardLightProfile() { RunOnKeyboardList(*this, KeyboardList::Light, &NamedProfileList::Export); }
void CMainWnd::RenameKeyboardLightProfile() { RunOnKeyboardList(*this, KeyboardList::Light, &NamedProfileList::Rename); }
void CMainWnd::SelectKeyboardLightProfile() { RunOnKeyboardList(*this, KeyboardList::Light, &NamedProfileList::Select); }
void CMainWnd::ResetKeyboardLightProfile() { RunOnKeyboardList(*this, KeyboardList::Light, &NamedProfileList::Reset); }
void CMainWnd::ToggleKeyboardLightProfileLink() {
  RunOnKeyboardList(*this, KeyboardList::Light, &NamedProfileList::ToggleLink);
}
void CMainWnd::BrowseKeyboardLightProfileLink() {
  RunOnKeyboardList(*this, KeyboardList::Light, &NamedProfileList::BrowseLink);
}
int CMainWnd::LoadKeyboardLightProfile(int index) {
  return ::LoadKeyboardLightProfile(KeyboardPageState(), GetKeyboardProfileFolder(), index);
}

void CMainWnd::AddKeyboardKeyProfile() { RunOnKeyboardList(*this, KeyboardList::Key, &NamedProfileList::Add); }
void CMainWnd::DeleteKeyboardKeyProfile() { RunOnKeyboardList(*this, KeyboardList::Key, &NamedProfileList::Delete); }
void CMainWnd::CopyKeyboardKeyProfile() { RunOnKeyboardList(*this, KeyboardList::Key, &NamedProfileList::Copy); }
void CMainWnd::ImportKeyboardKeyProfile() { RunOnKeyboardList(*this, KeyboardList::Key, &NamedProfileList::Import); }
void CMainWnd::ExportKeyboardKeyProfile() { RunOnKeyboardList(*this, KeyboardList::Key, &NamedProfileList::Export); }
void CMainWnd::RenameKeyboardKeyProfile() { RunOnKeyboardList(*this, KeyboardList::Key, &NamedProfileList::Rename); }
void CMainWnd::SelectKeyboardKeyProfile() { RunOnKeyboardList(*this, KeyboardList::Key, &NamedProfileList::Select); }
// The function tab goes before the factory file is read, whatever the read gives.
void CMainWnd::ResetKeyboardKeyProfile() {
  HideFunctionTab(*this);
  RunOnKeyboardList(*this, KeyboardList::Key, &NamedProfileList::Reset);
}
void CMainWnd::ToggleKeyboardKeyProfileLink() { RunOnKeyboardList(*this, KeyboardList::Key, &NamedProfileList::ToggleLink); }
void CMainWnd::BrowseKeyboardKeyProfileLink() { RunOnKeyboardList(*this, KeyboardList::Key, &NamedProfileList::BrowseLink); }
int CMainWnd::LoadKeyboardKeyProfile(int index) {
  return ::LoadKeyboardKeyProfile(KeyboardPageState(), GetKeyboardProfileFolder(), index);
}
