#include <array>

#include "app/demo_content.h"

namespace pellora::app {
namespace {

struct OrderBook {
  const char* type;
  int party_kind;
  // Party, sector and warehouse of each order, in number order.
  std::vector<std::array<const char*, 3>> orders;
};

const OrderBook kCustomerOrders = {"ECL",
                                   2,
                                   {{"C0001", "LIS", "A01"},
                                    {"C0002", "LIS", "A01"},
                                    {"C0004", "LIS", "A01"},
                                    {"C0003", "LIS", "A01"},
                                    {"C0005", "BRG", "A02"},
                                    {"C0007", "BRG", "A02"}}};

const OrderBook kSupplierOrders = {"EFO",
                                   1,
                                   {{"F0001", "ARM", "A01"},
                                    {"F0002", "ARM", "A01"},
                                    {"F0005", "ARM", "A01"},
                                    {"F0003", "BRG", "A02"}}};

// Header of an order, its party and sector details taken from their catalogue rows.
std::string HeaderInsert(int party_kind) {
  const std::string party =
      party_kind == 2
          ? "SELECT CODIGO, NOME, NCONTRIB, DESCCOMP AS DESCONTO, VENDEDOR, MORADA, LOCALIDA, "
            "PAIS, CODPOST, MODOPGT, PRAZOPGT FROM CLIENTES"
          : "SELECT CODIGO, NOME, NCONTRIB, DESCCOM AS DESCONTO, NULL AS VENDEDOR, MORADA, "
            "LOCALIDA, PAIS, CODPOST, MODOPGT, PRAZOPGT FROM FORNEC";
  return "INSERT INTO DOCGCCAB (TPDOC, SERIE, ANO, NNUMDOC, DATA, TPTERC, TERCEIRO, SECTOR, "
         "VNUMDOC, FEGLNEMPRESA, DOCREFNUMBER_ORIGINAL, DATACG, HORACG, DateNew, HOURNEW, "
         "DateUpd, HourUpd, AREAG, TPOPER, TPFSTC, NOME, NCONTRIB, DESCCAB, VENDEDOR, MORADADSG, "
         "LOCALDSG, PAISDSG, CDPOSTDSG, MODOPGT, PRAZOPGT, LOCALCG) "
         "SELECT ?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17, "
         "T.AREAG, T.TPOPER, T.TPFSTC, P.NOME, P.NCONTRIB, CAST(P.DESCONTO AS REAL), P.VENDEDOR, "
         "P.MORADA, P.LOCALIDA, P.PAIS, P.CODPOST, P.MODOPGT, P.PRAZOPGT, S.LOCALIDA "
         "FROM TPDOC AS T, (" +
         party +
         ") AS P, SECTORES AS S "
         "WHERE T.CODIGO = ?1 AND P.CODIGO = ?7 AND S.CODIGO = ?8";
}

constexpr char kLineInsert[] =
    "INSERT INTO DOCGCLIN (TPDOCUM, SERIE, ANO, NNUMDOC, NUMLINHA, ORDENACA, ARTIGO, ARMAZEM, "
    "QUANT, QTDINTRO, PRUNIT, PRUNITINT, TXDESC, DESCR, UNIDADE, TAXAIVA, TOTLIQ, VENDEDOR) "
    "SELECT ?1, ?2, ?3, ?4, ?5, ?5, ?6, ?7, ?8, ?8, ?9, ?9, ?10, A.NOME, A.UNIDADE, A.TAXAIVA, "
    "ROUND(?8 * ?9 * (100 - ?10) / 100, 2), C.VENDEDOR "
    "FROM ARTIGOS AS A, DOCGCCAB AS C "
    "WHERE A.CODIGO = ?6 AND C.TPDOC = ?1 AND C.SERIE = ?2 AND C.ANO = ?3 AND C.NNUMDOC = ?4";

constexpr char kFreeFieldsInsert[] =
    "INSERT INTO CLDOCGC (TIPODOC, SERIE, ANO, NDOC, REFCLIENTE, MATRICULA, OBSERV, DTENTREGA) "
    "VALUES (?, ?, ?, ?, ?, ?, ?, ?)";

// Distinct articles for the lines of one order.
std::vector<const DemoArticle*> OrderArticles(DemoRun& run, int count) {
  std::vector<const DemoArticle*> candidates = ActiveArticles();
  std::vector<const DemoArticle*> chosen;
  while (static_cast<int>(chosen.size()) < count) {
    const int index = run.Below(static_cast<int>(candidates.size()));
    chosen.push_back(candidates[index]);
    candidates.erase(candidates.begin() + index);
  }
  return chosen;
}

void InsertBook(DemoRun& run, const OrderBook& book, std::vector<DemoOrder>& orders) {
  auto header = run.db.Prepare(HeaderInsert(book.party_kind));
  auto line = run.db.Prepare(kLineInsert);
  auto free_fields = run.db.Prepare(kFreeFieldsInsert);
  const int year = PartsOf(run.today).year;
  int number = 0;
  for (const auto& [party, sector, warehouse] : book.orders) {
    DemoOrder order{book.type, "1", ++number, year, book.party_kind, party, {}};
    const Date day = AddDays(run.today, -3 - run.Below(25));
    const int created = 8 * 3600 + run.Below(9 * 3600);
    const std::string moment = DateTimeText(day, created);
    const std::string hour = moment.substr(11);
    // The second customer order came through electronic data interchange.
    const bool electronic = book.party_kind == 2 && number == 2;
    header.Run(
        book.type, order.series, year, number, DateTimeText(day), book.party_kind, party, sector,
        electronic ? std::optional<std::string>("ENC-0042/" + std::to_string(year)) : std::nullopt,
        electronic ? std::optional<std::string>("5601234000017") : std::nullopt,
        electronic ? std::optional<std::string>("") : std::nullopt, DateTimeText(AddDays(day, 2)),
        "09:00", moment, hour, moment, hour);
    const std::vector<const DemoArticle*> articles = OrderArticles(run, 2 + run.Below(5));
    for (const DemoArticle* article : articles) {
      const DemoOrderLine entry{static_cast<int>(order.lines.size()) + 1, article, warehouse,
                                OrderQuantity(run, *article)};
      const double price = book.party_kind == 2 ? article->price : article->cost;
      const double discount = run.Chance(25) ? 5.0 : 0.0;
      line.Run(book.type, order.series, year, number, entry.line, article->code, warehouse,
               entry.quantity, price, discount);
      order.lines.push_back(entry);
    }
    if (book.party_kind == 2 && number % 2 == 1) {
      free_fields.Run(book.type, order.series, year, number,
                      "PO-" + std::to_string(year) + "-" + std::to_string(100 + number * 7),
                      "45-XZ-1" + std::to_string(number),
                      "Entregar entre as 8h e as 12h — cais de descarga n.º 2",
                      DateTimeText(AddDays(day, 5)));
    }
    orders.push_back(std::move(order));
  }
  run.db.Prepare("UPDATE NUMERADOR SET ULTNUM = ? WHERE TPDOC = ? AND SERIE = '1' AND ANO = ?")
      .Run(number, book.type, year);
}

}  // namespace

double OrderQuantity(DemoRun& run, const DemoArticle& article) {
  if (article.tracking == Tracking::kSerial) return 1 + run.Below(3);
  if (std::string(article.unit) == "KG") return RoundCents(5 + run.Below(4000) / 100.0);
  if (run.Chance(50)) return article.pack_factor * (1 + run.Below(4));
  return 1 + run.Below(48);
}

std::vector<DemoOrder> InsertOrders(DemoRun& run) {
  std::vector<DemoOrder> orders;
  InsertBook(run, kCustomerOrders, orders);
  InsertBook(run, kSupplierOrders, orders);
  return orders;
}

}  // namespace pellora::app
