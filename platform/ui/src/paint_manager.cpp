#include "ui/paint_manager.h"

#include <algorithm>
#include <mutex>

#include "image_store.h"
#include "model_lock.h"
#include "removed_controls.h"
#include "surfaces.h"
#include "ui/tracked_allocations.h"

namespace {

struct ProcessSettings {
  std::mutex mutex;
  HINSTANCE instance = nullptr;
  int resourceType = 1;
  std::wstring resourcePath;
  std::vector<CPaintManagerUI*> managers;  // every initialised paint manager
  DWORD removedControlGrace = 2000;
  // Every style any layout declared (the last declaration of a name wins), for controls that get
  // a style before they are in a window.
  std::map<std::wstring, StyleAttributes> styles;
};

ProcessSettings& Settings() {
  static auto* settings = new ProcessSettings;
  return *settings;
}

}  // namespace

CPaintManagerUI::CPaintManagerUI() = default;

CPaintManagerUI::~CPaintManagerUI() {
  {
    ProcessSettings& settings = Settings();
    std::lock_guard<std::mutex> lock(settings.mutex);
    settings.managers.erase(std::remove(settings.managers.begin(), settings.managers.end(), this),
                            settings.managers.end());
  }
  DestroyRemovedControls();
  if (toolTipWindow_ && IsWindow(toolTipWindow_)) DestroyWindow(toolTipWindow_);
  ModelLock lock;
  delete root_;
  root_ = nullptr;
  ReleaseBackBuffer();
  for (auto& entry : fonts_) DeleteObject(entry.second.font);
}

void CPaintManagerUI::SetInstance(HINSTANCE instance) {
  {
    std::lock_guard<std::mutex> lock(Settings().mutex);
    Settings().instance = instance;
  }
  EnsureGdiplusStarted();
}

HINSTANCE CPaintManagerUI::GetInstance() {
  std::lock_guard<std::mutex> lock(Settings().mutex);
  return Settings().instance;
}

CDuiString CPaintManagerUI::GetInstancePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(GetInstance(), &path[0], static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return path.substr(0, path.find_last_of(L'\\') + 1);
}

void CPaintManagerUI::SetResourceType(int type) {
  std::lock_guard<std::mutex> lock(Settings().mutex);
  Settings().resourceType = type;
}

int CPaintManagerUI::GetResourceType() {
  std::lock_guard<std::mutex> lock(Settings().mutex);
  return Settings().resourceType;
}

void CPaintManagerUI::SetResourcePath(LPCTSTR path) {
  std::wstring folder = path ? path : L"";
  if (!folder.empty() && folder.back() != L'\\' && folder.back() != L'/') folder += L'\\';
  {
    std::lock_guard<std::mutex> lock(Settings().mutex);
    Settings().resourcePath = folder;
  }
  ForgetDrawnImages();
}

CDuiString CPaintManagerUI::GetResourcePath() {
  std::lock_guard<std::mutex> lock(Settings().mutex);
  return Settings().resourcePath;
}

void CPaintManagerUI::MessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

bool CPaintManagerUI::DeletePtr(void* pointer) { return FreeTrackedRecord(pointer); }

void CPaintManagerUI::SetRemovedControlGrace(DWORD milliseconds) {
  std::lock_guard<std::mutex> lock(Settings().mutex);
  Settings().removedControlGrace = milliseconds;
}

DWORD CPaintManagerUI::GetRemovedControlGrace() {
  std::lock_guard<std::mutex> lock(Settings().mutex);
  return Settings().removedControlGrace;
}

void CPaintManagerUI::ReloadAllResourceTexts() {
  std::vector<CPaintManagerUI*> managers;
  {
    std::lock_guard<std::mutex> lock(Settings().mutex);
    managers = Settings().managers;
  }
  for (CPaintManagerUI* manager : managers) {
    for (CControlUI* control : manager->ResourceTextControls()) control->ReloadResourceText();
    manager->NeedUpdate();
  }
}

std::vector<CControlUI*> CPaintManagerUI::ResourceTextControls() const {
  ModelLock lock;
  std::vector<CControlUI*> controls;
  if (root_)
    root_->FindInTree([&controls](CControlUI* control) {
      if (control->resourceText_) controls.push_back(control);
      return false;
    });
  return controls;
}

