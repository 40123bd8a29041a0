// Every way into an import, `pellora import` and the host operation or view of the same kind,
// run on two equal demo companies with the same sets: both refuse the same readings with the
// same message and write nothing, or both leave the same company (every table, row and column but
// the moments work was done). On the test program's engine.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/app/demo_on_engine.h"
#include "tests/temp_folder.h"

namespace pellora::app {
namespace {

using Texts = std::vector<std::string>;

struct WayIn {
  std::string import;      // `pellora import` but its sets; {party} is the sets' third party
  std::string host;        // the host operation or view but its picks
  std::string movement;    // the sets' movement kind, as `pellora sets --kind` takes it
  size_t sets;             // how many sets are chosen: the views take two of one third party
  std::string change;      // SQL both companies run first; {set} and {reading} select the first
                           // chosen set and its first reading, {sets} every chosen set
  int status;              // the exit status of `pellora import`
  std::string says;        // what both say
  std::string query = "";  // afterwards both companies answer this ({set} as above)...
  Texts rows = {};         // ...with these rows
};

class WaysIn : public ::testing::Test {
 protected:
  void SetUp() override {
    // Enough readings that some customer and some supplier have two sets for the views.
    for (const DemoOnEngine* copy : {&import_, &host_}) {
      ASSERT_EQ(copy->Create("--readings 800").status, 0);
    }
    pristine_.engine().ReplaceWith(import_.engine());
  }

  // `text` with the placeholders of a case filled for the chosen `sets`.
  static std::string Filled(std::string text, const Texts& sets, const std::string& party) {
    ReplaceAll(text, "{sets}", "WHERE " + InSets(sets));
    const std::string in_set = InSets({sets.front()});
    ReplaceAll(text, "{reading}",
               "WHERE " + in_set +
                   " AND NumeroLinha = (SELECT MIN(NumeroLinha) FROM oru_ARM_Picking_Movimentos "
                   "WHERE " +
                   in_set + ")");
    ReplaceAll(text, "{set}", "WHERE " + in_set);
    ReplaceAll(text, "{party}", party);
    return text;
  }

  // Both companies as the demo made them.
  void Restore() {
    for (const DemoOnEngine* copy : {&import_, &host_})
      copy->engine().ReplaceWith(pristine_.engine());
  }
  void Change(const std::string& sql) {
    if (sql.empty()) return;
    for (const DemoOnEngine* copy : {&import_, &host_}) copy->Exec(sql);
  }

  // Runs the case on the chosen `sets` of both companies.
  void ExpectOneWay(const WayIn& way, const Texts& sets, const std::string& party = "") {
    const Texts before = host_.Snapshot();
    const Outcome import = import_.Run(Filled(way.import, sets, party) + Picks(sets, "set"));
    const Outcome host = host_.Run(Filled(way.host, sets, party) + Picks(sets, "pick"));
    EXPECT_EQ(import.status, way.status) << import.out;
    EXPECT_EQ(host.status, std::min(way.status, 1)) << host.out;  // a box of refusal is 1
    EXPECT_NE(import.out.find(way.says), std::string::npos) << import.out;
    // The operation's message box says what the command prints.
    EXPECT_TRUE(host.out.ends_with("] " + import.out)) << host.out << "\n" << import.out;
    const Texts left = import_.Snapshot();
    EXPECT_TRUE(left == host_.Snapshot()) << "the two ways left different companies";
    EXPECT_EQ(left == before, way.status != 0) << (way.status ? "a refusal wrote" : "no import");
    for (const DemoOnEngine* copy : {&import_, &host_}) {
      if (!way.query.empty()) {
        EXPECT_EQ(copy->Rows(Filled(way.query, sets, party)), way.rows);
      }
      EXPECT_EQ(copy->StockDisagreements(), Texts{});
    }
  }

