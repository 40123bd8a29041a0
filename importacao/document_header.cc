// The header of a new host document: from the import's header properties, from the original
// document's header when the readings refer to one, else from the customer or supplier record.

#include <string>

#include "dal/dal_comandos.h"
#include "importacao/mov_importacao.h"
#include "importacao/step_trap.h"
#include "runtime/clock.h"
#include "runtime/convert.h"
#include "runtime/field_values.h"
#include "runtime/format.h"
#include "runtime/text.h"

namespace pellora {
namespace {

constexpr double kMinutosDeCarga = 30.0 / (24 * 60);

// DOCGCCAB columns copied into the header members of the new document, in this order.
struct ColunaCopiada {
  const char* coluna;
  const char* membro;
};
constexpr ColunaCopiada kColunasDoOriginal[] = {
    {"MORADADSG", "MoradaDescarga"},
    {"LOCALDSG", "LocalDescarga"},
    {"PAISDSG", "PaisDescarga"},
    {"CDPOSTDSG", "CodigoPostalDescarga"},
    {"VNUMDOC", "VossoNoDocumento"},
    {"DESCCAB", "DescontoCabecalho"},
    {"VENDEDOR", "Vendedor"},
    {"NCONTRIB", "NumeroContribuinte"},
    {"LOCALCG", "LocalCarga"},
    {"MODOPGT", "ModoDePagamento"},
    {"PRAZOPGT", "PrazoDePagamento"},
    {"DOCREFNUMBERCODE_ORIGINAL", "DocRefNumberCodeOriginal"},
    {"DOCREFNUMBER_ORIGINAL", "DocRefNumberOriginal"},
    {"FEGLNEMPRESA", "FEGLNEmpresa"},
    {"FEIDDEPTERCEIRO", "FEIdDepTerceiro"},
    {"FETPDOCOUTRO", "FETpDocOutro"},
    {"DTPRESTACAO", "DtPrestacao"},
};

std::string FiltroCodigo(const std::string& codigo) {
  return "CODIGO='" + QuoteEscape(codigo) + "'";
}

}  // namespace

Result MovImportacao::DocCabecalhoCriar() {
  return RunTrapped([&] {
    cp_livres_orig_.reset();
    documento_.reset();
    documento_ = api_->NovoDocumento();
    LateBoundObject& cab = documento_->cab();

    const std::string data = Format(cab_data_, "dd-mm-yyyy");
    cab.Set("TipoDocumento", cab_tipo_documento_);
    cab.Set("Sector", cab_sector_);
    cab.Set("Serie", cab_serie_);
    cab.Set("Terceiro", cab_terceiro_);
    cab.Set("TipoPreco", cab_tipo_preco_);
    cab.Set("Data", data);
    cab.Set("Moeda", cab_moeda_);
    cab.Set("IvaIncluido", static_cast<int16_t>(cab_iva_incluido_ ? -1 : 0));
    cab.Set("DataCarga", data);
    cab.Set("HoraCarga", Format(Date{Now().serial + kMinutosDeCarga}, "hh:mm"));

    if (cab_tipo_importacao_ == TI_TransferenciasArm) {
      RecordsetPtr sector = HlpDb_SectoresGet(FiltroCodigo(cab_sector_) + " ", "");
      if (HasRows(sector)) cab.Set("LocalCarga", (*sector)["LOCALIDA"].Value());
    }

    if (doc_orig_cab_) {
      CabecalhoDoOriginal(cab);
    } else if (cab_tipo_importacao_ == TI_Venda) {
      RecordsetPtr cliente = HlpDb_ClientesGet(FiltroCodigo(cab_terceiro_), "");
      if (HasRows(cliente)) {
        cab.Set("DescontoCabecalho", Val(FieldText(*cliente, "DESCCOMP")));
        cab.Set("Vendedor", (*cliente)["VENDEDOR"].Value());
      }
    } else {
      RecordsetPtr fornecedor = HlpDb_FornecedoresGet(FiltroCodigo(cab_terceiro_), "");
      if (HasRows(fornecedor)) {
        cab.Set("DescontoCabecalho", Val(FieldText(*fornecedor, "DESCCOM")));
      }
    }

    const bool origem = SerieOrigemGet(CStr(cab.Get("TipoDocumento")), CStr(cab.Get("Serie")));
    documento_->SetOrigem(origem ? 3 : 1);
    if (documento_->IsNotaCredito()) {
      cab.Set("Reference", "Deve indicar a referencia à fatura rectificada.");
      cab.Set("Reason", "Indicar o motivo de crédito.");
    }
    documento_->Validar();  // the host's answer is looked at when the document is created
    return Result();
  });
}

void MovImportacao::CabecalhoDoOriginal(LateBoundObject& cab) {
  Recordset& original = *doc_orig_cab_;
  for (const ColunaCopiada& copiada : kColunasDoOriginal) {
    cab.Set(copiada.membro, original[copiada.coluna].Value());
  }
  if (!FieldText(original, "FEGLNEMPRESA").empty() &&
      FieldText(original, "DOCREFNUMBER_ORIGINAL").empty()) {
    cab.Set("DocRefNumberOriginal", original["VNUMDOC"].Value());
    cab.Set("DocRefNumberCodeOriginal", static_cast<int16_t>(1));
  }
  cp_livres_orig_ =
      HlpDb_DocGcCabCpLivresGet(FieldText(original, "TPDOC"), CLng(original["NNUMDOC"].Value()),
                                FieldText(original, "SERIE"), CInt(original["ANO"].Value()));
}

bool MovImportacao::SerieOrigemGet(const std::string& tipo, const std::string& serie) {
  try {
    RecordsetPtr series = HlpDb_SeriesGet(
        "TIPODOC='" + QuoteEscape(tipo) + "' and SERIE='" + QuoteEscape(serie) + "' ", "");
    if (!HasRows(series)) return false;
    const Variant origem = (*series)["ORIGEM"].Value();
    return !origem.IsNull() && CDbl(origem) == 1;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace pellora
