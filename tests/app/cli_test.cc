// The pellora command as integrators and the host's operators run it: a demo company, then the
// commands on it, with their output and exit status, on the test program's engine.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tests/app/demo_on_engine.h"
#include "tests/temp_folder.h"

namespace pellora::app {
namespace {

class PelloraCommandTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(demo_.Create().status, 0); }
  void TearDown() override { EXPECT_EQ(demo_.StockDisagreements(), std::vector<std::string>{}); }

  testing::TempFolder folder_;
  DemoOnEngine demo_{folder_.path().string()};
};

// A sale serves half of one line of a customer order and the whole of another: the report tells
// each line's ordered, delivered and pending quantities. The order stays open, and with it the
// line delivered whole, with nothing pending.
TEST_F(PelloraCommandTest, TheOrdersReportTellsOrderedDeliveredAndPending) {
  // The first two lines of articles without lots or serial numbers of the first customer order
  // with two such lines: terminal PDA09 reads half of the first and the whole of the second.
  const std::string lines =
      " FROM DOCGCLIN AS L JOIN DOCGCCAB AS C ON C.TPDOC = L.TPDOCUM AND C.SERIE = L.SERIE AND "
      "C.ANO = L.ANO AND C.NNUMDOC = L.NNUMDOC JOIN ARTIGOS AS A ON A.CODIGO = L.ARTIGO WHERE "
      "L.TPDOCUM = 'ECL' AND L.QUANT >= 2 AND A.CTLOTES = 0 AND A.CTNSERIE = 0 ";
  const std::string order = demo_.Value(
      "SELECT C.NNUMDOC" + lines + "GROUP BY C.NNUMDOC HAVING COUNT(*) >= 2 ORDER BY 1 LIMIT 1");
  ASSERT_NE(order, "");
  const std::string of_order = lines + "AND C.NNUMDOC = " + order;
  demo_.Exec(
      "INSERT INTO oru_ARM_Picking_Movimentos (TerminalId, DataSync, Data, NumeroLinha, TpDoc, "
      "Serie, Numero, Ano, TipoMov, Tpterc, Terceiro, Artigo, Unidade, Armazem, Quantidade, "
      "Estado, Ordenaca) SELECT 'PDA09', '20261204100000', '20261204093000', L.NUMLINHA, 'ECL', "
      "C.SERIE, C.NNUMDOC, C.ANO, 'S', 2, C.TERCEIRO, L.ARTIGO, L.UNIDADE, L.ARMAZEM, CASE WHEN "
      "L.NUMLINHA = (SELECT MIN(L.NUMLINHA)" +
      of_order + ") THEN CAST(L.QUANT / 2 AS INTEGER) ELSE L.QUANT END, 0, L.NUMLINHA" + of_order +
      " ORDER BY L.NUMLINHA LIMIT 2");
  // Each line's article, then the report's last cells: warehouse, ordered, delivered, pending.
  const std::vector<std::string> expected = demo_.Rows(
      "SELECT M.Artigo, '<td>' || M.Armazem || '</td><td>' || CAST(L.QUANT AS INTEGER) || "
      "'</td><td>' || CAST(M.Quantidade AS INTEGER) || '</td><td>' || CAST(L.QUANT - "
      "M.Quantidade AS INTEGER) || '</td>' FROM oru_ARM_Picking_Movimentos AS M JOIN DOCGCLIN AS L "
      "ON L.TPDOCUM = M.TpDoc AND L.SERIE = M.Serie AND L.ANO = M.Ano AND L.NNUMDOC = M.Numero "
      "AND L.NUMLINHA = M.NumeroLinha WHERE M.TerminalId = 'PDA09'");
  ASSERT_EQ(expected.size(), 2u);
  const Outcome sale = demo_.Run(
      "import --kind venda --set 'PDA09|20261204100000' --doc-type FA --series 1 --third-party " +
      demo_.Value("SELECT DISTINCT Terceiro FROM oru_ARM_Picking_Movimentos WHERE TerminalId = "
                  "'PDA09'") +
      " --date 2026-12-05");
  ASSERT_EQ(sale.status, 0) << sale.out;

  const Outcome report = demo_.Run("op 2001");
  const std::string shown = "Relatório: ";  // the page's file follows, then a line feed
  ASSERT_EQ(report.out.rfind(shown, 0), 0u) << report.out;
  const std::string page = testing::TempFolder::Read(
      report.out.substr(shown.size(), report.out.size() - shown.size() - 1));
  for (const std::string& row : expected) {
    const size_t bar = row.find('|');
    const size_t article =
        page.find("<td>" + row.substr(0, bar) + "</td>", page.find("<td>ECL-1-" + order + "-"));
    ASSERT_NE(article, std::string::npos) << page;
    const std::string line = page.substr(article, page.find("</tr>", article) - article);
    EXPECT_TRUE(line.ends_with(row.substr(bar + 1))) << line;
  }
}

