// The mouse's device, light and key profile lists as page operations: each method runs one
// operation of the shared list on the list's controls, with the mouse's select and reset steps.
#include "mouse_profile_page.h"

#include <string>

#include "control_profile_list_view.h"
#include "main_wnd.h"
#include "mouse_profile_lists.h"
#include "mouse_state.h"
#include "pointer_settings_applier.h"
#include "program_folder.h"

namespace {
using Payload = std::vector<uint8_t>;

class WindowMousePage : public MouseProfilePage {
 public:
  explicit WindowMousePage(CMainWnd& window) : window_(window) {}

  void ShowPointerSettings(int sliderValue, bool applySpeed) override {
    if (auto* slider = window_.Find<CSliderUI>(L"ms_point_speed_slider")) slider->SetValue(sliderValue);
    if (applySpeed) StartPointerSettingApplier(PointerSetting::Speed);
    if (CControlUI* edit = window_.Find(L"ms_gunlun_speed_edit"))
      edit->SetText(std::to_wstring(MouseWheelLines.load()).c_str());
    StartPointerSettingApplier(PointerSetting::WheelLines);
  }
  void Refresh() override { window_.RefreshMousePage(); }
  void MarkDirty() override { window_.m_mouseDirty = 1; }
  void RelabelKeys() override { window_.RelabelMouseKeys(0); }
  void CloseKeyFunctions() override {
    CControlUI* functions = window_.Find(L"ms_tab_function");
    if (!functions || !functions->IsVisible()) return;
    functions->SetVisible(false);
    functions->SetEnabled(false);
  }

 private:
  CMainWnd& window_;
};

NamedProfileListHooks HooksOf(CMainWnd& window, MouseProfileKind kind, const std::wstring& folder) {
  NamedProfileListHooks hooks;
  hooks.factoryFile = [kind] { return MouseFactoryProfileFile(kind, ProgramFolder()); };
  hooks.apply = [&window, kind, folder](int index) {
    WindowMousePage page(window);
    SelectMouseProfileAt(kind, window.m_mouseChannel, folder, index, page);
  };
  hooks.reset = [&window, kind, folder](const Payload& payload) {
    WindowMousePage page(window);
    ResetMouseProfileTo(kind, window.m_mouseChannel, folder, payload, page);
  };
  return hooks;
}

template <class Operation>
auto OnMouseList(CMainWnd& window, MouseProfileKind kind, Operation operation) {
  const NamedProfileListParams& params = MouseProfileListParams(kind);
  const std::wstring folder = window.GetMouseProfileFolder();
  ControlProfileListView view(window, params);
  const NamedProfileListHooks hooks = HooksOf(window, kind, folder);
  NamedProfileList list(params, hooks, folder, view);
  return operation(list);
}
}  // namespace

void RunOnMouseList(CMainWnd& window, MouseProfileKind kind, void (NamedProfileList::*operation)()) {
  OnMouseList(window, kind, [operation](NamedProfileList& list) { (list.*operation)(); });
}

void ApplyMouseDeviceProfileAt(CMainWnd& window, int index) {
  OnMouseList(window, MouseProfileKind::Device, [index](NamedProfileList& list) { list.ApplyAt(index); });
}

bool FillMouseProfileLists(CMainWnd& window) {
  for (MouseProfileKind kind : {MouseProfileKind::Device, MouseProfileKind::Light, MouseProfileKind::Key})
    if (!OnMouseList(window, kind, [](NamedProfileList& list) { return list.Fill(); })) return false;
  return true;
}

namespace {
constexpr MouseProfileKind kDevice = MouseProfileKind::Device;
constexpr MouseProfileKind kLight = MouseProfileKind::Light;
constexpr MouseProfileKind kKey = MouseProfileKind::Key;
}  // namespace

