#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include "interfaces/coded_item.h"
#include "platform/qt/form_window.h"
#include "tests/qt/desk_company.h"

namespace pellora::testing {
namespace {

// Types `text` into a cell of the grid as the operator does: the editor opens, the text goes in
// and Enter accepts it.
void TypeInCell(QTableView& grid, int row, int column, const QString& text) {
  const QModelIndex cell = grid.model()->index(row, column);
  grid.setCurrentIndex(cell);
  grid.edit(cell);
  auto* editor = qobject_cast<QLineEdit*>(grid.indexWidget(cell));
  ASSERT_NE(editor, nullptr);
  editor->selectAll();
  QTest::keyClick(editor, Qt::Key_Delete);
  Type(editor, text);
  QTest::keyClick(editor, Qt::Key_Return);
}

// Clicks the value of an item of the parameters grid: its one editor opens there, with the focus.
QComboBox* OpenValue(QTreeWidget& tree, QTreeWidgetItem* row) {
  tree.scrollToItem(row);
  QTest::mouseClick(tree.viewport(), Qt::LeftButton, Qt::NoModifier,
                    tree.visualRect(tree.indexFromItem(row, 1)).center());
  auto* editor = qobject_cast<QComboBox*>(QApplication::focusWidget());
  EXPECT_NE(editor, nullptr) << row->text(0).toStdString();
  return editor;
}

// Cancelar shows the stored values again; the wheel over the values, each opened, changes none of
// them; Tab goes from the grid to the buttons, in their order; each
// value, opened with F2, is named after its item; a coded item chosen refreshes the series
// offered. Confirmar while another workstation holds the company says it is busy and, the
// operator giving up, writes nothing; once it is free, Confirmar saves the code and nothing else.
TEST_F(DeskCompany, ParametersEditorChangesOnlyWhatTheOperatorChoosesAndSavesItOnConfirmar) {
  std::string stored = Rows("SELECT * FROM oru_PARAMETROSEXP").front();
  QStringList categories, tab_stops, captions, names;
  QString after_cancel, notice;
  std::string chosen, message;
  std::vector<std::string> after_giving_up;
  std::vector<std::string> series_offered;
  ModalScript script;
  script.Then([&](QWidget& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "Conf. Exportação/Importação de Documentos");
    QTreeWidget& tree = *dialog.findChild<QTreeWidget*>();
    std::vector<QTreeWidgetItem*> items;
    for (int i = 0; i < tree.topLevelItemCount(); ++i) {
      categories << tree.topLevelItem(i)->text(0);
      for (int item = 0; item < tree.topLevelItem(i)->childCount(); ++item)
        items.push_back(tree.topLevelItem(i)->child(item));
    }
    QTreeWidgetItem* inventory = tree.topLevelItem(2)->child(0);
    QTest::keyClick(OpenValue(tree, inventory), Qt::Key_Down);
    EXPECT_NE(inventory->text(1), "[INV] Inventário Inicial");
    Click(dialog, "C&ancelar");
    after_cancel = inventory->text(1);
    for (QTreeWidgetItem* item : items) {  // a notch of the wheel over each value, opened
      OpenValue(tree, item);
      const QPoint point = tree.visualRect(tree.indexFromItem(item, 1)).center();
      QWidget* under =
          tree.viewport()->childAt(point) ? tree.viewport()->childAt(point) : tree.viewport();
      const QPoint local = under->mapFrom(tree.viewport(), point);
      QWheelEvent notch(local, under->mapToGlobal(local), QPoint(), QPoint(0, -120), Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
      QApplication::sendEvent(under, &notch);
    }
    tree.scrollToItem(items.front());
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, Qt::NoModifier,
                      tree.visualRect(tree.indexFromItem(items.front(), 0)).center());
    for (int stop = 0; stop < 4; ++stop) {
      Press(Qt::Key_Tab);
      auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget());
      tab_stops << (button != nullptr                      ? button->text().remove('&')
                    : QApplication::focusWidget() == &tree ? "grade"
                                                           : "outro");
    }
    for (QTreeWidgetItem* item : items) {
      captions << item->text(0);
      tree.setFocus();
      tree.setCurrentItem(item, 0);
      Press(Qt::Key_F2);
      QWidget* editor = QApplication::focusWidget();
      if (editor != nullptr && editor != &tree) names << editor->accessibleName();
      Press(Qt::Key_Escape);
    }
    QTreeWidgetItem* transfers = tree.topLevelItem(5);
    EXPECT_EQ(transfers->child(0)->text(0) + " = " + transfers->child(0)->text(1),
              "Tipo de Documento = [TRF] Transferência entre Armazéns");
    QComboBox* type = OpenValue(tree, transfers->child(0));
    ASSERT_NE(type, nullptr);
    QTest::keyClick(type, Qt::Key_Up);
    chosen = CodeOfItem(qt::FromQ(type->currentText()));
    QComboBox* series = OpenValue(tree, transfers->child(1));
    ASSERT_NE(series, nullptr);
    for (int i = 0; i < series->count(); ++i)
      series_offered.push_back(qt::FromQ(series->itemText(i)));
    ClickWhileHeld(dialog, "&Confirmar");
    after_giving_up = Rows("SELECT * FROM oru_PARAMETROSEXP");
    Click(dialog, "&Confirmar");
  });
  script.Then(GiveUpWaiting(notice)).Then(ReadMessage(message));
  Operation(2000);
  EXPECT_TRUE(notice.startsWith("A empresa DEMO está ocupada noutro posto há "))
      << qt::FromQ(notice);
  EXPECT_EQ(message,
            "[Configuração] pParametrosSave\r\n\r\nComandos::HlpDb_ParametrosSave\r\nDesistiu de "
            "esperar pela empresa DEMO, ocupada noutro posto.");
  EXPECT_EQ(after_giving_up, std::vector<std::string>{stored});
  EXPECT_EQ(categories.join("; ").toStdString(),
            "Parametros Exportação Lisboa; Parametros Exportação Braga; Parametros Importação - "
            "Inventário; Parametros Importação - Quebras; Parametros Importação - Sobras; "
            "Parametros Importação - Transferências de Armazens");
  EXPECT_EQ(after_cancel, "[INV] Inventário Inicial");
  EXPECT_EQ(tab_stops, QStringList({"Confirmar", "Cancelar", "Sair", "grade"}));
  EXPECT_EQ(captions.size(), 29);
  EXPECT_EQ(names, captions);
  ASSERT_NE(chosen, "TRF");
  EXPECT_EQ(Rows("SELECT * FROM oru_PARAMETROSEXP"),
            std::vector<std::string>{stored.replace(stored.find("|TRF|"), 5, "|" + chosen + "|")});
  EXPECT_EQ(series_offered, Rows("SELECT '[' || SERIE || '] ' || DESCR FROM NOMSERIE WHERE "
                                 "TIPODOC = '" +
                                 chosen + "'"));
}

