#include "app/demo_content.h"

namespace pellora::app {
namespace {

struct Sheet {
  const char* article;
  const char* language;
  const char* file_name;
  const char* title;
  const char* content;
};

const Sheet kSheets[] = {
    {"MIC001", "PT", "ficha_tecnica_micro-ondas.txt", "Ficha técnica — Micro-ondas 20 L",
     "Micro-ondas 20 L Branco\nPotência: 700 W\nDimensões: 44 x 34 x 26 cm\n"},
    {"MIC001", "EN", "microwave_datasheet.txt", "Technical datasheet — Microwave 20 L",
     "Microwave oven 20 L White\nPower: 700 W\nSize: 44 x 34 x 26 cm\n"},
    {"AZE001", "PT", "azeite_virgem_extra.txt", "Ficha do produto — Azeite Virgem Extra",
     "Azeite virgem extra de azeitona galega.\nAcidez máxima: 0,3%\nConservar ao abrigo da luz.\n"},
};

}  // namespace

// Technical sheets of a few articles, each with one attached document (owner kind 1).
void InsertTechnicalSheets(DemoRun& run) {
  auto sheet =
      run.db.Prepare("INSERT INTO oru_ARTIGOS_FICHATECNICA (ARTIGO, IDIOMA) VALUES (?, ?)");
  auto document = run.db.Prepare(
      "INSERT INTO oru_ArquivoDigital (oru_ArquivoDigital_Entidade, "
      "oru_ArquivoDigital_TipoEntidade, oru_ArquivoDigital_Documento, "
      "oru_ArquivoDigital_NomeFicheiro, oru_ArquivoDigital_Titulo) "
      "VALUES (last_insert_rowid(), 1, ?, ?, ?)");
  for (const Sheet& s : kSheets) {
    sheet.Run(s.article, s.language);
    const std::string text = s.content;
    document.Run(std::vector<uint8_t>(text.begin(), text.end()), s.file_name, s.title);
  }
}

}  // namespace pellora::app
