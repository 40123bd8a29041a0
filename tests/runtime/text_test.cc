#include "runtime/text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/error.h"
#include "tests/runtime/error_number_of.h"
#include "tests/text_rule_cases.h"

namespace pellora {
namespace {

TEST(TextTest, LengthsAndCutsCountCodePoints) {
  EXPECT_EQ(Len("Câmara Açores"), 13u);
  EXPECT_EQ(Left("São João", 3), "São");
  EXPECT_EQ(Left("São", 10), "São");
  EXPECT_EQ(Right("São João", 4), "João");
  EXPECT_EQ(Right("ção", 9), "ção");
  EXPECT_EQ(Mid("Armazém Évora", 7, 3), "m É");
  EXPECT_EQ(Mid("Armazém", 6), "ém");
  EXPECT_EQ(Mid("Armazém", 9), "");
  EXPECT_EQ(Mid("", 1, 2), "");
}

TEST(TextTest, NegativeCountsAndStartsAreInvalidCalls) {
  EXPECT_EQ(ErrorNumberOf([] { Left("a", -1); }), kInvalidProcedureCall);
  EXPECT_EQ(ErrorNumberOf([] { Right("a", -1); }), kInvalidProcedureCall);
  EXPECT_EQ(ErrorNumberOf([] { Mid("a", 0); }), kInvalidProcedureCall);
  EXPECT_EQ(ErrorNumberOf([] { Mid("a", 1, -2); }), kInvalidProcedureCall);
  EXPECT_EQ(ErrorNumberOf([] { InStr("a", "a", 0); }), kInvalidProcedureCall);
}

TEST(TextTest, CaseChangesMapEveryLetterThatHasACase) {
  EXPECT_EQ(UCase("ação é Ñú àÿ łœ ß x÷"), "AÇÃO É ÑÚ ÀŸ ŁŒ ß X÷");
  EXPECT_EQ(LCase("AÇÃO É × Ø ŁŒ"), "ação é × ø łœ");
}

TEST(TextTest, TrimRemovesSpacesOnly) {
  EXPECT_EQ(Trim("  a b \t "), "a b \t");
  EXPECT_EQ(LTrim("  a "), "a ");
  EXPECT_EQ(RTrim("  a "), "  a");
  EXPECT_EQ(Trim("   "), "");
}

TEST(TextTest, InStrCountsCodePointsFromOne) {
  EXPECT_EQ(InStr("Évora-Évora", "vora"), 2);
  EXPECT_EQ(InStr("Évora-Évora", "vora", 3), 8);
  EXPECT_EQ(InStr("abc", "x"), 0);
  EXPECT_EQ(InStr("abc", "", 2), 2);
  EXPECT_EQ(InStr("abc", "a", 5), 0);
  EXPECT_EQ(InStr("", "a"), 0);
}

TEST(TextTest, ReplaceAndQuoteEscapeChangeEveryOccurrence) {
  EXPECT_EQ(Replace("a-b-c", "-", "--"), "a--b--c");
  EXPECT_EQ(Replace("aaa", "aa", "b"), "ba");
  EXPECT_EQ(Replace("abc", "", "x"), "abc");
  EXPECT_EQ(QuoteEscape("O'Neil's"), "O''Neil''s");
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
