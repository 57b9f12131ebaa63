#include "connection_flag.h"

ConnectionFlag::ConnectionFlag() : connected_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

ConnectionFlag::~ConnectionFlag() {
  if (connected_) CloseHandle(connected_);
}

ConnectionFlag& ConnectionFlag::operator=(int connected) {
  value_ = connected;
  if (connected) SetEvent(connected_);
  else ResetEvent(connected_);
  return *this;
}
