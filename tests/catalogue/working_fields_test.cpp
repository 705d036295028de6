#include <gtest/gtest.h>

#include "catalogue/choice_lists.h"
#include "catalogue/formats.h"
#include "catalogue/profiles.h"
#include "catalogue/working_fields.h"

using namespace catalogue;

TEST(WorkingFields, ResetKeepsTheFileBeingAdded) {
  WorkingFields w;
  w.Video_AddFileName = "/in/a.wav";
  w.Video_VideoCodec = "mpeg4";
  w.Video_AudioVolume = "128";
  w.Video_VideoBitrate = 5;
  w.Video_DisableVideo = true;
  w.Reset();
  EXPECT_EQ(w.Video_AddFileName, "/in/a.wav");
  EXPECT_EQ(w.Video_VideoCodec, "");
  EXPECT_EQ(w.Video_AudioVolume, "256");
  EXPECT_EQ(w.Video_VideoBitrate, -1);
  EXPECT_FALSE(w.Video_DisableVideo);
}

TEST(WorkingFields, AudioProfileHasNoVideoAndDiscProfileLeavesRatesToTheEngine) {
  WorkingFields w;
  w.Video_FrameSize = "stale";
  w.LoadProfile(*ProfileFor(100));
  EXPECT_TRUE(w.Video_DisableVideo);
  EXPECT_EQ(w.Video_VideoBitrate, -1);
  EXPECT_EQ(w.Video_FrameSize, "");
  EXPECT_EQ(w.Video_AudioCodec, "libmp3lame");

  w.LoadProfile(*ProfileFor(11));  // DVD
  EXPECT_FALSE(w.Video_DisableVideo);
  EXPECT_EQ(w.Video_VideoCodec, "");
  EXPECT_EQ(w.Video_VideoBitrate, -1000);
  EXPECT_EQ(w.Video_AudioBitrate, -1000);
  EXPECT_EQ(w.Video_TargetType, "dvd");
  EXPECT_EQ(w.Video_NormType, "PAL");
  EXPECT_EQ(w.Video_FileExt, "");
}

TEST(WorkingFields, ChoiceTextsBecomeFieldValues) {
  struct Case {
    ChoiceKind kind;
    const char* text;
    const char* value;
  } cases[] = {
      {ChoiceKind::Resolution, "保持原分辨率", ""},
      {ChoiceKind::Resolution, "该格式无视频", ""},
      {ChoiceKind::Resolution, "1280*720", "1280*720"},
      {ChoiceKind::FrameRate, "保持原帧速率", ""},
      {ChoiceKind::FrameRate, "无视频", ""},
      {ChoiceKind::FrameRate, "29.97", "29.97"},
      {ChoiceKind::VideoBitrate, "无视频", "-1000"},
      {ChoiceKind::VideoBitrate, "816 kbps", "816000"},
      {ChoiceKind::AudioBitrate, "128 kbps", "128000"},
      {ChoiceKind::AudioBitrate, "7.4 kbps", "7400"},
      {ChoiceKind::SampleRate, "44100", "44100"},
      {ChoiceKind::Scaling, "保持原视频模式", ""},
      {ChoiceKind::Scaling, "无视频", ""},
      {ChoiceKind::Scaling, "普通视频4:3模式", "4:3"},
      {ChoiceKind::Scaling, "宽屏视频16:9模式", "16:9"},
      {ChoiceKind::Scaling, "宽屏视频37:20模式", "37:20"},
      {ChoiceKind::Scaling, "宽屏视频47:20模式", "47:20"},
  };
  for (const Case& c : cases) EXPECT_EQ(ChoiceValue(c.kind, c.text), c.value) << c.text;
}

TEST(WorkingFields, EveryBitRateItemOfEveryListGivesWholeBitsPerSecond) {
  for (const Entry& e : AllFormats()) {
    const FormatChoices& c = *ChoicesFor(e.formatCode());
    for (ChoiceKind k : {ChoiceKind::VideoBitrate, ChoiceKind::AudioBitrate})
      for (std::string_view item : c[k].list->items) {
        const int32_t bps = BitrateFromText(item);
        if (item == "无视频") {
          EXPECT_EQ(bps, -1000);
          continue;
        }
        EXPECT_GT(bps, 0) << item;
        EXPECT_EQ(std::to_string(bps / 1000.0).substr(0, 1), std::string(item.substr(0, 1)));
      }
  }
  EXPECT_EQ(BitrateFromText("4.75 kbps"), 4750);
  EXPECT_EQ(BitrateFromText("7.95 kbps"), 7950);
  EXPECT_EQ(BitrateFromText("12.2 kbps"), 12200);
}

TEST(WorkingFields, ApplyChoiceWritesOnlyItsOwnField) {
  WorkingFields w;
  w.LoadProfile(*ProfileFor(0));
  w.ApplyChoice(ChoiceKind::Resolution, "640*480");
  w.ApplyChoice(ChoiceKind::VideoBitrate, "1200 kbps");
  w.ApplyChoice(ChoiceKind::Scaling, "宽屏视频16:9模式");
  EXPECT_EQ(w.Video_FrameSize, "640*480");
  EXPECT_EQ(w.Video_VideoBitrate, 1200000);
  EXPECT_EQ(w.Video_FrameAspectRatio, "16:9");
  EXPECT_EQ(w.Video_FrameRate, "25");
  EXPECT_EQ(w.Video_VideoTag, "XVID");
}