  testing::TempFolder folder_;
  DemoOnEngine import_{folder_.File("import"), "DEMO"};
  DemoOnEngine host_{folder_.File("host"), "HOST"};
  DemoOnEngine pristine_{folder_.File("import"), "PRISTINE"};  // as the demo made them
};

constexpr char kSale[] = " --doc-type FA --series 1 --third-party {party} --date 2026-12-05";
constexpr char kPurchase[] = " --doc-type VFA --series 1 --third-party {party} --date 2026-12-05";
constexpr char kReadings[] = "UPDATE oru_ARM_Picking_Movimentos SET ";
// A document of several sets marks the readings of every one of them.
constexpr char kStillPending[] =
    "SELECT COUNT(*) FROM oru_ARM_Picking_Movimentos {sets} AND Estado = 0";

TEST_F(WaysIn, TheCommandAndTheOperationsImportAndRefuseAlike) {
  const std::string inventory = "import --kind inventario", op2005 = "op 2005";
  const std::string only_zero = std::string(kReadings) +
                                "Quantidade = 0 {reading}; DELETE FROM oru_ARM_Picking_Movimentos "
                                "{set} AND Quantidade <> 0";
  // The inventory set's first reading changed so that both refuse it with `says`.
  auto refused = [&](const std::string& change, const std::string& says, int status = 1) {
    const std::string sql = std::string(kReadings) + change + " {reading}";
    return WayIn{inventory, op2005, "I", 1, sql, status, says};
  };
  std::vector<WayIn> ways = {
      {inventory, op2005, "I", 1, "", 0, "Foi criado com sucesso o documento INV-"},
      {"import --kind acerto", "op 2006", "A", 1, "", 0, "Foi criado com sucesso o documento"},
      {"import --kind transferencia", "op 2008", "T", 1, "", 0,
       "Foi criado com sucesso o documento TRF-"},
      {"import --kind anular", "op 2010", "S", 1, "", 0,
       "Anulação de Picagens terminou com êxito."},
      {std::string("import --kind venda") + kSale, std::string("view sales") + kSale, "S", 2, "", 0,
       "Foi criado com sucesso o documento FA-", kStillPending, Texts{"0"}},
      {std::string("import --kind compra") + kPurchase, std::string("view purchases") + kPurchase,
       "E", 2, "", 0, "Foi criado com sucesso o documento VFA-", kStillPending, Texts{"0"}},
      // A counted zero: in an inventory it makes no line and is marked; in an adjustment the
      // stock becomes what was counted.
      {inventory, op2005, "I", 1, only_zero, 0, "Não foi necessário criar documento INV-1",
       "SELECT Estado FROM oru_ARM_Picking_Movimentos {set}", Texts{"1"}},
      {"import --kind acerto", "op 2006", "A", 1, only_zero, 0,
       "Foi criado com sucesso o documento",
       "SELECT COUNT(*) FROM ARTARM A JOIN oru_ARM_Picking_Movimentos M ON M.Artigo = A.ARTIGO "
       "AND M.Armazem = A.ARMAZEM {set} AND A.EXISTENC = 0 AND M.Estado = 1",
       Texts{"1"}},
      // What fits is stored as read, whatever its characters.
      {inventory, op2005, "I", 1,
       "UPDATE ARTIGOS SET CTLOTES = 1 WHERE CODIGO = (SELECT Artigo FROM "
       "oru_ARM_Picking_Movimentos {reading}); UPDATE oru_ARM_Picking_Movimentos SET NossoLote = "
       "'L''1%_[x]--;\U0001F4E6' {reading}",
       0, "Foi criado com sucesso o documento INV-",
       "SELECT LOTE, TPDOC FROM LOTESMOV WHERE LOTE = 'L''1%_[x]--;\U0001F4E6'",
       Texts{"L'1%_[x]--;\U0001F4E6|INV"}},
      refused("PrecoUnitario = NULL", "não tem Preço Unitário (ou está inválido)."),
      refused("Unidade = 'XPTO'", "a unidade XPTO não é do artigo"),
      refused("Quantidade = 0.00004",
              "a quantidade 4E-05 é demasiado pequena: com quatro casas decimais fica 0."),
      refused("TipoMov = 'A'", "tem leituras do tipo A, não de inventário (I).", 2),
      refused("Artigo = NULL", "a leitura não indica o artigo."),
      refused("Artigo = 'NADA'", "o artigo NADA não existe."),
      refused("Armazem = NULL", "a leitura não indica o armazém."),
      refused("Armazem = 'ZZ'", "o armazém ZZ não existe."),
      refused("Unidade = NULL", "a leitura não indica a unidade."),
      refused("Quantidade = -5", "a quantidade -5 não é válida: não pode ser negativa."),
      refused("Quantidade = 1e308", "a quantidade 1E+308 é demasiado grande."),
      refused("Quantidade = 'NaN'", "a quantidade NaN não é um número."),
      refused("Quantidade = NULL", "a leitura não indica a quantidade."),
  };
  // The server refuses such texts itself, and its texts hold no NUL.
  if (import_.engine().DemoOptions().empty()) {
    std::string boxes;  // beyond the BMP: two UTF-16 units each, as nvarchar counts
    for (int i = 0; i < 16; ++i) boxes += "\U0001F4E6";
    for (const std::string& lot : {std::string(31, 'L'), boxes})
      ways.push_back(
          refused("NossoLote = '" + lot + "'", "o campo NossoLote tem mais de 30 caracteres"));
    ways.push_back(refused("VossoLote = 'A' || char(0) || 'B'",
                           "o campo VossoLote tem caracteres de controlo."));
    ways.push_back(refused("Localizacao = 'A' || char(10) || 'B'",
                           "o campo Localizacao tem caracteres de controlo."));
  }
  for (const WayIn& way : ways) {
    SCOPED_TRACE(way.import + " / " + way.change);
    Restore();
    // The views list together the sets of the third party with the most pending sets.
    const std::string busiest =
        "SELECT Terceiro FROM oru_ARM_Picking_Movimentos WHERE Estado = 0 AND TipoMov = '" +
        way.movement +
        "' GROUP BY Terceiro ORDER BY COUNT(DISTINCT TerminalId || DataSync) DESC, "
        "Terceiro LIMIT 1";
    const std::string party = way.sets == 1 ? "" : import_.Value(busiest);
    Texts sets = import_.Sets(way.movement, party.empty() ? "" : "--third-party " + party);
    ASSERT_GE(sets.size(), way.sets);
    sets.resize(way.sets);
    Change(Filled(way.change, sets, party));
    ExpectOneWay(way, sets, party);
  }
}

// The lists "TerminalId in (…) AND DataSync in (…)" of X1|d1 and X2|d2 also select X1|d2 and
// X2|d1: the choice is refused, naming them, by the imports and by the unit cost editor.
TEST_F(WaysIn, ChosenSetsThatWouldTakeReadingsOfOthersAreRefused) {
  // Two sets of other terminals and other syncs.
  const Texts all = import_.Sets("I");
  ASSERT_FALSE(all.empty());
  const std::string& first = all.front();
  const std::string t1 = first.substr(0, first.find('|')), d1 = first.substr(t1.size() + 1);
  const auto other = std::find_if(all.begin(), all.end(), [&](const std::string& set) {
    return !set.starts_with(t1 + "|") && !set.ends_with("|" + d1);
  });
  ASSERT_NE(other, all.end());
  const std::string second = *other;
  const std::string t2 = second.substr(0, second.find('|')), d2 = second.substr(t2.size() + 1);
  // The first reading of each set moves to the other's terminal.
  const std::string move = std::string(kReadings) + "TerminalId = '" + t2 + "' {reading}; " +
                           kReadings + "TerminalId = '" + t1 + "' " +
                           Filled("{reading}", {second}, "");
  Change(Filled(move, {first}, ""));
  const std::string x1d2 = t1 + "|" + d2, x2d1 = t2 + "|" + d1;
  ExpectOneWay({"import --kind inventario", "op 2005", "I", 2, "", 1,
                std::min(x1d2, x2d1) + ", " + std::max(x1d2, x2d1) + ", que não foram escolhidos"},
               {first, second});

  // Refused, the companies are still as changed.
  const Texts before = host_.Snapshot();
  const std::string article =
      host_.Value("SELECT MIN(Artigo) FROM oru_ARM_Picking_Movimentos WHERE " + InSets({first}));
  const Outcome editor =
      host_.Run("op 2007" + Picks({first, second}, "pick") + " --price '" + article + "=987'");
  EXPECT_NE(editor.out.find("[Preços de Custo] Nada foi gravado: os conjuntos escolhidos"),
            std::string::npos)
      << editor.out;
  EXPECT_TRUE(host_.Snapshot() == before) << "the editor wrote";
}

}  // namespace
}  // namespace pellora::app
