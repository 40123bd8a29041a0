// The least work an import of reading sets can do, written straight on SQLite: the readings of
// the chosen sets joined to the article tables as the loaders join them, one document header,
// one document line per reading (per article, unit, warehouse, serial number and lot for an
// inventory) with its stock effect on ARTARM and ARTIGOS, and each reading
// marked imported; prepared statements and one transaction, at the data access's durability.

#ifndef PELLORA_BENCH_DIRECT_IMPORT_H_
#define PELLORA_BENCH_DIRECT_IMPORT_H_

#include <sqlite3.h>

#include <chrono>
#include <map>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "bench/bench_support.h"

namespace pellora::bench {

// One prepared statement; Bind* by position from 1, Step runs it, Reset readies the next run.
class Statement {
 public:
  Statement(sqlite3* db, const std::string& sql) : db_(db) {
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement_, nullptr) != SQLITE_OK) {
      throw std::runtime_error(std::string(sqlite3_errmsg(db)) + " in: " + sql.substr(0, 200));
    }
  }
  ~Statement() { sqlite3_finalize(statement_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  Statement& Bind(int index, const std::string& text) {
    sqlite3_bind_text(statement_, index, text.c_str(), static_cast<int>(text.size()),
                      SQLITE_TRANSIENT);
    return *this;
  }
  Statement& Bind(int index, double value) {
    sqlite3_bind_double(statement_, index, value);
    return *this;
  }
  Statement& Bind(int index, long long value) {
    sqlite3_bind_int64(statement_, index, value);
    return *this;
  }
  // True while there is a row to read.
  bool Step() {
    const int code = sqlite3_step(statement_);
    if (code == SQLITE_ROW) return true;
    if (code != SQLITE_DONE) throw std::runtime_error(sqlite3_errmsg(db_));
    return false;
  }
  // Runs a statement that returns no rows and readies it for the next values.
  void Run() {
    Step();
    sqlite3_reset(statement_);
  }
  std::string Text(int column) const {
    const unsigned char* text = sqlite3_column_text(statement_, column);
    return text ? reinterpret_cast<const char*>(text) : "";
  }
  double Double(int column) const { return sqlite3_column_double(statement_, column); }
  long long Integer(int column) const { return sqlite3_column_int64(statement_, column); }

 private:
  sqlite3* db_;
  sqlite3_stmt* statement_ = nullptr;
};

// The document the direct import writes: its type and the sign of its stock effect.
struct DirectDocument {
  std::string type;
  int stock_sign = 1;
  std::string third_party;
  // One line per article, warehouse, unit, serial number and lot, as an inventory groups its
  // readings; otherwise one line per reading.
  bool grouped = false;
};

struct DirectReading {
  long long id;
  std::string article, warehouse, unit, name;
  double quantity, price, tax;
  std::string tracking;  // serial number, lots and expiry: readings of one line share it
};

class DirectImport {
 public:
  DirectImport(const Company& company, const SetArrays& sets, DirectDocument document)
      : file_(company.Database()), sets_(sets), document_(std::move(document)) {}

  // Imports the pending readings of the sets; answers the lines written.
  size_t Run() {
    file_.Exec("BEGIN IMMEDIATE");
    const std::vector<DirectReading> readings = Read();
    const long long number = WriteHeader();
    const std::vector<DirectReading> lines = document_.grouped ? Grouped(readings) : readings;
    WriteLines(lines, number);
    Mark(readings);
    file_.Exec("COMMIT");
    return lines.size();
  }

 private:
  std::vector<DirectReading> Read() {
    Statement select(file_.db(),
                     "SELECT MO.Id, MO.Artigo, MO.Armazem, MO.Unidade, MO.Quantidade, AR.NOME, "
                     "IFNULL(AR.ULTPRCOM, 0), IFNULL(AR.TAXAIVA, 0), IFNULL(AM.EXISTENC, 0), "
                     "IFNULL(AR.STDISP, 0), AR.UNEMB, AR.FACTEMB, AR.UNTRANS, AR.FACTTRA, "
                     "IFNULL(MO.NumeroSerie, '') || '|' || IFNULL(MO.NossoLote, '') || '|' || "
                     "IFNULL(MO.VossoLote, '') || '|' || IFNULL(MO.DataValidade, '') "
                     "FROM oru_ARM_Picking_Movimentos AS MO "
                     "LEFT OUTER JOIN ARTARM AS AM "
                     "ON AM.ARMAZEM = MO.Armazem AND AM.ARTIGO = MO.Artigo "
                     "LEFT OUTER JOIN ARTIGOS AS AR ON AR.CODIGO = MO.Artigo "
                     "WHERE " +
                         SetsCondition(sets_) +
                         " AND Estado = 0 "
                         "ORDER BY MO.DataSync, MO.TpDoc, MO.Serie, MO.Numero, MO.Ano, "
                         "MO.NumeroLinha");
    std::vector<DirectReading> readings;
    while (select.Step()) {
      readings.push_back(DirectReading{select.Integer(0), select.Text(1), select.Text(2),
                                       select.Text(3), select.Text(5), select.Double(4),
                                       select.Double(6), select.Double(7), select.Text(14)});
    }
    return readings;
  }

  static std::vector<DirectReading> Grouped(const std::vector<DirectReading>& readings) {
    std::map<std::tuple<std::string, std::string, std::string, std::string>, size_t> line_of;
    std::vector<DirectReading> lines;
    for (const DirectReading& r : readings) {
      const auto [at, added] =
          line_of.emplace(std::tuple(r.article, r.warehouse, r.unit, r.tracking), lines.size());
      if (added) {
        lines.push_back(r);
      } else {
        lines[at->second].quantity += r.quantity;
      }
    }
    return lines;
  }

  long long WriteHeader() {
    const std::string year = "CAST(strftime('%Y', 'now') AS INTEGER)";
    Statement next(file_.db(),
                   "SELECT IFNULL(MAX(NNUMDOC), 0) + 1 FROM DOCGCCAB WHERE TPDOC = ?1 "
                   "AND SERIE = '1' AND ANO = " +
                       year);
    next.Bind(1, document_.type).Step();
    const long long number = next.Integer(0);
    Statement header(file_.db(),
                     "INSERT INTO DOCGCCAB (TPDOC, SERIE, ANO, NNUMDOC, DATA, TERCEIRO, AREAG, "
                     "TPOPER, TPFSTC, DateNew, HOURNEW) "
                     "SELECT CODIGO, '1', " +
                         year +
                         ", ?2, datetime('now'), ?3, AREAG, TPOPER, TPFSTC, "
                         "datetime('now'), time('now') FROM TPDOC WHERE CODIGO = ?1");
    header.Bind(1, document_.type).Bind(2, number).Bind(3, document_.third_party).Run();
    return number;
  }

  void WriteLines(const std::vector<DirectReading>& readings, long long number) {
    Statement line(file_.db(),
                   "INSERT INTO DOCGCLIN (TPDOCUM, SERIE, ANO, NNUMDOC, NUMLINHA, ORDENACA, "
                   "ARTIGO, DESCR, ARMAZEM, UNIDADE, QUANT, QTDINTRO, PRUNIT, PRUNITINT, "
                   "TAXAIVA, TOTLIQ) VALUES (?1, '1', CAST(strftime('%Y', 'now') AS INTEGER), "
                   "?2, ?3, ?3, ?4, ?5, ?6, ?7, ?8, ?8, ?9, ?9, ?10, ROUND(?8 * ?9, 2))");
    Statement warehouse_stock(file_.db(),
                              "UPDATE ARTARM SET EXISTENC = EXISTENC + ?1 "
                              "WHERE ARTIGO = ?2 AND ARMAZEM = ?3");
    Statement new_warehouse_stock(
        file_.db(), "INSERT INTO ARTARM (ARTIGO, ARMAZEM, EXISTENC) VALUES (?2, ?3, ?1)");
    Statement article_stock(file_.db(),
                            "UPDATE ARTIGOS SET STDISP = STDISP + ?1 WHERE CODIGO = ?2");
    long long line_number = 0;
    for (const DirectReading& r : readings) {
      line.Bind(1, document_.type).Bind(2, number).Bind(3, ++line_number).Bind(4, r.article);
      line.Bind(5, r.name).Bind(6, r.warehouse).Bind(7, r.unit).Bind(8, r.quantity);
      line.Bind(9, r.price).Bind(10, r.tax).Run();
      const double change = document_.stock_sign * r.quantity;
      warehouse_stock.Bind(1, change).Bind(2, r.article).Bind(3, r.warehouse).Run();
      if (sqlite3_changes(file_.db()) == 0) {
        new_warehouse_stock.Bind(1, change).Bind(2, r.article).Bind(3, r.warehouse).Run();
      }
      article_stock.Bind(1, change).Bind(2, r.article).Run();
    }
  }

  void Mark(const std::vector<DirectReading>& readings) {
    Statement mark(file_.db(), "UPDATE oru_ARM_Picking_Movimentos SET Estado = 1 WHERE Id = ?1");
    for (const DirectReading& r : readings) mark.Bind(1, r.id).Run();
  }

  SqliteFile file_;
  const SetArrays& sets_;
  DirectDocument document_;
};

}  // namespace pellora::bench

#endif  // PELLORA_BENCH_DIRECT_IMPORT_H_
