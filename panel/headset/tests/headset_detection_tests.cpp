#include "headset_detection.h"

#include "debug_log_capture.h"
#include "headset_test_fixture.h"

namespace {
using Event = HeadsetDetection::Event;

class HeadsetDetectionPass : public HeadsetCoreTest {
 protected:
  DeviceCommandChannel channel;
};

TEST_F(HeadsetDetectionPass, ArrivalStillThereAndLossAcrossPasses) {
  const OtherDevicesConnected none{}, mouse{false, true, false};
  struct Step {
    const char* name;
    int listPosition;  // -1: nothing listed
    OtherDevicesConnected others;
    Event event;
    bool connected, selectTab, announce, sameMode;
  } steps[] = {
      {"absent at start", -1, none, Event::None, false, false, false, false},
      {"plugged in later: no announcement", 0, none, Event::Arrived, true, true, false, false},
      {"still there alone", 0, none, Event::StillThere, true, false, false, false},
      {"still there beside a mouse", 0, mouse, Event::StillThere, true, false, false, true},
      {"listed behind another device counts as gone", 1, mouse, Event::Lost, false, false, false, false},
      {"still listed second", 1, none, Event::None, false, false, false, false},
      {"back while a mouse is there: tab shown, not selected", 0, mouse, Event::Arrived, true, false,
       false, false},
  };
  HeadsetDetector detector(loader, channel);
  DebugLogCapture debug;
  for (const Step& s : steps) {
    SCOPED_TRACE(s.name);
    standin.ListHeadsetAt(s.listPosition);
    const HeadsetDetection d = detector.RunPass(s.others);
    EXPECT_EQ(s.event, d.event);
    EXPECT_EQ(s.connected, channel.IsConnected() != 0);
    EXPECT_EQ(s.selectTab, d.selectTab);
    EXPECT_EQ(s.announce, d.announce);
    EXPECT_EQ(s.sameMode, d.sameModeVisible);
  }
  EXPECT_EQ(2, debug.Count(L"star link headset device"));
  EXPECT_EQ(1, debug.Count(L"HD device lost"));
}

TEST_F(HeadsetDetectionPass, HeadsetPresentAtStartIsAnnouncedOnceAndPollsLogOnlyChanges) {
  HeadsetDetector detector(loader, channel);
  const HeadsetDetection first = detector.RunPass(OtherDevicesConnected{true, false, false});
  EXPECT_EQ(Event::Arrived, first.event);
  EXPECT_FALSE(first.selectTab) << "the keyboard keeps its tab";
  EXPECT_TRUE(first.announce);
  for (int pass = 0; pass < 5; ++pass) EXPECT_FALSE(detector.RunPass({}).announce);
  EXPECT_EQ((std::vector<std::string>{"Harkin_Search_Present_Device() -> headset"}), Calls());
}

TEST(HeadsetLossTakeOver, TheLastConnectedOtherDeviceKeepsTheWindow) {
  using Tabs = std::vector<DeviceTab>;
  const struct {
    const char* name;
    bool tabSelected;
    OtherDevicesConnected others;
    Tabs tabs;
    bool lastDeviceLost;
  } cases[] = {
      {"another page shown", false, {true, true, true}, {}, false},
      {"another page shown, nothing else", false, {}, {}, false},
      {"keyboard and mouse", true, {true, true, false}, {DeviceTab::Keyboard, DeviceTab::Mouse}, false},
      {"mouse pad only", true, {false, false, true}, {DeviceTab::MousePad}, false},
      {"nothing else", true, {}, {}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const HeadsetLossTakeOver takeOver = DecideHeadsetLossTakeOver(c.tabSelected, c.others);
    EXPECT_EQ(c.tabs, takeOver.tabs);
    EXPECT_EQ(c.lastDeviceLost, takeOver.lastDeviceLost);
  }
}
}  // namespace
