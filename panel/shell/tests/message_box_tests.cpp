// The skinned message box, answered through the box's own window as a user would.
#include <gtest/gtest.h>

#include <string>

#include "panel_window_fixture.h"

namespace {

class MessageBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetUpPanelUi();
    // The texts the main window loads at start; no window of this test loads them.
    CResourceManager::GetInstance()->SetLanguage(L"en");
    CResourceManager::GetInstance()->LoadLanguage(L"lan_en.xml");
  }
  void TearDown() override { WatchMessageBoxesWith(nullptr); }
};

// How the box is closed, and the answer that gives.
struct Answer {
  const char* how;
  std::function<void(CMsgWnd&)> act;
  UINT result;
};

TEST_F(MessageBoxTest, ConfirmGivesOneAndEveryOtherWayOfClosingGivesZero) {
  const Answer answers[] = {
      {"confirm", [](CMsgWnd& box) { ClickWhenShown(box, L"confirm_btn"); }, 1},
      {"cancel", [](CMsgWnd& box) { ClickWhenShown(box, L"cancel_btn"); }, 0},
      {"close button", [](CMsgWnd& box) { ClickWhenShown(box, L"closebtn"); }, 0},
      {"system menu", [](CMsgWnd& box) { box.PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0); }, 0},
  };
  for (const Answer& answer : answers) {
    WatchMessageBoxesWith(answer.act);
    EXPECT_EQ(ShowMessageBox(nullptr, nullptr, L"message_text_12", true), answer.result) << answer.how;
  }
}

TEST_F(MessageBoxTest, ShowsTheResolvedTextAndKeepsTheLayoutTitleWhenNoneIsGiven) {
  std::wstring title, text;
  WatchMessageBoxesWith([&](CMsgWnd& box) {
    title = box.FindControl(L"MessageTitle")->GetText().str();
    text = box.FindControl(L"MessageText")->GetText().str();
    box.Close(0);
  });
  ShowMessageBox(nullptr, nullptr, L"message_text_1", true);
  EXPECT_EQ(title, L"Notice");
  EXPECT_EQ(text, L"No device is connected. Please connect a device and try again.");

  ShowMessageBox(nullptr, L"Registration", L"message_text_1", false);
  EXPECT_EQ(title, L"Registration");
  EXPECT_EQ(text, L"message_text_1") << "plain text is shown as it is";
}

TEST_F(MessageBoxTest, AutoClosingBoxClosesItselfAfterHalfASecond) {
  WatchMessageBoxesWith(nullptr);
  const DWORD start = GetTickCount();
  ShowMessageBoxAutoClose(true, nullptr, nullptr, L"message_text_20", true);
  const DWORD elapsed = GetTickCount() - start;
  EXPECT_GE(elapsed, 400u);
  EXPECT_LT(elapsed, 3000u);
}

HWND boxToCloseLater = nullptr;
void CALLBACK CloseBoxLater(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  PostMessageW(boxToCloseLater, WM_CLOSE, 0, 0);
}

TEST_F(MessageBoxTest, BoxWithoutAutoCloseWaitsForTheUser) {
  WatchMessageBoxesWith([](CMsgWnd& box) {
    boxToCloseLater = box.GetHWND();
    SetTimer(nullptr, 0, 1200, CloseBoxLater);
  });
  const DWORD start = GetTickCount();
  ShowMessageBoxAutoClose(false, nullptr, nullptr, L"message_text_20", true);
  EXPECT_GE(GetTickCount() - start, 1100u) << "it stayed open until closed";
}

}  // namespace
