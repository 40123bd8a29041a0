#ifndef PELLORA_PLATFORM_SESSION_ENGINE_BACKEND_H_
#define PELLORA_PLATFORM_SESSION_ENGINE_BACKEND_H_

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/session/row_change.h"
#include "platform/tsql/tsql_step.h"
#include "runtime/recordset.h"

namespace pellora::session {

// What one batch gave: the rows of its last statement that returned any (nullptr for none), and
// whether every statement only read.
struct BatchResult {
  RecordsetPtr rows;
  bool only_read = true;
};

// A batch of EngineBackend::RunAll: its text, its steps and the values of its markers.
struct BatchCommand {
  std::string_view tsql;
  const std::vector<tsql::Step>& steps;
  const std::vector<Variant>& values;
};

// What the session needs of one engine: its dialect, its transaction levels and its way of
// writing a row. Everything both engines share (the nesting of transactions, what a transaction
// remembers, the translations kept, the row a recordset change makes) is the session's.
class EngineBackend {
 public:
  virtual ~EngineBackend() = default;

  // The name every error of the engine carries as its source.
  virtual const char* ErrorSource() const = 0;

  // The steps of the T-SQL batch `tsql` in the engine's dialect, against the schema as it is.
  virtual std::vector<tsql::Step> Translate(std::string_view tsql) = 0;
  // Changes whenever the schema may have: steps translated before are stale.
  virtual uint64_t SchemaGeneration() const = 0;
  // Runs the steps of batch `tsql`, each "?" standing for the next of `values`; raises when a
  // statement fails or the values do not match the markers.
  virtual BatchResult Run(std::string_view tsql, const std::vector<tsql::Step>& steps,
                          const std::vector<Variant>& values) = 0;
  // Runs each batch as Run does, in order, its rows unread; inside a level, which a failure
  // leaves to be rolled back. An engine behind a network sends them in one exchange.
  virtual void RunAll(const std::vector<BatchCommand>& commands) {
    for (const BatchCommand& command : commands) Run(command.tsql, command.steps, command.values);
  }

  // Transaction level `level`, 1 being the outermost. Level 1 takes the company's write lock,
  // waiting while another workstation holds it: two writers never read the same rows and then
  // both write them.
  virtual void Begin(int level) = 0;
  // Ends `level` keeping its work: in the level below, or durably at level 1, which then lets
  // the company go.
  virtual void Commit(int level) = 0;
  // Ends `level` undoing its work, unless the engine has undone it already; level 1 lets the
  // company go whatever happens. Tables created or altered since its Begin may be gone.
  virtual void Rollback(int level) = 0;

  // Writes `change` of row `row` of `recordset`: an insert reads the identity back into the
  // row; an update that finds no row raises.
  virtual void Insert(Recordset& recordset, size_t row, const RowChange& change) = 0;
  virtual void Update(Recordset& recordset, size_t row, const RowChange& change) = 0;

  // Appends every row of `rows`, whose fields name columns of `table`, keys included: each value
  // stored as a "?" of Run would store it, identity columns numbering on after the keys loaded.
  // Runs inside a level, which a failure leaves to be rolled back.
  virtual void AppendRows(std::string_view table, const Recordset& rows) = 0;
};

}  // namespace pellora::session

#endif  // PELLORA_PLATFORM_SESSION_ENGINE_BACKEND_H_
