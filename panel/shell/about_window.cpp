#include "about_window.h"

#include <shellapi.h>

namespace {
const wchar_t* const kMakerWebPage = L"https://www.karvo.example/";
constexpr UINT kResultClosed = 2;
}  // namespace

void Ccopyright::Notify(TNotifyUI& msg) {
  if (msg.sType != L"click" || !msg.pSender) return;
  const CDuiString name = msg.pSender->GetName();
  if (name == L"closebtn") Close(kResultClosed);
  else if (name == L"NetText") ShellExecuteW(nullptr, L"open", kMakerWebPage, nullptr, nullptr, SW_SHOWNORMAL);
}
