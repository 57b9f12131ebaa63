#include "demo_window.h"

#include <objidl.h>
#include <gdiplus.h>

#include <cstdlib>

void UseDemoSkin() {
  CPaintManagerUI::SetInstance(GetModuleHandleW(nullptr));
  CPaintManagerUI::SetResourceType(1);
  CPaintManagerUI::SetResourcePath((CPaintManagerUI::GetInstancePath() + L"ui_demo\\").GetData());
  CResourceManager* resources = CResourceManager::GetInstance();
  resources->LoadResource(L"res.xml");
  resources->SetLanguage(L"en");
  resources->LoadLanguage(L"lan_en.xml");
}

void SaveScreenshot(HWND window, const std::wstring& name) {
  RECT rc;
  GetClientRect(window, &rc);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rc), 2);
  SaveScreenArea(rc, name);
}

void SaveScreenArea(const RECT& area, const std::wstring& name) {
  const wchar_t* folder = _wgetenv(L"UI_SCREENSHOT_DIR");
  if (!folder || !*folder) return;
  // Wine copies what windows drew to the screen every few tens of milliseconds, while messages
  // are read.
  for (DWORD start = GetTickCount(); GetTickCount() - start < 120;) {
    PumpMessages(20);
    Sleep(10);
  }
  int width = area.right - area.left, height = area.bottom - area.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  SelectObject(memory, previous);
  {
    Gdiplus::Bitmap image(bitmap, nullptr);
    CLSID png;
    CLSIDFromString(L"{557CF406-1A04-11D3-9A73-0000F81EF32E}", &png);
    image.Save((std::wstring(folder) + L"\\" + name).c_str(), &png, nullptr);
  }
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

void PumpMessages(DWORD atMostMs) {
  DWORD start = GetTickCount();
  MSG msg;
  int idleRounds = 0;
  while (GetTickCount() - start < atMostMs && idleRounds < 3) {
    if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      idleRounds = 0;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    } else {
      ++idleRounds;
      Sleep(1);
    }
  }
}

