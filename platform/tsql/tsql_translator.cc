#include "platform/tsql/tsql_translator.h"

#include <map>
#include <optional>
#include <string>

#include "platform/tsql/tsql_batch_splitter.h"
#include "platform/tsql/tsql_error.h"
#include "platform/tsql/tsql_object_existence.h"
#include "platform/tsql/tsql_rewriter.h"
#include "platform/tsql/tsql_scope.h"
#include "platform/tsql/tsql_select_list.h"
#include "platform/tsql/tsql_table_shape.h"
#include "runtime/text.h"

namespace pellora::tsql {
namespace {

bool AssignsVariable(ItemSpan statement) {
  return statement.size() > 3 && IsWord(statement[0], "SELECT") &&
         statement[1].token.kind == TokenKind::kVariable && IsSymbol(statement[2], "=");
}

bool Starts(ItemSpan items, std::string_view first, std::string_view second) {
  return items.size() > 1 && IsWord(items[0], first) && IsWord(items[1], second);
}

class Translator {
 public:
  Translator(const SchemaInfo& schema, const Emitter& emitter)
      : schema_(schema), emitter_(emitter) {}

  std::vector<Step> Statements(const std::vector<BatchStatement>& statements) {
    std::vector<Step> steps;
    for (const BatchStatement& statement : statements) Add(statement, steps);
    return steps;
  }

 private:
  void Add(const BatchStatement& statement, std::vector<Step>& steps) {
    ItemSpan items = statement.items;
    if (statement.is_if) {
      Step step = ScalarStep(Step::Kind::kIf, statement.condition);
      step.body = Statements(statement.body);
      steps.push_back(std::move(step));
      return;
    }
    if (IsWord(items[0], "DECLARE")) return AddDeclarations(items, steps);
    if (AssignsVariable(items)) {
      Step step = ScalarStep(Step::Kind::kSetVariable, items.subspan(3));
      step.variable = items[1].token.text;
      steps.push_back(std::move(step));
      return;
    }
    if (Starts(items, "CREATE", "TABLE"))
      return Append(emitter_.CreateTable(ReadCreateTable(items)), steps);
    if (Starts(items, "ALTER", "TABLE")) {
      if (std::optional<ColumnChange> change = ReadAlterColumn(items)) {
        return Append(emitter_.AlterColumn(*change), steps);
      }
    }
    const bool select = IsWord(items[0], "SELECT");
    if (select) {
      if (std::optional<std::string> table = ExistenceQueryTable(items)) {
        Step step;
        step.sql = emitter_.TableExists(*table);
        steps.push_back(std::move(step));
        return;
      }
    }
    TableScope scope(schema_, items, nullptr);
    Step step;
    step.sql = Spell(RewriteStatement(items, scope, emitter_), step);
    if (select) {
      step.columns = ResultColumnTypes(items, scope);
      step.column_names = ResultColumnNames(items);
    }
    steps.push_back(std::move(step));
  }

  static void Append(std::vector<Step> more, std::vector<Step>& steps) {
    for (Step& step : more) steps.push_back(std::move(step));
  }

  // "SELECT" followed by the rewritten items, as the scalar query of a variable or condition.
  Step ScalarStep(Step::Kind kind, ItemSpan items) {
    Items query{MakeToken(TokenKind::kWord, "SELECT")};
    for (const Item& item : WithLeadingSpace(Items(items.begin(), items.end()), true)) {
      query.push_back(item);
    }
    TableScope scope(schema_, query, nullptr);
    Step step;
    step.kind = kind;
    step.sql = Spell(RewriteStatement(query, scope, emitter_), step);
    return step;
  }

  // DECLARE @a type[, @b type]: one step per variable, starting NULL.
  void AddDeclarations(ItemSpan statement, std::vector<Step>& steps) {
    for (ItemSpan declaration : SplitOnCommas(statement.subspan(1))) {
      if (declaration.empty() || declaration[0].token.kind != TokenKind::kVariable) {
        RaiseUnsupported("DECLARE sem variável não é suportado: " + Render(statement));
      }
      Step step;
      step.kind = Step::Kind::kDeclare;
      step.variable = declaration[0].token.text;
      step.variable_type =
          Render(WithLeadingSpace(Items(declaration.begin() + 1, declaration.end()), false));
      declared_[FoldCase(step.variable)] = step;
      steps.push_back(std::move(step));
    }
  }

  // The engine's text of rewritten items; the variables it numbers are listed in the step.
  std::string Spell(ItemSpan items, Step& step) const {
    return Render(items, [&](const Token& token) {
      if (token.kind == TokenKind::kQuotedName) return emitter_.Name(token.text);
      if (token.kind != TokenKind::kVariable) return TokenText(token);
      auto declared = declared_.find(FoldCase(token.text));
      return emitter_.Variable(
          token.text, declared == declared_.end() ? nullptr : &declared->second, step.parameters);
    });
  }

  const SchemaInfo& schema_;
  const Emitter& emitter_;
  std::map<std::string, Step> declared_;  // folded variable name -> its declaration
};

}  // namespace

std::vector<Step> Translate(std::string_view tsql, const SchemaInfo& schema,
                            const Emitter& emitter) {
  return ReadFor(emitter.Engine(), [&] {
    Items batch = BuildItems(Tokenize(tsql));
    return Translator(schema, emitter).Statements(SplitBatch(batch));
  });
}

}  // namespace pellora::tsql
