#ifndef PELLORA_APP_DESK_ARCHIVE_WINDOW_H_
#define PELLORA_APP_DESK_ARCHIVE_WINDOW_H_

#include <QDialog>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <string>

#include "app/command_context.h"
#include "interfaces/component_factory.h"
#include "support/cl_arquivo_digital.h"

class QComboBox;
class QTableView;

namespace pellora::qt {
class SelectionGridModel;
}

namespace pellora::desk {

// The digital archive of one article's technical sheets: its documents in a table, and the
// archive's own members behind the buttons: "Adicionar..." (a file picker, then the language and
// the title), "Renomear", "Remover", "Abrir" (the document written to a folder of its own and
// handed to the desktop). What reads or writes the company runs off the interface thread; an
// error it ends with is shown, and the window stays.
class ArchiveWindow : public QDialog {
 public:
  ArchiveWindow(const app::CommandContext& context, ComponentFactory& components);

  // The article's documents again.
  void List();
  // What "Adicionar..." does once the operator has chosen: false when the archive refused it.
  bool AddFile(const std::string& file, const std::string& language, const std::string& title);
  // The document number of the selected row; 0 when none is selected.
  int32_t SelectedNumber() const;
  void Rename();
  void Remove();
  void Open();

  QComboBox* Article() const { return article_; }
  QTableView* Table() const { return table_; }

 private:
  void AskAndAdd();
  // Runs `work` off the interface thread; false, the error shown, when it failed.
  bool Work(const std::function<void()>& work);

  std::shared_ptr<Dialogs> dialogs_;
  Cl_ArquivoDigital arquivo_;
  QTemporaryDir opened_;
  QComboBox* article_;
  qt::SelectionGridModel* documents_;
  QTableView* table_;
};

}  // namespace pellora::desk

#endif  // PELLORA_APP_DESK_ARCHIVE_WINDOW_H_
