#ifndef PELLORA_PLATFORM_CONSOLE_PROPERTY_GRID_SURFACE_H_
#define PELLORA_PLATFORM_CONSOLE_PROPERTY_GRID_SURFACE_H_

#include <iosfwd>
#include <string>

#include "interfaces/property_grid.h"
#include "platform/common/form_with_property_grid.h"
#include "platform/console/console_terminal.h"
#include "platform/console/form_surface.h"
#include "platform/console/property_grid.h"
#include "platform/console/property_grid_script.h"

namespace pellora::console {

// A console form with a property grid below its other controls. Shown on a terminal, it prints
// the form and the grid and reads a line at a time: an item's number (then the number of one of
// its entries, or an empty line to keep it), a button's caption, "fechar" for the close box, or
// what the form's own fields take; the end of input closes it. When the console is not
// interactive the script acts: its choices, then its button ("&Sair" when it names none). A
// choice the grid cannot make is noted and closes the window without pressing any button, so
// nothing is saved; a window the script leaves open is closed as with the close box.
class ConsolePropertyGridSurface
    : public common::FormWithPropertyGrid<ConsoleFormSurface, ConsolePropertyGrid> {
 public:
  explicit ConsolePropertyGridSurface(ConsoleTerminal terminal, PropertyGridScript script = {});

  void ShowModal() override;
  void Hide() override { visible_ = false; }

  void Render(std::ostream& out);
  // One line typed by the operator.
  void Handle(const std::string& line);
  bool Visible() const { return visible_; }

 private:
  void RunTerminal();
  void RunScript();
  void ChooseEntry(ConsolePropertyItem& item);
  void Close(const std::string& note);

  ConsoleTerminal terminal_;
  PropertyGridScript script_;
  bool visible_ = false;
};

}  // namespace pellora::console

#endif  // PELLORA_PLATFORM_CONSOLE_PROPERTY_GRID_SURFACE_H_
