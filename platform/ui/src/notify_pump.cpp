#include "ui/notify.h"

#include "ui/control.h"

namespace {
const UiMessageMapEntry kNoEntries[] = {{nullptr, nullptr, nullptr}};
}

const UiMessageMap CNotifyPump::messageMap_ = {nullptr, kNoEntries};

bool CNotifyPump::AddVirtualWnd(const CDuiString& name, CNotifyPump* pump) {
  if (!pump) return false;
  return virtualWnds_.emplace(ToLowerText(name.str()), pump).second;
}

bool CNotifyPump::RemoveVirtualWnd(const CDuiString& name) {
  return virtualWnds_.erase(ToLowerText(name.str())) > 0;
}

void CNotifyPump::NotifyPump(TNotifyUI& msg) {
  if (!msg.sVirtualWnd.IsEmpty()) {
    auto found = virtualWnds_.find(ToLowerText(msg.sVirtualWnd.str()));
    if (found != virtualWnds_.end()) {
      found->second->LoopDispatch(msg);
      return;
    }
  }
  LoopDispatch(msg);
}

bool CNotifyPump::LoopDispatch(TNotifyUI& msg) {
  CDuiString senderName = msg.pSender ? msg.pSender->GetName() : CDuiString();
  for (const UiMessageMap* map = GetMessageMap(); map; map = map->base) {
    for (const UiMessageMapEntry* entry = map->entries; entry->type; ++entry) {
      if (msg.sType.Compare(entry->type) != 0) continue;
      if (entry->controlName[0] && senderName.CompareNoCase(entry->controlName) != 0) continue;
      (this->*entry->handler)(msg);
      return true;
    }
  }
  return false;
}
