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

// Names are remembered by the address of the text asked for; a buffer that holds another name
// the next time, or a copy of the index, must still get the right answer.
TEST(NameIndex, ATextReusingAnAddressIsFoundByWhatItSaysNow) {
  NameIndex index;
  for (size_t i = 0; i < 40; ++i) index.Add("Membro" + std::to_string(i), i);
  std::string asked = "Membro7";
  EXPECT_EQ(index.Find(asked), 7u);
  asked = "MEMBRO8";
  EXPECT_EQ(index.Find(asked), 8u);
  asked = "Membro9x";
  EXPECT_EQ(index.Find(asked), std::nullopt);
  asked = "membro7";
  EXPECT_EQ(index.Find(asked), 7u);

  NameIndex copy = index;
  EXPECT_EQ(copy.Find(asked), 7u);
  asked = "Membro39";
  EXPECT_EQ(copy.Find(asked), 39u);
  // Growing moves the entries: what was found before is found again where it went.
  for (size_t i = 40; i < 200; ++i) index.Add("Membro" + std::to_string(i), i);
  EXPECT_EQ(index.Find(asked), 39u);
  asked = "Membro150";
  EXPECT_EQ(index.Find(asked), 150u);
  copy = index;
  EXPECT_EQ(copy.Find(asked), 150u);
}

}  // namespace
}  // namespace pellora
