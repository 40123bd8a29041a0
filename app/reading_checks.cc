#include "app/reading_checks.h"

#include <cmath>
#include <optional>

#include "runtime/convert.h"
#include "runtime/field_values.h"
#include "runtime/recordset.h"
#include "runtime/text.h"

namespace pellora::app {
namespace {

constexpr size_t kMostFaultsShown = 10;
// More units than any warehouse counts: beyond it a quantity is a terminal's fault, and prices
// times quantities would leave the range of the documents' totals.
constexpr double kLargestQuantity = 1e9;

constexpr const char* kReadingTexts[] = {"Artigo",    "Armazem",      "Unidade",     "Terceiro",
                                         "TpDoc",     "Serie",        "NumeroSerie", "NossoLote",
                                         "VossoLote", "DataValidade", "Localizacao"};

// The length SQL Server gives an nvarchar value: UTF-16 code units.
size_t Utf16Length(const std::string& text) {
  size_t length = 0;
  for (unsigned char byte : text) {
    if ((byte & 0xC0) != 0x80) ++length;  // each code point
    if ((byte & 0xF8) == 0xF0) ++length;  // and a second unit beyond the BMP
  }
  return length;
}

bool HasControlCharacters(const std::string& text) {
  for (unsigned char byte : text) {
    if (byte < 0x20 || byte == 0x7F) return true;
  }
  return false;
}

std::string Shown(const std::string& text) {
  return HasControlCharacters(text) ? "com caracteres de controlo" : text;
}

std::optional<std::string> TextFault(const Field& field) {
  const Variant value = field.Value();
  if (!value.IsString()) return std::nullopt;
  const std::string text = CStr(value);
  if (HasControlCharacters(text)) {
    return "o campo " + field.Name() + " tem caracteres de controlo.";
  }
  if (field.DefinedSize() > 0 && Utf16Length(text) > static_cast<size_t>(field.DefinedSize())) {
    return "o campo " + field.Name() + " tem mais de " + std::to_string(field.DefinedSize()) +
           " caracteres: " + text + ".";
  }
  return std::nullopt;
}

std::optional<std::string> QuantityFault(const Variant& value, bool zero_counts) {
  if (value.IsNull() || value.IsEmpty()) return "a leitura não indica a quantidade.";
  const std::optional<double> number = value.NumberValue();
  if (!number || std::isnan(*number)) {
    return "a quantidade " + Shown(CStr(value)) + " não é um número.";
  }
  if (*number < 0 || (*number == 0 && !zero_counts)) {
    return "a quantidade " + CStr(value) + " não é válida: deve ser positiva.";
  }
  if (!std::isfinite(*number) || *number > kLargestQuantity) {
    return "a quantidade " + CStr(value) + " é demasiado grande.";
  }
  return std::nullopt;
}

std::optional<std::string> ArticleFault(Recordset& reading) {
  const std::string article = FieldText(reading, "Artigo");
  if (article.empty()) return "a leitura não indica o artigo.";
  if (reading["ArtigoFicha"].Value().IsNull()) return "o artigo " + article + " não existe.";
  const std::string warehouse = FieldText(reading, "Armazem");
  if (warehouse.empty()) return "a leitura não indica o armazém.";
  if (reading["ArmazemFicha"].Value().IsNull()) {
    return "o armazém " + warehouse + " não existe.";
  }
  const std::string unit = FieldText(reading, "Unidade");
  if (unit.empty()) return "a leitura não indica a unidade.";
  std::string units;
  for (const char* column : {"UnBase", "UnEmbalagem", "UnTransporte"}) {
    const std::string known = FieldText(reading, column);
    if (known.empty()) continue;
    if (CompareTextNoCase(known, unit) == 0) return std::nullopt;
    units += (units.empty() ? "" : ", ") + known;
  }
  return "a unidade " + unit + " não é do artigo " + article + " (" + units + ").";
}

std::string PendingReadingsSql(const std::string& terminal, const std::string& sync) {
  std::string columns;
  for (const char* column : kReadingTexts) columns += std::string(", M.[") + column + "]";
  return "SELECT M.[NumeroLinha], M.[Quantidade]" + columns +
         ", A.[CODIGO] AS ArtigoFicha, A.[UNIDADE] AS UnBase, A.[UNEMB] AS UnEmbalagem, "
         "A.[UNTRANS] AS UnTransporte, W.[CODIGO] AS ArmazemFicha "
         "FROM oru_ARM_Picking_Movimentos AS M "
         "LEFT OUTER JOIN ARTIGOS AS A ON A.[CODIGO] = M.[Artigo] "
         "LEFT OUTER JOIN ARMAZENS AS W ON W.[CODIGO] = M.[Armazem] "
         "WHERE M.[TerminalId] = N'" +
         QuoteEscape(terminal) + "' AND M.[DataSync] = N'" + QuoteEscape(sync) +
         "' AND M.[Estado] = 0 ORDER BY M.[NumeroLinha]";
}

}  // namespace

std::string ReadingFaults(DataAccess& data_access, TipoImportacao kind,
                          const std::vector<std::string>& terminals,
                          const std::vector<std::string>& syncs) {
  if (kind == TI_AnularPicagens) return "";
  std::vector<std::string> faults;
  for (size_t set = 1; set < terminals.size(); ++set) {
    RecordsetPtr readings;
    data_access.OpenRecordset("ReadingFaults", PendingReadingsSql(terminals[set], syncs[set]),
                              readings, true, 0);
    for (readings->MoveFirst(); !readings->Eof(); readings->MoveNext()) {
      Recordset& reading = *readings;
      std::optional<std::string> fault;
      for (const char* column : kReadingTexts) {
        if (!fault) fault = TextFault(reading[column]);
      }
      if (!fault) fault = ArticleFault(reading);
      if (!fault) {
        fault = QuantityFault(reading["Quantidade"].Value(), kind == TI_AcertoInventario);
      }
      if (fault) {
        faults.push_back("Conjunto " + terminals[set] + "|" + syncs[set] + ", linha " +
                         FieldText(reading, "NumeroLinha") + ": " + *fault);
      }
    }
  }
  std::string text;
  for (size_t i = 0; i < faults.size() && i < kMostFaultsShown; ++i) text += faults[i] + "\n";
  if (faults.size() > kMostFaultsShown) {
    text += "E mais " + std::to_string(faults.size() - kMostFaultsShown) + " leituras com erros.\n";
  }
  return text;
}

}  // namespace pellora::app
