#ifndef PELLORA_SUPPORT_CL_ARQUIVO_DIGITAL_H_
#define PELLORA_SUPPORT_CL_ARQUIVO_DIGITAL_H_

#include <cstdint>
#include <memory>
#include <string>

#include "interfaces/data_access.h"
#include "interfaces/dialogs.h"
#include "interfaces/shell.h"
#include "runtime/error.h"
#include "runtime/recordset.h"
#include "runtime/variant.h"

namespace pellora {

// The digital archive: documents (technical sheets and similar files) kept whole inside the
// company database, each hanging on a technical-sheet row of oru_ARTIGOS_FICHATECNICA that names
// the article and the language. Every statement runs on `bd`; the operator is asked and told
// through `dialogs`, and opened documents go to `shell`.
class Cl_ArquivoDigital {
 public:
  Cl_ArquivoDigital(std::shared_ptr<Dialogs> dialogs, ShellPtr shell);

  // ---- Public members, in the class's interface order.
  void Setbd(DataAccessPtr value) { bd_ = std::move(value); }
  DataAccessPtr bd() const { return bd_; }

  // Every language (IDIOMAS) by code; null, after a message box, when the query fails.
  RecordsetPtr ListaDeIdiomas();
  // The article's documents of owner kind TipoDeEntidade: Numero, Idioma, Titulo; null, after a
  // message box, when the query fails.
  RecordsetPtr ListaDeDocumentos(const std::string& NumeroDeFicha, int16_t TipoDeEntidade);
  // Stores the file NomeFicheiro (a full path) as document nReg, or as a new document when no
  // document has that number, on a new technical-sheet row of article NumeroFicha in language
  // sIdioma, in one transaction. False, after a message box and with nothing left behind, on any
  // failure.
  bool Add(const std::string& sIdioma, const std::string& NomeFicheiro,
           const std::string& NumeroFicha, int16_t TipoEntidade, int32_t nReg,
           const std::string& Designacao);
  // Asks for the new title: the update's success flag, or Empty when the operator gave none.
  Variant MudaNomeDocumento(int32_t Numero);
  // Removes the document and its technical-sheet row: the flag of the document's delete.
  bool RemoverDocumento(int32_t Numero);
  // Writes the document to percurso + its file name and asks the shell to open that file.
  // IdDaJanela is the owner window the desktop shell would use; there is none here.
  void VisalizarDocumento(int32_t Numero, int32_t IdDaJanela, const std::string& percurso);

 private:
  // The file's name: the text after the path's last backslash or slash.
  static std::string NomeFicheiroDoPercurso(const std::string& percurso);
  // Add's transaction, raising its failure with nothing left behind.
  void Gravar(const std::string& sIdioma, const std::string& NomeFicheiro,
              const std::string& NumeroFicha, int16_t TipoEntidade, int32_t nReg,
              const std::string& Designacao);
  // Shows a trapped error as the list and add members do: number, description between
  // parentheses and `onde`, the member that failed, on three lines.
  void MostrarErro(const Error& error, const std::string& onde);
  // The answer of `body`, or `failed` after MostrarErro when it raises.
  template <typename Answer, typename Body>
  Answer Trapped(const std::string& onde, Answer failed, Body&& body) {
    try {
      return body();
    } catch (const Error& error) {
      MostrarErro(error, onde);
      return failed;
    }
  }

  DataAccessPtr bd_;
  std::shared_ptr<Dialogs> dialogs_;
  ShellPtr shell_;
};

}  // namespace pellora

#endif  // PELLORA_SUPPORT_CL_ARQUIVO_DIGITAL_H_
