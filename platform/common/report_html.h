#ifndef PELLORA_PLATFORM_COMMON_REPORT_HTML_H_
#define PELLORA_PLATFORM_COMMON_REPORT_HTML_H_

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "platform/common/report_definition.h"

namespace pellora::common {

// Text with &, <, >, " and ' written as HTML character references.
std::string HtmlEscape(std::string_view text);

// A whole HTML page: the report's title, when it was produced, and a table with a header of the
// captions and one row per entry of `rows` (cells in the order of the report's columns).
void WriteReportHtml(const ReportDefinition& report,
                     const std::vector<std::vector<std::string>>& rows,
                     const std::string& generated_at, std::ostream& out);

}  // namespace pellora::common

#endif  // PELLORA_PLATFORM_COMMON_REPORT_HTML_H_
