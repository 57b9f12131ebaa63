#include "skin_change.h"

int ReceiverImpl::AddObserver(ObserverImpl* observer) {
  observers_[nextKey_++] = observer;
  return nextKey_;
}

void ReceiverImpl::RemoveObserver() {
  for (auto& entry : observers_) entry.second->RemoveReceiver(this);
}

void ObserverImpl::AddReceiver(ReceiverImpl* receiver) {
  if (!receiver) return;
  receivers_[nextKey_++] = receiver;
  receiver->AddObserver(this);
}

void ObserverImpl::RemoveReceiver(ReceiverImpl* receiver) {
  for (auto it = receivers_.begin(); it != receivers_.end(); ++it) {
    if (it->second == receiver) {
      receivers_.erase(it);
      return;
    }
  }
}

int ObserverImpl::Broadcast(SkinChangedParam param) {
  for (auto& entry : receivers_) entry.second->Receive(param);
  return 0;
}

int ObserverImpl::Notify(SkinChangedParam param) {
  for (auto& entry : receivers_) entry.second->Respond(param, this);
  return 0;
}

ObserverImpl& GetSkinChangeObserver() {
  static ObserverImpl* observer = new ObserverImpl;  // lives until the process ends
  return *observer;
}

void AddSkinChangeReceiver(ReceiverImpl* receiver) { GetSkinChangeObserver().AddReceiver(receiver); }

void BroadcastSkinChange(SkinChangedParam param) { GetSkinChangeObserver().Broadcast(param); }
