#ifndef PELLORA_PLATFORM_VELA_HOST_MEMBERS_H_
#define PELLORA_PLATFORM_VELA_HOST_MEMBERS_H_

#include "runtime/late_bound_object.h"

namespace pellora::vela {

// The host's late-bound objects, each with the fixed member list the host offers; any other
// member name fails with 438.

// A document header (`cab`).
LateBoundObject NewHeader();
// A document line.
LateBoundPtr NewLine();
// A lot entry; its child "campos" holds the lot's fields.
LateBoundPtr NewLot();
// A serial-number entry; its child "campos" holds the serial number's fields.
LateBoundPtr NewSerial();

}  // namespace pellora::vela

#endif  // PELLORA_PLATFORM_VELA_HOST_MEMBERS_H_
