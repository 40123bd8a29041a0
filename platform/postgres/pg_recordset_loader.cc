#include "platform/postgres/pg_recordset_loader.h"

#include <string_view>
#include <vector>

#include "platform/postgres/pg_value.h"
#include "runtime/field_type.h"

namespace pellora::postgres {
namespace {

FieldDef DescribeColumn(const PGresult* result, int column, PgTableCatalog& catalog) {
  FieldDef def;
  def.name = PQfname(result, column);
  PgColumnType type = ColumnTypeOfOid(PQftype(result, column), PQfmod(result, column));
  const PgTable* table = catalog.Table(PQftable(result, column));
  const PgTableColumn* origin =
      table == nullptr ? nullptr : table->Column(PQftablecol(result, column));
  if (origin != nullptr && origin->declared) type = *origin->declared;
  def.type = type.ado_type;
  def.defined_size = type.defined_size;
  def.attributes = DefaultAttributes(def.type) & (adFldFixed | adFldLong);
  if (origin == nullptr) {
    def.attributes |= adFldIsNullable | adFldMayBeNull;
    return def;
  }
  def.base_table = table->name;
  def.base_column = origin->name;
  def.TakeColumnTraits(origin->primary_key, origin->identity, origin->not_null);
  return def;
}

FieldSetPtr Describe(const PGresult* result, PgTableCatalog& catalog) {
  auto fields = std::make_shared<FieldSet>();
  for (int column = 0; column < PQnfields(result); ++column) {
    fields->Append(DescribeColumn(result, column, catalog));
  }
  return fields;
}

}  // namespace

RecordsetPtr LoadRecordset(const PGresult* result, PgTableCatalog& catalog, FieldSetPtr* shared) {
  auto recordset = std::make_shared<Recordset>();
  const int columns = PQnfields(result);
  FieldSetPtr fields = shared != nullptr && *shared ? *shared : Describe(result, catalog);
  if (shared != nullptr) *shared = fields;
  recordset->SetFields(fields);
  const int rows = PQntuples(result);
  for (int row = 0; row < rows; ++row) {
    std::vector<Variant> values;
    values.reserve(columns);
    for (int column = 0; column < columns; ++column) {
      if (PQgetisnull(result, row, column)) {
        values.push_back(Variant::Null());
        continue;
      }
      const std::string_view text(PQgetvalue(result, row, column),
                                  PQgetlength(result, row, column));
      values.push_back(ValueFromText(text, fields->defs[column].type));
    }
    recordset->LoadRow(std::move(values));
  }
  recordset->Open();
  return recordset;
}

}  // namespace pellora::postgres
