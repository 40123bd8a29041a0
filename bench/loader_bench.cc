// Times the three loaders of readings over every pending set of their kinds, several sets at a
// time, on demo companies of growing size:
//   documents:  HlpDb_LeiturasConjuntoParaDocumGet over the entry and exit sets;
//   inventory:  HlpDb_LeiturasConjuntoGet over the inventory sets (grouped, detached copy);
//   adjustment: HlpDb_LeiturasConjuntoParaAcInventarioGet over the adjustment sets (merged
//               copy, with the host movements query per new key).
// Each should grow linearly with the number of readings.

#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "dal/dal_comandos.h"

namespace pellora::bench {
namespace {

using Loader = RecordsetPtr (*)(bool, const ChosenSets&);

struct LoaderCase {
  const char* name;
  Loader loader;
  std::vector<std::pair<const char*, int16_t>> kinds;  // movement code, third-party kind
};

const std::vector<LoaderCase>& Cases() {
  static const std::vector<LoaderCase> kCases = {
      {"documents (E+S)", HlpDb_LeiturasConjuntoParaDocumGet, {{"E", 1}, {"S", 2}}},
      {"inventory (I)", HlpDb_LeiturasConjuntoGet, {{"I", 3}}},
      {"adjustment (A)", HlpDb_LeiturasConjuntoParaAcInventarioGet, {{"A", 3}}},
  };
  return kCases;
}

struct Measure {
  size_t sets = 0;
  long long readings = 0;  // pending readings of the chosen sets
  long rows = 0;           // rows the loader gave
  double ms = 0;
};

Measure Time(const LoaderCase& loader_case, const Company& company, DataAccess& data_access) {
  std::vector<ReadingSet> chosen;
  for (const auto& [code, kind] : loader_case.kinds) {
    for (ReadingSet& set : PendingSets(data_access, code, kind)) chosen.push_back(set);
  }
  SetArrays arrays = Arrays(chosen);
  Measure measure;
  measure.sets = arrays.size();
  SqliteFile file(company.Database());
  measure.readings = ReadingsInState(file, arrays, 0);
  const auto start = std::chrono::steady_clock::now();
  RecordsetPtr rows = loader_case.loader(false, ChosenSets(arrays.terminals, arrays.syncs));
  measure.ms = MillisecondsSince(start);
  measure.rows = rows ? rows->RecordCount() : 0;
  return measure;
}

void Run() {
  const std::vector<int> sizes = {10000, 100000};
  TempFolder temp;
  std::map<std::string, std::vector<Measure>> results;
  for (int size : sizes) {
    const Company company = CreateDemo(temp.path() / std::to_string(size), size);
    DataAccessPtr data_access = OpenCompany(company);
    for (const LoaderCase& loader_case : Cases()) {
      results[loader_case.name].push_back(Time(loader_case, company, *data_access));
    }
    data_access->CloseConnection();
  }
  std::printf("loaders, several sets at a time (demo companies, seed %u)\n", kSeed);
  std::printf("%-17s %8s %6s %9s %8s %10s %10s %8s\n", "loader", "company", "sets", "readings",
              "rows", "ms", "us/reading", "growth");
  for (const LoaderCase& loader_case : Cases()) {
    const std::vector<Measure>& measures = results[loader_case.name];
    for (size_t i = 0; i < sizes.size(); ++i) {
      const Measure& m = measures[i];
      std::printf("%-17s %8d %6zu %9lld %8ld %10.1f %10.2f %8s\n", loader_case.name, sizes[i],
                  m.sets, m.readings, m.rows, m.ms,
                  m.readings ? m.ms * 1000 / static_cast<double>(m.readings) : 0.0,
                  i == 0 ? "" : Growth(measures[0].ms, m.ms).c_str());
    }
  }
}

}  // namespace
}  // namespace pellora::bench

int main() {
  const pellora::ContextScope program(pellora::app::ProgramContext());
  try {
    pellora::bench::Run();
    return 0;
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "loader_bench: %s\n", failure.what());
    return 1;
  }
}
