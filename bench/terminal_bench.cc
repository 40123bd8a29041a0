// Terminals sending their sets at once through `pellora serve` while an import of every pending
// transfer runs on the same company file. Each terminal sends one inventory set, then sends it
// again as a device does after a lost answer. Afterwards every set must be there once and whole
// (its readings and the sum of their quantities), no two sets may share a stamp, and the import
// must have marked every reading it took. Prints the latency of the first sends: median and 95th
// percentile.
// Usage: terminal_bench [TERMINALS [READINGS_PER_SET [COMPANY_READINGS]]] (default 50 200 20000).

#include <httplib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <nlohmann/json.hpp>
#include <regex>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "tests/app/pellora_process.h"
#include "tests/terminal/serve_process.h"

namespace pellora::bench {
namespace {

using nlohmann::json;

// Articles the demo keeps without lots or serial numbers.
constexpr const char* kArticles[] = {"ARR001", "VIN001", "FEI001"};
constexpr int kParallelLogins = 4;  // each PIN hash takes its memory and a core's while

struct Terminal {
  std::string id, pin, token, set;
  double first_ms = 0;
  int first_status = 0, again_status = 0;
  bool same_answer = false;
};

std::string TerminalId(int index) {
  char id[16];
  std::snprintf(id, sizeof id, "B%03d", index + 1);
  return id;
}

// Quantity of reading `r` of terminal `t`: distinct enough that a doubled or lost reading shows
// in the sum.
int Quantity(int t, int r) {
  return 1 + (t * 7 + r) % 13;
}

// Runs `work(i)` for every terminal, `width` at a time.
template <typename Work>
void InBatches(std::vector<Terminal>& terminals, int width, Work work) {
  for (size_t from = 0; from < terminals.size(); from += width) {
    std::vector<std::future<void>> batch;
    for (size_t i = from; i < std::min(terminals.size(), from + width); ++i) {
      batch.push_back(std::async(std::launch::async, [&, i] { work(terminals[i], int(i)); }));
    }
    for (auto& done : batch) done.get();
  }
}

std::string Value(const std::string& company, const std::string& sql) {
  const app::Outcome outcome = app::Pellora(company + "sql \"" + sql + "\"");
  const size_t line = outcome.out.find('\n');
  if (outcome.status != 0 || line == std::string::npos) {
    throw std::runtime_error("sql: " + outcome.out);
  }
  return outcome.out.substr(line + 1, outcome.out.find('\n', line + 1) - line - 1);
}

double Percentile(std::vector<double> values, double fraction) {
  std::sort(values.begin(), values.end());
  return values[std::min(values.size() - 1, size_t(fraction * values.size()))];
}

int Run(int terminal_count, int readings_per_set, int company_readings) {
  TempFolder folder;
  const std::string company = app::OnDemo(folder.path().string());
  if (app::Pellora("demo --dir '" + folder.path().string() + "' --readings " +
                   std::to_string(company_readings) + " --kind T")
          .status != 0) {
    throw std::runtime_error("pellora demo failed");
  }
  std::vector<Terminal> terminals(terminal_count);
  InBatches(terminals, kParallelLogins, [&](Terminal& terminal, int index) {
    terminal.id = TerminalId(index);
    const app::Outcome added = app::Pellora(company + "terminal add " + terminal.id);
    std::smatch pin;
    if (std::regex_search(added.out, pin, std::regex(R"(PIN: (\d+))"))) terminal.pin = pin[1];
  });
  terminal::ServeProcess server(PELLORA_BINARY, company);
  if (server.port() == 0) throw std::runtime_error("pellora serve: " + server.said());
  auto post = [&](const std::string& path, const json& body, const std::string& token) {
    httplib::Client client("127.0.0.1", server.port());
    client.set_read_timeout(300);
    httplib::Headers headers;
    if (!token.empty()) headers.emplace("Authorization", "Bearer " + token);
    return client.Post(path, headers, body.dump(), "application/json");
  };
  InBatches(terminals, kParallelLogins, [&](Terminal& terminal, int) {
    const auto answer =
        post("/api/v1/sessions", {{"terminal", terminal.id}, {"pin", terminal.pin}}, "");
    if (answer && answer->status == 201) terminal.token = json::parse(answer->body)["token"];
  });

  const std::string transfers =
      Value(company,
            "SELECT COUNT(*) FROM oru_ARM_Picking_Movimentos WHERE TipoMov = 'T' AND "
            "Estado = 0");
  const auto start = std::chrono::steady_clock::now();
  auto import = std::async(std::launch::async, [&] {
    const app::Outcome outcome = app::Pellora(company + "op 2008 --pick-all");
    return std::make_pair(outcome.status, MillisecondsSince(start));
  });
  InBatches(terminals, terminal_count, [&](Terminal& terminal, int t) {
    json readings = json::array();
    for (int r = 0; r < readings_per_set; ++r) {
      readings.push_back(
          {{"article", kArticles[r % std::size(kArticles)]}, {"quantity", Quantity(t, r)}});
    }
    const json set = {{"id", "bench-" + terminal.id},
                      {"kind", "I"},
                      {"warehouse", "A01"},
                      {"readings", readings}};
    const auto sent = std::chrono::steady_clock::now();
    const auto first = post("/api/v1/sets", set, terminal.token);
    terminal.first_ms = MillisecondsSince(sent);
    const auto again = post("/api/v1/sets", set, terminal.token);
    terminal.first_status = first ? first->status : -1;
    terminal.again_status = again ? again->status : -1;
    terminal.same_answer = first && again && first->body == again->body;
    if (terminal.first_status == 201) terminal.set = json::parse(first->body)["set"];
  });
  const double sends_ms = MillisecondsSince(start);
  const auto [import_status, import_ms] = import.get();
  if (server.Stop() != 0) throw std::runtime_error("pellora serve: " + server.said());

  std::vector<std::string> faults;
  std::vector<double> latencies;
  for (int t = 0; t < terminal_count; ++t) {
    const Terminal& terminal = terminals[t];
    latencies.push_back(terminal.first_ms);
    long long sum = 0;
    for (int r = 0; r < readings_per_set; ++r) sum += Quantity(t, r);
    const std::string expected = std::to_string(readings_per_set) + "\t" + std::to_string(sum);
    const std::string found =
        Value(company,
              "SELECT COUNT(*), SUM(Quantidade) FROM oru_ARM_Picking_Movimentos WHERE "
              "TerminalId = '" +
                  terminal.id + "' AND DataSync = '" +
                  terminal.set.substr(terminal.set.find('|') + 1) + "'");
    const std::string all = Value(company,
                                  "SELECT COUNT(*) FROM oru_ARM_Picking_Movimentos "
                                  "WHERE TerminalId = '" +
                                      terminal.id + "'");
    if (terminal.first_status != 201 || terminal.again_status != 200 || !terminal.same_answer ||
        std::stod(found.substr(found.find('\t') + 1)) != sum ||
        found.substr(0, found.find('\t')) != std::to_string(readings_per_set) ||
        all != std::to_string(readings_per_set)) {
      faults.push_back(terminal.id + ": sent " + std::to_string(terminal.first_status) + "/" +
                       std::to_string(terminal.again_status) + ", its set holds " + found +
                       " (expected " + expected + "), the terminal's readings " + all);
    }
  }
  const std::string stamps =
      Value(company,
            "SELECT COUNT(DISTINCT DataSync) FROM oru_ARM_Picking_Movimentos WHERE "
            "TerminalId LIKE 'B%'");
  if (stamps != std::to_string(terminal_count)) faults.push_back("stamps shared: " + stamps);
  const std::string imported =
      Value(company,
            "SELECT COUNT(*) FROM oru_ARM_Picking_Movimentos WHERE TipoMov = 'T' AND Estado = 1");
  if (import_status != 0 || imported != transfers) {
    faults.push_back("import: status " + std::to_string(import_status) + ", " + imported + " of " +
                     transfers + " readings marked");
  }

  std::printf(
      "terminals through pellora serve on SQLite, an import of %s transfer readings "
      "alongside\n",
      transfers.c_str());
  std::printf("%9s %8s %11s %11s %10s %10s %10s\n", "terminals", "readings", "median ms", "p95 ms",
              "max ms", "sends ms", "import ms");
  std::printf("%9d %8d %11.1f %11.1f %10.1f %10.1f %10.1f\n", terminal_count, readings_per_set,
              Percentile(latencies, 0.5), Percentile(latencies, 0.95), Percentile(latencies, 1.0),
              sends_ms, import_ms);
  for (const std::string& fault : faults) std::printf("FAULT %s\n", fault.c_str());
  if (faults.empty()) {
    std::printf("every set arrived once and whole (%d readings), each with a stamp of its own\n",
                terminal_count * readings_per_set);
  }
  return faults.empty() ? 0 : 1;
}

}  // namespace
}  // namespace pellora::bench

int main(int argc, char** argv) {
  const int terminals = argc > 1 ? std::atoi(argv[1]) : 50;
  const int readings = argc > 2 ? std::atoi(argv[2]) : 200;
  const int company = argc > 3 ? std::atoi(argv[3]) : 20000;
  if (terminals < 1 || terminals > 999 || readings < 1 || company < 1) {
    std::fprintf(stderr,
                 "Usage: terminal_bench [TERMINALS [READINGS_PER_SET [COMPANY_READINGS]]]\n");
    return 2;
  }
  try {
    return pellora::bench::Run(terminals, readings, company);
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "terminal_bench: %s\n", failure.what());
    return 1;
  }
}
