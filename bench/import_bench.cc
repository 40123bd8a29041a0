// Times whole imports as the host operations run them, on demo companies of growing size, each
// import on a fresh copy of the company, and beside each the floor: the same reads and writes
// done directly on the database (bench/direct_import.h) on another fresh copy. Every import runs
// on a company file (SQLite) and on the same company on a throwaway PostgreSQL cluster.
//   inventory:   an initial inventory of every pending inventory set;
//   sale/orders: a sale (FA) of every pending exit set read against a customer order;
//   sale/party:  a sale (FA) of every pending exit set of the customer with the most sets;
//   adjustment:  an inventory adjustment of every pending adjustment set;
//   adjust/noser: the same of the adjustment sets without serial numbers.
// Then the same imports of one company whose readings are all of the import's kind, so that one
// import holds every reading: "count/I" an inventory, "count/A" an adjustment, "count/S" a sale
// of exits read against orders, 2000 sets a document.
// Sets sharing their synchronisation with another terminal's set are left out (see WithOwnSync).
// Usage: import_bench [READINGS...] (default 1000 10000 100000). To profile a few rows, IMPORTS
// names the imports to run (comma-separated, e.g. "count/S,adjustment") and ENGINES=SQLite leaves
// the server out.

#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "bench/direct_import.h"
#include "dal/dal_comandos.h"
#include "importacao/import_request.h"
#include "importacao/mov_importacao.h"
#include "platform/vela/picking_api.h"
#include "runtime/clock.h"
#include "tests/postgres_cluster.h"

