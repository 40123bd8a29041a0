#include "runtime/recordset.h"

#include <gtest/gtest.h>

#include "tests/runtime/recordset_testing.h"

namespace pellora {
namespace {

using RowState = Recordset::RowState;

// Three stock readings: Artigo (text), Quantidade (currency), Linha (integer).
class RecordsetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    rs_.AppendField("Artigo", adVarWChar, 20, adFldIsNullable);
    rs_.AppendField("Quantidade", adCurrency);
    rs_.AppendField("Linha", adInteger);
  }
  void OpenWithThreeRows() {
    testing::LoadAndOpen(rs_, {{"A1", Currency{10000}, int32_t{1}},
                               {"A2", Currency{20000}, int32_t{2}},
                               {"A3", Currency{30000}, int32_t{3}}});
  }
  Variant Artigo() { return rs_["Artigo"].Value(); }
  std::string Where() { return testing::Where(rs_, "Artigo"); }

  Recordset rs_;
};

TEST_F(RecordsetTest, FieldsAreFoundByNameInAnyCaseAndDescribeThemselves) {
  EXPECT_EQ(rs_.FieldCount(), 3u);
  EXPECT_TRUE(rs_.HasField("ARTIGO"));
  EXPECT_EQ(rs_["quantidade"].Index(), 1u);
  EXPECT_EQ(rs_.Fields(2).Name(), "Linha");
  EXPECT_EQ(
      (std::vector<long>{rs_["Artigo"].Attributes(), rs_["Artigo"].DefinedSize(),
                         rs_["Quantidade"].Attributes(), rs_["Quantidade"].DefinedSize(),
                         ErrorNumberOf([&] { rs_.Fields("Preco"); }),
                         ErrorNumberOf([&] { rs_.Fields(3); })}),
      (std::vector<long>{adFldIsNullable, 20, adFldFixed, 8, kAdoItemNotFound, kAdoItemNotFound}));
}

TEST_F(RecordsetTest, EmptyRecordsetIsAtBofAndEofAndRefusesEveryMove) {
  rs_.Open();
  EXPECT_EQ(Where() + std::to_string(rs_.RecordCount()), "BOFEOF@-10");
  EXPECT_EQ((std::vector<long>{
                ErrorNumberOf([&] { rs_.MoveFirst(); }), ErrorNumberOf([&] { rs_.MoveLast(); }),
                ErrorNumberOf([&] { rs_.MoveNext(); }), ErrorNumberOf([&] { rs_.MovePrevious(); }),
                ErrorNumberOf([&] { Artigo(); }),
                ErrorNumberOf([&] { rs_["Linha"].SetValue(int32_t{1}); })}),
            std::vector<long>(6, kAdoNoCurrentRecord));
}

TEST_F(RecordsetTest, MovesFollowTheBofEofRules) {
  OpenWithThreeRows();
  std::vector<std::string> seen{Where()};
  rs_.MoveLast();
  rs_.MoveNext();
  seen.push_back(Where());
  EXPECT_EQ(ErrorNumberOf([&] { rs_.MoveNext(); }), kAdoNoCurrentRecord);
  EXPECT_EQ(ErrorNumberOf([&] { Artigo(); }), kAdoNoCurrentRecord);
  rs_.MovePrevious();
  seen.push_back(Where());
  rs_.MoveFirst();
  rs_.MovePrevious();
  seen.push_back(Where());
  EXPECT_EQ(ErrorNumberOf([&] { rs_.MovePrevious(); }), kAdoNoCurrentRecord);
  rs_.MoveNext();
  seen.push_back(Where());
  rs_.SetAbsolutePosition(2);
  seen.push_back(Where());
  EXPECT_EQ(ErrorNumberOf([&] { rs_.SetAbsolutePosition(4); }), kAdoInvalidArgument);
  EXPECT_EQ(seen, (std::vector<std::string>{"A1@1", "EOF@-3", "A3@3", "BOF@-2", "A1@1", "A2@2"}));
}

TEST_F(RecordsetTest, SetValueCoercesToTheFieldType) {
  OpenWithThreeRows();
  rs_["Quantidade"].SetValue(2.5);
  rs_["Linha"].SetValue("12");
  rs_["Artigo"].SetValue(int16_t{7});
  EXPECT_EQ(ErrorNumberOf([&] { rs_["Linha"].SetValue("sete"); }), kAdoDataConversion);
  EXPECT_EQ((std::vector<Variant>{rs_["Quantidade"].Value(), rs_["Linha"].Value(), Artigo()}),
            (std::vector<Variant>{Currency{25000}, int32_t{12}, "7"}));
  rs_["Artigo"].SetValue(Variant::Null());
  EXPECT_TRUE(Artigo().IsNull());
}

// An update with nothing being edited changes nothing.
TEST_F(RecordsetTest, EditingKeepsOriginalsUntilChangesAreAccepted) {
  OpenWithThreeRows();
  rs_.Update();
  rs_["Artigo"].SetValue("B1");
  EXPECT_EQ(rs_.EditMode(), adEditInProgress);
  EXPECT_EQ(rs_["Artigo"].OriginalValue(), Variant("A1"));
  rs_.CancelUpdate();
  EXPECT_EQ(rs_.EditMode(), adEditNone);
  EXPECT_EQ(Artigo(), Variant("A1"));
  EXPECT_EQ(rs_.StateOf(0), RowState::kUnchanged);

  rs_["Artigo"].SetValue("B1");
  rs_.MoveNext();  // leaving the row saves it
  EXPECT_EQ(rs_.EditMode(), adEditNone);
  EXPECT_EQ(rs_.StateOf(0), RowState::kModified);
  EXPECT_EQ(rs_.StateOf(1), RowState::kUnchanged);
  EXPECT_EQ(rs_.ValueAt(0, 0), Variant("B1"));
  EXPECT_EQ(rs_.OriginalValueAt(0, 0), Variant("A1"));
  rs_.AcceptChanges();
  EXPECT_EQ(rs_.StateOf(0), RowState::kUnchanged);
  EXPECT_EQ(rs_.OriginalValueAt(0, 0), Variant("B1"));
}

// A cancelled new row is dropped and the row before it is current again.
TEST_F(RecordsetTest, AddNewAppendsANullRowThatStaysCurrent) {
  OpenWithThreeRows();
  rs_.SetAbsolutePosition(2);
  rs_.AddNew();
  rs_["Artigo"].SetValue("A4");
  rs_.CancelUpdate();
  EXPECT_EQ(Where() + std::to_string(rs_.RecordCount()) + std::to_string(rs_.RowCountAll()),
            "A2@233");
  rs_.MoveFirst();
  rs_["Linha"].SetValue(int32_t{9});
  rs_.AddNew();  // saves the pending edit first
  EXPECT_EQ(rs_.StateOf(0), RowState::kModified);
  EXPECT_EQ(rs_.EditMode(), adEditAdd);
  EXPECT_TRUE(Artigo().IsNull() && rs_["Artigo"].OriginalValue().IsNull());
  rs_["Artigo"].SetValue("A4");
  rs_.Update();
  EXPECT_EQ(rs_.EditMode(), adEditNone);
  EXPECT_EQ(Where() + std::to_string(rs_.CurrentRow()), "A4@43");
  EXPECT_EQ(rs_.StateOf(3), RowState::kNew);
  rs_.MoveNext();
  EXPECT_TRUE(rs_.Eof());
}

}  // namespace
}  // namespace pellora
