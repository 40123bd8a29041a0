#ifndef PELLORA_FORMS_FRM_CONFIGURACAO_ITEMS_H_
#define PELLORA_FORMS_FRM_CONFIGURACAO_ITEMS_H_

#include <array>
#include <cstddef>

namespace pellora {

// What the parameters editor shows: six categories of drop-down items, one item per column of
// oru_PARAMETROSEXP, each restricted to a host catalogue.

enum class Catalogue { kSuppliers, kCustomers, kWarehouses, kDocumentTypes, kSeries, kSectors };

struct ParameterCategory {
  const char* caption;
  const char* description;
};

struct ParameterItem {
  long id;
  size_t category;  // index in kParameterCategories
  const char* caption;
  const char* column;
  const char* description;
  Catalogue catalogue;
  long series_item;  // for a document type: the series item that follows its choice; else 0
};

// How the entries of a catalogue are shown, named and found again, and the names under which
// the editor's procedures that fill and search its lists report a failure.
struct CatalogueRules {
  const char* code_field;    // the code a choice copies into the parameter
  const char* text_field;    // what an entry shows
  bool coded_text;           // "[" + code + "] " + text, or the text alone
  const char* key_end;       // follows the quoted value in the lookup key
  bool empty_list_is_blank;  // the lookup answers 0 at once for an empty catalogue
  const char* list_procedure;
  const char* lookup_procedure;
};

extern const std::array<ParameterCategory, 6> kParameterCategories;
extern const std::array<ParameterItem, 29> kParameterItems;

const CatalogueRules& RulesOf(Catalogue catalogue);
// The item with identifier `id`; nullptr when there is none.
const ParameterItem* ParameterItemWithId(long id);
// The document-type item whose choice a series item follows.
const ParameterItem& DocumentTypeItemOf(const ParameterItem& series_item);

}  // namespace pellora

#endif  // PELLORA_FORMS_FRM_CONFIGURACAO_ITEMS_H_
