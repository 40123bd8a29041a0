#include "platform/vela/host_members.h"

#include <memory>

namespace pellora::vela {

// Each kind of host object has its layout made once: a document makes thousands of lines.

LateBoundObject NewHeader() {
  static const LateBoundObject::LayoutPtr layout =
      LateBoundObject::MakeLayout("DocumentoCabecalho", {"TipoDocumento",
                                                         "Sector",
                                                         "Serie",
                                                         "Terceiro",
                                                         "TipoPreco",
                                                         "Data",
                                                         "Moeda",
                                                         "IvaIncluido",
                                                         "DataCarga",
                                                         "HoraCarga",
                                                         "LocalCarga",
                                                         "MoradaDescarga",
                                                         "LocalDescarga",
                                                         "PaisDescarga",
                                                         "CodigoPostalDescarga",
                                                         "VossoNoDocumento",
                                                         "DescontoCabecalho",
                                                         "Vendedor",
                                                         "NumeroContribuinte",
                                                         "ModoDePagamento",
                                                         "PrazoDePagamento",
                                                         "DocRefNumberCodeOriginal",
                                                         "DocRefNumberOriginal",
                                                         "FEGLNEmpresa",
                                                         "FEIdDepTerceiro",
                                                         "FETpDocOutro",
                                                         "DtPrestacao",
                                                         "Reference",
                                                         "Reason",
                                                         "NossoNoDocumento",
                                                         "Ano"});
  return LateBoundObject(layout);
}

LateBoundPtr NewLine() {
  static const LateBoundObject::LayoutPtr layout = LateBoundObject::MakeLayout(
      "DocumentoLinha", std::vector<std::string>{"TipoDeLinha",
                                                 "Artigo",
                                                 "Armazem",
                                                 "Quantidade",
                                                 "QuantidadeOrigem",
                                                 "PrecoUnitario",
                                                 "PrecoUnitarioIntroduzido",
                                                 "Unidade",
                                                 "Factor",
                                                 "Descricao",
                                                 "OrAno",
                                                 "OrDoc",
                                                 "OrSerie",
                                                 "OrNum",
                                                 "LinhaOriginal",
                                                 "Vendedor",
                                                 "TaxaDesconto",
                                                 "Desconto",
                                                 "EcotaxaProcessada",
                                                 "NumeroDaLinha",
                                                 "TaxaIva"});
  return std::make_shared<LateBoundObject>(layout);
}

LateBoundPtr NewLot() {
  static const LateBoundObject::LayoutPtr layout = LateBoundObject::MakeLayout(
      "DocumentoLote", std::vector<std::string>{"QuantidadeMovimentada", "NumeroLinhaDocComercial"},
      std::vector<LateBoundObject::ChildObject>{{"campos",
                                                 {"CodigoLote", "Artigo", "VossoLote", "Armazem",
                                                  "DataEntrada", "Fornecedor", "DATAVALIDADE"}}});
  return std::make_shared<LateBoundObject>(layout);
}

LateBoundPtr NewSerial() {
  static const LateBoundObject::LayoutPtr layout = LateBoundObject::MakeLayout(
      "DocumentoNumeroSerie", std::vector<std::string>{"NumeroLinhaDocComercial", "TipoDeLinha"},
      std::vector<LateBoundObject::ChildObject>{{"campos", {"Artigo", "Armazem", "Noserie"}}});
  return std::make_shared<LateBoundObject>(layout);
}

}  // namespace pellora::vela
