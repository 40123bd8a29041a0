#include "platform/postgres/pg_schema_info.h"

#include "platform/postgres/pg_column_type.h"
#include "platform/postgres/postgres_types.h"
#include "runtime/convert.h"
#include "runtime/text.h"

namespace pellora::postgres {
namespace {

// Each column's name, SQL Server type, server type and place in the primary key (NULL when
// outside it), in key order.
constexpr const char* kColumnsQuery =
    "SELECT a.attname, col_description(a.attrelid, a.attnum), a.atttypid::integer, a.atttypmod,"
    " array_position(k.indkey::int2[], a.attnum) AS key_place"
    " FROM pg_catalog.pg_attribute a"
    " LEFT JOIN pg_catalog.pg_index k ON k.indrelid = a.attrelid AND k.indisprimary"
    " WHERE a.attrelid = to_regclass(quote_ident($1)) AND a.attnum > 0 AND NOT a.attisdropped"
    " ORDER BY key_place";

}  // namespace

std::optional<tsql::ColumnType> PgSchemaInfo::ColumnTypeOf(std::string_view table,
                                                           std::string_view column) const {
  const auto& columns = Table(table).columns;
  const auto found = columns.find(UCase(column));
  if (found == columns.end()) return std::nullopt;
  return found->second;
}

std::vector<std::string> PgSchemaInfo::KeyOf(std::string_view table) const {
  return Table(table).key;
}

const PgSchemaInfo::TableInfo& PgSchemaInfo::Table(std::string_view table) const {
  const std::string name = UCase(table);
  if (const auto found = tables_.find(name); found != tables_.end()) return found->second;
  TableInfo& info = tables_[name];
  RecordsetPtr rows = connection_.Run(kColumnsQuery, {Variant(FoldedName(std::string(table)))});
  for (; !rows->Eof(); rows->MoveNext()) {
    const std::string column = CStr(rows->Fields(size_t{0}).Value());
    const Variant comment = rows->Fields(size_t{1}).Value();
    PgColumnType type;
    if (!comment.IsNull()) type = tsql::ColumnTypeFromDeclared(CStr(comment));
    if (type.ado_type == adEmpty) {
      type = ColumnTypeOfOid(static_cast<Oid>(CLng(rows->Fields(size_t{2}).Value())),
                             CLng(rows->Fields(size_t{3}).Value()));
    }
    info.columns[UCase(column)] = type;
    if (!rows->Fields(size_t{4}).Value().IsNull()) info.key.push_back(column);
  }
  return info;
}

}  // namespace pellora::postgres
