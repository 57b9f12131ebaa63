#include <string>

#include "demo_window_fixture.h"


TEST_F(DemoWindowTest, LanguageSwitchRelabelsEverything) {
  SaveScreenshot(window->GetHWND(), L"ui_demo_en.png");
  window->Click(L"lang_de");
  EXPECT_EQ(CResourceManager::GetInstance()->GetLanguage().str(), L"de");
  EXPECT_EQ(window->Find<CControlUI>(L"title")->GetText().str(), L"Demofenster");
  EXPECT_EQ(window->Find<CControlUI>(L"check_sound")->GetText().str(), L"T\u00f6ne abspielen");
  EXPECT_EQ(window->Find<CControlUI>(L"tab_about")->GetText().str(), L"\u00dcber");
  EXPECT_EQ(window->Find<CControlUI>(L"lang_en")->GetText().str(), L"English") << "plain texts stay";
  // Texts of pages that are not shown change too.
  EXPECT_EQ(window->Find<CControlUI>(L"floating")->GetText().str(), L"Ein schwebendes Etikett");
  window->Find<CControlUI>(L"led_1")->SetChangerColor(0x0000FF);  // red
  window->Find<CControlUI>(L"led_2")->SetChangerColor(0xFF0000);  // green
  window->Find<CControlUI>(L"led_3")->SetChangerColor(0x00FF00);  // blue
  window->Find<CControlUI>(L"led_3")->SetChangerAlpha(128);
  window->Click(L"tab_lights");
  UpdateWindow(window->GetHWND());
  SaveScreenshot(window->GetHWND(), L"ui_demo_de_lights.png");
  window->Click(L"lang_en");
  EXPECT_EQ(window->Find<CControlUI>(L"title")->GetText().str(), L"Demo window");
}

TEST_F(DemoWindowTest, EscapeAndEnterDoNotCloseTheWindow) {
  window->Click(L"apply");  // a focused button
  for (WPARAM key : {VK_ESCAPE, VK_RETURN}) {
    window->PostMessage(WM_KEYDOWN, key, 1);
    window->PostMessage(WM_KEYUP, key, 0xC0000001);
  }
  PumpMessages();
  EXPECT_TRUE(IsWindow(window->GetHWND()));
  EXPECT_TRUE(IsWindowVisible(window->GetHWND()));
  EXPECT_EQ(window->LogOf(L"click").size(), 1u);
}

TEST_F(DemoWindowTest, CaptionDragsExceptOverButtons) {
  auto hitTest = [this](const wchar_t* name) {
    POINT pt = window->CentreOf(name);
    ClientToScreen(window->GetHWND(), &pt);
    return window->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y));
  };
  EXPECT_EQ(hitTest(L"title"), HTCAPTION);
  EXPECT_EQ(hitTest(L"closebtn"), HTCLIENT);
  EXPECT_EQ(hitTest(L"apply"), HTCLIENT) << "outside the caption";
}

TEST_F(DemoWindowTest, FramelessWithTheLayoutSizeAndRoundCorner) {
  RECT client, outer;
  GetClientRect(window->GetHWND(), &client);
  GetWindowRect(window->GetHWND(), &outer);
  EXPECT_EQ(client.right, 800);
  EXPECT_EQ(client.bottom, 572);
  EXPECT_EQ(outer.right - outer.left, 800);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_NE(GetWindowRgn(window->GetHWND(), region), ERROR);
  EXPECT_FALSE(PtInRegion(region, 0, 0)) << "the corner is cut";
  EXPECT_TRUE(PtInRegion(region, 400, 0));
  DeleteObject(region);
}

TEST_F(DemoWindowTest, ShowModalReturnsTheCloseCodeWhenTheWindowDeletesItself) {
  struct Case {
    const wchar_t* how;
    UINT expected;
  } cases[] = {{L"close 7", 7}, {L"system close", 0}, {L"close button", 3}};
  for (const Case& c : cases) {
    bool deleted = false;
    auto* dialog = new DemoWindow;
    dialog->deleteOnFinal = true;
    dialog->deletedFlag = &deleted;
    dialog->Create(window->GetHWND(), L"modal", WS_POPUP | WS_CLIPCHILDREN, WS_EX_TOOLWINDOW);
    dialog->CenterWindow();
    std::wstring how = c.how;
    if (how == L"close 7") dialog->Close(7);
    if (how == L"system close") dialog->PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    bool ownerDisabledInside = false;
    if (how == L"close button") {
      HWND owner = window->GetHWND();
      // The dialog closes itself from its own click handler; it must be laid out to be clicked.
      dialog->ShowWindow();
      UpdateWindow(dialog->GetHWND());
      dialog->onNotify = [dialog, owner, &ownerDisabledInside](TNotifyUI& msg) {
        if (msg.sType.Compare(L"click") != 0 || msg.pSender->GetName().Compare(L"closebtn") != 0) return;
        ownerDisabledInside = !IsWindowEnabled(owner);
        dialog->Close(3);
      };
      RECT rc = dialog->Find<CControlUI>(L"closebtn")->GetPos();
      POINT pt{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
      dialog->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
      dialog->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    }
    EXPECT_EQ(dialog->ShowModal(), c.expected) << how;
    EXPECT_TRUE(deleted) << how;
    EXPECT_TRUE(IsWindowEnabled(window->GetHWND())) << how;
    if (how == L"close button") {
      EXPECT_TRUE(ownerDisabledInside);
    }
  }
}

TEST_F(DemoWindowTest, DestroyedInsideItsOwnHandlerIsFinishedAfterTheDispatch) {
  bool deleted = false;
  auto* dialog = new DemoWindow;
  dialog->deleteOnFinal = true;
  dialog->deletedFlag = &deleted;
  dialog->Open();
  bool deletedInsideHandler = true;
  dialog->onNotify = [dialog, &deleted, &deletedInsideHandler](TNotifyUI& msg) {
    if (msg.sType.Compare(L"click") != 0) return;
    DestroyWindow(dialog->GetHWND());
    deletedInsideHandler = deleted;
  };
  dialog->Click(L"apply");
  EXPECT_FALSE(deletedInsideHandler) << "the object lives until its dispatch returns";
  EXPECT_TRUE(deleted);
}

TEST_F(DemoWindowTest, PaintsEachControlWhereItIsLaidOut) {
  RedrawWindow(window->GetHWND(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  HDC dc = GetDC(window->GetHWND());
  auto brightness = [dc](int x, int y) {
    COLORREF c = GetPixel(dc, x, y);
    return (GetRValue(c) + GetGValue(c) + GetBValue(c)) / 3;
  };
  // The light page ends at the bottom edge; the caption above it shows the dark background.
  EXPECT_GT(brightness(400, 566), 200);
  EXPECT_GT(brightness(400, 45), 200);
  EXPECT_LT(brightness(400, 20), 120);
  ReleaseDC(window->GetHWND(), dc);
}
