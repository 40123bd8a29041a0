// The host stand-in's commercial document on a company: line defaults, line numbers, refusals,
// numbering, the rows and stock an insertion writes, and the orders it serves.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "runtime/error.h"
#include "tests/platform/sqlite_test_company.h"
#include "tests/runtime/error_number_of.h"

namespace pellora::vela {
namespace {

// A line's members as text joined by '|', a member never set as "-".
std::string Members(const LateBoundPtr& line, std::initializer_list<const char*> names) {
  std::string text;
  for (const char* name : names) {
    const Variant value = line->Get(name);
    text += (text.empty() ? "" : "|") + (value.IsEmpty() ? "-" : CStr(value));
  }
  return text;
}

TEST_F(VelaDocumentTest, SuggestsTheArticleValuesOfTheDocumentSide) {
  auto sale = NewDocument("FAC", "C1");
  LateBoundPtr line = NewLine();
  line->Set("Artigo", "p1");
  sale->SugereValoresLin(line);
  EXPECT_EQ(Members(line, {"Descricao", "Unidade", "Factor", "TaxaIva", "PrecoUnitario",
                           "PrecoUnitarioIntroduzido"}),
            "Parafuso|UN|1|23|10|10");
  sale->cab().Set("IvaIncluido", int16_t{-1});
  sale->SugereValoresLin(line);
  EXPECT_EQ(CStr(line->Get("PrecoUnitario")), "12,3");
  NewDocument("VFA", "F1")->SugereValoresLin(line);
  EXPECT_EQ(CStr(line->Get("PrecoUnitario")), "6");
}

TEST_F(VelaDocumentTest, LeavesTextLinesAndUnknownArticlesAsTheyAre) {
  LateBoundPtr text_line = NewLine();
  text_line->Set("Artigo", "");
  LateBoundPtr unknown = NewLine();
  unknown->Set("Artigo", "XX");
  unknown->Set("Descricao", "mantém");
  for (const LateBoundPtr& line : {text_line, unknown})
    NewDocument("FAC", "C1")->SugereValoresLin(line);
  EXPECT_EQ(Members(text_line, {"Descricao", "PrecoUnitario"}), "-|-");
  EXPECT_EQ(Members(unknown, {"Descricao", "Unidade"}), "mantém|-");
}

TEST_F(VelaDocumentTest, NumbersLinesInTheOrderTheyAreAdded) {
  auto document = NewDocument("FAC", "C1");
  EXPECT_EQ(document->LinhasCount(), 0);
  EXPECT_EQ(AddLine(*document, "P1", "A1", 1), 1);
  EXPECT_EQ(AddLine(*document, "", "", 0), 2);
  EXPECT_EQ(document->LinhasCount(), 2);
  EXPECT_EQ(document->Linha(1)->Get("Artigo"), Variant("P1"));
  EXPECT_EQ(document->Linha(2)->Get("NumeroDaLinha"), Variant(int32_t{2}));
  for (int32_t missing : {0, 3})
    EXPECT_EQ(ErrorNumberOf([&] { document->Linha(missing); }), kSubscriptOutOfRange) << missing;
}

TEST_F(VelaDocumentTest, HostObjectsKnowOnlyTheirMembers) {
  auto document = NewDocument("FAC", "C1");
  EXPECT_EQ(ErrorNumberOf([&] { document->cab().Set("Desconhecido", 1); }), kMemberNotFound);
  EXPECT_THROW(NewLine()->Get("Lote"), Error);
  EXPECT_THROW(NewLot()->Object("campos").Set("Noserie", "X"), Error);
  EXPECT_NO_THROW(NewSerial()->Object("campos").Set("Noserie", "X"));
}

// Each document the host refuses, made from a type and a third party, and the reason given.
TEST_F(VelaDocumentTest, RefusesEachDocumentNamingWhy) {
  using Fill = std::function<void(VelaDocument&)>;
  const struct {
    const char* type;
    const char* third_party;
    Fill fill;
    const char* message;
  } cases[] = {
      {"ZZZ", "C1", [](VelaDocument&) {}, "O tipo de documento ZZZ não existe."},
      {"FAC", "C1", [](VelaDocument& d) { d.cab().Set("Serie", "B"); },
       "A série B não existe para o tipo de documento FAC."},
      {"FAC", "C1", [](VelaDocument& d) { d.cab().Set("Data", "31-02-2026"); },
       "A data do documento não é válida."},
      {"FAC", "F1", [](VelaDocument&) {}, "O cliente F1 não existe."},
      {"VFA", "C1", [](VelaDocument&) {}, "O fornecedor C1 não existe."},
      {"TRA", "A9", [](VelaDocument&) {}, "O armazém de destino A9 não existe."},
      {"FAC", "C1",
       [this](VelaDocument& d) {
         AddLine(d, "P1", "A1", 1);
         AddLine(d, "XX", "A1", 1);
       },
       "Linha 2: o artigo XX não existe."},
      {"FAC", "C1", [this](VelaDocument& d) { AddLine(d, "P1", "A9", 1); },
       "Linha 1: o armazém A9 não existe."},
      {"VFA", "F1",
       [this](VelaDocument& d) {
         AddLine(d, "L1", "A1", 1);
         AddLot(d, 2, "LT1", 1);
       },
       "O lote LT1 não está associado a nenhuma linha do documento."},
      {"VFA", "F1",
       [this](VelaDocument& d) {
         AddLine(d, "S1", "A1", 1);
         AddSerial(d, 0, "S1", "A1", "SN9");
       },
       "O número de série SN9 não está associado a nenhuma linha do documento."},
      {"FAC", "C1",
       [this](VelaDocument& d) { AddSerial(d, AddLine(d, "S1", "A2", 1), "S1", "A2", "SN1"); },
       "O número de série SN1 do artigo S1 não existe no armazém A2."},
  };
  for (const auto& refused : cases) {
    auto document = NewDocument(refused.type, refused.third_party);
    refused.fill(*document);
    EXPECT_NE(document->Validar(), 0) << refused.message;
    EXPECT_EQ(document->UltimaMensagem(), refused.message);
  }
}

TEST_F(VelaDocumentTest, NumbersWithinTypeSeriesAndYear) {
  std::shared_ptr<VelaDocument> sale;
  std::vector<Variant> numbers;
  for (const char* date : {"05-12-2026", "05-12-2026", "04-01-2027"}) {
    sale = NewDocument("FAC", "C1");
    sale->cab().Set("Data", date);
    AddLine(*sale, "P1", "A1", 1);
    ASSERT_EQ(sale->Inserir(), 0) << sale->UltimaMensagem();
    numbers.insert(numbers.end(), {sale->cab().Get("NossoNoDocumento"), sale->cab().Get("Ano")});
  }
  EXPECT_EQ(numbers, (std::vector<Variant>{1, int16_t{2026}, 2, int16_t{2026}, 1, int16_t{2027}}));
  EXPECT_NE(sale->Inserir(), 0);
  EXPECT_EQ(sale->UltimaMensagem(), "O documento já foi inserido.");
  EXPECT_EQ(Row("SELECT ULTNUM FROM NUMERADOR WHERE TPDOC = 'FAC' AND ANO = 2026"), "2");
}

TEST_F(VelaDocumentTest, WritesHeaderAndLines) {
  auto sale = NewDocument("FAC", "C1");
  sale->cab().Set("VossoNoDocumento", "ENC-7");
  sale->cab().Set("DescontoCabecalho", 10.0);
  sale->cab().Set("MoradaDescarga", Variant::Null());
  sale->SetOrigem(3);
  const int32_t first = AddLine(*sale, "P1", "A1", 4);
  sale->Linha(first)->Set("TaxaDesconto", 50.0);
  sale->Linha(first)->Set("PrecoUnitario", 7.5);  // what the caller sets after the defaults wins
  sale->Linha(first)->Set("Descricao", "Parafuso inox");
  sale->Linha(first)->Set("OrDoc", "ECL");
  sale->Linha(first)->Set("OrNum", int32_t{12});
  AddLine(*sale, "", "", 0);
  ASSERT_EQ(sale->Inserir(), 0) << sale->UltimaMensagem();

  // TOTAL: 4 × 7,5, less 50 %, less 10 %.
  EXPECT_EQ(Row("SELECT TERCEIRO, VNUMDOC, AREAG, TPFSTC, NVIAS, ORIGEM, MOEDA, MORADADSG, TOTAL, "
                "DATA, DateUpd, HourUpd, HOURNEW FROM DOCGCCAB"),
            "C1|ENC-7|4|2|0|3|EUR|NULL|13,5|05-12-2026|05-12-2026|10:00:00|10:00:00");
  EXPECT_EQ(Row("SELECT NUMLINHA, ORDENACA, ARTIGO, DESCR, QUANT, QTDORIG, PRUNIT, PRUNITINT, "
                "TXDESC, UNIDADE, ORDOC, ORNUM FROM DOCGCLIN ORDER BY NUMLINHA"),
            "1|1|P1|Parafuso inox|4|4|7,5|10|50|UN|ECL|12");
  EXPECT_EQ(Row("SELECT COUNT(*), MAX(NUMLINHA), MAX(ARTIGO) FROM DOCGCLIN WHERE NUMLINHA <> 1"),
            "1|2|");
}

TEST_F(VelaDocumentTest, TransfersMoveStockAndSerialNumbersToTheDestination) {
  auto transfer = NewDocument("TRA", "A2");
  AddLine(*transfer, "P1", "A1", 5);
  AddSerial(*transfer, AddLine(*transfer, "S1", "A1", 1), "S1", "A1", "SN2");
  ASSERT_EQ(transfer->Inserir(), 0) << transfer->UltimaMensagem();
  EXPECT_EQ(Row("SELECT F.EXISTENC, T.EXISTENC, STDISP, S1.ARMAZEM, S2.ARMAZEM FROM ARTARM AS F, "
                "ARTARM AS T, ARTIGOS, NSEREXIS AS S1, NSEREXIS AS S2 WHERE F.ARTIGO = 'P1' AND "
                "F.ARMAZEM = 'A1' AND T.ARTIGO = 'P1' AND T.ARMAZEM = 'A2' AND CODIGO = 'P1' AND "
                "S1.NUMSER = 'SN1' AND S2.NUMSER = 'SN2'"),
            "15|5|20|A1|A2");
}

TEST_F(VelaDocumentTest, SerialNumbersEnterAndLeaveStock) {
  auto purchase = NewDocument("VFA", "F1");
  AddSerial(*purchase, AddLine(*purchase, "S1", "A2", 1), "S1", "A2", "SN3");
  ASSERT_EQ(purchase->Inserir(), 0) << purchase->UltimaMensagem();
  // A new ARTARM row in A2.
  EXPECT_EQ(Row("SELECT N.ARMAZEM, STDISP, EXISTENC FROM NSEREXIS AS N, ARTIGOS, ARTARM WHERE "
                "NUMSER = 'SN3' AND CODIGO = 'S1' AND ARTARM.ARTIGO = 'S1' AND ARTARM.ARMAZEM = "
                "'A2'"),
            "A2|3|1");

  auto sale = NewDocument("FAC", "C1");
  AddSerial(*sale, AddLine(*sale, "S1", "A1", 1), "S1", "A1", "SN1");
  ASSERT_EQ(sale->Inserir(), 0) << sale->UltimaMensagem();
  EXPECT_EQ(Row("SELECT (SELECT COUNT(*) FROM NSEREXIS WHERE NUMSER = 'SN1'), (SELECT COUNT(*) "
                "FROM NSERMOV), STDISP FROM ARTIGOS WHERE CODIGO = 'S1'"),
            "0|2|2");
}

// A long document goes to the company in few statements; its rows still come in the order of its
// lines, whatever columns each fills, and a serial number it enters twice is refused as one
// already in stock.
TEST_F(VelaDocumentTest, ALongDocumentKeepsItsLinesInOrderAndItsSerialNumbersOnce) {
  auto purchase = NewDocument("VFA", "F1");
  for (int i = 1; i <= 250; ++i) {
    if (i % 97 == 0) {
      AddLine(*purchase, "", "", 0);  // a line of text: other columns
    } else {
      AddSerial(*purchase, AddLine(*purchase, "S1", "A2", 1), "S1", "A2",
                "LOTE-" + std::to_string(i));
    }
  }
  ASSERT_EQ(purchase->Inserir(), 0) << purchase->UltimaMensagem();
  const std::string lines_and_serials =
      "SELECT COUNT(*), (SELECT COUNT(*) FROM DOCGCLIN AS L WHERE EXISTS (SELECT * FROM DOCGCLIN "
      "AS M WHERE M.NUMLINHA < L.NUMLINHA AND M.IDLINDOC > L.IDLINDOC)), (SELECT ARTIGO FROM "
      "DOCGCLIN WHERE NUMLINHA = 194), (SELECT COUNT(*) FROM NSEREXIS WHERE NUMSER LIKE 'LOTE-%'), "
      "(SELECT COUNT(*) FROM NSERMOV), (SELECT NUMLINHA FROM NSERMOV WHERE NUMSER = 'LOTE-250'), "
      "(SELECT COUNT(*) FROM NSEREXIS WHERE NUMSER = 'X') FROM DOCGCLIN";
  EXPECT_EQ(Row(lines_and_serials), "250|0||248|248|250|0");

  auto twice = NewDocument("VFA", "F1");
  for (int i = 0; i < 2; ++i) AddSerial(*twice, AddLine(*twice, "S1", "A2", 1), "S1", "A2", "X");
  EXPECT_NE(twice->Inserir(), 0);
  EXPECT_EQ(twice->UltimaMensagem(), "O número de série X do artigo S1 já existe em stock.");
  EXPECT_EQ(Row(lines_and_serials), "250|0||248|248|250|0");
}

// Inserir validates again, and what it refuses or fails to do leaves nothing behind.
TEST_F(VelaDocumentTest, AFailingInsertLeavesNothingBehind) {
  auto document = NewDocument("FAC", "C1");
  AddLine(*document, "P1", "A1", 1);
  ASSERT_EQ(document->Validar(), 0);
  Prepare("DELETE FROM ARTIGOS WHERE CODIGO = 'P1';");
  EXPECT_NE(document->Inserir(), 0);
  EXPECT_EQ(document->UltimaMensagem(), "Linha 1: o artigo P1 não existe.");
  // Each entry alone is valid; the second takes out, or moves, a serial number the first
  // already took or moved.
  std::vector<std::shared_ptr<VelaDocument>> refused = {document};
  for (const auto& [type, counterpart] : {std::pair("FAC", "C1"), std::pair("TRA", "A2")}) {
    auto twice = NewDocument(type, counterpart);
    const int32_t line = AddLine(*twice, "S1", "A1", 2);
    AddSerial(*twice, line, "S1", "A1", "SN1");
    AddSerial(*twice, line, "S1", "A1", "SN1");
    ASSERT_EQ(twice->Validar(), 0) << twice->UltimaMensagem();
    EXPECT_NE(twice->Inserir(), 0);
    EXPECT_EQ(twice->UltimaMensagem(),
              "O número de série SN1 do artigo S1 não existe no armazém A1.");
    refused.push_back(twice);
  }
  for (const auto& document_refused : refused) {
    EXPECT_TRUE(document_refused->cab().Get("NossoNoDocumento").IsEmpty());
  }
  EXPECT_EQ(Row("SELECT (SELECT COUNT(*) FROM DOCGCCAB), (SELECT COUNT(*) FROM DOCGCLIN), (SELECT "
                "COUNT(*) FROM NSERMOV), (SELECT COUNT(*) FROM NUMERADOR), COUNT(*), "
                "MAX(EXISTENC) FROM NSEREXIS, ARTARM WHERE ARTARM.ARTIGO = 'S1'"),
            "0|0|0|0|2|2");
  EXPECT_FALSE(data_->InTransaction());
}

// A customer order ENC 7/A/2026 for C1 with two lines, 5 of P1 and 2 of S1 in A1, served by
// sales: partly, beyond what is left, and to the end, when the order is converted.
TEST_F(VelaDocumentTest, ServingAnOrderPartlyOrBeyondWhatIsLeftStopsAtNothingToDeliver) {
  Prepare(
      "INSERT INTO TPDOC (CODIGO, DESCR, AREAG, TPOPER, ENTIDADE, TPFSTC) "
      "VALUES ('ENC', 'Encomenda de cliente', 4, 2, 2, 0);"
      "INSERT INTO DOCGCCAB (TPDOC, SERIE, ANO, NNUMDOC, TERCEIRO, DATA, AREAG, TPOPER, TPFSTC) "
      "VALUES ('ENC', 'A', 2026, 7, 'C1', '2026-12-01 00:00:00', 4, 2, 0);"
      "INSERT INTO DOCGCLIN (TPDOCUM, SERIE, ANO, NNUMDOC, NUMLINHA, ORDENACA, ARTIGO, "
      "ARMAZEM, QUANT) VALUES ('ENC', 'A', 2026, 7, 1, 1, 'P1', 'A1', 5), "
      "('ENC', 'A', 2026, 7, 2, 2, 'S1', 'A1', 2);"
      "UPDATE ARTIGOS SET TOTENCCL = 5 WHERE CODIGO = 'P1';"
      "UPDATE ARTARM SET ARMENCCL = 5 WHERE ARTIGO = 'P1' AND ARMAZEM = 'A1';");
  // Sells `quantity` of `article` against line `order_line` of the order; gives line 1's, P1's
  // and P1 in A1's quantities still to deliver, and whether the order is converted.
  auto serve = [this](const char* article, int32_t order_line, double quantity) {
    auto sale = NewDocument("FAC", "C1");
    LateBoundPtr line = sale->Linha(AddLine(*sale, article, "A1", quantity));
    line->Set("OrDoc", "ENC");
    line->Set("OrSerie", "A");
    line->Set("OrNum", int32_t{7});
    line->Set("OrAno", int16_t{2026});
    line->Set("LinhaOriginal", order_line);
    EXPECT_EQ(sale->Inserir(), 0) << sale->UltimaMensagem();
    return Row(
        "SELECT L.QUANT, TOTENCCL, ARMENCCL, C.[CONVERT] FROM DOCGCLIN AS L, ARTIGOS, "
        "ARTARM AS M, DOCGCCAB AS C WHERE L.TPDOCUM = 'ENC' AND L.NUMLINHA = 1 AND "
        "CODIGO = 'P1' AND M.ARTIGO = 'P1' AND M.ARMAZEM = 'A1' AND C.TPDOC = 'ENC'");
  };
  EXPECT_EQ(serve("P1", 1, 3), "2|2|2|0");
  EXPECT_EQ(serve("P1", 1, 4), "0|0|0|0");  // line 2 is still to deliver
  EXPECT_EQ(serve("S1", 2, 2), "0|0|0|-1");
}

}  // namespace
}  // namespace pellora::vela
