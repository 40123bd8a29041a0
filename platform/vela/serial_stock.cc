#include "platform/vela/serial_stock.h"

#include "platform/vela/company_sql.h"

namespace pellora::vela {

bool SerialInWarehouse(DataAccess& data_access, const std::string& article,
                       const std::string& number, const std::string& warehouse) {
  return Exists(data_access,
                "SELECT NUMSER FROM NSEREXIS WHERE ARTIGO = ? AND NUMSER = ? AND ARMAZEM = ?",
                {Variant(article), Variant(number), Variant(warehouse)});
}

std::string SerialNotInWarehouseMessage(const std::string& article, const std::string& number,
                                        const std::string& warehouse) {
  return "O número de série " + number + " do artigo " + article + " não existe no armazém " +
         warehouse + ".";
}

}  // namespace pellora::vela
