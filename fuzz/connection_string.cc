// The ADO connection string the SQLite backend parses to find the company database.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_input.h"
#include "platform/sqlite/connection_string.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace pellora;
  fuzz::TolerateErrors([&] {
    const sqlite::ConnectionString connection(fuzz::InputText(data, size));
    for (const char* key : {"Provider", "Data Source", "Initial Catalog", "User ID", "Password"}) {
      connection.Value(key);
    }
    connection.DatabaseFile();
  });
  return 0;
}
