#include "app/desk/company_picker.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/qt_text.h"

namespace pellora::desk {

CompanyPicker::CompanyPicker(const std::vector<std::string>& companies)
    : list_(new QListWidget(this)) {
  setWindowTitle("Pellora - Empresas");
  for (const std::string& company : companies) list_->addItem(qt::ToQ(company));
  if (!companies.empty()) list_->setCurrentRow(0);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton("Abrir", QDialogButtonBox::AcceptRole);
  buttons->addButton("Cancelar", QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("Escolha a empresa:", this));
  layout->addWidget(list_);
  layout->addWidget(buttons);
  resize(360, 300);
}

std::string CompanyPicker::Chosen() const {
  return list_->currentItem() == nullptr ? "" : qt::FromQ(list_->currentItem()->text());
}

}  // namespace pellora::desk