void CMainWnd::AddMouseDeviceProfile() { RunOnMouseList(*this, kDevice, &NamedProfileList::Add); }
void CMainWnd::DeleteMouseDeviceProfile() { RunOnMouseList(*this, kDevice, &NamedProfileList::Delete); }
void CMainWnd::CopyMouseDeviceProfile() { RunOnMouseList(*this, kDevice, &NamedProfileList::Copy); }
void CMainWnd::ImportMouseDeviceProfile() { RunOnMouseList(*this, kDevice, &NamedProfileList::Import); }
void CMainWnd::ExportMouseDeviceProfile() { RunOnMouseList(*this, kDevice, &NamedProfileList::Export); }
void CMainWnd::RenameMouseDeviceProfile() { RunOnMouseList(*this, kDevice, &NamedProfileList::Rename); }
void CMainWnd::SelectMouseDeviceProfile() { RunOnMouseList(*this, kDevice, &NamedProfileList::Select); }
void CMainWnd::ResetMouseDeviceProfile() { RunOnMouseList(*this, kDevice, &NamedProfileList::Reset); }
void CMainWnd::ToggleMouseDeviceProfileLink() { RunOnMouseList(*this, kDevice, &NamedProfileList::ToggleLink); }
void CMainWnd::BrowseMouseDeviceProfileLink() { RunOnMouseList(*this, kDevice, &NamedProfileList::BrowseLink); }

void CMainWnd::AddMouseLightProfile() { RunOnMouseList(*this, kLight, &NamedProfileList::Add); }
void CMainWnd::DeleteMouseLightProfile() { RunOnMouseList(*this, kLight, &NamedProfileList::Delete); }
void CMainWnd::CopyMouseLightProfile() { RunOnMouseList(*this, kLight, &NamedProfileList::Copy); }
void CMainWnd::ImportMouseLightProfile() { RunOnMouseList(*this, kLight, &NamedProfileList::Import); }
void CMainWnd::ExportMouseLightProfile() { RunOnMouseList(*this, kLight, &NamedProfileList::Export); }
void CMainWnd::RenameMouseLightProfile() { RunOnMouseList(*this, kLight, &NamedProfileList::Rename); }
void CMainWnd::SelectMouseLightProfile() { RunOnMouseList(*this, kLight, &NamedProfileList::Select); }
void CMainWnd::ResetMouseLightProfile() { RunOnMouseList(*this, kLight, &NamedProfileList::Reset); }
void CMainWnd::ToggleMouseLightProfileLink() { RunOnMouseList(*this, kLight, &NamedProfileList::ToggleLink); }
void CMainWnd::BrowseMouseLightProfileLink() { RunOnMouseList(*this, kLight, &NamedProfileList::BrowseLink); }

void CMainWnd::AddMouseKeyProfile() { RunOnMouseList(*this, kKey, &NamedProfileList::Add); }
void CMainWnd::DeleteMouseKeyProfile() { RunOnMouseList(*this, kKey, &NamedProfileList::Delete); }
void CMainWnd::CopyMouseKeyProfile() { RunOnMouseList(*this, kKey, &NamedProfileList::Copy); }
void CMainWnd::ImportMouseKeyProfile() { RunOnMouseList(*this, kKey, &NamedProfileList::Import); }
void CMainWnd::ExportMouseKeyProfile() { RunOnMouseList(*this, kKey, &NamedProfileList::Export); }
void CMainWnd::RenameMouseKeyProfile() { RunOnMouseList(*this, kKey, &NamedProfileList::Rename); }
void CMainWnd::SelectMouseKeyProfile() { RunOnMouseList(*this, kKey, &NamedProfileList::Select); }
void CMainWnd::ResetMouseKeyProfile() { RunOnMouseList(*this, kKey, &NamedProfileList::Reset); }
void CMainWnd::ToggleMouseKeyProfileLink() { RunOnMouseList(*this, kKey, &NamedProfileList::ToggleLink); }
void CMainWnd::BrowseMouseKeyProfileLink() { RunOnMouseList(*this, kKey, &NamedProfileList::BrowseLink); }
