#include "runtime/technical_detail.h"

#include <utility>

namespace pellora {
namespace {

TechnicalDetailSink& Sink() {
  static TechnicalDetailSink sink;
  return sink;
}

}  // namespace

void SetTechnicalDetailSink(TechnicalDetailSink sink) {
  Sink() = std::move(sink);
}

void ReportTechnicalDetail(const std::string& detail) {
  if (Sink()) Sink()(detail);
}

}  // namespace pellora
