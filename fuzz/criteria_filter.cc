// Recordset criteria: parsed on their own, then set as a filter and used in a find on a small
// recordset that holds every kind of value the readings carry, Null and Empty included.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_input.h"
#include "runtime/criteria_parser.h"
#include "runtime/date.h"
#include "runtime/recordset.h"

namespace pellora {
namespace {

void AppendFields(Recordset& readings) {
  readings.AppendField("Artigo", adVarWChar, 30, adFldIsNullable);
  readings.AppendField("Armazem", adVarWChar, 5, adFldIsNullable);
  readings.AppendField("Quantidade", adDouble);
  readings.AppendField("Data", adDBTimeStamp, 0, adFldIsNullable);
  readings.AppendField("NumeroLinha", adInteger);
  readings.AppendField("Ano", adSmallInt);
  readings.AppendField("PrecoUnitario", adCurrency);
  readings.AppendField("Activo", adBoolean);
  readings.AppendField("Nome Longo", adVarWChar, 50, adFldIsNullable);
  readings.AppendField("Imagem", adVarBinary, 16, adFldIsNullable);
}

void LoadRows(Recordset& readings) {
  const Date day = DateFromParts({2024, 1, 5});
  const Date later = DateFromParts({2024, 2, 1, 10, 30, 0});
  readings.LoadRow({"A1", "M1", 1.0, day, int32_t{1}, int16_t{2024}, Currency{12500}, true, "João",
                    Bytes{1, 2}});
  readings.LoadRow({"a1", "M2", 2.5, later, int32_t{2}, int16_t{2024}, Currency{-1}, false,
                    "O'Malley", Variant::Null()});
  readings.LoadRow({"B20", Variant::Null(), -3.0, Variant::Null(), int32_t{-7}, int16_t{-1},
                    Currency{0}, false, Variant(), Bytes{}});
  readings.LoadRow({"", "", 1e300, Date{-1.25}, int32_t{2147483647}, int16_t{32767},
                    Currency{INT64_MAX}, true, "ÁÉÍ*%", Variant()});
  readings.Open();
}

// Visits every row the filter shows, reading each value.
void WalkVisibleRows(Recordset& readings) {
  readings.RecordCount();
  for (; !readings.Eof(); readings.MoveNext()) {
    readings.AbsolutePosition();
    for (size_t i = 0; i < readings.FieldCount(); ++i) readings.Fields(i).Value();
  }
}

}  // namespace
}  // namespace pellora

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace pellora;
  const std::string criteria(fuzz::InputText(data, size));
  fuzz::TolerateErrors([&] { ParseCriteria(criteria); });

  Recordset readings;
  AppendFields(readings);
  LoadRows(readings);
  fuzz::TolerateErrors([&] {
    readings.SetFilter(criteria);
    WalkVisibleRows(readings);
  });
  fuzz::TolerateErrors([&] {
    readings.SetFilter("");
    readings.MoveLast();
    readings.Find(criteria, 0, adSearchBackward);
    readings.MoveFirst();
    readings.Find(criteria, 1);
  });
  return 0;
}
