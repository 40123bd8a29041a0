#include "platform/session/session.h"

#include <utility>

#include "runtime/error.h"

namespace pellora::session {

RecordsetPtr Session::Run(std::string_view tsql) {
  if (RecordsetPtr recalled = memory_.Recall(tsql)) return recalled;
  const std::shared_ptr<const Translation> translation = Translated(tsql);
  if (NeedsOwnLevel(*translation)) return RowsInOwnLevel([&] { return Run(tsql); });
  BatchResult result = RunSteps(tsql, *translation, {});
  memory_.NoteRun(tsql, InTransaction(), translation->repeatable_update, result.only_read,
                  result.rows);
  return result.rows ? std::move(result.rows) : EmptyRecordset();
}

RecordsetPtr Session::Run(std::string_view tsql, const std::vector<Variant>& values) {
  const std::shared_ptr<const Translation> translation = Translated(tsql);
  if (NeedsOwnLevel(*translation)) return RowsInOwnLevel([&] { return Run(tsql, values); });
  BatchResult result = RunSteps(tsql, *translation, values);
  memory_.NoteRunWithValues(result.only_read);
  return result.rows ? std::move(result.rows) : EmptyRecordset();
}

std::shared_ptr<const Translation> Session::Translated(std::string_view tsql) {
  // Reading the schema while translating does not change it.
  return translations_.Get(tsql, backend_->SchemaGeneration(),
                           [this](std::string_view text) { return backend_->Translate(text); });
}

BatchResult Session::RunSteps(std::string_view tsql, const Translation& translation,
                              const std::vector<Variant>& values) {
  try {
    return backend_->Run(tsql, translation.steps, values);
  } catch (...) {
    memory_.Forget();  // what ran before the failure may have written
    throw;
  }
}

void Session::RunAll(const std::vector<ValuedStatement>& statements) {
  memory_.Forget();
  std::vector<std::shared_ptr<const Translation>> translations;
  translations.reserve(statements.size());
  std::vector<BatchCommand> commands;
  commands.reserve(statements.size());
  for (const ValuedStatement& statement : statements) {
    translations.push_back(Translated(statement.sql));
    commands.push_back({statement.sql, translations.back()->steps, statement.values});
  }
  InOwnLevel([&] { backend_->RunAll(commands); });
}

void Session::AppendRows(std::string_view table, const Recordset& rows) {
  memory_.Forget();
  InOwnLevel([&] { backend_->AppendRows(table, rows); });
}

void Session::WriteRow(Recordset& recordset, size_t row) {
  memory_.Forget();
  const RowChange change = PlanRowChange(recordset, row, backend_->ErrorSource());
  switch (change.kind) {
    case RowChange::Kind::kInsert:
      backend_->Insert(recordset, row, change);
      break;
    case RowChange::Kind::kUpdate:
      backend_->Update(recordset, row, change);
      break;
    case RowChange::Kind::kNone:
      break;
  }
}

void Session::WriteRows(Recordset& recordset) {
  // Every row or none.
  InOwnLevel([&] {
    for (size_t row = 0; row < recordset.RowCountAll(); ++row) WriteRow(recordset, row);
  });
  recordset.AcceptChanges();
}

bool Session::NeedsOwnLevel(const Translation& translation) const {
  return !InTransaction() && !translation.only_reads;
}

RecordsetPtr Session::RowsInOwnLevel(const std::function<RecordsetPtr()>& run) {
  RecordsetPtr rows;
  InOwnLevel([&] { rows = run(); });
  return rows;
}

void Session::InOwnLevel(const std::function<void()>& work) {
  Begin();
  try {
    work();
  } catch (...) {
    AbandonLevel();
    throw;
  }
  Commit();
}

void Session::Begin() {
  commit_failed_ = false;
  backend_->Begin(depth_ + 1);
  ++depth_;
}

void Session::Commit() {
  commit_failed_ = false;
  RequireLevel("confirmar");
  memory_.Forget();
  try {
    backend_->Commit(depth_);
  } catch (...) {
    AbandonLevel();
    commit_failed_ = true;
    throw;
  }
  --depth_;
}

void Session::Rollback() {
  if (std::exchange(commit_failed_, false)) return;
  RequireLevel("anular");
  memory_.Forget();
  backend_->Rollback(depth_--);
}

void Session::RequireLevel(const char* verb) const {
  if (depth_ == 0) {
    throw Error(kDatabaseError, backend_->ErrorSource(),
                std::string("Não há nenhuma transação aberta para ") + verb);
  }
}

void Session::AbandonLevel() {
  memory_.Forget();
  try {
    backend_->Rollback(depth_--);
  } catch (...) {
    // The engine has ended the level or the connection, and the lock with it.
  }
}

}  // namespace pellora::session
