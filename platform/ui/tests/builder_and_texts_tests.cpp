#include <gtest/gtest.h>

#include "demo_window.h"

namespace {

class FancyUI : public CLabelUI {
 public:
  LPCTSTR GetClass() const override { return L"FancyUI"; }
};

// Builds the demo layout into a paint manager without a window, as a builder callback would.
class BuiltDemo : public ::testing::Test, public IDialogBuilderCallback {
 protected:
  void SetUp() override {
    UseDemoSkin();
    CControlFactory::GetInstance()->RegistControl(L"CFancyUI", [] { return static_cast<CControlUI*>(new FancyUI); });
    root = CDialogBuilder().Create(L"XML_DEMO", this, &manager);
    ASSERT_NE(root, nullptr);
    manager.AttachDialog(root);
  }
  CControlUI* CreateControl(LPCTSTR tag) override {
    ++callbackCalls;
    if (std::wstring(tag) == L"LightsPage") return CDialogBuilder().Create(L"XML_LIGHTS", nullptr, &manager);
    return nullptr;
  }
  template <class T>
  T* Find(const wchar_t* name) {
    return dynamic_cast<T*>(manager.FindControl(name));
  }

  CPaintManagerUI manager;
  CControlUI* root = nullptr;
  int callbackCalls = 0;
};

}  // namespace

TEST_F(BuiltDemo, WindowAttributesFontsAndStyles) {
  EXPECT_EQ(manager.GetInitSize().cx, 800);
  EXPECT_EQ(manager.GetInitSize().cy, 572);
  EXPECT_EQ(manager.GetCaptionRect().bottom, 40);
  EXPECT_EQ(manager.GetRoundCorner().cx, 8);
  EXPECT_NE(manager.GetFont(1), manager.GetFont(0));
  EXPECT_EQ(manager.GetFont(42), manager.GetFont(0)) << "unknown font ids give the default font";

  auto* tab = Find<COptionUI>(L"tab_lights");
  ASSERT_NE(tab, nullptr);
  EXPECT_EQ(tab->GetFixedWidth(), 150) << "style applied";
  EXPECT_EQ(tab->GetGroup().str(), L"tabs");
  EXPECT_EQ(Find<COptionUI>(L"lang_de")->GetGroup().str(), L"language") << "own attribute after the style wins";
  EXPECT_EQ(Find<COptionUI>(L"lang_de")->GetText().str(), L"Deutsch") << "not a text id";
  EXPECT_EQ(Find<CControlUI>(L"apply")->GetBkColor(), 0u);
  EXPECT_EQ(Find<CControlUI>(L"pages")->GetBkColor(), 0xF0F3F6F9u);
  EXPECT_FALSE(Find<CControlUI>(L"reset")->IsEnabled());
  EXPECT_EQ(Find<CProgressUI>(L"progress")->GetValue(), 40);
}

TEST_F(BuiltDemo, TagsResolveThroughLibraryFactoryAndCallback) {
  EXPECT_STREQ(Find<CControlUI>(L"pages")->GetClass(), L"TabLayoutUI");
  EXPECT_STREQ(Find<CControlUI>(L"note")->GetClass(), L"TextUI");
  EXPECT_STREQ(Find<CControlUI>(L"check_sound")->GetClass(), L"CheckBoxUI");
  // The callback built the lights page from a sub-folder; the tag's own attributes apply to it.
  EXPECT_EQ(callbackCalls, 3) << "LightsPage, ControlsPage and the unknown Gadget";
  CControlUI* lights = manager.FindControl(L"page_lights");
  ASSERT_NE(lights, nullptr);
  EXPECT_EQ(manager.FindSubControlByName(lights, L"LED_3"), manager.FindControl(L"led_3"));
  EXPECT_EQ(manager.FindSubControlByName(Find<CControlUI>(L"page_general"), L"led_3"), nullptr);
  // An unknown tag is skipped with everything inside it.
  EXPECT_EQ(manager.FindControl(L"unknown_tag"), nullptr);
  EXPECT_EQ(manager.FindControl(L"inside_unknown"), nullptr);
  EXPECT_EQ(Find<CTabLayoutUI>(L"pages")->GetCount(), 3);

  // A factory class, by its registered name or the short tag form.
  CControlUI* fancy = CControlFactory::GetInstance()->CreateControl(L"Fancy");
  ASSERT_NE(fancy, nullptr);
  EXPECT_STREQ(fancy->GetClass(), L"FancyUI");
  delete fancy;
  EXPECT_EQ(CControlFactory::GetInstance()->CreateControl(L"Nothing"), nullptr);
}

