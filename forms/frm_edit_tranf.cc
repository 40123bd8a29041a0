#include "forms/frm_edit_tranf.h"

#include <utility>

#include "dal/dal_comandos.h"
#include "dal/dal_error.h"
#include "dal/sql_text.h"
#include "forms/enter_moves_focus.h"
#include "forms/form_errors.h"
#include "interfaces/coded_item.h"
#include "runtime/convert.h"
#include "runtime/field_values.h"
#include "runtime/text.h"

namespace pellora {

namespace {

const char kCaption[] = "Transferências de Armazens";

// Clears `list` and adds "[code] description" for every row; selects the item whose code in
// upper case equals `selected`. Answers whether an item was selected.
bool FillCodedList(ComboBox& list, const RecordsetPtr& rows, std::string_view code_field,
                   std::string_view description_field, const std::string& selected) {
  list.Clear();
  bool found = false;
  Recordset& recordset = ObjectOf(rows);
  for (; !recordset.Eof(); recordset.MoveNext()) {
    const std::string code = FieldText(recordset, code_field);
    list.AddItem(CodedItemText(code, FieldText(recordset, description_field)));
    if (UCase(code) == selected) {
      list.SetListIndex(list.ListCount() - 1);
      found = true;
    }
  }
  return found;
}

}  // namespace

FrmEditTranf::FrmEditTranf(FormSurfacePtr surface, Dialogs& dialogs)
    : surface_(std::move(surface)),
      dialogs_(dialogs),
      cmb_armazens_(surface_->AddComboBox("Armazém Destino")),
      cmb_tp_doc_(surface_->AddComboBox("Tipo Documento")),
      cmb_series_(surface_->AddComboBox("Série")),
      cmb_sectores_(surface_->AddComboBox("Sector")) {
  surface_->SetCaption(kCaption);
  surface_->AddPushButton("&Confirmar").OnClick([this] { Close(false); });
  surface_->AddPushButton("&Cancelar").OnClick([this] { Close(true); });
  cmb_tp_doc_.OnClick([this] { SeriesFill(); });
  EnterMovesFocus(*surface_);
}

void FrmEditTranf::SetTerceiro(std::string warehouse) {
  terceiro_ = std::move(warehouse);
}
std::string FrmEditTranf::Terceiro() const {
  return CodeOfItem(cmb_armazens_.Text());
}
std::string FrmEditTranf::TipoDocumento() const {
  return CodeOfItem(cmb_tp_doc_.Text());
}
std::string FrmEditTranf::Serie() const {
  return CodeOfItem(cmb_series_.Text());
}
std::string FrmEditTranf::Sector() const {
  return CodeOfItem(cmb_sectores_.Text());
}
void FrmEditTranf::SetDataAccess(DataAccessPtr& data_access) {
  data_access_ = data_access;
}
bool FrmEditTranf::Cancelou() const {
  return cancelou_;
}

void FrmEditTranf::Editar() {
  TrapAndShow(dialogs_, kCaption, [this] {
    parametros_ = HlpDb_ParametrosGet();
    ArmazensFill();
    TiposDocumentosFill();
    SeriesFill();
    SectoresFill();
    surface_->ShowModal();
    parametros_.reset();
  });
}

void FrmEditTranf::ArmazensFill() {
  // Only this list falls back to its first item.
  const bool found =
      FillCodedList(cmb_armazens_, HlpDb_ArmazensGet("", "CODIGO"), "CODIGO", "NOME", terceiro_);
  if (!found && cmb_armazens_.ListCount() > 0) cmb_armazens_.SetListIndex(0);
}

void FrmEditTranf::TiposDocumentosFill() {
  const std::string selected = ParametroUpper("TRANSFDOC");
  FillCodedList(cmb_tp_doc_,
                HlpDb_TiposDocumentosGet("AREAG=4 AND TPOPER =4 AND TPFSTC =3", "CODIGO"), "CODIGO",
                "DESCR", selected);
}

void FrmEditTranf::SeriesFill() {
  const std::string selected = ParametroUpper("TRANSFSER");
  FillCodedList(cmb_series_,
                HlpDb_SeriesGet("TIPODOC='" + QuotesDoubled(TipoDocumento()) + "'", "SERIE"),
                "SERIE", "DESCR", selected);
}

void FrmEditTranf::SectoresFill() {
  const std::string selected = ParametroUpper("TRANSFSEC");
  FillCodedList(cmb_sectores_, HlpDb_SectoresGet("", "CODIGO"), "CODIGO", "DESCR", selected);
}

std::string FrmEditTranf::ParametroUpper(std::string_view column) {
  return UCase(FieldText(ObjectOf(parametros_), column));
}

void FrmEditTranf::Close(bool cancelled) {
  cancelou_ = cancelled;
  surface_->Hide();
}

}  // namespace pellora
