// The end-to-end import cases on a SQLite company file.
#include "tests/importacao/e2e_import_cases.h"

namespace pellora::testing {

INSTANTIATE_TEST_SUITE_P(Sqlite, E2eImport, ::testing::Values(&MakeSqliteE2eEngine));

}  // namespace pellora::testing
