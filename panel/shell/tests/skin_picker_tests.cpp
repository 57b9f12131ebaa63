// The skin picker under the caption's skin button: image and colour choices, the reset, the own
// image chosen in a file dialog, and what the next start shows.
#include <gtest/gtest.h>

#include "file_dialogs.h"
#include "panel_settings.h"
#include "panel_window_fixture.h"
#include "skin_frame.h"

namespace {

class SkinPickerTest : public PanelWindowTest {
 protected:
  void TearDown() override {
    AnswerFileDialogsWith(nullptr);
    if (HWND picker = FindWindowW(L"UISkinFrame", nullptr)) DestroyWindow(picker);
    PanelWindowTest::TearDown();
  }
  // Shows the window and clicks its skin button; the picker that opened.
  CSkinFrame& OpenPicker() {
    ShowWindow(window->GetHWND(), SW_SHOW);
    PumpFor(100);
    NotifyClick(Find(L"skinbtn"));
    picker = FindWindowW(L"UISkinFrame", nullptr);
    EXPECT_NE(picker, nullptr);
    return *dynamic_cast<CSkinFrame*>(reinterpret_cast<CWindowWnd*>(GetWindowLongPtrW(picker, GWLP_USERDATA)));
  }
  CControlUI* Root() { return Find(L"root"); }

  HWND picker = nullptr;
};

TEST_F(SkinPickerTest, OpensRightAlignedUnderTheSkinButton) {
  OpenWindow();
  OpenPicker();
  RECT button = Find(L"skinbtn")->GetPos();
  MapWindowPoints(window->GetHWND(), nullptr, reinterpret_cast<POINT*>(&button), 2);
  RECT shown;
  GetWindowRect(picker, &shown);
  EXPECT_EQ(shown.right, button.right);
  EXPECT_EQ(shown.top, button.bottom);
  EXPECT_TRUE(IsWindowVisible(picker));
}

TEST_F(SkinPickerTest, ClickingOutsideClosesIt) {
  OpenWindow();
  OpenPicker();
  SetFocus(window->GetHWND());
  EXPECT_TRUE(PumpUntil([this] { return !IsWindow(picker); }, 2000));
}

TEST_F(SkinPickerTest, AnImageChoiceIsShownAndRestoredAtTheNextStartButAColourIsNot) {
  OpenWindow();
  CSkinFrame& frame = OpenPicker();
  NotifyClick(frame.FindControl(L"skin_image_btn"));
  EXPECT_EQ(Root()->GetBkImage(), L"skins/skin_blue.png");
  EXPECT_EQ(Root()->GetBkColor(), 0u);
  EXPECT_EQ(ReadSkinImageText(iniPath, L"FLAGS"), L"1");
  EXPECT_EQ(ReadSkinImageText(iniPath, L"IMAGE"), L"skins/skin_blue.png");

  NotifyClick(frame.FindControl(L"skin_color"));
  EXPECT_EQ(static_cast<CTabLayoutUI*>(frame.FindControl(L"skin_tab"))->GetCurSel(), 1);
  CControlUI* colour = frame.FindControl(L"skin_color_btn");
  NotifyClick(colour);
  EXPECT_EQ(Root()->GetBkColor(), colour->GetBkColor());
  EXPECT_EQ(Root()->GetBkImage(), L"");
  EXPECT_EQ(ReadSkinImageText(iniPath, L"IMAGE"), L"skins/skin_blue.png") << "colours are not stored";

  DestroyWindow(picker);
  RestartWindow();
  EXPECT_EQ(Root()->GetBkImage(), L"skins/skin_blue.png");
  EXPECT_EQ(Root()->GetBkColor(), 0u);
}

TEST_F(SkinPickerTest, ResetShowsTheDefaultBackgroundAndTheNextStartTheLayoutsOwn) {
  OpenWindow();
  const DWORD layoutColour = Root()->GetBkColor();
  NotifyClick(OpenPicker().FindControl(L"skin_reset"));
  EXPECT_EQ(Root()->GetBkImage(), L"common/background.png");
  EXPECT_EQ(ReadSkinImageText(iniPath, L"FLAGS"), L"0");
  EXPECT_EQ(ReadSkinImageText(iniPath, L"IMAGE"), L"common/background.png");
  DestroyWindow(picker);
  RestartWindow();
  EXPECT_EQ(Root()->GetBkImage(), L"");
  EXPECT_EQ(Root()->GetBkColor(), layoutColour);
}

// The dialog runs once the picker has closed, not inside the picker's click.
TEST_F(SkinPickerTest, OwnImageIsChosenAfterThePickerClosedAndLastsForThisRunOnly) {
  OpenWindow();
  bool pickerOpenDuringDialog = true;
  FileDialogRequest asked{};
  std::wstring answer = L"C:\\pictures\\mine.png";
  AnswerFileDialogsWith([&](const FileDialogRequest& request) {
    pickerOpenDuringDialog = IsWindow(picker) != FALSE;
    asked = request;
    return answer;
  });
  NotifyClick(OpenPicker().FindControl(L"skin_Custom"));
  ASSERT_TRUE(PumpUntil([&] { return Root()->GetBkImage() == L"C:\\pictures\\mine.png"; }, 2000));
  EXPECT_FALSE(pickerOpenDuringDialog);
  EXPECT_TRUE(asked.open);
  EXPECT_EQ(asked.owner, window->GetHWND());
  EXPECT_EQ(asked.defaultExtension, L"png");
  EXPECT_EQ(asked.fileName, L"*.png");
  EXPECT_EQ(asked.filter, L"(*.png) | *.png |(*.*)|*.*||");
  EXPECT_FALSE(HasSkinImageValue(iniPath, L"IMAGE"));

  answer.clear();  // cancelled: nothing changes
  NotifyClick(OpenPicker().FindControl(L"skin_Custom"));
  PumpFor(300);
  EXPECT_EQ(Root()->GetBkImage(), L"C:\\pictures\\mine.png");
}

}  // namespace
