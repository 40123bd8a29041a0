#include "app/import_header.h"

#include "dal/dal_comandos.h"
#include "runtime/field_values.h"

namespace pellora::app {
namespace {

std::string Parameter(const RecordsetPtr& parameters, const char* column) {
  return HasRows(parameters) ? FieldText(*parameters, column) : "";
}

}  // namespace

bool OperationPassesOneSet(TipoImportacao kind) {
  return kind == TI_Venda || kind == TI_Compra;
}

// Each kind writes exactly the properties its host operation writes, in the same order.
void WriteImportHeader(const ImportHeader& header, MovImportacao& import,
                       std::vector<std::string>& terminals, std::vector<std::string>& syncs) {
  switch (header.kind) {
    case TI_InventarioInicial:
    case TI_AcertoInventario:
    case TI_AnularPicagens:
      import.SetCabTipoImportacao(header.kind);
      import.SetCabData(header.date);
      if (header.kind == TI_InventarioInicial) import.SetCabIvaIncluido(false);
      import.SetCabMoeda("EUR");
      import.SetCabSector("");
      import.SetCabSerie("1");
      import.SetCabTerceiro("");
      import.SetCabTipoDocumento("");
      if (header.kind != TI_InventarioInicial) import.SetCabTipoPreco(tpDefault);
      return;
    case TI_Venda:
    case TI_Compra:
      import.SetCabTipoImportacao(header.kind);
      import.SetCabData(header.date);
      import.SetCabIvaIncluido(false);
      import.SetCabMoeda(header.currency);
      import.SetCabSector(header.sector.value_or(""));
      import.SetCabSerie(header.series.value_or(""));
      import.SetCabTerceiro(header.third_party.value_or(""));
      import.SetCabTipoDocumento(header.doc_type.value_or(""));
      import.SetCabTipoPreco(tpDefault);
      return;
    case TI_TransferenciasArm: {
      RecordsetPtr parameters = HlpDb_ParametrosGet();
      std::string destination = header.third_party.value_or("");
      if (destination.empty()) destination = import.TerceiroGet(terminals[1], syncs[1]);
      import.SetCabTipoImportacao(TI_TransferenciasArm);
      import.SetCabData(header.date);
      import.SetCabMoeda("EUR");
      import.SetCabSector(header.sector.value_or(Parameter(parameters, "TRANSFSEC")));
      import.SetCabSerie(header.series.value_or(Parameter(parameters, "TRANSFSER")));
      import.SetCabTerceiro(destination);
      import.SetCabTipoDocumento(header.doc_type.value_or(Parameter(parameters, "TRANSFDOC")));
      import.SetCabTipoPreco(tpManual);
      return;
    }
  }
}

}  // namespace pellora::app
