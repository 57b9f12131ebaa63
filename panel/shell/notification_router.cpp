#include "notification_router.h"

#include <cstdint>

#include "text_parsers.h"
#include "ui/ui_string.h"

namespace {
thread_local int codeMadeScopes = 0;

struct TypeName {
  NotifyType type;
  const wchar_t* name;
};

const TypeName kTypeNames[] = {
    {NotifyType::Click, L"click"},
    {NotifyType::MouseEnter, L"msenter"},
    {NotifyType::MouseLeave, L"msleave"},
    {NotifyType::KillFocus, L"killfocus"},
    {NotifyType::SetFocus, L"setfocus"},
    {NotifyType::ItemSelect, L"itemselect"},
    {NotifyType::SelectChanged, L"selectchanged"},
    {NotifyType::ValueChanged, L"valuechanged"},
    {NotifyType::MoveValueChanged, L"movevaluechanged"},
    {NotifyType::TextChanged, L"textchanged"},
    {NotifyType::ColorChanged, L"colorchanged"},
    {NotifyType::ItemClick, L"itemclick"},
};

std::wstring Describe(const Route& route, const wchar_t* why) {
  return std::wstring(NotifyTypeName(route.type)) + L" \"" + route.name + L"\": " + why;
}

// The prefix under which a name would be looked up as numbered; empty when it has no '_'.
std::wstring NumberedPrefixOf(const std::wstring& lowered) {
  std::wstring prefix;
  int32_t unused = 0;
  return SplitNameIndex(lowered, prefix, unused) ? prefix : std::wstring();
}
}  // namespace

CodeMadeNotifications::CodeMadeNotifications() { ++codeMadeScopes; }
CodeMadeNotifications::~CodeMadeNotifications() { --codeMadeScopes; }
bool CodeMadeNotifications::Open() { return codeMadeScopes > 0; }

const wchar_t* NotifyTypeName(NotifyType type) {
  for (const TypeName& entry : kTypeNames)
    if (entry.type == type) return entry.name;
  return L"?";
}

Route ExactRoute(NotifyType type, const wchar_t* name, RouteAction action, SelectPhase phase) {
  return Route{type, name, false, 0, 0, phase, std::move(action)};
}

Route NumberedRoute(NotifyType type, const wchar_t* prefix, int first, int last, RouteAction action,
                    SelectPhase phase) {
  return Route{type, prefix, true, first, last, phase, std::move(action)};
}

RouteIndex RouteIndex::Build(const std::vector<RouteTable>& tables, std::vector<std::wstring>& refused) {
  RouteIndex index;
  auto add = [&index](NameMap& map, const std::wstring& key, const Route& route) {
    map.emplace(key, index.routes_.size());
    index.routes_.push_back(route);
  };
  // Numbered rows first, so that an exact row is checked against every prefix whatever the order.
  for (const RouteTable& table : tables) {
    for (const Route& route : table) {
      if (!route.numbered) continue;
      const std::wstring key = ToLowerText(route.name);
      NameMap& numbered = index.maps_[static_cast<int>(route.type)].numbered;
      if (key.empty() || key.back() != L'_') refused.push_back(Describe(route, L"a numbered prefix ends in '_'"));
      else if (route.first > route.last) refused.push_back(Describe(route, L"empty range"));
      else if (numbered.count(key)) refused.push_back(Describe(route, L"numbered prefix routed twice"));
      else add(numbered, key, route);
    }
  }
  for (const RouteTable& table : tables) {
    for (const Route& route : table) {
      if (route.numbered) continue;
      const std::wstring key = ToLowerText(route.name);
      TypeMaps& maps = index.maps_[static_cast<int>(route.type)];
      if (maps.exact.count(key)) refused.push_back(Describe(route, L"name routed twice"));
      else if (maps.numbered.count(NumberedPrefixOf(key))) refused.push_back(Describe(route, L"name has a numbered prefix"));
      else add(maps.exact, key, route);
    }
  }
  return index;
}

const RouteIndex::TypeMaps* RouteIndex::MapsOf(NotifyType type) const {
  auto found = maps_.find(static_cast<int>(type));
  return found == maps_.end() ? nullptr : &found->second;
}

RouteMatch RouteIndex::Find(NotifyType type, const std::wstring& name) const {
  const TypeMaps* maps = MapsOf(type);
  if (!maps) return {nullptr, 0};
  const std::wstring key = ToLowerText(name);
  auto exact = maps->exact.find(key);
  if (exact != maps->exact.end()) return {&routes_[exact->second], 0};
  std::wstring prefix;
  int32_t number = 0;
  if (!SplitNameIndex(key, prefix, number)) return {nullptr, 0};
  auto numbered = maps->numbered.find(prefix);
  if (numbered == maps->numbered.end()) return {nullptr, 0};
  const Route& route = routes_[numbered->second];
  if (number < route.first || number > route.last) return {nullptr, 0};
  return {&route, number};
}
