#include "runtime/text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/error.h"
#include "tests/runtime/error_number_of.h"
#include "tests/text_rule_cases.h"

namespace pellora {
namespace {

using Texts = std::vector<std::string>;

TEST(TextTest, LengthsCutsAndSearchesCountCodePointsAndRefuseNegativeCounts) {
  EXPECT_EQ(Len("Câmara Açores"), 13u);
  EXPECT_EQ(
      (Texts{Left("São João", 3), Left("São", 10), Right("São João", 4), Right("ção", 9),
             Mid("Armazém Évora", 7, 3), Mid("Armazém", 6), Mid("Armazém", 9), Mid("", 1, 2)}),
      (Texts{"São", "São", "João", "ção", "m É", "ém", "", ""}));
  EXPECT_EQ((std::vector<long>{InStr("Évora-Évora", "vora"), InStr("Évora-Évora", "vora", 3),
                               InStr("abc", "x"), InStr("abc", "", 2), InStr("abc", "a", 5),
                               InStr("", "a")}),
            (std::vector<long>{2, 8, 0, 2, 0, 0}));
  EXPECT_EQ((std::vector<long>{
                ErrorNumberOf([] { Left("a", -1); }), ErrorNumberOf([] { Right("a", -1); }),
                ErrorNumberOf([] { Mid("a", 0); }), ErrorNumberOf([] { Mid("a", 1, -2); }),
                ErrorNumberOf([] { InStr("a", "a", 0); })}),
            std::vector<long>(5, kInvalidProcedureCall));
}

TEST(TextTest, CaseTrimAndReplace) {
  // Every letter that has a case changes; Trim removes spaces only.
  EXPECT_EQ((Texts{UCase("ação é Ñú àÿ łœ ß x÷"), LCase("AÇÃO É × Ø ŁŒ"), Trim("  a b \t "),
                   LTrim("  a "), RTrim("  a "), Trim("   "), Replace("a-b-c", "-", "--"),
                   Replace("aaa", "aa", "b"), Replace("abc", "", "x"), QuoteEscape("O'Neil's")}),
            (Texts{"AÇÃO É ÑÚ ÀŸ ŁŒ ß X÷", "ação é × ø łœ", "a b \t", "a ", "  a", "", "a--b--c",
                   "ba", "abc", "O''Neil''s"}));
}

TEST(TextTest, TextsCompareByTheCompanysRule) {
  for (const auto& [stored, sought, equal] : testing::kTextRule) {
    EXPECT_EQ(CompareTextNoCase(stored, sought) == 0, equal) << stored << " / " << sought;
    EXPECT_EQ(FoldCase(stored) == FoldCase(sought), equal) << stored << " / " << sought;
  }
  // The Kelvin sign folds to a one-byte k; a byte outside UTF-8 stands for itself.
  EXPECT_EQ(CompareTextNoCase("\u212Aey", "KEY"), 0);
  EXPECT_NE(CompareTextNoCase("a\xC3", "a\xC3\x81"), 0);
  EXPECT_LT(CompareTextNoCase("abc", "ABD"), 0);
  EXPECT_GT(CompareTextNoCase("b", "A"), 0);
  EXPECT_LT(CompareTextNoCase("ab", "AB "), 0);
  EXPECT_LT(CompareTextNoCase("Z_", "za"), 0);
}

// Names are hashed eight bytes at a time: case folds at any place in the word, accented
// letters split across two words, and the bytes beside 'A' and 'Z' that must stay as they are.
TEST(TextTest, TextsEqualWithoutCaseShareTheirHashAndOnlyThey) {
  std::vector<std::string> texts;
  texts.insert(texts.end(),
               {"", "a", "PrecoUnitario", "PRECOUNITARIO", "precounitariO", "ABCDEFGÇ", "abcdefgç",
                "abcdefgc", "1234567Ação", "1234567AÇÃO", "@[", "`{", "×÷"});
  texts.insert(texts.end(), {"Quantidade", "QuantidadE ", "quantidade", "abc", "abd", "Arma",
                             "ARMA", "Armb", "Serie", "SERIE", "Seria", "Xerie", "Artigo1"});
  texts.insert(texts.end(),
               {"ARTIGO1", "Artigo2", "Quantidades", "\u212Aelvin", "KELVIN", "1234567\u212A",
                "1234567k", "12345678ŁÓDŹ", "12345678łódź", "a\xC3", "A\xC3"});
  for (const auto& [stored, sought, equal] : testing::kTextRule)
    texts.insert(texts.end(), {stored, sought});
  for (const std::string& a : texts) {
    for (const std::string& b : texts) {
      EXPECT_EQ(HashTextNoCase(a) == HashTextNoCase(b), CompareTextNoCase(a, b) == 0)
          << a << " / " << b;
      EXPECT_EQ(EqualTextNoCase(a, b), CompareTextNoCase(a, b) == 0) << a << " / " << b;
    }
  }
}

}  // namespace
}  // namespace pellora
