#include "platform/vela/picking_api.h"

#include <filesystem>
#include <memory>
#include <utility>

#include "platform/vela/document.h"
#include "platform/vela/host_members.h"
#include "runtime/error.h"
#include "runtime/private_profile.h"

namespace pellora::vela {

namespace {

constexpr const char* kSection = "Api Vela";
constexpr long kValueSize = 255;

std::string ProfileValue(const std::string& key, const std::string& file) {
  return GetPrivateProfileString(kSection, key, "", kValueSize, file).text;
}

}  // namespace

void VelaPickingApi::SetIdentificadorAplicacao(const std::string& identifier) {
  identifier_ = identifier;
}

bool VelaPickingApi::Login(const std::string& configuration_file) {
  std::error_code error;
  logged_in_ = std::filesystem::is_regular_file(configuration_file, error);
  if (!logged_in_) return false;
  user_ = ProfileValue("Login", configuration_file);
  company_ = ProfileValue("Empresa", configuration_file);
  return true;
}

void VelaPickingApi::SetDataAccess(DataAccessPtr data_access) {
  data_access_ = std::move(data_access);
}

void VelaPickingApi::Logout() {
  logged_in_ = false;
}

HostDocumentPtr VelaPickingApi::NovoDocumento() {
  if (!logged_in_) {
    throw Error(kObjectNotSet, "VelaApi", "Não existe ligação ao Vela: faça primeiro o login.");
  }
  if (!data_access_) {
    throw Error(kObjectNotSet, "VelaApi", "O Vela não tem acesso à base de dados da empresa.");
  }
  return std::make_shared<VelaDocument>(data_access_);
}

LateBoundPtr VelaPickingApi::NovaLinha() {
  return NewLine();
}

LateBoundPtr VelaPickingApi::NovoLote() {
  return NewLot();
}

LateBoundPtr VelaPickingApi::NovoNumeroSerie() {
  return NewSerial();
}

}  // namespace pellora::vela