TEST_F(BuiltDemo, FindControlByNameAfterAddAndWithDuplicates) {
  EXPECT_EQ(manager.FindControl(L"CHECK_SOUND"), manager.FindControl(L"check_sound"));
  auto* row = Find<CContainerUI>(L"led_row");
  auto* added = new CButtonUI;
  added->SetName(L"led_added");
  ASSERT_TRUE(row->Add(added));
  EXPECT_EQ(manager.FindControl(L"led_added"), added);

  // A second control of an existing name, added later: the first in layout order is found,
  // and after it is removed, the other one.
  auto* duplicate = new CLabelUI;
  duplicate->SetName(L"heading");
  CControlUI* original = manager.FindControl(L"heading");
  Find<CContainerUI>(L"page_about")->Add(duplicate);
  EXPECT_EQ(manager.FindControl(L"heading"), original);
  auto* earlier = new CLabelUI;
  earlier->SetName(L"HEADING");
  Find<CContainerUI>(L"sidebar")->AddAt(earlier, 0);
  EXPECT_EQ(manager.FindControl(L"heading"), earlier);
  Find<CContainerUI>(L"sidebar")->Remove(earlier);
  EXPECT_EQ(manager.FindControl(L"heading"), original);

  // Renaming is seen at once.
  added->SetName(L"led_renamed");
  EXPECT_EQ(manager.FindControl(L"led_added"), nullptr);
  EXPECT_EQ(manager.FindControl(L"led_renamed"), added);
}

TEST_F(BuiltDemo, ResourceTextsResolveThroughQueryThenLanguageFile) {
  EXPECT_EQ(Find<CControlUI>(L"title")->GetText().str(), L"Demo window");
  EXPECT_EQ(Find<CControlUI>(L"note")->GetText().str(),
            L"Settings take effect at once. Visit the {a}home page{/a} for more.");

  struct Query : IQueryControlText {
    LPCTSTR QueryControlText(LPCTSTR id, LPCTSTR) override {
      return _wcsicmp(id, L"TitleText") == 0 ? L"From the program" : nullptr;
    }
  } query;
  CResourceManager::GetInstance()->SetTextQueryInterface(&query);
  auto* label = Find<CLabelUI>(L"heading");
  label->SetText(L"titletext");
  EXPECT_EQ(label->GetText().str(), L"From the program");
  label->SetText(L"check_sound");
  EXPECT_EQ(label->GetText().str(), L"Play sounds");
  label->SetText(L"no_such_id");
  EXPECT_EQ(label->GetText().str(), L"no_such_id");
  CResourceManager::GetInstance()->SetTextQueryInterface(nullptr);

  // The flag set after the text turns the text into an id, and back.
  auto* plain = new CLabelUI;
  Find<CContainerUI>(L"page_about")->Add(plain);
  plain->SetText(L"apply");
  EXPECT_EQ(plain->GetText().str(), L"apply");
  plain->SetResourceText(true);
  EXPECT_EQ(plain->GetText().str(), L"Apply");
  plain->SetResourceText(false);
  EXPECT_EQ(plain->GetText().str(), L"apply");
}

