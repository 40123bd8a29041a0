#include "app/demo_content.h"

namespace pellora::app {
namespace {

constexpr Tracking kLot = Tracking::kLot;
constexpr Tracking kSerial = Tracking::kSerial;
// An article whose inactive flag was never set (NULL): the host treats it as active.
constexpr char kUnflaggedArticle[] = "REF001";

struct Warehouse {
  const char* code;
  const char* name;
  const char* address;
  const char* town;
  const char* postcode;
};

const Warehouse kWarehouses[] = {
    {"A01", "Armazém Central", "Rua das Indústrias, 12", "Alverca do Ribatejo", "2615-187"},
    {"A02", "Armazém Norte", "Avenida da Liberdade, 455", "Braga", "4710-251"},
    {"A03", "Loja do Porto", "Rua de Santa Catarina, 318", "Porto", "4000-447"},
};

struct DocumentType {
  const char* code;
  const char* description;
  int area, operation, entity, account_sign, stock_effect;
  bool credit_note;
  std::vector<const char*> series;  // "code|description|origin"
};

const DocumentType kDocumentTypes[] = {
    {"INV", "Inventário Inicial", 4, 3, 0, 0, 1, false, {"1|Série Geral|0"}},
    {"QBR", "Quebras de Inventário", 4, 3, 0, 0, 2, false, {"1|Série Geral|0"}},
    {"SBR", "Sobras de Inventário", 4, 3, 0, 0, 1, false, {"1|Série Geral|0"}},
    {"TRF",
     "Transferência entre Armazéns",
     4,
     4,
     0,
     0,
     3,
     false,
     {"1|Série Geral|0", "N|Transferências Norte|0"}},
    {"GTR", "Guia de Transporte entre Armazéns", 4, 4, 0, 0, 3, false, {"1|Série Geral|0"}},
    {"ECL", "Encomenda de Cliente", 3, 2, 2, 0, 0, false, {"1|Série Geral|0"}},
    {"EFO", "Encomenda a Fornecedor", 3, 1, 1, 0, 0, false, {"1|Série Geral|0"}},
    {"FA", "Fatura", 4, 2, 2, 1, 2, false, {"1|Série Geral|0", "2|Faturas de Origem Externa|1"}},
    {"VD", "Venda a Dinheiro", 4, 2, 2, 1, 2, false, {"1|Série Geral|0"}},
    {"NC", "Nota de Crédito", 4, 2, 2, 2, 1, true, {"1|Série Geral|0"}},
    {"VFA", "Fatura de Fornecedor", 4, 1, 1, 2, 1, false, {"1|Série Geral|0"}},
    {"VNC", "Nota de Crédito de Fornecedor", 4, 1, 1, 1, 2, true, {"1|Série Geral|0"}},
    {"ORC", "Orçamento", 1, 2, 2, 0, 0, false, {"1|Série Geral|0"}},
};

struct Sector {
  const char* code;
  const char* description;
  const char* town;
};

const Sector kSectors[] = {
    {"LIS", "Sede — Lisboa", "Lisboa"},
    {"BRG", "Delegação de Braga", "Braga"},
    {"POR", "Loja do Porto", "Porto"},
    {"ARM", "Armazém e Logística", "Alverca do Ribatejo"},
};

const char* const kLanguages[][2] = {
    {"PT", "Português"}, {"EN", "Inglês"}, {"ES", "Espanhol"}, {"FR", "Francês"}};

// Splits "a|b|c" into its three parts.
std::vector<std::string> Fields(const std::string& text) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t bar; (bar = text.find('|', start)) != std::string::npos; start = bar + 1) {
    parts.push_back(text.substr(start, bar - start));
  }
  parts.push_back(text.substr(start));
  return parts;
}

void InsertWarehouses(DemoRun& run) {
  auto insert = run.db.Prepare(
      "INSERT INTO ARMAZENS (CODIGO, NOME, MORADA, LOCALIDA, CODPOST) VALUES (?, ?, ?, ?, ?)");
  for (const Warehouse& w : kWarehouses) insert.Run(w.code, w.name, w.address, w.town, w.postcode);
}

