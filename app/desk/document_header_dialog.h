#ifndef PELLORA_APP_DESK_DOCUMENT_HEADER_DIALOG_H_
#define PELLORA_APP_DESK_DOCUMENT_HEADER_DIALOG_H_

#include <QDialog>
#include <optional>

#include "app/document_view.h"

class QDateEdit;
class QLineEdit;

namespace pellora::desk {

// The header of the document the host's sales or purchase view would have open: document type,
// series, third party, date, currency and sector. "Abrir" takes it; "Cancelar" gives it up.
class DocumentHeaderDialog : public QDialog {
 public:
  explicit DocumentHeaderDialog(bool sales);

  // The header entered; nothing when the operator cancelled.
  std::optional<app::DocumentHeader> Ask();

  QLineEdit* DocType() const { return doc_type_; }
  QLineEdit* Series() const { return series_; }
  QLineEdit* ThirdParty() const { return third_party_; }
  QDateEdit* Date() const { return date_; }

 private:
  QLineEdit* doc_type_;
  QLineEdit* series_;
  QLineEdit* third_party_;
  QDateEdit* date_;
  QLineEdit* currency_;
  QLineEdit* sector_;
};

}  // namespace pellora::desk

#endif  // PELLORA_APP_DESK_DOCUMENT_HEADER_DIALOG_H_
