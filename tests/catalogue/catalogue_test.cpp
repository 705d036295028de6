#include <gtest/gtest.h>

#include <set>

#include "catalogue/choice_lists.h"
#include "catalogue/formats.h"
#include "catalogue/profiles.h"

using namespace catalogue;

TEST(Catalogue, HoldsFiftyOneFormatsEachWithChoicesAndProfile) {
  const auto all = AllFormats();
  ASSERT_EQ(all.size(), 51u);
  std::set<int> selectionCodes;
  for (const Entry& e : all) {
    SCOPED_TRACE(e.format->title);
    EXPECT_NE(ChoicesFor(e.formatCode()), nullptr);
    EXPECT_NE(ProfileFor(e.formatCode()), nullptr);
    EXPECT_TRUE(selectionCodes.insert(e.selectionCode()).second);
  }
}

TEST(Catalogue, ExtensionFromTitleMatchesTheProfileOfEveryFormat) {
  for (const Entry& e : AllFormats()) {
    SCOPED_TRACE(e.format->title);
    const std::string ext = ExtensionFromTitle(e.format->title);
    EXPECT_EQ(ext, ProfileFor(e.formatCode())->outputExt);
    ASSERT_GE(ext.size(), 3u);
    EXPECT_EQ(ext[0], '.');
  }
}

TEST(Catalogue, ExtensionRuleHandlesShortAndLongExtensions) {
  EXPECT_EQ(ExtensionFromTitle("RM - REAL视频格式(*.rm)"), ".rm");
  EXPECT_EQ(ExtensionFromTitle("RA - RealAudio音频格式(*.ra)"), ".ra");
  EXPECT_EQ(ExtensionFromTitle("AIFF - 音频交换文件格式(*.aiff)"), ".aiff");
  EXPECT_EQ(ExtensionFromTitle("FLAC-音频格式(*.flac)"), ".flac");
  EXPECT_EQ(ExtensionFromTitle("MP3 - MPEG Layer-3音频格式(*.mp3)"), ".mp3");
}

TEST(Catalogue, SelectionCodeDecodesBackToTheListPositionsOfEveryFormat) {
  for (const Entry& e : AllFormats()) {
    const ListPositions p = DecodeSelectionCode(e.selectionCode());
    EXPECT_EQ(p.category, e.category->position);
    EXPECT_EQ(p.format, e.format->index);
    auto found = FindBySelectionCode(e.selectionCode());
    ASSERT_TRUE(found);
    EXPECT_EQ(found->format, e.format);
  }
  EXPECT_FALSE(FindBySelectionCode(0));
  EXPECT_FALSE(FindBySelectionCode(199));  // category 1 has 15 formats, 99 none
  EXPECT_FALSE(FindBySelectionCode(-100));
}

TEST(Catalogue, CodesDifferBetweenFormatCodeTrantNumberAndSelectionCode) {
  // "高压缩MP3音频格式(*.mp3)": group 29, index 1, category 4.
  const auto e = FindBySelectionCode(501);
  ASSERT_TRUE(e);
  EXPECT_EQ(e->formatCode(), 2901);
  EXPECT_EQ(TrantNumber(e->format->group, e->format->index), 3001);
  const auto h264 = FindBySelectionCode(304);
  ASSERT_TRUE(h264);
  EXPECT_EQ(h264->category->caption, "MP4视频");
  EXPECT_EQ(h264->format->title, "MP4 H264编码视频(*.mp4)");
}

TEST(ChoiceLists, EveryDefaultLiesInsideItsList) {
  for (const Entry& e : AllFormats()) {
    const FormatChoices& c = *ChoicesFor(e.formatCode());
    for (const ChoiceAssignment& a : c.lists) {
      SCOPED_TRACE(std::string(e.format->title) + " " + std::string(a.list->name));
      EXPECT_GE(a.defaultPosition, 0);
      EXPECT_LT(a.defaultPosition, static_cast<int>(a.list->items.size()));
      EXPECT_LT(a.list->items.size(), 100u) << "positions must fit two digits";
    }
  }
}

TEST(ChoiceLists, AudioFormatsDisableTheFourVideoLists) {
  int audio = 0;
  for (const Entry& e : AllFormats()) {
    const int code = e.formatCode();
    EXPECT_TRUE(ListEnabled(code, ChoiceKind::AudioBitrate));
    EXPECT_TRUE(ListEnabled(code, ChoiceKind::SampleRate));
    for (ChoiceKind k : {ChoiceKind::Resolution, ChoiceKind::VideoBitrate, ChoiceKind::FrameRate,
                         ChoiceKind::Scaling})
      EXPECT_EQ(ListEnabled(code, k), !e.category->audio) << code;
    if (e.category->audio) {
      ++audio;
      EXPECT_TRUE(ProfileFor(code)->disableVideo);
    }
  }
  EXPECT_EQ(audio, 17);
}
