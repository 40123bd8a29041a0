#include "platform/sqlite/schema_cache.h"

#include <map>

#include "platform/tsql/tsql_declared_types.h"
#include "runtime/text.h"

namespace pellora::sqlite {

using tsql::ColumnTypeFromDeclared;
namespace {

std::string ColumnText(sqlite3_stmt* stmt, int column) {
  const auto* text = sqlite3_column_text(stmt, column);
  return text == nullptr ? std::string() : reinterpret_cast<const char*>(text);
}

std::optional<TableInfo> ReadTable(const Database& db, const std::string& name) {
  Statement statement(db, "SELECT name, type, \"notnull\", pk FROM pragma_table_info(?)");
  sqlite3_bind_text(statement.handle(), 1, name.c_str(), -1, SQLITE_TRANSIENT);
  TableInfo info;
  std::map<int, std::string> key;  // by place in the key, from 1
  while (statement.Step()) {
    TableColumn column;
    column.name = ColumnText(statement.handle(), 0);
    column.declared_type = ColumnText(statement.handle(), 1);
    column.not_null = sqlite3_column_int(statement.handle(), 2) != 0;
    const int key_place = sqlite3_column_int(statement.handle(), 3);
    column.primary_key = key_place != 0;
    if (column.primary_key) key[key_place] = column.name;
    if (column.primary_key) {
      int autoincrement = 0;
      sqlite3_table_column_metadata(db.handle(), "main", name.c_str(), column.name.c_str(), nullptr,
                                    nullptr, nullptr, nullptr, &autoincrement);
      column.identity = autoincrement != 0;
    }
    info.columns.push_back(std::move(column));
  }
  if (info.columns.empty()) return std::nullopt;
  for (auto& [place, name] : key) info.key.push_back(std::move(name));
  return info;
}

}  // namespace

const TableColumn* TableInfo::Find(std::string_view name) const {
  for (const TableColumn& column : columns) {
    if (CompareTextNoCase(column.name, name) == 0) return &column;
  }
  return nullptr;
}

const TableInfo* SchemaCache::Table(std::string_view name) const {
  std::string key = UCase(name);
  auto found = tables_.find(key);
  if (found == tables_.end()) {
    found = tables_.emplace(std::move(key), ReadTable(db_, std::string(name))).first;
  }
  return found->second ? &*found->second : nullptr;
}

std::optional<ColumnType> SchemaCache::ColumnTypeOf(std::string_view table,
                                                    std::string_view column) const {
  const TableInfo* info = Table(table);
  const TableColumn* found = info == nullptr ? nullptr : info->Find(column);
  if (found == nullptr) return std::nullopt;
  const ColumnType type = ColumnTypeFromDeclared(found->declared_type);
  if (type.ado_type == adEmpty) return std::nullopt;
  return type;
}

std::vector<std::string> SchemaCache::KeyOf(std::string_view table) const {
  const TableInfo* info = Table(table);
  return info == nullptr ? std::vector<std::string>() : info->key;
}

FieldSetPtr SchemaCache::ResultColumns(std::string_view sql) const {
  const auto found = result_columns_.find(sql);
  return found == result_columns_.end() ? nullptr : found->second;
}

void SchemaCache::KeepResultColumns(std::string_view sql, FieldSetPtr columns) const {
  if (result_columns_.size() >= kResultColumnsKept) result_columns_.clear();
  result_columns_.emplace(std::string(sql), std::move(columns));
}

}  // namespace pellora::sqlite
