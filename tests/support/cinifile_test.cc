#include "support/cinifile.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/temp_folder.h"

namespace pellora {
namespace {

using namespace std::string_literals;
using Texts = std::vector<std::string>;

class CInifileTest : public ::testing::Test {
 protected:
  CInifileTest() {
    ini_.SetPath(folder_.File("PICKING.DEMO"));
    ini_.SetSection("Ligação");
    ini_.SetKey("Servidor");
  }

  testing::TempFolder folder_;
  cInifile ini_;
};

// Values read back cut to 254 characters; NULs go, also from the caller's text; a failed write
// shows in the return code.
TEST_F(CInifileTest, ValuesAreCutCleanedAndTheirWriteReported) {
  std::string accents;
  for (int i = 0; i < 300; ++i) accents += "é";
  ini_.SetValue(accents);
  EXPECT_EQ(ini_.Value(), accents.substr(0, 2 * 254));
  std::string value = "a\0b\0c"s;
  ini_.SetValue(value);
  EXPECT_EQ(value + "|" + ini_.Value() + "|" + std::to_string(ini_.Success()), "abc|abc|1");
  ini_.SetPath(folder_.File("missing/PICKING.DEMO"));
  ini_.SetValue(value);
  EXPECT_EQ(std::to_string(ini_.LastReturnCode()) + "|" + std::to_string(ini_.Success()), "0|0");
}

TEST_F(CInifileTest, EnumeratesKeysAndSectionsFromIndexOne) {
  testing::TempFolder::Write(ini_.Path(), "[Ligação]\nServidor=s\n;note\nUser=u\n[]\n[V3U]\n");
  EXPECT_EQ(ini_.Sections(), "Ligação\0\0V3U\0"s);
  Texts keys = {"stale"}, sections;
  int32_t key_count = -1, section_count = -1;
  ini_.EnumerateCurrentSection(keys, key_count);
  ini_.EnumerateAllSections(sections, section_count);
  EXPECT_EQ(keys, (Texts{"", "Servidor", "User"}));
  EXPECT_EQ(sections, (Texts{"", "Ligação", "V3U"}));
  ini_.SetSection("V3U");
  ini_.EnumerateCurrentSection(keys, key_count);
  EXPECT_EQ(keys, Texts{""});
  EXPECT_EQ(std::to_string(section_count) + std::to_string(key_count), "20");
}

// A maximised window keeps its last normal placement; a section without one changes nothing.
TEST_F(CInifileTest, SavesAndLoadsFormPositionsAndNumbersWithTheirDefault) {
  ini_.SetSection("Janela");
  ini_.SaveFormPosition({.maximised = false, .left = 10, .top = 20, .width = 300, .height = 200});
  ini_.SaveFormPosition({.maximised = true, .left = 0, .top = 0, .width = 9, .height = 9});
  EXPECT_EQ(testing::TempFolder::Read(ini_.Path()),
            "[Janela]\nMaximised=1\nLeft=10\nTop=20\nWidth=300\nHeight=200\n");
  EXPECT_EQ(ini_.Key(), "Servidor");
  const auto numbers = [](const FormPosition& p) {
    return std::vector<int32_t>{p.maximised, p.left, p.top, p.width, p.height};
  };
  FormPosition loaded, untouched{.maximised = false, .left = 1, .top = 2, .width = 3, .height = 4};
  ini_.LoadFormPosition(loaded);
  ini_.SetSection("Nova");
  ini_.LoadFormPosition(untouched);
  EXPECT_EQ(numbers(loaded), (std::vector<int32_t>{1, 10, 20, 300, 200}));
  EXPECT_EQ(numbers(untouched), (std::vector<int32_t>{0, 1, 2, 3, 4}));
  EXPECT_EQ((std::vector<int32_t>{cInifile::CLngDefault("42"), cInifile::CLngDefault("12x", 7),
                                  cInifile::CLngDefault("12x"), cInifile::CLngDefault("", -1)}),
            (std::vector<int32_t>{42, 7, 0, -1}));
}

}  // namespace
}  // namespace pellora
