#include "support/cl_arquivo_digital_stream.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>

#include "runtime/atomic_file.h"
#include "runtime/error.h"

namespace pellora {
namespace {

constexpr char kSource[] = "ADODB.Stream";

}  // namespace

Bytes LoadFromFile(const std::string& path) {
  std::error_code error;
  std::ifstream in;
  if (std::filesystem::is_regular_file(path, error)) in.open(path, std::ios::binary);
  Bytes content;
  if (in) content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (!in.is_open() || in.bad()) {
    throw Error(kStreamFileNotOpened, kSource, "Não foi possível abrir o ficheiro " + path + ".");
  }
  return content;
}

void SaveToFile(const std::string& path, const Bytes& content) {
  const std::string_view text(reinterpret_cast<const char*>(content.data()), content.size());
  if (!ReplaceFileContents(path, text)) {
    throw Error(kStreamWriteFailed, kSource, "Não foi possível escrever o ficheiro " + path + ".");
  }
}

}  // namespace pellora
