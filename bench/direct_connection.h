// A direct connection to a company database, outside the add-in: the few calls the benchmarks
// need to count rows and to do an import's work by hand, the same on every engine. Statements
// are written once, with ?1, ?2... markers; only what the dialects spell differently (the date
// and time of now, a date as its digits) is asked of the connection.

#ifndef PELLORA_BENCH_DIRECT_CONNECTION_H_
#define PELLORA_BENCH_DIRECT_CONNECTION_H_

#include <memory>
#include <string>

namespace pellora::bench {

// One prepared statement; Bind* by position from 1, Step runs it and reads its rows. Binding
// after reading rows runs it again with the new values.
class DirectStatement {
 public:
  virtual ~DirectStatement() = default;

  virtual DirectStatement& Bind(int index, const std::string& text) = 0;
  virtual DirectStatement& Bind(int index, double value) = 0;
  virtual DirectStatement& Bind(int index, long long value) = 0;
  virtual DirectStatement& BindNull(int index) = 0;
  // True while there is a row to read.
  virtual bool Step() = 0;
  // Runs a statement that returns no rows and readies it for the next values. An engine may
  // send it on without waiting for its answer: a failure is raised by a later call at the
  // latest by the next Step, Prepare or Exec.
  virtual void Run() = 0;
  virtual std::string Text(int column) const = 0;
  virtual double Double(int column) const = 0;
  virtual long long Integer(int column) const = 0;
};

class DirectConnection {
 public:
  virtual ~DirectConnection() = default;

  // Runs statements without markers or rows (transaction control).
  virtual void Exec(const std::string& sql) = 0;
  virtual std::unique_ptr<DirectStatement> Prepare(const std::string& sql) = 0;
  // Starts the one write transaction of an import.
  virtual void BeginWrite() = 0;

  // Today's year as an integer, now as a date and time, and now's time as "hh:mm:ss".
  virtual std::string Year() const = 0;
  virtual std::string Now() const = 0;
  virtual std::string TimeNow() const = 0;
  // The date part of date and time `column` as the text "yyyyMMdd".
  virtual std::string DateDigits(const std::string& column) const = 0;

  // The first column of the first row as an integer (0 without rows).
  long long Integer(const std::string& sql) {
    std::unique_ptr<DirectStatement> statement = Prepare(sql);
    return statement->Step() ? statement->Integer(0) : 0;
  }
};

}  // namespace pellora::bench

#endif  // PELLORA_BENCH_DIRECT_CONNECTION_H_
