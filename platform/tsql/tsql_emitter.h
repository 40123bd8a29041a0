#ifndef PELLORA_PLATFORM_TSQL_TSQL_EMITTER_H_
#define PELLORA_PLATFORM_TSQL_TSQL_EMITTER_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/tsql/tsql_items.h"
#include "platform/tsql/tsql_step.h"
#include "platform/tsql/tsql_table_shape.h"

namespace pellora::tsql {

// One engine's spelling of the shapes the reader finds in the add-in's T-SQL. The reader keeps
// everything it is not told to change as written; argument texts handed in here are already in
// the engine's spelling, and text handed back is read again as tokens, so it may hold names and
// literals of its own.
class Emitter {
 public:
  virtual ~Emitter() = default;

  // The engine's name: the source of the errors raised on its behalf.
  virtual std::string_view Engine() const = 0;

  // A bracketed or double-quoted name.
  virtual std::string Name(const std::string& name) const = 0;
  // A batch variable as `written`; `declaration` is its DECLARE step, null when the batch does
  // not declare it. An engine that numbers parameters adds the variable to `parameters` and
  // names its position.
  virtual std::string Variable(const std::string& written, const Step* declaration,
                               std::vector<std::string>& parameters) const = 0;

  // ISNULL(a, b).
  virtual std::string IsNull(const std::vector<std::string>& args) const = 0;
  // SUBSTRING(text, start, length); the items are the start and length as written, for engines
  // that fold literal positions.
  virtual std::string Substring(ItemSpan start, ItemSpan length,
                                const std::vector<std::string>& args) const = 0;
  // CONVERT(text type(n), value[, 120]): `target` is the text type, `date_style` whether the
  // value is written as yyyy-mm-dd hh:mi:ss.
  virtual std::string ConvertToText(ColumnType target, const std::string& value,
                                    bool date_style) const = 0;
  // The operator of `text [NOT] LIKE pattern`, compared without case as SQL Server does;
  // nullopt keeps it as written.
  virtual std::optional<std::string> Like(bool negated) const = 0;

  // A query giving one row when the table exists, for SQL Server's sys.objects look-up.
  virtual std::string TableExists(const std::string& table) const = 0;
  virtual std::vector<Step> CreateTable(const TableShape& table) const = 0;
  virtual std::vector<Step> AlterColumn(const ColumnChange& change) const = 0;

  // Items as the engine's text, names spelled by Name(); for statements without variables.
  std::string Text(ItemSpan items) const;
  // As Text, after a blank; nothing for no items.
  std::string TextAfterBlank(ItemSpan items) const;

 protected:
  // Arguments of a call, as "a, b".
  static std::string ArgumentList(const std::vector<std::string>& args);
};

}  // namespace pellora::tsql

#endif  // PELLORA_PLATFORM_TSQL_TSQL_EMITTER_H_
