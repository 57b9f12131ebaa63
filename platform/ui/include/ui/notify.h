#pragma once
#include <windows.h>

#include <map>
#include <string>

#include "ui/ui_string.h"

class CControlUI;

// Notification types raised by the library.
#define UI_NOTIFY_WINDOWINIT L"windowinit"
#define UI_NOTIFY_WINDOWSIZE L"windowsize"
#define UI_NOTIFY_CLICK L"click"
#define UI_NOTIFY_SELECTCHANGED L"selectchanged"
#define UI_NOTIFY_SETFOCUS L"setfocus"
#define UI_NOTIFY_KILLFOCUS L"killfocus"
#define UI_NOTIFY_MOUSEENTER L"msenter"
#define UI_NOTIFY_MOUSELEAVE L"msleave"
#define UI_NOTIFY_ITEMSELECT L"itemselect"
#define UI_NOTIFY_ITEMCLICK L"itemclick"
#define UI_NOTIFY_VALUECHANGED L"valuechanged"
#define UI_NOTIFY_MOVEVALUECHANGED L"movevaluechanged"
#define UI_NOTIFY_TEXTCHANGED L"textchanged"
#define UI_NOTIFY_COLORCHANGED L"colorchanged"

// One notification: what happened (type) to which control (sender).
struct TNotifyUI {
  CDuiString sType;
  CDuiString sVirtualWnd;
  CControlUI* pSender = nullptr;
  DWORD dwTimestamp = 0;
  POINT ptMouse{};
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

class INotifyUI {
 public:
  virtual void Notify(TNotifyUI& msg) = 0;

 protected:
  ~INotifyUI() = default;
};

class CNotifyPump;
using UiNotifyHandler = void (CNotifyPump::*)(TNotifyUI&);

// A message map binds notification types (and optionally a control name) to handlers; maps chain
// to the base class's map.
struct UiMessageMapEntry {
  const wchar_t* type;
  const wchar_t* controlName;  // empty: any control
  UiNotifyHandler handler;
};
struct UiMessageMap {
  const UiMessageMap* base;
  const UiMessageMapEntry* entries;  // ends with an entry whose type is null
};

// Routes notifications through message maps, to itself or to a named virtual window.
class CNotifyPump {
 public:
  virtual ~CNotifyPump() = default;
  bool AddVirtualWnd(const CDuiString& name, CNotifyPump* pump);
  bool RemoveVirtualWnd(const CDuiString& name);
  void NotifyPump(TNotifyUI& msg);
  bool LoopDispatch(TNotifyUI& msg);

  static const UiMessageMap messageMap_;
  virtual const UiMessageMap* GetMessageMap() const { return &messageMap_; }

 private:
  std::map<std::wstring, CNotifyPump*> virtualWnds_;
};

#define UI_DECLARE_MESSAGE_MAP()                         \
 public:                                                 \
  static const UiMessageMap messageMap_;                 \
  static const UiMessageMapEntry messageEntries_[];      \
  const UiMessageMap* GetMessageMap() const override;

#define UI_BEGIN_MESSAGE_MAP(theClass, baseClass)                                             \
  const UiMessageMap* theClass::GetMessageMap() const { return &theClass::messageMap_; }      \
  const UiMessageMap theClass::messageMap_ = {&baseClass::messageMap_, theClass::messageEntries_}; \
  const UiMessageMapEntry theClass::messageEntries_[] = {

#define UI_ON_NOTIFY(type, memberFunction) \
  {type, L"", static_cast<UiNotifyHandler>(memberFunction)},
#define UI_ON_NOTIFY_CONTROL(type, controlName, memberFunction) \
  {type, controlName, static_cast<UiNotifyHandler>(memberFunction)},

#define UI_END_MESSAGE_MAP() \
  { nullptr, nullptr, nullptr } \
  };
