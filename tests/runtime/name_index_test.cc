#include "runtime/name_index.h"

#include <gtest/gtest.h>

namespace pellora {
namespace {

TEST(NameIndex, FindsNamesWithoutRegardToCaseAndKeepsTheFirstOfEach) {
  NameIndex index;
  EXPECT_TRUE(index.Add("Artigo", 0));
  EXPECT_TRUE(index.Add("Preço", 1));
  EXPECT_TRUE(index.Add("Doc. Origem", 2));
  EXPECT_FALSE(index.Add("ARTIGO", 3));

  EXPECT_EQ(index.Find("artigo"), 0u);
  EXPECT_EQ(index.Find("ARTIGO"), 0u);
  EXPECT_EQ(index.Find("PREÇO"), 1u);
  EXPECT_EQ(index.Find("doc. origem"), 2u);
  EXPECT_EQ(index.Find("Artigos"), std::nullopt);
  EXPECT_EQ(index.Find("Preco"), std::nullopt);
  EXPECT_EQ(index.Find(""), std::nullopt);
}

}  // namespace
}  // namespace pellora
