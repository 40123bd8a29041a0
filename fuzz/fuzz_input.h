#ifndef PELLORA_FUZZ_FUZZ_INPUT_H_
#define PELLORA_FUZZ_FUZZ_INPUT_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/error.h"

namespace pellora::fuzz {

// The input as text.
inline std::string_view InputText(const uint8_t* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// The input cut at its NUL bytes into exactly `count` texts: the last keeps any further NULs,
// missing ones are empty. The seed corpus is written the same way.
inline std::vector<std::string> SplitInput(const uint8_t* data, size_t size, size_t count) {
  std::string_view rest = InputText(data, size);
  std::vector<std::string> parts;
  while (parts.size() + 1 < count) {
    const size_t nul = rest.find('\0');
    parts.emplace_back(rest.substr(0, nul));
    rest = nul == std::string_view::npos ? std::string_view() : rest.substr(nul + 1);
  }
  parts.emplace_back(rest);
  return parts;
}

// Runs `action`. Error is how the system turns down bad input, so it is let pass; anything else
// (another exception, a crash, a sanitizer report) reaches libFuzzer as a finding.
template <typename Action>
void TolerateErrors(Action&& action) {
  try {
    action();
  } catch (const Error&) {
  }
}

}  // namespace pellora::fuzz

#endif  // PELLORA_FUZZ_FUZZ_INPUT_H_
