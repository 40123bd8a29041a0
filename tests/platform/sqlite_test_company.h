#ifndef PELLORA_TESTS_PLATFORM_SQLITE_TEST_COMPANY_H_
#define PELLORA_TESTS_PLATFORM_SQLITE_TEST_COMPANY_H_

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "platform/sqlite/sqlite_data_access.h"
#include "platform/vela/document.h"
#include "platform/vela/host_members.h"
#include "runtime/convert.h"
#include "runtime/date.h"
#include "runtime/error.h"
#include "runtime/workstation.h"
#include "tests/company_database.h"
#include "tests/runtime/recordset_testing.h"
#include "tests/temp_folder.h"

namespace pellora::sqlite {

// A company database file EMP1.db in a fresh temporary folder, and a data-access object
// connected to it.
class SqliteCompanyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(testing::RunSqlOnFile(folder_ / "EMP1.db", ""), "");
    ASSERT_TRUE(data_->OpenConnection(testing::ConnectionStringFor(folder_, "EMP1") +
                                      ";User Id=sa;Password=segredo; "));
  }

  void TearDown() override { data_->CloseConnection(); }

  // Runs SQLite text directly on the company file, outside the object under test.
  void Prepare(const std::string& sql) {
    ASSERT_EQ(testing::RunSqlOnFile(folder_ / "EMP1.db", sql), "");
  }

  RecordsetPtr Query(const std::string& sql) {
    RecordsetPtr recordset;
    data_->OpenRecordset("", sql, recordset, true, 0);
    return recordset;
  }

  // The query's first row as text, its values joined by '|' (see testing::RowText).
  std::string Row(const std::string& sql) { return testing::RowText(*Query(sql)); }

  testing::TempFolder temp_folder_;
  std::filesystem::path folder_ = temp_folder_.path();
  std::shared_ptr<SqliteDataAccess> data_ = std::make_shared<SqliteDataAccess>();
};

}  // namespace pellora::sqlite

namespace pellora::vela {

// A company database built from the schema, with a small catalogue: types FAC (sale, exit),
// NCR (credit note, entry), VFA (purchase, entry), TRA (transfer), QUE (breakage, exit), each
// with series A; customer C1, supplier F1, warehouses A1 and A2; articles P1 (20 in A1), S1
// (serial numbers SN1 and SN2 in A1) and L1. The clock stands at 2026-12-05 10:00:00.
class VelaDocumentTest : public sqlite::SqliteCompanyTest {
 protected:
  void SetUp() override {
    SqliteCompanyTest::SetUp();
    Prepare(
        "BEGIN;" + testing::CompanySchemaText() +
        "INSERT INTO TPDOC (CODIGO, DESCR, AREAG, TPOPER, ENTIDADE, SINALCT, TPFSTC, NOTACRED) "
        "VALUES ('FAC', 'Fatura', 4, 2, 2, 1, 2, 0), ('NCR', 'Nota de crédito', 4, 2, 2, 2, 1, 1),"
        " ('VFA', 'Fatura de compra', 4, 1, 1, 2, 1, 0), ('TRA', 'Transferência', 4, 4, 0, 0, 3, "
        "0), ('QUE', 'Quebra', 4, 3, 0, 0, 2, 0);"
        "INSERT INTO NOMSERIE (TIPODOC, SERIE, DESCR) SELECT CODIGO, 'A', 'Série A' FROM TPDOC;"
        "INSERT INTO CLIENTES (CODIGO, NOME) VALUES ('C1', 'Cliente Um');"
        "INSERT INTO FORNEC (CODIGO, NOME) VALUES ('F1', 'Fornecedor Um');"
        "INSERT INTO ARMAZENS (CODIGO, NOME) VALUES ('A1', 'Armazém 1'), ('A2', 'Armazém 2');"
        "INSERT INTO ARTIGOS (CODIGO, NOME, UNIDADE, TAXAIVA, PVPSIVA, PVPCIVA, ULTPRCOM, STDISP) "
        "VALUES ('P1', 'Parafuso', 'UN', 23, 10, 12.3, 6, 20), "
        "('S1', 'Berbequim', 'UN', 23, 80, 98.4, 50, 2), ('L1', 'Tinta', 'LT', 6, 4, 4.24, 3, 0);"
        "INSERT INTO ARTARM (ARTIGO, ARMAZEM, EXISTENC) VALUES ('P1', 'A1', 20), ('S1', 'A1', 2);"
        "INSERT INTO NSEREXIS (ARTIGO, NUMSER, ARMAZEM) VALUES ('S1', 'SN1', 'A1'), "
        "('S1', 'SN2', 'A1');"
        "COMMIT;");
  }

  // A document of `type`, series A, dated 05-12-2026, for `third_party`.
  std::shared_ptr<VelaDocument> NewDocument(const std::string& type,
                                            const std::string& third_party) {
    auto document = std::make_shared<VelaDocument>(data_);
    document->cab().Set("TipoDocumento", type);
    document->cab().Set("Serie", "A");
    document->cab().Set("Data", "05-12-2026");
    document->cab().Set("Terceiro", third_party);
    return document;
  }

  // Adds an article line, with the host's defaults, and gives its number.
  int32_t AddLine(VelaDocument& document, const std::string& article, const std::string& warehouse,
                  double quantity) {
    LateBoundPtr line = NewLine();
    line->Set("TipoDeLinha", int16_t{1});
    line->Set("Artigo", article);
    line->Set("Armazem", warehouse);
    document.SugereValoresLin(line);
    line->Set("Quantidade", quantity);
    line->Set("QuantidadeOrigem", quantity);
    return document.AdicionaLinha(line);
  }

  void AddSerial(VelaDocument& document, int32_t line, const std::string& article,
                 const std::string& warehouse, const std::string& number) {
    LateBoundPtr serial = NewSerial();
    serial->Set("NumeroLinhaDocComercial", line);
    serial->Object("campos").Set("Artigo", article);
    serial->Object("campos").Set("Armazem", warehouse);
    serial->Object("campos").Set("Noserie", number);
    serial->Set("TipoDeLinha", int16_t{1});
    document.AdicionaNumeroSerie(serial);
  }

  void AddLot(VelaDocument& document, int32_t line, const std::string& lot, double quantity) {
    LateBoundPtr entry = NewLot();
    entry->Object("campos").Set("CodigoLote", lot);
    entry->Object("campos").Set("VossoLote", "VL");
    entry->Object("campos").Set("DATAVALIDADE", "31-12-2027");
    entry->Set("QuantidadeMovimentada", quantity);
    entry->Set("NumeroLinhaDocComercial", line);
    document.AdicionaLote(entry);
  }

  const WorkstationScope clock_{{.clock = [] { return DateFromParts({2026, 12, 5, 10, 0, 0}); }}};
};

}  // namespace pellora::vela

#endif  // PELLORA_TESTS_PLATFORM_SQLITE_TEST_COMPANY_H_
