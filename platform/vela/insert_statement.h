#ifndef PELLORA_PLATFORM_VELA_INSERT_STATEMENT_H_
#define PELLORA_PLATFORM_VELA_INSERT_STATEMENT_H_

#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "interfaces/data_access.h"
#include "runtime/late_bound_object.h"

namespace pellora::vela {

// How a member's value is written into its column.
enum class ColumnKind { kText, kNumber, kFlag, kDate };

// A member of a host object and the column that stores it.
struct ColumnMember {
  const char* member;
  const char* column;
  ColumnKind kind;
};

// The key every row of a document carries.
struct DocumentKey {
  std::string type;
  std::string series;
  int16_t year = 0;
  int32_t number = 0;
};

// An INSERT statement built column by column, its values sent beside the text: rows of one
// table that fill the same columns share one text.
class InsertStatement {
 public:
  explicit InsertStatement(std::string table) : table_(std::move(table)) {}

  // `value` as the column stores it: a text, a whole or decimal number, Null.
  void Add(const std::string& column, Variant value);
  void AddText(const std::string& column, const std::string& text);
  void AddNumber(const std::string& column, double value);
  // The document key, with the name the table gives the type column.
  void AddKey(const DocumentKey& key, const std::string& type_column);
  // The members that hold a value; blank members leave their column to its default.
  void AddMembers(const LateBoundObject& object, std::span<const ColumnMember> members);

  // "INSERT INTO table (columns) VALUES (?, ...)", with a list of markers for each of `rows`
  // rows that fill the same columns.
  std::string Text(size_t rows = 1) const;
  bool SameColumns(const InsertStatement& other) const {
    return table_ == other.table_ && columns_ == other.columns_;
  }
  const std::vector<Variant>& Values() const { return values_; }
  // Inserts the row; raises on failure.
  void Run(DataAccess& data_access) const;

 private:
  std::string table_;
  std::vector<std::string> columns_;
  std::vector<Variant> values_;
};

}  // namespace pellora::vela

#endif  // PELLORA_PLATFORM_VELA_INSERT_STATEMENT_H_
