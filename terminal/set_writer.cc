#include "terminal/set_writer.h"

#include <ctime>
#include <map>
#include <optional>

#include "dal/unit_of_work.h"
#include "importacao/reading_checks.h"
#include "runtime/field_values.h"
#include "runtime/text.h"
#include "terminal/request_error.h"
#include "terminal/stamp.h"

namespace pellora::terminal {
namespace {

constexpr char kInsertReading[] =
    "INSERT INTO oru_ARM_Picking_Movimentos (TerminalId, DataSync, Data, NumeroLinha, TpDoc, "
    "Serie, Numero, Ano, TipoMov, Tpterc, Terceiro, Artigo, Unidade, Armazem, NumeroSerie, "
    "NossoLote, VossoLote, DataValidade, Quantidade, Estado, Localizacao, Ordenaca, TpLinha, "
    "PrecoUnitario) "
    "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, ?, ?, 1, NULL)";

struct TextLessNoCase {
  bool operator()(const std::string& a, const std::string& b) const {
    return CompareTextNoCase(a, b) < 0;
  }
};

// The counterpart kind the add-in's operations look for in each kind of set.
int16_t ThirdPartyKind(char kind) {
  switch (kind) {
    case 'E':
      return 1;
    case 'S':
      return 2;
    case 'T':
      return 4;
    default:
      return 3;
  }
}

struct Article {
  std::string base_unit;
  bool lots = false, serials = false;
};

struct OrderLine {
  int line;
  std::string article;
  double pending;
};

Variant TextOrNull(const std::string& text) {
  return text.empty() ? Variant::Null() : text;
}

std::string OrderText(const OrderKey& key) {
  return key.tpdoc + "-" + key.serie + "-" + std::to_string(key.numero) + "-" +
         std::to_string(key.ano);
}

[[noreturn]] void RefuseReading(size_t position, const std::string& article,
                                const std::string& why) {
  throw RequestError(400, "Leitura " + std::to_string(position) +
                              (article.empty() ? "" : " (artigo " + article + ")") + ": " + why);
}

// One set being written: what the company knows of its articles, third party and order.
class SetWrite {
 public:
  SetWrite(DataAccess& data_access, const std::string& terminal, const SetRequest& request)
      : data_access_(data_access), terminal_(terminal), request_(request) {}

  SetAnswer Run() {
    RecordsetPtr sent = data_access_.RunWithValues(
        "SELECT DataSync, Leituras FROM oru_TerminaisConjuntos "
        "WHERE TerminalId = ? AND IdEnvio = ?",
        {terminal_, request_.id});
    if (HasRows(sent)) {
      return {false, terminal_ + "|" + FieldText(*sent, "DataSync"),
              static_cast<int>(FieldNumber(*sent, "Leituras"))};
    }
    CheckThirdParty();
    if (request_.order) LoadOrder();
    const std::vector<int> lines = LineNumbers();
    CheckTexts();
    const std::string stamp = FreeStamp();
    Insert(stamp, lines);
    CheckAsImport(stamp);
    data_access_.RunWithValues(
        "INSERT INTO oru_TerminaisConjuntos (TerminalId, IdEnvio, DataSync, Leituras) "
        "VALUES (?, ?, ?, ?)",
        {terminal_, request_.id, stamp, static_cast<int32_t>(request_.readings.size())});
    return {true, terminal_ + "|" + stamp, static_cast<int>(request_.readings.size())};
  }

 private:
  bool Exists(const std::string& sql, const std::string& code) {
    return HasRows(data_access_.RunWithValues(sql, {code}));
  }

  void CheckThirdParty() {
    const std::string& party = request_.third_party;
    if (request_.kind == 'E' && !Exists("SELECT CODIGO FROM FORNEC WHERE CODIGO = ?", party)) {
      throw RequestError(400, "O fornecedor " + party + " não existe.");
    }
    if (request_.kind == 'S' && !Exists("SELECT CODIGO FROM CLIENTES WHERE CODIGO = ?", party)) {
      throw RequestError(400, "O cliente " + party + " não existe.");
    }
    if (request_.kind == 'T' && !Exists("SELECT CODIGO FROM ARMAZENS WHERE CODIGO = ?", party)) {
      throw RequestError(400, "O armazém de destino " + party + " não existe.");
    }
  }

