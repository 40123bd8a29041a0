#include <string>

#include "dal/dal_comandos.h"
#include "interfaces/connection_settings.h"
#include "interfaces/dialogs.h"
#include "runtime/recordset.h"
#include "solucao/solucao.h"
#include "solucao/solucao_erros.h"

namespace pellora {

std::string Solucao::pConnectionString() const {
  std::string texto = std::string("Provider=") + "MSDataShape" + ";Data Provider=" + "SQLOLEDB" +
                      ";Data Source=" + servidor_ + ";Initial Catalog=" + base_dados_;
  if (!password_.empty() || !utilizador_.empty()) {
    texto += ";User Id=" + utilizador_ + ";Password=" + password_ + "; ";
  } else {
    texto += ";Integrated Security=SSPI;";
  }
  return texto;
}

bool Solucao::pBaseDadosAbrir() {
  data_access_ = factory_.CreateDataAccess();
  const ConnectionSettingsPtr ligacao = factory_.CreateConnectionSettings();
  ligacao->SetConfigurationFile(ficheiro_configuracao_);
  const auto valores_ler = [&] {
    servidor_ = ligacao->Server();
    base_dados_ = ligacao->Database();
    utilizador_ = ligacao->User();
    password_ = ligacao->Password();
  };
  valores_ler();
  if (utilizador_.empty() || servidor_.empty() || base_dados_.empty()) {
    ligacao->SetConfirmSave(false);
    ligacao->Configure();
    valores_ler();
  }
  return data_access_->OpenConnection(pConnectionString());
}

void Solucao::pBaseDadosFechar() {
  if (!data_access_) return;
  data_access_->CloseConnection();
  data_access_.reset();
}

bool Solucao::pVelaLigar() {
  picking_api_ = factory_.CreatePickingApi();
  picking_api_->SetIdentificadorAplicacao(identificador_aplicacao_);
  if (picking_api_->Login(ficheiro_configuracao_)) return true;
  dialogs_->MsgBox("Erro. Não foi possivel ligar ao Vela", vbExclamation,
                   "Ligação ao Servidor/Vela");
  pBaseDadosFechar();
  return false;
}

void Solucao::pArtigosAlocadosCreateTable() {
  RaiseAgainAs("pArtigosAlocadosCreateTable", [&] { pParametrosTo2022S(); });
}

// Tables of an earlier layout keep the series columns as integers: they become text once.
void Solucao::pParametrosTo2022S() {
  RaiseAgainAs("pParametrosTo2022S", [&] {
    const RecordsetPtr parametros = HlpDb_ParametrosGet();
    if (parametros->Fields("LBXENCFORSER").Type() == adInteger) HlpDb_ParametrosConvert2022S();
  });
}

}  // namespace pellora
