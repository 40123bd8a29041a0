#include "solucao/dlg_selecao.h"

#include <memory>
#include <optional>

#include "dal/definitions.h"
#include "dal/reading_set_id.h"
#include "interfaces/connection.h"
#include "interfaces/selection_dialog.h"
#include "runtime/error.h"
#include "solucao/chooser_query.h"
#include "solucao/solucao_erros.h"

namespace pellora {
namespace {

// Shown columns 2 to 6: Terminal, Leitura, Terceiro, Nome, Doc. Origem.
constexpr float kLarguras[] = {1500, 1500, 1000, 3500, 1500};
constexpr int32_t kLarguraDialogo = 10000;

// Element `n` (from 1) of both arrays from an Id "terminal|sync"; a terminal whose name holds a
// bar keeps it.
void ConjuntoColocar(const std::string& id, size_t n, std::vector<std::string>& terminais,
                     std::vector<std::string>& conjuntos) {
  const std::optional<ReadingSetId> conjunto = SplitReadingSetId(id);
  if (!conjunto) RaiseRuntimeError(kSubscriptOutOfRange);
  terminais[n] = conjunto->terminal;
  conjuntos[n] = conjunto->sync;
}

}  // namespace

void pImporMovimentosDlgSelecao(ComponentFactory& factory, std::string terceiro,
                                std::string movimento, int16_t tipo,
                                std::vector<std::string>& terminais,
                                std::vector<std::string>& conjuntos, bool& cancelado) {
  RaiseAgainAs("pImporMovimentosDlgSelecao", [&] {
    const std::string filtro = ChooserMovementFilter(movimento);
    if (!gDataAccess) RaiseRuntimeError(kObjectNotSet);
    std::shared_ptr<Connection> ligacao;
    gDataAccess->GetConnection(ligacao);

    const SelectionDialogPtr dialogo = factory.CreateSelectionDialog();
    dialogo->SetConnection(ligacao);
    dialogo->SetTitle(ChooserTitle(filtro));
    dialogo->SetSql(ChooserSql(terceiro, filtro, tipo));
    dialogo->SetWidth(kLarguraDialogo);
    dialogo->Load();
    dialogo->Column(1).SetHidden(true);
    for (int coluna = 2; coluna <= 6; ++coluna) {
      dialogo->Column(coluna).SetWidth(kLarguras[coluna - 2]);
    }
    dialogo->SetMultiSelect(true);
    const std::string escolhido = dialogo->Show();

    terminais.assign(2, "");
    conjuntos.assign(2, "");
    if (escolhido.empty()) {
      cancelado = true;
      return;
    }
    if (!dialogo->MultiSelect()) {
      ConjuntoColocar(escolhido, 1, terminais, conjuntos);
    } else {
      size_t n = 0;
      for (const std::string& id : dialogo->SelectedIds()) {
        ++n;
        terminais.resize(n + 1);
        conjuntos.resize(n + 1);
        ConjuntoColocar(id, n, terminais, conjuntos);
      }
    }
    cancelado = false;
  });
}

}  // namespace pellora
