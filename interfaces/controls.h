#ifndef PELLORA_INTERFACES_CONTROLS_H_
#define PELLORA_INTERFACES_CONTROLS_H_

#include <functional>
#include <memory>
#include <string>

#include "runtime/recordset.h"
#include "runtime/variant.h"

namespace pellora {

// The controls the add-in's forms are written over. How they are drawn is the implementation's
// business; the forms only fill them, read them and react to their events. Each event has one
// handler, as a VB event procedure: subscribing again replaces it.

// A drop-down list of texts.
class ComboBox {
 public:
  virtual ~ComboBox() = default;
  virtual void Clear() = 0;
  virtual void AddItem(const std::string& text) = 0;
  virtual long ListCount() const = 0;
  virtual std::string List(long index) const = 0;
  // -1 when no item is selected. Setting it from code raises no click.
  virtual long ListIndex() const = 0;
  virtual void SetListIndex(long index) = 0;
  // The selected item's text; empty without a selection.
  virtual std::string Text() const = 0;
  // Raised when the operator chooses an item (after ListIndex has changed).
  virtual void OnClick(std::function<void()> handler) = 0;
};

class PushButton {
 public:
  virtual ~PushButton() = default;
  virtual void OnClick(std::function<void()> handler) = 0;
};

// How one field of the bound Recordset shows in a data grid. Width is in twips.
struct GridColumn {
  std::string caption;
  int width = 0;
  std::string number_format;
  bool hidden = false;
  bool locked = false;
};

// A grid bound to a Recordset: one row per record, one column per field. An accepted cell change
// is written to the record; the loaded value stays readable beside the current one.
class DataGrid {
 public:
  // Before a typed value reaches a cell of `field`; setting `cancel` refuses it.
  using BeforeUpdate =
      std::function<void(const std::string& field, const Variant& value, bool& cancel)>;

  virtual ~DataGrid() = default;
  // The font of a named style ("Normal" for the cells, "Heading" for the column captions).
  virtual void SetStyleFont(const std::string& style, const std::string& font) = 0;
  // Repainting off while the grid is rebuilt or walked; on paints it again.
  virtual void SetRedraw(bool on) = 0;
  // Every field becomes a visible, editable column captioned with the field's name.
  virtual void Bind(RecordsetPtr recordset) = 0;
  virtual void SetColumn(const std::string& field, const GridColumn& column) = 0;
  virtual void OnBeforeUpdate(BeforeUpdate handler) = 0;
  // Data rows, from 0.
  virtual long RowCount() = 0;
  virtual Variant CellValue(long row, const std::string& field) = 0;
  virtual Variant CellLoadedValue(long row, const std::string& field) = 0;
};

// A form window that hosts the controls, in tab order.
class FormSurface {
 public:
  // Sees a key press before the focused control; setting the key to 0 swallows it.
  using KeyPress = std::function<void(int& key_ascii)>;

  virtual ~FormSurface() = default;
  virtual void SetCaption(const std::string& caption) = 0;
  // The controls live as long as the surface. A combo box carries the caption of its label.
  virtual ComboBox& AddComboBox(const std::string& label) = 0;
  virtual PushButton& AddPushButton(const std::string& caption) = 0;
  virtual DataGrid& AddDataGrid() = 0;
  // Shows the form modally; returns when it is hidden or closed with its close box.
  virtual void ShowModal() = 0;
  virtual void Hide() = 0;
  // Key preview: the handler sees every key press first.
  virtual void SetKeyPreview(KeyPress handler) = 0;
  // Moves the focus to the following field in tab order, as a Tab key press does.
  virtual void MoveFocusNext() = 0;
};

using FormSurfacePtr = std::unique_ptr<FormSurface>;

}  // namespace pellora

#endif  // PELLORA_INTERFACES_CONTROLS_H_
