#include "runtime/variant.h"

#include <gtest/gtest.h>

#include <vector>

#include "runtime/date.h"
#include "runtime/error.h"
#include "tests/runtime/error_number_of.h"

namespace pellora {
namespace {

// Each kind of value, its type code and whether arithmetic takes it as a number.
TEST(VariantTest, ReportsVbTypeCodesAndWhichAreNumbers) {
  std::vector<VarType> types;
  std::vector<bool> numbers;
  for (const Variant& value : {Variant(), Variant::Null(), Variant(int16_t{1}), Variant(1),
                               Variant(1.5), Variant(Currency{1}), Variant(Date{1}), Variant("1"),
                               Variant(false), Variant(Bytes{1, 2})}) {
    types.push_back(value.type());
    numbers.push_back(value.IsNumber());
  }
  EXPECT_EQ(types, (std::vector<VarType>{VarType::kEmpty, VarType::kNull, VarType::kInteger,
                                         VarType::kLong, VarType::kDouble, VarType::kCurrency,
                                         VarType::kDate, VarType::kString, VarType::kBoolean,
                                         VarType::kByteArray}));
  EXPECT_EQ(numbers,
            (std::vector<bool>{false, false, true, true, true, true, false, false, true, false}));
}

TEST(VariantTest, WrongAccessorIsTypeMismatchWithPortugueseText) {
  try {
    Variant("12").AsLong();
    FAIL() << "no error";
  } catch (const Error& error) {
    EXPECT_EQ(error.number(), kTypeMismatch);
    EXPECT_EQ(error.description(), "Tipos incompatíveis");
  }
  EXPECT_EQ(ErrorNumberOf([] { Variant(int16_t{1}).AsLong(); }), kTypeMismatch);
  EXPECT_EQ(ErrorNumberOf([] { Variant::Null().AsString(); }), kTypeMismatch);
}

TEST(VariantTest, CurrencyRoundsHalfToEvenAtTheFourthDecimal) {
  std::vector<int64_t> scaled;
  for (double value : {1.23456, 0.00005, 0.00025, 0.00035, -2.5})
    scaled.push_back(Currency::FromDouble(value).scaled);
  EXPECT_EQ(scaled, (std::vector<int64_t>{12346, 0, 2, 4, -25000}));
  EXPECT_EQ(ErrorNumberOf([] { Currency::FromDouble(1e15); }), kOverflow);
}

TEST(DateTest, SerialsCountDaysFrom30December1899AndPartsRoundTrip) {
  EXPECT_EQ(
      (std::vector<double>{DateFromParts({1899, 12, 30}).serial, DateFromParts({1900, 3, 1}).serial,
                           DateFromParts({1899, 12, 29, 6, 0, 0}).serial}),
      (std::vector<double>{0, 61, -1.25}));
  EXPECT_DOUBLE_EQ(DateFromParts({1958, 12, 7, 20, 50, 35}).serial, 21526 + 75035.0 / 86400);
  for (const DateParts parts : {DateParts{2024, 2, 29, 23, 59, 59}, DateParts{2000, 12, 31},
                                DateParts{1958, 12, 7, 20, 50, 35}, DateParts{1899, 12, 29, 6},
                                DateParts{1800, 1, 1, 12}}) {
    const DateParts back = PartsOf(DateFromParts(parts));
    EXPECT_EQ(std::tie(back.year, back.month, back.day, back.hour, back.minute, back.second),
              std::tie(parts.year, parts.month, parts.day, parts.hour, parts.minute, parts.second));
  }
}

TEST(DateTest, PartsCarryOverTimeRoundsToTheSecondAndDaysKeepTheTimeOfDay) {
  EXPECT_EQ((std::vector<Date>{DateFromParts({2023, 13, 1}), DateFromParts({2024, 3, 0}),
                               DateFromParts({2024, 0, 1})}),
            (std::vector<Date>{DateFromParts({2024, 1, 1}), DateFromParts({2024, 2, 29}),
                               DateFromParts({2023, 12, 1})}));
  const DateParts parts = PartsOf(Date{1.0 - 1e-9});  // into the next day
  EXPECT_EQ(std::tie(parts.day, parts.hour), std::make_tuple(31, 0));
  const Date evening = DateFromParts({2024, 2, 28, 18});
  EXPECT_EQ(AddDays(evening, 2), DateFromParts({2024, 3, 1, 18}));
  EXPECT_EQ(DateOnly(evening), DateFromParts({2024, 2, 28}));
  // Crossing serial zero: the fraction stays the time of day.
  EXPECT_EQ(AddDays(DateFromParts({1899, 12, 29, 6}), 2), DateFromParts({1899, 12, 31, 6}));
}

}  // namespace
}  // namespace pellora
