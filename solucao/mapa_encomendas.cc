#include "interfaces/orders_report.h"
#include "solucao/solucao.h"
#include "solucao/solucao_erros.h"

namespace pellora {
namespace {

constexpr int32_t kBaseDadosEmpresa = 2;
constexpr int32_t kDestinoEcra = 0;

}  // namespace

// The orders report beside the add-in, on the company database of the connection.
void Solucao::pMapaEncomendas() {
  RaiseAgainAs("pMapaEncomendas", [&] {
    const OrdersReportPtr mapa = factory_.CreateOrdersReport();
    mapa->SetDatabaseKind(kBaseDadosEmpresa);
    mapa->SetServer(servidor_);
    mapa->SetDatabase(base_dados_);
    mapa->SetUser(utilizador_);
    mapa->SetPassword(password_);
    mapa->SetReportFile(pasta_addin_ + "/oru_BC_Encomendas.rpt");
    mapa->Generate(kDestinoEcra);
    mapa->Show();
  });
}

}  // namespace pellora