  // The open order's lines; RequestError when it is not an open order of the set's party.
  void LoadOrder() {
    const OrderKey& key = *request_.order;
    RecordsetPtr rows = data_access_.RunWithValues(
        "SELECT L.NUMLINHA, L.ARTIGO, L.QUANT FROM DOCGCCAB AS C "
        "INNER JOIN TPDOC AS T ON T.CODIGO = C.TPDOC "
        "INNER JOIN DOCGCLIN AS L ON L.TPDOCUM = C.TPDOC AND L.SERIE = C.SERIE "
        "AND L.ANO = C.ANO AND L.NNUMDOC = C.NNUMDOC "
        "WHERE C.TPDOC = ? AND C.SERIE = ? AND C.NNUMDOC = ? AND C.ANO = ? AND T.AREAG = 3 "
        "AND T.TPOPER = ? AND C.[CONVERT] = 0 AND C.NVIAS <> -1 AND C.TERCEIRO = ? "
        "AND L.LINANU = 0 ORDER BY L.NUMLINHA",
        {key.tpdoc, key.serie, static_cast<int32_t>(key.numero), static_cast<int32_t>(key.ano),
         static_cast<int32_t>(request_.kind == 'E' ? 1 : 2), request_.third_party});
    for (MoveToFirstRow(*rows); !rows->Eof(); rows->MoveNext()) {
      order_lines_.push_back({static_cast<int>(FieldNumber(*rows, "NUMLINHA")),
                              FieldText(*rows, "ARTIGO"), FieldNumber(*rows, "QUANT")});
    }
    if (order_lines_.empty()) {
      throw RequestError(400, "A encomenda " + OrderText(key) +
                                  " não existe, já foi satisfeita ou não é do terceiro " +
                                  request_.third_party + ".");
    }
  }

  const Article* FindArticle(const std::string& code) {
    auto known = articles_.find(code);
    if (known == articles_.end()) {
      RecordsetPtr row = data_access_.RunWithValues(
          "SELECT UNIDADE, CTLOTES, CTNSERIE FROM ARTIGOS WHERE CODIGO = ?", {code});
      std::optional<Article> article;
      if (HasRows(row)) {
        article = Article{FieldText(*row, "UNIDADE"), FieldNumber(*row, "CTLOTES") != 0,
                          FieldNumber(*row, "CTNSERIE") != 0};
      }
      known = articles_.emplace(code, article).first;
    }
    return known->second ? &*known->second : nullptr;
  }

  // The order line a reading fulfils: the one it names, else its article's first line still
  // pending, else its article's first line.
  int OrderLineOf(const ReadingRequest& reading, size_t position) {
    const OrderLine* first = nullptr;
    for (const OrderLine& line : order_lines_) {
      if (CompareTextNoCase(line.article, reading.article) != 0) continue;
      if (reading.line) {
        if (line.line == *reading.line) return line.line;
        continue;
      }
      if (line.pending > 0) return line.line;
      if (!first) first = &line;
    }
    if (first) return first->line;
    const std::string order = OrderText(*request_.order);
    RefuseReading(position, reading.article,
                  reading.line ? "a linha " + std::to_string(*reading.line) + " da encomenda " +
                                     order + " não é deste artigo."
                               : "o artigo não está na encomenda " + order + ".");
  }

  // NumeroLinha of every reading: its order line, or the position of its article's first
  // reading, so that the lots and serial numbers of one article make one document line.
  std::vector<int> LineNumbers() {
    std::vector<int> lines;
    std::map<std::string, int, TextLessNoCase> first_position;
    for (size_t i = 0; i < request_.readings.size(); ++i) {
      const ReadingRequest& reading = request_.readings[i];
      CheckTracking(reading, i + 1);
      if (request_.order) {
        lines.push_back(OrderLineOf(reading, i + 1));
      } else {
        lines.push_back(
            first_position.emplace(reading.article, static_cast<int>(i + 1)).first->second);
      }
    }
    return lines;
  }

  // Lots and serial numbers the article tracks must be read with it; unknown articles are left
  // to the import's checks, which name them.
  void CheckTracking(const ReadingRequest& reading, size_t position) {
    const Article* article = FindArticle(reading.article);
    if (!article) return;
    if (article->lots && reading.lot.empty()) {
      RefuseReading(position, reading.article, "o artigo tem lotes: indique o lote.");
    }
    if (article->serials && reading.serial.empty()) {
      RefuseReading(position, reading.article,
                    "o artigo tem números de série: indique o número de série.");
    }
    if (article->serials && reading.quantity != 1) {
      RefuseReading(position, reading.article,
                    "uma leitura com número de série conta uma unidade: a quantidade deve ser 1.");
    }
  }

