#ifndef PELLORA_RUNTIME_TECHNICAL_DETAIL_H_
#define PELLORA_RUNTIME_TECHNICAL_DETAIL_H_

#include <functional>
#include <string>

namespace pellora {

// The technical detail of a failure that the operator is told of in his own words: a database
// engine's message and the statement that met it. Messages never carry it; the program hands
// it to whoever asked to see it (a trace, a verbose console).
using TechnicalDetailSink = std::function<void(const std::string& detail)>;

// Injected by the program; without one the detail is dropped.
void SetTechnicalDetailSink(TechnicalDetailSink sink);
void ReportTechnicalDetail(const std::string& detail);

}  // namespace pellora

#endif  // PELLORA_RUNTIME_TECHNICAL_DETAIL_H_
