#pragma once
#include <windows.h>

#include <map>

#include "ui/ui_string.h"

// The main window's background as the skin picker broadcasts it: a colour or an image.
struct SkinChangedParam {
  bool colorFlag = false;  // true: bkcolor is meant, false: bgimage
  DWORD bkcolor = 0;
  CDuiString bgimage;
};

class ObserverImpl;

// Something that the skin-change broadcast reaches.
class ReceiverImpl {
 public:
  virtual ~ReceiverImpl() = default;
  virtual int AddObserver(ObserverImpl* observer);
  virtual void RemoveObserver();
  virtual int Receive(SkinChangedParam) { return 0; }
  virtual int Respond(SkinChangedParam, ObserverImpl*) { return 0; }

 private:
  std::map<int, ObserverImpl*> observers_;
  int nextKey_ = 0;
};

// Hands each broadcast parameter to its receivers, in the order they were added.
class ObserverImpl {
 public:
  virtual ~ObserverImpl() = default;
  virtual void AddReceiver(ReceiverImpl* receiver);
  virtual void RemoveReceiver(ReceiverImpl* receiver);
  virtual int Broadcast(SkinChangedParam param);
  virtual int Notify(SkinChangedParam param);

 private:
  std::map<int, ReceiverImpl*> receivers_;
  int nextKey_ = 0;
};

// The process's one skin-change observer, made on first use and never destroyed.
ObserverImpl& GetSkinChangeObserver();
void AddSkinChangeReceiver(ReceiverImpl* receiver);
void BroadcastSkinChange(SkinChangedParam param);
