#pragma once
// The mouse pad's one named profile list: its light profiles in "mpProfile.ini" of the pad's data
// folder, one ".led" file (kind 3, one settings block) per profile, made from "mpdengdefault.led".
#include "named_profile_list.h"

const NamedProfileListParams& MousePadLightProfileList();
