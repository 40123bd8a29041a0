#include "platform/sqlite/row_writer.h"

#include <string>
#include <vector>

#include "platform/sqlite/sql_value.h"

namespace pellora::sqlite {
namespace {

// Runs `sql` with `values` bound in order; the number of rows it changed.
int Run(Database& db, const std::string& sql, const std::vector<SqlValue>& values) {
  Statement statement(db, sql);
  for (size_t i = 0; i < values.size(); ++i) {
    BindValue(statement.handle(), static_cast<int>(i) + 1, values[i]);
  }
  statement.Step();
  return sqlite3_changes(db.handle());
}

// "A = ?, B = ?" for `fields`, joined by `separator`.
std::string Assignments(const Recordset& recordset, const std::vector<size_t>& fields,
                        const char* separator) {
  std::string text;
  for (size_t field : fields) {
    text += (text.empty() ? "" : separator) +
            QuoteIdentifier(recordset.FieldDefAt(field).base_column) + " = ?";
  }
  return text;
}

void AddValues(const Recordset& recordset, size_t row, const std::vector<size_t>& fields,
               bool original, std::vector<SqlValue>& values) {
  for (size_t field : fields) {
    values.push_back(FromVariant(original ? recordset.OriginalValueAt(row, field)
                                          : recordset.ValueAt(row, field)));
  }
}

}  // namespace

void InsertRow(Database& db, Recordset& recordset, size_t row, const session::RowChange& change) {
  std::string columns;
  std::string markers;
  for (size_t field : change.written) {
    columns +=
        (columns.empty() ? "" : ", ") + QuoteIdentifier(recordset.FieldDefAt(field).base_column);
    markers += markers.empty() ? "?" : ", ?";
  }
  std::vector<SqlValue> values;
  AddValues(recordset, row, change.written, false, values);
  const std::string table = QuoteIdentifier(change.table);
  Run(db,
      columns.empty() ? "INSERT INTO " + table + " DEFAULT VALUES"
                      : "INSERT INTO " + table + " (" + columns + ") VALUES (" + markers + ")",
      values);
  for (size_t field : change.identity) {
    recordset.StoreValue(row, field,
                         Variant(static_cast<int32_t>(sqlite3_last_insert_rowid(db.handle()))));
  }
}

void UpdateRow(Database& db, Recordset& recordset, size_t row, const session::RowChange& change) {
  const std::string assignments = Assignments(recordset, change.written, ", ");
  const std::string condition = Assignments(recordset, change.key, " AND ");
  std::vector<SqlValue> values;
  AddValues(recordset, row, change.written, false, values);
  AddValues(recordset, row, change.key, true, values);
  const std::string sql =
      "UPDATE " + QuoteIdentifier(change.table) + " SET " + assignments + " WHERE " + condition;
  if (Run(db, sql, values) != 1) {
    RaiseDatabaseError("A linha a atualizar já não existe na tabela " + change.table, sql);
  }
}

}  // namespace pellora::sqlite
