#ifndef PELLORA_PLATFORM_VELA_SERIAL_STOCK_H_
#define PELLORA_PLATFORM_VELA_SERIAL_STOCK_H_

#include <string>

#include "interfaces/data_access.h"

namespace pellora::vela {

// Serial numbers in stock (NSEREXIS): each article's serial number is in one warehouse at most.

bool SerialInWarehouse(DataAccess& data_access, const std::string& article,
                       const std::string& number, const std::string& warehouse);
// What the host says of a serial number that has to leave a warehouse that does not hold it.
std::string SerialNotInWarehouseMessage(const std::string& article, const std::string& number,
                                        const std::string& warehouse);

}  // namespace pellora::vela

#endif  // PELLORA_PLATFORM_VELA_SERIAL_STOCK_H_
