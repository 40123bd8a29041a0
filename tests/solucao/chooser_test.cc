#include <string>
#include <vector>

#include "runtime/error.h"
#include "solucao/chooser_query.h"
#include "solucao/dlg_selecao.h"
#include "solucao/tipo_documento.h"
#include "tests/solucao/solucao_company.h"

namespace pellora::solucao_testing {
namespace {

class SolucaoChooser : public SolucaoCompanyTest {
 protected:
  void SetUp() override {
    SolucaoCompanyTest::SetUp();
    Open();
  }
  // Runs the chooser with the scripted answer; cancelled starts False.
  bool Choose(const std::string& terceiro, const std::string& movimento, int16_t tipo) {
    terminais_ = {""};
    conjuntos_ = {""};
    bool cancelado = false;
    pImporMovimentosDlgSelecao(factory_, terceiro, movimento, tipo, terminais_, conjuntos_,
                               cancelado);
    return cancelado;
  }
  ScriptedSelectionDialog& Dialog() { return *factory_.selections.back(); }

  Texts terminais_;
  Texts conjuntos_;
};

TEST_F(SolucaoChooser, DrivesTheDialogWithTheChooserQuery) {
  factory_.selection = {"T1|20261205093000", {"T1|20261205093000", "T2|1", "T1|20261205093000"}};
  EXPECT_FALSE(Choose("C1", "E", 2));
  ScriptedSelectionDialog& dialog = Dialog();
  EXPECT_NE(dialog.connection, nullptr);
  EXPECT_EQ(dialog.title, "Selecção de Documentos a Importar");
  EXPECT_EQ(dialog.sql, ChooserSql("C1", "E", 2));
  EXPECT_TRUE(dialog.loaded);
  EXPECT_TRUE(dialog.columns[1].hidden);
  EXPECT_TRUE(dialog.multi_select);
  // The same set chosen twice is kept twice.
  EXPECT_EQ(terminais_, (Texts{"", "T1", "T2", "T1"}));
  EXPECT_EQ(conjuntos_, (Texts{"", "20261205093000", "1", "20261205093000"}));
}

TEST_F(SolucaoChooser, MovementCodesAndTitles) {
  factory_.selection = {"", {}};
  EXPECT_TRUE(Choose("", "X", 3));
  EXPECT_EQ(Dialog().title, "Selecção de Documentos a Anular");
  EXPECT_EQ(Dialog().sql, ChooserSql("", "X", 3));
  EXPECT_EQ(Dialog().sql.find("TipoMov"), std::string::npos);
  EXPECT_EQ(terminais_, (Texts{"", ""}));
  EXPECT_EQ(conjuntos_, (Texts{"", ""}));
  EXPECT_TRUE(Choose("", "P", 3));
  EXPECT_EQ(Dialog().sql, ChooserSql("", "I", 3));
  EXPECT_EQ(Dialog().title, "Selecção de Documentos a Importar");
}

TEST_F(SolucaoChooser, SingleSelectionAndOddAnswers) {
  factory_.selection = {"T9|20260101120000", {}, false};
  EXPECT_FALSE(Choose("", "A", 3));
  EXPECT_EQ(terminais_, (Texts{"", "T9"}));
  EXPECT_EQ(conjuntos_, (Texts{"", "20260101120000"}));
  // Multiple selection with an empty collection: one empty set, not cancelled.
  factory_.selection = {"T9|1", {}, true};
  EXPECT_FALSE(Choose("", "A", 3));
  EXPECT_EQ(terminais_, (Texts{"", ""}));
  // An Id without "|" fails with the chooser's name; cancelled keeps its value.
  factory_.selection = {"T9", {}, false};
  bool cancelado = false;
  try {
    pImporMovimentosDlgSelecao(factory_, "", "A", 3, terminais_, conjuntos_, cancelado);
    ADD_FAILURE() << "no error";
  } catch (const Error& error) {
    EXPECT_EQ(error.number(), kSubscriptOutOfRange);
    EXPECT_EQ(error.source(), "pImporMovimentosDlgSelecao");
  }
  EXPECT_FALSE(cancelado);
}

TEST_F(SolucaoChooser, ListsPendingSetsOfTheMovementOnTheCompany) {
  Reading(1, "I", "P1", 1, 1);
  Exec(
      "INSERT INTO oru_ARM_Picking_Movimentos (TerminalId, DataSync, NumeroLinha, TipoMov, "
      "Tpterc, Dest_TpDoc) VALUES ('T2', '20261201080000', 1, 'I', 3, ''), "
      "('T3', '20261201080000', 1, 'I', 4, ''), ('T4', '20261201080000', 1, 'I', NULL, 'INV'), "
      "('T5', '20261201080000', 1, 'E', NULL, NULL);");
  factory_.selection = {"", {}};
  Choose("", "P", 3);
  EXPECT_EQ(Dialog().listed, (Texts{"T2|20261201080000", "T1|20261205093000"}));
  Choose("", "X", 3);
  EXPECT_EQ(Dialog().listed.size(), 4u);
}

TEST_F(SolucaoChooser, ClassifiesDocumentTypes) {
  Exec(
      "INSERT INTO TPDOC (CODIGO, DESCR, AREAG, TPOPER, ENTIDADE, SINALCT) VALUES "
      "('V0', '', 4, 2, 2, 0), ('V1', '', 3, 2, 2, 1), ('V2', '', 4, 2, 2, 2), "
      "('C0', '', 3, 1, 1, 0), ('C1', '', 4, 1, 1, 1), ('C2', '', 3, 1, 1, 2), "
      "('G1', '', 1, 2, 2, 1), ('X1', '', 4, 1, 2, 1), ('X2', '', 4, 3, 0, 0);");
  Texts answers;
  for (std::string tipo : {"V0", "V1", "V2", "C0", "C1", "C2", "G1", "X1", "X2", "NAO", "v0"}) {
    answers.push_back(std::to_string(pTipoDocumento(tipo)));
  }
  EXPECT_EQ(answers, (Texts{"2", "3", "2", "1", "1", "0", "-1", "-1", "-1", "-1", "2"}));
}

}  // namespace
}  // namespace pellora::solucao_testing
