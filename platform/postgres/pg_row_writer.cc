#include "platform/postgres/pg_row_writer.h"

#include <string>
#include <vector>

#include "platform/postgres/pg_error.h"
#include "platform/postgres/postgres_types.h"

namespace pellora::postgres {
namespace {

std::string ColumnOf(const Recordset& recordset, size_t field) {
  return QuotedName(recordset.FieldDefAt(field).base_column);
}

// "a" = $n for each of `fields`, joined by `separator`; their values join `values`.
std::string Equalities(const Recordset& recordset, size_t row, const std::vector<size_t>& fields,
                       const char* separator, bool original, std::vector<Variant>& values) {
  std::string text;
  for (size_t field : fields) {
    values.push_back(original ? recordset.OriginalValueAt(row, field)
                              : recordset.ValueAt(row, field));
    text += (text.empty() ? "" : separator) + ColumnOf(recordset, field) + " = $" +
            std::to_string(values.size());
  }
  return text;
}

}  // namespace

void InsertRow(PgConnection& connection, Recordset& recordset, size_t row,
               const session::RowChange& change) {
  std::string columns;
  std::string markers;
  std::vector<Variant> values;
  for (size_t field : change.written) {
    values.push_back(recordset.ValueAt(row, field));
    columns += (columns.empty() ? "" : ", ") + ColumnOf(recordset, field);
    markers += (markers.empty() ? "$" : ", $") + std::to_string(values.size());
  }
  std::string sql =
      "INSERT INTO " + QuotedName(change.table) +
      (columns.empty() ? " DEFAULT VALUES" : " (" + columns + ") VALUES (" + markers + ")");
  std::string returned;
  for (size_t field : change.identity) {
    returned += (returned.empty() ? " RETURNING " : ", ") + ColumnOf(recordset, field);
  }
  RecordsetPtr rows = connection.Run(sql + returned, values);
  for (size_t i = 0; i < change.identity.size(); ++i) {
    recordset.StoreValue(row, change.identity[i], rows->Fields(i).Value());
  }
}

void UpdateRow(PgConnection& connection, Recordset& recordset, size_t row,
               const session::RowChange& change) {
  std::vector<Variant> values;
  const std::string assignments = Equalities(recordset, row, change.written, ", ", false, values);
  const std::string condition = Equalities(recordset, row, change.key, " AND ", true, values);
  const std::string sql = "UPDATE " + QuotedName(change.table) + " SET " + assignments + " WHERE " +
                          condition + " RETURNING 1";
  if (connection.Run(sql, values)->RecordCount() != 1) {
    RaiseDatabaseError("A linha a atualizar já não existe na tabela " + change.table, sql);
  }
}

}  // namespace pellora::postgres
