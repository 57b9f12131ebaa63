#pragma once

class CControlUI;

// Takes a control that left its container (or a replaced root) out of its window for good: it is
// detached from the paint manager at once, with everything inside it, and destroyed once no
// dispatch can reach it (the paint manager keeps it until then). Without a window it is destroyed
// at once. The caller holds the model lock.
void DiscardControl(CControlUI* control);

// Notifications and input events being delivered, on any thread. A removed control is destroyed
// only while none is, so a handler still on the stack never returns into a destroyed control.
class DeliveryScope {
 public:
  DeliveryScope();
  ~DeliveryScope();
  DeliveryScope(const DeliveryScope&) = delete;
  DeliveryScope& operator=(const DeliveryScope&) = delete;
};
bool AnyDeliveryInFlight();
