#include "platform/common/report_html.h"

#include <ostream>

namespace pellora::common {
namespace {

void WriteRow(const std::vector<std::string>& cells, const char* tag, std::ostream& out) {
  out << "<tr>";
  for (const std::string& cell : cells) {
    out << "<" << tag << ">" << HtmlEscape(cell) << "</" << tag << ">";
  }
  out << "</tr>\n";
}

}  // namespace

std::string HtmlEscape(std::string_view text) {
  std::string escaped;
  for (char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      case '\'':
        escaped += "&#39;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

void WriteReportHtml(const ReportDefinition& report,
                     const std::vector<std::vector<std::string>>& rows,
                     const std::string& generated_at, std::ostream& out) {
  const std::string title = HtmlEscape(report.title);
  out << "<!DOCTYPE html>\n<html lang=\"pt\">\n<head>\n<meta charset=\"utf-8\">\n<title>" << title
      << "</title>\n<style>table{border-collapse:collapse}th,td{border:1px solid #999;"
         "padding:2px 6px}</style>\n</head>\n<body>\n<h1>"
      << title << "</h1>\n<p>Gerado em " << HtmlEscape(generated_at) << " &middot; " << rows.size()
      << " linhas</p>\n<table>\n";
  std::vector<std::string> captions;
  for (const ReportColumn& column : report.columns) captions.push_back(column.caption);
  WriteRow(captions, "th", out);
  for (const std::vector<std::string>& row : rows) WriteRow(row, "td", out);
  out << "</table>\n</body>\n</html>\n";
}

}  // namespace pellora::common
