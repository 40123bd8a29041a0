#include "runtime/convert.h"

#include <gtest/gtest.h>

#include "runtime/date.h"
#include "runtime/error.h"
#include "runtime/workstation.h"
#include "tests/runtime/error_number_of.h"

namespace pellora {
namespace {

using ConvertTest = ::testing::Test;

TEST_F(ConvertTest, CStrOfNumbersUsesTheLocaleDecimalSeparatorWithoutGrouping) {
  EXPECT_EQ(CStr(12.5), "12,5");
  EXPECT_EQ(CStr(1234567.25), "1234567,25");
  EXPECT_EQ(CStr(0.1 + 0.2), "0,3");
  EXPECT_EQ(CStr(-0.0), "0");
  EXPECT_EQ(CStr(1e16), "1E+16");
  EXPECT_EQ(CStr(0.00001), "1E-05");
  EXPECT_EQ(CStr(int16_t{-7}), "-7");
  EXPECT_EQ(CStr(2147483647), "2147483647");
  EXPECT_EQ(CStr(Currency{125000}), "12,5");
  EXPECT_EQ(CStr(Currency{-5}), "-0,0005");
  EXPECT_EQ(CStr(Currency{30000}), "3");
  const WorkstationScope english({.locale = {.decimal_separator = ".", .group_separator = ","}});
  EXPECT_EQ(CStr(12.5), "12.5");
}

TEST_F(ConvertTest, CStrOfOtherTypes) {
  EXPECT_EQ(CStr(true), "True");
  EXPECT_EQ(CStr(false), "False");
  EXPECT_EQ(CStr(Variant()), "");
  EXPECT_EQ(CStr(DateFromParts({1958, 12, 7})), "07-12-1958");
  EXPECT_EQ(CStr(DateFromParts({1958, 12, 7, 20, 5, 3})), "07-12-1958 20:05:03");
  EXPECT_EQ(ErrorNumberOf([] { CStr(Variant::Null()); }), kInvalidUseOfNull);
}

TEST_F(ConvertTest, CDblReadsTextWithTheLocaleSeparators) {
  EXPECT_EQ(CDbl("12,5"), 12.5);
  EXPECT_EQ(CDbl("12.5"), 125);  // the point groups thousands here
  EXPECT_EQ(CDbl("  -1.234,5  "), -1234.5);
  EXPECT_EQ(CDbl("+,5"), 0.5);
  EXPECT_EQ(CDbl("1,5E3"), 1500);
  EXPECT_EQ(CDbl("&H10"), 16);
  EXPECT_EQ(CDbl(Variant()), 0);
  EXPECT_EQ(CDbl(true), -1);
  EXPECT_EQ(CDbl(Currency{12345}), 1.2345);
  const WorkstationScope english({.locale = {.decimal_separator = ".", .group_separator = ","}});
  EXPECT_EQ(CDbl("1,234.5"), 1234.5);
}

TEST_F(ConvertTest, CDblRejectsWhatIsNotANumber) {
  for (const char* text : {"", "abc", "12x", "1 2", ".", "-", "1.", ".5", "12,5,3"}) {
    EXPECT_EQ(ErrorNumberOf([&] { CDbl(text); }), kTypeMismatch) << text;
  }
  EXPECT_EQ(ErrorNumberOf([] { CDbl(Variant::Null()); }), kInvalidUseOfNull);
  EXPECT_EQ(ErrorNumberOf([] { CDbl("1E400"); }), kOverflow);
}

TEST_F(ConvertTest, CLngAndCIntRoundHalfToEvenAndCheckTheRange) {
  EXPECT_EQ(CLng(0.5), 0);
  EXPECT_EQ(CLng(1.5), 2);
  EXPECT_EQ(CLng(2.5), 2);
  EXPECT_EQ(CLng(-2.5), -2);
  EXPECT_EQ(CLng("2,7"), 3);
  EXPECT_EQ(CInt(32767.4), 32767);
  EXPECT_EQ(CLng(true), -1);
  EXPECT_EQ(ErrorNumberOf([] { CInt(32767.5); }), kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { CLng(2147483648.0); }), kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { CLng(Variant::Null()); }), kInvalidUseOfNull);
  EXPECT_EQ(ErrorNumberOf([] { CInt("12x"); }), kTypeMismatch);
}

