// Writes sent to a PostgreSQL server without waiting for each answer: libpq's pipeline mode, one
// round trip per batch of statements instead of one per statement, as a client that writes many
// rows would do. A failure is raised when its batch is answered.

#ifndef PELLORA_BENCH_PG_WRITE_QUEUE_H_
#define PELLORA_BENCH_PG_WRITE_QUEUE_H_

#include <libpq-fe.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace pellora::bench {

class PgWriteQueue {
 public:
  explicit PgWriteQueue(PGconn* connection) : connection_(connection) {}
  PgWriteQueue(const PgWriteQueue&) = delete;
  PgWriteQueue& operator=(const PgWriteQueue&) = delete;

  // Sends prepared statement `name` with `values` (text, null for NULL).
  void Send(const std::string& name, const std::vector<const char*>& values) {
    if (PQpipelineStatus(connection_) == PQ_PIPELINE_OFF && !PQenterPipelineMode(connection_)) {
      Fail();
    }
    if (!PQsendQueryPrepared(connection_, name.c_str(), static_cast<int>(values.size()),
                             values.data(), nullptr, nullptr, 0)) {
      Fail();
    }
    // Answers are read now and then, so that neither side fills its buffers waiting.
    if (++unanswered_ == kBatch) Answer();
  }

  // Waits for the answers of everything sent and leaves pipeline mode, so that the connection
  // can run a statement and wait for it again.
  void Finish() {
    if (PQpipelineStatus(connection_) == PQ_PIPELINE_OFF) return;
    Answer();
    if (!PQexitPipelineMode(connection_)) Fail();
  }

 private:
  static constexpr int kBatch = 500;

  void Answer() {
    if (!PQpipelineSync(connection_)) Fail();
    std::string error;
    for (;;) {
      PGresult* result = PQgetResult(connection_);
      if (result == nullptr) {
        if (PQstatus(connection_) == CONNECTION_BAD) Fail();
        continue;  // the end of one statement's answer
      }
      const ExecStatusType status = PQresultStatus(result);
      if (status == PGRES_FATAL_ERROR && error.empty()) error = PQresultErrorMessage(result);
      PQclear(result);
      if (status == PGRES_PIPELINE_SYNC) break;
    }
    unanswered_ = 0;
    if (!error.empty()) throw std::runtime_error(error);
  }

  [[noreturn]] void Fail() { throw std::runtime_error(PQerrorMessage(connection_)); }

  PGconn* connection_;
  int unanswered_ = 0;
};

}  // namespace pellora::bench

#endif  // PELLORA_BENCH_PG_WRITE_QUEUE_H_
