#include <string>

#include <gtest/gtest.h>

#include "tests/support/cl_arquivo_digital_fixture.h"

namespace pellora::testing {
namespace {

class ArquivoDigitalEditTest : public ArquivoDigitalTest {
 protected:
  void SetUp() override {
    ArquivoDigitalTest::SetUp();
    ASSERT_TRUE(arquivo_.Add("PT", Ficheiro("a.pdf", "a"), "A1", 1, 0, "Antigo"));
    ASSERT_TRUE(arquivo_.Add("EN", Ficheiro("b.pdf", "b"), "A1", 1, 0, "Outro"));
  }
  std::string Titulo(int numero) {
    return Valor(
        "SELECT oru_ArquivoDigital_Titulo FROM oru_ArquivoDigital WHERE "
        "oru_ArquivoDigital_Id = " +
        std::to_string(numero));
  }
};

// A cancelled rename changes nothing; a title given is stored with a trailing blank.
TEST_F(ArquivoDigitalEditTest, RenameAsksForTheTitleAndStoresItWithATrailingBlank) {
  EXPECT_TRUE(arquivo_.MudaNomeDocumento(1).IsEmpty());
  EXPECT_EQ(Titulo(1), "Antigo");
  dialogs_->answers = {"Ficha d'água"};
  EXPECT_EQ(arquivo_.MudaNomeDocumento(1), Variant(true));
  EXPECT_EQ(Titulo(1), "Ficha d'água ");
  EXPECT_EQ(Titulo(2), "Outro");
  const std::string asked = "[Renomear Documentos] Introduza o novo título do documento";
  EXPECT_EQ(dialogs_->messages, (std::vector<std::string>{asked, asked}));
}

// Removing a missing number deletes nothing; removing a document takes its technical-sheet row.
TEST_F(ArquivoDigitalEditTest, RemoveDeletesTheDocumentAndItsTechnicalSheetRow) {
  EXPECT_TRUE(arquivo_.RemoverDocumento(99));
  EXPECT_EQ(Contar("oru_ArquivoDigital") + Contar("oru_ARTIGOS_FICHATECNICA"), "22");
  EXPECT_TRUE(arquivo_.RemoverDocumento(1));
  EXPECT_EQ(Contar("oru_ArquivoDigital"), "1");
  EXPECT_EQ(Valor("SELECT IDIOMA FROM oru_ARTIGOS_FICHATECNICA"), "EN");
}

}  // namespace
}  // namespace pellora::testing
