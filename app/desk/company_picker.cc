#include "app/desk/company_picker.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/qt_text.h"
#include "platform/qt/screen_size.h"

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
  auto* label = new QLabel("&Escolha a empresa:", this);
  label->setBuddy(list_);
  layout->addWidget(label);
  layout->addWidget(list_);
  layout->addWidget(buttons);
  resize(qt::TextSize(*this, 50, 18));
}

std::string CompanyPicker::Chosen() const {
  return list_->currentItem() == nullptr ? "" : qt::FromQ(list_->currentItem()->text());
}

}  // namespace pellora::desk
