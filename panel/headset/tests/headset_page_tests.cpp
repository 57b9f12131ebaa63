// The first headset's pages in the real main window, with the stand-in audio library.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "audio_control_library.h"
#include "audio_standin_steering.h"
#include "fake_clock.h"
#include "headset_light_generators.h"
#include "headset_state.h"
#include "headset_threads.h"
#include "headset_voice.h"
#include "ini_values.h"
#include "lighting_tables.h"
#include "panel_window_fixture.h"
#include "stop_protocol.h"

namespace {
constexpr const wchar_t* kLibrary = L"Harkin_UsbAudio73xx_x32.dll";

AudioControlStandin Standin() { return AudioControlStandin(GetModuleHandleW(kLibrary)); }

// Calls other than the detection's presence polls.
std::vector<std::string> SettingCalls() {
  std::vector<std::string> calls;
  for (const std::string& line : Standin().CallLog())
    if (line.rfind("Harkin_Search_Present_Device", 0) != 0) calls.push_back(line);
  return calls;
}

class HeadsetPageTest : public PanelWindowTest {
 protected:
  void SetUp() override {
    PanelWindowTest::SetUp();
    ResetHeadsetStates();
    ResetHeadsetEffects();
    HeadsetVirtualBlock = Virtual7ch1Params{};
    DeleteFileW(IndexPath().c_str());
  }
  std::wstring IndexPath() { return window->GetHeadsetProfileFolder() + L"hsProfile.ini"; }
  COptionUI* Option(const wchar_t* name) { return dynamic_cast<COptionUI*>(Find(name)); }
  bool TabShown() { return Find(L"hs_tab") && Find(L"hs_tab")->IsVisible(); }
};

TEST_F(HeadsetPageTest, PluggingInShowsAndSelectsTheTabAndUnpluggingHidesIt) {
  OpenWindow();
  EXPECT_FALSE(TabShown());
  Standin().SetHeadsetPresent(true);
  ASSERT_TRUE(PumpUntil([&] { return TabShown(); }, 3000));
  // A device found before the headset keeps its tab selected.
  const bool othersConnected = window->m_keyboardChannel.IsConnected() || window->m_mouseChannel.IsConnected() ||
                               window->m_mousePadChannel.IsConnected();
  if (!othersConnected) EXPECT_TRUE(Option(L"hs_tab")->IsSelected());
  EXPECT_EQ(1, window->m_headsetChannel.IsConnected());

  Standin().ListHeadsetAt(1);  // behind another device: not recognised
  ASSERT_TRUE(PumpUntil([&] { return !TabShown(); }, 3000));
  EXPECT_EQ(0, window->m_headsetChannel.IsConnected());
}

TEST_F(HeadsetPageTest, MagicVoiceSendsWhatThePageDidNotShowYet) {
  OpenWindow();
  struct Case {
    const char* name;
    const wchar_t* open;    // [MAGICOPEN] open before, null: missing
    const wchar_t* select;  // [MAGICSELECT] select before
    bool switchShown;       // "magic_voice_open" selected before
    int choiceShown;        // "magic_check_" selected before, -1 none
    std::function<void(CMainWnd&)> act;
    std::vector<std::string> calls;
    const wchar_t* openAfter;
    const wchar_t* selectAfter;
  } cases[] = {
      {"choosing effect 2", L"1", L"0", true, 0,
       [](CMainWnd& w) { dynamic_cast<COptionUI*>(w.Find(L"magic_check_2"))->Selected(true, true); },
       {"Harkin_SetMagicSound_Level(-3)"}, L"1", L"2"},
      {"switching on with the stored choice shown", L"0", L"1", false, 1,
       [](CMainWnd& w) { dynamic_cast<COptionUI*>(w.Find(L"magic_voice_open"))->Selected(true, true); },
       {"Harkin_SetMagicSoundOnOff(1)", "Harkin_SetMagicSound_Level(6)"}, L"1", L"1"},
      {"switching on with another choice shown", L"0", L"1", false, 3,
       [](CMainWnd& w) { dynamic_cast<COptionUI*>(w.Find(L"magic_voice_open"))->Selected(true, true); },
       {"Harkin_SetMagicSoundOnOff(1)", "Harkin_SetMagicSound_Level(6)", "Harkin_SetMagicSound_Level(6)"}, L"1",
       L"1"},
      {"switching on with a stored choice of 7 sets no level", L"0", L"7", false, -1,
       [](CMainWnd& w) { dynamic_cast<COptionUI*>(w.Find(L"magic_voice_open"))->Selected(true, true); },
       {"Harkin_SetMagicSoundOnOff(1)"}, L"1", L"7"},
      {"switching off keeps the choice", L"1", L"2", true, 2,
       [](CMainWnd& w) { dynamic_cast<COptionUI*>(w.Find(L"magic_voice_open"))->Selected(false, true); },
       {"Harkin_SetMagicSoundOnOff(0)"}, L"0", L"2"},
      {"restoring an open voice the page does not show", L"1", L"2", false, 0,
       [](CMainWnd& w) { w.RestoreHeadsetMagicVoice(); },
       {"Harkin_SetMagicSound_Level(-3)", "Harkin_SetMagicSoundOnOff(1)", "Harkin_SetMagicSound_Level(-3)",
        "Harkin_SetMagicSound_Level(-3)"},
       L"1", L"2"},
      {"restoring what the page shows sends the level once", L"1", L"2", true, 2,
       [](CMainWnd& w) { w.RestoreHeadsetMagicVoice(); }, {"Harkin_SetMagicSound_Level(-3)"}, L"1", L"2"},
      {"restoring a closed voice switches a shown one off", nullptr, nullptr, true, 1,
       [](CMainWnd& w) { w.RestoreHeadsetMagicVoice(); }, {"Harkin_SetMagicSoundOnOff(0)"}, L"0", L"0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DeleteFileW(IndexPath().c_str());
    if (c.open) WriteIniText(IndexPath(), L"MAGICOPEN", L"open", c.open);
    if (c.select) WriteIniText(IndexPath(), L"MAGICSELECT", L"select", c.select);
    for (int i = 0; i < 4; ++i)
      window->Find<COptionUI>(L"magic_check_", i)->Selected(i == c.choiceShown, false);
    window->Find<COptionUI>(L"magic_voice_open")->Selected(c.switchShown, false);
    Standin().ClearCallLog();

    c.act(*window);
    EXPECT_EQ(c.calls, SettingCalls());
    EXPECT_EQ(c.openAfter, ReadIniText(IndexPath(), L"MAGICOPEN", L"open"));
    EXPECT_EQ(c.selectAfter, ReadIniText(IndexPath(), L"MAGICSELECT", L"select"));
  }
}

TEST_F(HeadsetPageTest, SpeakerSlidersStoreTheSelectedSpeakerAndSendTheWholeBlock) {
  OpenWindow();
  HeadsetVoice.selectedSpeaker = 2;
  HeadsetVoice.angle[2] = 7;
  HeadsetVoice.virtualOn = 1;
  window->Find<CSliderUI>(L"hs_LB_slider")->SetValue(50);
  window->Find<CSliderUI>(L"hs_ANGLE_slider")->SetValue(25);
  Standin().ClearCallLog();
  window->Manager().SendNotify(Find(L"hs_LB_slider"), UI_NOTIFY_VALUECHANGED);

  EXPECT_EQ(50, HeadsetVoice.distance[2]);
  EXPECT_EQ(7, HeadsetVoice.angle[2]) << "only the moved slider's value is stored";
  EXPECT_EQ((std::vector<std::string>{
                "Harkin_SetVirtual7ch1(0; distance 0 0 0.85 0 0 0 0 0; angle 0 0 1.57 0 0 0 0 0)",
                "Harkin_SetVirtual7ch1_OnOff(1)"}),
            SettingCalls());

  Standin().ClearCallLog();
  window->Find<COptionUI>(L"hs_slien_check_", 3)->Selected(true, true);
  EXPECT_EQ(3, HeadsetVoice.selectedSpeaker);
  EXPECT_TRUE(SettingCalls().empty()) << "choosing a speaker sends nothing";
}

TEST_F(HeadsetPageTest, ApplyingTheVoiceRecordSendsTheTenCallsAfterTheNestedHandlers) {
  OpenWindow();
  HeadsetVoice.selectedScene = 2;
  HeadsetVoice.scenes[2] = HeadsetSoundScene{1, 0, 4, {-12, 0, 0, 0, 0, 0, 0, 12}};
  HeadsetVoice.noiseCancelling = 1;
  HeadsetVoice.master = 60;
  Standin().ClearCallLog();
  window->ApplyHeadsetVoiceSettings();

  const std::vector<std::string> scene = {"Harkin_SetSoundField(4)", "Harkin_SetSoundField_OnOff(0)",
                                          "Harkin_Config3D_ById(0)", "Harkin_Set3D_OnOff_ById(1, 0)"};
  std::vector<std::string> expected = scene;  // the newly selected scene option's handler
  expected.push_back("Harkin_SetEncOnOff(1)");  // the noise-cancelling check's handler
  for (const char* call : {"Harkin_SetSpeakerChannelVolume(0, 0)", "Harkin_SetSpeakerMasterVolume(60)",
                           "Harkin_SetMicVolume(0)", "Harkin_SetVirtual7ch1(0; distance 0 0 0 0 0 0 0 0; angle 0 0 0 0 0 0 0 0)",
                           "Harkin_SetVirtual7ch1_OnOff(0)"})
    expected.push_back(call);
  expected.insert(expected.end(), scene.begin(), scene.end());
  expected.push_back("Harkin_SetEncOnOff(1)");
  EXPECT_EQ(expected, SettingCalls());
  EXPECT_EQ(-12, window->Find<CSliderUI>(L"HZ_Slider_0")->GetValue());
  EXPECT_EQ(12, window->Find<CSliderUI>(L"HZ_Slider_7")->GetValue());
  EXPECT_EQ(60, window->Find<CSliderUI>(L"hs_master_slider")->GetValue());
}

// The lighting and detection threads without a window: their passes on the clock seam.
class HeadsetThreadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetUpPanelUi();
    UnplugStandinHeadset();
    AudioControlLibrary().Load(kLibrary);
    ResetHeadsetStates();
    ResetHeadsetEffects();
    stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    param = WorkerThreadParam{&window, stop};
  }
  void TearDown() override { CloseHandle(stop); }