void InsertArticles(DemoRun& run) {
  auto insert = run.db.Prepare(
      "INSERT INTO ARTIGOS (CODIGO, NOME, FAMILIA, UNIDADE, UNEMB, FACTEMB, UNTRANS, FACTTRA, "
      "TAXAIVA, PVPSIVA, PVPCIVA, ULTPRCOM, ULTPRCBR, ULTPMP, CTLOTES, CTNSERIE, INACTIVO, "
      "DateUpd) "
      "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
  const std::string updated = DateTimeText(AddDays(run.today, -40), 10 * 3600);
  for (const DemoArticle& a : DemoArticles()) {
    const std::string code = a.code;
    const double tax = a.family == std::string("ALI") ? 6.0 : 23.0;
    insert.Run(a.code, a.name, a.family, a.unit, a.pack_unit, a.pack_factor, a.transport_unit,
               a.transport_factor, tax, a.price, RoundCents(a.price * (1 + tax / 100)), a.cost,
               RoundCents(a.cost * 1.05), a.cost, a.tracking == kLot ? 1 : 0,
               a.tracking == kSerial ? 1 : 0, code == kInactiveArticle ? 1 : 0, updated);
  }
  run.db.Prepare("UPDATE ARTIGOS SET INACTIVO = NULL WHERE CODIGO = ?").Run(kUnflaggedArticle);
}

void InsertParties(DemoRun& run) {
  auto customer = run.db.Prepare(
      "INSERT INTO CLIENTES (CODIGO, NOME, MORADA, LOCALIDA, CODPOST, PAIS, NCONTRIB, DESCCOMP, "
      "VENDEDOR, MODOPGT, PRAZOPGT, MOEDA, IDIOMA) "
      "VALUES (?, ?, ?, ?, ?, 'PT', ?, ?, ?, ?, ?, 'EUR', 'PT')");
  int index = 0;
  for (const DemoParty& c : DemoCustomers()) {
    const std::string seller = "V0" + std::to_string(1 + index % 3);
    customer.Run(c.code, c.name, c.address, c.town, c.postcode, c.tax_number, c.discount, seller,
                 index % 2 ? "TRF" : "CHQ", 30 * (1 + index % 3));
    ++index;
  }
  auto supplier = run.db.Prepare(
      "INSERT INTO FORNEC (CODIGO, NOME, MORADA, LOCALIDA, CODPOST, PAIS, NCONTRIB, DESCCOM, "
      "MODOPGT, PRAZOPGT, MOEDA) VALUES (?, ?, ?, ?, ?, 'PT', ?, ?, 'TRF', 60, 'EUR')");
  for (const DemoParty& s : DemoSuppliers()) {
    supplier.Run(s.code, s.name, s.address, s.town, s.postcode, s.tax_number, s.discount);
  }
}

void InsertDocumentTypes(DemoRun& run) {
  auto type = run.db.Prepare(
      "INSERT INTO TPDOC (CODIGO, DESCR, AREAG, TPOPER, ENTIDADE, SINALCT, TPFSTC, NOTACRED) "
      "VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
  auto series =
      run.db.Prepare("INSERT INTO NOMSERIE (TIPODOC, SERIE, DESCR, ORIGEM) VALUES (?, ?, ?, ?)");
  auto numbering =
      run.db.Prepare("INSERT INTO NUMERADOR (TPDOC, SERIE, ANO, ULTNUM) VALUES (?, ?, ?, 0)");
  const int year = PartsOf(run.today).year;
  for (const DocumentType& t : kDocumentTypes) {
    type.Run(t.code, t.description, t.area, t.operation, t.entity, t.account_sign, t.stock_effect,
             t.credit_note ? 1 : 0);
    for (const char* entry : t.series) {
      const std::vector<std::string> parts = Fields(entry);
      series.Run(t.code, parts[0], parts[1], std::stoi(parts[2]));
      numbering.Run(t.code, parts[0], year);
    }
  }
}

void InsertSmallCatalogues(DemoRun& run) {
  auto sector = run.db.Prepare("INSERT INTO SECTORES (CODIGO, DESCR, LOCALIDA) VALUES (?, ?, ?)");
  for (const Sector& s : kSectors) sector.Run(s.code, s.description, s.town);
  auto language = run.db.Prepare("INSERT INTO IDIOMAS (CODIGO, DESCR) VALUES (?, ?)");
  for (const auto& l : kLanguages) language.Run(l[0], l[1]);
}

}  // namespace

const std::vector<std::string>& DemoWarehouses() {
  static const std::vector<std::string> codes = [] {
    std::vector<std::string> all;
    for (const Warehouse& w : kWarehouses) all.push_back(w.code);
    return all;
  }();
  return codes;
}

const std::vector<DemoArticle>& DemoArticles() {
  static const std::vector<DemoArticle> articles = {
      {"AZE001", "Azeite Virgem Extra 0,75 L", "ALI", "UN", "CX", 6, "PAL", 480, 4.20, 6.95, kLot},
      {"AZE002", "Azeite Virgem Extra 5 L", "ALI", "UN", "CX", 3, "PAL", 120, 24.50, 36.90, kLot},
      {"ARR001", "Arroz Carolino 1 kg", "ALI", "UN", "FD", 10, "PAL", 800, 0.98, 1.49},
      {"ARR002", "Arroz Agulha 1 kg", "ALI", "UN", "FD", 10, "PAL", 800, 0.89, 1.35},
      {"BAC001", "Bacalhau Graúdo Seco", "ALI", "KG", "CX", 25, "PAL", 500, 9.80, 14.90, kLot},
      {"FEI001", "Feijão Manteiga 500 g", "ALI", "UN", "FD", 12, "PAL", 960, 0.85, 1.29},
      {"GRA001", "Grão-de-Bico Cozido 845 g", "ALI", "UN", "CX", 12, "PAL", 720, 0.72, 1.15, kLot},
      {"ATU001", "Atum em Azeite 120 g", "ALI", "UN", "CX", 24, "PAL", 2400, 1.10, 1.79, kLot},
      {"SAR001", "Sardinhas em Tomate 120 g", "ALI", "UN", "CX", 24, "PAL", 2400, 0.95, 1.59, kLot},
      {"LEI001", "Leite Meio-Gordo 1 L", "ALI", "UN", "CX", 6, "PAL", 576, 0.62, 0.89, kLot},
      {"QUE001", "Queijo da Serra Amanteigado", "ALI", "KG", "CX", 4, "PAL", 160, 16.40, 24.90,
       kLot},
      {"VIN001", "Vinho Tinto Douro 0,75 L", "BEB", "UN", "CX", 6, "PAL", 600, 3.40, 5.99},
      {"VIN002", "Vinho Verde Branco 0,75 L", "BEB", "UN", "CX", 6, "PAL", 600, 2.10, 3.79},
      {"VIN003", "Vinho do Porto Tawny 10 Anos", "BEB", "UN", "CX", 6, "PAL", 480, 11.60, 18.50},
      {"AGU001", "Água Mineral Natural 1,5 L", "BEB", "UN", "FD", 6, "PAL", 504, 0.21, 0.39},
      {"CAF001", "Café Torrado em Grão 1 kg", "ALI", "UN", "CX", 10, "PAL", 400, 8.70, 13.20},
      {"ACU001", "Açúcar Branco 1 kg", "ALI", "UN", "FD", 10, "PAL", 1000, 0.79, 1.09},
      {"FAR001", "Farinha de Trigo Tipo 65 1 kg", "ALI", "UN", "FD", 10, "PAL", 1000, 0.55, 0.85},
      {"MAS001", "Massa Esparguete 500 g", "ALI", "UN", "FD", 20, "PAL", 1600, 0.48, 0.79},
      {"BOL001", "Bolacha Maria 200 g", "ALI", "UN", "CX", 30, "PAL", 1800, 0.42, 0.69},
      {"CHO001", "Chouriço de Porco Preto", "ALI", "KG", "CX", 5, "PAL", 300, 11.20, 17.90, kLot},
      {"PRE001", "Presunto Fatiado 100 g", "ALI", "UN", "CX", 20, "PAL", 1200, 1.65, 2.69, kLot},
      {"MEL001", "Mel de Rosmaninho 500 g", "ALI", "UN", "CX", 12, "PAL", 720, 4.10, 6.50, kLot},
      {"SAB001", "Sabão Azul e Branco 400 g", "LIM", "UN", "CX", 24, "PAL", 1440, 0.90, 1.49},
      {"DET001", "Detergente Loiça Limão 1 L", "LIM", "UN", "CX", 12, "PAL", 720, 1.05, 1.89},
      {"LIX001", "Lixívia Tradicional 2 L", "LIM", "UN", "CX", 8, "PAL", 480, 0.88, 1.45},
      {"PAP001", "Papel Higiénico Folha Dupla 12 Rolos", "LIM", "UN", "FD", 4, "PAL", 96, 3.20,
       4.99},
      {"GUA001", "Guardanapos de Papel 100 un.", "LIM", "UN", "CX", 36, "PAL", 2160, 0.60, 1.05},
      {"PIL001", "Pilhas Alcalinas AA (4 un.)", "ELE", "UN", "CX", 20, "PAL", 2000, 2.30, 3.99},
      {"LAM001", "Lâmpada LED E27 9 W", "ELE", "UN", "CX", 10, "PAL", 1000, 1.80, 3.29},
      {"EXT001", "Extensão Elétrica 3 Tomadas 5 m", "ELE", "UN", "CX", 10, "PAL", 400, 5.40, 8.90},
      {"BAL001", "Balança Digital de Cozinha", "ELE", "UN", "CX", 4, "PAL", 160, 12.30, 19.90,
       kSerial},
      {"MIC001", "Micro-ondas 20 L Branco", "ELE", "UN", "CX", 1, "PAL", 24, 58.00, 89.90, kSerial},
      {"FRI001", "Frigorífico Combinado Inox", "ELE", "UN", "CX", 1, "PAL", 6, 410.00, 599.00,
       kSerial},
      {"MAQ001", "Máquina de Café Expresso", "ELE", "UN", "CX", 2, "PAL", 48, 74.00, 119.00,
       kSerial},
      {"TER001", "Terminal Portátil de Recolha de Dados", "ELE", "UN", "CX", 5, "PAL", 100, 215.00,
       329.00, kSerial},
      {kQuotedArticle, "Caixa d'Ovos Classe M (12 un.)", "ALI", "UN", "CX", 15, "PAL", 900, 2.05,
       2.99},
      {"PAL001", "Palete de Madeira EUR", "EMB", "UN", "LOT", 10, "PAL", 1, 7.50, 11.00},
      {"SAC001", "Sacos de Papel Kraft Reutilizáveis", "EMB", "UN", "CX", 250, "PAL", 10000, 0.09,
       0.18},
      {kInactiveArticle, "Cerveja Preta Mini 25 cl (descontinuada)", "BEB", "UN", "CX", 24, "PAL",
       2400, 0.41, 0.69},
      {kUnflaggedArticle, "Refrigerante de Laranja 33 cl", "BEB", "UN", "CX", 24, "PAL", 2400, 0.38,
       0.65},
  };
  return articles;
}

const std::vector<DemoParty>& DemoCustomers() {
  static const std::vector<DemoParty> customers = {
      {"C0001", "Mercearia Conceição, Lda.", "Rua da Prata, 87", "Lisboa", "1100-415", "503112840",
       "2.5"},
      {"C0002", "Supermercados Oliveira & Filhos, S.A.", "Estrada Nacional 10, km 3",
       "Vila Franca de Xira", "2600-097", "505871233", "5"},
      {"C0003", "Café Restaurante O Lagar", "Largo do Pelourinho, 4", "Óbidos", "2510-086",
       "507993214", "0"},
      {"C0004", "Hotel Miramar Estoril", "Avenida Marginal, 7780", "Estoril", "2765-266",
       "502447810", "10"},
      {"C0005", "Minimercado São João", "Rua de São João, 22", "Braga", "4700-326", "510337521",
       "1.5"},
      {"C0006", "Padaria Pastelaria Flor de Liz", "Rua Direita, 150", "Leiria", "2400-125",
       "506218475", "3"},
      {"C0007", "Taberna do Zé Ribeiro", "Travessa das Flores, 9", "Guimarães", "4810-437",
       "213456789", ""},
      {"C0900", "Comercial Lusitana — Lisboa", "Rua das Indústrias, 12", "Alverca do Ribatejo",
       "2615-187", "509876543", "0"},
  };
  return customers;
}

const std::vector<DemoParty>& DemoSuppliers() {
  static const std::vector<DemoParty> suppliers = {
      {"F0001", "Olivais do Alentejo, Lda.", "Herdade da Azinheira", "Moura", "7860-011",
       "504322118", "3"},
      {"F0002", "Conservas Atlântico, S.A.", "Zona Industrial de Matosinhos, Lote 7", "Matosinhos",
       "4450-564", "500776342", "2"},
      {"F0003", "Lacticínios da Beira, Lda.", "Rua do Mosteiro, 41", "Seia", "6270-475",
       "505119827", "0"},
      {"F0004", "Adega do Vale Encantado", "Quinta do Vale Encantado", "Peso da Régua", "5050-262",
       "506884110", "4.5"},
      {"F0005", "Distribuidora Elétrica do Norte, Lda.", "Rua de Costa Cabral, 1200", "Porto",
       "4200-208", "508223901", "7.5"},
      {"F0006", "Torrefação São Brás, Lda.", "Rua do Comércio, 3", "São Brás de Alportel",
       "8150-133", "501992336", "1"},
      {"F0900", "Comercial Lusitana — Braga", "Avenida da Liberdade, 455", "Braga", "4710-251",
       "509876543", "0"},
  };
  return suppliers;
}

std::vector<const DemoArticle*> ActiveArticles() {
  std::vector<const DemoArticle*> active;
  for (const DemoArticle& a : DemoArticles()) {
    if (std::string(a.code) != kInactiveArticle) active.push_back(&a);
  }
  return active;
}

void InsertCatalogue(DemoRun& run) {
  InsertWarehouses(run);
  InsertArticles(run);
  InsertParties(run);
  InsertDocumentTypes(run);
  InsertSmallCatalogues(run);
}

}  // namespace pellora::app
