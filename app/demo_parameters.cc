#include "app/demo_content.h"

namespace pellora::app {
namespace {

struct Parameter {
  const char* column;
  int size;
  const char* value;
};

// The add-in's parameters in table order, with the demo company's codes.
constexpr Parameter kParameters[] = {
    {"LBXFORNBRAGA", 15, "F0900"}, {"LBXARMAZEM", 6, "A01"},      {"LBXENCFORDOC", 3, "EFO"},
    {"LBXENCFORSER", 10, "1"},     {"LBXENCFORSEC", 3, "LIS"},    {"LBXCOMFORDOC", 3, "VFA"},
    {"LBXCOMFORSER", 10, "1"},     {"LBXCOMFORSEC", 3, "LIS"},    {"LBXTPDOCPART", 3, "ECL"},
    {"LBXSERIEPART", 10, "1"},     {"BRGCLILISBOA", 15, "C0900"}, {"BRGARMAZEM", 6, "A02"},
    {"BRGENCCLIDOC", 3, "ECL"},    {"BRGENCCLISER", 10, "1"},     {"BRGENCCLISEC", 3, "BRG"},
    {"BRGTPDOCPART", 3, "FA"},     {"BRGSERIEPART", 10, "1"},     {"INVENTDOC", 3, "INV"},
    {"INVENTSER", 10, "1"},        {"INVENTSEC", 3, "ARM"},       {"QUEBRADOC", 3, "QBR"},
    {"QUEBRASER", 10, "1"},        {"QUEBRASEC", 3, "ARM"},       {"SOBRADOC", 3, "SBR"},
    {"SOBRASER", 10, "1"},         {"SOBRASEC", 3, "ARM"},        {"TRANSFDOC", 3, "TRF"},
    {"TRANSFSER", 10, "1"},        {"TRANSFSEC", 3, "ARM"},
};

}  // namespace

std::string ParametersTableDdl() {
  std::string create =
      "CREATE TABLE " + std::string(kParametersTable) + " (ID INTEGER PRIMARY KEY AUTOINCREMENT";
  for (const Parameter& p : kParameters) {
    create += ", " + std::string(p.column) + " nvarchar(" + std::to_string(p.size) + ") NOT NULL";
  }
  return create + ");\n";
}

// The one row of the parameters table.
void InsertParameters(DemoRun& run) {
  std::string columns;
  std::string placeholders;
  std::vector<std::string> values;
  for (const Parameter& p : kParameters) {
    columns += (columns.empty() ? "" : ", ") + std::string(p.column);
    placeholders += placeholders.empty() ? "?" : ", ?";
    values.push_back(p.value);
  }
  run.db.Execute(ParametersTableDdl());
  run.db.Prepare("INSERT INTO oru_PARAMETROSEXP (" + columns + ") VALUES (" + placeholders + ")")
      .RunTexts(values);
}

}  // namespace pellora::app
