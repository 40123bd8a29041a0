#include <string>

#include "interfaces/folder_locator.h"
#include "solucao/solucao.h"
#include "support/cinifile.h"

namespace pellora {

// Reads the company's configuration file "PICKING." + company, kept in the maker's common folder
// or, when that is missing, in the add-in's own folder. A missing key reads as empty.
void Solucao::pConfiguracaoLer() {
  const FolderLocatorPtr locator = factory_.CreateFolderLocator();
  std::string pasta = locator->CommonFolder() + "/orudados";
  if (!locator->FolderExists(pasta)) pasta = pasta_addin_;
  ficheiro_configuracao_ = pasta + "/" + "PICKING" + "." + empresa_;

  const struct {
    const char* seccao;
    const char* chave;
    std::string Solucao::*destino;
  } kChaves[] = {
      {"Api Vela", "password", &Solucao::api_password_},
      {"Api Vela", "Login", &Solucao::api_login_},
      {"Api Vela", "Empresa", &Solucao::api_empresa_},
      {"Api Vela", "perclog", &Solucao::api_perclog_},
      {"Api Vela", "PercWindows", &Solucao::api_perc_windows_},
      {"Ligação", "Servidor", &Solucao::servidor_},
      {"Ligação", "BaseDados", &Solucao::base_dados_},
      {"Ligação", "User", &Solucao::utilizador_},
      {"Ligação", "PassWord", &Solucao::password_},
      {"Parametros", "MostraUltimaVenda", &Solucao::mostra_ultima_venda_},
      {"V3U", "TipoDocNaoMovimentaInativos", &Solucao::tipo_doc_nao_movimenta_inativos_},
      {"V3U", "TipoDocControlaPrecosVenda", &Solucao::tipo_doc_controla_precos_venda_},
      {"V3U", "PercentagemControlaPrecosVenda", &Solucao::percentagem_controla_precos_venda_},
      {"V3U", "CampoBDControlaPrecosVenda", &Solucao::campo_bd_controla_precos_venda_},
  };
  cInifile ini;
  ini.SetPath(ficheiro_configuracao_);
  for (const auto& chave : kChaves) {
    ini.SetSection(chave.seccao);
    ini.SetKey(chave.chave);
    this->*chave.destino = ini.Value();
  }
}

}  // namespace pellora
