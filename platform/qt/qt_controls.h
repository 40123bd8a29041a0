#ifndef PELLORA_PLATFORM_QT_QT_CONTROLS_H_
#define PELLORA_PLATFORM_QT_QT_CONTROLS_H_

#include <functional>
#include <string>

#include "interfaces/controls.h"

class QComboBox;
class QPushButton;

namespace pellora::qt {

// A QComboBox; only the operator's choice raises the click, whose handler runs off the interface
// thread (see RunOffGui).
class QtComboBox : public ComboBox {
 public:
  explicit QtComboBox(QComboBox* combo) : combo_(combo) {}

  void Clear() override;
  void AddItem(const std::string& text) override;
  long ListCount() const override;
  std::string List(long index) const override;
  long ListIndex() const override;
  void SetListIndex(long index) override;
  std::string Text() const override;
  void OnClick(std::function<void()> handler) override;

 private:
  QComboBox* combo_;
  std::function<void()> on_click_;
};

// A QPushButton whose click handler runs off the interface thread (see RunOffGui): what the
// add-in does then with the company never stops the window from drawing.
class QtPushButton : public PushButton {
 public:
  explicit QtPushButton(QPushButton* button);

  void OnClick(std::function<void()> handler) override { on_click_ = std::move(handler); }

 private:
  std::function<void()> on_click_;
};

}  // namespace pellora::qt

#endif  // PELLORA_PLATFORM_QT_QT_CONTROLS_H_
