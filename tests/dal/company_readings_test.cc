// The reading operations run on a real company.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dal/dal_comandos.h"
#include "runtime/convert.h"
#include "runtime/workstation.h"
#include "tests/dal/company_fixture.h"
#include "tests/runtime/recordset_testing.h"

namespace pellora {
namespace {

class CompanyReadings : public testing::CompanyTest {
 protected:
  void SetUp() override {
    CompanyTest::SetUp();
    Exec(
        "INSERT INTO ARTIGOS (CODIGO, NOME, UNIDADE, ULTPRCOM, STDISP) VALUES "
        "('A1', 'Parafuso', 'UN', 1.25, 40), ('A''Q', 'Porca 1/2''', 'UN', 0.5, 3);"
        "INSERT INTO ARTARM (ARTIGO, ARMAZEM, EXISTENC) VALUES ('A1', 'W1', 30);");
  }

  ChosenSets sets{{"", "T1", "T2"}, {"", "S1", "S2"}};
};

TEST_F(CompanyReadings, AdjustmentCopyMergesPerKeyAndAddsTheMovementsSinceTheReading) {
  Reading("T1", "S1", 1, "A1", 2, ", DataValidade", ", '20250101'");
  Reading("T2", "S2", 1, "A1", 3, ", DataValidade", ", '20260101'");
  Reading("T1", "S1", 2, "A'Q", 1, "", "", "NULL");
  Reading("T2", "S2", 2, "A'Q", 4, "", "", "NULL");
  // A sale of 6 A1 and of 2 packs of 6 A'Q after the reading, a purchase of 1 before it, a
  // cancelled one.
  Exec(
      "INSERT INTO DOCGCCAB (TPDOC, SERIE, ANO, NNUMDOC, DATA, AREAG, TPOPER, TPFSTC, NVIAS, "
      "HOURNEW, DateUpd, HourUpd) VALUES "
      "('FAC', 'A', 2024, 1, '2024-01-05 00:00:00', 4, 2, 2, 0, '09:00:00', "
      "'2024-01-05 00:00:00', '09:00:00'),"
      "('VFA', 'A', 2024, 1, '2024-01-01 00:00:00', 4, 1, 1, 0, '09:00:00', "
      "'2024-01-01 00:00:00', '09:00:00'),"
      "('FAC', 'A', 2024, 2, '2024-01-05 00:00:00', 4, 2, 2, -1, '09:00:00', "
      "'2024-01-05 00:00:00', '09:00:00');"
      "INSERT INTO DOCGCLIN (TPDOCUM, SERIE, ANO, NNUMDOC, NUMLINHA, ORDENACA, ARTIGO, ARMAZEM, "
      "QUANT, FACTOR) VALUES ('FAC', 'A', 2024, 1, 1, 1, 'A1', 'W1', 6, 0), "
      "('FAC', 'A', 2024, 1, 2, 2, 'A''Q', 'W1', 2, 6), ('VFA', 'A', 2024, 1, 1, 1, 'A1', 'W1', 1, "
      "1), ('FAC', 'A', 2024, 2, 1, 1, 'A1', 'W1', 50, 1);");
  const WorkstationScope noon({.clock = [] { return Date{45500.5}; }});  // 2024-07-27 12:00:00
  RecordsetPtr rs = HlpDb_LeiturasConjuntoParaAcInventarioGet(false, sets);
  // The loader, then one movement query per article and warehouse, from its first reading until
  // now, in base units: the rows that follow get none.
  ASSERT_EQ(recorder().calls.size(), 3u);
  const std::string& movements = recorder().calls[1].sql;
  EXPECT_NE(movements.find("(DOCGCLIN.ARTIGO ='A1') AND "), std::string::npos);
  EXPECT_NE(movements.find(">='2024010210:30:15') AND "), std::string::npos);
  EXPECT_NE(movements.find("<='2024072712:00:00') "), std::string::npos);
  EXPECT_NE(recorder().calls[2].sql.find("(DOCGCLIN.ARTIGO ='A''Q') AND "), std::string::npos);
  EXPECT_EQ(rs->Filter(), "");
  EXPECT_EQ(testing::Rows(
                *rs, {"Artigo", "Quantidade", "EntSaiMaisExt", "EntMaisSaidas", "DataValidade"}),
            (std::vector<std::string>{"A1|5|2|-6|20250101", "A'Q|1|1|-12|NULL", "A'Q|4|4|0|NULL"}));
}

// The list form marks the pending readings only: those already imported keep their state.
TEST_F(CompanyReadings, StateOfOneReadingOrOfEveryPendingReadingOfTheSetsAndCrossPairs) {
  // Sets (T1, S1) and (T2, S2), a reading pairing T1 with S2, one already imported, and one of
  // an unrelated set.
  Reading("T1", "S1", 1, "A1", 2);
  Reading("T1", "S1", 2, "A'Q", 1);
  Reading("T2", "S2", 1, "A1", 5);
  Reading("T1", "S2", 1, "A1", 7);
  Reading("T1", "S1", 3, "A1", 9, ", Estado", ", 1");
  Reading("T3", "S3", 1, "A1", 11);
  HlpDb_LeiturasEstadoSet(true, sets, 2, 1);
  EXPECT_EQ(Text("SELECT Estado FROM oru_ARM_Picking_Movimentos WHERE Artigo = 'A''Q'"), "1");
  EXPECT_EQ(Text("SELECT COUNT(*) FROM oru_ARM_Picking_Movimentos WHERE Estado = 1"), "2");
  HlpDb_LeiturasEstadoSet(false, sets, 0, 5);
  EXPECT_EQ(Text("SELECT COUNT(*) FROM oru_ARM_Picking_Movimentos WHERE Estado = 5"), "3");
  EXPECT_EQ(Text("SELECT COUNT(*) FROM oru_ARM_Picking_Movimentos WHERE Estado = 1"), "2");
  EXPECT_EQ(Text("SELECT Estado FROM oru_ARM_Picking_Movimentos WHERE TerminalId = 'T3'"), "0");
}

}  // namespace
}  // namespace pellora
