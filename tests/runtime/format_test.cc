#include "runtime/format.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "runtime/date.h"
#include "runtime/error.h"
#include "runtime/workstation.h"
#include "tests/runtime/error_number_of.h"

namespace pellora {
namespace {

using Texts = std::vector<std::string>;

// A function, not a constant: the date arithmetic has constants of its own to set up first.
Date Birthday() {
  return DateFromParts({1958, 12, 7, 20, 50, 35});
}

// Each value, pattern and text, in the default Portuguese locale.
TEST(FormatTest, EachValueTakesItsPattern) {
  const struct {
    Variant value;
    const char* pattern;
    const char* text;
  } cases[] = {
      // Minutes are told from months by the hour before them.
      {Birthday(), "dd-mm-yyyy", "07-12-1958"},
      {Birthday(), "dd-MM-yyyy", "07-12-1958"},
      {Birthday(), "hh:mm", "20:50"},
      {Birthday(), "yyyyMMddHH:mm:ss", "1958120720:50:35"},
      {Birthday(), "d/m/yy h:nn", "7-12-58 20:50"},
      {Birthday(), "mm hh:mm hh mm", "12 20:50 20 12"},
      {Birthday(), "\"dia\" d \\h", "dia 7 h"},
      {"1958-12-07 20:50:35", "dd-mm-yyyy hh:mm", "07-12-1958 20:50"},
      {"sem data", "dd-mm-yyyy", "sem data"},
      {Variant::Null(), "dd-mm-yyyy", ""},
      {2958465.0, "dd-mm-yyyy", "31-12-9999"},
      // Numbers round half away from zero on the decimal value.
      {2.675, "0.00", "2,68"},
      {1.005, "0.00", "1,01"},
      {-0.125, "0.00", "-0,13"},
      {0.5, "0", "1"},
      {2.5, "0", "3"},
      {999.996, "#,##0.00", "1.000,00"},
      {0.005, "0.00", "0,01"},
      {-0.004, "0.00", "0,00"},
      // Optional decimals, scaling and literals.
      {1.5, "0.0##", "1,5"},
      {1.23456, "0.0##", "1,235"},
      {7, "000", "007"},
      {1234567, "#,##0,", "1.235"},
      {12.5, "0.00 €", "12,50 €"},
      // Numeric text and other types.
      {"1.234,5", "###,##0.#0", "1.234,50"},
      {"abc", "###,##0.#0", "abc"},
      {Currency{123456}, "0.00", "12,35"},
      {int16_t{18}, "###,##0.#0", "18,00"},
      {Variant::Null(), "###,##0.#0", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Format(c.value, c.pattern), c.text) << c.pattern;
  // Date patterns on numbers past the date range overflow.
  EXPECT_EQ(ErrorNumberOf([] { Format(2958466.0, "dd-mm-yyyy"); }), kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { Format(1e300, "dd-mm-yyyy"); }), kOverflow);
}

TEST(FormatTest, PatternsUseTheLocaleSeparators) {
  {
    const WorkstationScope slashes({.locale = {.date_separator = "/", .time_separator = "."}});
    EXPECT_EQ(Format(Birthday(), "dd/mm/yyyy hh:nn") + "|" + Format(Birthday(), "dd-mm-yyyy"),
              "07/12/1958 20.50|07-12-1958");
  }
  const WorkstationScope english({.locale = {.decimal_separator = ".", .group_separator = ","}});
  EXPECT_EQ(Format(1234.5, "###,##0.#0"), "1,234.50");
}

// The decimals come from the rightmost placeholder.
TEST(FormatTest, NumberPatternsTakeTheDecimalsFromTheRightmostPlaceholder) {
  for (const auto& [value, texts] : std::vector<std::pair<double, Texts>>{
           {0, {"0,00", ",00", ",0000"}},
           {0.5, {"0,50", ",50", ",5000"}},
           {18, {"18,00", "18,00", "18,0000"}},
           {17.99, {"17,99", "17,99", "17,9900"}},
           {1234.5, {"1.234,50", "1.234,50", "1.234,5000"}},
           {-3.456, {"-3,46", "-3,46", "-3,4560"}},
           {1234567.891, {"1.234.567,89", "1.234.567,89", "1.234.567,8910"}}}) {
    EXPECT_EQ((Texts{Format(value, "###,##0.#0"), Format(value, "###,###.#0"),
                     Format(value, "#,###.###0")}),
              texts)
        << value;
  }
}

}  // namespace
}  // namespace pellora
