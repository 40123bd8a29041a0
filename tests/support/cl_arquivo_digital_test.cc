#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "support/cl_arquivo_digital_sql.h"
#include "tests/runtime/recordset_testing.h"
#include "tests/support/cl_arquivo_digital_fixture.h"

namespace pellora::testing {
namespace {

using namespace std::string_literals;

const std::string kBinario = "PDF\0\xFF\x01\xFE\0\0\xFF"s;

TEST_F(ArquivoDigitalTest, BinaryDocumentRoundTripsByteForByte) {
  ASSERT_TRUE(arquivo_.Add("PT", Ficheiro("ficha.pdf", kBinario), "A1", 1, 0, "Ficha técnica"));
  const std::string numero = Valor("SELECT oru_ArquivoDigital_Id FROM oru_ArquivoDigital");
  std::filesystem::create_directory(folder_.File("saida"));

  arquivo_.VisalizarDocumento(std::stoi(numero), 0, folder_.File("saida") + "/");

  const std::string escrito = folder_.File("saida") + "/ficha.pdf";
  EXPECT_EQ(TempFolder::Read(escrito), kBinario);
  EXPECT_EQ(shell_->opened, std::vector<std::string>{escrito});
  EXPECT_TRUE(dialogs_->messages.empty());
}

TEST_F(ArquivoDigitalTest, OpeningWithoutTrailingSeparatorWritesBesideTheFolder) {
  ASSERT_TRUE(arquivo_.Add("PT", Ficheiro("a.txt", "x"), "A1", 1, 0, "T"));
  arquivo_.VisalizarDocumento(1, 0, folder_.File("pasta"));
  EXPECT_EQ(TempFolder::Read(folder_.File("pastaa.txt")), "x");
  arquivo_.VisalizarDocumento(99, 0, folder_.File(""));  // a missing number opens nothing
  EXPECT_EQ(shell_->opened, std::vector<std::string>{folder_.File("pastaa.txt")});
}

TEST_F(ArquivoDigitalTest, LongNameKeepsItsEndAndLongTitleItsStart) {
  const std::string nome = std::string(120, 'n') + ".pdf";
  const std::string titulo = std::string(99, 't') + "éX";
  ASSERT_TRUE(arquivo_.Add("PT", Ficheiro(nome, "x"), "A1", 1, 0, titulo));
  EXPECT_EQ(Valor("SELECT oru_ArquivoDigital_NomeFicheiro FROM oru_ArquivoDigital"),
            std::string(96, 'n') + ".pdf");
  EXPECT_EQ(Valor("SELECT oru_ArquivoDigital_Titulo FROM oru_ArquivoDigital"),
            std::string(99, 't') + "é");
}

TEST_F(ArquivoDigitalTest, AddOnAnExistingNumberReplacesTheDocument) {
  ASSERT_TRUE(arquivo_.Add("PT", Ficheiro("velho.pdf", "velho"), "A1", 1, 0, "Velho"));
  ASSERT_TRUE(arquivo_.Add("EN", Ficheiro("novo.doc", "novo"), "A2", 2, 1, "Novo"));

  EXPECT_EQ(Contar("oru_ArquivoDigital"), "1");
  EXPECT_EQ(Valor("SELECT oru_ArquivoDigital_NomeFicheiro || '|' || oru_ArquivoDigital_Titulo "
                  "|| '|' || oru_ArquivoDigital_Entidade || '|' || oru_ArquivoDigital_TipoEntidade "
                  "|| '|' || CAST(oru_ArquivoDigital_Documento AS TEXT) FROM oru_ArquivoDigital"),
            "novo.doc|Novo|2|2|novo");
  // The former technical-sheet row stays.
  EXPECT_EQ(Contar("oru_ARTIGOS_FICHATECNICA"), "2");
}

TEST_F(ArquivoDigitalTest, FailingAddLeavesNothingBehind) {
  EXPECT_FALSE(arquivo_.Add("PT", folder_.File("nao_existe.pdf"), "A1", 1, 0, "T"));

  EXPECT_EQ(Contar("oru_ARTIGOS_FICHATECNICA"), "0");
  EXPECT_EQ(Contar("oru_ArquivoDigital"), "0");
  EXPECT_FALSE(bd_->InTransaction());
  ASSERT_EQ(dialogs_->messages.size(), 1u);
  EXPECT_TRUE(dialogs_->messages[0].starts_with("[] Erro 3002\r\n("));
  EXPECT_TRUE(dialogs_->messages[0].ends_with(")\r\nNa função Add do Cl_ArquivoDigital"));
}

// The desk's archive window renames and removes through the operator's clicks; here, what it
// cannot show: a cancelled rename, a missing number, and the technical-sheet row of a removal.
TEST_F(ArquivoDigitalTest, CancelledRenameKeepsTheTitleAndRemoveTakesTheSheetRow) {
  ASSERT_TRUE(arquivo_.Add("PT", Ficheiro("a.pdf", "a"), "A1", 1, 0, "Antigo"));
  ASSERT_TRUE(arquivo_.Add("EN", Ficheiro("b.pdf", "b"), "A1", 1, 0, "Outro"));
  EXPECT_TRUE(arquivo_.MudaNomeDocumento(1).IsEmpty());
  EXPECT_EQ(dialogs_->messages,
            std::vector<std::string>{"[Renomear Documentos] Introduza o novo título do documento"});
  EXPECT_TRUE(arquivo_.RemoverDocumento(99));
  EXPECT_EQ(Contar("oru_ArquivoDigital") + Contar("oru_ARTIGOS_FICHATECNICA") +
                Valor("SELECT oru_ArquivoDigital_Titulo FROM oru_ArquivoDigital WHERE "
                      "oru_ArquivoDigital_Id = 1"),
            "22Antigo");
  EXPECT_TRUE(arquivo_.RemoverDocumento(1));
  EXPECT_EQ(Contar("oru_ArquivoDigital") + Contar("oru_ARTIGOS_FICHATECNICA") +
                Valor("SELECT oru_ArquivoDigital_Titulo || '|' || IDIOMA FROM oru_ArquivoDigital, "
                      "oru_ARTIGOS_FICHATECNICA"),
            "11Outro|EN");
}

TEST_F(ArquivoDigitalTest, FailingListsShowTheErrorAndGiveNoRecordset) {
  bd_->CloseConnection();
  EXPECT_EQ(arquivo_.ListaDeIdiomas(), nullptr);
  EXPECT_EQ(arquivo_.ListaDeDocumentos("A1", 1), nullptr);
  ASSERT_EQ(dialogs_->messages.size(), 2u);
  EXPECT_TRUE(dialogs_->messages[0].ends_with("\r\nNa função ListaDeIdiomas do cl_ArquivoDigital"));
  EXPECT_TRUE(
      dialogs_->messages[1].ends_with("\r\nNa função ListaDeDocumentos do cl_ArquivoDigital"));
}

TEST(ArquivoDigitalSql, DocumentListEscapesTheArticle) {
  EXPECT_EQ(arquivo_sql::Documentos("A'1", 3),
            "SELECT     AD.oru_ArquivoDigital_Id AS Numero \r\n"
            "          ,ID.DESCR AS Idioma \r\n"
            "          ,AD.oru_ArquivoDigital_Titulo AS Titulo \r\n"
            "FROM      oru_ARTIGOS_FICHATECNICA AS FT INNER JOIN \r\n"
            "                 oru_ArquivoDigital AS AD ON AD.oru_ArquivoDigital_Entidade = FT.ID "
            "AND \r\n"
            "                                      AD.oru_ArquivoDigital_TipoEntidade =3 INNER "
            "JOIN \r\n"
            "                 IDIOMAS  AS ID ON ID.CODIGO = FT.IDIOMA \r\n"
            "WHERE     FT.ARTIGO='A''1' \r\n");
}

}  // namespace
}  // namespace pellora::testing
