#include "vcl.h"

#include <shellapi.h>

#include <vector>

TApplication* Application = nullptr;

namespace {

const wchar_t kFormClass[] = L"TForm";

std::vector<std::wstring> CommandLineArguments() {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> list;
  for (int i = 0; i < count; ++i) list.push_back(arguments[i]);
  LocalFree(arguments);
  return list;
}

}  // namespace

void TForm::RegisterFormClass() {
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = StaticWindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kFormClass;
  RegisterClassW(&windowClass);  // a second registration fails harmlessly
}

int ParamCount() { return static_cast<int>(CommandLineArguments().size()) - 1; }

std::wstring ParamStr(int index) {
  if (index == 0) return Application ? Application->ExeName() : CommandLineArguments()[0];
  const std::vector<std::wstring> arguments = CommandLineArguments();
  return index > 0 && index < static_cast<int>(arguments.size()) ? arguments[index]
                                                                 : std::wstring();
}

TForm::TForm(TComponent* owner, std::wstring caption)
    : TComponent(owner), caption_(std::move(caption)) {}

TForm::~TForm() {
  if (handle_) {
    SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
    DestroyWindow(handle_);
  }
}

HWND TForm::Handle() {
  if (handle_) return handle_;
  RegisterFormClass();
  // Never shown: a captioned window with a system menu, so that its Close item can be enabled.
  if (!CreateWindowExW(0, kFormClass, caption_.c_str(), WS_CAPTION | WS_SYSMENU, 0, 0, 0, 0,
                       nullptr, nullptr, GetModuleHandleW(nullptr), this))
    throw Exception(L"Error creating window");
  return handle_;
}

LRESULT CALLBACK TForm::StaticWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* created = static_cast<TForm*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    created->handle_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* form = reinterpret_cast<TForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!form) return DefWindowProcW(window, msg, wParam, lParam);
  TMessage message = {msg, wParam, lParam, 0};
  form->WndProc(message);
  return message.Result;
}

void TForm::WndProc(TMessage& message) {
  if (message.Msg == WM_CLOSE && Application && Application->MainForm == this) {
    PostQuitMessage(0);
    message.Result = 0;
    return;
  }
  message.Result = DefWindowProcW(handle_, message.Msg, message.WParam, message.LParam);
}

TApplication::~TApplication() { delete MainForm; }

void TApplication::AdoptForm(TForm* form) {
  if (form->OnCreate) form->OnCreate(form);
  form->Handle();
  if (!MainForm) MainForm = form;
}

void TApplication::Run() {
  if (MainForm && ShowMainForm) ShowWindow(MainForm->Handle(), SW_SHOW);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void TApplication::ShowException(const Exception& error) {
  MessageBoxW(MainForm && MainForm->HandleAllocated() ? MainForm->Handle() : nullptr,
              error.Message.c_str(), Title.c_str(), MB_OK | MB_ICONSTOP);
}

std::wstring TApplication::ExeName() const {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}