  TestMainWnd window;
  HANDLE stop = nullptr;
  WorkerThreadParam param{};
};

TEST_F(HeadsetThreadTest, LightingPassWritesTheCappedColourOnlyWhileConnected) {
  FakeClock clock;
  HeadsetLight = HeadsetLightSettings{3, 4, 0, 1, 0, 255, 255, 255, 0};
  std::thread arriving([this] {
    Sleep(50);
    window.m_headsetChannel.m_connected = 1;
  });
  RunHeadsetLightingPass(window, stop);
  arriving.join();
  EXPECT_TRUE(SettingCalls().empty()) << "the pass that waited for the headset writes nothing";
  EXPECT_EQ(kShortestEffectStepMs, clock.Elapsed())
      << "after the effect's step (speed 0: the shortest) an absent headset is waited for, not polled";

  RunHeadsetLightingPass(window, stop);
  std::vector<std::string> expected;
  for (const char* slave : {"0x11", "0x22"})
    for (const char* reg : {"0x20", "0x21", "0x22"})
      expected.push_back(std::string("Harkin_Write_I2C_ById(") + slave + ", " + reg + ", [F7], 1, 1000, 0)");
  EXPECT_EQ(expected, SettingCalls());
  EXPECT_EQ(BRIGHTNESS_LEVELS[4], window.m_headsetLeds[12].level);
}

