#ifndef PELLORA_APP_DOCUMENT_VIEW_H_
#define PELLORA_APP_DOCUMENT_VIEW_H_

#include <string>

#include "interfaces/host_view.h"
#include "runtime/date.h"
#include "solucao/solucao.h"

namespace pellora::app {

// The header of the document the operator has open in a host sales or purchase view.
struct DocumentHeader {
  std::string doc_type;
  std::string series;
  std::string third_party;
  Date date;
  std::string currency = "EUR";
  std::string sector;
};

// The host's view on a new document with that header.
HostViewPtr DocumentView(const DocumentHeader& header);

// The import operation of the view, as the host calls it: 2003 from a sales view, 2004 from a
// purchase view.
void RunViewOperation(Solucao& solucao, HostViewPtr view, bool sales, const std::string& company,
                      const std::string& user);

}  // namespace pellora::app

#endif  // PELLORA_APP_DOCUMENT_VIEW_H_
