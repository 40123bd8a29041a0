#include "platform/vela/host_members.h"

#include <memory>

namespace pellora::vela {

LateBoundObject NewHeader() {
  return LateBoundObject("DocumentoCabecalho", {"TipoDocumento",
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
}

LateBoundPtr NewLine() {
  return std::make_shared<LateBoundObject>("DocumentoLinha",
                                           std::vector<std::string>{"TipoDeLinha",
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
}

LateBoundPtr NewLot() {
  return std::make_shared<LateBoundObject>(
      "DocumentoLote", std::vector<std::string>{"QuantidadeMovimentada", "NumeroLinhaDocComercial"},
      std::vector<LateBoundObject::ChildObject>{{"campos",
                                                 {"CodigoLote", "Artigo", "VossoLote", "Armazem",
                                                  "DataEntrada", "Fornecedor", "DATAVALIDADE"}}});
}

LateBoundPtr NewSerial() {
  return std::make_shared<LateBoundObject>(
      "DocumentoNumeroSerie", std::vector<std::string>{"NumeroLinhaDocComercial", "TipoDeLinha"},
      std::vector<LateBoundObject::ChildObject>{{"campos", {"Artigo", "Armazem", "Noserie"}}});
}

}  // namespace pellora::vela
