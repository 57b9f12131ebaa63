// The route tables against the layouts of the main window: every routed name is a control there
// (numbered ones within their range), and every control that raises notifications is routed or on
// the reviewed list below.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "panel_window_fixture.h"
#include "shell_routes.h"
#include "test_files.h"
#include "text_parsers.h"

namespace {

enum class WhyUnrouted {
  HandledBeforeTheRouter,  // the caption buttons: Notify consumes them, or opens the skin picker
  RoutedWithItsDevicePage,  // the device's routes come with its pages; then it leaves this list
  ShowsOnly,                // no action of its own: it shows what the page sets (LED previews, bands)
  ReadWhenAnotherActs,      // its state or text is read by another control's operation
  ReadWhenUsed,  // an edit whose text the operation that needs it reads; its own changes do nothing
  NothingHandlesIt,         // shown for its device's own use; the panel reacts to none of its notifications
  ReadWhenItIsNeeded,       // notifies, and its page reads it only when it needs it
};

struct Unrouted {
  const wchar_t* name;
  WhyUnrouted why;
};

// The reviewed list: controls that notify and reach no route, each with its reason. An entry that
// ends in '_' stands for every name of that prefix and a number.
const Unrouted kReviewedUnrouted[] = {
    {L"closebtn", WhyUnrouted::HandledBeforeTheRouter},
    {L"ms_key_fct_combo_31", WhyUnrouted::ReadWhenItIsNeeded},  // the modifier, read at capture
    {L"minbtn", WhyUnrouted::HandledBeforeTheRouter},
    {L"maxbtn", WhyUnrouted::HandledBeforeTheRouter},
    {L"restorebtn", WhyUnrouted::HandledBeforeTheRouter},
    {L"skinbtn", WhyUnrouted::HandledBeforeTheRouter},
    {L"ms_sensor_height_slider", WhyUnrouted::NothingHandlesIt},
    {L"ms_dkey_", WhyUnrouted::ShowsOnly},
    {L"kb_device_profile_name_edit", WhyUnrouted::ReadWhenAnotherActs},
    {L"kb_deng_profile_name_edit", WhyUnrouted::ReadWhenAnotherActs},
    {L"kb_key_profile_name_edit", WhyUnrouted::ReadWhenAnotherActs},
    {L"kb_device_profile_link_edit", WhyUnrouted::ReadWhenAnotherActs},
    {L"kb_deng_profile_link_edit", WhyUnrouted::ReadWhenAnotherActs},
    {L"kb_key_profile_link_edit", WhyUnrouted::ReadWhenAnotherActs},
    {L"mp_deng_profile_name_edit", WhyUnrouted::ReadWhenAnotherActs},
    {L"mp_deng_profile_link_edit", WhyUnrouted::ReadWhenAnotherActs},
    {L"head_dkey_", WhyUnrouted::ShowsOnly},
    {L"headK27_dkey_", WhyUnrouted::ShowsOnly},
    {L"hs_deng_same_mode", WhyUnrouted::ShowsOnly},
    {L"hs_device_profile_name_edit", WhyUnrouted::ShowsOnly},
    {L"hs_device_profile_link_edit", WhyUnrouted::ShowsOnly},
    {L"hs_device_profile_link_check", WhyUnrouted::ShowsOnly},
    {L"hs_device_profile_name_edit_K27", WhyUnrouted::ShowsOnly},
    {L"hs_device_profile_link_edit_K27", WhyUnrouted::ShowsOnly},
    {L"hs_device_profile_link_check_K27", WhyUnrouted::ShowsOnly},
    {L"HZ_Slider_0", WhyUnrouted::ShowsOnly},
    {L"HZ_Slider_1", WhyUnrouted::ShowsOnly},
    {L"HZ_Slider_2", WhyUnrouted::ShowsOnly},
    {L"HZ_Slider_3", WhyUnrouted::ShowsOnly},
    {L"HZ_Slider_4", WhyUnrouted::ShowsOnly},
    {L"HZ_Slider_5", WhyUnrouted::ShowsOnly},
    {L"HZ_Slider_6", WhyUnrouted::ShowsOnly},
    {L"HZ_Slider_7", WhyUnrouted::ShowsOnly},
    {L"kb_Macro_list", WhyUnrouted::ReadWhenAnotherActs},
    {L"kb_macro_edit_macroname", WhyUnrouted::ReadWhenAnotherActs},
    {L"kb_macro_check_time", WhyUnrouted::ReadWhenAnotherActs},
    {L"kb_macro_keyboard_event", WhyUnrouted::ReadWhenAnotherActs},
    {L"kb_macro_mouse_click", WhyUnrouted::ReadWhenAnotherActs},
    {L"kb_macro_mouse_roller", WhyUnrouted::ReadWhenAnotherActs},
    {L"kb_macro_mouse_move", WhyUnrouted::ReadWhenAnotherActs},
    {L"hs_name_edit", WhyUnrouted::ReadWhenUsed},
    {L"mp_dkey_", WhyUnrouted::ShowsOnly},
    {L"ms_device_profile_name_edit", WhyUnrouted::ReadWhenAnotherActs},
    {L"ms_deng_profile_name_edit", WhyUnrouted::ReadWhenAnotherActs},
    {L"ms_key_profile_name_edit", WhyUnrouted::ReadWhenAnotherActs},
    {L"ms_device_profile_link_edit", WhyUnrouted::ReadWhenAnotherActs},
    {L"ms_deng_profile_link_edit", WhyUnrouted::ReadWhenAnotherActs},
    {L"ms_key_profile_link_edit", WhyUnrouted::ReadWhenAnotherActs},
    {L"ms_Macro_list", WhyUnrouted::ReadWhenAnotherActs},
};

// Routed controls that the pages make at run time, so the layouts do not hold them.
const wchar_t* const kMadeByThePages[] = {L"kb_macro_action", L"ms_macro_action"};

bool MadeByThePages(const std::wstring& name) {
  return std::any_of(std::begin(kMadeByThePages), std::end(kMadeByThePages),
                     [&name](const wchar_t* made) { return EqualsNoCase(name, made); });
}

const NotifyType kAllTypes[] = {
    NotifyType::Click,         NotifyType::MouseEnter,  NotifyType::MouseLeave,  NotifyType::KillFocus,
    NotifyType::SetFocus,      NotifyType::ItemSelect,  NotifyType::SelectChanged, NotifyType::ValueChanged,
    NotifyType::MoveValueChanged, NotifyType::TextChanged, NotifyType::ColorChanged, NotifyType::ItemClick,
};

bool Notifies(CControlUI* control) {
  return dynamic_cast<CButtonUI*>(control) || dynamic_cast<CComboUI*>(control) || dynamic_cast<CListUI*>(control) ||
         dynamic_cast<CSliderUI*>(control) || dynamic_cast<CEditUI*>(control) ||
         dynamic_cast<CColorPaletteUI*>(control);
}

bool Routed(const std::wstring& name) {
  return std::any_of(std::begin(kAllTypes), std::end(kAllTypes),
                     [&name](NotifyType type) { return PanelRoutes().Find(type, name).route != nullptr; });
}

bool Matches(const std::wstring& name, const Unrouted& entry) {
  if (EqualsNoCase(name, entry.name)) return true;
  std::wstring prefix;
  int32_t number = 0;
  return SplitNameIndex(name, prefix, number) && EqualsNoCase(prefix, entry.name);
}

const Unrouted* Listed(const std::wstring& name) {
  for (const Unrouted& entry : kReviewedUnrouted)
    if (Matches(name, entry)) return &entry;
  return nullptr;
}

// The controls of the main window as it is built: the layout with its page layouts, and the
// voice-effect selector that the window adds.
class MainWindowControls {
 public:
  explicit MainWindowControls(const wchar_t* mainLayout) {
    for (const wchar_t* file : {mainLayout, L"XML\\CustomControlXML\\VoiceMagicControl.xml"}) {
      CControlUI* root = CDialogBuilder().Create(file, &window_, &window_.Manager());
      EXPECT_NE(root, nullptr) << file;
      if (!root) continue;
      roots_.push_back(root);
      root->FindInTree([this](CControlUI* control) {
        controls_.push_back(control);
        return false;
      });
    }
  }
  ~MainWindowControls() {
    for (CControlUI* root : roots_) delete root;
  }
  const std::vector<CControlUI*>& All() const { return controls_; }
  std::vector<CControlUI*> Named(const std::wstring& name) const {
    std::vector<CControlUI*> found;
    for (CControlUI* control : controls_)
      if (EqualsNoCase(control->GetName().str(), name)) found.push_back(control);
    return found;
  }

