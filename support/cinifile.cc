#include "support/cinifile.h"

#include "runtime/convert.h"
#include "runtime/error.h"
#include "runtime/private_profile.h"

namespace pellora {
namespace {

constexpr long kValueBufferSize = 255;
constexpr long kListBufferSize = 8192;

// Splits a list of NUL-terminated names into `pieces`, indexed from 1 to `count`.
void SplitNames(const std::string& list, bool skip_empty, std::vector<std::string>& pieces,
                int32_t& count) {
  pieces.assign(1, std::string());
  size_t start = 0;
  for (size_t end; (end = list.find('\0', start)) != std::string::npos; start = end + 1) {
    if (!skip_empty || end > start) pieces.push_back(list.substr(start, end - start));
  }
  count = static_cast<int32_t>(pieces.size() - 1);
}

}  // namespace

std::string cInifile::Value() const {
  return Read(key_, default_);
}

void cInifile::SetValue(std::string& value) {
  std::erase(value, '\0');
  Write(key_, value);
}

void cInifile::DeleteKey() {
  Write(key_, std::nullopt);
}

void cInifile::DeleteSection() {
  Write(std::nullopt, std::nullopt);
}

std::string cInifile::INISection() const {
  return GetPrivateProfileString(section_, std::nullopt, "", kListBufferSize, path_).text;
}

void cInifile::SetINISection(const std::string& contents) {
  Write(std::nullopt, contents);
}

std::string cInifile::Sections() const {
  return GetPrivateProfileString(std::nullopt, std::nullopt, "", kListBufferSize, path_).text;
}

void cInifile::EnumerateCurrentSection(std::vector<std::string>& keys, int32_t& count) const {
  SplitNames(INISection(), false, keys, count);
}

void cInifile::EnumerateAllSections(std::vector<std::string>& sections, int32_t& count) const {
  SplitNames(Sections(), true, sections, count);
}

void cInifile::SaveFormPosition(const FormPosition& form) {
  Write("Maximised", form.maximised ? "1" : "0");
  if (form.maximised) return;
  Write("Left", std::to_string(form.left));
  Write("Top", std::to_string(form.top));
  Write("Width", std::to_string(form.width));
  Write("Height", std::to_string(form.height));
}

void cInifile::LoadFormPosition(FormPosition& form) const {
  form.maximised = CLngDefault(Read("Maximised", ""), form.maximised ? 1 : 0) != 0;
  form.left = CLngDefault(Read("Left", ""), form.left);
  form.top = CLngDefault(Read("Top", ""), form.top);
  form.width = CLngDefault(Read("Width", ""), form.width);
  form.height = CLngDefault(Read("Height", ""), form.height);
}

int32_t cInifile::CLngDefault(std::string text, int32_t default_value) {
  try {
    return CLng(Variant(std::move(text)));
  } catch (const Error&) {
    return default_value;
  }
}

std::string cInifile::Read(const std::string& key, const std::string& default_text) const {
  return GetPrivateProfileString(section_, key, default_text, kValueBufferSize, path_).text;
}

void cInifile::Write(const std::optional<std::string>& key,
                     const std::optional<std::string>& value) {
  last_return_code_ = WritePrivateProfileString(section_, key, value, path_);
}

}  // namespace pellora