void CPaintManagerUI::Init(HWND window) {
  EnsureGdiplusStarted();
  {
    ModelLock lock;
    window_ = window;
    wholeInvalid_ = false;
  }
  std::lock_guard<std::mutex> lock(Settings().mutex);
  Settings().managers.push_back(this);
}

// A replaced root goes the way of every removed control.
bool CPaintManagerUI::AttachDialog(CControlUI* root) {
  if (!root) return false;
  {
    ModelLock lock;
    CControlUI* previous = root_ != root ? root_ : nullptr;
    root_ = root;
    root_->SetManager(this, nullptr, true);
    if (previous) DiscardControl(previous);
    nameIndexValid_ = false;
  }
  NeedUpdate();
  return true;
}

CControlUI* CPaintManagerUI::GetRoot() const {
  ModelLock lock;
  return root_;
}

bool CPaintManagerUI::AddNotifier(INotifyUI* notifier) {
  ModelLock lock;
  if (!notifier || std::find(notifiers_.begin(), notifiers_.end(), notifier) != notifiers_.end()) return false;
  notifiers_.push_back(notifier);
  return true;
}

bool CPaintManagerUI::RemoveNotifier(INotifyUI* notifier) {
  ModelLock lock;
  auto found = std::find(notifiers_.begin(), notifiers_.end(), notifier);
  if (found == notifiers_.end()) return false;
  notifiers_.erase(found);
  return true;
}

bool CPaintManagerUI::AddMessageFilter(IMessageFilterUI* filter) {
  ModelLock lock;
  if (!filter || std::find(filters_.begin(), filters_.end(), filter) != filters_.end()) return false;
  filters_.push_back(filter);
  return true;
}

bool CPaintManagerUI::RemoveMessageFilter(IMessageFilterUI* filter) {
  ModelLock lock;
  auto found = std::find(filters_.begin(), filters_.end(), filter);
  if (found == filters_.end()) return false;
  filters_.erase(found);
  return true;
}

void CPaintManagerUI::SendNotify(CControlUI* sender, LPCTSTR type, WPARAM wParam, LPARAM lParam) {
  TNotifyUI msg;
  msg.sType = type;
  msg.pSender = sender;
  msg.sVirtualWnd = sender ? sender->GetVirtualWnd() : CDuiString();
  msg.dwTimestamp = GetTickCount();
  msg.wParam = wParam;
  msg.lParam = lParam;
  std::vector<INotifyUI*> notifiers;
  HWND window;
  {
    ModelLock lock;
    notifiers = notifiers_;
    window = window_;
  }
  if (window && GetCursorPos(&msg.ptMouse)) ScreenToClient(window, &msg.ptMouse);
  DeliveryScope delivering;
  for (INotifyUI* notifier : notifiers) notifier->Notify(msg);
}

CControlUI* CPaintManagerUI::FindControl(LPCTSTR name) const {
  if (!name || !*name) return nullptr;
  ModelLock lock;
  if (!nameIndexValid_) RebuildNameIndex();
  auto found = nameIndex_.find(ToLowerText(name));
  return found == nameIndex_.end() ? nullptr : found->second;
}

CControlUI* CPaintManagerUI::FindControl(POINT pt) const {
  ModelLock lock;
  return root_ ? root_->FindAtPoint(pt) : nullptr;
}

CControlUI* CPaintManagerUI::FindSubControlByName(CControlUI* parent, LPCTSTR name) const {
  if (!parent || !name) return nullptr;
  const std::wstring wanted = name;
  ModelLock lock;
  return parent->FindInTree([&wanted](CControlUI* control) { return EqualsNoCase(control->name_.str(), wanted); });
}

// The first control of a name in layout order is the one found.
void CPaintManagerUI::RebuildNameIndex() const {
  nameIndex_.clear();
  if (root_)
    root_->FindInTree([this](CControlUI* control) {
      if (!control->name_.IsEmpty()) nameIndex_.emplace(ToLowerText(control->name_.str()), control);
      return false;
    });
  nameIndexValid_ = true;
}

