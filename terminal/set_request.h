#ifndef PELLORA_TERMINAL_SET_REQUEST_H_
#define PELLORA_TERMINAL_SET_REQUEST_H_

#include <optional>
#include <string>
#include <vector>

namespace pellora::terminal {

// Readings a set may hold: more than a day's work of one terminal.
constexpr size_t kMostReadingsInSet = 10000;

struct ReadingRequest {
  std::string article;
  double quantity = 0;
  std::string unit, lot, supplier_lot, expiry, serial, location;  // "" when not given
  std::optional<int> line;  // the order line, against an order
};

struct OrderKey {
  std::string tpdoc, serie;
  int numero = 0, ano = 0;
};

// A reading set as a terminal sends it (POST /api/v1/sets).
struct SetRequest {
  std::string id;  // made by the device
  char kind = 0;   // I, A, T, E or S
  std::string warehouse, third_party;
  std::optional<OrderKey> order;
  std::optional<std::string> terminal;  // when the body names one
  std::vector<ReadingRequest> readings;
};

// The set a request body describes; RequestError (400) saying what is wrong when the body is
// not JSON or not of that shape.
SetRequest ParseSetRequest(const std::string& body);

}  // namespace pellora::terminal

#endif  // PELLORA_TERMINAL_SET_REQUEST_H_
