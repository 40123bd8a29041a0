#include "platform/sqlite/tsql_translator.h"

#include "platform/sqlite/tsql_batch_splitter.h"
#include "platform/sqlite/tsql_error.h"
#include "platform/sqlite/tsql_object_existence.h"
#include "platform/sqlite/tsql_rewriter.h"
#include "platform/sqlite/tsql_scope.h"
#include "platform/sqlite/tsql_select_list.h"
#include "platform/sqlite/tsql_table_definition.h"

namespace pellora::sqlite {
namespace {

Step SqlStep(std::string sql) {
  Step step;
  step.sql = std::move(sql);
  return step;
}

// "SELECT" followed by the rewritten items, as the scalar query of a variable or condition.
std::string ScalarQuery(ItemSpan items, const SchemaInfo& schema) {
  Items query{MakeToken(TokenKind::kWord, "SELECT")};
  for (const Item& item : WithLeadingSpace(Items(items.begin(), items.end()), true)) {
    query.push_back(item);
  }
  TableScope scope(schema, query, nullptr);
  return Render(RewriteStatement(query, scope));
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
    steps.push_back(std::move(step));
  }
}

bool AssignsVariable(ItemSpan statement) {
  return statement.size() > 3 && IsWord(statement[0], "SELECT") &&
         statement[1].token.kind == TokenKind::kVariable && IsSymbol(statement[2], "=");
}

void AddStatement(const BatchStatement& statement, const SchemaInfo& schema,
                  std::vector<Step>& steps);

std::vector<Step> TranslateStatements(const std::vector<BatchStatement>& statements,
                                      const SchemaInfo& schema) {
  std::vector<Step> steps;
  for (const BatchStatement& statement : statements) AddStatement(statement, schema, steps);
  return steps;
}

void AddStatement(const BatchStatement& statement, const SchemaInfo& schema,
                  std::vector<Step>& steps) {
  ItemSpan items = statement.items;
  if (statement.is_if) {
    Step step = SqlStep(ScalarQuery(statement.condition, schema));
    step.kind = Step::Kind::kIf;
    step.body = TranslateStatements(statement.body, schema);
    steps.push_back(std::move(step));
    return;
  }
  if (IsWord(items[0], "DECLARE")) return AddDeclarations(items, steps);
  if (AssignsVariable(items)) {
    Step step = SqlStep(ScalarQuery(items.subspan(3), schema));
    step.kind = Step::Kind::kSetVariable;
    step.variable = items[1].token.text;
    steps.push_back(std::move(step));
    return;
  }
  if (items.size() > 1 && IsWord(items[0], "CREATE") && IsWord(items[1], "TABLE")) {
    steps.push_back(SqlStep(TranslateCreateTable(items)));
    return;
  }
  if (items.size() > 1 && IsWord(items[0], "ALTER") && IsWord(items[1], "TABLE")) {
    if (std::optional<Step> step = TranslateAlterColumn(items)) {
      steps.push_back(std::move(*step));
      return;
    }
  }
  bool select = IsWord(items[0], "SELECT");
  if (select) {
    if (std::optional<std::string> sql = TranslateObjectExistence(items)) {
      steps.push_back(SqlStep(std::move(*sql)));
      return;
    }
  }
  TableScope scope(schema, items, nullptr);
  Step step = SqlStep(Render(RewriteStatement(items, scope)));
  if (select) step.columns = ResultColumnTypes(items, scope);
  steps.push_back(std::move(step));
}

}  // namespace

std::vector<Step> TranslateBatch(std::string_view tsql, const SchemaInfo& schema) {
  Items batch = BuildItems(Tokenize(tsql));
  return TranslateStatements(SplitBatch(batch), schema);
}

}  // namespace pellora::sqlite
