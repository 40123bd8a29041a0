#ifndef PELLORA_SOLUCAO_CHOOSER_QUERY_H_
#define PELLORA_SOLUCAO_CHOOSER_QUERY_H_

#include <cstdint>
#include <string>

namespace pellora {

// The movement filter the chooser applies for a movement code: "P" (unit costs of an
// inventory) lists the inventory readings; "X" lists every kind, for cancelling.
std::string ChooserMovementFilter(const std::string& movement_code);

// The query listing the pending reading sets of one movement filter, one row per set (and per
// different third party or original document within it): Id, Terminal, Leitura, Terceiro, Nome,
// Doc. Origem.
std::string ChooserSql(const std::string& third_party, const std::string& movement_filter,
                       int16_t kind);

// The chooser's title for a movement filter.
std::string ChooserTitle(const std::string& movement_filter);

}  // namespace pellora

#endif  // PELLORA_SOLUCAO_CHOOSER_QUERY_H_
