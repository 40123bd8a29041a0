#include "forms/frm_configuracao.h"

#include <exception>
#include <utility>

#include "dal/dal_comandos.h"
#include "dal/dal_error.h"
#include "dal/sql_text.h"
#include "forms/form_errors.h"
#include "forms/frm_configuracao_lists.h"
#include "runtime/convert.h"
#include "runtime/error.h"

namespace pellora {

namespace {

const char kButtonErrorTitle[] = "Configuração";

}  // namespace

FrmConfiguracao::FrmConfiguracao(PropertyGridSurfacePtr surface, Dialogs& dialogs)
    : surface_(std::move(surface)),
      dialogs_(dialogs),
      wnd_property_grid_(surface_->AddPropertyGrid()) {
  surface_->SetCaption("Conf. Exportação/Importação de Documentos");
  surface_->AddPushButton("&Confirmar").OnClick([this] { CmdConfClick(); });
  surface_->AddPushButton("C&ancelar").OnClick([this] { CmdCancelClick(); });
  surface_->AddPushButton("&Sair").OnClick([this] { CmdSairClick(); });
  wnd_property_grid_.OnValueChanged([this](PropertyItem& item) { ValueChanged(item); });
}

void FrmConfiguracao::Editar() {
  try {
    pForeignKeyTablesOpenLoad();
    pParametrosOpen();
    pFrmPropBuild();
    pFrmPropSetValues();
    surface_->ShowModal();
  } catch (const Error& error) {
    dialogs_.MsgBox(error.description(), vbExclamation, error.source());
  }
}

void FrmConfiguracao::Unload() {
  pForeignKeyTablesClose();
  pParametrosClose();
}

// No failure leaves a button, whoever raised it: the system's errors show their chain of
// procedures, any other failure (the toolkit's, the library's) its own text.
template <typename Body>
void FrmConfiguracao::ButtonTrap(Body&& body) {
  try {
    body();
  } catch (const Error& error) {
    dialogs_.MsgBox(error.source() + "\r\n\r\n" + error.description(), vbExclamation,
                    kButtonErrorTitle);
  } catch (const std::exception& failure) {
    dialogs_.MsgBox(failure.what(), vbExclamation, kButtonErrorTitle);
  }
}

void FrmConfiguracao::CmdConfClick() {
  ButtonTrap([this] {
    pParametrosSave();
    surface_->Hide();
  });
}

void FrmConfiguracao::CmdCancelClick() {
  ButtonTrap([this] {
    pParametrosClose();
    pParametrosOpen();
    pFrmPropSetValues();
  });
}

void FrmConfiguracao::CmdSairClick() {
  ButtonTrap([this] { surface_->Hide(); });
}

// The operator's choice goes into the row held by the form; a document type also gives its
// series item the series of that type, leaving the stored series as it is. A failure is shown
// as a button's is, and the window stays open.
void FrmConfiguracao::ValueChanged(PropertyItem& item) {
  const ParameterItem* parameter = ParameterItemWithId(item.Id());
  if (parameter == nullptr) return;  // not one of the parameters
  ButtonTrap([&] {
    Recordset& catalogue = ObjectOf(CatalogueOf(*parameter));
    catalogue.SetAbsolutePosition(CLng(item.Value()));
    const std::string code = FieldText(catalogue, RulesOf(parameter->catalogue).code_field);
    Recordset& parametros = ObjectOf(parametros_);
    parametros.Fields(parameter->column).SetValue(Variant(code));
    parametros.Update();
    if (parameter->series_item != 0) {
      pFrmPropSetConstraintsSeries(Item(parameter->series_item), series_[parameter->series_item],
                                   code);
    }
  });
}

void FrmConfiguracao::pForeignKeyTablesOpenLoad() {
  ProcedureTrap("pForeignKeyTablesOpenLoad", [this] {
    catalogues_[Catalogue::kWarehouses] = HlpDb_ArmazensGet("", "CODIGO");
    catalogues_[Catalogue::kDocumentTypes] = HlpDb_TiposDocumentosGet("", "CODIGO");
    catalogues_[Catalogue::kSectors] = HlpDb_SectoresGet("", "CODIGO");
    catalogues_[Catalogue::kCustomers] = HlpDb_ClientesReduzidoGet("", "NOME");
    catalogues_[Catalogue::kSuppliers] = HlpDb_FornecedoresReduzidoGet("", "NOME");
    for (const ParameterItem& item : kParameterItems) {
      if (item.catalogue == Catalogue::kSeries) series_[item.id] = HlpDb_SeriesGet("", "");
    }
  });
}

void FrmConfiguracao::pForeignKeyTablesClose() {
  ProcedureTrap("pForeignKeyTablesClose", [this] {
    catalogues_.clear();
    series_.clear();
  });
}

// The row of the table; an empty table gets a row here, with every parameter empty, which
// reaches the database only when it is saved.
void FrmConfiguracao::pParametrosOpen() {
  ProcedureTrap("pParametrosOpen", [this] {
    parametros_ = HlpDb_ParametrosGet();
    Recordset& parametros = ObjectOf(parametros_);
    if (parametros.RecordCount() != 0) return;
    parametros.AddNew();
    for (const ParameterItem& item : kParameterItems) {
      parametros.Fields(item.column).SetValue(Variant(""));
    }
    parametros.Update();
  });
}

void FrmConfiguracao::pParametrosClose() {
  ProcedureTrap("pParametrosClose", [this] { parametros_.reset(); });
}

void FrmConfiguracao::pParametrosSave() {
  ProcedureTrap("pParametrosSave", [this] { HlpDb_ParametrosSave(parametros_); });
}

void FrmConfiguracao::pFrmPropBuild() {
  ProcedureTrap("pFrmPropBuild", [this] {
    for (size_t index = 0; index < kParameterCategories.size(); ++index) {
      PropertyCategory& category =
          wnd_property_grid_.AddCategory(kParameterCategories[index].caption);
      category.SetDescription(kParameterCategories[index].description);
      for (const ParameterItem& parameter : kParameterItems) {
        if (parameter.category != index) continue;
        PropertyItem& item =
            category.AddChildItem(kPropertyItemEnum, parameter.caption, Variant(""));
        item.SetId(parameter.id);
        item.SetDescription(parameter.description);
        item.SetTag(parameter.column);
        if (parameter.catalogue == Catalogue::kSeries) {
          pFrmPropSetConstraintsSeries(item, series_[parameter.id], "");
        } else {
          SetCatalogueConstraints(item, ObjectOf(CatalogueOf(parameter)),
                                  RulesOf(parameter.catalogue));
        }
      }
    }
  });
}

// Every item shows the stored code's entry, blank when the code is not in its catalogue; a
// series item first offers the series of its stored document type.
void FrmConfiguracao::pFrmPropSetValues() {
  ProcedureTrap("pFrmPropSetValues", [this] {
    Recordset& parametros = ObjectOf(parametros_);
    for (const ParameterItem& parameter : kParameterItems) {
      PropertyItem& item = Item(parameter.id);
      const std::string code = FieldText(parametros, parameter.column);
      if (parameter.catalogue == Catalogue::kSeries) {
        pFrmPropSetConstraintsSeries(item, series_[parameter.id],
                                     FieldText(parametros, DocumentTypeItemOf(parameter).column));
      }
      item.SetValue(Variant(CatalogueConstraintValue(ObjectOf(CatalogueOf(parameter)),
                                                     RulesOf(parameter.catalogue), code)));
    }
  });
}

// The series of one document type, or every series for an empty type.
void FrmConfiguracao::pFrmPropSetConstraintsSeries(PropertyItem& item, RecordsetPtr& series,
                                                   const std::string& document_type) {
  ProcedureTrap("pFrmPropSetConstraintsSeries", [&] {
    item.ClearEntries();
    series = HlpDb_SeriesGet(
        document_type.empty() ? "" : "TIPODOC='" + QuotesDoubled(document_type) + "'", "");
    AddCatalogueEntries(item, ObjectOf(series), RulesOf(Catalogue::kSeries));
  });
}

PropertyItem& FrmConfiguracao::Item(long id) {
  PropertyItem* item = wnd_property_grid_.FindItem(id);
  if (item == nullptr) RaiseRuntimeError(kObjectNotSet);
  return *item;
}

RecordsetPtr& FrmConfiguracao::CatalogueOf(const ParameterItem& item) {
  return item.catalogue == Catalogue::kSeries ? series_[item.id] : catalogues_[item.catalogue];
}

}  // namespace pellora
