// The six choice lists of each format: which items they offer and which one
// they show first. Pure data; no Qt.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace catalogue {

// In the order the lists are refilled.
enum class ChoiceKind { Resolution, VideoBitrate, FrameRate, AudioBitrate, SampleRate, Scaling };
inline constexpr int kChoiceKinds = 6;

// The order of the six two-digit fields in a queue entry's choice string.
inline constexpr std::array<ChoiceKind, 6> kChoiceStringOrder = {
    ChoiceKind::Resolution, ChoiceKind::VideoBitrate, ChoiceKind::AudioBitrate,
    ChoiceKind::Scaling,    ChoiceKind::FrameRate,    ChoiceKind::SampleRate};

struct ChoiceList {
  std::string_view name;  // "R1", "V4", ...
  std::span<const std::string_view> items;
};

struct ChoiceAssignment {
  const ChoiceList* list;
  int defaultPosition;
};

struct FormatChoices {
  int formatCode;
  std::array<ChoiceAssignment, kChoiceKinds> lists;  // indexed by ChoiceKind
  const ChoiceAssignment& operator[](ChoiceKind k) const { return lists[static_cast<int>(k)]; }
};

// nullptr for a code the catalogue lacks.
const FormatChoices* ChoicesFor(int formatCode);
// Audio formats disable the resolution, video-bit-rate, frame-rate and
// scaling lists.
bool ListEnabled(int formatCode, ChoiceKind kind);

}  // namespace catalogue
