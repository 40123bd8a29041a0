#include "platform/postgres/pg_schema_info.h"

#include "platform/postgres/pg_column_type.h"
#include "platform/postgres/postgres_types.h"
#include "runtime/convert.h"
#include "runtime/text.h"

namespace pellora::postgres {
namespace {

constexpr const char* kColumnsQuery =
    "SELECT a.attname, col_description(a.attrelid, a.attnum), a.atttypid::integer, a.atttypmod"
    " FROM pg_catalog.pg_attribute a"
    " WHERE a.attrelid = to_regclass(quote_ident($1)) AND a.attnum > 0 AND NOT a.attisdropped";

}  // namespace

std::optional<tsql::ColumnType> PgSchemaInfo::ColumnTypeOf(std::string_view table,
                                                           std::string_view column) const {
  const Columns& columns = Table(table);
  const auto found = columns.find(UCase(column));
  if (found == columns.end()) return std::nullopt;
  return found->second;
}

const PgSchemaInfo::Columns& PgSchemaInfo::Table(std::string_view table) const {
  const std::string key = UCase(table);
  if (const auto found = tables_.find(key); found != tables_.end()) return found->second;
  Columns& columns = tables_[key];
  RecordsetPtr rows = connection_.Run(kColumnsQuery, {Variant(FoldedName(std::string(table)))});
  for (; !rows->Eof(); rows->MoveNext()) {
    const Variant comment = rows->Fields(size_t{1}).Value();
    PgColumnType type;
    if (!comment.IsNull()) type = tsql::ColumnTypeFromDeclared(CStr(comment));
    if (type.ado_type == adEmpty) {
      type = ColumnTypeOfOid(static_cast<Oid>(CLng(rows->Fields(size_t{2}).Value())),
                             CLng(rows->Fields(size_t{3}).Value()));
    }
    columns[UCase(CStr(rows->Fields(size_t{0}).Value()))] = type;
  }
  return columns;
}

}  // namespace pellora::postgres