// Wave and breathing pause 10 ms more before their step: one wait, as each wait wakes the thread.
TEST_F(HeadsetThreadTest, AnAnimatedPassWaitsOnceForItsStepAndItsModesPause) {
  window.m_headsetChannel.m_connected = 1;
  for (const uint8_t mode : {0, 1, 2, 3}) {
    SCOPED_TRACE(mode);
    FakeClock clock;
    HeadsetLight = HeadsetLightSettings{mode, 4, 2, 1, 0, 255, 255, 255, 0};
    RunHeadsetLightingPass(window, stop);
    const DWORD step = std::max<DWORD>(kShortestEffectStepMs, EffectDelay(mode, 2));
    EXPECT_EQ(clock.Pauses(), (std::vector<DWORD>{mode == 0 || mode == 2 ? step + 10 : step}));
    EXPECT_EQ(clock.Waits(), 1);
  }
}

TEST_F(HeadsetThreadTest, ThreadsStoppedInTheirStartupPauseEndAtOnce) {
  SetEvent(stop);
  const DWORD start = GetTickCount();
  EXPECT_EQ(0u, HeadsetLightingThreadProc(&param));
  EXPECT_EQ(0u, HeadsetDetectThreadProc(&param));
  EXPECT_LT(GetTickCount() - start, 500u);
  EXPECT_TRUE(SettingCalls().empty());
}
}  // namespace
