// Modal windows built from layouts, the pop-up menu with its command record, the tray icon and
// the ActiveX stand-in.
#include <windows.h>

#include <shellapi.h>

#include <map>
#include <string>

#include "demo_window_fixture.h"

namespace {

TEST_F(DemoWindowTest, ModalQuestionReturnsItsButtonsCode) {
  struct Case {
    const wchar_t* how;
    UINT expected;
  } cases[] = {{L"confirm_btn", 1}, {L"cancel_btn", 0}, {L"closebtn", 0}, {L"system close", 0}};
  HWND owner = window->GetHWND();
  for (const Case& c : cases) {
    bool ownerDisabled = false;
    UINT result = QuestionWindow::Ask(owner, [&](QuestionWindow& question) {
      ownerDisabled = !IsWindowEnabled(owner);
      if (std::wstring(c.how) == L"system close") question.PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
      else question.Click(c.how);
    });
    EXPECT_EQ(result, c.expected) << c.how;
    EXPECT_TRUE(ownerDisabled) << c.how;
    EXPECT_TRUE(IsWindowEnabled(owner)) << c.how;
  }
}

// The menu's owner is the demo window; it collects the menu commands as the panel's window would.
struct MenuCommands {
  std::vector<MenuCommandRecord> records;
  int refused = 0;
};

class MenuTest : public DemoWindowTest {
 protected:
  void SetUp() override {
    DemoWindowTest::SetUp();
    window->onMessage = [this](UINT msg, WPARAM wParam, LPARAM) {
      if (msg != UI_WM_MENUCOMMAND) return;
      auto* record = reinterpret_cast<MenuCommandRecord*>(wParam);
      commands.records.push_back(*record);
      if (!CPaintManagerUI::DeletePtr(record)) ++commands.refused;
    };
  }

  MenuCommands commands;

  void ClickItem(CMenuWnd& menu, const wchar_t* name) {
    CControlUI* item = menu.GetMenuUI()->GetManager()->FindControl(name);
    ASSERT_NE(item, nullptr);
    RECT rc = item->GetPos();
    POINT pt{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    HWND window = menu.GetHWND();
    PostMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
  }

};

TEST_F(MenuTest, ChosenItemPostsOneRecordThatTheReceiverFrees) {
  CMenuWnd menu;
  std::map<std::wstring, bool> checks{{L"lan_de", true}};
  menu.Init(nullptr, L"menu.xml", POINT{600, 500}, &window->Manager(), &checks, eMenuAlignment_Left | eMenuAlignment_Top);
  ASSERT_NE(menu.GetMenuUI(), nullptr);
  auto* exitItem = new CMenuElementUI;
  exitItem->SetName(L"exit");
  exitItem->SetText(L"Close");
  exitItem->SetFixedHeight(28);
  menu.GetMenuUI()->AddAt(exitItem, 0);
  menu.ResizeMenu();
  RECT rc;
  GetWindowRect(menu.GetHWND(), &rc);
  EXPECT_EQ(rc.right, 600) << "left of the point";
  EXPECT_EQ(rc.bottom, 500) << "above the point";
  EXPECT_EQ(rc.bottom - rc.top, 4 * 28 + 2);
  UpdateWindow(menu.GetHWND());

  ClickItem(menu, L"lan_de");
  PumpMessages();
  ASSERT_EQ(commands.records.size(), 1u);
  EXPECT_EQ(commands.refused, 0);
  EXPECT_STREQ(commands.records[0].name, L"lan_de");
  EXPECT_STREQ(commands.records[0].userData, L"de");
  EXPECT_STREQ(commands.records[0].text, L"Deutsch");
  EXPECT_TRUE(commands.records[0].checked);
  EXPECT_FALSE(IsWindow(menu.GetHWND())) << "a choice closes the menu";
}

TEST(MenuCommandRecords, OnlyRecordsOfTheLibraryAreFreedAndOnlyOnce) {
  auto* record = NewTrackedRecord<MenuCommandRecord>();
  MenuCommandRecord forged{};
  EXPECT_FALSE(CPaintManagerUI::DeletePtr(&forged));
  EXPECT_FALSE(CPaintManagerUI::DeletePtr(reinterpret_cast<char*>(record) + 4)) << "inside a record";
  EXPECT_FALSE(CPaintManagerUI::DeletePtr(nullptr));
  EXPECT_TRUE(CPaintManagerUI::DeletePtr(record));
  EXPECT_FALSE(CPaintManagerUI::DeletePtr(record)) << "a second time";
}

TEST_F(MenuTest, MenuClosesWhenItLosesTheActivationAndOnDestroyMenu) {
  CMenuWnd first;
  first.Init(nullptr, L"menu.xml", POINT{300, 300}, &window->Manager());
  PumpMessages();
  ASSERT_TRUE(IsWindow(first.GetHWND()));
  SetActiveWindow(window->GetHWND());
  PumpMessages(500);
  EXPECT_FALSE(IsWindow(first.GetHWND())) << "another window took the activation";
  EXPECT_TRUE(commands.records.empty());

  auto* second = new CMenuWnd;
  second->Init(nullptr, L"menu.xml", POINT{300, 300}, &window->Manager());
  HWND secondWindow = second->GetHWND();
  CMenuWnd::DestroyMenu();
  EXPECT_FALSE(IsWindow(secondWindow));
  delete second;  // the caller owns the object after its window is gone

  auto* third = new CMenuWnd;
  third->Init(nullptr, L"menu.xml", POINT{300, 300}, &window->Manager());
  HWND thirdWindow = third->GetHWND();
  delete third;  // an open menu closes with its object
  EXPECT_FALSE(IsWindow(thirdWindow));
}

TEST_F(DemoWindowTest, TrayIconUsesTheLibraryMessageAndComesBackWithANewTaskbar) {
  CTrayIcon tray;
  ASSERT_TRUE(tray.CreateTrayIcon(window->GetHWND(), 107, L"Demo", 0));
  EXPECT_EQ(tray.GetMessage(), 0x401u);
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = window->GetHWND();
  data.uID = 1;
  // The shell forgets the icon (it restarted) and announces its new taskbar.
  ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &data));
  window->SendMessage(RegisterWindowMessageW(L"TaskbarCreated"));
  EXPECT_TRUE(Shell_NotifyIconW(NIM_MODIFY, &data)) << "added again";
  tray.DeleteTrayIcon();
  EXPECT_FALSE(tray.IsShown());
  window->SendMessage(RegisterWindowMessageW(L"TaskbarCreated"));
  EXPECT_FALSE(Shell_NotifyIconW(NIM_MODIFY, &data)) << "a deleted icon stays away";
}

TEST_F(DemoWindowTest, ActiveXControlIsNeverAvailable) {
  auto* activeX = window->Find<CActiveXUI>(L"ani_flash");
  ASSERT_NE(activeX, nullptr);
  void* object = reinterpret_cast<void*>(1);
  EXPECT_FALSE(activeX->GetControl(IID_IUnknown, &object));
  EXPECT_EQ(object, nullptr);
}

}  // namespace
