#include "runtime/format.h"

#include <gtest/gtest.h>

#include "runtime/date.h"
#include "runtime/error.h"
#include "runtime/workstation.h"
#include "tests/runtime/error_number_of.h"

namespace pellora {
namespace {

class FormatTest : public ::testing::Test {
 protected:
  const Date birthday_ = DateFromParts({1958, 12, 7, 20, 50, 35});
};

TEST_F(FormatTest, DatePatternsTellMinutesFromMonthsByTheHourBeforeThem) {
  EXPECT_EQ(Format(birthday_, "dd-mm-yyyy"), "07-12-1958");
  EXPECT_EQ(Format(birthday_, "dd-MM-yyyy"), "07-12-1958");
  EXPECT_EQ(Format(birthday_, "hh:mm"), "20:50");
  EXPECT_EQ(Format(birthday_, "yyyyMMddHH:mm:ss"), "1958120720:50:35");
  EXPECT_EQ(Format(birthday_, "d/m/yy h:nn"), "7-12-58 20:50");
  EXPECT_EQ(Format(birthday_, "mm hh:mm hh mm"), "12 20:50 20 12");
  EXPECT_EQ(Format(birthday_, "\"dia\" d \\h"), "dia 7 h");
}

TEST_F(FormatTest, DatePatternsUseTheLocaleSeparators) {
  const WorkstationScope slashes({.locale = {.date_separator = "/", .time_separator = "."}});
  EXPECT_EQ(Format(birthday_, "dd/mm/yyyy hh:nn"), "07/12/1958 20.50");
  EXPECT_EQ(Format(birthday_, "dd-mm-yyyy"), "07-12-1958");
}

TEST_F(FormatTest, DatePatternsOnTextAndNull) {
  EXPECT_EQ(Format("1958-12-07 20:50:35", "dd-mm-yyyy hh:mm"), "07-12-1958 20:50");
  EXPECT_EQ(Format("sem data", "dd-mm-yyyy"), "sem data");
  EXPECT_EQ(Format(Variant::Null(), "dd-mm-yyyy"), "");
}

TEST_F(FormatTest, DatePatternsOnNumbersPastTheDateRangeOverflow) {
  EXPECT_EQ(Format(2958465.0, "dd-mm-yyyy"), "31-12-9999");
  EXPECT_EQ(ErrorNumberOf([] { Format(2958466.0, "dd-mm-yyyy"); }), kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { Format(1e300, "dd-mm-yyyy"); }), kOverflow);
}

struct NumberCase {
  double value;
  const char* two_decimals;     // ###,##0.#0
  const char* no_leading_zero;  // ###,###.#0
  const char* four_decimals;    // #,###.###0
};

TEST_F(FormatTest, NumberPatternsTakeTheDecimalsFromTheRightmostPlaceholder) {
  for (const NumberCase& c : {
           NumberCase{0, "0,00", ",00", ",0000"},
           NumberCase{0.5, "0,50", ",50", ",5000"},
           NumberCase{18, "18,00", "18,00", "18,0000"},
           NumberCase{17.99, "17,99", "17,99", "17,9900"},
           NumberCase{1234.5, "1.234,50", "1.234,50", "1.234,5000"},
           NumberCase{-3.456, "-3,46", "-3,46", "-3,4560"},
           NumberCase{1234567.891, "1.234.567,89", "1.234.567,89", "1.234.567,8910"},
       }) {
    EXPECT_EQ(Format(c.value, "###,##0.#0"), c.two_decimals) << c.value;
    EXPECT_EQ(Format(c.value, "###,###.#0"), c.no_leading_zero) << c.value;
    EXPECT_EQ(Format(c.value, "#,###.###0"), c.four_decimals) << c.value;
  }
}

TEST_F(FormatTest, NumberPatternsRoundHalfAwayFromZeroOnTheDecimalValue) {
  EXPECT_EQ(Format(2.675, "0.00"), "2,68");
  EXPECT_EQ(Format(1.005, "0.00"), "1,01");
  EXPECT_EQ(Format(-0.125, "0.00"), "-0,13");
  EXPECT_EQ(Format(0.5, "0"), "1");
  EXPECT_EQ(Format(2.5, "0"), "3");
  EXPECT_EQ(Format(999.996, "#,##0.00"), "1.000,00");
  EXPECT_EQ(Format(0.005, "0.00"), "0,01");
  EXPECT_EQ(Format(-0.004, "0.00"), "0,00");
}

TEST_F(FormatTest, NumberPatternsOptionalDecimalsScalingAndLiterals) {
  EXPECT_EQ(Format(1.5, "0.0##"), "1,5");
  EXPECT_EQ(Format(1.23456, "0.0##"), "1,235");
  EXPECT_EQ(Format(7, "000"), "007");
  EXPECT_EQ(Format(1234567, "#,##0,"), "1.235");
  EXPECT_EQ(Format(12.5, "0.00 €"), "12,50 €");
}

TEST_F(FormatTest, NumberPatternsAcceptNumericTextAndOtherTypes) {
  EXPECT_EQ(Format("1.234,5", "###,##0.#0"), "1.234,50");
  EXPECT_EQ(Format("abc", "###,##0.#0"), "abc");
  EXPECT_EQ(Format(Currency{123456}, "0.00"), "12,35");
  EXPECT_EQ(Format(int16_t{18}, "###,##0.#0"), "18,00");
  EXPECT_EQ(Format(Variant::Null(), "###,##0.#0"), "");
  const WorkstationScope english({.locale = {.decimal_separator = ".", .group_separator = ","}});
  EXPECT_EQ(Format(1234.5, "###,##0.#0"), "1,234.50");
}

}  // namespace
}  // namespace pellora
