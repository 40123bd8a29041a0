#include "platform/tsql/tsql_rewriter.h"

#include <optional>
#include <string>
#include <vector>

#include "platform/tsql/tsql_column_types.h"
#include "platform/tsql/tsql_error.h"
#include "platform/tsql/tsql_operands.h"
#include "platform/tsql/tsql_plus_operators.h"

namespace pellora::tsql {
namespace {

// Engine text composed by the emitter is tokenized again, so rewrites can be written as text.
Items FromText(const std::string& engine_text, bool space_before) {
  Items items = BuildItems(Tokenize(engine_text));
  items.front().token.space_before = space_before;
  return items;
}

// CONVERT(text type(n), value[, style]); only styles 120 and 20 (yyyy-mm-dd hh:mi:ss) are read.
std::string ConvertToText(ItemSpan target_item, const std::vector<std::string>& args,
                          const Emitter& emitter) {
  ColumnType target = ConvertTarget(target_item);
  if (!IsTextType(target.ado_type)) {
    RaiseUnsupportedByEngine("CONVERT para o tipo " + Render(target_item) + " não é suportado");
  }
  if (args.size() == 3 && args[2] != "120" && args[2] != "20") {
    RaiseUnsupportedByEngine("CONVERT com o estilo " + args[2] + " não é suportado");
  }
  return emitter.ConvertToText(target, args[1], args.size() == 3);
}

class Rewriter {
 public:
  // `statement`: the rewriter of a whole statement, not of a subquery inside one.
  Rewriter(const TableScope& scope, const Emitter& emitter, bool statement)
      : scope_(scope), emitter_(emitter), typer_(scope), statement_(statement) {}

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
      } else if (std::optional<std::string> like = LikeAt(items, i)) {
        if (!IsWord(item, "LIKE")) ++i;  // NOT LIKE
        for (Item& part : FromText(*like, item.token.space_before)) out.push_back(std::move(part));
      } else {
        out.push_back(item);
      }
    }
    if (!items.empty() && IsWord(items.front(), "SELECT")) {
      if (statement_) OrderByGroups(out);
      MoveTopToLimit(out);
    }
    return out;
  }

 private:
  static bool IsRewrittenCall(const Item& name, const Item& arguments) {
    return arguments.is_group &&
           (IsWord(name, "ISNULL") || IsWord(name, "SUBSTRING") || IsWord(name, "CONVERT"));
  }

  // The engine's operator for a LIKE or NOT LIKE at `pos`; nullopt for anything else, or when the
  // engine keeps it.
  std::optional<std::string> LikeAt(ItemSpan items, size_t pos) const {
    if (IsWord(items[pos], "LIKE")) return emitter_.Like(false);
    if (IsWord(items[pos], "NOT") && pos + 1 < items.size() && IsWord(items[pos + 1], "LIKE")) {
      return emitter_.Like(true);
    }
    return std::nullopt;
  }

  Item Group(const Item& group) const {
    Item out = group;
    if (IsGroupStartingWith(group, "SELECT")) {
      TableScope subquery_scope(scope_.schema(), group.children, &scope_);
      out.children = Rewriter(subquery_scope, emitter_, false).Level(group.children);
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
    if (IsWord(name, "ISNULL")) return FromText(emitter_.IsNull(args), space);
    if (parts.size() < 2 || parts.size() > 3) {
      RaiseUnsupportedByEngine(name.token.text + " com " + std::to_string(parts.size()) +
                               " argumentos não é suportado");
    }
    if (IsWord(name, "CONVERT")) return FromText(ConvertToText(parts[0], args, emitter_), space);
    if (parts.size() != 3) RaiseUnsupported("SUBSTRING sem o comprimento não é suportado");
    return FromText(emitter_.Substring(parts[1], parts[2], args), space);
  }

  // SELECT ... GROUP BY g [HAVING h] -> SELECT ... GROUP BY g [HAVING h] ORDER BY g. SQL Server
  // and SQLite give a grouped query's rows in the order of its groups; a server that hashes the
  // groups would give a document's lines in any order.
  static void OrderByGroups(Items& select) {
    size_t groups = 0;
    size_t end = select.size();
    for (size_t i = 0; i < select.size(); ++i) {
      const Item& item = select[i];
      if (IsWord(item, "ORDER") || IsWord(item, "UNION") || IsWord(item, "EXCEPT") ||
          IsWord(item, "INTERSECT")) {
        return;
      }
      if (IsWord(item, "GROUP") && i + 1 < select.size() && IsWord(select[i + 1], "BY")) {
        groups = i + 2;
      } else if (groups > 0 && IsWord(item, "HAVING")) {
        end = i;
      }
    }
    if (groups == 0) return;
    const Items list(select.begin() + static_cast<std::ptrdiff_t>(groups),
                     select.begin() + static_cast<std::ptrdiff_t>(end));
    select.push_back(MakeToken(TokenKind::kWord, "ORDER", true));
    select.push_back(MakeToken(TokenKind::kWord, "BY", true));
    select.insert(select.end(), list.begin(), list.end());
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
      RaiseUnsupportedByEngine("TOP ... PERCENT não é suportado");
    }
    select.erase(select.begin() + pos, select.begin() + pos + 2);
    if (count.is_group && count.children.size() == 1) count = count.children.front();
    count.token.space_before = true;
    select.push_back(MakeToken(TokenKind::kWord, "LIMIT", true));
    select.push_back(std::move(count));
  }

  const TableScope& scope_;
  const Emitter& emitter_;
  ExpressionTyper typer_;
  bool statement_;
};

}  // namespace

Items RewriteStatement(ItemSpan statement, const TableScope& scope, const Emitter& emitter) {
  return Rewriter(scope, emitter, true).Level(statement);
}

}  // namespace pellora::tsql
