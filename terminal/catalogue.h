#ifndef PELLORA_TERMINAL_CATALOGUE_H_
#define PELLORA_TERMINAL_CATALOGUE_H_

#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "interfaces/data_access.h"

namespace pellora::terminal {

// What a terminal reads of the company's catalogues, as the API answers it.

// Active warehouses: [{"code", "name"}].
nlohmann::json Warehouses(DataAccess& data_access);
// Active suppliers (kind E) or customers (kind S): [{"code", "name"}].
nlohmann::json ThirdParties(DataAccess& data_access, char kind);
// The article of `code` with its units and what its readings must carry; nothing when unknown.
std::optional<nlohmann::json> ArticleByCode(DataAccess& data_access, const std::string& code);
// Open supplier (E) or customer (S) orders, of `third_party` or of every one when empty, with
// what each line still has to deliver.
nlohmann::json OpenOrders(DataAccess& data_access, char kind, const std::string& third_party);

}  // namespace pellora::terminal

#endif  // PELLORA_TERMINAL_CATALOGUE_H_
