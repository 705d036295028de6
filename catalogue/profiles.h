// The encoding profile of every format: the working-field values that loading
// the format gives before any choice is applied. Pure data; no Qt.
#pragma once

#include <cstdint>
#include <string_view>

namespace catalogue {

struct Profile {
  int formatCode;
  std::string_view outputExt;  // extension of the output file name
  std::string_view fileExt;    // Video_FileExt, handed to the engine
  std::string_view videoCodec;
  std::string_view videoTag;
  std::string_view frameSize;
  std::string_view frameRate;
  std::string_view frameAspectRatio;
  int32_t videoBitrate;  // -1 not set, -1000 left to the engine
  std::string_view audioCodec;
  std::string_view audioChannels;
  std::string_view audioSampleRate;
  int32_t audioBitrate;
  bool disableVideo;
  std::string_view targetType;  // "vcd", "svcd", "dvd" or empty
  std::string_view normType;    // "PAL" or empty
};

// nullptr for a code the catalogue lacks.
const Profile* ProfileFor(int formatCode);

}  // namespace catalogue