// What an integrator types is what happens: each command line gives its exit status and says
// why, and the company holds what it should (`holds`: "SQL => rows", or unchanged when empty).
struct CommandCase {
  std::string line;  // a shell line: {pellora} is the program on the company, {desk} the desk's
  int status;
  std::string says;
  std::string holds = "";
};

TEST_F(PelloraCommandTest, WhatIsTypedIsWhatHappens) {
  std::map<std::string, std::string> words = {
      {"{pellora}", std::string(PELLORA_BINARY) + " " + demo_.Options()},
      {"{demo}", demo_.engine().DemoOptions()},
      {"{dir}", folder_.path().string()},
      {"{P}", demo_.Sets("P").at(0)},
      {"{T}", demo_.Sets("T").at(0)},
      {"{E}", demo_.Sets("E").at(0)},
      {"{A}", demo_.Sets("A").at(0)},
      {"{bin}", PELLORA_BINARY}};
  words["{sales}"] = words["{pellora}"] + "validate sales --doc-type FA --field";
  const std::string in_p = "FROM oru_ARM_Picking_Movimentos WHERE " + InSets({words["{P}"]});
  words["{PA}"] = demo_.Value("SELECT MIN(Artigo) " + in_p);
  // Two inventory sets whose terminals hold a bar, as `sets` lists them (the first is {P}), every
  // reading priced.
  const std::vector<std::string> inventories = demo_.Sets("I");
  ASSERT_GE(inventories.size(), 3u);
  demo_.Exec("UPDATE oru_ARM_Picking_Movimentos SET PrecoUnitario = 1 WHERE PrecoUnitario = 0");
  for (const std::string key : {"1", "2"}) {
    const std::string id = inventories[std::stoi(key)];
    const std::string terminal = id.substr(0, id.find('|')), sync = id.substr(id.find('|') + 1);
    demo_.Exec("UPDATE oru_ARM_Picking_Movimentos SET TerminalId = 'X|" + terminal +
               "' WHERE TerminalId = '" + terminal + "' AND DataSync = '" + sync + "'");
    words["{IB" + key + "}"] = "X|" + id;
    // The reading moment as the chooser shows it: dd-mm-yyyy hh:mm.
    words["{moment" + key + "}"] = sync.substr(6, 2) + "-" + sync.substr(4, 2) + "-" +
                                   sync.substr(0, 4) + " " + sync.substr(8, 2) + ":" +
                                   sync.substr(10, 2);
  }
  testing::TempFolder::Write(folder_.File("ficha.txt"), "ficha");
  const std::string price =
      "SELECT DISTINCT PrecoUnitario " + in_p + " AND Artigo = '" + words["{PA}"] + "' => ";
  const std::string pending =
      "SELECT COUNT(DISTINCT DataSync) FROM oru_ARM_Picking_Movimentos WHERE Estado = 0 AND "
      "TerminalId || '|' || DataSync IN ('{IB1}', '{IB2}') => ";
  const std::string left =
      "SELECT COUNT(*) FROM oru_ARM_Picking_Movimentos WHERE Estado = 0 AND "
      "TerminalId || '|' || DataSync = ";
  std::vector<CommandCase> cases = {
      // Typed headers and rows; the engine's own words, naming the table, after a Portuguese line.
      {"{pellora} sql \"SELECT CODIGO, FACTEMB, INACTIVO FROM ARTIGOS WHERE CODIGO = N'CER001'\"",
       0, "CODIGO:202\tFACTEMB:5\tINACTIVO:11\nCER001\t24\tTrue\n"},
      {"{pellora} sql \"SELECT * FROM nada\"", 1,
       "A base de dados recusou o texto SQL. Resposta do motor:\nErro -2147217900 - "},
      {"{pellora} sql \"SELECT * FROM nada\"", 1, "nada"},
      // A database file that no configuration names.
      {"{bin} sql --db '{db}' \"SELECT CODIGO, INACTIVO FROM ARTIGOS WHERE CODIGO = 'CER001'\"", 0,
       "CODIGO:202\tINACTIVO:11\nCER001\tTrue\n"},
      {"{bin} sql --db '{db}' \"SELECT * FROM NADA\"", 1,
       "recusou o texto SQL. Resposta do motor:\nErro -2147217900 - no such table: NADA"},
      {"{bin} sql --db '{dir}/NADA.db' \"SELECT 1\"", 2, ""},
      {"{pellora} sets --kind T", 0, "Id\tTerminal\tLeitura\tTerceiro\tNome\tDoc."},
      // Numbers are read with a comma or a point, and nothing else is taken for one.
      {"{sales} PRUNIT --value 0.01 --article ARR001 --quantity 1", 1,
       "Valor do Preço Unitário (0,01) é inferior"},
      {"{sales} PRUNIT --value 100 --article ARR001 --quantity 1,5", 0, "vCancel=False"},
      {"{sales} PRUNIT --value abc --article ARR001", 2,
       "--value deve ser um número, com vírgula ou ponto decimal"},
      {"{pellora} op 2007 --pick '{P}' --price '{PA}=1.234,5'", 2, "O preço de {PA} deve ser"},
      {"{pellora} op 2007 --pick '{P}' --price '{PA}=1,2,3'", 2, "O preço de {PA} deve ser"},
      // A value a dialog refuses stops the command: nothing is made, nothing is saved.
      {"{pellora} op 2007 --pick '{P}' --price '{PA}=2' --price 'NADA=1'", 2,
       "Artigo NADA: não há linhas. A janela foi fechada; nada foi gravado."},
      {"{pellora} op 2008 --pick '{T}' --warehouse ZZZ", 2,
       "Armazém Destino: o código ZZZ não existe."},
      {"{pellora} op 2008 --pick '{T}' --doc-type GTR --series N", 2, "o código N não existe."},
      {"{pellora} op 2006 --pick 'PDA09|20990101000000'", 2,
       "a linha 'PDA09|20990101000000' não está na lista."},
      // Operation codes are read exactly.
      {"{pellora} op 4294969296", 2, "Operação desconhecida: 4294969296"},
      {"{pellora} op 99999999999999999999", 2, "Operação desconhecida"},
      {"{pellora} op 2002", 2, "Operação desconhecida: 2002"},
      {"{pellora} op 2011", 2, "Operação desconhecida: 2011"},
      {"{pellora} op abc", 2, ""},
      // Commands that cannot run say why and exit with 2.
      {"{pellora} --company NADA op 2005", 2, "A empresa NADA não existe"},
      {"{pellora} --company NADA sql \"SELECT 1\"", 2, "A empresa NADA não existe"},
      {"{pellora} import --kind venda", 2, ""},
      {"{pellora} import --kind transferencia --set '{P}'", 2,
       "O conjunto {P} tem leituras do tipo I, não de transferência (T)."},
      {"{pellora} import --kind inventario --set PDA01", 2, "Conjunto inválido: PDA01"},
      {"{pellora} --busy-timeout abc import --kind inventario --set '{P}'", 2,
       "--busy-timeout, em segundos, deve ser um número inteiro de 0 a 86400: abc."},
      {"{pellora} sets --kind Z", 2, ""},
      {"{pellora} sets --nada 1", 2, ""},
      {"{bin} nada", 2, ""},
      {"{pellora} op 2000 --set INVENTDOC=XYZ --button confirmar", 2, "Nada foi gravado."},
      {"{pellora} op 2000 --set INVENTDOC=QBR --button sair", 0, ""},
      // A refusal or an error shown is an exit status of 1.
      {"{pellora} view sales --doc-type ZZ --series 1 --third-party C0001 --date 2026-12-01", 1,
       "[Importação] Esta operação não é permitida este tipo de documento ."},
      {"{sales} ARTIGO --value CER001", 1,
       "[Artigos Inativos] Não é permitido movimentar artigos inativos.\nvCancel=True\n"},
      {"{pellora} validate purchases --field ARTIGO --value ARR001 --doc-type VFA", 0,
       "vCancel=False\n"},
      // Without picks the chooser counts as cancelled: nothing happens.
      {"{pellora} op 2010", 0, "[Selecção de Documentos a Anular]\n"},
      {"{pellora} view purchases --doc-type FA --series 1 --third-party F0001 --date 2026-12-01", 1,
       "Erro ao Ler Conjunto de Leituras."},
      {"{pellora} archive add --article NADA --language PT --file '{dir}/ficha.txt' --title T", 1,
       "O artigo NADA não existe."},
      {"{pellora} archive add --article ARR001 --language XX --file '{dir}/ficha.txt' --title T", 1,
       "O idioma XX não existe"},
      {"{pellora} archive rename 999999 --title T", 1, "O documento 999999 não existe."},
      {"{pellora} archive remove 999999", 1, "O documento 999999 não existe."},
      {"{pellora} demo {demo}", 2, "A empresa DEMO já existe"},
      // A bad company code makes nothing (ls exits with 2 on a folder that is not there).
      {"({bin} demo --dir '{dir}/nova' --company '../DEMO'; ls '{dir}/nova')", 2,
       "O código da empresa \"../DEMO\" não é válido"},
      {"{bin} demo --dir '{dir}/ficha.txt/empresas'", 1, "Não foi possível criar a pasta"},
      {"{pellora} demo --dir '{dir}/outra' --server postgres:/x", 2,
       "--server deve ser um endereço postgresql://"},
      // Help where it is looked for.
      {"{pellora} help", 0, "pellora help COMANDO"},
      {"{pellora} -h", 0, "Saída: 0 feito; 1 recusado"},
      {"{pellora} import --help", 0,
       "import --kind venda|compra --set ID... --doc-type T --series S"},
      {"{pellora} import --kind compra --set '{E}' --doc-type FA --series 1", 2,
       "O tipo de documento FA não serve para importar compras"},
      {"{desk} --help", 0, "Utilização: pellora-desk"},
      {"env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM {desk} --dir '{dir}'", 2,
       "Não há ecrã"},
      // The console chooser shows the whole reading moment.
      {"(printf '\\n' | script -qec \"{pellora} op 2005\" /dev/null)", 0, "{moment1}"},
      // Work that is done, with what it leaves.
      {"{pellora} op 2007 --pick '{P}' --price '{PA}=1.25'", 0, "Valores de Inventário",
       price + "1.25"},
      {"{pellora} import --kind inventario --set '{IB1}'", 0, "Foi criado com sucesso",
       pending + "1"},
      {"{pellora} op 2005 --pick '{IB2}'", 0, "Foi criado com sucesso", pending + "0"},
      {"{pellora} op 2006 --pick '{A}'", 0, "[Importação de Movimentos de Acerto de Inventário] ",
       left + "'{A}' => 0"},
      {"{pellora} op 2000 --set INVENTDOC=QBR --button confirmar", 0, "",
       "SELECT INVENTDOC FROM oru_PARAMETROSEXP => QBR"},
      {"({pellora} --trace-sql '{dir}/trace.jsonl' import --kind transferencia --set '{T}' && "
       "cat '{dir}/trace.jsonl')",
       0,
       "{\"member\": \"OpenRecordset\", \"sql\": \"SELECT TOP(1) * FROM oru_PARAMETROSEXP "
       "\\r\\n\"}",
       left + "'{T}' => 0"},
      // An article code typed in another case is the article, on either engine; one that differs
      // in an accent is another article.
      {"{pellora} sql --exec \"INSERT INTO ARTIGOS (CODIGO, NOME, UNIDADE, INACTIVO) VALUES "
       "(N'ÁGUA-Ç', N'Água', N'UN', 1)\"",
       0, "True\n", "SELECT COUNT(*) FROM ARTIGOS WHERE NOME = 'Água' => 1"},
      {"{sales} ARTIGO --value 'água-ç'", 1, "vCancel=True"},
      {"{sales} ARTIGO --value 'AGUA-Ç'", 0, "vCancel=False"},
  };
  // Quotes and the characters of LIKE patterns, comments and batches are only text.
  for (const std::string id :
       {"PDA09|20990101000000", "PDA01|2026' OR ''='", "PDA%|%", "PDA0_|2026120108182_",
        "[PDA01]|[2]", "PDA01|1; DROP TABLE ARTIGOS; --"}) {
    cases.insert(cases.begin(), {"{pellora} import --kind inventario --set \"" + id + "\"", 2,
                                 "O conjunto " + id + " não existe.", ""});
  }
  auto expand = [&](std::string text) {
    for (const auto& [word, value] : words) ReplaceAll(text, word, value);
    return text;
  };
#ifdef PELLORA_DESK_BINARY  // the desk is built with Qt, and its cases run once
  words["{desk}"] = PELLORA_DESK_BINARY;
#endif
  if (demo_.engine().DemoOptions().empty()) words["{db}"] = folder_.File("DEMO.db");  // SQLite
  for (const CommandCase& test : cases) {
    const std::string line = expand(test.line);
    if (line.find("{d") != std::string::npos) continue;  // no {desk} or {db} here
    const std::vector<std::string> before = demo_.Snapshot();
    const Outcome run = RunShell(line);
    EXPECT_EQ(run.status, test.status) << line << "\n" << run.out;
    EXPECT_NE(run.out.find(expand(test.says)), std::string::npos) << line << "\n" << run.out;
    if (test.holds.empty()) {
      EXPECT_EQ(demo_.Snapshot(), before) << line;
    } else {
      const size_t arrow = test.holds.find(" => ");
      EXPECT_EQ(demo_.Value(expand(test.holds.substr(0, arrow))), test.holds.substr(arrow + 4))
          << line;
    }
  }
}

}  // namespace
}  // namespace pellora::app
