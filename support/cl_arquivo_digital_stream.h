#ifndef PELLORA_SUPPORT_CL_ARQUIVO_DIGITAL_STREAM_H_
#define PELLORA_SUPPORT_CL_ARQUIVO_DIGITAL_STREAM_H_

#include <string>

#include "runtime/variant.h"

namespace pellora {

// A binary stream's file operations, with its error numbers.
enum StreamErrorNumber : long {
  kStreamFileNotOpened = 3002,
  kStreamWriteFailed = 3004,
};

// The whole content of the file at `path`; kStreamFileNotOpened when it cannot be read.
Bytes LoadFromFile(const std::string& path);
// Writes `content` as the whole file at `path`, replacing an existing file;
// kStreamWriteFailed when it cannot be written.
void SaveToFile(const std::string& path, const Bytes& content);

}  // namespace pellora

#endif  // PELLORA_SUPPORT_CL_ARQUIVO_DIGITAL_STREAM_H_
