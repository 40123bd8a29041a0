#include "forms/frm_edit_prc_custo.h"

#include <array>
#include <utility>

#include "dal/dal_comandos.h"
#include "dal/dal_error.h"
#include "forms/enter_moves_focus.h"
#include "forms/form_errors.h"
#include "runtime/convert.h"
#include "runtime/text.h"

namespace pellora {

namespace {

const char kErrorTitle[] = "Preços de Custo";
const char kPriceField[] = "PrecoUnitario";

struct ShownField {
  const char* field;
  GridColumn column;
};

// The fields the operator sees; every other field of the readings is a hidden column.
const std::array<ShownField, 8> kShownFields = {{
    {"Artigo", {"Artigo", 1600, "", false, true}},
    {"ArtNome", {"Nome", 3200, "", false, true}},
    {"Unidade", {"Un.", 400, "", false, true}},
    {"Quantidade", {"Contagem", 1300, "###,###.#0", false, false}},
    {"Armazem", {"Armazem", 1000, "", false, true}},
    {kPriceField, {"Preço Unitário", 1300, "#,###.###0", false, false}},
    {"NumeroSerie", {"Num.Série", 1300, "", false, true}},
    {"NossoLote", {"Nosso Lote", 1300, "", false, true}},
}};

GridColumn ColumnOf(const std::string& field) {
  for (const ShownField& shown : kShownFields) {
    if (CompareTextNoCase(shown.field, field) == 0) return shown.column;
  }
  return GridColumn{field, 0, "", true, false};
}

// A unit cost is a number, 0 or above.
void CheckPrice(const std::string& field, const Variant& value, bool& cancel) {
  if (CompareTextNoCase(field, kPriceField) != 0) return;
  if (!IsNumeric(value) || CDbl(value) < 0) cancel = true;
}

bool PriceChanged(const Variant& price, const Variant& loaded) {
  if (price.IsNull() || price.IsEmpty()) return false;
  return loaded.IsNull() || CDbl(price) != CDbl(loaded);
}

}  // namespace

frmEditPrcCusto::frmEditPrcCusto(FormSurfacePtr surface, Dialogs& dialogs)
    : surface_(std::move(surface)), dialogs_(dialogs), grd_lin_precos_(surface_->AddDataGrid()) {
  surface_->SetCaption("Valores de Inventário");
  surface_->AddPushButton("&Gravar").OnClick([this] { GravarClick(); });
  surface_->AddPushButton("&Sair").OnClick([this] { surface_->Hide(); });
  grd_lin_precos_.OnBeforeUpdate(CheckPrice);
  EnterMovesFocus(*surface_);
}

void frmEditPrcCusto::SetDataAccess(DataAccessPtr& data_access) {
  data_access_ = data_access;
}

void frmEditPrcCusto::Editar(std::vector<std::string>& terminals, std::vector<std::string>& syncs) {
  TrapAndShow(dialogs_, kErrorTitle, [&] {
    sets_ = ChosenSets(terminals, syncs);
    GridFill();
    surface_->ShowModal();
  });
}

void frmEditPrcCusto::GridFill() {
  TrapAndShow(dialogs_, kErrorTitle, [this] {
    grd_lin_precos_.SetStyleFont("Normal", "Verdana");
    grd_lin_precos_.SetStyleFont("Heading", "Segoe UI");
    RecordsetPtr readings = HlpDb_LeiturasConjuntoGet(true, sets_);
    const Recordset& fields = ObjectOf(readings);
    grd_lin_precos_.SetRedraw(false);
    grd_lin_precos_.Bind(readings);
    for (size_t index = 0; index < fields.FieldCount(); ++index) {
      const std::string& field = fields.FieldDefAt(index).name;
      grd_lin_precos_.SetColumn(field, ColumnOf(field));
    }
    grd_lin_precos_.SetRedraw(true);
  });
}

void frmEditPrcCusto::GravarClick() {
  TrapAndShow(dialogs_, kErrorTitle, [this] {
    grd_lin_precos_.SetRedraw(false);
    pGravarPrecos();
    GridFill();
    grd_lin_precos_.SetRedraw(true);
  });
}

// Saves the rows whose price differs from the one they were loaded with, in grid order; a
// failure stops at its row.
void frmEditPrcCusto::pGravarPrecos() {
  ProcedureTrap("pGravarPrecos", [this] {
    for (long row = 0; row < grd_lin_precos_.RowCount(); ++row) {
      const Variant price = grd_lin_precos_.CellValue(row, kPriceField);
      if (!PriceChanged(price, grd_lin_precos_.CellLoadedValue(row, kPriceField))) continue;
      HlpDb_LeiturasPrcUnitSet(sets_, Concat(grd_lin_precos_.CellValue(row, "Artigo"), Variant()),
                               CDbl(price));
    }
  });
}

}  // namespace pellora
