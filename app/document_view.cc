#include "app/document_view.h"

#include <memory>

#include "platform/vela/host_view.h"

namespace pellora::app {

HostViewPtr DocumentView(const DocumentHeader& header) {
  auto view = std::make_shared<vela::VelaHostView>();
  view->cab().Set("TipoDocumento", header.doc_type);
  view->cab().Set("Serie", header.series);
  view->cab().Set("Terceiro", header.third_party);
  view->cab().Set("Data", header.date);
  view->cab().Set("Moeda", header.currency);
  view->cab().Set("Sector", header.sector);
  return view;
}

void RunViewOperation(Solucao& solucao, HostViewPtr view, bool sales, const std::string& company,
                      const std::string& user) {
  Variant pai, empresa(company), utilizador(user);
  Variant operacao(static_cast<int16_t>(sales ? 2003 : 2004));
  if (sales) {
    solucao.OnVistaVendasOperacao(pai, view, empresa, utilizador, operacao);
  } else {
    solucao.OnVistaComprasOperacao(pai, view, empresa, utilizador, operacao);
  }
}

}  // namespace pellora::app
