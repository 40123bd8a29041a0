// The import driver over a scripted data access and the fake host: prefixes of failed steps and
// the adjustment's own price check.

#include <gtest/gtest.h>

#include "importacao/mov_importacao.h"
#include "runtime/convert.h"
#include "runtime/date.h"
#include "runtime/error.h"
#include "tests/importacao/import_fixtures.h"

namespace pellora::testing {
namespace {

// A failure while the readings load carries the step's prefix; one before the steps, Execute's.
TEST(ExecuteFailures, FailuresCarryTheirStepsPrefixAndKeepTheirNumber) {
  const struct {
    const char* fail_on;
    const char* message;
  } cases[] = {{"Picking_Movimentos", "Erro ao Ler Conjunto de Leituras.\r\nfalhou"},
               {"oru_PARAMETROSEXP", "Execute::falhou"}};
  for (const auto& given : cases) {
    SCOPED_TRACE(given.fail_on);
    ImportBench bench;
    bench.data->fail_with = Error(kDatabaseError, "SQLite", "falhou");
    bench.data->fail_on = given.fail_on;
    const Result result = bench.Run(TI_Venda);
    EXPECT_EQ(result.Tipo(), Erro);
    EXPECT_EQ(result.Mensagem(), given.message);
    EXPECT_EQ(result.ErroNum(), kDatabaseError);
  }
}

// An adjustment refuses a negative price of its own and takes a zero one.
TEST(ExecuteAdjustment, NegativePriceIsRefusedButZeroPasses) {
  for (const double price : {0.0, -1.0}) {
    ImportBench bench;
    bench.Readings({Leitura{.artigo = "NEG", .preco_unitario = price}});
    EXPECT_EQ(bench.Run(TI_AcertoInventario).Mensagem(),
              price < 0 ? "Artigo: NEG na linha: 1 não tem Preço Unitário (ou está inválido).\r\n"
                        : "\r\nFoi criado com sucesso o documento SOB-O-1-2025");
  }
}

}  // namespace
}  // namespace pellora::testing
