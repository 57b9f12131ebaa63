#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audio_control_library.h"
#include "audio_standin_steering.h"
#include "headset_light_generators.h"
#include "headset_state.h"
#include "headset_voice.h"

// The real loader over the stand-in library, with a fresh headset and empty records.
class HeadsetCoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(0, loader.Load(kLibrary));
    standin = AudioControlStandin(GetModuleHandleW(kLibrary));
    standin.Reset();
    ResetHeadsetStates();
    ResetHeadsetEffects();
    HeadsetVirtualBlock = Virtual7ch1Params{};
  }

  std::vector<std::string> Calls() const { return standin.CallLog(); }

  static constexpr const wchar_t* kLibrary = L"Harkin_UsbAudio73xx_x32.dll";
  AudioControlLibraryLoader loader;
  AudioControlStandin standin{nullptr};  // once the loader has the library
};
