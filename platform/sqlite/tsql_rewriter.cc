#include "platform/sqlite/tsql_rewriter.h"

#include <optional>
#include <string>
#include <vector>

#include "platform/sqlite/tsql_column_types.h"
#include "platform/sqlite/tsql_error.h"
#include "platform/sqlite/tsql_operands.h"
#include "platform/sqlite/tsql_plus_operators.h"

namespace pellora::sqlite {
namespace {

// SQLite text composed here is tokenized again, so rewrites can be written as text.
Items FromText(const std::string& sqlite_text, bool space_before) {
  Items items = BuildItems(Tokenize(sqlite_text));
  items.front().token.space_before = space_before;
  return items;
}

// The value of an argument that is a whole number literal of the int range.
std::optional<long> IntArgument(ItemSpan argument) {
  if (argument.size() != 1) return std::nullopt;
  return IntLiteral(argument[0].token);
}

// SUBSTRING(s, start, length) counts a start below 1 as positions before the first character.
std::string Substring(ItemSpan start_item, ItemSpan length_item,
                      const std::vector<std::string>& args) {
  const std::string& text = args[0];
  const std::string& start = args[1];
  const std::string& length = args[2];
  const std::optional<long> from = IntArgument(start_item);
  const std::optional<long> count = IntArgument(length_item);
  if (!from || !count) {
    return "substr(" + text + ", max(" + start + ", 1), max((" + start + ") + (" + length +
           ") - max(" + start + ", 1), 0))";
  }
  if (*from >= 1) return "substr(" + text + ", " + start + ", " + length + ")";
  return "substr(" + text + ", 1, " + std::to_string(std::max(*from + *count - 1, 0L)) + ")";
}

// CONVERT(text type(n), value[, style]): the value as text, cut to n characters.
std::string ConvertToText(ItemSpan target_item, const std::vector<std::string>& args) {
  ColumnType target = ConvertTarget(target_item);
  if (!IsTextType(target.ado_type)) {
    RaiseUnsupported("CONVERT para o tipo " + Render(target_item) + " não é suportado em SQLite");
  }
  std::string text = "CAST(" + args[1] + " AS TEXT)";
  if (args.size() == 3) {
    if (args[2] != "120" && args[2] != "20") {
      RaiseUnsupported("CONVERT com o estilo " + args[2] + " não é suportado em SQLite");
    }
    text = "strftime('%Y-%m-%d %H:%M:%S', " + args[1] + ")";
  }
  if (target.defined_size == 0) return text;
  return "substr(" + text + ", 1, " + std::to_string(target.defined_size) + ")";
}

class Rewriter {
 public:
  explicit Rewriter(const TableScope& scope) : scope_(scope), typer_(scope) {}

  Items Level(ItemSpan items) const {
    Items out;
    PlusOperators plus(items, typer_);
    for (size_t i = 0; i < items.size(); ++i) {
      const Item& item = items[i];
      if (item.is_group) {
        out.push_back(Group(item));
      } else if (i + 1 < items.size() && IsRewrittenCall(item, items[i + 1])) {
        for (Item& part : Call(item, items[++i])) out.push_back(std::move(part));
      } else if (IsSymbol(item, "+") && i > 0 && IsOperandEnd(items[i - 1]) && plus.JoinsTexts(i)) {
        out.push_back(MakeToken(TokenKind::kSymbol, "||", item.token.space_before));
      } else {
        out.push_back(item);
      }
    }
    if (!items.empty() && IsWord(items.front(), "SELECT")) MoveTopToLimit(out);
    return out;
  }

 private:
  static bool IsRewrittenCall(const Item& name, const Item& arguments) {
    return arguments.is_group &&
           (IsWord(name, "ISNULL") || IsWord(name, "SUBSTRING") || IsWord(name, "CONVERT"));
  }

  Item Group(const Item& group) const {
    Item out = group;
    if (IsGroupStartingWith(group, "SELECT")) {
      TableScope subquery_scope(scope_.schema(), group.children, &scope_);
      out.children = Rewriter(subquery_scope).Level(group.children);
    } else {
      out.children = Level(group.children);
    }
    return out;
  }

  Items Call(const Item& name, const Item& arguments) const {
    std::vector<ItemSpan> parts = SplitOnCommas(arguments.children);
    std::vector<std::string> args;
    for (ItemSpan part : parts) args.push_back(Render(WithLeadingSpace(Level(part), false)));
    bool space = name.token.space_before;
    if (IsWord(name, "ISNULL")) return FromText("ifnull(" + Join(args) + ")", space);
    if (parts.size() < 2 || parts.size() > 3) {
      RaiseUnsupported(name.token.text + " com " + std::to_string(parts.size()) +
                       " argumentos não é suportado em SQLite");
    }
    if (IsWord(name, "CONVERT")) return FromText(ConvertToText(parts[0], args), space);
    if (parts.size() != 3) RaiseUnsupported("SUBSTRING sem o comprimento não é suportado");
    return FromText(Substring(parts[1], parts[2], args), space);
  }

  static std::string Join(const std::vector<std::string>& args) {
    std::string out;
    for (const std::string& arg : args) out += (out.empty() ? "" : ", ") + arg;
    return out;
  }

  // SELECT [DISTINCT] TOP (n) ... -> SELECT [DISTINCT] ... LIMIT n
  static void MoveTopToLimit(Items& select) {
    size_t pos = 1;
    if (pos < select.size() && (IsWord(select[pos], "DISTINCT") || IsWord(select[pos], "ALL"))) {
      ++pos;
    }
    if (pos + 1 >= select.size() || !IsWord(select[pos], "TOP")) return;
    Item count = select[pos + 1];
    if (pos + 2 < select.size() && IsWord(select[pos + 2], "PERCENT")) {
      RaiseUnsupported("TOP ... PERCENT não é suportado em SQLite");
    }
    select.erase(select.begin() + pos, select.begin() + pos + 2);
    if (count.is_group && count.children.size() == 1) count = count.children.front();
    count.token.space_before = true;
    select.push_back(MakeToken(TokenKind::kWord, "LIMIT", true));
    select.push_back(std::move(count));
  }

  const TableScope& scope_;
  ExpressionTyper typer_;
};

}  // namespace

Items RewriteStatement(ItemSpan statement, const TableScope& scope) {
  return Rewriter(scope).Level(statement);
}

}  // namespace pellora::sqlite