 private:
  TestMainWnd window_;
  std::vector<CControlUI*> roots_;
  std::vector<CControlUI*> controls_;
};

void CheckNumberedRoute(const Route& route, const MainWindowControls& layout, std::vector<std::wstring>& problems) {
  int named = 0;
  for (CControlUI* control : layout.All()) {
    std::wstring prefix;
    int32_t number = 0;
    if (!SplitNameIndex(control->GetName().str(), prefix, number) || !EqualsNoCase(prefix, route.name)) continue;
    ++named;
    if ((number < route.first || number > route.last) && !Listed(control->GetName().str()))
      problems.push_back(L"numbered out of its route's range: " + control->GetName().str());
  }
  if (named == 0) problems.push_back(L"routed, not in the layouts: " + route.name);
}

std::vector<std::wstring> RouteProblems(const wchar_t* mainLayout) {
  std::vector<std::wstring> problems;
  const MainWindowControls layout(mainLayout);
  for (const Route& route : PanelRoutes().Routes()) {
    if (route.numbered) CheckNumberedRoute(route, layout, problems);
    else if (layout.Named(route.name).empty() && !MadeByThePages(route.name)) problems.push_back(L"routed, not in the layouts: " + route.name);
  }
  for (CControlUI* control : layout.All()) {
    const std::wstring name = control->GetName().str();
    if (!Notifies(control)) continue;
    if (name.empty()) problems.push_back(std::wstring(L"a notifying control without a name: ") + control->GetClass());
    else if (!Routed(name) && !Listed(name)) problems.push_back(L"neither routed nor listed: " + name);
  }
  for (const Unrouted& entry : kReviewedUnrouted) {
    if (std::none_of(layout.All().begin(), layout.All().end(),
                     [&entry](CControlUI* control) { return Matches(control->GetName().str(), entry); }))
      problems.push_back(std::wstring(L"listed, not in the layouts: ") + entry.name);
    if (Routed(entry.name)) problems.push_back(std::wstring(L"listed and routed: ") + entry.name);
  }
  return problems;
}

std::string Lines(const std::vector<std::wstring>& problems) {
  std::string text;
  for (const std::wstring& problem : problems) text += std::string(problem.begin(), problem.end()) + "\n";
  return text;
}

class RouteConsistency : public ::testing::Test {
 protected:
  void SetUp() override { SetUpPanelUi(); }
};

TEST_F(RouteConsistency, ThePanelsTablesBuildWithoutARefusal) {
  std::vector<std::wstring> refused;
  RouteIndex::Build(AllRouteTables(), refused);
  EXPECT_TRUE(refused.empty()) << Lines(refused);
}

TEST_F(RouteConsistency, RoutesAndLayoutsAgree) {
  const std::vector<std::wstring> problems = RouteProblems(L"XML_MAIN");
  EXPECT_TRUE(problems.empty()) << Lines(problems);
}

TEST_F(RouteConsistency, AMisspeltNameInACopyOfTheLayoutIsFound) {
  const std::wstring folder = CPaintManagerUI::GetResourcePath().str();
  const std::vector<unsigned char> bytes = ReadBytes(folder + L"main.xml");
  std::string text(bytes.begin(), bytes.end());
  const std::string name = "name=\"ms_rich_Op_tab\"";
  ASSERT_NE(text.find(name), std::string::npos);
  text.replace(text.find(name), name.size(), "name=\"ms_ritch_Op_tab\"");
  const std::wstring copy = folder + L"main_misspelt.xml";
  WriteText(copy, text);
  const std::vector<std::wstring> problems = RouteProblems(L"main_misspelt.xml");
  DeleteFileW(copy.c_str());
  // Its selection and its focus are routed.
  const std::vector<std::wstring> expected = {L"routed, not in the layouts: ms_rich_Op_tab",
                                              L"routed, not in the layouts: ms_rich_Op_tab",
                                              L"neither routed nor listed: ms_ritch_Op_tab"};
  EXPECT_EQ(problems, expected) << Lines(problems);
}

}  // namespace
