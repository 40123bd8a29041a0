#ifndef PELLORA_PLATFORM_QT_FORM_WINDOW_H_
#define PELLORA_PLATFORM_QT_FORM_WINDOW_H_

#include <QDialog>
#include <functional>

#include "interfaces/controls.h"

class QComboBox;
class QFormLayout;
class QGroupBox;
class QHBoxLayout;
class QPushButton;
class QTableView;
class QVBoxLayout;

namespace pellora::qt {

// The window of one of the add-in's forms: the combo boxes framed with their labels, then any
// grid or other wide control, then the push buttons in a row. With a key preview set it sees
// every key press of its controls first, before the control that has the focus, a grid's cell
// being typed in included.
class FormWindow : public QDialog {
 public:
  FormWindow();

  QComboBox* AddCombo(const QString& label);
  QPushButton* AddButton(const QString& caption);
  // A wide control below the fields, such as a grid.
  void AddWide(QWidget* widget);
  void SetKeyPreview(FormSurface::KeyPress handler) { key_preview_ = std::move(handler); }
  // To the following field in tab order; in a grid, the cell being typed keeps what was typed
  // and the same column of the next row is the following field, until the last row.
  void MoveFocusNext();

  // The controls, found as the operator finds them: by label or caption (without "&").
  QComboBox* Combo(const QString& label) const;
  QPushButton* Button(const QString& caption) const;
  QTableView* Grid() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QGroupBox* fields_;
  QFormLayout* field_layout_;
  QVBoxLayout* wide_layout_;
  QHBoxLayout* button_layout_;
  FormSurface::KeyPress key_preview_;
};

}  // namespace pellora::qt

#endif  // PELLORA_PLATFORM_QT_FORM_WINDOW_H_
