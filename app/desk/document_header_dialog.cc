#include "app/desk/document_header_dialog.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

#include "platform/qt/qt_text.h"
#include "runtime/date_text.h"

namespace pellora::desk {

DocumentHeaderDialog::DocumentHeaderDialog(bool sales)
    : doc_type_(new QLineEdit(sales ? "FA" : "VFA", this)),
      series_(new QLineEdit("1", this)),
      third_party_(new QLineEdit(this)),
      date_(new QDateEdit(QDate::currentDate(), this)),
      currency_(new QLineEdit("EUR", this)),
      sector_(new QLineEdit(this)) {
  setWindowTitle(sales ? "Vista de Vendas" : "Vista de Compras");
  date_->setDisplayFormat("dd-MM-yyyy");
  date_->setCalendarPopup(true);
  auto* layout = new QFormLayout(this);
  layout->addRow("Tipo de documento", doc_type_);
  layout->addRow("Série", series_);
  layout->addRow(sales ? "Cliente" : "Fornecedor", third_party_);
  layout->addRow("Data", date_);
  layout->addRow("Moeda", currency_);
  layout->addRow("Sector", sector_);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton("Abrir", QDialogButtonBox::AcceptRole);
  buttons->addButton("Cancelar", QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addRow(buttons);
}

std::optional<app::DocumentHeader> DocumentHeaderDialog::Ask() {
  if (exec() != QDialog::Accepted) return std::nullopt;
  app::DocumentHeader header;
  header.doc_type = qt::FromQ(doc_type_->text().trimmed());
  header.series = qt::FromQ(series_->text().trimmed());
  header.third_party = qt::FromQ(third_party_->text().trimmed());
  header.date = *ParseDateText(qt::FromQ(date_->date().toString("yyyy-MM-dd")));
  header.currency = qt::FromQ(currency_->text().trimmed());
  header.sector = qt::FromQ(sector_->text().trimmed());
  return header;
}

}  // namespace pellora::desk
