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

// Loads `rows` into a closed recordset whose fields are already appended, and opens it.
inline void LoadAndOpen(Recordset& recordset, std::initializer_list<std::vector<Variant>> rows) {
  for (const auto& row : rows) recordset.LoadRow(row);
  recordset.Open();
}

// The current row's values (those of `fields`, or all) as text joined by '|', NULL as "NULL"; ""
// when there is no row.
inline std::string RowText(Recordset& recordset, const std::vector<std::string_view>& fields = {}) {
  std::string text;
  if (recordset.Eof()) return text;
  for (size_t i = 0; i < (fields.empty() ? recordset.FieldCount() : fields.size()); ++i) {
    const Variant value = (fields.empty() ? recordset.Fields(i) : recordset[fields[i]]).Value();
    text += (i == 0 ? "" : "|") + (value.IsNull() ? std::string("NULL") : CStr(value));
  }
  return text;
}

// The visible rows from the first, each as its RowText; leaves the cursor at EOF.
inline std::vector<std::string> Rows(Recordset& recordset,
                                     const std::vector<std::string_view>& fields = {}) {
  std::vector<std::string> rows;
  if (recordset.RecordCount() == 0) return rows;
  for (recordset.MoveFirst(); !recordset.Eof(); recordset.MoveNext())
    rows.push_back(RowText(recordset, fields));
  return rows;
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
