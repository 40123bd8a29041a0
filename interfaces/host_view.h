#ifndef PELLORA_INTERFACES_HOST_VIEW_H_
#define PELLORA_INTERFACES_HOST_VIEW_H_

#include <memory>

#include "runtime/late_bound_object.h"

namespace pellora {

// The host's view object (oApi) of a sales or purchase document open on screen, handed to the
// add-in's view operations and line validation: the document's header `cab` and, while a line
// is being edited, that line. Both are late-bound, addressed by the host's member names.
class HostView {
 public:
  virtual ~HostView() = default;
  virtual LateBoundObject& cab() = 0;
  // The current line; nullptr when there is none.
  virtual LateBoundPtr Linha() = 0;
};

using HostViewPtr = std::shared_ptr<HostView>;

}  // namespace pellora

#endif  // PELLORA_INTERFACES_HOST_VIEW_H_
