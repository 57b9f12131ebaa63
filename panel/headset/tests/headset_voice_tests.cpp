#include "headset_voice.h"

#include <cstring>

#include "headset_test_fixture.h"

namespace {
using HeadsetVoice_ = HeadsetCoreTest;

TEST_F(HeadsetVoice_, SpeakerBlockEntriesAreTheSliderValuesScaledInDoublePrecision) {
  Virtual7ch1Params block{};
  SetVirtualSpeaker(block, 2, 50, 25);
  SetVirtualSpeaker(block, 8, 99, 99);  // no such speaker: nothing changes
  SetVirtualSpeaker(block, -1, 99, 99);

  unsigned char bytes[sizeof block];
  memcpy(bytes, &block, sizeof block);
  const float distance = 0.85f, angle = 1.57f;
  EXPECT_EQ(0, memcmp(bytes + 4 + 2 * 4, &distance, 4));
  EXPECT_EQ(0, memcmp(bytes + 36 + 2 * 4, &angle, 4));
  for (int i = 0; i < 8; ++i) {
    if (i == 2) continue;
    EXPECT_EQ(0.0f, block.distance[i]);
    EXPECT_EQ(0.0f, block.angle[i]);
  }

  loader.Harkin_SetVirtual7ch1(&block);
  const Virtual7ch1Params received = standin.LastVirtualBlock();
  EXPECT_EQ(0, memcmp(&block, &received, sizeof block)) << "68 bytes as the library reads them";
}

TEST_F(HeadsetVoice_, ApplyingARecordSendsTheTenCallsInOrder) {
  HeadsetVoiceState voice{};
  voice.left = 11;
  voice.right = 22;
  voice.master = 33;
  voice.micVolume = 44;
  voice.virtualOn = 1;
  voice.distance[7] = 100;
  voice.angle[7] = 100;
  voice.selectedScene = 4;
  voice.scenes[4] = HeadsetSoundScene{1, 1, 3, {}};
  voice.noiseCancelling = 1;
  FillVirtual7ch1Params(voice, HeadsetVirtualBlock);
  SendHeadsetVoiceSettings(loader, voice, HeadsetVirtualBlock);

  EXPECT_EQ((std::vector<std::string>{
                "Harkin_SetSpeakerChannelVolume(11, 22)",
                "Harkin_SetSpeakerMasterVolume(33)",
                "Harkin_SetMicVolume(44)",
                "Harkin_SetVirtual7ch1(0; distance 0 0 0 0 0 0 0 1.7; angle 0 0 0 0 0 0 0 6.28)",
                "Harkin_SetVirtual7ch1_OnOff(1)",
                "Harkin_SetSoundField(3)",
                "Harkin_SetSoundField_OnOff(1)",
                "Harkin_Config3D_ById(0)",
                "Harkin_Set3D_OnOff_ById(1, 0)",
                "Harkin_SetEncOnOff(1)",
            }),
            Calls());
}

TEST_F(HeadsetVoice_, MagicVoiceLevelsExistForTheFourEffectsOnly) {
  const struct {
    int effect;
    bool exists;
    int level;
  } cases[] = {{0, true, -6}, {1, true, 6}, {2, true, -3}, {3, true, 3}, {4, false, 0}, {-1, false, 0}};
  for (const auto& c : cases) {
    int level = 0;
    EXPECT_EQ(c.exists, HeadsetMagicLevel(c.effect, level)) << c.effect;
    EXPECT_EQ(c.level, level) << c.effect;
  }
}
}  // namespace
