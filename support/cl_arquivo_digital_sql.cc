#include "support/cl_arquivo_digital_sql.h"

#include "dal/sql_text.h"

namespace pellora::arquivo_sql {

std::string Idiomas() {
  return SqlLines({"SELECT    * ", "FROM      IDIOMAS ", "ORDER BY  CODIGO "});
}

std::string Documentos(const std::string& artigo, int16_t tipo_entidade) {
  return SqlLines({
      "SELECT     AD.oru_ArquivoDigital_Id AS Numero ",
      "          ,ID.DESCR AS Idioma ",
      "          ,AD.oru_ArquivoDigital_Titulo AS Titulo ",
      "FROM      oru_ARTIGOS_FICHATECNICA AS FT INNER JOIN ",
      "                 oru_ArquivoDigital AS AD ON AD.oru_ArquivoDigital_Entidade = FT.ID AND ",
      "                                      AD.oru_ArquivoDigital_TipoEntidade =" +
          std::to_string(tipo_entidade) + " INNER JOIN ",
      "                 IDIOMAS  AS ID ON ID.CODIGO = FT.IDIOMA ",
      "WHERE     FT.ARTIGO='" + QuotesDoubled(artigo) + "' ",
  });
}

std::string FichaNova() {
  return "SELECT [ID],[ARTIGO],[IDIOMA] FROM [oru_ARTIGOS_FICHATECNICA] WHERE [ID]=0";
}

std::string Documento(int32_t numero) {
  return "SELECT  oru_ArquivoDigital_Entidade, "
         " oru_ArquivoDigital_TipoEntidade, "
         " oru_ArquivoDigital_Documento, "
         " oru_ArquivoDigital_NomeFicheiro, "
         " oru_ArquivoDigital_Id, "
         " oru_ArquivoDigital_Titulo"
         " From oru_ArquivoDigital"
         " WHERE     (oru_ArquivoDigital_Id = " +
         std::to_string(numero) + ")";
}

std::string TituloMudar(int32_t numero, const std::string& titulo) {
  return "UPDATE    oru_ArquivoDigital Set oru_ArquivoDigital_Titulo = N'" + QuotesDoubled(titulo) +
         " ' Where (oru_ArquivoDigital_Id =" + std::to_string(numero) + ")";
}

std::string Entidade(int32_t numero) {
  return "SELECT oru_ArquivoDigital_Entidade FROM oru_ArquivoDigital WHERE "
         "(oru_ArquivoDigital_Id =" +
         std::to_string(numero) + ")";
}

std::string FichaApagar(int32_t entidade) {
  return " DELETE FROM [oru_ARTIGOS_FICHATECNICA] WHERE ( [ID]=" + std::to_string(entidade) + ")";
}

std::string DocumentoApagar(int32_t numero) {
  return " DELETE FROM oru_ArquivoDigital Where (oru_ArquivoDigital_Id =" + std::to_string(numero) +
         ")";
}

std::string Conteudo(int32_t numero) {
  return "SELECT     oru_ArquivoDigital_NomeFicheiro, oru_ArquivoDigital_Documento"
         " From oru_ArquivoDigital"
         " WHERE     (oru_ArquivoDigital_Id = " +
         std::to_string(numero) + ")";
}

}  // namespace pellora::arquivo_sql
