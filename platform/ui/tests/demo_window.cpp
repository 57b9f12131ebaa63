#include "demo_window.h"

void UseDemoSkin() {
  CPaintManagerUI::SetInstance(GetModuleHandleW(nullptr));
  CPaintManagerUI::SetResourceType(1);
  CPaintManagerUI::SetResourcePath((CPaintManagerUI::GetInstancePath() + L"ui_demo\\").GetData());
  CResourceManager* resources = CResourceManager::GetInstance();
  resources->LoadResource(L"res.xml");
  resources->SetLanguage(L"en");
  resources->LoadLanguage(L"lan_en.xml");
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
    static const wchar_t* const kTabs[] = {L"tab_general", L"tab_lights", L"tab_about"};
    for (int page = 0; page < 3; ++page)
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

void DemoWindow::OnFinalMessage(HWND window) {
  WindowImplBase::OnFinalMessage(window);
  if (!deleteOnFinal) return;
  if (deletedFlag) *deletedFlag = true;
  delete this;
}
