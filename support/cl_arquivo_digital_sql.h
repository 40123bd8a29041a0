#ifndef PELLORA_SUPPORT_CL_ARQUIVO_DIGITAL_SQL_H_
#define PELLORA_SUPPORT_CL_ARQUIVO_DIGITAL_SQL_H_

#include <cstdint>
#include <string>

namespace pellora::arquivo_sql {

// The statements of the digital archive. Texts placed between quotes have their quotes doubled.

// Every language, by code.
std::string Idiomas();
// The documents of `artigo` of owner kind `tipo_entidade`: Numero, Idioma, Titulo.
std::string Documentos(const std::string& artigo, int16_t tipo_entidade);
// An empty set of oru_ARTIGOS_FICHATECNICA, to add a technical-sheet row to.
std::string FichaNova();
// Document `numero`, every column the add writes.
std::string Documento(int32_t numero);
// Sets the title of document `numero` (the stored title ends with a blank).
std::string TituloMudar(int32_t numero, const std::string& titulo);
// The technical-sheet row document `numero` hangs on.
std::string Entidade(int32_t numero);
std::string FichaApagar(int32_t entidade);
std::string DocumentoApagar(int32_t numero);
// The file name and content of document `numero`.
std::string Conteudo(int32_t numero);

}  // namespace pellora::arquivo_sql

#endif  // PELLORA_SUPPORT_CL_ARQUIVO_DIGITAL_SQL_H_
