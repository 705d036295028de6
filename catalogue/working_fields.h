// The working fields: the settings of the format currently chosen, from which
// a file's queue entry and records are built when it is added. The profile of
// a format fills them; the six choice lists then override six of them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "catalogue/choice_lists.h"
#include "catalogue/profiles.h"

namespace catalogue {

struct WorkingFields {
  std::string Video_AddFileName;  // not reset
  std::string Video_OutPutFileName;
  std::string Video_FileExt;
  std::string Video_VideoCodec;
  std::string Video_AudioCodec;  // "AUTO" = the container's default
  std::string Video_VideoTag;
  std::string Video_AudioChannels;
  std::string Video_AudioSampleRate;  // "AUTO" or empty = as the source
  std::string Video_FrameSize;        // "320*240"; empty = as the source
  std::string Video_FrameRate;
  std::string Video_FrameAspectRatio;
  std::string Video_VideoFilters;
  std::string Video_FileFormat;
  std::string Video_TargetType;  // "vcd", "svcd", "dvd" or empty
  std::string Video_NormType;    // "PAL", "NTSC" or empty
  std::string Video_AudioVolume = "256";
  int32_t Video_VideoBitrate = -1;  // -1 not set, -1000 left to the engine
  int32_t Video_AudioBitrate = -1;  // -1 not set, -1000/-2000 left to the engine
  bool Video_DisableVideo = false;

  // Every field back to its reset value, except Video_AddFileName.
  void Reset();
  // Reset, then the profile's values. Video_OutPutFileName is left empty:
  // the output path is the queue's business.
  void LoadProfile(const Profile& profile);
  // Interprets a choice list's shown text into its working field.
  void ApplyChoice(ChoiceKind kind, std::string_view shownText);
};

// The value a choice list's shown text stands for, as text for the queue
// column ("1280*720", "", "816000", "7400", "44100", "16:9").
std::string ChoiceValue(ChoiceKind kind, std::string_view shownText);

// "816 kbps" -> 816000, "7.4 kbps" -> 7400, "无视频" -> -1000.
int32_t BitrateFromText(std::string_view shownText);

}  // namespace catalogue
