#ifndef PELLORA_TESTS_PLATFORM_CONSOLE_STREAMS_H_
#define PELLORA_TESTS_PLATFORM_CONSOLE_STREAMS_H_

#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <string>

namespace pellora::console {

// The operator's terminal: what they type in in_, what the program shows in out_.
class ConsoleStreams {
 protected:
  // Each text is somewhere in what the terminal showed.
  void ExpectShown(std::initializer_list<const char*> texts) const {
    for (const char* text : texts)
      EXPECT_NE(out_.str().find(text), std::string::npos) << text << "\n" << out_.str();
  }

  std::istringstream in_;
  std::ostringstream out_;
};

}  // namespace pellora::console

#endif  // PELLORA_TESTS_PLATFORM_CONSOLE_STREAMS_H_
