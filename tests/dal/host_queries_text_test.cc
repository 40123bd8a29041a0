// The exact SQL of the document, catalogue and parameters operations, and the error convention.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "dal/context.h"
#include "dal/dal_comandos.h"
#include "dal/definitions.h"
#include "tests/dal/recording_data_access.h"

namespace pellora {
namespace {

using testing::MakeRecordset;
using testing::RecordingDataAccess;
using testing::RecordingScope;
using Call = RecordingDataAccess::Call;

TEST(DocumentQueriesText, HeaderFreeFieldsAndLines) {
  RecordingScope db;
  HlpDb_DocGcCab("ECL", 1503, "2022", 2022);
  HlpDb_DocGcCabCpLivresGet("ECL", 1503, "2022", 2022);
  HlpDb_DocGcLin("ECL", 1503, "2022", 2022);
  HlpDb_DocGcCab("E'C", -7, "A'", 999);
  const std::string head = "SELECT     * \r\nFROM       ";
  EXPECT_EQ(db->Sql(),
            (std::vector<std::string>{
                head + "[DOCGCCAB] \r\nWHERE      TPDOC='ECL' AND NNUMDOC=1503 AND SERIE ='2022' "
                       "AND ANO =2022 \r\n",
                head + "[CLDOCGC] \r\nWHERE      TIPODOC='ECL' AND NDOC=1503 AND SERIE ='2022' AND "
                       "ANO =2022 \r\n",
                head + "[DOCGCLIN] \r\nWHERE      TPDOCUM='ECL' AND NNUMDOC=1503 AND SERIE ='2022' "
                       "AND ANO =2022 AND LINANU = 0 \r\nORDER BY   ORDENACA \r\n",
                head + "[DOCGCCAB] \r\nWHERE      TPDOC='E''C' AND NNUMDOC=-7 AND SERIE ='A''' AND "
                       "ANO =999 \r\n"}));
  for (const Call& call : db->calls) EXPECT_EQ(call.member, "OpenRecordset");
}

// Each catalogue's select list and table; filter and order are appended only when given.
TEST(CatalogueQueriesText, EveryCatalogueWithAndWithoutFilterAndOrder) {
  RecordingScope db;
  HlpDb_ArmazensGet("", "");
  HlpDb_ArtigosGet("", "");
  HlpDb_TiposDocumentosGet("", "");
  HlpDb_SectoresGet("", "");
  HlpDb_SeriesGet("", "");
  HlpDb_ClientesReduzidoGet("", "");
  HlpDb_ClientesGet("", "");
  HlpDb_FornecedoresReduzidoGet("", "");
  HlpDb_FornecedoresGet("", "");
  HlpDb_SeriesGet("TIPODOC='ECL'", "SERIE");
  HlpDb_ArtigosGet("", "NOME");
  HlpDb_ClientesReduzidoGet("CODIGO='C1' ", "");
  EXPECT_EQ(db->Sql(),
            (std::vector<std::string>{
                "SELECT   * FROM     ARMAZENS ", "SELECT   * FROM     ARTIGOS ",
                "SELECT   * FROM     TPDOC ", "SELECT   * FROM     SECTORES ",
                "SELECT   * FROM     NOMSERIE ", "SELECT   CODIGO, NOME FROM     CLIENTES ",
                "SELECT   * FROM     CLIENTES ", "SELECT   CODIGO, NOME FROM     FORNEC ",
                "SELECT   * FROM     FORNEC ",
                "SELECT   * FROM     NOMSERIE WHERE   TIPODOC='ECL'ORDER BY   SERIE",
                "SELECT   * FROM     ARTIGOS ORDER BY   NOME",
                "SELECT   CODIGO, NOME FROM     CLIENTES WHERE   CODIGO='C1' "}));
}

const char kExistenceQuery[] =
    "SELECT * FROM sys.objects WHERE object_id = OBJECT_ID(N'[dbo].[oru_PARAMETROSEXP]') AND "
    "type in (N'U')\r\n";

TEST(ParametersText, CreatesTheTableWhenTheExistenceQueryFindsNothing) {
  RecordingScope db;
  HlpDb_ParametrosCreate();
  ASSERT_EQ(db->calls.size(), 2u);
  EXPECT_EQ(db->calls[0], (Call{"OpenRecordset", kExistenceQuery}));
  EXPECT_EQ(db->calls[1].member, "ExecuteCommand");
  const std::string& create = db->calls[1].sql;
  const std::string head =
      "CREATE TABLE [oru_PARAMETROSEXP]\r\n (   \r\n"
      "    [ID]                     [int] IDENTITY(1,1) NOT NULL, \r\n"
      "    [LBXFORNBRAGA]           [nvarchar](15)      NOT NULL, \r\n"
      "    [LBXARMAZEM]             [nvarchar](6)       NOT NULL, \r\n"
      "    [LBXENCFORDOC]           [nvarchar](3)       NOT NULL, \r\n"
      "    [LBXENCFORSER]           [nvarchar](10)      NOT NULL, \r\n";
  const std::string tail =
      "    [TRANSFSER]              [nvarchar](10)      NOT NULL, \r\n"
      "    [TRANSFSEC]              [nvarchar](3)       NOT NULL, \r\n"
      " CONSTRAINT [PK_oru_PARAMETROSEXP] PRIMARY KEY CLUSTERED \r\n"
      "     ( \r\n"
      "         [ID] Asc \r\n"
      "     )WITH (PAD_INDEX  = OFF, STATISTICS_NORECOMPUTE  = OFF, IGNORE_DUP_KEY = OFF, "
      "ALLOW_ROW_LOCKS  = ON, ALLOW_PAGE_LOCKS  = ON) ON [PRIMARY] \r\n"
      " ) ON [PRIMARY] \r\n";
  EXPECT_EQ(create.substr(0, head.size()), head);
  ASSERT_GE(create.size(), tail.size());
  EXPECT_EQ(create.substr(create.size() - tail.size()), tail);
  size_t lines = 0;
  for (size_t at = create.find("\r\n"); at != std::string::npos; at = create.find("\r\n", at + 1))
    ++lines;
  EXPECT_EQ(lines, 2u + 30u + 5u);
}

TEST(ParametersText, LeavesAnExistingTableAlone) {
  RecordingScope db;
  db->answers.push_back(MakeRecordset({{"name", adVarWChar, 128}}, {{"oru_PARAMETROSEXP"}}));
  HlpDb_ParametrosCreate();
  EXPECT_EQ(db->calls, (std::vector<Call>{{"OpenRecordset", kExistenceQuery}}));
}

TEST(ParametersText, ConvertWidensTheNineSeriesColumnsInOneBatch) {
  RecordingScope db;
  HlpDb_ParametrosConvert2022S();
  std::string expected;
  for (const char* column : {"LBXENCFORSER", "LBXCOMFORSER", "LBXSERIEPART", "BRGENCCLISER",
                             "BRGSERIEPART", "INVENTSER", "QUEBRASER", "SOBRASER", "TRANSFSER"}) {
    if (!expected.empty()) expected += ";   \r\n";
    expected += "ALTER TABLE oru_PARAMETROSEXP   \r\nALTER COLUMN [" + std::string(column) +
                "] [nvarchar](10) NOT NULL   \r\n";
  }
  EXPECT_EQ(db->calls, (std::vector<Call>{{"ExecuteCommand", expected}}));
}

TEST(ParametersText, GetReadsTheFirstRow) {
  RecordingScope db;
  HlpDb_ParametrosGet();
  EXPECT_EQ(db->Sql(), std::vector<std::string>{"SELECT TOP(1) * FROM oru_PARAMETROSEXP \r\n"});
}

// A failing call is raised again under the operation's name, keeping its number and words; a DDL
// failure under the create operation's, after the existence query.
TEST(ComandosErrors, AFailingCallIsRaisedAgainUnderTheOperationsName) {
  const struct {
    std::function<void()> operation;
    const char* fail_on;
    const char* source;
    size_t calls;
  } cases[] = {
      {[] { HlpDb_DocGcCab("ECL", 1, "A", 2022); }, "", "Comandos::HlpDb_DocGcCab", 1},
      {[] { HlpDb_ParametrosCreate(); }, "ExecuteCommand", "Comandos::HlpDb_ParametrosCreate", 2}};
  for (const auto& given : cases) {
    RecordingScope db;
    db->fail_on = given.fail_on;
    db->fail_with = Error(kDatabaseError, "SQLite", "no such table: DOCGCCAB");
    try {
      given.operation();
      ADD_FAILURE() << given.source << " did not fail";
    } catch (const Error& error) {
      EXPECT_EQ(error.number(), kDatabaseError);
      EXPECT_EQ(error.source(), given.source);
      EXPECT_EQ(error.description(), "no such table: DOCGCCAB");
    }
    EXPECT_EQ(db->calls.size(), given.calls) << given.source;
  }
  // Without a data access, an operation raises 91 under its name; a bare statement not under one.
  const ContextScope before_the_connection;
  for (const auto& [operation, prefix] :
       {std::pair<std::function<void()>, std::string>{[] { HlpDb_ArmazensGet("", ""); },
                                                      "Comandos::HlpDb_ArmazensGet"},
        {[] { DataAccessExecute("SELECT 1"); }, ""}}) {
    try {
      operation();
      ADD_FAILURE() << prefix << " did not fail";
    } catch (const Error& error) {
      EXPECT_EQ(error.number(), kObjectNotSet);
      EXPECT_EQ(error.source().starts_with("Comandos::") ? error.source() : "", prefix);
    }
  }
}

// The object set is the context's: it goes with the context's scope.
TEST(Definitions, DataAccessSetSharesTheObjectForTheContextsScope) {
  auto recorder = std::make_shared<RecordingDataAccess>();
  {
    const ContextScope company;
    DataAccessSet(recorder);
    EXPECT_EQ(gDataAccess().get(), recorder.get());
    EXPECT_TRUE(DataAccessExecute("DELETE FROM X"));
  }
  EXPECT_EQ(gDataAccess(), nullptr);
  EXPECT_EQ(recorder->calls, (std::vector<Call>{{"ExecuteCommand", "DELETE FROM X"}}));
}

}  // namespace
}  // namespace pellora