void CPaintManagerUI::TreeChanged() {
  ModelLock lock;
  nameIndexValid_ = false;
}

void CPaintManagerUI::ReapControl(CControlUI* control) {
  ModelLock lock;
  if (hot_ == control) hot_ = nullptr;
  if (captured_ == control) captured_ = nullptr;
  if (focus_ == control) focus_ = nullptr;
  if (focusPending_ && pendingFocus_ == control) focusPending_ = false;
  if (toolTipFor_ == control) toolTipFor_ = nullptr;
  if (root_ == control) root_ = nullptr;
  for (auto& group : optionGroups_) {
    auto& members = group.second;
    members.erase(std::remove(members.begin(), members.end(), control), members.end());
  }
  nameIndexValid_ = false;
}

void CPaintManagerUI::NeedUpdate() {
  {
    ModelLock lock;
    needLayout_ = true;
  }
  Invalidate();
}

void CPaintManagerUI::Invalidate() {
  HWND window;
  {
    ModelLock lock;
    if (wholeInvalid_) return;
    window = window_;
    wholeInvalid_ = window != nullptr;
  }
  if (window) InvalidateRect(window, nullptr, FALSE);
}

void CPaintManagerUI::Invalidate(const RECT& rc) {
  HWND window;
  {
    ModelLock lock;
    if (wholeInvalid_) return;
    window = window_;
  }
  if (window) InvalidateRect(window, &rc, FALSE);
}

RECT CPaintManagerUI::GetCaptionRect() const {
  ModelLock lock;
  return caption_;
}

void CPaintManagerUI::SetCaptionRect(RECT rc) {
  ModelLock lock;
  caption_ = rc;
}

SIZE CPaintManagerUI::GetRoundCorner() const {
  ModelLock lock;
  return roundCorner_;
}

void CPaintManagerUI::SetRoundCorner(int cx, int cy) {
  ModelLock lock;
  roundCorner_ = SIZE{cx, cy};
}

SIZE CPaintManagerUI::GetInitSize() const {
  ModelLock lock;
  return initSize_;
}

