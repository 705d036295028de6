// The engine's option records: what a caller hands to AddTask and
// SetOutputFile. Plain values, copied freely; a task keeps its own copy.
#pragma once

#include <cstdint>
#include <string>

// FFmpeg's "no time stamp" value (AV_NOPTS_VALUE), spelled out so that this
// header does not pull in the FFmpeg headers.
inline constexpr int64_t kNoTimestamp = INT64_MIN;

enum class TOptionTargetType { ttIgnore = 0, ttVCD = 1, ttSVCD = 2, ttDVD = 3 };
enum class TOptionNormType { ntAuto = 0, ntPAL = 1, ntNTSC = 2 };
enum class TOptionNormDefault { ntPAL = 0, ntNTSC = 1 };

// Metadata written to the output; unset values (-1, empty) are not written.
struct TMetadataInfo {
  double TimeStamp = -1.0;  // date-time as days since 1899-12-30, -1 = unset
  int32_t Year = -1;
  int32_t Track = -1;
  std::string Title;
  std::string Author;
  std::string Copyright;
  std::string Comment;
  std::string Album;
  std::string Genre;
};

struct TInputOptions {
  std::string FileName;    // filled from AddTask's file argument when empty
  std::string FileFormat;  // forced input format; empty = detect
  int64_t TimeStart = kNoTimestamp;  // start offset, microseconds
  int32_t ProgramID = -1;            // -1 = all programs
  std::string ExtOptions;
  int32_t Tag = 0;
  void* Data = nullptr;
};

// All texts are UTF-8. Numbers follow the engine's convention: a bit rate or
// limit is applied only when positive, -1 means "not set".
struct TOutputOptions {
  std::string FileName;    // filled from SetOutputFile's file argument when empty
  std::string FileExt;     // informational, not used for file output
  std::string FileFormat;  // forced container; empty = from the extension
  int32_t PacketSize = -1;
  int32_t MuxRate = -1;
  float MuxDelay = -1.0f;    // seconds; negative = not set
  float MuxPreload = -1.0f;  // seconds; negative = not set

  std::string AudioCodec;  // empty = the container's default
  std::string AudioPreset;
  bool DisableAudio = false;
  int32_t AudioVolume = -1;  // 256 = unchanged; <= 0 = not set
  int32_t AudioChannels = -1;
  int32_t AudioSampleRate = -1;
  int32_t AudioBitrate = -1;
  int32_t AudioBitRateTolerance = -1;
  std::string AudioLanguage;  // the queue keeps its pair mark here
  int32_t AudioSyncMethod = 0;
  std::string AudioTag;

  std::string VideoCodec;   // empty = the container's default
  std::string VideoPreset;  // built-in preset name or a preset file
  bool DisableVideo = false;
  std::string FrameRate;         // empty = as the source
  std::string FrameSize;         // FFmpeg frame-size text; empty = as the source
  std::string FrameAspectRatio;  // display aspect; empty = as the source
  int32_t CropTop = -1;
  int32_t CropBottom = -1;
  int32_t CropLeft = -1;
  int32_t CropRight = -1;
  int32_t GroupPictureSize = -1;  // key-frame interval
  int32_t VideoBitrate = -1;
  int32_t VideoMaxRate = -1;
  int32_t VideoMinRate = -1;
  int32_t VideoBitRateTolerance = -1;
  int32_t VideoBufSize = -1;
  int32_t VideoSyncMethod = -1;
  std::string VideoTag;
  std::string VideoFilters;  // filter-chain text
  std::string VideoLanguage;

  std::string SubtitleCodec;
  std::string SubtitlePreset;
  bool DisableSubtitle = false;
  std::string SubtitleLanguage;

  bool InputSync = false;
  bool CopyTimestamp = false;
  int64_t TimeStart = kNoTimestamp;   // microseconds
  int64_t TimeLength = kNoTimestamp;  // microseconds; no time stamp = whole input
  TMetadataInfo Info;

  TOptionTargetType TargetType = TOptionTargetType::ttIgnore;
  TOptionNormType NormType = TOptionNormType::ntAuto;
  TOptionNormDefault NormDefault = TOptionNormDefault::ntPAL;

  bool CustomHook = false;
  bool Join = false;
  std::string ExtOptions;
  int32_t Tag = 0;
  void* Data = nullptr;
};

// Records as the engine initialises them; the same as value-initialising.
inline TInputOptions InitInputOptions() { return TInputOptions{}; }
inline TOutputOptions InitOutputOptions() { return TOutputOptions{}; }
