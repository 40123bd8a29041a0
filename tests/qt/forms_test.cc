#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

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

// Cancelar shows the stored values again; the wheel over the values, to reach the last
// categories, changes none of them; Tab goes from the grid to the buttons, in their order; each
// value, opened with F2, is named after its item; a coded item chosen refreshes the series
// offered, and Confirmar saves its code and nothing else.
TEST_F(DeskCompany, ParametersEditorChangesOnlyWhatTheOperatorChoosesAndSavesItOnConfirmar) {
  std::string stored = Rows("SELECT * FROM oru_PARAMETROSEXP").front();
  QStringList categories, tab_stops, captions, names;
  QString after_cancel;
  std::string chosen;
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
    for (QTreeWidgetItem* item : items) {
      tree.scrollToItem(item);
      Wheel(tree.viewport(), tree.visualRect(tree.indexFromItem(item, 1)).center());
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
    ASSERT_EQ(transfers->child(0)->text(0), "Tipo de Documento");
    EXPECT_EQ(transfers->child(0)->text(1), "[TRF] Transferência entre Armazéns");
    QComboBox* type = OpenValue(tree, transfers->child(0));
    ASSERT_NE(type, nullptr);
    QTest::keyClick(type, Qt::Key_Up);
    chosen = CodeOfItem(qt::FromQ(type->currentText()));
    QComboBox* series = OpenValue(tree, transfers->child(1));
    ASSERT_NE(series, nullptr);
    for (int i = 0; i < series->count(); ++i)
      series_offered.push_back(qt::FromQ(series->itemText(i)));
    Click(dialog, "&Confirmar");
  });
  Operation(2000);
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
  std::vector<std::string> expected;
  for (const std::string& row :
       Rows("SELECT SERIE || '|' || DESCR FROM NOMSERIE WHERE TIPODOC = '" + chosen + "'")) {
    expected.push_back(CodedItemText(row.substr(0, row.find('|')), row.substr(row.find('|') + 1)));
  }
  EXPECT_EQ(series_offered, expected);
}

// The operator types prices as shown, with a decimal comma: Enter keeps the price typed and
// moves to the next row's price, as Down does; a price that is no number or is negative is
// refused and the cell keeps its price; Gravar saves each price, and only the counts and the
// prices are editable.
TEST_F(DeskCompany, UnitCostGridKeepsEachPriceTypedRefusesBadOnesAndSavesOnGravar) {
  std::string set;
  std::map<std::string, std::string> typed;  // by article, the last typed
  QStringList headings, editable, warnings;
  QString shown;
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
    Click(form, "&Gravar");
    shown = grid.model()->index(0, price).data().toString();
    Click(form, "&Sair");
  });
  Operation(2007);
  qInstallMessageHandler(previous);
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

// A form whose button writes to the company, pressed while another workstation holds it: the
// window keeps drawing and says the company is busy; the operator gives up and hears so, nothing
// is written; pressed again once the company is free, the button writes.
TEST_F(DeskCompany, TheFormsTellTheCompanyIsBusyAndLetTheOperatorGiveUp) {
  const struct {
    int32_t operation;
    std::function<void(qt::FormWindow& form)> change;
    QString button;
    std::string written;  // what the company shows of the change
  } cases[] = {
      {2007,
       [](qt::FormWindow& form) {
         QTableView& grid = *form.Grid();
         TypeInCell(grid, 0, static_cast<int>(Headings(grid).indexOf("Preço Unitário")), "7,25");
       },
       "&Gravar", "SELECT COUNT(*) FROM oru_ARM_Picking_Movimentos WHERE PrecoUnitario = 7.25"},
      {2000,
       [](qt::FormWindow& form) {
         auto* tree = form.findChild<QTreeWidget*>();
         QTest::keyClick(OpenValue(*tree, tree->topLevelItem(2)->child(0)), Qt::Key_Down);
       },
       "&Confirmar", "SELECT INVENTDOC FROM oru_PARAMETROSEXP"},
  };
  for (const auto& given : cases) {
    const std::vector<std::string> before = Rows(given.written);
    std::vector<std::string> after_giving_up;
    QString notice;
    std::string set, message;
    ModalScript script;
    if (given.operation == 2007) script.Then(ChooseSet(set));
    script
        .Then([&](QWidget& dialog) {
          auto& form = dynamic_cast<qt::FormWindow&>(dialog);
          given.change(form);
          CompanyHeld held(folder_.path() / "DEMO.db");
          Click(form, given.button);
          held.Release();
          after_giving_up = Rows(given.written);
          Click(form, given.button);
          if (form.isVisible()) Click(form, "&Sair");
        })
        .Then(GiveUpWaiting(notice))
        .Then(ReadMessage(message));
    Operation(given.operation);
    EXPECT_TRUE(notice.startsWith("A empresa DEMO está ocupada noutro posto há "))
        << qt::FromQ(notice);
    EXPECT_NE(message.find("Desistiu de esperar pela empresa DEMO, ocupada noutro posto."),
              std::string::npos)
        << message;
    EXPECT_EQ(after_giving_up, before) << given.operation;
    EXPECT_NE(Rows(given.written), before) << given.operation;
  }
}

}  // namespace
}  // namespace pellora::testing
