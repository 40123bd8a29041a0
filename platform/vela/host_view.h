#ifndef PELLORA_PLATFORM_VELA_HOST_VIEW_H_
#define PELLORA_PLATFORM_VELA_HOST_VIEW_H_

#include "interfaces/host_view.h"
#include "runtime/late_bound_object.h"

namespace pellora::vela {

// The host's document view: a header with the members a view offers its add-ins and an
// optional current line.
class VelaHostView : public HostView {
 public:
  VelaHostView();

  LateBoundObject& cab() override { return cab_; }
  LateBoundPtr Linha() override { return linha_; }

  // Starts editing a new, empty line, which becomes the current one.
  LateBoundObject& NovaLinha();
  // Leaves the lines: no current line.
  void SemLinha() { linha_.reset(); }

 private:
  LateBoundObject cab_;
  LateBoundPtr linha_;
};

}  // namespace pellora::vela

#endif  // PELLORA_PLATFORM_VELA_HOST_VIEW_H_
