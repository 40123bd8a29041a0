#include "runtime/private_profile.h"

#include <filesystem>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "tests/temp_folder.h"

namespace pellora {
namespace {

using namespace std::string_literals;

class PrivateProfileTest : public ::testing::Test {
 protected:
  std::string Get(const std::optional<std::string>& section, const std::optional<std::string>& key,
                  const std::optional<std::string>& default_text = "", long size = 255) {
    return GetPrivateProfileString(section, key, default_text, size, file_).text;
  }
  int Set(const std::optional<std::string>& section, const std::optional<std::string>& key,
          const std::optional<std::string>& value) {
    return WritePrivateProfileString(section, key, value, file_);
  }
  std::string Contents() const { return testing::TempFolder::Read(file_); }
  void SetContents(const std::string& text) const { testing::TempFolder::Write(file_, text); }

  testing::TempFolder folder_;
  std::string file_ = folder_.File("PICKING.DEMO");
};

// Sections and keys match without case and blanks; only matching quotes go; the first key and
// the first section win; comments and keys before any section are skipped.
TEST_F(PrivateProfileTest, EachKeyReadsAsTheFileSays) {
  SetContents(
      "orphan=1\n[Ligação]\n  Servidor  =  srv01 \t\nBaseDados=DEMO\n[S]\na=\"two words\"\n"
      "b='x'\nc=\"mixed'\nd=\"\n;k=comment\nk=1\nk=2\nflag\n[s]\nk=3\nonly=4\n");
  const struct {
    const char *section, *key, *default_text, *read;
  } cases[] = {{"LIGAÇÃO", " servidor ", "", "srv01"},
               {"ligação", "BASEDADOS", "", "DEMO"},
               {"S", "a", "", "two words"},
               {"S", "b", "", "x"},
               {"S", "c", "", "\"mixed'"},
               {"S", "d", "", "\""},
               {"S", "k", "", "1"},
               {"S", "only", "none", "none"},
               {"S", "flag", "none", ""},
               {"S", ";k", "none", "none"},
               {"T", "k", "d", "d"},
               {"S", "x", "d", "d"},
               {"", "orphan", "d", "d"}};
  for (const auto& c : cases) EXPECT_EQ(Get(c.section, c.key, c.default_text), c.read) << c.key;
}

TEST_F(PrivateProfileTest, AMissingFileGivesTheDefaultAndIsNotCreated) {
  EXPECT_EQ(Get("S", "k", "fallback  ") + "|" + Get("S", "k", std::nullopt), "fallback|");
  EXPECT_FALSE(std::filesystem::exists(file_));
}

TEST_F(PrivateProfileTest, CutsValuesToTheBufferCountingCharacters) {
  SetContents("[S]\nk=ãéíõú\n");
  ProfileText cut = GetPrivateProfileString("S", "k", "", 3, file_);
  EXPECT_EQ(cut.text, "ãé");
  EXPECT_EQ(cut.count, 2);
  EXPECT_EQ(GetPrivateProfileString("S", "k", "", 6, file_).count, 5);
}

TEST_F(PrivateProfileTest, ListsNamesNulTerminatedAndCutsToSizeMinusTwo) {
  SetContents("[One]\na=1\n; note\nb=2\n[Two]\n");
  EXPECT_EQ(Get("one", std::nullopt), "a\0b\0"s);
  EXPECT_EQ(Get(std::nullopt, std::nullopt), "One\0Two\0"s);
  EXPECT_EQ(Get(std::nullopt, "ignored"), "One\0Two\0"s);
  EXPECT_EQ(Get("Two", std::nullopt), "");
  EXPECT_EQ(GetPrivateProfileString("One", std::nullopt, "", 5, file_).count, 4);
  ProfileText cut = GetPrivateProfileString(std::nullopt, std::nullopt, "", 6, file_);
  EXPECT_EQ(cut.text, "One\0"s);
  EXPECT_EQ(cut.count, 4);
}

TEST_F(PrivateProfileTest, CreatesTheFileOnFirstWriteButNotItsFolder) {
  EXPECT_NE(Set("Ligação", "Servidor", "São João"), 0);
  EXPECT_EQ(Contents(), "[Ligação]\nServidor=São João\n");
  EXPECT_EQ(Get("LIGAÇÃO", "servidor"), "São João");

  std::string elsewhere = folder_.File("missing/PICKING.DEMO");
  EXPECT_EQ(WritePrivateProfileString("S", "k", "v", elsewhere), 0);
  EXPECT_FALSE(std::filesystem::exists(elsewhere));
  EXPECT_EQ(Set(std::nullopt, "k", "v"), 0);
}

TEST_F(PrivateProfileTest, WritesInPlaceKeepingTheRestOfTheFile) {
  SetContents("; settings\n[A]\nKey = old\n; keep me\nother=1\n\n[B]\nx=1\n");
  EXPECT_NE(Set("a", "KEY", "new"), 0);
  EXPECT_NE(Set("A", "added", "2"), 0);
  EXPECT_NE(Set("C", "z", "3"), 0);
  EXPECT_EQ(Contents(),
            "; settings\n[A]\nKey=new\n; keep me\nother=1\nadded=2\n\n[B]\nx=1\n\n[C]\nz=3\n");
  std::vector<std::filesystem::path> files(std::filesystem::directory_iterator(folder_.path()),
                                           std::filesystem::directory_iterator());
  EXPECT_EQ(files.size(), 1u);
}

TEST_F(PrivateProfileTest, KeepsCrLfLineEndsAndByteOrderMark) {
  SetContents("\xEF\xBB\xBF[A]\r\nk=1\r\n");
  EXPECT_EQ(Get("A", "k"), "1");
  EXPECT_NE(Set("A", "j", "2"), 0);
  EXPECT_EQ(Contents(), "\xEF\xBB\xBF[A]\r\nk=1\r\nj=2\r\n");
}

TEST_F(PrivateProfileTest, NullValueDeletesTheKeyAndNullKeyTheSection) {
  EXPECT_NE(Set("A", "k", std::nullopt), 0);
  EXPECT_FALSE(std::filesystem::exists(file_));
  SetContents("[A]\nk=1\nj=2\n[B]\nx=1\n[C]\ny=1\n");
  EXPECT_NE(Set("A", "k", std::nullopt), 0);
  EXPECT_NE(Set("b", std::nullopt, "ignored"), 0);
  EXPECT_EQ(Contents(), "[A]\nj=2\n[C]\ny=1\n");
  EXPECT_NE(Set("A", "absent", std::nullopt), 0);
  EXPECT_NE(Set("Absent", std::nullopt, std::nullopt), 0);
  EXPECT_EQ(Contents(), "[A]\nj=2\n[C]\ny=1\n");
}

}  // namespace
}  // namespace pellora
