#ifndef PELLORA_PLATFORM_VELA_SERIAL_STOCK_H_
#define PELLORA_PLATFORM_VELA_SERIAL_STOCK_H_

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "interfaces/data_access.h"
#include "platform/vela/document_content.h"

namespace pellora::vela {

// An article's serial number.
struct SerialNumber {
  std::string article, number;
};

// A document's serial number entry and the warehouse it names: its own article and warehouse,
// or its line's.
struct SerialPlace {
  SerialNumber serial;
  std::string warehouse;
};
SerialPlace PlaceOf(const LateBoundObject& entry, const LateBoundObject& line);

// Where serial numbers are in stock (NSEREXIS), each article's serial number in one warehouse
// at most: read once for a document's serial numbers, then kept as the document moves them.
// Codes compare without case, as the company's columns do.
class SerialsInStock {
 public:
  // The serial numbers of the document's entries that belong to a line.
  SerialsInStock(DataAccess& data_access, const DocumentContent& document);

  bool InWarehouse(const SerialNumber& serial, const std::string& warehouse) const;
  // The serial number leaves the stock, or goes to `warehouse`.
  void Remove(const SerialNumber& serial);
  void MoveTo(const SerialNumber& serial, const std::string& warehouse);

 private:
  static std::pair<std::string, std::string> Key(const SerialNumber& serial);

  std::map<std::pair<std::string, std::string>, std::string> warehouses_;  // in upper case
};

// What the host says of a serial number that has to leave a warehouse that does not hold it.
std::string SerialNotInWarehouseMessage(const std::string& article, const std::string& number,
                                        const std::string& warehouse);

}  // namespace pellora::vela

#endif  // PELLORA_PLATFORM_VELA_SERIAL_STOCK_H_
