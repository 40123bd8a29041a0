#include "platform/sqlite/row_writer.h"

#include <string>
#include <vector>

#include "platform/sqlite/sql_value.h"
#include "runtime/error.h"
#include "runtime/text.h"

namespace pellora::sqlite {
namespace {

// The base table shared by the recordset's base columns.
std::string BaseTable(const Recordset& recordset) {
  std::string table;
  for (size_t field = 0; field < recordset.FieldCount(); ++field) {
    const FieldDef& def = recordset.FieldDefAt(field);
    if (def.base_table.empty()) continue;
    if (table.empty()) {
      table = def.base_table;
    } else if (CompareTextNoCase(table, def.base_table) != 0) {
      throw Error(kDatabaseError, kErrorSource,
                  "O recordset junta colunas de várias tabelas e não pode ser gravado");
    }
  }
  if (table.empty()) {
    throw Error(kDatabaseError, kErrorSource,
                "O recordset não tem colunas de nenhuma tabela e não pode ser gravado");
  }
  return table;
}

// Runs `sql` with `values` bound in order; the number of rows it changed.
int Run(Database& db, const std::string& sql, const std::vector<SqlValue>& values) {
  Statement statement(db, sql);
  for (size_t i = 0; i < values.size(); ++i) {
    BindValue(statement.handle(), static_cast<int>(i) + 1, values[i]);
  }
  statement.Step();
  return sqlite3_changes(db.handle());
}

void InsertRow(Database& db, Recordset& recordset, size_t row) {
  const std::string table = BaseTable(recordset);
  std::string columns;
  std::string markers;
  std::vector<SqlValue> values;
  for (size_t field = 0; field < recordset.FieldCount(); ++field) {
    const FieldDef& def = recordset.FieldDefAt(field);
    const Variant& value = recordset.ValueAt(row, field);
    if (def.base_column.empty() || def.identity || value.IsEmpty() || value.IsNull()) continue;
    columns += (values.empty() ? "" : ", ") + QuoteIdentifier(def.base_column);
    markers += values.empty() ? "?" : ", ?";
    values.push_back(FromVariant(value));
  }
  const std::string sql =
      values.empty()
          ? "INSERT INTO " + QuoteIdentifier(table) + " DEFAULT VALUES"
          : "INSERT INTO " + QuoteIdentifier(table) + " (" + columns + ") VALUES (" + markers + ")";
  Run(db, sql, values);
  for (size_t field = 0; field < recordset.FieldCount(); ++field) {
    if (!recordset.FieldDefAt(field).identity) continue;
    recordset.StoreValue(row, field,
                         Variant(static_cast<int32_t>(sqlite3_last_insert_rowid(db.handle()))));
  }
}

void UpdateRow(Database& db, Recordset& recordset, size_t row) {
  std::string assignments;
  std::string condition;
  std::vector<SqlValue> changed;
  std::vector<SqlValue> key;
  for (size_t field = 0; field < recordset.FieldCount(); ++field) {
    const FieldDef& def = recordset.FieldDefAt(field);
    if (def.base_column.empty()) continue;
    const std::string column = QuoteIdentifier(def.base_column);
    const Variant& original = recordset.OriginalValueAt(row, field);
    if (def.key) {
      condition += (key.empty() ? "" : " AND ") + column + " = ?";
      key.push_back(FromVariant(original));
    }
    const Variant& value = recordset.ValueAt(row, field);
    if (value == original || def.identity) continue;
    assignments += (changed.empty() ? "" : ", ") + column + " = ?";
    changed.push_back(FromVariant(value));
  }
  if (changed.empty()) return;
  const std::string table = BaseTable(recordset);
  const std::string sql =
      "UPDATE " + QuoteIdentifier(table) + " SET " + assignments + " WHERE " + condition;
  if (key.empty()) {
    RaiseDatabaseError("A tabela " + table + " não tem chave primária para localizar a linha", sql);
  }
  changed.insert(changed.end(), key.begin(), key.end());
  if (Run(db, sql, changed) != 1) {
    RaiseDatabaseError("A linha a atualizar já não existe na tabela " + table, sql);
  }
}

}  // namespace

void WriteRecordsetRow(Database& db, Recordset& recordset, size_t row) {
  if (recordset.StateOf(row) == Recordset::RowState::kNew) {
    InsertRow(db, recordset, row);
  } else {
    UpdateRow(db, recordset, row);
  }
}

}  // namespace pellora::sqlite
