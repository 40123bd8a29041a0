#ifndef PELLORA_PLATFORM_SESSION_LITERAL_TEMPLATE_H_
#define PELLORA_PLATFORM_SESSION_LITERAL_TEMPLATE_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/tsql/tsql_step.h"

namespace pellora::session {

// A T-SQL text with the contents of its string literals set aside: the add-in writes codes,
// dates and names into its texts, so texts that differ only in them share one translation, as
// SQL Server shares one plan. Each literal's content becomes a marker of as many characters
// (the translation types a literal by its length), unique within the text.
struct LiteralTemplate {
  struct Literal {
    std::string written;  // between the quotes, its quotes still doubled
    size_t length;        // in code points, each doubled quote taken once: its marker's
  };
  std::string text;  // the text with markers for contents
  std::vector<Literal> literals;
};

// nullopt for a text without string literals, or one whose translation reads their contents
// (OBJECT_ID('table')).
std::optional<LiteralTemplate> LiftLiterals(std::string_view tsql);

// The steps of the text `lifted` came from, given those of its template text: each marker put
// back as its content. nullopt when a marker does not appear exactly once in the steps' SQL or
// appears anywhere else: that text is translated as it stands.
std::optional<std::vector<tsql::Step>> PutBackLiterals(const std::vector<tsql::Step>& steps,
                                                       const LiteralTemplate& lifted);

}  // namespace pellora::session

#endif  // PELLORA_PLATFORM_SESSION_LITERAL_TEMPLATE_H_
