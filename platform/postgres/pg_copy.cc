#include "platform/postgres/pg_copy.h"

#include "platform/postgres/pg_value.h"
#include "platform/postgres/postgres_types.h"
#include "runtime/convert.h"

namespace pellora::postgres {
namespace {

// Rows go to the server in pieces of about this size: few calls, little memory.
constexpr size_t kPieceSize = 1 << 20;

constexpr const char* kIdentityColumns =
    "SELECT attname FROM pg_attribute WHERE attrelid = $1::regclass AND attidentity <> ''";

// The next key of each identity column of `table` comes after the largest one stored, and never
// goes back: numbers an earlier failure drew stay drawn.
void NumberOnAfterTheKeys(PgConnection& connection, const std::string& table) {
  for (RecordsetPtr columns = connection.Run(kIdentityColumns, {Variant(table)}); !columns->Eof();
       columns->MoveNext()) {
    const std::string column = CStr(columns->Fields(size_t{0}).Value());
    connection.Run("SELECT setval(s, GREATEST(MAX(" + QuotedFoldedName(column) +
                       "), pg_sequence_last_value(s))) FROM " + table +
                       ", CAST(pg_get_serial_sequence($1, $2) AS regclass) AS s GROUP BY s",
                   {Variant(table), Variant(column)});
  }
}

}  // namespace

std::string CopyField(const Variant& value) {
  const std::optional<std::string> text = ParameterText(value);
  if (!text) return "\\N";
  std::string field;
  field.reserve(text->size());
  for (char c : *text) {
    switch (c) {
      case '\\':
        field += "\\\\";
        break;
      case '\t':
        field += "\\t";
        break;
      case '\n':
        field += "\\n";
        break;
      case '\r':
        field += "\\r";
        break;
      default:
        field += c;
    }
  }
  return field;
}

void CopyRows(PgConnection& connection, std::string_view table, const Recordset& rows) {
  if (rows.RowCountAll() == 0) return;
  const std::string name = QuotedFoldedName(table);
  std::string columns;
  for (size_t field = 0; field < rows.FieldCount(); ++field) {
    columns += (field == 0 ? "" : ", ") + QuotedFoldedName(rows.FieldDefAt(field).name);
  }
  size_t row = 0;
  connection.CopyIn("COPY " + name + " (" + columns + ") FROM STDIN", [&](std::string& piece) {
    for (; row < rows.RowCountAll() && piece.size() < kPieceSize; ++row) {
      for (size_t field = 0; field < rows.FieldCount(); ++field) {
        piece += CopyField(rows.ValueAt(row, field));
        piece += field + 1 < rows.FieldCount() ? '\t' : '\n';
      }
    }
    return row < rows.RowCountAll();
  });
  NumberOnAfterTheKeys(connection, name);
}

}  // namespace pellora::postgres