TEST_F(ConvertTest, CBoolCCurAndCDate) {
  EXPECT_TRUE(CBool("TRUE"));
  EXPECT_FALSE(CBool("false"));
  EXPECT_TRUE(CBool("0,5"));
  EXPECT_FALSE(CBool(Variant()));
  EXPECT_EQ(ErrorNumberOf([] { CBool("sim"); }), kTypeMismatch);
  EXPECT_EQ(CCur("1,23455").scaled, 12346);
  EXPECT_EQ(CCur(int16_t{3}).scaled, 30000);
  EXPECT_EQ(CDate("1958-12-07 20:50:35"), DateFromParts({1958, 12, 7, 20, 50, 35}));
  EXPECT_EQ(CDate("07-12-1958 20:50"), DateFromParts({1958, 12, 7, 20, 50}));
  EXPECT_EQ(CDate("7/12/1958"), DateFromParts({1958, 12, 7}));
  EXPECT_EQ(CDate(21525.5), Date{21525.5});
  EXPECT_EQ(CDate(2958465.5), DateFromParts({9999, 12, 31, 12, 0, 0}));
  EXPECT_EQ(CDate(-657434.5), Date{-657434.5});
  EXPECT_EQ(PartsOf(CDate(-657434.5)).year, 100);
  for (double serial : {2958466.0, -657435.0, 1e300, -1e300}) {
    EXPECT_EQ(ErrorNumberOf([&] { CDate(serial); }), kOverflow) << serial;
  }
  for (const char* text : {"31-04-2024", "2024-13-01", "07-12-1958 24:00", "hoje", "07-12-58"}) {
    EXPECT_EQ(ErrorNumberOf([&] { CDate(text); }), kTypeMismatch) << text;
  }
}

TEST_F(ConvertTest, ValReadsTheLeadingNumberWithAPointWhateverTheLocale) {
  EXPECT_EQ(Val(" 2 45 7"), 2457);
  EXPECT_EQ(Val(" 1615 198th Street"), 1615198);
  EXPECT_EQ(Val("12.5"), 12.5);
  EXPECT_EQ(Val("12,5"), 12);
  EXPECT_EQ(Val("-1.5e2x"), -150);
  EXPECT_EQ(Val("3e"), 3);
  EXPECT_EQ(Val("1\r\n2\t3"), 123);
  EXPECT_EQ(Val("&HFFFF"), -1);
  EXPECT_EQ(Val("&H10000"), 65536);
  EXPECT_EQ(Val("&O17"), 15);
  EXPECT_EQ(Val("abc"), 0);
  EXPECT_EQ(Val(""), 0);
  EXPECT_EQ(Val("1E-400"), 0);
  EXPECT_EQ(ErrorNumberOf([] { Val("3D3333333"); }), kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { Val("-1e309"); }), kOverflow);
}

TEST_F(ConvertTest, IsNumericNeedsTheWholeTextToBeANumber) {
  EXPECT_TRUE(IsNumeric(" 1.234,5 "));
  EXPECT_TRUE(IsNumeric(Variant()));
  EXPECT_TRUE(IsNumeric(false));
  EXPECT_FALSE(IsNumeric("45 Help"));
  EXPECT_FALSE(IsNumeric(""));
  EXPECT_FALSE(IsNumeric(Variant::Null()));
  EXPECT_FALSE(IsNumeric(DateFromParts({2024, 1, 1})));
}

TEST_F(ConvertTest, ConcatTreatsNullAsEmptyText) {
  EXPECT_EQ(Concat(Variant::Null(), 1.5), "1,5");
  EXPECT_EQ(Concat("a", Variant()), "a");
}

TEST_F(ConvertTest, AddPropagatesNullJoinsTextsAndWidensNumbers) {
  EXPECT_TRUE(Add(Variant::Null(), 1).IsNull());
  EXPECT_TRUE(Add("a", Variant::Null()).IsNull());
  EXPECT_EQ(Add("1", "2"), Variant("12"));
  EXPECT_EQ(Add("1,5", 2), Variant(3.5));
  EXPECT_EQ(Add(int16_t{1}, true), Variant(int16_t{0}));
  EXPECT_EQ(Add(int16_t{32767}, int16_t{1}), Variant(32768));
  EXPECT_EQ(Add(int16_t{1}, 1), Variant(2));
  EXPECT_EQ(Add(2147483647, 1), Variant(2147483648.0));
  EXPECT_EQ(Add(Currency{10000}, 0.5), Variant(Currency{15000}));
  EXPECT_EQ(Add(DateFromParts({2024, 2, 28}), 1), Variant(DateFromParts({2024, 2, 29})));
  EXPECT_EQ(ErrorNumberOf([] { Add("a", 1); }), kTypeMismatch);
}

TEST_F(ConvertTest, AddOverflowsPastTheDoubleAndTheDateRanges) {
  EXPECT_EQ(Add(1e308, 1e307), Variant(1.1e308));
  EXPECT_EQ(ErrorNumberOf([] { Add(1e308, 1e308); }), kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { Add(-1e308, "-1e308"); }), kOverflow);
  EXPECT_EQ(Add(DateFromParts({9999, 12, 30}), 1), Variant(DateFromParts({9999, 12, 31})));
  EXPECT_EQ(ErrorNumberOf([] { Add(DateFromParts({9999, 12, 31}), 1); }), kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { Add(DateFromParts({2024, 1, 5}), 1e308); }), kOverflow);
}

}  // namespace
}  // namespace pellora
