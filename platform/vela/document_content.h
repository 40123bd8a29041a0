#ifndef PELLORA_PLATFORM_VELA_DOCUMENT_CONTENT_H_
#define PELLORA_PLATFORM_VELA_DOCUMENT_CONTENT_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/vela/host_members.h"
#include "runtime/late_bound_object.h"

namespace pellora::vela {

// What a host document holds before it is inserted: the header, the lines in the order they
// were added (numbered 1, 2, ...), and the lot and serial-number entries tied to those lines by
// NumeroLinhaDocComercial.
struct DocumentContent {
  LateBoundObject cab = NewHeader();
  std::vector<LateBoundPtr> lines;
  std::vector<LateBoundPtr> lots;
  std::vector<LateBoundPtr> serials;
  int16_t origem = 1;

  // The line whose NumeroDaLinha is `number`; nullptr when there is none.
  const LateBoundObject* FindLine(int32_t number) const;
  // The line an entry is tied to; nullptr when its NumeroLinhaDocComercial names no line.
  const LateBoundObject* LineOf(const LateBoundObject& entry) const;
};

// An entry's campos(field), or the line's `line_member` when the entry leaves it blank.
std::string EntryField(const LateBoundObject& entry, std::string_view field,
                       const LateBoundObject& line, std::string_view line_member);

}  // namespace pellora::vela

#endif  // PELLORA_PLATFORM_VELA_DOCUMENT_CONTENT_H_
