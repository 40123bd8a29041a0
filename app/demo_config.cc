#include "app/demo_config.h"

namespace pellora::app {

std::string DemoConfigText(const std::string& server, const std::string& company) {
  return "; Configuração do Pellora para a empresa " + company + "\n" +
         "[Api Vela]\n"
         "Empresa=" +
         company +
         "\n"
         "Login=picagens\n"
         "password=picagens\n"
         "perclog=0\n"
         "PercWindows=0\n"
         "\n"
         "[Ligação]\n"
         "Servidor=" +
         server +
         "\n"
         "BaseDados=" +
         company +
         "\n"
         "User=pellora\n"
         "PassWord=pellora\n"
         "\n"
         "[Parametros]\n"
         "MostraUltimaVenda=S\n"
         "\n"
         "[V3U]\n"
         "TipoDocNaoMovimentaInativos=FA;VD;\n"
         "TipoDocControlaPrecosVenda=FA;VD;\n"
         "PercentagemControlaPrecosVenda=10\n"
         "CampoBDControlaPrecosVenda=PCM\n";
}

}  // namespace pellora::app
