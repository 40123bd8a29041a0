#include "platform/tsql/tsql_column_types.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/tsql/tsql_error.h"
#include "platform/tsql/tsql_operands.h"

namespace pellora::tsql {
namespace {

struct TypeName {
  std::string_view name;
  int ado_type;
  long size;  // the ADO defined size; 0 when the declared length gives it
};

constexpr TypeName kTypeNames[] = {
    {"int", adInteger, 4},
    {"smallint", adSmallInt, 2},
    {"tinyint", adUnsignedTinyInt, 1},
    {"bigint", adBigInt, 8},
    {"float", adDouble, 8},
    {"real", adSingle, 4},
    {"money", adCurrency, 8},
    {"smallmoney", adCurrency, 8},
    {"decimal", adNumeric, 19},
    {"numeric", adNumeric, 19},
    {"bit", adBoolean, 2},
    {"datetime", adDBTimeStamp, 16},
    {"smalldatetime", adDBTimeStamp, 16},
    {"nvarchar", adVarWChar, 0},
    {"nchar", adWChar, 0},
    {"varchar", adVarChar, 0},
    {"char", adChar, 0},
    {"ntext", adLongVarWChar, 1073741823},
    {"text", adLongVarChar, 2147483647},
    {"varbinary", adVarBinary, 0},
    {"binary", adBinary, 0},
    {"image", adLongVarBinary, 2147483647},
};

// SQL Server's data type precedence: the operand of lower rank is converted to the other.
int Precedence(int ado_type) {
  static constexpr int kOrder[] = {
      adDBTimeStamp,  adDouble,      adSingle,        adNumeric,         adCurrency,
      adBigInt,       adInteger,     adSmallInt,      adUnsignedTinyInt, adBoolean,
      adLongVarWChar, adLongVarChar, adLongVarBinary, adVarWChar,        adWChar,
      adVarChar,      adChar,        adVarBinary,     adBinary};
  constexpr int kCount = sizeof(kOrder) / sizeof(kOrder[0]);
  for (int i = 0; i < kCount; ++i) {
    if (kOrder[i] == ado_type) return kCount - i;
  }
  return 0;
}

bool IsUnicode(int ado_type) {
  return ado_type == adVarWChar || ado_type == adWChar;
}

// The highest-precedence type among `types`; a text result is as long as the longest text.
ColumnType Highest(const std::vector<ColumnType>& types) {
  ColumnType best;
  for (const ColumnType& type : types) {
    if (Precedence(type.ado_type) > Precedence(best.ado_type)) best = type;
  }
  if (!IsTextType(best.ado_type)) return best;
  for (const ColumnType& type : types) {
    if (IsTextType(type.ado_type))
      best.defined_size = std::max(best.defined_size, type.defined_size);
  }
  return best;
}

ColumnType SumType(ColumnType argument) {
  switch (argument.ado_type) {
    case adUnsignedTinyInt:
    case adSmallInt:
    case adInteger:
      return TypeFromName("int");
    case adSingle:
    case adDouble:
      return TypeFromName("float");
    default:
      return argument;
  }
}

// SUBSTRING and REPLACE keep the text type of their first argument.
ColumnType TextResultOf(ColumnType argument) {
  return IsTextType(argument.ado_type) ? argument : TypeFromName("nvarchar");
}

long CodePoints(std::string_view text) {
  return std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
}

ColumnType LiteralType(const Token& token) {
  if (token.kind == TokenKind::kString) {
    long length = std::max(CodePoints(token.text), 1L);
    return TypeFromName(token.national ? "nvarchar" : "varchar", length);
  }
  if (token.text.find_first_of("eE") != std::string::npos) return TypeFromName("float");
  if (token.text.find('.') != std::string::npos) return TypeFromName("numeric");
  return TypeFromName("int");
}

}  // namespace

ColumnType TypeFromName(std::string_view name, long length) {
  for (const TypeName& type : kTypeNames) {
    if (EqualsNoCase(type.name, name)) return {type.ado_type, type.size ? type.size : length};
  }
  return {};
}

bool IsTextType(int ado_type) {
  return IsUnicode(ado_type) || ado_type == adVarChar || ado_type == adChar ||
         ado_type == adLongVarWChar || ado_type == adLongVarChar;
}

ColumnType ConvertTarget(ItemSpan target) {
  if (target.empty()) return {};
  const std::string& type_name = target.front().token.text;
  if (target.size() < 2 || !target[1].is_group || target[1].children.size() != 1) {
    return TypeFromName(type_name, 30);
  }
  const Token& size = target[1].children.front().token;
  if (size.kind != TokenKind::kNumber) return TypeFromName(type_name, 0);  // (max)
  const std::optional<long> length = IntLiteral(size);
  if (!length) {
    RaiseUnsupportedByEngine("O tamanho " + size.text + " de " + type_name + " não é suportado");
  }
  return TypeFromName(type_name, *length);
}

ColumnType AdditionType(ColumnType left, ColumnType right) {
  if (left.ado_type == adEmpty || right.ado_type == adEmpty) {
    ColumnType known = left.ado_type == adEmpty ? right : left;
    return IsTextType(known.ado_type) ? ColumnType{known.ado_type, 0} : known;
  }
  ColumnType result = Highest({left, right});
  if (!IsTextType(result.ado_type)) return result;
  long limit = IsUnicode(result.ado_type) ? 4000 : 8000;
  result.defined_size = std::min(left.defined_size + right.defined_size, limit);
  return result;
}

ColumnType SubtractionType(ColumnType left, ColumnType right) {
  return Highest({left, right});
}

ColumnType ExpressionTyper::TypeOf(ItemSpan expression) const {
  return ChainType(expression).value_or(ColumnType{});
}

std::optional<ColumnType> ExpressionTyper::ChainType(ItemSpan expression) const {
  size_t pos = 0;
  ColumnType type = TermType(expression, pos);
  while (pos < expression.size()) {
    const Item& op = expression[pos++];
    ColumnType right = TermType(expression, pos);
    if (IsSymbol(op, "+")) {
      type = AdditionType(type, right);
    } else if (IsSymbol(op, "-")) {
      type = SubtractionType(type, right);
    } else {
      return std::nullopt;  // a comparison or another construct that is not a value of its own
    }
  }
  return type;
}

std::optional<ColumnType> ExpressionTyper::WholeTermType(ItemSpan term) const {
  size_t pos = 0;
  ColumnType type = TermType(term, pos);
  if (pos != term.size()) return std::nullopt;
  return type;
}

ColumnType ExpressionTyper::TermType(ItemSpan items, size_t& pos) const {
  auto skip_signs = [&] {
    while (pos < items.size() && (IsSymbol(items[pos], "-") || IsSymbol(items[pos], "+"))) ++pos;
  };
  skip_signs();
  ColumnType type = PrimaryType(items, pos);
  while (pos < items.size() &&
         (IsSymbol(items[pos], "*") || IsSymbol(items[pos], "/") || IsSymbol(items[pos], "%"))) {
    ++pos;
    skip_signs();
    type = Highest({type, PrimaryType(items, pos)});
  }
  return type;
}

ColumnType ExpressionTyper::PrimaryType(ItemSpan items, size_t& pos) const {
  if (pos >= items.size()) return {};
  const Item& item = items[pos];
  if (IsWord(item, "CASE")) {
    size_t end = CaseEnd(items, pos);
    ColumnType type = CaseType(items.subspan(pos, end - pos + 1));
    pos = end + 1;
    return type;
  }
  if (item.is_group) {
    ++pos;
    return IsGroupStartingWith(item, "SELECT") ? ColumnType{} : TypeOf(item.children);
  }
  if (item.token.kind == TokenKind::kString || item.token.kind == TokenKind::kNumber) {
    ++pos;
    return LiteralType(item.token);
  }
  if (!IsName(item) || IsWord(item, "NULL")) {
    ++pos;
    return {};
  }
  std::vector<std::string> name = ReadDottedName(items, pos);
  if (name.size() == 1 && pos < items.size() && items[pos].is_group) {
    return CallType(name.front(), items[pos++].children);
  }
  return scope_.TypeOfColumn(name).value_or(ColumnType{});
}

ColumnType ExpressionTyper::CaseType(ItemSpan case_items) const {
  std::vector<ColumnType> results;
  size_t result_start = 0;  // 0: not inside a THEN or ELSE result
  for (size_t i = 1; i < case_items.size(); ++i) {
    const Item& item = case_items[i];
    if (IsWord(item, "CASE")) {
      i = CaseEnd(case_items, i);
      continue;
    }
    bool ends_result = IsWord(item, "WHEN") || IsWord(item, "ELSE") || IsWord(item, "END");
    if (ends_result && result_start) {
      results.push_back(TypeOf(case_items.subspan(result_start, i - result_start)));
      result_start = 0;
    }
    if (IsWord(item, "THEN") || IsWord(item, "ELSE")) result_start = i + 1;
  }
  return Highest(results);
}

ColumnType ExpressionTyper::CallType(std::string_view function, ItemSpan arguments) const {
  std::vector<ItemSpan> parts = SplitOnCommas(arguments);
  auto is = [&](std::string_view name) { return EqualsNoCase(function, name); };
  if (is("MAX") || is("MIN")) return TypeOf(parts[0]);
  if (is("SUM")) return SumType(TypeOf(parts[0]));
  if (is("COUNT")) return TypeFromName("int");
  if (is("ISNULL") && parts.size() == 2) {
    bool null_first = parts[0].size() == 1 && IsWord(parts[0][0], "NULL");
    return TypeOf(parts[null_first ? 1 : 0]);
  }
  if (is("COALESCE")) {
    std::vector<ColumnType> types;
    for (ItemSpan part : parts) types.push_back(TypeOf(part));
    return Highest(types);
  }
  if (is("CONVERT")) return ConvertTarget(parts[0]);
  if (is("SUBSTRING") || is("REPLACE")) return TextResultOf(TypeOf(parts[0]));
  return {};
}

}  // namespace pellora::tsql
