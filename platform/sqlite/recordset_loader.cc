#include "platform/sqlite/recordset_loader.h"

#include <algorithm>
#include <variant>

#include "platform/sqlite/sql_value.h"
#include "platform/tsql/tsql_declared_types.h"

namespace pellora::sqlite {

using tsql::ColumnTypeFromDeclared;
using tsql::kLongTextSize;
using tsql::kUntypedTextSize;
using tsql::TypeAttributes;
namespace {

std::string Text(const char* text) {
  return text == nullptr ? std::string() : text;
}

FieldDef DescribeColumn(sqlite3_stmt* stmt, int column, const std::vector<ColumnType>& types,
                        const SchemaCache& schema) {
  FieldDef def;
  def.name = Text(sqlite3_column_name(stmt, column));
  def.base_table = Text(sqlite3_column_table_name(stmt, column));
  def.base_column = Text(sqlite3_column_origin_name(stmt, column));
  ColumnType type;
  if (static_cast<size_t>(column) < types.size()) type = types[column];
  if (type.ado_type == adEmpty) {
    if (const char* declared = sqlite3_column_decltype(stmt, column)) {
      type = ColumnTypeFromDeclared(declared);
    }
  }
  def.type = type.ado_type;
  def.defined_size = type.defined_size;

  const TableInfo* table = def.base_table.empty() ? nullptr : schema.Table(def.base_table);
  const TableColumn* origin = table == nullptr ? nullptr : table->Find(def.base_column);
  if (origin == nullptr) {
    def.base_table.clear();
    def.base_column.clear();
    def.attributes = adFldIsNullable | adFldMayBeNull;
    return def;
  }
  def.TakeColumnTraits(origin->primary_key, origin->identity, origin->not_null);
  return def;
}

// The type of a column that nothing typed, from its first non-NULL value (text when all are
// NULL).
ColumnType TypeFromValues(size_t column, const std::vector<std::vector<SqlValue>>& rows) {
  static_assert(std::variant_size_v<SqlValue> == 5, "each kind of stored value needs its type");
  for (const auto& row : rows) {
    const SqlValue& value = row[column];
    if (std::holds_alternative<std::monostate>(value)) continue;
    if (std::holds_alternative<int64_t>(value)) return {adInteger, 4};
    if (std::holds_alternative<double>(value)) return {adDouble, 8};
    if (std::holds_alternative<Bytes>(value)) return {adLongVarBinary, kLongTextSize};
    return {adVarWChar, kUntypedTextSize};
  }
  return {adVarWChar, kUntypedTextSize};
}

// The query's text and the types the translator gave its columns: one SQLite text may come from
// T-SQL texts whose columns are typed apart (a CONVERT to texts of other sizes).
std::string DescriptionKey(std::string_view sql, const std::vector<ColumnType>& types) {
  std::string key(sql);
  for (const ColumnType& type : types) {
    key += '\0' + std::to_string(type.ado_type) + ':' + std::to_string(type.defined_size);
  }
  return key;
}

}  // namespace

RecordsetPtr LoadRecordset(Statement& statement, const std::vector<ColumnType>& types,
                           const SchemaCache& schema) {
  sqlite3_stmt* stmt = statement.handle();
  const int count = sqlite3_column_count(stmt);
  // A query typed the same way is described the same way, until the schema changes: its
  // recordsets share one set of fields.
  const std::string query = DescriptionKey(statement.Text(), types);
  FieldSetPtr described = schema.ResultColumns(query);
  if (!described) {
    auto fields = std::make_shared<FieldSet>();
    for (int column = 0; column < count; ++column) {
      FieldDef def = DescribeColumn(stmt, column, types, schema);
      if (def.type != adEmpty) def.attributes |= TypeAttributes(def.type);
      fields->Append(std::move(def));
    }
    described = fields;
    schema.KeepResultColumns(query, described);
  }
  std::vector<std::vector<SqlValue>> rows;
  while (statement.Step()) {
    std::vector<SqlValue>& row = rows.emplace_back();
    row.reserve(count);
    for (int column = 0; column < count; ++column) row.push_back(ReadColumn(stmt, column));
  }

  // Columns nothing typed take the type of their values, in this recordset only.
  FieldSetPtr fields = described;
  if (std::any_of(described->defs.begin(), described->defs.end(),
                  [](const FieldDef& def) { return def.type == adEmpty; })) {
    auto typed = std::make_shared<FieldSet>();
    for (size_t column = 0; column < described->defs.size(); ++column) {
      FieldDef def = described->defs[column];
      if (def.type == adEmpty) {
        const ColumnType type = TypeFromValues(column, rows);
        def.type = type.ado_type;
        def.defined_size = type.defined_size;
        def.attributes |= TypeAttributes(def.type);
      }
      typed->Append(std::move(def));
    }
    fields = typed;
  }
  auto recordset = std::make_shared<Recordset>();
  recordset->SetFields(fields);
  for (auto& row : rows) {
    std::vector<Variant> values;
    values.reserve(row.size());
    for (size_t column = 0; column < row.size(); ++column) {
      values.push_back(ToVariant(std::move(row[column]), fields->defs[column].type));
    }
    recordset->LoadRow(std::move(values));
  }
  recordset->Open();
  return recordset;
}

}  // namespace pellora::sqlite
