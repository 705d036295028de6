#include "catalogue/working_fields.h"

#include <cmath>
#include <cstdlib>

namespace catalogue {

namespace {

bool IsOneOf(std::string_view text, std::initializer_list<std::string_view> words) {
  for (std::string_view w : words)
    if (text == w) return true;
  return false;
}

std::string AspectFromText(std::string_view text) {
  if (text == "普通视频4:3模式") return "4:3";
  if (text == "宽屏视频16:9模式") return "16:9";
  if (text == "宽屏视频37:20模式") return "37:20";
  if (text == "宽屏视频47:20模式") return "47:20";
  return {};  // "保持原视频模式", "无视频": keep the source's
}

}  // namespace

void WorkingFields::Reset() {
  WorkingFields fresh;
  fresh.Video_AddFileName = std::move(Video_AddFileName);
  *this = std::move(fresh);
}

void WorkingFields::LoadProfile(const Profile& p) {
  Reset();
  Video_FileExt = p.fileExt;
  Video_VideoCodec = p.videoCodec;
  Video_VideoTag = p.videoTag;
  Video_FrameSize = p.frameSize;
  Video_FrameRate = p.frameRate;
  Video_FrameAspectRatio = p.frameAspectRatio;
  Video_VideoBitrate = p.videoBitrate;
  Video_AudioCodec = p.audioCodec;
  Video_AudioChannels = p.audioChannels;
  Video_AudioSampleRate = p.audioSampleRate;
  Video_AudioBitrate = p.audioBitrate;
  Video_DisableVideo = p.disableVideo;
  Video_TargetType = p.targetType;
  Video_NormType = p.normType;
}

int32_t BitrateFromText(std::string_view text) {
  if (text == "无视频") return -1000;
  std::string number(text.substr(0, text.find("kbps")));
  // Rounded, so that "7.95 kbps" gives 7950 whatever the binary fraction.
  return static_cast<int32_t>(std::lround(std::strtod(number.c_str(), nullptr) * 1000.0));
}

std::string ChoiceValue(ChoiceKind kind, std::string_view text) {
  switch (kind) {
    case ChoiceKind::Resolution:
      return IsOneOf(text, {"保持原分辨率", "该格式无视频"}) ? std::string() : std::string(text);
    case ChoiceKind::FrameRate:
      return IsOneOf(text, {"保持原帧速率", "无视频"}) ? std::string() : std::string(text);
    case ChoiceKind::VideoBitrate:
    case ChoiceKind::AudioBitrate:
      return std::to_string(BitrateFromText(text));
    case ChoiceKind::SampleRate:
      return std::string(text);
    case ChoiceKind::Scaling:
      return AspectFromText(text);
  }
  return {};
}

void WorkingFields::ApplyChoice(ChoiceKind kind, std::string_view text) {
  switch (kind) {
    case ChoiceKind::Resolution: Video_FrameSize = ChoiceValue(kind, text); break;
    case ChoiceKind::FrameRate: Video_FrameRate = ChoiceValue(kind, text); break;
    case ChoiceKind::VideoBitrate: Video_VideoBitrate = BitrateFromText(text); break;
    case ChoiceKind::AudioBitrate: Video_AudioBitrate = BitrateFromText(text); break;
    case ChoiceKind::SampleRate: Video_AudioSampleRate = ChoiceValue(kind, text); break;
    case ChoiceKind::Scaling: Video_FrameAspectRatio = ChoiceValue(kind, text); break;
  }
}

}  // namespace catalogue
