#include "runtime/name_index.h"

#include <gtest/gtest.h>

namespace pellora {
namespace {

using Found = std::vector<std::optional<size_t>>;

TEST(NameIndex, FindsNamesWithoutRegardToCaseAndKeepsTheFirstOfEach) {
  NameIndex index;
  EXPECT_EQ((std::vector<bool>{index.Add("Artigo", 0), index.Add("Preço", 1),
                               index.Add("Doc. Origem", 2), index.Add("ARTIGO", 3)}),
            (std::vector<bool>{true, true, true, false}));
  EXPECT_EQ((Found{index.Find("artigo"), index.Find("ARTIGO"), index.Find("PREÇO"),
                   index.Find("doc. origem"), index.Find("Artigos"), index.Find("Preco"),
                   index.Find("")}),
            (Found{0, 0, 1, 2, std::nullopt, std::nullopt, std::nullopt}));
}

// Names are remembered by the address of the text asked for; a buffer that holds another name
// the next time, or a copy of the index, must still get the right answer, also after growing
// moved the entries.
TEST(NameIndex, ATextReusingAnAddressIsFoundByWhatItSaysNow) {
  NameIndex index;
  for (size_t i = 0; i < 40; ++i) index.Add("Membro" + std::to_string(i), i);
  std::string asked;
  const auto find = [&](const NameIndex& in, const char* text) {
    asked = text;
    return in.Find(asked);
  };
  Found seen{find(index, "Membro7"), find(index, "MEMBRO8"), find(index, "Membro9x"),
             find(index, "membro7")};
  NameIndex copy = index;
  seen.insert(seen.end(), {copy.Find(asked), find(copy, "Membro39")});
  for (size_t i = 40; i < 200; ++i) index.Add("Membro" + std::to_string(i), i);
  seen.insert(seen.end(), {index.Find(asked), find(index, "Membro150")});
  copy = index;
  seen.push_back(copy.Find(asked));
  EXPECT_EQ(seen, (Found{7, 8, std::nullopt, 7, 7, 39, 39, 150, 150}));
}

}  // namespace
}  // namespace pellora
