#ifndef PELLORA_TESTS_RUNTIME_RECORDSET_TESTING_H_
#define PELLORA_TESTS_RUNTIME_RECORDSET_TESTING_H_

#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "runtime/convert.h"
#include "runtime/recordset.h"
#include "tests/runtime/error_number_of.h"

namespace pellora {

// Lets failed expectations show values readably.
inline void PrintTo(const Variant& value, std::ostream* out) {
  *out << "VarType " << static_cast<int>(value.type());
  if (!value.IsNull() && value.type() != VarType::kByteArray) *out << " \"" << CStr(value) << '"';
}

}  // namespace pellora

namespace pellora::testing {

using ::pellora::ErrorNumberOf;

// Loads `rows` into a closed recordset whose fields are already appended, and opens it.
inline void LoadAndOpen(Recordset& recordset, std::initializer_list<std::vector<Variant>> rows) {
  for (const auto& row : rows) recordset.LoadRow(row);
  recordset.Open();
}

// The values of one field over the visible rows, from the first; leaves the cursor at EOF.
inline std::vector<Variant> Column(Recordset& recordset, std::string_view field) {
  std::vector<Variant> values;
  if (recordset.RecordCount() == 0) return values;
  for (recordset.MoveFirst(); !recordset.Eof(); recordset.MoveNext())
    values.push_back(recordset[field].Value());
  return values;
}

// The current row's values as text joined by '|', NULL as "NULL"; "" when there is no row.
inline std::string RowText(Recordset& recordset) {
  std::string text;
  if (recordset.Eof()) return text;
  for (size_t i = 0; i < recordset.FieldCount(); ++i) {
    const Variant value = recordset.Fields(i).Value();
    text += (i == 0 ? "" : "|") + (value.IsNull() ? std::string("NULL") : CStr(value));
  }
  return text;
}

// Where the cursor is: "BOF", "EOF" (both on an empty recordset) or the current row's `field`,
// then "@" and the absolute position.
inline std::string Where(Recordset& recordset, std::string_view field) {
  const bool off = recordset.Bof() || recordset.Eof();
  return std::string(recordset.Bof() ? "BOF" : "") + (recordset.Eof() ? "EOF" : "") +
         (off ? "" : CStr(recordset[field].Value())) + "@" +
         std::to_string(recordset.AbsolutePosition());
}

}  // namespace pellora::testing

#endif  // PELLORA_TESTS_RUNTIME_RECORDSET_TESTING_H_
