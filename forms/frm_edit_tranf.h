#ifndef PELLORA_FORMS_FRM_EDIT_TRANF_H_
#define PELLORA_FORMS_FRM_EDIT_TRANF_H_

#include <string>
#include <string_view>

#include "interfaces/controls.h"
#include "interfaces/data_access.h"
#include "interfaces/dialogs.h"
#include "runtime/recordset.h"

namespace pellora {

// "Transferências de Armazens": the operator confirms the destination warehouse, document type,
// series and sector of a warehouse transfer. The caller writes Terceiro, calls Editar, then reads
// Cancelou and, when it is False, the four codes.
class FrmEditTranf {
 public:
  FrmEditTranf(FormSurfacePtr surface, Dialogs& dialogs);

  // The warehouse to preselect.
  void SetTerceiro(std::string warehouse);
  // The codes chosen; empty for a list without selection.
  std::string Terceiro() const;
  std::string TipoDocumento() const;
  std::string Serie() const;
  std::string Sector() const;
  // Kept for the caller; the lists are read through gDataAccess.
  void SetDataAccess(DataAccessPtr& data_access);
  // True unless the operator left with "&Confirmar".
  bool Cancelou() const;
  // Fills the lists and shows the form modally; returns when it is hidden.
  void Editar();

 private:
  void ArmazensFill();
  void TiposDocumentosFill();
  void SeriesFill();
  void SectoresFill();
  // A parameter of the stored row in upper case; empty when NULL.
  std::string ParametroUpper(std::string_view column);
  void Close(bool cancelled);

  FormSurfacePtr surface_;
  Dialogs& dialogs_;
  ComboBox& cmb_armazens_;
  ComboBox& cmb_tp_doc_;
  ComboBox& cmb_series_;
  ComboBox& cmb_sectores_;
  std::string terceiro_;
  bool cancelou_ = true;  // as the form's load leaves it
  DataAccessPtr data_access_;
  RecordsetPtr parametros_;  // while the form is open
};

}  // namespace pellora

#endif  // PELLORA_FORMS_FRM_EDIT_TRANF_H_
