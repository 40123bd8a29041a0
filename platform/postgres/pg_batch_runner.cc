#include "platform/postgres/pg_batch_runner.h"

#include "platform/postgres/pg_error.h"
#include "platform/postgres/pg_markers.h"
#include "platform/tsql/schema_change.h"
#include "runtime/convert.h"
#include "runtime/field_type.h"

namespace pellora::postgres {
namespace {

// The fields of `rows` with the names SQL Server gives the columns (PostgreSQL folds them) and,
// for expression columns, the types it reports; `rows` itself when nothing differs.
RecordsetPtr AsSqlServerReports(RecordsetPtr rows, const tsql::Step& step) {
  auto fields = std::make_shared<FieldSet>();
  bool differs = false;
  for (size_t column = 0; column < rows->FieldCount(); ++column) {
    FieldDef def = rows->FieldDefAt(column);
    if (column < step.column_names.size() && !step.column_names[column].empty() &&
        def.name != step.column_names[column]) {
      def.name = step.column_names[column];
      differs = true;
    }
    const tsql::ColumnType type =
        column < step.columns.size() ? step.columns[column] : tsql::ColumnType{};
    if (def.base_table.empty() && type.ado_type != adEmpty &&
        (def.type != type.ado_type || def.defined_size != type.defined_size)) {
      def.type = type.ado_type;
      def.defined_size = type.defined_size;
      def.attributes = (DefaultAttributes(def.type) & (adFldFixed | adFldLong)) | adFldIsNullable |
                       adFldMayBeNull;
      differs = true;
    }
    fields->Append(std::move(def));
  }
  if (!differs) return rows;
  auto named = std::make_shared<Recordset>();
  named->SetFields(fields);
  for (size_t row = 0; row < rows->RowCountAll(); ++row) {
    std::vector<Variant> values;
    values.reserve(fields->defs.size());
    for (size_t column = 0; column < fields->defs.size(); ++column) {
      const Variant& value = rows->ValueAt(row, column);
      values.push_back(fields->defs[column].type == rows->FieldDefAt(column).type
                           ? value
                           : CoerceToFieldType(fields->defs[column].type, value));
    }
    named->LoadRow(std::move(values));
  }
  named->Open();
  return named;
}

bool IsTrue(const Variant& value) {
  return !value.IsNull() && !value.IsEmpty() && CBool(value);
}

}  // namespace

RecordsetPtr PgBatchRunner::Run(const std::vector<tsql::Step>& steps) {
  for (const tsql::Step& step : steps) RunStep(step);
  return result_;
}

void PgBatchRunner::RunStep(const tsql::Step& step) {
  switch (step.kind) {
    case tsql::Step::Kind::kSql: {
      RecordsetPtr rows = Execute(step);
      if (rows->FieldCount() > 0) result_ = AsSqlServerReports(std::move(rows), step);
      break;
    }
    case tsql::Step::Kind::kDeclare:
      values_.Declare(step.variable, Variant::Null());
      break;
    case tsql::Step::Kind::kSetVariable:
      if (auto value = Scalar(step)) values_.Variable(step.variable, step.sql) = std::move(*value);
      break;
    case tsql::Step::Kind::kIf:
      if (IsTrue(Scalar(step).value_or(Variant::Null()))) Run(step.body);
      break;
    case tsql::Step::Kind::kAlterColumn:
      // PostgreSQL changes a column in place: its emitter writes plain statements instead.
      RaiseDatabaseError("Alteração de coluna sem instrução própria", step.table);
  }
}

RecordsetPtr PgBatchRunner::Execute(const tsql::Step& step) {
  std::vector<Variant> values;
  values.reserve(step.parameters.size());
  for (const std::string& name : step.parameters) {
    values.push_back(values_.Variable(name, step.sql));
  }
  size_t markers = 0;
  const std::string sql = NumberMarkers(step.sql, values.size() + 1, markers);
  for (size_t i = 0; i < markers; ++i) values.push_back(values_.NextMarker(step.sql));
  if (tsql::ChangesSchema(sql)) changed_schema_ = true;
  if (!tsql::OnlyReads(sql)) only_read_ = false;
  return connection_.Run(sql, values);
}

std::optional<Variant> PgBatchRunner::Scalar(const tsql::Step& step) {
  RecordsetPtr rows = Execute(step);
  if (rows->FieldCount() == 0 || rows->RecordCount() == 0) return std::nullopt;
  rows->MoveLast();
  return rows->Fields(size_t{0}).Value();
}

}  // namespace pellora::postgres
