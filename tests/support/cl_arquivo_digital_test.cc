#include "support/cl_arquivo_digital.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "interfaces/dialogs.h"
#include "interfaces/shell.h"
#include "platform/sqlite/sqlite_data_access.h"
#include "runtime/convert.h"
#include "support/cl_arquivo_digital_sql.h"
#include "tests/company_database.h"
#include "tests/temp_folder.h"

namespace pellora::testing {
namespace {

using namespace std::string_literals;

// Records every box as "[title] prompt"; input boxes are cancelled.
class RecordingDialogs : public Dialogs {
 public:
  std::vector<std::string> messages;
  int MsgBox(const std::string& prompt, int, const std::string& title) override {
    messages.push_back("[" + title + "] " + prompt);
    return vbOK;
  }
  std::string InputBox(const std::string& prompt, const std::string& title,
                       const std::string&) override {
    return (MsgBox(prompt, 0, title), "");
  }
};

class RecordingShell : public Shell {
 public:
  std::vector<std::string> opened;
  long Open(const std::string& file) override { return (opened.push_back(file), 42); }
};

// A company database with two languages and an archive object on it.
class ArquivoDigitalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EXPECT_EQ(RunSqlOnFile(folder_.File("EMPRESA.db"),
                           "BEGIN;" + CompanySchemaText() +
                               ";INSERT INTO IDIOMAS VALUES ('PT', 'Português'), ('EN', 'Inglês');"
                               "COMMIT;"),
              "");
    ASSERT_TRUE(bd_->OpenConnection(ConnectionStringFor(folder_.path(), "EMPRESA")));
    arquivo_.Setbd(bd_);
  }

  // Adds the test folder's file `name`, holding `content`, as document `numero` (0: a new one).
  bool Add(const std::string& name, const std::string& content, const std::string& titulo,
           const std::string& idioma = "PT", const std::string& artigo = "A1", int16_t tipo = 1,
           int32_t numero = 0) {
    TempFolder::Write(folder_.File(name), content);
    return arquivo_.Add(idioma, folder_.File(name), artigo, tipo, numero, titulo);
  }

  // The first column of the first row as text; "" when there is no row.
  std::string Valor(const std::string& sql) {
    RecordsetPtr rows;
    bd_->OpenRecordset("", sql, rows, true, 0);
    return rows->Eof() ? "" : Concat(rows->Fields(size_t{0}).Value(), "");
  }
  std::string Contar(const std::string& table) { return Valor("SELECT COUNT(*) FROM " + table); }

  TempFolder folder_;
  std::shared_ptr<sqlite::SqliteDataAccess> bd_ = std::make_shared<sqlite::SqliteDataAccess>();
  std::shared_ptr<RecordingDialogs> dialogs_ = std::make_shared<RecordingDialogs>();
  std::shared_ptr<RecordingShell> shell_ = std::make_shared<RecordingShell>();
  Cl_ArquivoDigital arquivo_{dialogs_, shell_};
};

// A folder without its trailing separator is a prefix of the name written; a missing number
// opens nothing.
TEST_F(ArquivoDigitalTest, BinaryDocumentRoundTripsByteForByteAndOpens) {
  const std::string binario = "PDF\0\xFF\x01\xFE\0\0\xFF"s;
  ASSERT_TRUE(Add("ficha.pdf", binario, "Ficha técnica"));
  std::filesystem::create_directory(folder_.File("saida"));
  const int32_t numero = std::stoi(Valor("SELECT oru_ArquivoDigital_Id FROM oru_ArquivoDigital"));
  arquivo_.VisalizarDocumento(numero, 0, folder_.File("saida") + "/");
  arquivo_.VisalizarDocumento(numero, 0, folder_.File("pasta"));
  arquivo_.VisalizarDocumento(99, 0, folder_.File(""));
  const std::vector<std::string> written{folder_.File("saida/ficha.pdf"),
                                         folder_.File("pastaficha.pdf")};
  EXPECT_EQ(shell_->opened, written);
  for (const std::string& file : written) EXPECT_EQ(TempFolder::Read(file), binario);
  EXPECT_TRUE(dialogs_->messages.empty());
}

