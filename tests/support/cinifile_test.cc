#include "support/cinifile.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/temp_folder.h"

namespace pellora {
namespace {

using namespace std::string_literals;

class CInifileTest : public ::testing::Test {
 protected:
  CInifileTest() {
    ini_.SetPath(folder_.File("PICKING.DEMO"));
    ini_.SetSection("Ligação");
    ini_.SetKey("Servidor");
  }
  void SetContents(const std::string& text) const { testing::TempFolder::Write(ini_.Path(), text); }
  std::string Contents() const { return testing::TempFolder::Read(ini_.Path()); }

  testing::TempFolder folder_;
  cInifile ini_;
};

TEST_F(CInifileTest, LongValuesReadBackCutTo254Characters) {
  auto accents = [](int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += "é";
    return text;
  };
  std::string value = accents(300);
  ini_.SetValue(value);
  EXPECT_EQ(ini_.Value(), accents(254));
}

TEST_F(CInifileTest, WritingRemovesNulCharactersAlsoFromTheCallersText) {
  std::string value = "a\0b\0c"s;
  ini_.SetValue(value);
  EXPECT_EQ(value, "abc");
  EXPECT_EQ(ini_.Value(), "abc");
}

TEST_F(CInifileTest, WriteResultShowsInTheReturnCode) {
  std::string value = "x";
  ini_.SetValue(value);
  EXPECT_TRUE(ini_.Success());
  ini_.SetPath(folder_.File("missing/PICKING.DEMO"));
  ini_.SetValue(value);
  EXPECT_EQ(ini_.LastReturnCode(), 0);
  EXPECT_FALSE(ini_.Success());
}

TEST_F(CInifileTest, EnumeratesKeysAndSectionsFromIndexOne) {
  SetContents("[Ligação]\nServidor=s\n;note\nUser=u\n[]\n[V3U]\n");
  EXPECT_EQ(ini_.Sections(), "Ligação\0\0V3U\0"s);
  std::vector<std::string> keys = {"stale"};
  int32_t count = -1;
  ini_.EnumerateCurrentSection(keys, count);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(keys, (std::vector<std::string>{"", "Servidor", "User"}));

  std::vector<std::string> sections;
  ini_.EnumerateAllSections(sections, count);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(sections, (std::vector<std::string>{"", "Ligação", "V3U"}));

  ini_.SetSection("V3U");
  ini_.EnumerateCurrentSection(keys, count);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(keys, std::vector<std::string>{""});
}

TEST_F(CInifileTest, SavesAndLoadsFormPositions) {
  ini_.SetSection("Janela");
  ini_.SaveFormPosition({.maximised = false, .left = 10, .top = 20, .width = 300, .height = 200});
  ini_.SaveFormPosition({.maximised = true, .left = 0, .top = 0, .width = 9, .height = 9});
  EXPECT_EQ(Contents(), "[Janela]\nMaximised=1\nLeft=10\nTop=20\nWidth=300\nHeight=200\n");
  EXPECT_EQ(ini_.Key(), "Servidor");

  FormPosition loaded;
  ini_.LoadFormPosition(loaded);
  EXPECT_TRUE(loaded.maximised);
  EXPECT_EQ(loaded.left, 10);
  EXPECT_EQ(loaded.height, 200);

  ini_.SetSection("Nova");
  FormPosition untouched{.maximised = false, .left = 1, .top = 2, .width = 3, .height = 4};
  ini_.LoadFormPosition(untouched);
  EXPECT_FALSE(untouched.maximised);
  EXPECT_EQ(untouched.width, 3);
}

TEST(CInifileCLngDefaultTest, GivesTheDefaultWhenTheTextIsNotANumber) {
  EXPECT_EQ(cInifile::CLngDefault("42"), 42);
  EXPECT_EQ(cInifile::CLngDefault("12x", 7), 7);
  EXPECT_EQ(cInifile::CLngDefault("12x"), 0);
  EXPECT_EQ(cInifile::CLngDefault("", -1), -1);
}

}  // namespace
}  // namespace pellora
