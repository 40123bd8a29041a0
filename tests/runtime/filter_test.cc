#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "runtime/convert.h"
#include "runtime/date.h"
#include "runtime/recordset.h"
#include "tests/runtime/recordset_testing.h"
#include "tests/text_rule_cases.h"

namespace pellora {
namespace {

using testing::LoadAndOpen;

Variant Day(int year, int month, int day, int hour = 0, int minute = 0) {
  return DateFromParts(DateParts{year, month, day, hour, minute, 0});
}

class FilterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    rs_.AppendField("Artigo", adVarWChar, 20, adFldIsNullable);
    rs_.AppendField("Armazem", adVarWChar, 5, adFldIsNullable);
    rs_.AppendField("Quantidade", adDouble);
    rs_.AppendField("Data", adDBTimeStamp);
    rs_.AppendField("Nome Longo", adVarWChar, 50, adFldIsNullable);
    LoadAndOpen(rs_, {
                         {"A1", "M1", 1.0, Day(2024, 1, 5), "João"},
                         {"a1", "M2", 2.5, Day(2024, 1, 5, 10, 30), "O'Malley"},
                         {"B2", "M1", -3.0, Day(2024, 2, 1), Variant::Null()},
                         {"B20", Variant::Null(), 10.0, Day(2023, 12, 31), ""},
                         {"C3", "M2", 2.5, Variant::Null(), "Joana"},
                     });
  }
  // The Artigo of every row the criteria shows.
  std::vector<std::string> Shown(const std::string& criteria) {
    rs_.SetFilter(criteria);
    return testing::Rows(rs_, {"Artigo"});
  }
  long Count(const std::string& criteria) {
    rs_.SetFilter(criteria);
    return rs_.RecordCount();
  }
  std::string Where() { return testing::Where(rs_, "Artigo"); }

  Recordset rs_;
};

using Texts = std::vector<std::string>;

TEST_F(FilterTest, MalformedCriteriaRaiseInvalidArgument) {
  for (const char* criteria :
       {"Artigo", "Artigo = ", "Artigo == 'A1'", "Artigo = 'A1", "(Artigo = 'A1'",
        "Artigo = 'A1' AND", "Artigo = 'A1' Armazem = 'M1'", "Quantidade = 1x", "Quantidade > NULL",
        "Artigo LIKE '*1'", "Artigo LIKE 'A*1'", "Artigo LIKE 1", "Data = #13/45/2024#",
        "Data = #2/30/2024#", "Data = #1/5/2024", "[Artigo = 'A1'"}) {
    EXPECT_EQ(ErrorNumberOf([&] { rs_.SetFilter(criteria); }), kAdoInvalidArgument) << criteria;
  }
  EXPECT_EQ(ErrorNumberOf([&] { rs_.SetFilter("Preco = 1"); }), kAdoItemNotFound);
}

// Criteria too deep to parse or too wide to distribute fail instead of exhausting the stack.
TEST_F(FilterTest, OversizedCriteriaRaiseInvalidArgument) {
  const auto repeat = [](const std::string& first, const std::string& more, int count) {
    std::string text = first;
    for (int i = 1; i < count; ++i) text += more;
    return text;
  };
  const auto nested = [](int depth) {
    return std::string(depth, '(') + "Artigo = 'A1'" + std::string(depth, ')');
  };
  const std::string either = "(Artigo = 'A1' OR Armazem = 'M2')";
  EXPECT_EQ(Count(nested(100)), 2);
  EXPECT_EQ(Count(repeat(either, " AND " + either, 8)), 3);  // 256 groups of 8 clauses
  for (const std::string& criteria :
       {nested(101), nested(1000000), repeat(either, " AND " + either, 11),
        repeat(either, " AND " + either, 64),
        repeat("Artigo = 'A1'", " OR Artigo = 'Z9'", 10001)}) {
    EXPECT_EQ(ErrorNumberOf([&] { rs_.SetFilter(criteria); }), kAdoInvalidArgument)
        << criteria.substr(0, 80);
  }
}