// The operator types prices as shown, with a decimal comma: Enter keeps the price typed and
// moves to the next row's price, as Down does; a price that is no number or is negative is
// refused and the cell keeps its price; only the counts and the prices are editable. Gravar
// while another workstation holds the company says it is busy and, the operator giving up,
// writes nothing; once it is free, Gravar saves each price.
TEST_F(DeskCompany, UnitCostGridKeepsEachPriceTypedRefusesBadOnesAndSavesOnGravar) {
  const std::string prices =
      "SELECT TerminalId, DataSync, NumeroLinha, PrecoUnitario FROM oru_ARM_Picking_Movimentos";
  const std::vector<std::string> before = Rows(prices);
  std::vector<std::string> after_giving_up;
  std::string set, message;
  std::map<std::string, std::string> typed;  // by article, the last typed
  QStringList headings, editable, warnings;
  QString shown, notice;
  static QStringList* heard = nullptr;
  heard = &warnings;
  const QtMessageHandler previous = qInstallMessageHandler(
      [](QtMsgType, const QMessageLogContext&, const QString& message) { *heard << message; });
  ModalScript script;
  script.Then(ChooseSet(set)).Then([&](QWidget& dialog) {
    auto& form = dynamic_cast<qt::FormWindow&>(dialog);
    EXPECT_EQ(form.windowTitle(), "Valores de Inventário");
    QTableView& grid = *form.Grid();
    headings = Headings(grid);
    const int price = static_cast<int>(headings.indexOf("Preço Unitário"));
    for (int column = 0; column < grid.model()->columnCount(); ++column) {
      if (!grid.isColumnHidden(column) &&
          grid.model()->flags(grid.model()->index(0, column)) & Qt::ItemIsEditable)
        editable << grid.model()->headerData(column, Qt::Horizontal).toString();
    }
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier,
                      grid.visualRect(grid.model()->index(0, price)).center());
    int row = 0;
    for (const auto& [text, key, saved] : {std::tuple{"12,5", Qt::Key_Return, "12.5"},
                                           {"9", Qt::Key_Down, "9"},
                                           {"5", Qt::Key_unknown, "5"}}) {
      for (const QChar character : QString(text)) Type(QApplication::focusWidget(), character);
      if (key != Qt::Key_unknown) Press(key);
      const int code = static_cast<int>(headings.indexOf("Artigo"));
      typed[qt::FromQ(grid.model()->index(row++, code).data().toString())] = saved;
    }
    TypeInCell(grid, 1, price, "-1");
    TypeInCell(grid, 1, price, "abc");
    ClickWhileHeld(form, "&Gravar");
    after_giving_up = Rows(prices);
    Click(form, "&Gravar");
    shown = grid.model()->index(0, price).data().toString();
    Click(form, "&Sair");
  });
  script.Then(GiveUpWaiting(notice)).Then(ReadMessage(message));
  Operation(2007);
  qInstallMessageHandler(previous);
  EXPECT_TRUE(notice.startsWith("A empresa DEMO está ocupada noutro posto há "))
      << qt::FromQ(notice);
  EXPECT_EQ(message,
            "[Preços de Custo] Erro -2147217900 - Comandos::HlpDb_LeiturasPrcUnitSet\r\nDesistiu "
            "de esperar pela empresa DEMO, ocupada noutro posto.");
  EXPECT_EQ(after_giving_up, before);
  // The form's columns, in the order of the readings' fields; every other field is hidden.
  headings.sort();
  EXPECT_EQ(headings.join(";").toStdString(),
            "Armazem;Artigo;Contagem;Nome;Nosso Lote;Num.Série;Preço Unitário;Un.");
  EXPECT_EQ(editable, QStringList({"Contagem", "Preço Unitário"}));
  EXPECT_EQ(shown, "12,5000");
  for (const auto& [article, price] : typed) {
    EXPECT_EQ(Rows("SELECT DISTINCT printf('%g', PrecoUnitario) FROM oru_ARM_Picking_Movimentos "
                   "WHERE TerminalId || '|' || DataSync = '" +
                   set + "' AND Artigo = '" + article + "'"),
              std::vector<std::string>{price})
        << article;
  }
  EXPECT_TRUE(warnings.filter("commitData").isEmpty()) << warnings.join("\n").toStdString();
}

}  // namespace
}  // namespace pellora::testing
