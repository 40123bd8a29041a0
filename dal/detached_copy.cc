#include "dal/detached_copy.h"

namespace pellora {
namespace {

bool IsUnicodeText(int type) {
  return type == adWChar || type == adVarWChar;
}

}  // namespace

RecordsetPtr DetachedShape(Recordset& source) {
  auto copy = std::make_shared<Recordset>();
  for (size_t i = 0; i < source.FieldCount(); ++i) {
    const FieldDef& def = source.FieldDefAt(i);
    if (IsUnicodeText(def.type)) {
      copy->AppendField(def.name, def.type, def.defined_size, adFldIsNullable);
    } else {
      copy->AppendField(def.name, adCurrency);
    }
  }
  copy->Open();
  return copy;
}

void AddDetachedRow(Recordset& source, Recordset& copy) {
  copy.AddNew();
  for (size_t i = 0; i < source.FieldCount(); ++i) {
    Field from = source.Fields(i);
    const Variant value = from.Value();
    if (IsUnicodeText(from.Type()) || !value.IsNull()) {
      copy.Fields(i).SetValue(value);
    } else {
      copy.Fields(i).SetValue(Variant(int32_t{0}));
    }
  }
}

RecordsetPtr DetachedCopy(Recordset& source) {
  RecordsetPtr copy = DetachedShape(source);
  while (!source.Eof()) {
    AddDetachedRow(source, *copy);
    copy->Update();
    source.MoveNext();
  }
  return copy;
}

}  // namespace pellora