// Each criteria and the rows it shows: texts compare without case, accented capitals too; NULL
// matches only the NULL test; numbers compare numerically, also against quoted numbers; dates as
// dates in US and ISO forms; LIKE takes wildcards at the end or both ends; AND binds tighter
// than OR, and parentheses group.
TEST_F(FilterTest, EachCriteriaShowsItsRows) {
  const struct {
    std::string criteria;
    Texts shown;
  } cases[] = {
      {"artigo = 'A1'", {"A1", "a1"}},
      {"[Nome Longo] = 'JOÃO'", {"A1"}},
      {"[Nome Longo] = 'o''malley'", {"a1"}},
      {"Artigo > 'b2'", {"B20", "C3"}},
      {"Artigo <> 'A1'", {"B2", "B20", "C3"}},
      {"[Nome Longo] = ''", {"B20"}},
      {"[Nome Longo] <> 'x'", {"A1", "a1", "B20", "C3"}},
      {"Armazem = NULL", {"B20"}},
      {"Armazem <> null", {"A1", "a1", "B2", "C3"}},
      {"Quantidade = 2.5", {"a1", "C3"}},
      {"Quantidade = '2.50'", {"a1", "C3"}},
      {"Quantidade < -2", {"B2"}},
      {"Quantidade >= 1E1", {"B20"}},
      {"Quantidade = $10", {"B20"}},
      {"Quantidade = 'muito'", {}},
      {"Data = #1/5/2024#", {"A1"}},
      {"Data = #2024-01-05 10:30#", {"a1"}},
      {"Data = #1/5/24 10:30:00 AM#", {"a1"}},
      {"Data < #1/5/2024#", {"B20"}},
      {"Data >= '2024-01-05'", {"A1", "a1", "B2"}},
      {"Artigo LIKE 'b2*'", {"B2", "B20"}},
      {"[Nome Longo] LIKE '%JO%'", {"A1", "C3"}},
      {"[Nome Longo] LIKE 'joã*'", {"A1"}},
      {"Artigo LIKE 'b2'", {"B2"}},
      {"Artigo = 'B2' OR Armazem = 'M1' AND Quantidade > 0", {"A1", "B2"}},
      {"(Artigo = 'B2' OR Armazem = 'M1') AND Quantidade > 0", {"A1"}},
      {"(Artigo = 'A1' OR Artigo = 'B2') AND (Armazem = 'M1' OR Armazem = 'M2')",
       {"A1", "a1", "B2"}},
      {"Quantidade = 2.5 OR Artigo = 'c3' OR Data > #1/1/2024#", {"A1", "a1", "B2", "C3"}}};
  for (const auto& given : cases) EXPECT_EQ(Shown(given.criteria), given.shown) << given.criteria;
}

TEST(FilterRuleTest, FiltersAndFindsFollowTheCompanysTextRule) {
  for (const auto& [stored, sought, equal] : testing::kTextRule) {
    Recordset rs;
    rs.AppendField("Artigo", adVarWChar, 20, adFldIsNullable);
    LoadAndOpen(rs, {{stored}, {"outro"}});
    const std::string criteria = std::string("Artigo = '") + sought + "'";
    for (const std::string& filter : {criteria, std::string("Artigo LIKE '") + sought + "*'"})
      EXPECT_EQ((rs.SetFilter(filter), rs.RecordCount()), equal ? 1 : 0) << filter;
    rs.SetFilter("");
    rs.Find(criteria);
    EXPECT_EQ(rs.Eof(), !equal) << criteria;
  }
}

TEST_F(FilterTest, SettingAFilterMovesToTheFirstMatchAndClearingToTheFirstRow) {
  rs_.SetAbsolutePosition(4);
  rs_.SetFilter("Armazem = 'M2'");
  EXPECT_EQ(rs_.Filter() + "|" + std::to_string(rs_.RecordCount()) + "|" + Where(),
            "Armazem = 'M2'|2|a1@1");
  rs_.SetFilter("Artigo = 'Z9'");
  EXPECT_EQ(Where(), "BOFEOF@-1");
  rs_.SetFilter("");
  EXPECT_EQ(std::to_string(rs_.RecordCount()) + "|" + Where(), "5|A1@1");
}

