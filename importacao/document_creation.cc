// Validation and insertion of the built document, the outcome the operator reads, and the
// original document's free header fields carried over to the new one.

#include <string>

#include "dal/dal_comandos.h"
#include "importacao/mov_importacao.h"
#include "importacao/step_trap.h"
#include "runtime/convert.h"
#include "runtime/field_values.h"

namespace pellora {

Result MovImportacao::DocumentoGravar() {
  return RunTrapped([&] {
    LateBoundObject& cab = documento_->cab();
    const std::string tipo = CStr(cab.Get("TipoDocumento"));
    const std::string serie = CStr(cab.Get("Serie"));
    const bool de_encomenda = cab_tipo_importacao_ == TI_Venda || cab_tipo_importacao_ == TI_Compra;
    documento_->SetOrigem(de_encomenda && SerieOrigemGet(tipo, serie) ? 3 : 1);

    Result result;
    if (documento_->LinhasCount() == 0) {
      result.SetMensagem("Não foi necessário criar documento " + tipo + "-" + serie);
      return result;
    }
    if (documento_->Validar() != 0) return Result::Failure(documento_->UltimaMensagem());
    if (documento_->Inserir() != 0) return Result::Failure(documento_->UltimaMensagem());

    const std::string novo_tipo = CStr(cab.Get("TipoDocumento"));
    const std::string nova_serie = CStr(cab.Get("Serie"));
    const int32_t novo_numero = CLng(cab.Get("NossoNoDocumento"));
    const int16_t novo_ano = CInt(cab.Get("Ano"));
    result.SetMensagem("Foi criado com sucesso o documento " + novo_tipo + "-" + nova_serie + "-" +
                       std::to_string(novo_numero) + "-" + std::to_string(novo_ano));
    if (documento_->IsNotaCredito()) {
      result.SetMensagem(result.Mensagem() +
                         "\r\n Na Nota de Crédito deve preencher os campos que referenciam o "
                         "documento retificativo.");
    }
    if (HasRows(cp_livres_orig_)) {
      CamposLivresCopiar(novo_tipo, novo_numero, nova_serie, novo_ano);
    }
    return result;
  });
}

void MovImportacao::CamposLivresCopiar(const std::string& tipo, int32_t numero,
                                       const std::string& serie, int16_t ano) {
  RecordsetPtr novos = HlpDb_DocGcCabCpLivresGet(tipo, numero, serie, ano);
  Recordset& origem = *cp_livres_orig_;
  novos->AddNew();
  for (size_t campo = 0; campo < origem.FieldCount(); ++campo) {
    Field field = origem.Fields(campo);
    (*novos)[field.Name()].SetValue(field.Value());
  }
  (*novos)["TIPODOC"].SetValue(tipo);
  (*novos)["SERIE"].SetValue(serie);
  (*novos)["NDOC"].SetValue(numero);
  (*novos)["ANO"].SetValue(ano);
  novos->Update();
  HlpDb_DocGcCabCpLivresSave(novos);
  cp_livres_orig_.reset();
}

}  // namespace pellora
