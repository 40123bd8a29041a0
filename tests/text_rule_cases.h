#ifndef PELLORA_TESTS_TEXT_RULE_CASES_H_
#define PELLORA_TESTS_TEXT_RULE_CASES_H_

// The company's one rule for texts compared without case, which every path answers alike (both
// engines' SQL, Recordset filters and finds, names): capitals equal small letters, accents stay.
namespace pellora::testing {

struct TextPair {
  const char* stored;
  const char* sought;
  bool equal;
};

inline constexpr TextPair kTextRule[] = {
    {"ARTIGO", "artigo", true}, {"A1", "a2", false},  {"ÁGUA", "água", true},
    {"agua", "água", false},    {"ÇÃO", "ção", true}, {"ŁÓDŹ", "łódź", true},
    {"ŒUVRE", "œuvre", true},   {"ÑU", "NU", false},
};

}  // namespace pellora::testing

#endif  // PELLORA_TESTS_TEXT_RULE_CASES_H_
