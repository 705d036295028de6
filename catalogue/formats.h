// The output catalogue: five categories, each standing for one format group,
// and the formats of each group. Pure data with lookups; no Qt.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace catalogue {

struct Category {
  int position;
  std::string_view caption;
  int icon;   // icon number; equals the group number
  int group;  // format group this category stands for
  bool audio; // its formats have no video
};

struct Format {
  int group;
  int index;  // position in its group and in the format list
  std::string_view title;
  std::string_view description;
};

// The five categories in list order.
std::span<const Category> Categories();
const Category* CategoryAt(int position);
// Group of a category position; -1 when there is no such category.
int GroupOfCategory(int position);

// The formats of a group in list order; empty for a group the catalogue lacks.
std::span<const Format> FormatsOfGroup(int group);
const Format* FindFormat(int group, int index);

// group x 100 + index: the key of the choice-list and profile tables.
constexpr int FormatCode(int group, int index) { return group * 100 + index; }
// The value kept in All_Trant_Number: format code + 100.
constexpr int TrantNumber(int group, int index) { return FormatCode(group, index) + 100; }
// (category position + 1) x 100 + format index: kept in the queue column.
constexpr int SelectionCode(int category, int index) { return (category + 1) * 100 + index; }

struct ListPositions {
  int category;
  int format;
};
// r = code / 100 rounded (ties to even, as the original did); category r - 1,
// format code - 100 r. Positions may name no format; callers check.
ListPositions DecodeSelectionCode(int code);

// The output extension from a title ending "(*.ext)": ".mp3", ".rm", ".flac".
std::string ExtensionFromTitle(std::string_view title);

// Every format with its category, in catalogue order (category 0 first).
struct Entry {
  const Category* category;
  const Format* format;
  int formatCode() const { return FormatCode(format->group, format->index); }
  int selectionCode() const { return SelectionCode(category->position, format->index); }
};
std::vector<Entry> AllFormats();
// The entry of a selection code, if it names a format.
std::optional<Entry> FindBySelectionCode(int code);
// The entry of a format code, if it names a format reachable from a category.
std::optional<Entry> FindByFormatCode(int code);

}  // namespace catalogue
