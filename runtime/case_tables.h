#ifndef PELLORA_RUNTIME_CASE_TABLES_H_
#define PELLORA_RUNTIME_CASE_TABLES_H_

#include <cstddef>
#include <cstdint>

namespace pellora {

// Code points `first` to `last`, every one or every other one (`stride` 1 or 2), that a case
// mapping moves by `delta`. Each table is sorted and its ranges do not overlap.
struct CaseRange {
  uint32_t first;
  uint32_t last;
  int32_t delta;
  uint32_t stride;
};

// Unicode's simple case folding and simple upper- and lower-case mappings (case_tables.cc,
// written by scripts/case-tables).
extern const CaseRange kFoldRanges[];
extern const size_t kFoldRangesSize;
extern const CaseRange kUpperRanges[];
extern const size_t kUpperRangesSize;
extern const CaseRange kLowerRanges[];
extern const size_t kLowerRangesSize;

}  // namespace pellora

#endif  // PELLORA_RUNTIME_CASE_TABLES_H_
