// Times the two ways the import engine drives a Recordset filter, at growing sizes:
//   lookup: one equality filter per reading over a loaded recordset, a field read after each;
//   merge:  per reading, filter by key, AddNew or add to the match, Update, clear the filter.
// Both should grow linearly with the number of rows.

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "runtime/recordset.h"

namespace pellora {
namespace {

// Four readings per article, spread over three warehouses; most without a serial number.
struct Reading {
  std::string artigo, armazem, numero_serie;
  double quantidade;
};

Reading ReadingAt(size_t i) {
  return Reading{"A" + std::to_string(i / 4), "M" + std::to_string(i % 3 + 1),
                 i % 10 == 0 ? "S" + std::to_string(i) : "", 1.0 + static_cast<double>(i % 7)};
}

void AppendFields(Recordset& recordset) {
  recordset.AppendField("Artigo", adVarWChar, 48, adFldIsNullable);
  recordset.AppendField("Armazem", adVarWChar, 5, adFldIsNullable);
  recordset.AppendField("NumeroSerie", adVarWChar, 50, adFldIsNullable);
  recordset.AppendField("Quantidade", adCurrency);
}

std::string KeyFilter(const Reading& reading) {
  return "Artigo='" + reading.artigo + "' AND Armazem='" + reading.armazem + "' AND NumeroSerie='" +
         reading.numero_serie + "'";
}

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

double TimeLookups(size_t rows) {
  Recordset recordset;
  AppendFields(recordset);
  for (size_t i = 0; i < rows; ++i) {
    Reading reading = ReadingAt(i);
    recordset.LoadRow({reading.artigo, reading.armazem, reading.numero_serie,
                       Currency::FromDouble(reading.quantidade)});
  }
  recordset.Open();
  auto start = std::chrono::steady_clock::now();
  double total = 0;
  for (size_t i = 0; i < rows; ++i) {
    recordset.SetFilter(KeyFilter(ReadingAt(rows - 1 - i)));
    total += recordset["Quantidade"].Value().AsCurrency().ToDouble();
  }
  double elapsed = MillisecondsSince(start);
  if (total <= 0) std::printf("unexpected: no reading found\n");
  return elapsed;
}

double TimeMerge(size_t rows) {
  Recordset copy;
  AppendFields(copy);
  copy.Open();
  auto start = std::chrono::steady_clock::now();
  for (size_t i = 0; i < rows; ++i) {
    Reading reading = ReadingAt(i % 2 == 0 ? i : i - 1);  // every other reading merges
    copy.SetFilter(KeyFilter(reading));
    if (copy.RecordCount() == 0) {
      copy.AddNew();
      copy["Artigo"].SetValue(reading.artigo);
      copy["Armazem"].SetValue(reading.armazem);
      copy["NumeroSerie"].SetValue(reading.numero_serie);
      copy["Quantidade"].SetValue(reading.quantidade);
    } else {
      double sum = copy["Quantidade"].Value().AsCurrency().ToDouble() + reading.quantidade;
      copy["Quantidade"].SetValue(sum);
    }
    copy.Update();
    copy.SetFilter("");
  }
  double elapsed = MillisecondsSince(start);
  if (copy.RecordCount() != static_cast<long>((rows + 1) / 2)) {
    std::printf("unexpected: %ld merged rows\n", copy.RecordCount());
  }
  return elapsed;
}

void Report(const char* name, double (*run)(size_t)) {
  const std::vector<size_t> sizes = {10000, 50000, 100000};
  std::printf("%s\n%10s %12s %12s %10s\n", name, "rows", "total ms", "us/filter", "growth");
  double first = 0;
  for (size_t rows : sizes) {
    double ms = run(rows);
    if (first == 0) first = ms;
    std::printf("%10zu %12.1f %12.2f %9.1fx\n", rows, ms, ms * 1000 / static_cast<double>(rows),
                ms / first);
  }
}

}  // namespace
}  // namespace pellora

int main() {
  pellora::Report("equality filter per reading", pellora::TimeLookups);
  pellora::Report("merge: filter, AddNew or add, Update, clear filter", pellora::TimeMerge);
  return 0;
}
