#include <QComboBox>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "interfaces/coded_item.h"
#include "platform/qt/form_window.h"
#include "platform/qt/selection_window.h"
#include "tests/qt/desk_company.h"

namespace pellora::testing {
namespace {

QStringList VisibleHeadings(const QTableView& table) {
  QStringList headings;
  for (int column = 0; column < table.model()->columnCount(); ++column) {
    headings << table.model()->headerData(column, Qt::Horizontal).toString();
  }
  return headings;
}

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

ModalScript::Step ChooseFirstSet() {
  return [](QWidget& window) {
    QTableView& table = *dynamic_cast<qt::SelectionWindow&>(window).Table();
    ASSERT_TRUE(ClickRow(table, 0, table.model()->index(0, 0).data().toString()));
    Click(window, "OK");
  };
}

TEST_F(DeskCompany, UnitCostGridTakesDecimalCommaRefusesBadPricesAndSavesOnGravar) {
  std::string article;
  std::string terminal_and_sync;
  QStringList headings;
  QString refused_before;
  QString refused_after;
  ModalScript script;
  script
      .Then([&](QWidget& window) {
        QTableView& table = *dynamic_cast<qt::SelectionWindow&>(window).Table();
        terminal_and_sync = qt::FromQ(table.model()->index(0, 0).data().toString());
        ChooseFirstSet()(window);
      })
      .Then([&](QWidget& dialog) {
        auto& form = dynamic_cast<qt::FormWindow&>(dialog);
        EXPECT_EQ(form.windowTitle(), "Valores de Inventário");
        QTableView& grid = *form.Grid();
        headings = VisibleHeadings(grid);
        const int price = static_cast<int>(headings.indexOf("Preço Unitário"));
        const int code = static_cast<int>(headings.indexOf("Artigo"));
        ASSERT_GE(price, 0);
        ASSERT_GT(grid.model()->rowCount(), 1);
        article = qt::FromQ(grid.model()->index(0, code).data().toString());
        EXPECT_FALSE(grid.model()->flags(grid.model()->index(0, code)) & Qt::ItemIsEditable);
        TypeInCell(grid, 0, price, "12,5");
        refused_before = grid.model()->index(1, price).data().toString();
        TypeInCell(grid, 1, price, "-1");
        TypeInCell(grid, 1, price, "abc");
        refused_after = grid.model()->index(1, price).data().toString();
        Click(form, "&Gravar");
        EXPECT_EQ(grid.model()->index(0, price).data().toString(), "12,5000");
        Click(form, "&Sair");
      });
  Operation(2007);
  EXPECT_TRUE(script.Done());
  // The form's columns, in the order of the readings' fields; every other field is hidden.
  headings.sort();
  EXPECT_EQ(headings.join(";").toStdString(),
            "Armazem;Artigo;Contagem;Nome;Nosso Lote;Num.Série;Preço Unitário;Un.");
  EXPECT_EQ(refused_after, refused_before);
  EXPECT_EQ(Rows("SELECT DISTINCT PrecoUnitario FROM oru_ARM_Picking_Movimentos WHERE "
                 "TerminalId || '|' || DataSync = '" +
                 terminal_and_sync + "' AND Artigo = '" + article + "'"),
            std::vector<std::string>{"12.5"});
}

TEST_F(DeskCompany, ParametersEditorChoosesACodedItemAndConfirmarSavesIt) {
  QStringList categories;
  std::string chosen;
  QStringList series_offered;
  ModalScript script;
  script.Then([&](QWidget& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "Conf. Exportação/Importação de Documentos");
    auto* tree = dialog.findChild<QTreeWidget*>();
    ASSERT_NE(tree, nullptr);
    QTreeWidgetItem* transfers = nullptr;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
      categories << tree->topLevelItem(i)->text(0);
      if (tree->topLevelItem(i)->text(0) == "Parametros Importação - Transferências de Armazens") {
        transfers = tree->topLevelItem(i);
      }
    }
    ASSERT_NE(transfers, nullptr);
    ASSERT_EQ(transfers->child(0)->text(0), "Tipo de Documento");
    auto* type = qobject_cast<QComboBox*>(tree->itemWidget(transfers->child(0), 1));
    auto* series = qobject_cast<QComboBox*>(tree->itemWidget(transfers->child(1), 1));
    ASSERT_TRUE(type && series);
    EXPECT_EQ(type->currentText(), "[TRF] Transferência entre Armazéns");
    type->setFocus();
    QTest::keyClick(type, Qt::Key_Up);
    chosen = CodeOfItem(qt::FromQ(type->currentText()));
    for (int i = 0; i < series->count(); ++i) series_offered << series->itemText(i);
    Click(dialog, "&Confirmar");
  });
  Operation(2000);
  EXPECT_TRUE(script.Done());
  ASSERT_EQ(categories.size(), 6);
  EXPECT_EQ(categories.front(), "Parametros Exportação Lisboa");
  ASSERT_FALSE(chosen.empty());
  EXPECT_NE(chosen, "TRF");
  EXPECT_EQ(Rows("SELECT TRANSFDOC FROM oru_PARAMETROSEXP"), std::vector<std::string>{chosen});
  // The series item now offers the series of the type chosen.
  std::vector<std::string> expected;
  for (const std::string& row :
       Rows("SELECT SERIE || '|' || DESCR FROM NOMSERIE WHERE TIPODOC = '" + chosen + "'")) {
    expected.push_back(CodedItemText(row.substr(0, row.find('|')), row.substr(row.find('|') + 1)));
  }
  std::vector<std::string> offered;
  for (const QString& text : series_offered) offered.push_back(qt::FromQ(text));
  EXPECT_EQ(offered, expected);
}

TEST_F(DeskCompany, ParametersEditorCancelarShowsTheStoredValuesAndSairSavesNothing) {
  QString after_cancel;
  ModalScript script;
  script.Then([&](QWidget& dialog) {
    auto* tree = dialog.findChild<QTreeWidget*>();
    QTreeWidgetItem* inventory = tree->topLevelItem(2);
    ASSERT_EQ(inventory->text(0), "Parametros Importação - Inventário");
    auto* type = qobject_cast<QComboBox*>(tree->itemWidget(inventory->child(0), 1));
    type->setFocus();
    QTest::keyClick(type, Qt::Key_Down);
    EXPECT_NE(type->currentText(), "[INV] Inventário Inicial");
    Click(dialog, "C&ancelar");
    after_cancel = type->currentText();
    QTest::keyClick(type, Qt::Key_Down);
    Click(dialog, "&Sair");
  });
  Operation(2000);
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(after_cancel, "[INV] Inventário Inicial");
  EXPECT_EQ(Rows("SELECT INVENTDOC FROM oru_PARAMETROSEXP"), std::vector<std::string>{"INV"});
}

}  // namespace
}  // namespace pellora::testing
