#ifndef PELLORA_TESTS_PLAIN_NUMBER_H_
#define PELLORA_TESTS_PLAIN_NUMBER_H_

#include <algorithm>
#include <string>

namespace pellora::testing {

// A number as both engines agree to write it: without trailing zeros after the point ("14.0"
// and "14.0000" are 14).
inline std::string PlainNumber(std::string cell) {
  const size_t point = cell.find('.');
  if (point == std::string::npos || point == 0 ||
      cell.find_first_not_of("-0123456789.") != std::string::npos) {
    return cell;
  }
  cell.erase(cell.find_last_not_of('0') + 1);
  if (cell.back() == '.') cell.pop_back();
  return cell;
}

// A row of cells joined by "|" with each cell as `plain` writes it: each number plain, unless
// told otherwise.
inline std::string PlainRow(const std::string& row,
                            std::string (*plain_cell)(std::string) = PlainNumber) {
  std::string plain;
  for (size_t start = 0; start <= row.size();) {
    const size_t end = std::min(row.find('|', start), row.size());
    plain += (start == 0 ? "" : "|") + plain_cell(row.substr(start, end - start));
    start = end + 1;
  }
  return plain;
}

}  // namespace pellora::testing

#endif  // PELLORA_TESTS_PLAIN_NUMBER_H_
