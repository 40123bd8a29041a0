#ifndef PELLORA_FORMS_FRM_CONFIGURACAO_H_
#define PELLORA_FORMS_FRM_CONFIGURACAO_H_

#include <map>
#include <string>

#include "forms/frm_configuracao_items.h"
#include "interfaces/dialogs.h"
#include "interfaces/property_grid.h"
#include "runtime/recordset.h"

namespace pellora {

// "Conf. Exportação/Importação de Documentos": the single row of oru_PARAMETROSEXP in a
// property grid, every parameter a drop-down restricted to its host catalogue. Choices change
// only the row held by the form; "&Confirmar" writes it and leaves, "C&ancelar" shows the
// stored row again, "&Sair" leaves without writing. The caller creates the form, calls Editar,
// then Unload, and releases it.
class FrmConfiguracao {
 public:
  FrmConfiguracao(PropertyGridSurfacePtr surface, Dialogs& dialogs);

  // Loads the catalogues and the row, builds the grid and shows it modally; returns when the
  // window is hidden. A failure is shown, and the window is then not shown.
  void Editar();
  // Releases the catalogues and the row.
  void Unload();

 private:
  void CmdConfClick();
  void CmdCancelClick();
  void CmdSairClick();
  void ValueChanged(PropertyItem& item);
  template <typename Body>
  void ButtonTrap(Body&& body);

  void pForeignKeyTablesOpenLoad();
  void pForeignKeyTablesClose();
  void pParametrosOpen();
  void pParametrosClose();
  void pParametrosSave();
  void pFrmPropBuild();
  void pFrmPropSetValues();
  void pFrmPropSetConstraintsSeries(PropertyItem& item, RecordsetPtr& series,
                                    const std::string& document_type);

  PropertyItem& Item(long id);
  RecordsetPtr& CatalogueOf(const ParameterItem& item);

  PropertyGridSurfacePtr surface_;
  Dialogs& dialogs_;
  PropertyGrid& wnd_property_grid_;
  RecordsetPtr parametros_;
  std::map<Catalogue, RecordsetPtr> catalogues_;  // all but the series
  std::map<long, RecordsetPtr> series_;           // one list per series item, by identifier
};

}  // namespace pellora

#endif  // PELLORA_FORMS_FRM_CONFIGURACAO_H_
