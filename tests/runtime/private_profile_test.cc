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

TEST_F(PrivateProfileTest, MatchesSectionsAndKeysIgnoringCaseAndBlanks) {
  SetContents("[Ligação]\n  Servidor  =  srv01 \t\nBaseDados=DEMO\n");
  EXPECT_EQ(Get("LIGAÇÃO", " servidor "), "srv01");
  EXPECT_EQ(Get("ligação", "BASEDADOS"), "DEMO");
}

TEST_F(PrivateProfileTest, RemovesOnlyMatchingQuotes) {
  SetContents("[S]\na=\"two words\"\nb='x'\nc=\"mixed'\nd=\"\n");
  EXPECT_EQ(Get("S", "a"), "two words");
  EXPECT_EQ(Get("S", "b"), "x");
  EXPECT_EQ(Get("S", "c"), "\"mixed'");
  EXPECT_EQ(Get("S", "d"), "\"");
}

TEST_F(PrivateProfileTest, FirstKeyAndFirstSectionWinAndCommentsAreSkipped) {
  SetContents("[S]\n;k=comment\nk=1\nk=2\nflag\n[s]\nk=3\nonly=4\n");
  EXPECT_EQ(Get("S", "k"), "1");
  EXPECT_EQ(Get("S", "only", "none"), "none");
  EXPECT_EQ(Get("S", "flag", "none"), "");
  EXPECT_EQ(Get("S", ";k", "none"), "none");
}

TEST_F(PrivateProfileTest, MissingFileSectionOrKeyGivesTheDefault) {
  EXPECT_EQ(Get("S", "k", "fallback  "), "fallback");
  EXPECT_EQ(Get("S", "k", std::nullopt), "");
  EXPECT_FALSE(std::filesystem::exists(file_));
  SetContents("orphan=1\n[S]\nk=1\n");
  EXPECT_EQ(Get("T", "k", "d"), "d");
  EXPECT_EQ(Get("S", "x", "d"), "d");
  EXPECT_EQ(Get("", "orphan", "d"), "d");
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