namespace pellora::bench {
namespace {

struct Scenario {
  std::string name;
  TipoImportacao kind;
  std::vector<ReadingSet> sets;
  std::string doc_type;     // for sales, the document on screen
  std::string third_party;  // for sales, the customer on screen ("" when the orders name it)
  DirectDocument floor;
  size_t left_out = 0;  // listed sets sharing their synchronisation with another terminal's
  // Sets per import, 0 for all in one: a document holds at most 32767 lines, so a large sale
  // from orders is made as several documents, as an operator would.
  size_t sets_per_import = 0;
};

// The engines every import runs on, in the order of the table's columns.
constexpr const char* kEngines[] = {"SQLite", "PostgreSQL"};
constexpr size_t kEngineCount = std::size(kEngines);

// The comma-separated names of the environment variable `variable`, or nullopt when it is unset
// (every name is chosen).
std::optional<std::vector<std::string>> ChosenNames(const char* variable) {
  const char* list = std::getenv(variable);
  if (list == nullptr) return std::nullopt;
  std::vector<std::string> names;
  std::istringstream text(list);
  for (std::string name; std::getline(text, name, ',');) names.push_back(name);
  return names;
}

bool Chosen(const char* variable, const std::string& name) {
  const auto names = ChosenNames(variable);
  return !names || std::find(names->begin(), names->end(), name) != names->end();
}

bool ImportChosen(const std::string& name) {
  return Chosen("IMPORTS", name);
}
bool EngineChosen(size_t engine) {
  return Chosen("ENGINES", kEngines[engine]);
}

// Whether any import of the mixed company is chosen (their names depend on its customers).
bool MixedChosen() {
  const auto names = ChosenNames("IMPORTS");
  return !names || std::any_of(names->begin(), names->end(), [](const std::string& name) {
    return name.rfind("count/", 0) != 0;
  });
}

// One scenario on one engine.
struct EngineMeasure {
  long long readings = 0;  // pending readings of the chosen sets
  long long marked = 0;    // of those, marked imported afterwards
  double ms = 0;
  Result result;
  long long lines = 0;  // document lines the import wrote
  size_t floor_lines = 0;
  double floor_ms = 0;
};

struct Measure {
  size_t sets = 0;
  size_t left_out = 0;
  std::array<EngineMeasure, kEngineCount> engines;
};

// A scenario and the company it runs on, per engine (the same demo content on each).
struct Case {
  Scenario scenario;
  std::array<Company, kEngineCount> companies;
};

std::vector<ReadingSet> Where(const std::vector<ReadingSet>& sets,
                              bool (*keep)(const ReadingSet&)) {
  std::vector<ReadingSet> kept;
  for (const ReadingSet& set : sets) {
    if (keep(set)) kept.push_back(set);
  }
  return kept;
}

std::string CustomerWithMostSets(const std::vector<ReadingSet>& sets) {
  std::map<std::string, int> counts;
  for (const ReadingSet& set : sets) {
    if (!set.third_party.empty()) ++counts[set.third_party];
  }
  std::string best;
  for (const auto& [party, count] : counts) {
    if (best.empty() || count > counts[best]) best = party;
  }
  return best;
}

// The sets none of whose pending readings carries a serial number.
std::vector<ReadingSet> WithoutSerials(const std::vector<ReadingSet>& sets,
                                       const Company& company) {
  const std::unique_ptr<DirectConnection> db = OpenDirect(company);
  std::vector<ReadingSet> kept;
  for (const ReadingSet& set : sets) {
    if (db->Integer("SELECT COUNT(*) FROM oru_ARM_Picking_Movimentos WHERE TerminalId = " +
                    Quoted(set.terminal) + " AND DataSync = " + Quoted(set.sync) +
                    " AND Estado = 0 AND COALESCE(NumeroSerie, '') <> ''") == 0) {
      kept.push_back(set);
    }
  }
  return kept;
}

// The imports to time on one company, their sets listed as the chooser lists them.
std::vector<Scenario> Scenarios(const Company& company) {
  DataAccessPtr data_access = OpenCompany(company);
  const std::vector<ReadingSet> exits = PendingSets(*data_access, "S", 2);
  const std::vector<ReadingSet> adjustments = PendingSets(*data_access, "A", 3);
  const std::string customer = CustomerWithMostSets(exits);
  std::vector<ReadingSet> customer_sets;
  for (const ReadingSet& set : exits) {
    if (set.third_party == customer) customer_sets.push_back(set);
  }
  std::vector<Scenario> scenarios = {
      {"inventory", TI_InventarioInicial, PendingSets(*data_access, "I", 3), "", "",
       DirectDocument{FloorKind::kInventory, ""}},
      {"sale/orders", TI_Venda,
       Where(exits, [](const ReadingSet& set) { return !set.origin.empty(); }), "FA", "",
       DirectDocument{FloorKind::kSale, ""}},
      {"sale/" + customer, TI_Venda, customer_sets, "FA", customer,
       DirectDocument{FloorKind::kSale, customer}},
      {"adjustment", TI_AcertoInventario, adjustments, "", "",
       DirectDocument{FloorKind::kAdjustment, ""}},
      {"adjust/noser", TI_AcertoInventario, WithoutSerials(adjustments, company), "", "",
       DirectDocument{FloorKind::kAdjustment, ""}},
  };
  data_access->CloseConnection();
  for (Scenario& scenario : scenarios) {
    const size_t listed = scenario.sets.size();
    scenario.sets = WithOwnSync(scenario.sets, company);
    scenario.left_out = listed - scenario.sets.size();
  }
  return scenarios;
}

// The sets of each import of the scenario, as an operator chooses them.
std::vector<SetArrays> Batches(const Scenario& scenario) {
  const size_t per_import =
      scenario.sets_per_import ? scenario.sets_per_import : scenario.sets.size();
  std::vector<SetArrays> batches;
  for (size_t first = 0; first < scenario.sets.size(); first += per_import) {
    const auto from = scenario.sets.begin() + static_cast<std::ptrdiff_t>(first);
    batches.push_back(Arrays(std::vector<ReadingSet>(
        from,
        from + static_cast<std::ptrdiff_t>(std::min(per_import, scenario.sets.size() - first)))));
  }
  return batches;
}

// One import as the pellora import command runs it: the company opened, the host logged in,
// the parameters table made sure of, the header written and Execute called.
void TimeImport(const Scenario& scenario, const Company& company, EngineMeasure& measure) {
  SetArrays sets = Arrays(scenario.sets);
  measure.readings = ReadingsInState(*OpenDirect(company), sets, 0);
  const long long lines_before = OpenDirect(company)->Integer("SELECT COUNT(*) FROM DOCGCLIN");
  DataAccessPtr data_access = OpenCompany(company);
  auto api = std::make_shared<vela::VelaPickingApi>();
  if (!api->Login(company.Configuration().string())) throw std::runtime_error("login failed");
  api->SetDataAccess(data_access);
  HlpDb_ParametrosCreate();

  std::vector<SetArrays> batches = Batches(scenario);
  const auto start = std::chrono::steady_clock::now();
  for (SetArrays& batch : batches) {
    MovImportacao import;
    ImportHeader header;
    header.kind = scenario.kind;
    header.date = Now();
    if (scenario.kind == TI_Venda) {
      header.series = "1";
      header.doc_type = scenario.doc_type;
      header.third_party = scenario.third_party;
    }
    ImportRequest request(header, batch.terminals, batch.syncs);
    request.WriteHeader(import);
    PickingApiPtr picking = api;
    measure.result = import.Execute(picking, request.OneSet(), batch.terminals, batch.syncs);
    if (!measure.result.IsSucesso()) break;
  }
  measure.ms = MillisecondsSince(start);

  api->Logout();
  data_access->CloseConnection();
  measure.marked = ReadingsInState(*OpenDirect(company), sets, 1);
  measure.lines = OpenDirect(company)->Integer("SELECT COUNT(*) FROM DOCGCLIN") - lines_before;
}

void TimeFloor(const Scenario& scenario, const Company& company, EngineMeasure& measure) {
  const std::unique_ptr<DirectConnection> db = OpenDirect(company);
  DirectImport direct(*db, Batches(scenario), scenario.floor);
  const auto start = std::chrono::steady_clock::now();
  measure.floor_lines = direct.Run();
  measure.floor_ms = MillisecondsSince(start);
}

const char* TipoName(int32_t tipo) {
  switch (tipo) {
    case Sucesso:
      return "Sucesso";
    case Erro:
      return "Erro";
    case Aviso:
      return "Aviso";
  }
  return "?";
}

std::string FirstLine(const std::string& text) {
  return text.substr(0, text.find_first_of("\r\n"));
}

// The engine's name over its columns, then the columns' names.
void PrintHeader() {
  std::printf("%-13s %7s %5s %4s %8s", "", "", "", "", "");
  for (const char* engine : kEngines) std::printf(" | %-41s", engine);
  std::printf("\n%-13s %7s %5s %4s %8s", "import", "company", "sets", "left", "readings");
  for (size_t engine = 0; engine < kEngineCount; ++engine) {
    std::printf(" | %9s %9s %6s %7s %-7s", "ms", "floor ms", "ratio", "marked", "Tipo");
  }
  std::printf("\n");
}

void PrintRow(const std::string& name, int size, const Measure& m) {
  std::printf("%-13s %7d %5zu %4zu %8lld", name.c_str(), size, m.sets, m.left_out,
              m.engines[0].readings);
  for (const EngineMeasure& e : m.engines) {
    std::printf(" | %9.1f %9.1f %5.1fx %7lld %-7s", e.ms, e.floor_ms,
                e.floor_ms > 0 ? e.ms / e.floor_ms : 0.0, e.marked, TipoName(e.result.Tipo()));
  }
  std::printf("\n");
  for (size_t engine = 1; engine < kEngineCount; ++engine) {
    if (!EngineChosen(engine) || m.engines[engine].readings == m.engines[0].readings) continue;
    std::printf("    readings differ: %s %lld, %s %lld\n", kEngines[0], m.engines[0].readings,
                kEngines[engine], m.engines[engine].readings);
  }
  // A floor that writes fewer lines than the import does less work than it: said, not hidden.
  for (size_t engine = 0; engine < kEngineCount; ++engine) {
    const EngineMeasure& e = m.engines[engine];
    if (!EngineChosen(engine) || e.lines == static_cast<long long>(e.floor_lines)) continue;
    std::printf("    lines differ (%s): import %lld, floor %zu\n", kEngines[engine], e.lines,
                e.floor_lines);
  }
  for (size_t engine = 0; engine < kEngineCount; ++engine) {
    const Result& result = m.engines[engine].result;
    if (!EngineChosen(engine) || result.IsSucesso()) continue;
    std::printf(
        "    Mensagem (%s): %s\n", kEngines[engine],
        std::getenv("FULL") ? result.Mensagem().c_str() : FirstLine(result.Mensagem()).c_str());
  }
  std::fflush(stdout);
}

// The scenario of `name` among those of `company`.
Scenario Named(const Company& company, const std::string& name) {
  for (Scenario& scenario : Scenarios(company)) {
    if (scenario.name == name) return scenario;
  }
  throw std::runtime_error("no scenario " + name);
}

// The same demo company on every engine: a file in `dir`, and a database `name` on `server`
// when the server is chosen. The scenarios are listed on the file; the content is the same.
std::array<Company, kEngineCount> CreateDemos(const fs::path& dir, const std::string& name,
                                              const std::string& server, int size,
                                              std::optional<char> kind) {
  std::array<Company, kEngineCount> companies = {CreateDemo(dir / name, size, kind)};
  if (!server.empty()) {
    companies[1] = CreateDemo(Company{dir / (name + "-pg"), name, server}, size, kind);
  }
  return companies;
}

// Every scenario of the mixed company, then one per single-kind company.
std::vector<Case> AllCases(const fs::path& dir, const std::string& server, int size) {
  std::vector<Case> all;
  const std::string master = "master" + std::to_string(size);
  if (MixedChosen()) {
    const auto mixed = CreateDemos(dir, master, server, size, std::nullopt);
    for (Scenario& scenario : Scenarios(mixed[0])) {
      if (ImportChosen(scenario.name)) all.push_back(Case{std::move(scenario), mixed});
    }
  }
  const std::pair<char, const char*> kinds[] = {
      {'I', "inventory"}, {'A', "adjustment"}, {'S', "sale/orders"}};
  for (const auto& [kind, name] : kinds) {
    if (!ImportChosen("count/" + std::string(1, kind))) continue;
    const auto companies =
        CreateDemos(dir, master + "_" + static_cast<char>(std::tolower(kind)), server, size, kind);
    Scenario scenario = Named(companies[0], name);
    scenario.name = "count/" + std::string(1, kind);
    if (kind == 'S') scenario.sets_per_import = 2000;
    all.push_back(Case{std::move(scenario), companies});
  }
  return all;
}

// The import and its floor of one scenario on one engine, each on a fresh copy of the company.
void TimeOnEngine(const Scenario& scenario, const Company& company, const fs::path& run,
                  EngineMeasure& measure) {
  const Company for_import = CopyCompany(company, run / "import");
  TimeImport(scenario, for_import, measure);
  RemoveCompany(for_import);
  const Company for_floor = CopyCompany(company, run / "floor");
  TimeFloor(scenario, for_floor, measure);
  RemoveCompany(for_floor);
}

// Scenario rows keep their place across sizes (the customer's name may differ per company).
void Run(const std::vector<int>& sizes) {
  TempFolder temp;
  std::optional<testing::PostgresCluster> cluster;
  if (EngineChosen(1)) cluster.emplace();
  const std::string server = cluster ? cluster->Server() : "";
  std::map<size_t, std::map<int, Measure>> results;
  std::vector<std::string> names;
  std::printf(
      "imports, each on a fresh copy of a demo company (seed %u); floor: the same reads "
      "and writes directly on the database\n"
      "PostgreSQL 15: a throwaway cluster on loopback (fsync off), the company copied from "
      "the same demo\n",
      kSeed);
  PrintHeader();
  for (int size : sizes) {
    const fs::path dir = temp.path() / std::to_string(size);
    const std::vector<Case> cases = AllCases(dir, server, size);
    for (size_t i = 0; i < cases.size(); ++i) {
      const Case& c = cases[i];
      if (names.size() <= i) names.push_back(c.scenario.name);
      Measure& measure = results[i][size];
      measure.sets = c.scenario.sets.size();
      measure.left_out = c.scenario.left_out;
      if (c.scenario.sets.empty()) continue;
      for (size_t engine = 0; engine < kEngineCount; ++engine) {
        if (!EngineChosen(engine)) continue;
        TimeOnEngine(c.scenario, c.companies[engine], dir / ("run" + std::to_string(i)),
                     measure.engines[engine]);
      }
      PrintRow(c.scenario.name, size, measure);
    }
  }
  if (results.empty() || !results[0].count(10000) || !results[0].count(100000)) return;
  std::printf("\ngrowth 10000 -> 100000 readings (near-linear: about 10x)\n");
  std::printf("%-13s", "");
  for (const char* engine : kEngines) std::printf(" | %-17s", engine);
  std::printf("\n%-13s", "import");
  for (size_t engine = 0; engine < kEngineCount; ++engine) {
    std::printf(" | %8s %8s", "import", "floor");
  }
  std::printf("\n");
  for (size_t i = 0; i < names.size(); ++i) {
    std::printf("%-13s", names[i].c_str());
    for (size_t engine = 0; engine < kEngineCount; ++engine) {
      const EngineMeasure& from = results[i][10000].engines[engine];
      const EngineMeasure& to = results[i][100000].engines[engine];
      std::printf(" | %8s %8s", Growth(from.ms, to.ms).c_str(),
                  Growth(from.floor_ms, to.floor_ms).c_str());
    }
    std::printf("\n");
  }
}

}  // namespace
}  // namespace pellora::bench

int main(int argc, char** argv) {
  const pellora::ContextScope program(pellora::app::ProgramContext());
  std::vector<int> sizes;
  for (int i = 1; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
  if (sizes.empty()) sizes = {1000, 10000, 100000};
  try {
    pellora::bench::Run(sizes);
    return 0;
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "import_bench: %s\n", failure.what());
    return 1;
  }
}
