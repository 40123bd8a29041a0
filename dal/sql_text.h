#ifndef PELLORA_DAL_SQL_TEXT_H_
#define PELLORA_DAL_SQL_TEXT_H_

#include <initializer_list>
#include <string>
#include <string_view>

#include "runtime/variant.h"

namespace pellora {

// A text value for a place between single quotes that the add-in's own text writes (SQL text or
// a Recordset filter): its quotes doubled, otherwise unchanged. It adds no quotes of its own.
std::string QuotesDoubled(std::string_view value);
// The same for a field value; Null and Empty give the empty text.
std::string FieldQuotesDoubled(const Variant& value);

// A number in plain decimal with a point, whatever the workstation's decimal separator.
std::string SqlNumber(const Variant& value);

// Joins the lines of a statement, each followed by CR LF.
std::string SqlLines(std::initializer_list<std::string> lines);

}  // namespace pellora

#endif  // PELLORA_DAL_SQL_TEXT_H_
