#ifndef PELLORA_PLATFORM_TSQL_TSQL_SCOPE_H_
#define PELLORA_PLATFORM_TSQL_TSQL_SCOPE_H_

#include <optional>
#include <string>
#include <vector>

#include "platform/tsql/tsql_items.h"
#include "platform/tsql/tsql_step.h"

namespace pellora::tsql {

// The tables one statement (or subquery) reads, with their aliases: FROM and JOIN tables,
// comma joins and the UPDATE target. Column references are resolved against them.
class TableScope {
 public:
  // `outer` is the enclosing statement's scope, for correlated references; may be null.
  TableScope(const SchemaInfo& schema, ItemSpan statement, const TableScope* outer);

  const SchemaInfo& schema() const { return schema_; }
  // The type of a column reference such as {"MO", "Artigo"} or {"Artigo"}; nullopt when no
  // table in scope knows it.
  std::optional<ColumnType> TypeOfColumn(const std::vector<std::string>& dotted_name) const;

  // The table a statement's FROM clause starts with, and the item that names it in the
  // statement: its alias, or the last part of its name.
  struct NamedTable {
    std::string name;
    Item reference;
  };
  // nullopt when the statement has no FROM or its FROM starts with a derived table.
  const std::optional<NamedTable>& first_table() const { return first_table_; }

 private:
  struct Table {
    std::string name;
    std::string alias;  // the name itself when no alias is given
  };

  // Reads the table named at `pos`; answers the item that names it, nullptr for none.
  const Item* ReadTableReference(ItemSpan statement, size_t pos);

  const SchemaInfo& schema_;
  const TableScope* outer_;
  std::vector<Table> tables_;
  std::optional<NamedTable> first_table_;
};

}  // namespace pellora::tsql

#endif  // PELLORA_PLATFORM_TSQL_TSQL_SCOPE_H_
