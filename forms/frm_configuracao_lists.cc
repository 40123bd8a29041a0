#include "forms/frm_configuracao_lists.h"

#include "dal/dal_error.h"
#include "dal/sql_text.h"
#include "forms/form_errors.h"
#include "interfaces/coded_item.h"
#include "runtime/convert.h"

namespace pellora {

void AddCatalogueEntries(PropertyItem& item, Recordset& catalogue, const CatalogueRules& rules) {
  if (catalogue.RecordCount() == 0) return;
  catalogue.MoveLast();  // so that the count is exact
  catalogue.MoveFirst();
  for (; !catalogue.Eof(); catalogue.MoveNext()) {
    const std::string code = FieldText(catalogue, rules.code_field);
    const std::string text = FieldText(catalogue, rules.text_field);
    item.AddEntry({rules.coded_text ? CodedItemText(code, text) : text,
                   static_cast<int32_t>(catalogue.AbsolutePosition()), code});
  }
}

void SetCatalogueConstraints(PropertyItem& item, Recordset& catalogue,
                             const CatalogueRules& rules) {
  ProcedureTrap(rules.list_procedure, [&] {
    item.ClearEntries();
    AddCatalogueEntries(item, catalogue, rules);
  });
}

int32_t CatalogueConstraintValue(Recordset& catalogue, const CatalogueRules& rules,
                                 const std::string& code) {
  return ProcedureTrap(rules.lookup_procedure, [&]() -> int32_t {
    if (rules.empty_list_is_blank && catalogue.RecordCount() == 0) return 0;
    catalogue.MoveFirst();
    catalogue.Find(std::string(rules.code_field) + "='" + QuotesDoubled(code) + "'" +
                   rules.key_end);
    return catalogue.Eof() ? 0 : static_cast<int32_t>(catalogue.AbsolutePosition());
  });
}

}  // namespace pellora
