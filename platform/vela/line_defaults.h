#ifndef PELLORA_PLATFORM_VELA_LINE_DEFAULTS_H_
#define PELLORA_PLATFORM_VELA_LINE_DEFAULTS_H_

#include <map>
#include <optional>
#include <string>

#include "interfaces/data_access.h"
#include "platform/vela/document_type.h"
#include "runtime/late_bound_object.h"
#include "runtime/variant.h"

namespace pellora::vela {

// The host's defaults for the lines of one document. Each article is read from the catalogue
// once per document: a count names the same articles on many lines.
class LineDefaults {
 public:
  explicit LineDefaults(DataAccess& data_access) : data_access_(data_access) {}

  // Fills `line` with the defaults for its Artigo: description, unit, factor 1, tax rate, and the
  // unit price of the document's side (the sale price for sales, with or without tax as the
  // header's IvaIncluido says; the last purchase price otherwise). A line without article or
  // with an unknown one is left as it is.
  void Suggest(const LateBoundObject& cab, LateBoundObject& line);

 private:
  struct Article {
    Variant name, unit, tax;
    double price = 0;
  };

  // The ARTIGOS column that prices a line of this document.
  const char* PriceColumn(const LateBoundObject& cab);
  const std::optional<Article>& Find(const std::string& code, const char* price_column);

  DataAccess& data_access_;
  std::map<std::string, std::optional<DocumentType>> types_;
  std::map<std::string, std::optional<Article>> articles_;  // by price column and code
};

}  // namespace pellora::vela

#endif  // PELLORA_PLATFORM_VELA_LINE_DEFAULTS_H_
