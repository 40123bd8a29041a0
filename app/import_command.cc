#include <filesystem>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include <unistd.h>

#include "app/commands.h"
#include "app/progress_display.h"
#include "dal/dal_comandos.h"
#include "dal/definitions.h"
#include "dal/reading_set_id.h"
#include "importacao/import_request.h"
#include "importacao/mov_importacao.h"
#include "platform/vela/picking_api.h"
#include "runtime/clock.h"
#include "runtime/date.h"
#include "runtime/date_text.h"
#include "runtime/error.h"
#include "runtime/text.h"
#include "solucao/tipo_documento.h"

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
  const std::optional<ReadingSetId> set = SplitReadingSetId(id);
  if (!set || set->terminal.empty() || set->sync.empty()) {
    throw UsageError("Conjunto inválido: " + id + " (use TERMINAL|SINCRONIZAÇÃO, como em sets).");
  }
  terminals.push_back(set->terminal);
  syncs.push_back(set->sync);
}

Date DocumentDate(const CommandLine& line) {
  std::optional<std::string> text = line.Get("date");
  if (!text) return Now();
  std::optional<Date> date = ParseDateText(*text);
  if (!date) throw UsageError("Data inválida: " + *text + " (use AAAA-MM-DD).");
  return *date;
}

// The header options of the command line; sales and purchases must name their document. A
// transfer without a destination goes to the set's warehouse.
ImportHeader HeaderOptions(const CommandLine& line, TipoImportacao kind) {
  ImportHeader header;
  header.kind = kind;
  header.date = DocumentDate(line);
  header.currency = line.Get("currency").value_or("EUR");
  if (kind == TI_Venda || kind == TI_Compra) {
    header.series = line.Require("series");
    header.doc_type = line.Require("doc-type");
  } else {
    header.series = line.Get("series");
    header.doc_type = line.Get("doc-type");
  }
  header.sector = line.Get("sector");
  header.third_party = line.Get("third-party");
  if (header.third_party && header.third_party->empty()) header.third_party.reset();
  return header;
}

// A sale must go into a sales document and a purchase into a purchase document, as the document
// views classify their types.
void CheckDocumentType(TipoImportacao kind, std::string doc_type) {
  if (kind != TI_Venda && kind != TI_Compra) return;
  const int16_t side = pTipoDocumento(doc_type);
  const bool sales = side == 2 || side == 3;
  const bool purchases = side == 0 || side == 1;
  if (kind == TI_Venda ? sales : purchases) return;
  throw UsageError("O tipo de documento " + doc_type + " não serve para importar " +
                   (kind == TI_Venda ? "vendas" : "compras") + ": indique um tipo de documento " +
                   (kind == TI_Venda ? "de vendas" : "de compras") + " com --doc-type.");
}

// What the integrator is told when the server went away during the import: the transaction went
// with the connection.
constexpr char kLinkLostDuringImport[] =
    "A ligação ao servidor perdeu-se a meio da importação; nada foi gravado. Repita a importação.";

// On a terminal, the import shows how far it has gone.
void ShowProgressOnTerminal(MovImportacao& import, std::optional<ProgressDisplay>& progress,
                            std::ostream& err) {
  if (!isatty(STDERR_FILENO)) return;
  progress.emplace(err);
  auto show = [&progress](const char* stage, long done, long total) {
    progress->Show(stage, done, total);
  };
  import.SetProgresso(show);
}

}  // namespace

// pellora import --kind KIND --set ID [--set ID]... [header options]: one import, as the host
// operation of that kind runs it, for integrators and benchmarks.
int ImportCommand(const CommandContext& context) {
  const CommandLine& line = context.line;
  line.CheckKnown(
      {"kind", "set", "doc-type", "series", "sector", "third-party", "date", "currency"});
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
  const std::filesystem::path configuration = context.ConfigurationFile();
  if (!api->Login(configuration.string())) {
    throw UsageError("Não foi possível ligar ao Vela com " + configuration.string() + ".");
  }
  if (api->user().empty() || api->company().empty()) {
    throw UsageError("O ficheiro de configuração " + configuration.string() +
                     " não indica Login e Empresa na secção [Api Vela].");
  }
  if (CompareTextNoCase(api->company(), context.Company()) != 0) {
    throw UsageError("O ficheiro de configuração " + configuration.string() + " é da empresa " +
                     api->company() + ", não da empresa " + context.Company() + ".");
  }
  api->SetDataAccess(data_access);
  HlpDb_ParametrosCreate();

  ImportHeader header = HeaderOptions(line, kind->second);
  CheckDocumentType(kind->second, header.doc_type.value_or(""));
  ImportRequest request(std::move(header), terminals, syncs);
  MovImportacao import;
  request.WriteHeader(import);
  std::optional<ProgressDisplay> progress;
  ShowProgressOnTerminal(import, progress, context.err);
  PickingApiPtr picking = api;
  const ImportOutcome outcome = request.Run(import, picking);
  progress.reset();
  if (const std::optional<ImportRefusal>& refusal = outcome.refusal) {
    if (refusal->reason == ImportRefusal::Reason::kChoice) throw UsageError(refusal->message);
    context.out << refusal->message << '\n';
    return 1;
  }
  // Lost before the import was confirmed (a loss while confirming is raised, in its own words).
  if (outcome.result.ErroNum() == kServerLinkFailed) {
    context.out << kLinkLostDuringImport << '\n';
    return 1;
  }
  context.out << outcome.result.Mensagem() << '\n';
  api->Logout();
  return outcome.result.IsSucesso() ? 0 : 1;
}

}  // namespace pellora::app
