#include "queue/records.h"

#include <charconv>

namespace queue {

namespace {

// Working fields hold numbers as text; a text that is not a whole number
// leaves the record's value as it was.
void SetNumber(int32_t& field, const std::string& text) {
  int32_t value = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec == std::errc() && ptr == end) field = value;
}

}  // namespace

void ApplyVideoCodecRule(TOutputOptions& out, std::string_view codec) {
  if (codec.empty()) return;
  out.VideoCodec = codec;
  out.VideoPreset = codec == "libx264" ? "libx264-default" : "";
}

TOptionTargetType TargetTypeFromText(std::string_view text) {
  if (text == "vcd") return TOptionTargetType::ttVCD;
  if (text == "svcd") return TOptionTargetType::ttSVCD;
  if (text == "dvd") return TOptionTargetType::ttDVD;
  return TOptionTargetType::ttIgnore;
}

TOptionNormType NormTypeFromText(std::string_view text) {
  if (text == "PAL") return TOptionNormType::ntPAL;
  if (text == "NTSC") return TOptionNormType::ntNTSC;
  return TOptionNormType::ntAuto;
}

TOutputOptions OutputOptionsFromWorkingFields(const catalogue::WorkingFields& w) {
  TOutputOptions o = InitOutputOptions();
  ApplyVideoCodecRule(o, w.Video_VideoCodec);
  if (!w.Video_AudioCodec.empty() && w.Video_AudioCodec != "AUTO") o.AudioCodec = w.Video_AudioCodec;
  if (!w.Video_FrameRate.empty()) o.FrameRate = w.Video_FrameRate;
  if (!w.Video_FrameSize.empty()) o.FrameSize = w.Video_FrameSize;
  if (!w.Video_FrameAspectRatio.empty()) o.FrameAspectRatio = w.Video_FrameAspectRatio;
  if (!w.Video_FileFormat.empty()) o.FileFormat = w.Video_FileFormat;
  if (!w.Video_VideoFilters.empty()) o.VideoFilters = w.Video_VideoFilters;
  if (!w.Video_VideoTag.empty()) o.VideoTag = w.Video_VideoTag;
  o.DisableVideo = w.Video_DisableVideo;
  if (!w.Video_AudioChannels.empty()) SetNumber(o.AudioChannels, w.Video_AudioChannels);
  if (!w.Video_AudioSampleRate.empty() && w.Video_AudioSampleRate != "AUTO")
    SetNumber(o.AudioSampleRate, w.Video_AudioSampleRate);
  o.TargetType = TargetTypeFromText(w.Video_TargetType);
  o.NormType = NormTypeFromText(w.Video_NormType);
  if (w.Video_AudioVolume == "256")
    o.AudioVolume = 256;
  else
    SetNumber(o.AudioVolume, w.Video_AudioVolume);
  if (w.Video_AudioBitrate != -1000 && w.Video_AudioBitrate != -2000) o.AudioBitrate = w.Video_AudioBitrate;
  if (w.Video_VideoBitrate != -1000) o.VideoBitrate = w.Video_VideoBitrate;
  return o;
}

}  // namespace queue
