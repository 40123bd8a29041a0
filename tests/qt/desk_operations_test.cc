#include <QAction>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QRegularExpression>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include "app/desk/document_header_dialog.h"
#include "app/desk/main_window.h"
#include "platform/qt/selection_window.h"
#include "tests/qt/desk_company.h"

namespace pellora::testing {
namespace {

TEST_F(DeskCompany, InventoryChosenInTheChooserWindowIsImportedOffTheInterfaceThread) {
  desk::MainWindow window(*context_, *components_, *solucao_);
  // The window is there before its lists: they are read off the interface thread.
  EXPECT_TRUE(window.Refreshing());
  EXPECT_EQ(window.PendingSets()->model()->rowCount(), 0);
  ASSERT_TRUE(WaitUntil([&] { return !window.Refreshing(); }));
  const int pending_before = window.PendingSets()->model()->rowCount();
  const int documents_before = window.Documents()->model()->rowCount();
  // The demo's first count has a reading priced 0, which the inventory refuses.
  const QString refused = qt::ToQ(Rows("SELECT TerminalId || '|' || DataSync FROM "
                                       "oru_ARM_Picking_Movimentos WHERE TipoMov = 'I' AND "
                                       "PrecoUnitario = 0")
                                      .front());
  std::string id, message;
  ModalScript script;
  // The operator types the Leitura of another count in the filter, and chooses it.
  script
      .Then([&](QWidget& chooser) {
        EXPECT_EQ(chooser.windowTitle(), "Selecção de Documentos a Importar");
        auto& selection = dynamic_cast<qt::SelectionWindow&>(chooser);
        QAbstractItemModel& sets = *selection.Table()->model();
        EXPECT_EQ(Headings(*selection.Table()),
                  QStringList({"Terminal", "Leitura", "Terceiro", "Nome", "Doc. Origem"}));
        const int row = sets.index(1, 0).data().toString() == refused ? 2 : 1;
        ASSERT_LT(row, sets.rowCount());
        id = qt::FromQ(sets.index(row, 0).data().toString());
        Type(selection.Filter(), sets.index(row, 2).data().toString());
        EXPECT_LT(sets.rowCount(), 3);
        ChooseSet(id)(chooser);
      })
      .Then(ReadMessage(message));
  ASSERT_TRUE(window.RunOperation(2005));
  // One operation at a time: the menu is off, a second start is refused and the window stays.
  EXPECT_FALSE(window.OperationAction(2006)->isEnabled());
  EXPECT_FALSE(window.QuitAction()->isEnabled());
  EXPECT_FALSE(window.RunOperation(2006));
  ASSERT_TRUE(WaitUntil([&] { return !window.Busy() && !window.Refreshing(); }));

  EXPECT_EQ(message,
            "[Importação de Movimentos de Inventário] Foi criado com sucesso o documento "
            "INV-1-1-" +
                Rows("SELECT MAX(ANO) FROM DOCGCCAB WHERE TPDOC = 'INV'").front());
  // The set marked, one document, and as many lines as the window counted.
  EXPECT_EQ(Rows("SELECT DISTINCT Estado FROM oru_ARM_Picking_Movimentos WHERE TerminalId || "
                 "'|' || DataSync = '" +
                 id +
                 "' UNION ALL SELECT COUNT(*) FROM DOCGCCAB WHERE TPDOC = 'INV' UNION ALL SELECT "
                 "COUNT(*) FROM DOCGCLIN WHERE TPDOCUM = 'INV'"),
            (std::vector<std::string>{"1", "1", std::to_string(window.LinesBuilt())}));
  EXPECT_TRUE(window.OperationAction(2006)->isEnabled());
  EXPECT_EQ(
      std::pair(window.PendingSets()->model()->rowCount(), window.Documents()->model()->rowCount()),
      std::pair(pending_before - 1, documents_before + 1));
  // The new document, first: its day as dd-mm-yyyy, its number to the right.
  const QModelIndex day = window.Documents()->model()->index(0, 4);
  EXPECT_TRUE(QRegularExpression("^\\d\\d-\\d\\d-\\d{4}$").match(day.data().toString()).hasMatch())
      << qt::FromQ(day.data().toString());
  EXPECT_TRUE(day.siblingAtColumn(2).data(Qt::TextAlignmentRole).value<Qt::Alignment>() &
              Qt::AlignRight);
  EXPECT_FALSE(window.Progress()->isVisible());
}

// The pending sets say their movement kind; every menu item has a letter of its own to be chosen
// with from the keyboard. A set written by another workstation appears without the operator
// asking, and the set the operator chose stays chosen, and the row at the top stays there.
TEST_F(DeskCompany, MainWindowShowsEachSetsKindAndSetsOthersWriteAndKeepsTheOperatorsPlace) {
  desk::MainWindow window(*context_, *components_, *solucao_);
  window.resize(window.width(), window.height() / 2);  // the pending list scrolls
  window.show();
  ASSERT_TRUE(WaitUntil([&] { return !window.Refreshing(); }));
  QTableView& pending = *window.PendingSets();
  EXPECT_EQ(Headings(pending),
            QStringList({"Movimento", "Terminal", "Leitura", "Terceiro", "Nome", "Doc. Origem"}));
  QStringList kinds;  // of the sets, in the list's order
  for (int row = 0; row < pending.model()->rowCount(); ++row)
    kinds << pending.model()->index(row, 1).data().toString();
  kinds.removeDuplicates();
  kinds.sort();
  EXPECT_EQ(kinds, QStringList({"Acerto de inventário", "Entrada", "Inventário", "Saída",
                                "Transferência"}));
  for (QMenu* menu : window.menuBar()->findChildren<QMenu*>()) {
    QString letters;
    for (QAction* action : menu->actions()) {
      if (action->isSeparator()) continue;
      const qsizetype mark = action->text().indexOf('&');
      ASSERT_GE(mark, 0) << qt::FromQ(action->text());
      const QChar letter = action->text().at(mark + 1).toLower();
      EXPECT_FALSE(letters.contains(letter)) << qt::FromQ(action->text());
      letters += letter;
    }
  }
  const int before = pending.model()->rowCount();
  const QString chosen = pending.model()->index(before - 2, 0).data().toString();
  ASSERT_TRUE(ClickRow(pending, 0, chosen));
  ASSERT_GT(pending.rowAt(0), 0);
  const QString top = pending.model()->index(pending.rowAt(0), 0).data().toString();

  ASSERT_EQ(RunSqlOnFile(folder_.path() / "DEMO.db",
                         "INSERT INTO oru_ARM_Picking_Movimentos (TerminalId, DataSync, "
                         "NumeroLinha, TipoMov, Artigo, Unidade, Armazem, Quantidade) VALUES "
                         "('PDA99', '20200101000000', 1, 'I', 'ARR001', 'UN', 'A01', 3)"),
            "");
  ASSERT_TRUE(WaitUntil([&] { return pending.model()->rowCount() == before + 1; }, 10));
  const QModelIndexList selected = pending.selectionModel()->selectedRows();
  ASSERT_EQ(selected.size(), 1);
  EXPECT_EQ(selected.front().data().toString(), chosen);
  EXPECT_EQ(pending.model()->index(pending.rowAt(0), 0).data().toString(), top);
}

TEST_F(DeskCompany, SalesViewTakesTheHeaderAndOffersOnlyTheCustomersSets) {
  desk::MainWindow window(*context_, *components_, *solucao_);
  QStringList customers;
  std::string id, message;
  ModalScript script;
  script
      .Then([](QWidget& dialog) {
        auto& header = dynamic_cast<desk::DocumentHeaderDialog&>(dialog);
        EXPECT_EQ(header.windowTitle(), "Vista de Vendas");
        EXPECT_EQ(header.DocType()->text(), "FA");
        Type(header.ThirdParty(), "C0005");
        Click(header, "Abrir");
      })
      .Then([&](QWidget& chooser) {
        QAbstractItemModel& sets = *dynamic_cast<qt::SelectionWindow&>(chooser).Table()->model();
        for (int row = 0; row < sets.rowCount(); ++row)
          customers << sets.index(row, 3).data().toString();
        ChooseSet(id)(chooser);
      })
      .Then(ReadMessage(message));
  window.OperationAction(2003)->trigger();
  ASSERT_TRUE(WaitUntil([&] { return !window.Busy() && script.Done(); }));
  customers.removeDuplicates();
  EXPECT_EQ(customers, QStringList({"C0005"}));
  EXPECT_EQ(message.rfind("[Importação de Movimentos de Vendas] Foi criado com sucesso o documento "
                          "FA-1-",
                          0),
            0u)
      << message;
  EXPECT_EQ(Rows("SELECT DISTINCT TERCEIRO FROM DOCGCCAB WHERE TPDOC = 'FA'"),
            std::vector<std::string>{"C0005"});
}

}  // namespace
}  // namespace pellora::testing
