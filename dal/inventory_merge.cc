#include "dal/inventory_merge.h"

#include <set>
#include <string>
#include <utility>

#include "dal/dal_comandos.h"
#include "dal/dal_error.h"
#include "dal/detached_copy.h"
#include "dal/sql_text.h"
#include "runtime/clock.h"
#include "runtime/convert.h"
#include "runtime/format.h"
#include "runtime/text.h"

namespace pellora {
namespace {

// The copy's rows with the key of the current reading. A NULL part gives '', which no NULL
// matches, so readings with a NULL in their key are never merged.
std::string KeyFilter(Recordset& reading) {
  std::string filter;
  for (const char* name :
       {"Artigo", "Unidade", "Armazem", "NumeroSerie", "NossoLote", "VossoLote"}) {
    if (!filter.empty()) filter += " AND ";
    filter += std::string(name) + "='" + FieldQuotesDoubled(reading[name].Value()) + "'";
  }
  return filter + " ";
}

// Net stock movement of the new row's article and warehouse from its reading's moment
// ("yyyyMMddHHmmss" becomes "yyyyMMddHH:mm:ss") until now; 0 when there is none.
Variant MovementSinceReading(Recordset& row) {
  const std::string data = Concat(row["Data"].Value(), "");
  const std::string from = Left(data, 10) + ":" + Mid(data, 11, 2) + ":" + Mid(data, 13, 2);
  RecordsetPtr result = HlpDb_MovimentosEntreDatasGet(Concat(row["Artigo"].Value(), ""),
                                                      Concat(row["Armazem"].Value(), ""), from,
                                                      Format(Variant(Now()), "yyyyMMddHH:mm:ss"));
  Recordset& movements = ObjectOf(result);
  if (movements.Eof()) return Variant(int32_t{0});
  const Variant net = movements.Fields("EntradasSaidas").Value();
  return net.IsNull() ? Variant(int32_t{0}) : net;
}

}  // namespace

// The movements since the count belong to the stock of an article in a warehouse, however many
// rows its readings make (units, lots, serial numbers): the first row holds them, the others
// none, so that the adjustment counts them once.
RecordsetPtr MergeInventoryReadings(Recordset& readings) {
  RecordsetPtr merged = DetachedShape(readings);
  std::set<std::pair<std::string, std::string>> places_with_movements;
  while (!readings.Eof()) {
    merged->SetFilter(KeyFilter(readings));
    if (merged->Eof()) {
      AddDetachedRow(readings, *merged);
      const bool first_of_place = places_with_movements
                                      .emplace(UCase(Concat((*merged)["Artigo"].Value(), "")),
                                               UCase(Concat((*merged)["Armazem"].Value(), "")))
                                      .second;
      merged->Fields("EntMaisSaidas")
          .SetValue(first_of_place ? MovementSinceReading(*merged) : Variant(int32_t{0}));
    } else {
      const Variant quantity = readings["Quantidade"].Value();
      Field total = merged->Fields("Quantidade");
      total.SetValue(Add(total.Value(), quantity.IsNull() ? Variant(int32_t{0}) : quantity));
    }
    merged->Update();
    readings.MoveNext();
    merged->SetFilter("");
  }
  return merged;
}

}  // namespace pellora
