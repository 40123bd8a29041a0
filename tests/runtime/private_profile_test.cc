#include "runtime/private_profile.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/temp_folder.h"

namespace pellora {
namespace {

using namespace std::string_literals;
using Text = std::optional<std::string>;

class PrivateProfileTest : public ::testing::Test {
 protected:
  std::string Get(const Text& section, const Text& key, const Text& default_text = "") {
    return GetPrivateProfileString(section, key, default_text, 255, file_).text;
  }
  // The text and count read through a buffer of `size` characters.
  std::string Cut(const Text& section, const Text& key, long size) {
    const ProfileText read = GetPrivateProfileString(section, key, "", size, file_);
    return read.text + "|" + std::to_string(read.count);
  }
  int Set(const Text& section, const Text& key, const Text& value) {
    return WritePrivateProfileString(section, key, value, file_);
  }

  testing::TempFolder folder_;
  std::string file_ = folder_.File("PICKING.DEMO");
};

// Sections and keys match without case and blanks; only matching quotes go; the first key and
// the first section win; comments and keys before any section are skipped.
TEST_F(PrivateProfileTest, EachKeyReadsAsTheFileSays) {
  testing::TempFolder::Write(
      file_,
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

// A missing file gives the default without its trailing blanks and is not created; values are
// cut to the buffer counting characters; name lists end each name with a NUL, cut to size - 2.
TEST_F(PrivateProfileTest, MissingFilesDefaultAndBuffersCutByCharacters) {
  EXPECT_EQ(Get("S", "k", "fallback  ") + "|" + Get("S", "k", std::nullopt), "fallback|");
  EXPECT_FALSE(std::filesystem::exists(file_));
  testing::TempFolder::Write(file_, "[One]\na=1\n; note\nb=2\n[Two]\n[S]\nk=ãéíõú\n");
  EXPECT_EQ(
      (std::vector<std::string>{Cut("S", "k", 3), Cut("S", "k", 6), Cut("one", std::nullopt, 255),
                                Cut("One", std::nullopt, 5), Cut(std::nullopt, std::nullopt, 255),
                                Cut(std::nullopt, "ignored", 255), Cut("Two", std::nullopt, 255),
                                Cut(std::nullopt, std::nullopt, 6)}),
      (std::vector<std::string>{"ãé|2", "ãéíõú|5", "a\0b\0|4"s, "a\0b\0|4"s, "One\0Two\0S\0|10"s,
                                "One\0Two\0S\0|10"s, "|0", "One\0|4"s}));
}

// Each write in place keeps the rest of the file, its line ends and byte order mark; a null
// value deletes the key, a null key the section, and deleting what is not there succeeds.
TEST_F(PrivateProfileTest, WritesChangeOnlyWhatTheyName) {
  const struct {
    Text before;
    std::vector<std::vector<Text>> writes;  // section, key, value
    std::string after;
  } cases[] = {
      {std::nullopt, {{"Ligação", "Servidor", "São João"}}, "[Ligação]\nServidor=São João\n"},
      {std::nullopt, {{"A", "k", std::nullopt}}, ""},
      {"; settings\n[A]\nKey = old\n; keep me\nother=1\n\n[B]\nx=1\n",
       {{"a", "KEY", "new"}, {"A", "added", "2"}, {"C", "z", "3"}},
       "; settings\n[A]\nKey=new\n; keep me\nother=1\nadded=2\n\n[B]\nx=1\n\n[C]\nz=3\n"},
      {"\xEF\xBB\xBF[A]\r\nk=1\r\n", {{"A", "j", "2"}}, "\xEF\xBB\xBF[A]\r\nk=1\r\nj=2\r\n"},
      {"[A]\nk=1\nj=2\n[B]\nx=1\n[C]\ny=1\n",
       {{"A", "k", std::nullopt},
        {"b", std::nullopt, "ignored"},
        {"A", "absent", std::nullopt},
        {"Absent", std::nullopt, std::nullopt}},
       "[A]\nj=2\n[C]\ny=1\n"}};
  for (const auto& c : cases) {
    std::filesystem::remove(file_);
    if (c.before) testing::TempFolder::Write(file_, *c.before);
    for (const auto& write : c.writes) EXPECT_NE(Set(write[0], write[1], write[2]), 0) << c.after;
    EXPECT_EQ(testing::TempFolder::Read(file_), c.after);
    EXPECT_EQ(std::filesystem::exists(file_), c.before || !c.after.empty()) << c.after;
    EXPECT_LE(std::distance(std::filesystem::directory_iterator(folder_.path()), {}), 1);
  }
  EXPECT_NE(Set("Ligação", "Servidor", "São João"), 0);
  EXPECT_EQ(Get("LIGAÇÃO", "servidor"), "São João");
  // Without the file's folder or a section, a write fails.
  const std::string elsewhere = folder_.File("missing/PICKING.DEMO");
  EXPECT_EQ(WritePrivateProfileString("S", "k", "v", elsewhere), 0);
  EXPECT_FALSE(std::filesystem::exists(elsewhere));
  EXPECT_EQ(Set(std::nullopt, "k", "v"), 0);
}

}  // namespace
}  // namespace pellora