// Equality answered by the index must agree with the same test made by scanning every row (no
// equality in the criteria).
TEST(FilterIndexTest, EqualityAgreesWithAScanOverMixedValues) {
  Recordset rs;
  rs.AppendField("V", adVariant);
  for (const Variant& value : {Variant("7"), Variant("007"), Variant(int16_t{7}), Variant(7.0),
                               Variant(Currency{70000}), Variant(Date{7}), Variant(true),
                               Variant::Null(), Variant(), Variant("abc"), Variant("ABC")})
    rs.LoadRow({value});
  rs.Open();
  for (const std::string value :
       {"7", "'7'", "'007'", "'7.0'", "-1", "#1/6/1900#", "'1/6/1900'", "''", "'abc'"}) {
    const long scanned = (rs.SetFilter("V >= " + value + " AND V <= " + value), rs.RecordCount());
    EXPECT_EQ((rs.SetFilter("V = " + value), rs.RecordCount()), scanned) << value;
  }
  EXPECT_EQ((rs.SetFilter("V = 7"), rs.RecordCount()), 5);
}

// A new row stays visible under the filter even when it does not match it.
TEST_F(FilterTest, IndexFollowsEditsAddedRowsAndCancelledRows) {
  EXPECT_EQ(Count("Artigo = 'B2'"), 1);
  rs_["Artigo"].SetValue("A1");
  rs_.Update();
  EXPECT_EQ(Shown("Artigo = 'B2'"), Texts{});
  EXPECT_EQ(Count("Artigo = 'a1'"), 3);
  rs_.SetFilter("Artigo = 'D4'");
  for (const char* artigo : {"D4", "E5"}) {
    rs_.AddNew();
    rs_["Artigo"].SetValue(artigo);
    rs_["Armazem"].SetValue("M9");
    rs_.Update();
  }
  EXPECT_EQ(std::to_string(rs_.RecordCount()) + "|" + Where(), "2|E5@2");
  rs_.AddNew();
  rs_["Artigo"].SetValue("F6");
  rs_.CancelUpdate();
  rs_.SetFilter("Artigo = 'D4'");
  rs_["Artigo"].SetValue("G7");
  rs_.CancelUpdate();
  EXPECT_EQ(
      (std::vector<long>{Count("Artigo = 'D4' AND Armazem = 'M9'"), Count("Artigo = 'E5'"),
                         Count("Artigo = 'F6'"), Count("Artigo = 'D4'"), Count("Artigo = 'G7'")}),
      (std::vector<long>{1, 1, 0, 1, 0}));
}

// Each find starts where the one before left the cursor: the current row counts, `skip` rows
// are passed over, and a find from EOF finds nothing. Rows the filter hides are skipped.
TEST_F(FilterTest, FindSearchesFromTheCurrentRowInEitherDirection) {
  const struct {
    const char* criteria;
    long skip;
    int direction;
    std::string found;
  } finds[] = {{"Armazem = 'M2'", 0, adSearchForward, "a1@2"},
               {"Armazem = 'M2'", 0, adSearchForward, "a1@2"},
               {"Armazem = 'M2'", 1, adSearchForward, "C3@5"},
               {"Quantidade < 0", 0, adSearchBackward, "B2@3"},
               {"Armazem = 'M1'", 1, adSearchBackward, "A1@1"},
               {"Armazem = 'M2'", 0, adSearchBackward, "BOF@-2"}};
  for (const auto& find : finds)
    EXPECT_EQ((rs_.Find(find.criteria, find.skip, find.direction), Where()), find.found)
        << find.criteria;
  rs_.MoveFirst();
  for (const char* criteria : {"Artigo = 'Z9'", "Artigo = 'A1'"})
    EXPECT_EQ((rs_.Find(criteria), Where()), "EOF@-3") << criteria;
  EXPECT_EQ(ErrorNumberOf([&] { rs_.Find("Artigo = 'A1' AND Armazem = 'M1'"); }),
            kAdoInvalidArgument);
  rs_.SetFilter("Quantidade > 2");
  EXPECT_EQ((rs_.Find("Armazem = 'M2'", 1), Where()), "C3@3");
  rs_.MoveFirst();
  EXPECT_EQ((rs_.Find("Armazem = 'M1'"), Where()), "EOF@-3");
}

}  // namespace
}  // namespace pellora
