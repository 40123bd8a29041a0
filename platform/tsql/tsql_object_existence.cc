#include "platform/tsql/tsql_object_existence.h"

#include <vector>

#include "platform/tsql/tsql_error.h"

namespace pellora::tsql {
namespace {

bool ReadsSysObjects(ItemSpan select) {
  size_t from = FindWord(select, "FROM");
  if (from == select.size()) return false;
  size_t pos = from + 1;
  std::vector<std::string> table = ReadDottedName(select, pos);
  return table.size() == 2 && EqualsNoCase(table[0], "sys") && EqualsNoCase(table[1], "objects");
}

// The last part of the name that OBJECT_ID('[dbo].[t]') is given: t.
std::optional<std::string> ObjectIdName(ItemSpan select) {
  size_t call = FindWord(select, "OBJECT_ID");
  while (call + 1 < select.size() && !select[call + 1].is_group) {
    call = FindWord(select, "OBJECT_ID", call + 1);
  }
  if (call + 1 >= select.size()) return std::nullopt;
  const Items& arguments = select[call + 1].children;
  if (arguments.empty() || arguments[0].token.kind != TokenKind::kString) return std::nullopt;
  Items name_items = BuildItems(Tokenize(arguments[0].token.text));
  size_t pos = 0;
  std::vector<std::string> name = ReadDottedName(name_items, pos);
  if (name.empty()) return std::nullopt;
  return name.back();
}

}  // namespace

std::optional<std::string> ExistenceQueryTable(ItemSpan select) {
  if (!ReadsSysObjects(select)) return std::nullopt;
  std::optional<std::string> table = ObjectIdName(select);
  if (!table)
    RaiseUnsupportedByEngine("Consulta a sys.objects sem OBJECT_ID(N'nome') não é suportada");
  return table;
}

}  // namespace pellora::tsql
