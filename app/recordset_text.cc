#include "app/recordset_text.h"

#include <ostream>

#include "app/value_text.h"

namespace pellora::app {
namespace {

template <typename ItemText>
void PrintLine(Recordset& recordset, std::ostream& out, ItemText item_text) {
  for (size_t i = 0; i < recordset.FieldCount(); ++i) {
    if (i > 0) out << '\t';
    out << item_text(recordset.Fields(i));
  }
  out << '\n';
}

}  // namespace

void PrintTypedHeader(Recordset& recordset, std::ostream& out) {
  PrintLine(recordset, out,
            [](Field field) { return field.Name() + ":" + std::to_string(field.Type()); });
}

void PrintNamesHeader(Recordset& recordset, std::ostream& out) {
  PrintLine(recordset, out, [](Field field) { return field.Name(); });
}

void PrintRows(Recordset& recordset, std::ostream& out) {
  if (recordset.RecordCount() == 0) return;
  recordset.MoveFirst();
  while (!recordset.Eof()) {
    PrintLine(recordset, out, [](Field field) { return PlainText(field.Value()); });
    recordset.MoveNext();
  }
}

}  // namespace pellora::app
