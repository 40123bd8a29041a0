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
      if (statement_) OrderAsSqlServerReads(out);
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

  // A SELECT is read in the order SQL Server reads it, so that the rows come back alike on every
  // engine however it keeps or hashes them: a grouped query that names no order is ordered by
  // its groups (SELECT ... GROUP BY g [HAVING h] ORDER BY g), and a plain one by the primary key
  // of the table its FROM starts with, qualified by the name the statement gives that table, as
  // a clustered scan reads it; a plain query that names an order keeps those rows in that key
  // order where its order ties (ORDER BY x -> ORDER BY x, t.k), as the scan feeds its sort. A
  // union, an aggregate, DISTINCT or a table without a key has no row order of its own to keep.
  void OrderAsSqlServerReads(Items& select) const {
    size_t groups = 0;
    size_t end = select.size();
    size_t from = select.size();
    bool ordered = false;
    for (size_t i = 0; i < select.size() && !ordered; ++i) {
      const Item& item = select[i];
      if (IsWord(item, "UNION") || IsWord(item, "EXCEPT") || IsWord(item, "INTERSECT")) return;
      if (IsWord(item, "ORDER")) {
        ordered = true;
      } else if (IsWord(item, "GROUP") && i + 1 < select.size() && IsWord(select[i + 1], "BY")) {
        groups = i + 2;
      } else if (IsWord(item, "HAVING")) {
        if (groups == 0) return;
        end = i;
      } else if (IsWord(item, "FROM") && from == select.size()) {
        from = i;
      }
    }
    if (ordered && groups > 0) return;
    Items order;
    if (groups > 0) {
      order.assign(select.begin() + static_cast<std::ptrdiff_t>(groups),
                   select.begin() + static_cast<std::ptrdiff_t>(end));
    } else if (from < select.size() && !IsWord(select[1], "DISTINCT") &&
               !HasAggregate(ItemSpan(select).subspan(1, from - 1))) {
      order = KeyOfFirstTable();
    }
    if (order.empty()) return;
    if (ordered) {
      select.push_back(MakeToken(TokenKind::kSymbol, ","));
    } else {
      select.push_back(MakeToken(TokenKind::kWord, "ORDER", true));
      select.push_back(MakeToken(TokenKind::kWord, "BY", true));
    }
    select.insert(select.end(), order.begin(), order.end());
  }

  // "t.k1, t.k2" for the key of the table the FROM starts with; nothing when it has none.
  Items KeyOfFirstTable() const {
    Items order;
    const std::optional<TableScope::NamedTable>& table = scope_.first_table();
    if (!table) return order;
    for (const std::string& column : scope_.schema().KeyOf(table->name)) {
      if (!order.empty()) order.push_back(MakeToken(TokenKind::kSymbol, ","));
      Item reference = table->reference;
      reference.token.space_before = true;
      order.push_back(std::move(reference));
      order.push_back(MakeToken(TokenKind::kSymbol, "."));
      order.push_back(MakeToken(TokenKind::kQuotedName, column));
    }
    return order;
  }

  // An aggregate call among `items`, outside subqueries: COUNT(*), ifnull(SUM(q), 0), ...
  static bool HasAggregate(ItemSpan items) {
    static constexpr std::string_view kAggregates[] = {"AVG", "COUNT", "COUNT_BIG", "MAX",
                                                       "MIN", "STDEV", "SUM",       "VAR"};
    for (size_t i = 0; i < items.size(); ++i) {
      const Item& item = items[i];
      if (item.is_group) {
        if (!IsGroupStartingWith(item, "SELECT") && HasAggregate(item.children)) return true;
        continue;
      }
      if (i + 1 < items.size() && items[i + 1].is_group) {
        for (std::string_view aggregate : kAggregates) {
          if (IsWord(item, aggregate)) return true;
        }
      }
    }
    return false;
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
