#ifndef PELLORA_APP_DESK_COMPANY_PICKER_H_
#define PELLORA_APP_DESK_COMPANY_PICKER_H_

#include <QDialog>
#include <string>
#include <vector>

class QListWidget;

namespace pellora::desk {

// The host's company choice: the configured companies in a list; "Abrir" (or a double click)
// opens the selected one.
class CompanyPicker : public QDialog {
 public:
  explicit CompanyPicker(const std::vector<std::string>& companies);

  std::string Chosen() const;
  QListWidget* List() const { return list_; }

 private:
  QListWidget* list_;
};

}  // namespace pellora::desk

#endif  // PELLORA_APP_DESK_COMPANY_PICKER_H_