  std::string UnitOf(const ReadingRequest& reading) {
    if (!reading.unit.empty()) return reading.unit;
    const Article* article = FindArticle(reading.article);
    return article ? article->base_unit : "";
  }

  // Texts too long for their columns are refused before they are written, as an import would
  // refuse them afterwards: a server engine would not take them at all.
  void CheckTexts() {
    RecordsetPtr columns = data_access_.RunWithValues(
        "SELECT Artigo, Unidade, Armazem, Terceiro, NumeroSerie, NossoLote, VossoLote, "
        "Localizacao FROM oru_ARM_Picking_Movimentos WHERE 1 = 0",
        {});
    for (size_t i = 0; i < request_.readings.size(); ++i) {
      const ReadingRequest& r = request_.readings[i];
      const std::pair<const char*, std::string> texts[] = {
          {"Artigo", r.article},           {"Unidade", UnitOf(r)},
          {"Armazem", request_.warehouse}, {"Terceiro", request_.third_party},
          {"NumeroSerie", r.serial},       {"NossoLote", r.lot},
          {"VossoLote", r.supplier_lot},   {"Localizacao", r.location}};
      for (const auto& [column, text] : texts) {
        if (auto fault = ReadingTextFault(column, text, (*columns)[column].DefinedSize())) {
          RefuseReading(i + 1, r.article, *fault);
        }
      }
    }
  }

  // The server's time, moved on by whole seconds past every stamp a set already has: no two
  // sets ever share one, so a choice of sets never catches another terminal's readings. The
  // company's write lock, held since the transaction began, keeps it free until the commit.
  std::string FreeStamp() {
    for (std::time_t moment = std::time(nullptr);; ++moment) {
      const std::string stamp = StampText(moment);
      if (!HasRows(data_access_.RunWithValues(
              "SELECT TOP(1) DataSync FROM oru_ARM_Picking_Movimentos WHERE DataSync = ?",
              {stamp}))) {
        return stamp;
      }
    }
  }

  void Insert(const std::string& stamp, const std::vector<int>& lines) {
    const OrderKey none;
    const OrderKey& order = request_.order ? *request_.order : none;
    for (size_t i = 0; i < request_.readings.size(); ++i) {
      const ReadingRequest& r = request_.readings[i];
      data_access_.RunWithValues(kInsertReading, {terminal_,
                                                  stamp,
                                                  stamp,
                                                  static_cast<int32_t>(lines[i]),
                                                  order.tpdoc,
                                                  order.serie,
                                                  static_cast<int32_t>(order.numero),
                                                  static_cast<int32_t>(order.ano),
                                                  std::string(1, request_.kind),
                                                  ThirdPartyKind(request_.kind),
                                                  request_.third_party,
                                                  r.article,
                                                  UnitOf(r),
                                                  request_.warehouse,
                                                  r.serial,
                                                  r.lot,
                                                  r.supplier_lot,
                                                  TextOrNull(r.expiry),
                                                  r.quantity,
                                                  TextOrNull(r.location),
                                                  static_cast<int32_t>(i + 1)});
    }
  }

  // The checks every import makes, on the set as written (Ordenaca is the reading's position).
  void CheckAsImport(const std::string& stamp) {
    const std::vector<ReadingFault> faults = ReadingFaultList(
        data_access_, TI_InventarioInicial, ChosenSets({"", terminal_}, {"", stamp}));
    const ReadingFault* first = nullptr;
    for (const ReadingFault& fault : faults) {
      if (!first || fault.order < first->order) first = &fault;
    }
    if (first) {
      const size_t position = static_cast<size_t>(first->order);
      RefuseReading(position, request_.readings[position - 1].article, first->text);
    }
  }

  DataAccess& data_access_;
  const std::string& terminal_;
  const SetRequest& request_;
  std::map<std::string, std::optional<Article>, TextLessNoCase> articles_;
  std::vector<OrderLine> order_lines_;
};

}  // namespace

SetAnswer SetWriter::Write(const std::string& terminal, const SetRequest& request) {
  if (request.terminal && CompareTextNoCase(*request.terminal, terminal) != 0) {
    throw RequestError(400, "O terminal " + terminal +
                                " só envia conjuntos em seu nome, não em "
                                "nome de " +
                                *request.terminal + ".");
  }
  return company_.Use([&](DataAccess& data_access) {
    return InUnitOfWork(data_access,
                        [&] { return SetWrite(data_access, terminal, request).Run(); });
  });
}

}  // namespace pellora::terminal
