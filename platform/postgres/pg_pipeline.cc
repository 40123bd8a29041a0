#include "platform/postgres/pg_pipeline.h"

namespace pellora::postgres {

size_t PgPipeline::Execute(const std::string& sql, const std::vector<const char*>& values) {
  commands_.push_back({Kind::kExecute, sql, {}, values});
  return commands_.size() - 1;
}

size_t PgPipeline::Prepare(const std::string& name, const std::string& sql) {
  commands_.push_back({Kind::kPrepare, name, sql, {}});
  return commands_.size() - 1;
}

size_t PgPipeline::ExecutePrepared(const std::string& name,
                                   const std::vector<const char*>& values) {
  commands_.push_back({Kind::kExecutePrepared, name, {}, values});
  return commands_.size() - 1;
}

bool PgPipeline::Send(const Command& command) {
  const int count = static_cast<int>(command.values.size());
  switch (command.kind) {
    case Kind::kExecute:
      return PQsendQueryParams(connection_, command.text.c_str(), count, nullptr,
                               command.values.data(), nullptr, nullptr, 0) == 1;
    case Kind::kPrepare:
      return PQsendPrepare(connection_, command.text.c_str(), command.sql.c_str(), 0, nullptr) == 1;
    case Kind::kExecutePrepared:
      return PQsendQueryPrepared(connection_, command.text.c_str(), count, command.values.data(),
                                 nullptr, nullptr, 0) == 1;
  }
  return false;
}

std::vector<PgResult> PgPipeline::Run() {
  std::vector<PgResult> results(commands_.size());
  if (PQenterPipelineMode(connection_) != 1) return results;
  size_t sent = 0;
  while (sent < commands_.size() && Send(commands_[sent])) ++sent;
  const bool synced = PQpipelineSync(connection_) == 1;
  // Each command answers with its result and then a null; the sync with its own mark.
  for (size_t i = 0; synced && i < sent; ++i) {
    while (PGresult* result = PQgetResult(connection_)) results[i].reset(result);
    if (PQstatus(connection_) != CONNECTION_OK) return results;
  }
  while (synced && PQstatus(connection_) == CONNECTION_OK) {
    const PgResult result(PQgetResult(connection_));
    if (!result || PQresultStatus(result.get()) == PGRES_PIPELINE_SYNC) break;
  }
  PQexitPipelineMode(connection_);
  return results;
}

}  // namespace pellora::postgres
