#ifndef PELLORA_TESTS_PARAMETER_COLUMNS_H_
#define PELLORA_TESTS_PARAMETER_COLUMNS_H_

#include <string>
#include <string_view>

namespace pellora::testing {

// The columns of the import parameters table after its ID, in table order.
inline constexpr const char* kParameterColumns[] = {
    "LBXFORNBRAGA", "LBXARMAZEM",   "LBXENCFORDOC", "LBXENCFORSER", "LBXENCFORSEC", "LBXCOMFORDOC",
    "LBXCOMFORSER", "LBXCOMFORSEC", "LBXTPDOCPART", "LBXSERIEPART", "BRGCLILISBOA", "BRGARMAZEM",
    "BRGENCCLIDOC", "BRGENCCLISER", "BRGENCCLISEC", "BRGTPDOCPART", "BRGSERIEPART", "INVENTDOC",
    "INVENTSER",    "INVENTSEC",    "QUEBRADOC",    "QUEBRASER",    "QUEBRASEC",    "SOBRADOC",
    "SOBRASER",     "SOBRASEC",     "TRANSFDOC",    "TRANSFSER",    "TRANSFSEC"};

// The nine series columns, integers in the table's earlier layout.
inline bool IsSeriesColumn(std::string_view column) {
  return column.find("SER") != std::string_view::npos;
}

// An INSERT of one parameters row: `value(column)` gives each column's SQL literal.
template <typename Value>
std::string ParametersInsert(Value value) {
  std::string columns, values;
  for (const char* column : kParameterColumns) {
    columns += std::string(columns.empty() ? "" : ", ") + column;
    values += std::string(values.empty() ? "" : ", ") + value(std::string(column));
  }
  return "INSERT INTO oru_PARAMETROSEXP (" + columns + ") VALUES (" + values + ")";
}

}  // namespace pellora::testing

#endif  // PELLORA_TESTS_PARAMETER_COLUMNS_H_
