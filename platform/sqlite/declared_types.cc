#include "platform/sqlite/declared_types.h"

#include <charconv>
#include <string>

#include "platform/tsql/tsql_column_types.h"
#include "runtime/text.h"

namespace pellora::sqlite {

using tsql::TypeFromName;

namespace {

// nvarchar(max) and its kin report as the long type of their family.
ColumnType LongType(int ado_type) {
  switch (ado_type) {
    case adVarWChar:
    case adWChar:
      return {adLongVarWChar, kLongUnicodeSize};
    case adVarChar:
    case adChar:
      return {adLongVarChar, kLongTextSize};
    default:
      return {adLongVarBinary, kLongTextSize};
  }
}

}  // namespace

ColumnType ColumnTypeFromDeclared(std::string_view declared) {
  std::string text;
  for (char c : declared) {
    if (c != '[' && c != ']') text += c;
  }
  const auto start = text.find_first_not_of(" \t\r\n");
  if (start == std::string::npos) return {};
  const auto name_end = std::min(text.size(), text.find_first_of(" \t\r\n(", start));
  const std::string name = text.substr(start, name_end - start);
  // An identity column is declared as SQLite's auto-numbered key.
  if (UCase(name) == "INTEGER") return TypeFromName("int");

  // A text or binary type without a length holds one character, as SQL Server declares it.
  long length = 1;
  const auto open = text.find_first_not_of(" \t\r\n", name_end);
  if (open != std::string::npos && text[open] == '(') {
    const auto digits = std::min(text.size(), text.find_first_not_of(" \t", open + 1));
    const char* first = text.data() + digits;
    const auto [end, error] = std::from_chars(first, text.data() + text.size(), length);
    // (max), which SQLite's grammar lets through only as a number such as (-1).
    if (error != std::errc() || end == first || length < 0) length = 0;
  }
  const ColumnType type = TypeFromName(name, length);
  if (type.ado_type != adEmpty && type.defined_size == 0) return LongType(type.ado_type);
  return type;
}

long TypeAttributes(int ado_type) {
  switch (ado_type) {
    case adLongVarWChar:
    case adLongVarChar:
    case adLongVarBinary:
      return adFldLong;
    case adVarWChar:
    case adVarChar:
    case adVarBinary:
    case adEmpty:
      return 0;
    default:
      return adFldFixed;
  }
}

}  // namespace pellora::sqlite
