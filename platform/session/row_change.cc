#include "platform/session/row_change.h"

#include "runtime/error.h"
#include "runtime/text.h"

namespace pellora::session {
namespace {

[[noreturn]] void Refuse(std::string_view source, const std::string& message) {
  throw Error(kDatabaseError, std::string(source), message);
}

// The base table shared by the recordset's base columns.
std::string BaseTable(const Recordset& recordset, std::string_view source) {
  std::string table;
  for (size_t field = 0; field < recordset.FieldCount(); ++field) {
    const FieldDef& def = recordset.FieldDefAt(field);
    if (def.base_table.empty()) continue;
    if (table.empty()) {
      table = def.base_table;
    } else if (CompareTextNoCase(table, def.base_table) != 0) {
      Refuse(source, "O recordset junta colunas de várias tabelas e não pode ser gravado");
    }
  }
  if (table.empty()) {
    Refuse(source, "O recordset não tem colunas de nenhuma tabela e não pode ser gravado");
  }
  return table;
}

}  // namespace

RowChange PlanRowChange(const Recordset& recordset, size_t row, std::string_view source) {
  RowChange change;
  const bool inserting = recordset.StateOf(row) == Recordset::RowState::kNew;
  for (size_t field = 0; field < recordset.FieldCount(); ++field) {
    const FieldDef& def = recordset.FieldDefAt(field);
    if (def.base_column.empty()) continue;
    const Variant& value = recordset.ValueAt(row, field);
    if (inserting) {
      if (def.identity) {
        change.identity.push_back(field);
      } else if (!value.IsEmpty() && !value.IsNull()) {
        change.written.push_back(field);
      }
      continue;
    }
    if (def.key) change.key.push_back(field);
    if (!def.identity && value != recordset.OriginalValueAt(row, field)) {
      change.written.push_back(field);
    }
  }
  if (!inserting && change.written.empty()) return change;
  change.table = BaseTable(recordset, source);
  change.kind = inserting ? RowChange::Kind::kInsert : RowChange::Kind::kUpdate;
  if (!inserting && change.key.empty()) {
    Refuse(source, "A tabela " + change.table + " não tem chave primária para localizar a linha");
  }
  return change;
}

}  // namespace pellora::session
