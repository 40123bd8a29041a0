#include "runtime/convert.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "runtime/date.h"
#include "runtime/error.h"
#include "runtime/workstation.h"
#include "tests/runtime/error_number_of.h"

namespace pellora {
namespace {

using Texts = std::vector<std::string>;
using Numbers = std::vector<double>;
using Errors = std::vector<long>;

TEST(ConvertTest, CStrUsesTheLocaleDecimalSeparatorWithoutGrouping) {
  EXPECT_EQ((Texts{CStr(12.5), CStr(1234567.25), CStr(0.1 + 0.2), CStr(-0.0), CStr(1e16),
                   CStr(0.00001), CStr(int16_t{-7}), CStr(2147483647), CStr(Currency{125000}),
                   CStr(Currency{-5}), CStr(Currency{30000})}),
            (Texts{"12,5", "1234567,25", "0,3", "0", "1E+16", "1E-05", "-7", "2147483647", "12,5",
                   "-0,0005", "3"}));
  EXPECT_EQ((Texts{CStr(true), CStr(false), CStr(Variant()), CStr(DateFromParts({1958, 12, 7})),
                   CStr(DateFromParts({1958, 12, 7, 20, 5, 3}))}),
            (Texts{"True", "False", "", "07-12-1958", "07-12-1958 20:05:03"}));
  EXPECT_EQ(ErrorNumberOf([] { CStr(Variant::Null()); }), kInvalidUseOfNull);
  const WorkstationScope english({.locale = {.decimal_separator = ".", .group_separator = ","}});
  EXPECT_EQ(CStr(12.5), "12.5");
}

TEST(ConvertTest, CDblReadsTextWithTheLocaleSeparatorsAndRejectsWhatIsNotANumber) {
  // The point groups thousands here.
  EXPECT_EQ((Numbers{CDbl("12,5"), CDbl("12.5"), CDbl("  -1.234,5  "), CDbl("+,5"), CDbl("1,5E3"),
                     CDbl("&H10"), CDbl(Variant()), CDbl(true), CDbl(Currency{12345})}),
            (Numbers{12.5, 125, -1234.5, 0.5, 1500, 16, 0, -1, 1.2345}));
  for (const char* text : {"", "abc", "12x", "1 2", ".", "-", "1.", ".5", "12,5,3"})
    EXPECT_EQ(ErrorNumberOf([&] { CDbl(text); }), kTypeMismatch) << text;
  EXPECT_EQ(
      (Errors{ErrorNumberOf([] { CDbl(Variant::Null()); }), ErrorNumberOf([] { CDbl("1E400"); })}),
      (Errors{kInvalidUseOfNull, kOverflow}));
  const WorkstationScope english({.locale = {.decimal_separator = ".", .group_separator = ","}});
  EXPECT_EQ(CDbl("1,234.5"), 1234.5);
}

TEST(ConvertTest, CLngAndCIntRoundHalfToEvenAndCheckTheRange) {
  EXPECT_EQ((std::vector<long>{CLng(0.5), CLng(1.5), CLng(2.5), CLng(-2.5), CLng("2,7"),
                               CInt(32767.4), CLng(true)}),
            (std::vector<long>{0, 2, 2, -2, 3, 32767, -1}));
  EXPECT_EQ(
      (Errors{ErrorNumberOf([] { CInt(32767.5); }), ErrorNumberOf([] { CLng(2147483648.0); }),
              ErrorNumberOf([] { CLng(Variant::Null()); }), ErrorNumberOf([] { CInt("12x"); })}),
      (Errors{kOverflow, kOverflow, kInvalidUseOfNull, kTypeMismatch}));
}

TEST(ConvertTest, CBoolCCurAndCDate) {
  EXPECT_EQ((std::vector<bool>{CBool("TRUE"), CBool("false"), CBool("0,5"), CBool(Variant())}),
            (std::vector<bool>{true, false, true, false}));
  EXPECT_EQ(ErrorNumberOf([] { CBool("sim"); }), kTypeMismatch);
  EXPECT_EQ(CCur("1,23455").scaled, 12346);
  EXPECT_EQ(CCur(int16_t{3}).scaled, 30000);
  EXPECT_EQ((std::vector<Date>{CDate("1958-12-07 20:50:35"), CDate("07-12-1958 20:50"),
                               CDate("7/12/1958"), CDate(21525.5), CDate(2958465.5)}),
            (std::vector<Date>{DateFromParts({1958, 12, 7, 20, 50, 35}),
                               DateFromParts({1958, 12, 7, 20, 50}), DateFromParts({1958, 12, 7}),
                               Date{21525.5}, DateFromParts({9999, 12, 31, 12, 0, 0})}));
  EXPECT_EQ(CDate(-657434.5), Date{-657434.5});
  EXPECT_EQ(PartsOf(CDate(-657434.5)).year, 100);
  for (double serial : {2958466.0, -657435.0, 1e300, -1e300})
    EXPECT_EQ(ErrorNumberOf([&] { CDate(serial); }), kOverflow) << serial;
  for (const char* text : {"31-04-2024", "2024-13-01", "07-12-1958 24:00", "hoje", "07-12-58"})
    EXPECT_EQ(ErrorNumberOf([&] { CDate(text); }), kTypeMismatch) << text;
}

TEST(ConvertTest, ValReadsTheLeadingNumberWhateverTheLocaleAndIsNumericNeedsTheWholeText) {
  EXPECT_EQ((Numbers{Val(" 2 45 7"), Val(" 1615 198th Street"), Val("12.5"), Val("12,5"),
                     Val("-1.5e2x"), Val("3e"), Val("1\r\n2\t3"), Val("&HFFFF"), Val("&H10000"),
                     Val("&O17"), Val("abc"), Val(""), Val("1E-400")}),
            (Numbers{2457, 1615198, 12.5, 12, -150, 3, 123, -1, 65536, 15, 0, 0, 0}));
  EXPECT_EQ((Errors{ErrorNumberOf([] { Val("3D3333333"); }), ErrorNumberOf([] { Val("-1e309"); })}),
            (Errors{kOverflow, kOverflow}));
  EXPECT_EQ((std::vector<bool>{IsNumeric(" 1.234,5 "), IsNumeric(Variant()), IsNumeric(false),
                               IsNumeric("45 Help"), IsNumeric(""), IsNumeric(Variant::Null()),
                               IsNumeric(DateFromParts({2024, 1, 1}))}),
            (std::vector<bool>{true, true, true, false, false, false, false}));
}

// Concat takes Null as empty text; Add propagates it, joins texts and widens numbers, and fails on
// text and past the Double and the date ranges.
TEST(ConvertTest, ConcatAndAdd) {
  EXPECT_EQ(Concat(Variant::Null(), 1.5) + "|" + Concat("a", Variant()), "1,5|a");
  EXPECT_TRUE(Add(Variant::Null(), 1).IsNull());
  EXPECT_TRUE(Add("a", Variant::Null()).IsNull());
  EXPECT_EQ(
      (std::vector<Variant>{Add("1", "2"), Add("1,5", 2), Add(int16_t{1}, true),
                            Add(int16_t{32767}, int16_t{1}), Add(int16_t{1}, 1), Add(2147483647, 1),
                            Add(Currency{10000}, 0.5), Add(DateFromParts({2024, 2, 28}), 1),
                            Add(1e308, 1e307), Add(DateFromParts({9999, 12, 30}), 1)}),
      (std::vector<Variant>{"12", 3.5, int16_t{0}, 32768, 2, 2147483648.0, Currency{15000},
                            DateFromParts({2024, 2, 29}), 1.1e308, DateFromParts({9999, 12, 31})}));
  const Variant last_day = DateFromParts({9999, 12, 31}), day = DateFromParts({2024, 1, 5});
  for (const auto& [a, b, error] :
       std::vector<std::tuple<Variant, Variant, long>>{{"a", 1, kTypeMismatch},
                                                       {1e308, 1e308, kOverflow},
                                                       {-1e308, "-1e308", kOverflow},
                                                       {last_day, 1, kOverflow},
                                                       {day, 1e308, kOverflow}}) {
    EXPECT_EQ(ErrorNumberOf([&, &a = a, &b = b] { Add(a, b); }), error)
        << CStr(a) << " + " << CStr(b);
  }
}

}  // namespace
}  // namespace pellora
