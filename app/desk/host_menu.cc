#include "app/desk/host_menu.h"

namespace pellora::desk {

const std::vector<HostOperation>& HostOperations() {
  static const std::vector<HostOperation> kOperations = {
      {2000, "&Parâmetros de Exportação/Importação"},
      {2001, "&Mapa de Encomendas"},
      {2005, "Importação de Movimentos de &Inventário"},
      {2006, "Importação de Movimentos de &Acerto de Inventário"},
      {2007, "Preços de &Custo do Inventário"},
      {2008, "Importação de &Transferências de Armazens"},
      {2009, "Preços de Custo do Ac&erto de Inventário"},
      {2010, "A&nulação de Picagens"},
  };
  return kOperations;
}

}  // namespace pellora::desk
