#pragma once
#include <windows.h>

#include <functional>
#include <string>

// The application and form classes the setup program is written against: command-line access, an
// application object with a message loop, an exception with a message, and a form whose hidden
// window is created on first use of its Handle.

// Number of command-line arguments, the program path not counted.
int ParamCount();
// Argument i; 0 is the program path. Empty when out of range.
std::wstring ParamStr(int index);

class Exception {
 public:
  explicit Exception(std::wstring message) : Message(std::move(message)) {}
  std::wstring Message;
};

struct TMessage {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  LRESULT Result;
};

class TObject {
 public:
  virtual ~TObject() = default;
};

class TComponent : public TObject {
 public:
  explicit TComponent(TComponent* owner) : Owner(owner) {}
  TComponent* Owner;
};

class TForm : public TComponent {
 public:
  explicit TForm(TComponent* owner, std::wstring caption);
  ~TForm() override;
  TForm(const TForm&) = delete;
  TForm& operator=(const TForm&) = delete;

  // The form's window, created hidden on first use; throws Exception when it cannot be created.
  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }

  std::function<void(TObject* sender)> OnCreate;

 protected:
  // Every message of the window passes here; the base handles closing and the rest by default.
  virtual void WndProc(TMessage& message);

 private:
  static void RegisterFormClass();
  static LRESULT CALLBACK StaticWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  std::wstring caption_;
  HWND handle_ = nullptr;
};

class TApplication : public TComponent {
 public:
  TApplication() : TComponent(nullptr) {}
  ~TApplication() override;

  void Initialize() {}
  // Constructs the form, raises its OnCreate, creates its window and makes it the main form when
  // there is none yet.
  template <typename Form>
  void CreateForm(Form*& reference) {
    reference = new Form(this);
    AdoptForm(reference);
  }
  // The message loop; ends on WM_QUIT or when the main form is closed.
  void Run();
  void ShowException(const Exception& error);
  std::wstring ExeName() const;

  bool MainFormOnTaskBar = false;
  bool ShowMainForm = true;
  std::wstring Title;
  TForm* MainForm = nullptr;

 private:
  void AdoptForm(TForm* form);
};

extern TApplication* Application;
