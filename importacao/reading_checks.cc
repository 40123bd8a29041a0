#include "importacao/reading_checks.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <tuple>

#include "runtime/convert.h"
#include "runtime/field_values.h"
#include "runtime/recordset.h"
#include "runtime/text.h"

namespace pellora {
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
  return ReadingTextFault(field.Name(), CStr(value), field.DefinedSize());
}

// A counted zero is a reading like any other: an inventory makes no line of it, an adjustment
// counts it, the other imports place nothing. A positive quantity must survive the four decimals
// (Currency) that the imports keep a reading's quantity in, or the reading would be marked with
// nothing in any document.
std::optional<std::string> QuantityFault(const Variant& value) {
  if (value.IsNull() || value.IsEmpty()) return "a leitura não indica a quantidade.";
  const std::optional<double> number = value.NumberValue();
  if (!number || std::isnan(*number)) {
    // A server's float column holds NaN as a number, a file holds the text: both read "NaN".
    return "a quantidade " + (number ? std::string("NaN") : Shown(CStr(value))) +
           " não é um número.";
  }
  if (*number < 0) return "a quantidade " + CStr(value) + " não é válida: não pode ser negativa.";
  if (!std::isfinite(*number) || *number > kLargestQuantity) {
    return "a quantidade " + CStr(value) + " é demasiado grande.";
  }
  if (*number > 0 && Currency::FromDouble(*number).scaled == 0) {
    return "a quantidade " + CStr(value) +
           " é demasiado pequena: com quatro casas decimais fica 0.";
  }
  return std::nullopt;
}

// The columns of the checked readings, found once for every row.
struct ReadingFields {
  explicit ReadingFields(Recordset& readings)
      : terminal(readings["TerminalId"]),
        sync(readings["DataSync"]),
        line(readings["NumeroLinha"]),
        order(readings["Ordenaca"]),
        quantity(readings["Quantidade"]),
        article(readings["Artigo"]),
        warehouse(readings["Armazem"]),
        unit(readings["Unidade"]),
        article_record(readings["ArtigoFicha"]),
        warehouse_record(readings["ArmazemFicha"]),
        units{readings["UnBase"], readings["UnEmbalagem"], readings["UnTransporte"]} {
    for (const char* column : kReadingTexts) texts.push_back(readings[column]);
  }

  Field terminal, sync, line, order, quantity, article, warehouse, unit, article_record,
      warehouse_record;
  Field units[3];
  std::vector<Field> texts;
};

std::string Text(const Field& field) {
  return Concat(field.Value(), Variant());
}

std::optional<std::string> ArticleFault(const ReadingFields& reading) {
  const std::string article = Text(reading.article);
  if (article.empty()) return "a leitura não indica o artigo.";
  if (reading.article_record.Value().IsNull()) return "o artigo " + article + " não existe.";
  const std::string warehouse = Text(reading.warehouse);
  if (warehouse.empty()) return "a leitura não indica o armazém.";
  if (reading.warehouse_record.Value().IsNull()) {
    return "o armazém " + warehouse + " não existe.";
  }
  const std::string unit = Text(reading.unit);
  if (unit.empty()) return "a leitura não indica a unidade.";
  std::string units;
  for (const Field& field : reading.units) {
    const std::string known = Text(field);
    if (known.empty()) continue;
    if (CompareTextNoCase(known, unit) == 0) return std::nullopt;
    units += (units.empty() ? "" : ", ") + known;
  }
  return "a unidade " + unit + " não é do artigo " + article + " (" + units + ").";
}

// The pending readings the import will load, with what the company knows of their article and
// warehouse: the same lists as the import's.
std::string PendingReadingsSql(const ChosenSets& sets) {
  std::string columns;
  for (const char* column : kReadingTexts) columns += std::string(", M.[") + column + "]";
  return "SELECT M.[TerminalId], M.[DataSync], M.[NumeroLinha], M.[Ordenaca], M.[Quantidade]" +
         columns +
         ", A.[CODIGO] AS ArtigoFicha, A.[UNIDADE] AS UnBase, A.[UNEMB] AS UnEmbalagem, "
         "A.[UNTRANS] AS UnTransporte, W.[CODIGO] AS ArmazemFicha "
         "FROM oru_ARM_Picking_Movimentos AS M "
         "LEFT OUTER JOIN ARTIGOS AS A ON A.[CODIGO] = M.[Artigo] "
         "LEFT OUTER JOIN ARMAZENS AS W ON W.[CODIGO] = M.[Armazem] "
         "WHERE " +
         sets.InLists() + " AND M.[Estado] = 0";
}

std::optional<std::string> FaultOf(const ReadingFields& reading) {
  std::optional<std::string> fault;
  for (const Field& text : reading.texts) {
    if (!fault) fault = TextFault(text);
  }
  if (!fault) fault = ArticleFault(reading);
  if (!fault) fault = QuantityFault(reading.quantity.Value());
  return fault;
}

}  // namespace

std::optional<std::string> ReadingTextFault(const std::string& column, const std::string& text,
                                            long defined_size) {
  if (HasControlCharacters(text)) return "o campo " + column + " tem caracteres de controlo.";
  if (defined_size > 0 && Utf16Length(text) > static_cast<size_t>(defined_size)) {
    return "o campo " + column + " tem mais de " + std::to_string(defined_size) +
           " caracteres: " + text + ".";
  }
  return std::nullopt;
}

std::vector<ReadingFault> ReadingFaultList(DataAccess& data_access, TipoImportacao kind,
                                           const ChosenSets& sets) {
  std::vector<ReadingFault> faults;
  if (kind == TI_AnularPicagens) return faults;
  RecordsetPtr readings;
  data_access.OpenRecordset("ReadingFaults", PendingReadingsSql(sets), readings, true, 0);
  const ReadingFields reading(*readings);
  for (MoveToFirstRow(*readings); !readings->Eof(); readings->MoveNext()) {
    if (std::optional<std::string> fault = FaultOf(reading)) {
      const Variant line = reading.line.Value();
      const Variant order = reading.order.Value();
      faults.push_back(ReadingFault{Text(reading.sync), Text(reading.terminal),
                                    line.IsNull() ? 0.0 : CDbl(line), Text(reading.line),
                                    order.IsNull() ? 0.0 : CDbl(order), std::move(*fault)});
    }
  }
  std::sort(faults.begin(), faults.end(), [](const ReadingFault& a, const ReadingFault& b) {
    return std::tie(a.sync, a.terminal, a.line) < std::tie(b.sync, b.terminal, b.line);
  });
  return faults;
}

std::string ReadingFaults(DataAccess& data_access, TipoImportacao kind, const ChosenSets& sets) {
  const std::vector<ReadingFault> faults = ReadingFaultList(data_access, kind, sets);
  std::string text;
  for (size_t i = 0; i < faults.size() && i < kMostFaultsShown; ++i) {
    const ReadingFault& fault = faults[i];
    text += std::string(text.empty() ? "" : "\n") + "Conjunto " + fault.terminal + "|" +
            fault.sync + ", linha " + fault.line_text + ": " + fault.text;
  }
  if (faults.size() > kMostFaultsShown) {
    text += "\nE mais " + std::to_string(faults.size() - kMostFaultsShown) + " leituras com erros.";
  }
  return text;
}

}  // namespace pellora
