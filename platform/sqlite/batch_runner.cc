#include "platform/sqlite/batch_runner.h"

#include "platform/sqlite/recordset_loader.h"
#include "platform/sqlite/table_rebuild.h"

namespace pellora::sqlite {
namespace {

bool IsTrue(const SqlValue& value) {
  if (const auto* number = std::get_if<int64_t>(&value)) return *number != 0;
  if (const auto* number = std::get_if<double>(&value)) return *number != 0;
  return false;
}

}  // namespace

RecordsetPtr BatchRunner::Run(const std::vector<Step>& steps) {
  for (const Step& step : steps) RunStep(step);
  return result_;
}

void BatchRunner::RunStep(const Step& step) {
  switch (step.kind) {
    case Step::Kind::kSql:
      RunSql(step);
      break;
    case Step::Kind::kDeclare:
      values_.Declare(step.variable, std::monostate());
      break;
    case Step::Kind::kSetVariable:
      if (auto value = Scalar(step.sql))
        values_.Variable(step.variable, step.sql) = std::move(*value);
      break;
    case Step::Kind::kIf:
      if (IsTrue(Scalar(step.sql).value_or(std::monostate()))) Run(step.body);
      break;
    case Step::Kind::kAlterColumn:
      only_read_ = false;
      AlterColumn(db_, schema_, step.table, step.column, step.column_type);
      break;
  }
}

void BatchRunner::RunSql(const Step& step) {
  db_.EachStatement(step.sql, [&](Statement& statement) {
    Bind(statement);
    const bool returns_rows = sqlite3_column_count(statement.handle()) > 0;
    only_read_ = only_read_ && returns_rows && sqlite3_stmt_readonly(statement.handle()) != 0;
    if (returns_rows) {
      result_ = LoadRecordset(statement, step.columns, schema_);
    } else {
      while (statement.Step()) {
      }
    }
    if (ChangesSchema(statement.Text())) schema_.Invalidate();
  });
}

std::optional<SqlValue> BatchRunner::Scalar(const std::string& sql) {
  Statement statement(db_, sql);
  Bind(statement);
  std::optional<SqlValue> value;
  while (statement.Step()) value = ReadColumn(statement.handle(), 0);
  return value;
}

void BatchRunner::Bind(const Statement& statement) {
  sqlite3_stmt* stmt = statement.handle();
  const std::string_view text = statement.Text();  // named in the errors; asked once, not per value
  const int count = sqlite3_bind_parameter_count(stmt);
  for (int index = 1; index <= count; ++index) {
    const char* name = sqlite3_bind_parameter_name(stmt, index);
    if (name != nullptr) {
      BindValue(stmt, index, values_.Variable(name, text));
    } else {
      BindValue(stmt, index, values_.NextMarker(text));
    }
  }
}

}  // namespace pellora::sqlite
