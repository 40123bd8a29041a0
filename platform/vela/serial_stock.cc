#include "platform/vela/serial_stock.h"

#include "platform/vela/matching_rows.h"
#include "platform/vela/member_values.h"
#include "runtime/text.h"

namespace pellora::vela {

SerialPlace PlaceOf(const LateBoundObject& entry, const LateBoundObject& line) {
  return {
      {EntryField(entry, "Artigo", line, "Artigo"), TextMember(entry.Object("campos"), "Noserie")},
      EntryField(entry, "Armazem", line, "Armazem")};
}

SerialsInStock::SerialsInStock(DataAccess& data_access, const DocumentContent& document) {
  std::vector<RowKey> keys;
  for (const LateBoundPtr& entry : document.serials) {
    if (const LateBoundObject* line = document.LineOf(*entry)) {
      SerialNumber serial = PlaceOf(*entry, *line).serial;
      keys.push_back({std::move(serial.article), std::move(serial.number)});
    }
  }
  for (RowKey& row :
       MatchingRows(data_access, "NSEREXIS", {"ARTIGO", "NUMSER"}, keys, {"ARMAZEM"})) {
    warehouses_[{std::move(row[0]), std::move(row[1])}] = std::move(row[2]);
  }
}

std::pair<std::string, std::string> SerialsInStock::Key(const SerialNumber& serial) {
  return {UCase(serial.article), UCase(serial.number)};
}

bool SerialsInStock::InWarehouse(const SerialNumber& serial, const std::string& warehouse) const {
  const auto found = warehouses_.find(Key(serial));
  return found != warehouses_.end() && found->second == UCase(warehouse);
}

void SerialsInStock::Remove(const SerialNumber& serial) {
  warehouses_.erase(Key(serial));
}

void SerialsInStock::MoveTo(const SerialNumber& serial, const std::string& warehouse) {
  warehouses_[Key(serial)] = UCase(warehouse);
}

std::string SerialNotInWarehouseMessage(const std::string& article, const std::string& number,
                                        const std::string& warehouse) {
  return "O número de série " + number + " do artigo " + article + " não existe no armazém " +
         warehouse + ".";
}

}  // namespace pellora::vela