DibCanvas::DibCanvas(int width, int height) : width_(width), height_(height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bits_ = static_cast<uint32_t*>(bits);
  dc_ = CreateCompatibleDC(nullptr);
  previous_ = SelectObject(dc_, bitmap_);
  RECT rc{0, 0, width, height};
  FillRect(dc_, &rc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

DibCanvas::~DibCanvas() {
  SelectObject(dc_, previous_);
  DeleteDC(dc_);
  DeleteObject(bitmap_);
}

std::vector<uint32_t> DibCanvas::Pixels() {
  GdiFlush();
  return std::vector<uint32_t>(bits_, bits_ + width_ * height_);
}

void DemoWindow::Open() {
  Create(nullptr, L"UI demo", WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0, 0, 800, 572);
  UpdateWindow(m_hWnd);
  PumpMessages();
}

std::vector<DemoWindow::Record> DemoWindow::Log() const {
  std::lock_guard<std::mutex> lock(logMutex_);
  return log_;
}

void DemoWindow::ClearLog() {
  std::lock_guard<std::mutex> lock(logMutex_);
  log_.clear();
}

std::vector<std::wstring> DemoWindow::LogOf(const std::wstring& type) const {
  std::vector<std::wstring> senders;
  for (const Record& record : Log())
    if (record.type == type) senders.push_back(record.sender);
  return senders;
}

void DemoWindow::AddMark(const std::wstring& text) {
  std::lock_guard<std::mutex> lock(logMutex_);
  log_.push_back(Record{L"mark", text, GetCurrentThreadId(), false});
}

POINT DemoWindow::CentreOf(const wchar_t* name) {
  CControlUI* control = m_pm.FindControl(name);
  RECT rc = control ? control->GetPos() : RECT{};
  return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

void DemoWindow::ClickAt(POINT pt) {
  MoveTo(pt);
  PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
  PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
  PumpMessages();
}

// The real cursor goes there too, so that the window's leave tracking agrees with the messages.
void DemoWindow::MoveTo(POINT pt) {
  POINT screen = pt;
  ClientToScreen(m_hWnd, &screen);
  SetCursorPos(screen.x, screen.y);
  PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
  PumpMessages();
}

CControlUI* DemoWindow::CreateControl(LPCTSTR tag) {
  if (std::wstring(tag) == L"LightsPage") return CDialogBuilder().Create(L"XML_LIGHTS", nullptr, &m_pm);
  if (std::wstring(tag) == L"ControlsPage") return CDialogBuilder().Create(L"XML_CONTROLS", nullptr, &m_pm);
  return nullptr;
}

void DemoWindow::Notify(TNotifyUI& msg) {
  auto* option = dynamic_cast<COptionUI*>(msg.pSender);
  {
    std::lock_guard<std::mutex> lock(logMutex_);
    log_.push_back(Record{msg.sType.str(), msg.pSender ? msg.pSender->GetName().str() : L"",
                          GetCurrentThreadId(), option && option->IsSelected()});
  }
  if (onNotify) onNotify(msg);
  // The page logic of a program: tabs switch pages, language options switch texts.
  if (msg.sType == CDuiString(UI_NOTIFY_SELECTCHANGED) && msg.pSender) {
    const CDuiString name = msg.pSender->GetName();
    static const wchar_t* const kTabs[] = {L"tab_general", L"tab_lights", L"tab_about", L"tab_controls"};
    for (int page = 0; page < 4; ++page)
      if (name.CompareNoCase(kTabs[page]) == 0) Find<CTabLayoutUI>(L"pages")->SelectItem(page);
    bool english = name.CompareNoCase(L"lang_en") == 0, german = name.CompareNoCase(L"lang_de") == 0;
    if (english || german) {
      CResourceManager::GetInstance()->SetLanguage(english ? L"en" : L"de");
      CResourceManager::GetInstance()->LoadLanguage(english ? L"lan_en.xml" : L"lan_de.xml");
      CResourceManager::GetInstance()->ReloadText();
    }
  }
  WindowImplBase::Notify(msg);
}

LRESULT DemoWindow::HandleCustomMessage(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled) {
  if (onMessage) onMessage(msg, wParam, lParam);
  handled = FALSE;
  return 0;
}

void DemoWindow::OnFinalMessage(HWND window) {
  WindowImplBase::OnFinalMessage(window);
  if (!deleteOnFinal) return;
  if (deletedFlag) *deletedFlag = true;
  delete this;
}

UINT QuestionWindow::Ask(HWND owner, const std::function<void(QuestionWindow&)>& whileShown) {
  auto* question = new QuestionWindow;
  question->Create(owner, L"question", WS_POPUP | WS_CLIPCHILDREN, WS_EX_TOOLWINDOW);
  question->CenterWindow();
  question->whileShown_ = whileShown;
  question->PostMessage(kRunScript);
  return question->ShowModal();
}

POINT QuestionWindow::CentreOf(const wchar_t* name) {
  CControlUI* control = m_pm.FindControl(name);
  RECT rc = control ? control->GetPos() : RECT{};
  return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

void QuestionWindow::Click(const wchar_t* name) {
  POINT pt = CentreOf(name);
  PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
  PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
  PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
}

void QuestionWindow::OnClick(TNotifyUI& msg) {
  const CDuiString name = msg.pSender->GetName();
  if (name.CompareNoCase(L"confirm_btn") == 0) Close(1);
  else if (name.CompareNoCase(L"cancel_btn") == 0 || name.CompareNoCase(L"closebtn") == 0) Close(0);
}

LRESULT QuestionWindow::HandleCustomMessage(UINT msg, WPARAM, LPARAM, BOOL& handled) {
  handled = msg == kRunScript;
  if (!handled || !whileShown_) return 0;
  UpdateWindow(m_hWnd);  // laid out, so that controls can be clicked where they are
  whileShown_(*this);
  return 0;
}

void QuestionWindow::OnFinalMessage(HWND window) {
  WindowImplBase::OnFinalMessage(window);
  delete this;
}
