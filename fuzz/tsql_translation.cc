// The reading of the add-in's T-SQL batches (tokens, statements, rewriting and result types)
// into both engines' text, against the company tables the translator tests know, without a
// database.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_input.h"
#include "platform/postgres/postgres_translator.h"
#include "platform/sqlite/tsql_translator.h"
#include "tests/tsql/tsql_shape_cases.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const pellora::tsql::FakeSchema schema;
  const std::string_view tsql = pellora::fuzz::InputText(data, size);
  pellora::fuzz::TolerateErrors([&] { pellora::sqlite::TranslateBatch(tsql, schema); });
  pellora::fuzz::TolerateErrors([&] { pellora::postgres::TranslateBatch(tsql, schema); });
  return 0;
}
