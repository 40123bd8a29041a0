#ifndef PELLORA_FORMS_FRM_EDIT_PRC_CUSTO_H_
#define PELLORA_FORMS_FRM_EDIT_PRC_CUSTO_H_

#include <string>
#include <vector>

#include "dal/reading_lists.h"
#include "interfaces/controls.h"
#include "interfaces/data_access.h"
#include "interfaces/dialogs.h"
#include "runtime/variant.h"

namespace pellora {

// "Valores de Inventário": the counted readings of the first chosen reading set in a grid, where
// the operator types the unit cost of each article. "&Gravar" stores the changed costs on the
// readings of every chosen set and shows the grid again; "&Sair" leaves without saving.
class frmEditPrcCusto {
 public:
  frmEditPrcCusto(FormSurfacePtr surface, Dialogs& dialogs);

  // Kept for the caller; the readings are read and written through gDataAccess.
  void SetDataAccess(DataAccessPtr& data_access);
  // Keeps copies of the reading-set arrays (filled from element 1), fills the grid and shows the
  // form modally; returns when it is hidden.
  void Editar(std::vector<std::string>& terminals, std::vector<std::string>& syncs);

 private:
  void GridFill();
  void GravarClick();
  void pGravarPrecos();

  FormSurfacePtr surface_;
  Dialogs& dialogs_;
  DataGrid& grd_lin_precos_;
  ChosenSets sets_{{}, {}};
  DataAccessPtr data_access_;
};

}  // namespace pellora

#endif  // PELLORA_FORMS_FRM_EDIT_PRC_CUSTO_H_
