#ifndef PELLORA_TESTS_FORMS_SCRIPTED_CONTROLS_H_
#define PELLORA_TESTS_FORMS_SCRIPTED_CONTROLS_H_

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "interfaces/controls.h"
#include "interfaces/dialogs.h"
#include "runtime/error.h"
#include "runtime/recordset.h"

namespace pellora::testing {

// A list the forms fill and choose in.
class ScriptedComboBox : public ComboBox {
 public:
  std::vector<std::string> items;
  long index = -1;

  void Clear() override {
    items.clear();
    index = -1;
  }
  void AddItem(const std::string& text) override { items.push_back(text); }
  long ListCount() const override { return static_cast<long>(items.size()); }
  std::string List(long at) const override { return items.at(at); }
  long ListIndex() const override { return index; }
  void SetListIndex(long at) override {
    if (at < -1 || at >= ListCount()) throw Error(380, "ComboBox", "index");
    index = at;
  }
  std::string Text() const override { return index < 0 ? "" : items.at(index); }
  void OnClick(std::function<void()>) override {}
};

class ScriptedPushButton : public PushButton {
 public:
  std::function<void()> on_click;
  void OnClick(std::function<void()> handler) override { on_click = std::move(handler); }
};

// Bound to the Recordset as the real grid is: an accepted value is written to the record.
class ScriptedDataGrid : public DataGrid {
 public:
  RecordsetPtr bound;
  std::map<std::string, GridColumn> columns;  // by field name as the form gives it
  BeforeUpdate before_update;

  // The operator types `text` into a cell; answers whether the grid took it.
  bool Type(long row, const std::string& field, const std::string& text) {
    bool cancel = false;
    before_update(field, Variant(text), cancel);
    if (cancel) return false;
    Cell(row, field).SetValue(Variant(text));
    bound->Update();
    return true;
  }

  void SetStyleFont(const std::string&, const std::string&) override {}
  void SetRedraw(bool) override {}
  void Bind(RecordsetPtr recordset) override {
    bound = std::move(recordset);
    columns.clear();
  }
  void SetColumn(const std::string& field, const GridColumn& column) override {
    columns[field] = column;
  }
  void OnBeforeUpdate(BeforeUpdate handler) override { before_update = std::move(handler); }
  long RowCount() override { return bound->RecordCount(); }
  Variant CellValue(long row, const std::string& field) override {
    return Cell(row, field).Value();
  }
  Variant CellLoadedValue(long row, const std::string& field) override {
    return Cell(row, field).OriginalValue();
  }

 private:
  Field Cell(long row, const std::string& field) {
    bound->SetAbsolutePosition(row + 1);
    return bound->Fields(field);
  }
};

// A form (FormSurface or a kind of it) whose modal run is the test's scenario; a form the
// scenario leaves open is closed as with its close box.
template <typename Surface>
class ScriptedSurface : public Surface {
 public:
  std::string caption;
  std::map<std::string, std::unique_ptr<ScriptedComboBox>> combos;     // by label
  std::map<std::string, std::unique_ptr<ScriptedPushButton>> buttons;  // by caption
  std::unique_ptr<ScriptedDataGrid> grid;
  std::function<void(ScriptedSurface&)> scenario = [](ScriptedSurface&) {};
  int shown = 0;
  bool visible = false;

  ScriptedComboBox& Combo(const std::string& label) { return *combos.at(label); }
  void Press(const std::string& button) { buttons.at(button)->on_click(); }

  void SetCaption(const std::string& text) override { caption = text; }
  ComboBox& AddComboBox(const std::string& label) override {
    return *(combos[label] = std::make_unique<ScriptedComboBox>());
  }
  PushButton& AddPushButton(const std::string& text) override {
    return *(buttons[text] = std::make_unique<ScriptedPushButton>());
  }
  DataGrid& AddDataGrid() override {
    grid = std::make_unique<ScriptedDataGrid>();
    return *grid;
  }
  void ShowModal() override {
    ++shown;
    visible = true;
    scenario(*this);
    visible = false;
  }
  void Hide() override { visible = false; }
  void SetKeyPreview(FormSurface::KeyPress) override {}
  void MoveFocusNext() override {}
};
using ScriptedFormSurface = ScriptedSurface<FormSurface>;

// Records every message box; answers OK.
class RecordingDialogs : public Dialogs {
 public:
  struct Box {
    std::string prompt;
    int buttons;
    std::string title;
  };
  std::vector<Box> boxes;

  int MsgBox(const std::string& prompt, int buttons, const std::string& title) override {
    boxes.push_back({prompt, buttons, title});
    return vbOK;
  }
  std::string InputBox(const std::string&, const std::string&, const std::string&) override {
    return "";
  }
};

}  // namespace pellora::testing

#endif  // PELLORA_TESTS_FORMS_SCRIPTED_CONTROLS_H_
