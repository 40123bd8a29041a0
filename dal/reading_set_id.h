#ifndef PELLORA_DAL_READING_SET_ID_H_
#define PELLORA_DAL_READING_SET_ID_H_

#include <optional>
#include <string>
#include <string_view>

namespace pellora {

// A reading set as the chooser names it: its terminal and its sync stamp.
struct ReadingSetId {
  std::string terminal;
  std::string sync;
};

// Splits the Id "TERMINAL|SYNC" that the chooser lists where the sync stamp begins: when the Id
// ends with a bar and 14 digits (yyyymmddhhmmss), the terminal is everything before that bar,
// bars included; otherwise the Id splits at its bars, the terminal before the first and the sync
// between the first and the second. nullopt when the Id holds no bar.
std::optional<ReadingSetId> SplitReadingSetId(std::string_view id);

}  // namespace pellora

#endif  // PELLORA_DAL_READING_SET_ID_H_
