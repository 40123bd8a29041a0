#include <filesystem>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "app/commands.h"
#include "dal/dal_comandos.h"
#include "dal/definitions.h"
#include "importacao/mov_importacao.h"
#include "platform/vela/picking_api.h"
#include "runtime/clock.h"
#include "runtime/date.h"
#include "runtime/date_text.h"

namespace pellora::app {
namespace {

const std::map<std::string, TipoImportacao>& Kinds() {
  static const std::map<std::string, TipoImportacao> kKinds = {
      {"inventario", TI_InventarioInicial},
      {"venda", TI_Venda},
      {"compra", TI_Compra},
      {"acerto", TI_AcertoInventario},
      {"transferencia", TI_TransferenciasArm},
      {"anular", TI_AnularPicagens}};
  return kKinds;
}

// "TERMINAL|SYNC" as the chooser gives a reading set's Id.
void AddSet(const std::string& id, std::vector<std::string>& terminals,
            std::vector<std::string>& syncs) {
  const size_t bar = id.find('|');
  if (bar == std::string::npos || bar == 0 || bar + 1 == id.size()) {
    throw UsageError("Conjunto inválido: " + id + " (use TERMINAL|SINCRONIZAÇÃO, como em sets).");
  }
  terminals.push_back(id.substr(0, bar));
  syncs.push_back(id.substr(bar + 1));
}

Date DocumentDate(const CommandLine& line) {
  std::optional<std::string> text = line.Get("date");
  if (!text) return Now();
  std::optional<Date> date = ParseDateText(*text);
  if (!date) throw UsageError("Data inválida: " + *text + " (use AAAA-MM-DD).");
  return *date;
}

std::string Parameter(const RecordsetPtr& parameters, const char* column) {
  if (!parameters || parameters->Eof()) return "";
  const Variant value = parameters->Fields(column).Value();
  return value.IsString() ? value.AsString() : "";
}

// The header the host operation of each kind writes: fixed values for the stock operations, the
// document on screen (here: the options) for sales and purchases, the transfer dialog's choices
// (here: the options, defaulting to the parameters and the reading set's warehouse).
void WriteHeader(const CommandLine& line, TipoImportacao kind, MovImportacao& import,
                 std::vector<std::string>& terminals, std::vector<std::string>& syncs) {
  import.SetCabTipoImportacao(kind);
  import.SetCabData(DocumentDate(line));
  import.SetCabIvaIncluido(false);
  import.SetCabMoeda(line.Get("currency").value_or("EUR"));
  switch (kind) {
    case TI_InventarioInicial:
    case TI_AcertoInventario:
    case TI_AnularPicagens:
      import.SetCabSector("");
      import.SetCabSerie("1");
      import.SetCabTerceiro("");
      import.SetCabTipoDocumento("");
      import.SetCabTipoPreco(tpDefault);
      return;
    case TI_Venda:
    case TI_Compra:
      import.SetCabSector(line.Get("sector").value_or(""));
      import.SetCabSerie(line.Require("series"));
      import.SetCabTerceiro(line.Get("third-party").value_or(""));
      import.SetCabTipoDocumento(line.Require("doc-type"));
      import.SetCabTipoPreco(tpDefault);
      return;
    case TI_TransferenciasArm: {
      RecordsetPtr parameters = HlpDb_ParametrosGet();
      std::string destination = line.Get("third-party").value_or("");
      if (destination.empty()) destination = import.TerceiroGet(terminals[1], syncs[1]);
      import.SetCabSector(line.Get("sector").value_or(Parameter(parameters, "TRANSFSEC")));
      import.SetCabSerie(line.Get("series").value_or(Parameter(parameters, "TRANSFSER")));
      import.SetCabTerceiro(destination);
      import.SetCabTipoDocumento(line.Get("doc-type").value_or(Parameter(parameters, "TRANSFDOC")));
      import.SetCabTipoPreco(tpManual);
      return;
    }
  }
}

}  // namespace

// pellora import --kind KIND --set ID [--set ID]... [header options]: one import, as the host
// operation of that kind runs it, for integrators and benchmarks.
int ImportCommand(const CommandContext& context) {
  const CommandLine& line = context.line;
  line.CheckKnown({"kind", "set", "doc-type", "series", "sector", "third-party", "date", "currency",
                   "dir", "company", "user", "trace-sql"});
  auto kind = Kinds().find(line.Require("kind"));
  if (kind == Kinds().end()) {
    throw UsageError("Tipo de importação desconhecido: " + line.Require("kind") +
                     " (use inventario, venda, compra, acerto, transferencia ou anular).");
  }
  std::vector<std::string> terminals(1), syncs(1);
  for (const std::string& id : line.GetAll("set")) AddSet(id, terminals, syncs);
  if (terminals.size() < 2) throw UsageError("Indique pelo menos um conjunto com --set.");

  DataAccessPtr data_access = context.OpenCompany();
  DataAccessSet(data_access);
  auto api = std::make_shared<vela::VelaPickingApi>();
  const std::filesystem::path configuration =
      std::filesystem::path(context.Dir()) / "orudados" / ("PICKING." + context.Company());
  if (!api->Login(configuration.string())) {
    throw UsageError("Não foi possível ligar ao Vela com " + configuration.string() + ".");
  }
  api->SetDataAccess(data_access);
  HlpDb_ParametrosCreate();

  MovImportacao import;
  WriteHeader(line, kind->second, import, terminals, syncs);
  PickingApiPtr picking = api;
  const Result result = import.Execute(picking, terminals.size() == 2, terminals, syncs);
  context.out << result.Mensagem() << '\n';
  api->Logout();
  data_access->CloseConnection();
  return result.IsSucesso() ? 0 : 1;
}

}  // namespace pellora::app
