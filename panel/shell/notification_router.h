#pragma once
// The notification router: route tables by control name, one lookup per notification, and the
// origin of a notification.
//
// Where a notification comes from. The user's input reaches the main window on its own thread
// only, so a notification is the user's when it is raised on the window thread while no applying
// code has opened a CodeMadeNotifications scope there. Everything else is code-made: what a worker
// (detection, arrival, watchers) selects on its own thread, and what the window thread's code
// (profile applies, refreshes, list operations, deletes, resets, the guard itself) selects inside
// the scope it opens around each option it sets with notification. A code-made notification still
// runs its route (a display refresh, a value written back, what a profile load applies), but never
// what only the user may cause: the pending-edit guard and its box, and the end of key capture and
// of macro recording. Only "selectchanged" meets those, so combo and list picks made by code run
// their routes unchanged; where such a route would write a choice that belongs to the user, the
// code shows the row without picking it (CComboUI::ShowItem).
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

class CControlUI;
class CMainWnd;

// The notification types that reach a route, one per entry point of the main window.
enum class NotifyType {
  Click,
  MouseEnter,
  MouseLeave,
  KillFocus,
  SetFocus,
  ItemSelect,
  SelectChanged,
  ValueChanged,
  MoveValueChanged,
  TextChanged,
  ColorChanged,
  ItemClick,
};

// While one is open, the notifications that its thread raises are code-made. Opened by code that
// selects, checks or picks with notification to reuse a route; scopes nest.
class CodeMadeNotifications {
 public:
  CodeMadeNotifications();
  ~CodeMadeNotifications();
  CodeMadeNotifications(const CodeMadeNotifications&) = delete;
  CodeMadeNotifications& operator=(const CodeMadeNotifications&) = delete;
  // True while a scope is open on the calling thread.
  static bool Open();
};

// Where a "selectchanged" route of the user's runs against the pending-edit guard and the end of
// key capture; a code-made one only acts. Other notification types ignore it.
enum class SelectPhase {
  ActAndEnd,     // acts; neither the guard nor the capture end follows
  ActThenGuard,  // acts, then the guard and the capture end
  GuardThenAct,  // the guard and the capture end first; acts only when the guard lets it through
};

struct RouteCall {
  CControlUI* sender;
  int number;  // N of a numbered route, 0 for an exact one
};

using RouteAction = std::function<void(CMainWnd& window, const RouteCall& call)>;

// One row of a route table: which notification of which control runs which action.
struct Route {
  NotifyType type;
  std::wstring name;  // the whole name, or a numbered route's prefix up to and including its last '_'
  bool numbered;
  int first, last;  // the N that a numbered route accepts
  SelectPhase phase;
  RouteAction action;
};
using RouteTable = std::vector<Route>;

Route ExactRoute(NotifyType type, const wchar_t* name, RouteAction action,
                 SelectPhase phase = SelectPhase::ActAndEnd);
Route NumberedRoute(NotifyType type, const wchar_t* prefix, int first, int last, RouteAction action,
                    SelectPhase phase = SelectPhase::ActAndEnd);

// Actions made of a CMainWnd member: without arguments, or taking N, or taking the sender.
RouteAction Calls(void (CMainWnd::*member)());
RouteAction CallsWithNumber(void (CMainWnd::*member)(int));
RouteAction CallsWithSender(void (CMainWnd::*member)(CControlUI*));

struct RouteMatch {
  const Route* route;  // null: no route takes the name
  int number;
};

// The routes of all tables, looked up by name without regard to case: exact names first, then a
// numbered route by the prefix that SplitNameIndex gives, when N lies in its range. Immutable once
// built; safe to share between threads.
class RouteIndex {
 public:
  // Rows that would make a name ambiguous are refused and described in `refused`: a second exact
  // name or numbered prefix of the same type, an exact name whose prefix is a numbered route's,
  // and a numbered route that no name can reach (prefix not ending in '_', empty range).
  static RouteIndex Build(const std::vector<RouteTable>& tables, std::vector<std::wstring>& refused);

  RouteMatch Find(NotifyType type, const std::wstring& name) const;
  // Every route, for checks against the layouts.
  const std::vector<Route>& Routes() const { return routes_; }

 private:
  using NameMap = std::unordered_map<std::wstring, size_t>;
  struct TypeMaps {
    NameMap exact;
    NameMap numbered;
  };
  const TypeMaps* MapsOf(NotifyType type) const;

  std::vector<Route> routes_;
  std::unordered_map<int, TypeMaps> maps_;
};

const wchar_t* NotifyTypeName(NotifyType type);
