#pragma once
#include <type_traits>

// Fails the build when a stand-in function differs from the declaration the panel calls it
// through (audio_control_api.h, audio_config_api.h): in its parameters, its result or, where
// conventions differ (32-bit x86), its calling convention.
#define STANDIN_MATCHES_DECLARATION(api, name)                      \
  static_assert(std::is_same<decltype(&::name), api::name*>::value, \
                #name " differs from the panel's declaration")
