// Detached copies of fabricated recordsets.

#include "dal/detached_copy.h"

#include <gtest/gtest.h>

#include "tests/dal/recording_data_access.h"

namespace pellora {
namespace {

using testing::MakeRecordset;

TEST(DetachedCopy, KeepsUnicodeTextAndMakesEverythingElseCurrency) {
  RecordsetPtr source =
      MakeRecordset({{"Artigo", adVarWChar, 30},
                     {"Unidade", adWChar, 5},
                     {"Quantidade", adDouble},
                     {"Ano", adSmallInt},
                     {"Nome", adVarChar, 40},
                     {"Quando", adDBTimeStamp}},
                    {{"A1", "UN", 2.5, int16_t{2024}, Variant::Null(), Date{45000.5}},
                     {Variant::Null(), Variant::Null(), Variant::Null(), Variant::Null(),
                      Variant::Null(), Variant::Null()}});
  RecordsetPtr copy = DetachedCopy(*source);
  ASSERT_EQ(copy->FieldCount(), 6u);
  const FieldDef& text = copy->FieldDefAt(0);
  EXPECT_EQ(text.name, "Artigo");
  EXPECT_EQ(text.type, adVarWChar);
  EXPECT_EQ(text.defined_size, 30);
  EXPECT_EQ(text.attributes, adFldIsNullable);
  EXPECT_EQ(copy->FieldDefAt(1).type, adWChar);
  for (size_t i = 2; i < 6; ++i) {
    EXPECT_EQ(copy->FieldDefAt(i).type, adCurrency) << copy->FieldDefAt(i).name;
    EXPECT_EQ(copy->FieldDefAt(i).name, source->FieldDefAt(i).name);
  }
  EXPECT_EQ(copy->RecordCount(), 2);
  copy->MoveFirst();
  EXPECT_EQ((*copy)["Artigo"].Value(), Variant("A1"));
  EXPECT_EQ((*copy)["Quantidade"].Value(), Variant(Currency{25000}));
  EXPECT_EQ((*copy)["Ano"].Value(), Variant(Currency{20240000}));
  copy->MoveNext();
  EXPECT_TRUE((*copy)["Artigo"].Value().IsNull());
  EXPECT_TRUE((*copy)["Unidade"].Value().IsNull());
  for (const char* name : {"Quantidade", "Ano", "Nome", "Quando"}) {
    EXPECT_EQ((*copy)[name].Value(), Variant(Currency{0})) << name;
  }
}

TEST(DetachedCopy, NonUnicodeTextCannotBeHeldInTheCurrencyField) {
  RecordsetPtr source = MakeRecordset({{"Nome", adVarChar, 40}}, {{"x"}});
  EXPECT_THROW(DetachedCopy(*source), Error);
}

}  // namespace
}  // namespace pellora
