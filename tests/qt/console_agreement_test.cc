#include <QComboBox>
#include <QTest>

#include <gtest/gtest.h>

#include "interfaces/coded_item.h"
#include "platform/qt/form_window.h"
#include "tests/app/pellora_process.h"
#include "tests/qt/desk_company.h"

namespace pellora::testing {
namespace {

// Moves the combo box with the keyboard to the item of code `code`.
void ChooseCode(QComboBox& combo, const std::string& code) {
  combo.setFocus();
  QTest::keyClick(&combo, Qt::Key_Home);
  for (int i = 0; i < combo.count() && CodeOfItem(qt::FromQ(combo.currentText())) != code; ++i) {
    QTest::keyClick(&combo, Qt::Key_Down);
  }
  EXPECT_EQ(CodeOfItem(qt::FromQ(combo.currentText())), code);
}

// What a transfer leaves in the company: the document, its lines and the readings' states.
std::vector<std::string> TransferOutcome(const std::filesystem::path& database) {
  return RowsOnFile(database,
                    "SELECT * FROM (SELECT TPDOC, SERIE, NNUMDOC, TERCEIRO, SECTOR FROM DOCGCCAB "
                    "WHERE TPDOC = 'TRF') UNION ALL SELECT * FROM (SELECT NUMLINHA, ARTIGO, "
                    "ARMAZEM, QUANT, PRUNIT FROM DOCGCLIN WHERE TPDOCUM = 'TRF' ORDER BY NUMLINHA) "
                    "UNION ALL SELECT * FROM (SELECT TerminalId, DataSync, Estado, COUNT(*), '' "
                    "FROM oru_ARM_Picking_Movimentos GROUP BY 1, 2, 3 ORDER BY 1, 2, 3)");
}

// The chooser cancelled, or the dialog left with Cancelar or with its close box, writes nothing;
// Enter moves to the next field without confirming. Confirmed, the same choices on the console
// and in the windows make the same transfer.
TEST_F(DeskCompany, TheTransferWritesOnlyWhenConfirmedAndAsTheConsoleDoes) {
  const std::vector<std::string> untouched = TransferOutcome(folder_.path() / "DEMO.db");
  for (const char* way : {"chooser", "Cancelar", "close box"}) {
    std::string id;
    bool moved = true;
    ModalScript script;
    if (way == std::string("chooser")) {
      script.Then([](QWidget& chooser) { Click(chooser, "Cancelar"); });
    } else {
      script.Then(ChooseSet(id)).Then([&](QWidget& dialog) {
        auto& form = dynamic_cast<qt::FormWindow&>(dialog);
        form.Combo("Armazém Destino")->setFocus();
        QTest::keyClick(form.Combo("Armazém Destino"), Qt::Key_Return);
        moved = form.Combo("Tipo Documento")->hasFocus();
        EXPECT_TRUE(form.isVisible());
        way == std::string("close box") ? void(form.close()) : Click(form, "&Cancelar");
      });
    }
    Operation(2008);
    EXPECT_TRUE(moved) << way;
    EXPECT_EQ(TransferOutcome(folder_.path() / "DEMO.db"), untouched) << way;
  }

  const std::filesystem::path console_dir = folder_.path() / "consola";
  app::CreateDemoCompany({.dir = console_dir.string()});
  const std::vector<std::string> sets = app::PendingSets(app::OnDemo(console_dir.string()), "T");
  ASSERT_GT(sets.size(), 2u);
  std::string id = sets[2];
  const app::Outcome console = app::Pellora(app::OnDemo(console_dir.string()) + "op 2008 --pick '" +
                                            id + "' --warehouse A03 --series N --sector LIS");
  ASSERT_EQ(console.status, 0) << console.out;

  std::string message;
  ModalScript script;
  script.Then(ChooseSet(id))
      .Then([&](QWidget& dialog) {
        auto& form = dynamic_cast<qt::FormWindow&>(dialog);
        EXPECT_EQ(form.windowTitle(), "Transferências de Armazens");
        EXPECT_EQ(form.Combo("Armazém Destino")->itemText(0), "[A01] Armazém Central");
        EXPECT_EQ(form.Combo("Tipo Documento")->currentText(),
                  "[TRF] Transferência entre Armazéns");
        ChooseCode(*form.Combo("Armazém Destino"), "A03");
        ChooseCode(*form.Combo("Série"), "N");
        EXPECT_EQ(form.Combo("Série")->currentText(), "[N] Transferências Norte");
        ChooseCode(*form.Combo("Sector"), "LIS");
        Click(form, "&Confirmar");
      })
      .Then(ReadMessage(message));
  Operation(2008);

  EXPECT_NE(console.out.find(message + "\n"), std::string::npos) << console.out << message;
  const std::vector<std::string> from_console = TransferOutcome(console_dir / "DEMO.db");
  EXPECT_GT(from_console.size(), 2u);
  EXPECT_EQ(TransferOutcome(folder_.path() / "DEMO.db"), from_console);
}

}  // namespace
}  // namespace pellora::testing
