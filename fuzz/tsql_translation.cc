// The SQLite backend's reading of the add-in's T-SQL batches: tokens, statements, rewriting and
// result types, against the company tables the translator tests know, without a database.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_input.h"
#include "platform/sqlite/tsql_translator.h"
#include "tests/platform/tsql_fake_schema.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const pellora::sqlite::FakeSchema schema;
  pellora::fuzz::TolerateErrors(
      [&] { pellora::sqlite::TranslateBatch(pellora::fuzz::InputText(data, size), schema); });
  return 0;
}
