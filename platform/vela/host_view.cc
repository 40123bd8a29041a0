#include "platform/vela/host_view.h"

#include <memory>
#include <string>
#include <vector>

namespace pellora::vela {

VelaHostView::VelaHostView()
    : cab_("VistaCabecalho",
           {"TipoDocumento", "Data", "Moeda", "Sector", "Serie", "Terceiro", "DescontoCabecalho"}) {
}

LateBoundObject& VelaHostView::NovaLinha() {
  linha_ = std::make_shared<LateBoundObject>(
      "VistaLinha",
      std::vector<std::string>{"Artigo", "PrecoUnitario", "Quantidade", "DescontoValor"});
  return *linha_;
}

}  // namespace pellora::vela