// A long file name keeps its end and a long title its start.
TEST_F(ArquivoDigitalTest, AddOnAnExistingNumberReplacesTheDocument) {
  ASSERT_TRUE(Add(std::string(120, 'n') + ".pdf", "x", std::string(99, 't') + "éX"));
  const std::string columns =
      "SELECT oru_ArquivoDigital_NomeFicheiro || '|' || oru_ArquivoDigital_Titulo || '|' || "
      "oru_ArquivoDigital_Entidade || '|' || oru_ArquivoDigital_TipoEntidade || '|' || "
      "CAST(oru_ArquivoDigital_Documento AS TEXT) FROM oru_ArquivoDigital";
  EXPECT_EQ(Valor(columns), std::string(96, 'n') + ".pdf|" + std::string(99, 't') + "é|1|1|x");
  ASSERT_TRUE(Add("novo.doc", "novo", "Novo", "EN", "A2", 2, 1));
  EXPECT_EQ(Contar("oru_ArquivoDigital") + Valor(columns), "1novo.doc|Novo|2|2|novo");
  EXPECT_EQ(Contar("oru_ARTIGOS_FICHATECNICA"), "2");  // the former sheet row stays
}

// A failing add leaves nothing behind; failing lists give no recordset; each shows the error.
TEST_F(ArquivoDigitalTest, FailuresShowTheErrorAndLeaveNothing) {
  EXPECT_FALSE(arquivo_.Add("PT", folder_.File("nao_existe.pdf"), "A1", 1, 0, "T"));
  EXPECT_EQ(Contar("oru_ARTIGOS_FICHATECNICA") + Contar("oru_ArquivoDigital"), "00");
  EXPECT_FALSE(bd_->InTransaction());
  bd_->CloseConnection();
  EXPECT_EQ(arquivo_.ListaDeIdiomas(), nullptr);
  EXPECT_EQ(arquivo_.ListaDeDocumentos("A1", 1), nullptr);
  ASSERT_EQ(dialogs_->messages.size(), 3u);
  EXPECT_TRUE(dialogs_->messages[0].starts_with("[] Erro 3002\r\n("));
  EXPECT_TRUE(dialogs_->messages[0].ends_with(")\r\nNa função Add do Cl_ArquivoDigital"));
  EXPECT_TRUE(dialogs_->messages[1].ends_with("\r\nNa função ListaDeIdiomas do cl_ArquivoDigital"));
  EXPECT_TRUE(
      dialogs_->messages[2].ends_with("\r\nNa função ListaDeDocumentos do cl_ArquivoDigital"));
}

// The desk's archive window renames and removes through the operator's clicks; here, what it
// cannot show: a cancelled rename's answer, a missing number, and a removal's technical sheet row.
TEST_F(ArquivoDigitalTest, CancelledRenameKeepsTheTitleAndRemoveTakesTheSheetRow) {
  ASSERT_TRUE(Add("a.pdf", "a", "Antigo"));
  ASSERT_TRUE(Add("b.pdf", "b", "Outro", "EN"));
  EXPECT_TRUE(arquivo_.MudaNomeDocumento(1).IsEmpty());
  EXPECT_EQ(dialogs_->messages,
            std::vector<std::string>{"[Renomear Documentos] Introduza o novo título do documento"});
  const std::string state =
      "SELECT COUNT(*) || (SELECT COUNT(*) FROM oru_ARTIGOS_FICHATECNICA) || "
      "group_concat(oru_ArquivoDigital_Titulo) FROM oru_ArquivoDigital";
  EXPECT_TRUE(arquivo_.RemoverDocumento(99));
  EXPECT_EQ(Valor(state), "22Antigo,Outro");
  EXPECT_TRUE(arquivo_.RemoverDocumento(1));
  EXPECT_EQ(Valor(state) + Valor("SELECT IDIOMA FROM oru_ARTIGOS_FICHATECNICA"), "11OutroEN");
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
