#include "support/cl_arquivo_digital.h"

#include <filesystem>
#include <utility>

#include "dal/conflict_retry.h"
#include "dal/dal_error.h"
#include "dal/unit_of_work.h"
#include "runtime/convert.h"
#include "runtime/text.h"
#include "support/cl_arquivo_digital_sql.h"
#include "support/cl_arquivo_digital_stream.h"

namespace pellora {
namespace {

// The cursor and lock arguments of the open-for-update calls, passed through as given.
constexpr int kAdOpenStatic = 3;
constexpr int kAdLockUnspecified = -1;

}  // namespace

Cl_ArquivoDigital::Cl_ArquivoDigital(std::shared_ptr<Dialogs> dialogs, ShellPtr shell)
    : dialogs_(std::move(dialogs)), shell_(std::move(shell)) {}

RecordsetPtr Cl_ArquivoDigital::ListaDeIdiomas() {
  return Trapped<RecordsetPtr>("Na função ListaDeIdiomas do cl_ArquivoDigital", nullptr, [&] {
    RecordsetPtr idiomas;
    ObjectOf(bd_).OpenRecordset("", arquivo_sql::Idiomas(), idiomas, true, 0);
    return idiomas;
  });
}

RecordsetPtr Cl_ArquivoDigital::ListaDeDocumentos(const std::string& NumeroDeFicha,
                                                  int16_t TipoDeEntidade) {
  return Trapped<RecordsetPtr>("Na função ListaDeDocumentos do cl_ArquivoDigital", nullptr, [&] {
    RecordsetPtr documentos;
    ObjectOf(bd_).OpenRecordset("", arquivo_sql::Documentos(NumeroDeFicha, TipoDeEntidade),
                                documentos, true, 0);
    return documentos;
  });
}

bool Cl_ArquivoDigital::Add(const std::string& sIdioma, const std::string& NomeFicheiro,
                            const std::string& NumeroFicha, int16_t TipoEntidade, int32_t nReg,
                            const std::string& Designacao) {
  return Trapped("Na função Add do Cl_ArquivoDigital", false, [&] {
    RetriedOnConflict(
        [&] { Gravar(sIdioma, NomeFicheiro, NumeroFicha, TipoEntidade, nReg, Designacao); });
    return true;
  });
}

void Cl_ArquivoDigital::Gravar(const std::string& sIdioma, const std::string& NomeFicheiro,
                               const std::string& NumeroFicha, int16_t TipoEntidade, int32_t nReg,
                               const std::string& Designacao) {
  DataAccess& bd = ObjectOf(bd_);
  UnitOfWork gravacao(bd);
  RecordsetPtr ficha;
  bd.OpenRecordsetForUpdate(arquivo_sql::FichaNova(), ficha, kAdOpenStatic, kAdLockUnspecified);
  ficha->AddNew();
  ficha->Fields("ARTIGO").SetValue(NumeroFicha);
  ficha->Fields("IDIOMA").SetValue(sIdioma);
  ficha->Update();

  RecordsetPtr documento;
  bd.OpenRecordsetForUpdate(arquivo_sql::Documento(nReg), documento, kAdOpenStatic,
                            kAdLockUnspecified);
  Bytes conteudo = LoadFromFile(NomeFicheiro);
  if (documento->Eof()) documento->AddNew();
  Field nome = documento->Fields("oru_ArquivoDigital_NomeFicheiro");
  Field titulo = documento->Fields("oru_ArquivoDigital_Titulo");
  documento->Fields("oru_ArquivoDigital_Entidade").SetValue(ficha->Fields("ID").Value());
  documento->Fields("oru_ArquivoDigital_TipoEntidade").SetValue(TipoEntidade);
  nome.SetValue(Right(NomeFicheiroDoPercurso(NomeFicheiro), nome.DefinedSize()));
  documento->Fields("oru_ArquivoDigital_Documento").SetValue(std::move(conteudo));
  titulo.SetValue(Left(Designacao, titulo.DefinedSize()));
  documento->Update();
  documento->Close();

  gravacao.Commit();
}

Variant Cl_ArquivoDigital::MudaNomeDocumento(int32_t Numero) {
  const std::string titulo = ObjectOf(dialogs_).InputBox("Introduza o novo título do documento",
                                                         "Renomear Documentos", "");
  if (titulo.empty()) return Variant();
  return Variant(ObjectOf(bd_).ExecuteCommand("", arquivo_sql::TituloMudar(Numero, titulo)));
}

bool Cl_ArquivoDigital::RemoverDocumento(int32_t Numero) {
  DataAccess& bd = ObjectOf(bd_);
  RecordsetPtr documento;
  bd.OpenRecordset("", arquivo_sql::Entidade(Numero), documento, true, 0);
  if (!documento->Eof()) {
    const int32_t ficha = CLng(documento->Fields("oru_ArquivoDigital_Entidade").Value());
    bd.ExecuteCommand("", arquivo_sql::FichaApagar(ficha));
  }
  return bd.ExecuteCommand("", arquivo_sql::DocumentoApagar(Numero));
}

void Cl_ArquivoDigital::VisalizarDocumento(int32_t Numero, int32_t /*IdDaJanela*/,
                                           const std::string& percurso) {
  RecordsetPtr documento;
  ObjectOf(bd_).OpenRecordset("", arquivo_sql::Conteudo(Numero), documento, true, 0);
  std::string ficheiro = percurso;
  if (!documento->Eof()) {
    ficheiro += Concat(documento->Fields("oru_ArquivoDigital_NomeFicheiro").Value(), "");
    // An empty file is stored as no content at all.
    const Variant conteudo = documento->Fields("oru_ArquivoDigital_Documento").Value();
    SaveToFile(ficheiro, conteudo.IsNull() ? Bytes() : conteudo.AsBytes());
    documento->Close();
  }
  std::error_code sem_erro;
  if (std::filesystem::is_regular_file(ficheiro, sem_erro)) ObjectOf(shell_).Open(ficheiro);
}

std::string Cl_ArquivoDigital::NomeFicheiroDoPercurso(const std::string& percurso) {
  const size_t separador = percurso.find_last_of("\\/");
  return separador == std::string::npos ? percurso : percurso.substr(separador + 1);
}

void Cl_ArquivoDigital::MostrarErro(const Error& error, const std::string& onde) {
  ObjectOf(dialogs_).MsgBox(
      "Erro " + std::to_string(error.number()) + "\r\n(" + error.description() + ")\r\n" + onde,
      vbOKOnly, "");
}

}  // namespace pellora
