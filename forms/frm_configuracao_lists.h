#ifndef PELLORA_FORMS_FRM_CONFIGURACAO_LISTS_H_
#define PELLORA_FORMS_FRM_CONFIGURACAO_LISTS_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "forms/frm_configuracao_items.h"
#include "interfaces/property_grid.h"
#include "runtime/field_values.h"
#include "runtime/recordset.h"

namespace pellora {

// The catalogue lists of the parameters editor. An entry stands for one catalogue row and
// carries the row's 1-based position as its datum, so the row is found again from the item's
// value alone.

// Adds one entry per catalogue row, in catalogue order. No trap of its own.
void AddCatalogueEntries(PropertyItem& item, Recordset& catalogue, const CatalogueRules& rules);

// Clears the item's list and fills it from the catalogue; a failure is raised again under the
// catalogue's list procedure.
void SetCatalogueConstraints(PropertyItem& item, Recordset& catalogue, const CatalogueRules& rules);

// The position of the row whose code is `code`, searched from the first row; 0 when none. A
// failure is raised again under the catalogue's lookup procedure.
int32_t CatalogueConstraintValue(Recordset& catalogue, const CatalogueRules& rules,
                                 const std::string& code);

}  // namespace pellora

#endif  // PELLORA_FORMS_FRM_CONFIGURACAO_LISTS_H_
