#include "platform/sqlite/sqlite_backend.h"

#include "platform/sqlite/batch_runner.h"
#include "platform/sqlite/row_writer.h"
#include "platform/sqlite/savepoint.h"
#include "platform/sqlite/tsql_translator.h"

namespace pellora::sqlite {

std::vector<Step> SqliteBackend::Translate(std::string_view tsql) {
  return TranslateBatch(tsql, schema_);
}

session::BatchResult SqliteBackend::Run(std::string_view tsql, const std::vector<Step>& steps,
                                        const std::vector<Variant>& values) {
  std::vector<SqlValue> stored;
  stored.reserve(values.size());
  for (const Variant& value : values) stored.push_back(FromVariant(value));
  BatchRunner runner(*db_, schema_, std::move(stored));
  RecordsetPtr rows = runner.Run(steps);
  runner.CheckEveryValueUsed(tsql);
  return {std::move(rows), runner.OnlyRead()};
}

void SqliteBackend::Begin(int level) {
  db_->Execute(level == 1 ? std::string("BEGIN IMMEDIATE") : "SAVEPOINT " + LevelName(level));
}

void SqliteBackend::Commit(int level) {
  db_->Execute(level == 1 ? std::string("COMMIT") : "RELEASE " + LevelName(level));
}

void SqliteBackend::Rollback(int level) {
  schema_.Invalidate();
  if (level > 1) {
    RollbackSavepoint(*db_, LevelName(level));
  } else if (sqlite3_get_autocommit(db_->handle()) == 0) {
    db_->Execute("ROLLBACK");
  }
}

void SqliteBackend::Insert(Recordset& recordset, size_t row, const session::RowChange& change) {
  InsertRow(*db_, recordset, row, change);
}

void SqliteBackend::Update(Recordset& recordset, size_t row, const session::RowChange& change) {
  UpdateRow(*db_, recordset, row, change);
}

// One INSERT with a "?" per field, translated once and run for each row: SQLite's prepared
// statement is already the cheapest way in, with no round trip to save.
void SqliteBackend::AppendRows(std::string_view table, const Recordset& rows) {
  std::string columns;
  std::string markers;
  for (size_t field = 0; field < rows.FieldCount(); ++field) {
    columns += (field == 0 ? "[" : ", [") + rows.FieldDefAt(field).name + "]";
    markers += field == 0 ? "?" : ", ?";
  }
  const std::string insert =
      "INSERT INTO [" + std::string(table) + "] (" + columns + ") VALUES (" + markers + ")";
  const std::vector<Step> steps = Translate(insert);
  std::vector<Variant> values(rows.FieldCount());
  for (size_t row = 0; row < rows.RowCountAll(); ++row) {
    for (size_t field = 0; field < values.size(); ++field) values[field] = rows.ValueAt(row, field);
    Run(insert, steps, values);
  }
}

std::string SqliteBackend::LevelName(int level) {
  return "pellora_transaction_" + std::to_string(level);
}

}  // namespace pellora::sqlite