TEST_F(BuiltDemo, TabSelectionAndVisibilityOfPages) {
  auto* pages = Find<CTabLayoutUI>(L"pages");
  EXPECT_EQ(pages->GetCurSel(), 0);
  EXPECT_TRUE(Find<CControlUI>(L"check_sound")->IsVisible());
  EXPECT_FALSE(Find<CControlUI>(L"led_0")->IsVisible());
  EXPECT_TRUE(pages->SelectItem(1));
  EXPECT_EQ(pages->GetCurSel(), 1);
  EXPECT_FALSE(Find<CControlUI>(L"check_sound")->IsVisible());
  EXPECT_TRUE(Find<CControlUI>(L"led_0")->IsVisible());
  EXPECT_FALSE(pages->SelectItem(3));
  EXPECT_FALSE(pages->SelectItem(-1));
  EXPECT_EQ(pages->GetCurSel(), 1);
  // Removing a page before the shown one keeps the shown page.
  pages->RemoveAt(0);
  EXPECT_EQ(pages->GetCurSel(), 0);
  EXPECT_TRUE(Find<CControlUI>(L"led_0")->IsVisible());
  // Hiding a parent hides what is inside it.
  Find<CControlUI>(L"led_row")->SetVisible(false);
  EXPECT_FALSE(Find<CControlUI>(L"led_0")->IsVisible());
}

TEST(TrackedRecords, OnlyLibraryRecordsAreFreedOnce) {
  struct Record {
    int value;
  };
  Record* record = NewTrackedRecord<Record>(Record{7});
  EXPECT_TRUE(IsTrackedRecord(record));
  Record forged{7};
  EXPECT_FALSE(CPaintManagerUI::DeletePtr(&forged));
  EXPECT_FALSE(CPaintManagerUI::DeletePtr(nullptr));
  EXPECT_TRUE(CPaintManagerUI::DeletePtr(record));
  EXPECT_FALSE(IsTrackedRecord(record));
  EXPECT_FALSE(CPaintManagerUI::DeletePtr(record)) << "a second free is refused";
}

TEST_F(BuiltDemo, StylesApplyAtRunTimeAndUnknownNamesAreReportedOnce) {
  // Inside the window: the window's own style, exactly as the builder applies it.
  auto* option = new COptionUI;
  Find<CContainerUI>(L"page_about")->Add(option);
  option->SetAttribute(L"style", L"radio");
  EXPECT_EQ(option->GetFixedWidth(), 150);
  EXPECT_EQ(option->GetGroup().str(), L"modes");
  // Not in a window yet: the style of the window that declared it.
  CLabelUI label;
  label.SetAttribute(L"style", L"check");
  EXPECT_EQ(label.GetFixedHeight(), 24);
  EXPECT_EQ(label.GetTextPadding().left, 28);

  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  const std::wstring log = std::wstring(folder) + L"ui_unknown_attributes.log";
  DeleteFileW(log.c_str());
  // Names this run has not used: the report is once per name for the whole process.
  static int runs = 0;
  const std::wstring suffix = std::to_wstring(++runs);
  const std::wstring attribute = L"glowcolor" + suffix, style = L"no_such_style" + suffix;
  SetEnvironmentVariableW(L"KARVO_DEBUG_LOG", log.c_str());
  for (int i = 0; i < 3; ++i) {
    label.SetAttribute(attribute.c_str(), L"#FF00FF00");
    label.SetAttribute(L"style", style.c_str());
    option->SetAttribute(attribute.c_str(), L"#FF00FF00");
  }
  SetEnvironmentVariableW(L"KARVO_DEBUG_LOG", nullptr);
  std::string text;
  HANDLE file = CreateFileW(log.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0) text.append(buffer, got);
  CloseHandle(file);
  DeleteFileW(log.c_str());
  auto count = [&text](const std::string& word) {
    int n = 0;
    for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) ++n;
    return n;
  };
  EXPECT_EQ(count("glowcolor" + std::to_string(runs)), 1) << text;
  EXPECT_EQ(count("no_such_style" + std::to_string(runs)), 1) << text;
}