void CPaintManagerUI::SetInitSize(int cx, int cy) {
  HWND window;
  {
    ModelLock lock;
    initSize_ = SIZE{cx, cy};
    window = window_;
  }
  if (window && cx > 0 && cy > 0)
    SetWindowPos(window, nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CPaintManagerUI::AddFont(int id, LPCTSTR face, int size, bool bold, bool underline, bool italic,
                              bool isDefault) {
  ModelLock lock;
  FontEntry& entry = fonts_[id];
  if (entry.font) DeleteObject(entry.font);
  entry.face = face ? face : L"";
  entry.size = size;
  entry.bold = bold;
  entry.underline = underline;
  entry.italic = italic;
  entry.font = CreateFontW(-dpi_.Scale(size), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, italic, underline, FALSE,
                           DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH, entry.face.c_str());
  if (isDefault || defaultFontId_ < 0) defaultFontId_ = id;
}

HFONT CPaintManagerUI::GetFont(int id) const {
  ModelLock lock;
  auto found = fonts_.find(id);
  if (found == fonts_.end()) found = fonts_.find(defaultFontId_);
  if (found != fonts_.end() && found->second.font) return found->second.font;
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void CPaintManagerUI::RebuildFonts() {
  ModelLock lock;
  int defaultId = defaultFontId_;
  auto fonts = fonts_;
  for (const auto& entry : fonts) {
    const FontEntry& f = entry.second;
    AddFont(entry.first, f.face.c_str(), f.size, f.bold, f.underline, f.italic, false);
  }
  defaultFontId_ = defaultId;
}

void CPaintManagerUI::AddStyle(LPCTSTR name, StyleAttributes attributes) {
  const std::wstring key = ToLowerText(name ? name : L"");
  {
    std::lock_guard<std::mutex> lock(Settings().mutex);
    Settings().styles[key] = attributes;
  }
  ModelLock lock;
  styles_[key] = std::move(attributes);
}

bool CPaintManagerUI::LookUpStyle(const CPaintManagerUI* preferred, LPCTSTR name, StyleAttributes& attributes) {
  const std::wstring key = ToLowerText(name ? name : L"");
  if (preferred) {
    ModelLock lock;
    auto found = preferred->styles_.find(key);
    if (found != preferred->styles_.end()) {
      attributes = found->second;
      return true;
    }
  }
  std::lock_guard<std::mutex> lock(Settings().mutex);
  auto found = Settings().styles.find(key);
  if (found == Settings().styles.end()) return false;
  attributes = found->second;
  return true;
}

void CPaintManagerUI::AddOptionGroup(LPCTSTR group, CControlUI* option) {
  ModelLock lock;
  auto& members = optionGroups_[group ? group : L""];
  if (std::find(members.begin(), members.end(), option) == members.end()) members.push_back(option);
}

void CPaintManagerUI::RemoveOptionGroup(LPCTSTR group, CControlUI* option) {
  ModelLock lock;
  auto found = optionGroups_.find(group ? group : L"");
  if (found == optionGroups_.end()) return;
  auto& members = found->second;
  members.erase(std::remove(members.begin(), members.end(), option), members.end());
}

std::vector<CControlUI*> CPaintManagerUI::GetOptionGroup(LPCTSTR group) const {
  ModelLock lock;
  auto found = optionGroups_.find(group ? group : L"");
  return found == optionGroups_.end() ? std::vector<CControlUI*>() : found->second;
}

void CPaintManagerUI::SetDPI(int dpi) {
  ModelLock lock;
  dpi_.SetDPI(dpi);
}

void CPaintManagerUI::ResetDPIAssets() {
  RebuildFonts();
  NeedUpdate();
}

void CPaintManagerUI::EnsureBackBuffer(int width, int height) {
  if (backDc_ && backSize_.cx == width && backSize_.cy == height) return;
  ReleaseBackBuffer();
  uint32_t* pixels = nullptr;
  backBitmap_ = CreateSurface(width, height, &pixels);
  backDc_ = CreateCompatibleDC(nullptr);
  backPrevious_ = SelectObject(backDc_, backBitmap_);
  backSize_ = SIZE{width, height};
}

void CPaintManagerUI::ReleaseBackBuffer() {
  if (!backDc_) return;
  SelectObject(backDc_, backPrevious_);
  DestroySurface(backBitmap_);
  DeleteDC(backDc_);
  backDc_ = nullptr;
  backBitmap_ = nullptr;
}

// Lays out when needed, paints the tree into the back buffer and copies the dirty part to the
// window. "windowinit" follows the first paint, outside the lock.
void CPaintManagerUI::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window_, &ps);
  CControlUI* initSender = nullptr;
  {
    ModelLock lock;
    // Cleared only under the lock this paint holds: a change made before it is painted now, and
    // one made after it invalidates the window again.
    wholeInvalid_ = false;
    RECT client;
    GetClientRect(window_, &client);
    if (root_ && client.right > 0 && client.bottom > 0) {
      RECT rootPos = root_->pos_;
      if (needLayout_ || !EqualRect(&rootPos, &client)) {
        needLayout_ = false;
        root_->SetPos(client);
      }
      EnsureBackBuffer(client.right, client.bottom);
      // Drawing is clipped to the dirty part, so a control larger than it (the root's background)
      // costs only what shows.
      const int saved = SaveDC(backDc_);
      IntersectClipRect(backDc_, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right, ps.rcPaint.bottom);
      FillRect(backDc_, &ps.rcPaint, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
      root_->DoPaint(backDc_, ps.rcPaint);
      RestoreDC(backDc_, saved);
      BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
             ps.rcPaint.bottom - ps.rcPaint.top, backDc_, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
      if (!windowInitSent_) {
        windowInitSent_ = true;
        initSender = root_;
      }
    }
  }
  EndPaint(window_, &ps);
  if (initSender) SendNotify(initSender, UI_NOTIFY_WINDOWINIT);
}

void CPaintManagerUI::OnSize() {
  CControlUI* root;
  {
    ModelLock lock;
    needLayout_ = true;
    root = root_;
  }
  Invalidate();
  if (root) SendNotify(root, UI_NOTIFY_WINDOWSIZE);
}
