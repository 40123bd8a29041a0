#include "forms/frm_configuracao_items.h"

namespace pellora {

namespace {

constexpr size_t kLisboa = 0, kBraga = 1, kInventario = 2, kQuebras = 3, kSobras = 4,
                 kTransferencias = 5;
constexpr Catalogue kSuppliers = Catalogue::kSuppliers, kCustomers = Catalogue::kCustomers,
                    kWarehouses = Catalogue::kWarehouses, kTypes = Catalogue::kDocumentTypes,
                    kSeries = Catalogue::kSeries, kSectors = Catalogue::kSectors;

const CatalogueRules kDocumentTypeRules{"CODIGO",
                                        "DESCR",
                                        true,
                                        "",
                                        false,
                                        "pFrmPropSetConstraintsTpDocum",
                                        "pFrmPropSetConstraintsTpDocumValue"};
const CatalogueRules kSectorRules{"CODIGO",
                                  "DESCR",
                                  true,
                                  "",
                                  false,
                                  "pFrmPropSetConstraintsSector",
                                  "pFrmPropSetConstraintsSectorValue"};
const CatalogueRules kSeriesRules{"SERIE",
                                  "DESCR",
                                  true,
                                  " ",
                                  true,
                                  "pFrmPropSetConstraintsSeries",
                                  "pFrmPropSetConstraintsSeriesValue"};
const CatalogueRules kWarehouseRules{"CODIGO",
                                     "NOME",
                                     false,
                                     "",
                                     false,
                                     "pFrmPropSetConstraintsArmazens",
                                     "pFrmPropSetConstraintsArmazensValue"};
const CatalogueRules kPartnerRules{"CODIGO",
                                   "Nome",
                                   false,
                                   "",
                                   true,
                                   "pFrmPropSetConstraintGeneric",
                                   "pFrmPropSetConstraintValueGeneric"};

}  // namespace

const std::array<ParameterCategory, 6> kParameterCategories = {{
    {"Parametros Exportação Lisboa", "Definições a usar na base de dados de Lisboa"},
    {"Parametros Exportação Braga", "Definições a usar na base de dados de Braga"},
    {"Parametros Importação - Inventário", "Definições a usar na importação de inventário"},
    {"Parametros Importação - Quebras",
     "Definições a usar na importação de acerto de inventário-Quebras"},
    {"Parametros Importação - Sobras",
     "Definições a usar na importação de acerto de inventário-Sobras"},
    {"Parametros Importação - Transferências de Armazens",
     "Definições a usar na importação de Transferências de Armazens"},
}};

// In display order.
const std::array<ParameterItem, 29> kParameterItems = {{
    {1000, kLisboa, "Fornecedor Braga", "LBXFORNBRAGA", "Codigo de fornecedor da Empresa Braga",
     kSuppliers, 0},
    {1001, kLisboa, "Armazem", "LBXARMAZEM",
     "Codigo do armazem a usar nos documentos criados em Lisboa", kWarehouses, 0},
    {1008, kLisboa, "T.Documento Exportação", "LBXTPDOCPART",
     "Tipo de documento (Enc. Cliente) que é ponto de partida para a exportação", kTypes, 1009},
    {1009, kLisboa, "Serie do Doc. Exportação", "LBXSERIEPART",
     "Serie de documento (Enc. Cliente) que é ponto de partida para a exportação", kSeries, 0},
    {1002, kLisboa, "T.Documento Enc. Fornecedor", "LBXENCFORDOC",
     "Tipo de documento Encomenda a Fornecedor", kTypes, 1003},
    {1003, kLisboa, "Serie Enc. Fornecedor", "LBXENCFORSER",
     "Serie de documento Encomenda a Fornecedor", kSeries, 0},
    {1004, kLisboa, "Sector Enc. Fornecedor", "LBXENCFORSEC",
     "Sector de documento Encomenda a Fornecedor", kSectors, 0},
    {1005, kLisboa, "T.Documento Compra a Fornecedor", "LBXCOMFORDOC",
     "Tipo de documento Compra a Fornecedor", kTypes, 1006},
    {1006, kLisboa, "Serie Comp. Fornecedor", "LBXCOMFORSER",
     "Serie de documento Compra a Fornecedor", kSeries, 0},
    {1007, kLisboa, "Sector Comp. Fornecedor", "LBXCOMFORSEC",
     "Sector de documento Compra a Fornecedor", kSectors, 0},
    {1010, kBraga, "Cliente Lisboa", "BRGCLILISBOA", "Codigo de Cliente da Empresa Lisboa",
     kCustomers, 0},
    {1011, kBraga, "Armazem", "BRGARMAZEM",
     "Codigo do armazem a usar nos documentos criados em Braga", kWarehouses, 0},
    {1015, kBraga, "T.Documento Exportação", "BRGTPDOCPART",
     "Tipo de documento (Fat. Cliente) que é ponto de partida para a exportação", kTypes, 1016},
    {1016, kBraga, "Serie do Doc. Exportação", "BRGSERIEPART",
     "Serie de documento (Fat. Cliente) que é ponto de partida para a exportação", kSeries, 0},
    {1012, kBraga, "T.Documento Enc. Cliente", "BRGENCCLIDOC",
     "Tipo de documento Encomenda de Cliente", kTypes, 1013},
    {1013, kBraga, "Serie Enc. de Cliente", "BRGENCCLISER",
     "Serie de documento Encomenda de Clientes", kSeries, 0},
    {1014, kBraga, "Sector Enc. de Cliente", "BRGENCCLISEC",
     "Sector de documento Encomenda de Cliente", kSectors, 0},
    {1030, kInventario, "Tipo de Documento", "INVENTDOC", "Tipo de documento de inventário", kTypes,
     1031},
    {1031, kInventario, "Serie do Doc. Inventário", "INVENTSER", "Serie de documento Inventário",
     kSeries, 0},
    {1032, kInventario, "Sector do Doc. Inventário", "INVENTSEC", "Sector de documento Inventário",
     kSectors, 0},
    {1033, kQuebras, "Tipo de Documento", "QUEBRADOC", "Tipo de documento de quebras", kTypes,
     1034},
    {1034, kQuebras, "Serie do Doc. Quebras", "QUEBRASER", "Serie de documento quebras", kSeries,
     0},
    {1035, kQuebras, "Sector do Doc. Quebras", "QUEBRASEC", "Sector de documento quebras", kSectors,
     0},
    {1036, kSobras, "Tipo de Documento", "SOBRADOC", "Tipo de documento de sobras", kTypes, 1037},
    {1037, kSobras, "Serie do Doc. Sobras", "SOBRASER", "Serie de documento sobras", kSeries, 0},
    {1038, kSobras, "Sector do Doc. Sobras", "SOBRASEC", "Sector de documento sobras", kSectors, 0},
    {1039, kTransferencias, "Tipo de Documento", "TRANSFDOC", "Tipo de documento de transferência",
     kTypes, 1040},
    {1040, kTransferencias, "Serie do Doc. Transferências", "TRANSFSER",
     "Serie de documento Transferências", kSeries, 0},
    {1041, kTransferencias, "Sector do Doc. Transferências", "TRANSFSEC",
     "Sector de documento Transferências", kSectors, 0},
}};

const CatalogueRules& RulesOf(Catalogue catalogue) {
  switch (catalogue) {
    case Catalogue::kDocumentTypes:
      return kDocumentTypeRules;
    case Catalogue::kSectors:
      return kSectorRules;
    case Catalogue::kSeries:
      return kSeriesRules;
    case Catalogue::kWarehouses:
      return kWarehouseRules;
    case Catalogue::kSuppliers:
    case Catalogue::kCustomers:
      break;
  }
  return kPartnerRules;
}

const ParameterItem* ParameterItemWithId(long id) {
  for (const ParameterItem& item : kParameterItems) {
    if (item.id == id) return &item;
  }
  return nullptr;
}

const ParameterItem& DocumentTypeItemOf(const ParameterItem& series_item) {
  for (const ParameterItem& item : kParameterItems) {
    if (item.series_item == series_item.id) return item;
  }
  return series_item;  // not reached: every series item follows one document type
}

}  // namespace pellora
