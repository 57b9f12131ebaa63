#pragma once
#include "headset_k27_properties.h"

// The equaliser's ten band properties, "EQ_Slider1" to "EQ_Slider10".
extern const wchar_t* const EQ_SLIDER_PROPERTY_NAMES[10];

// One property that the set-up reads and, only when the read fails, writes a default into.
struct HeadsetK27AudioDefault {
  HeadsetK27Device device;
  const wchar_t* name;
  HeadsetK27Second readWith;
  bool writesFloat;  // a float 0.0 instead of an integer 0
  HeadsetK27Second writeWith;
};

// The defaults in the order the set-up checks them.
const std::vector<HeadsetK27AudioDefault>& HeadsetK27AudioDefaults();

// Reads the property and writes its default when the read does not return 0.
void EnsureHeadsetK27AudioDefault(HeadsetK27Properties& properties, const HeadsetK27AudioDefault& entry);
// Any input property read with channel 0, and integer 0 written without a channel when unreadable.
void EnsureHeadsetK27CaptureDefault(HeadsetK27Properties& properties, const wchar_t* name);
