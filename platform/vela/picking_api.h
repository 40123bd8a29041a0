#ifndef PELLORA_PLATFORM_VELA_PICKING_API_H_
#define PELLORA_PLATFORM_VELA_PICKING_API_H_

#include <string>

#include "interfaces/data_access.h"
#include "interfaces/vela.h"

namespace pellora::vela {

// The picking application's API object. Login takes the configuration file and reads its
// "Api Vela" section; it fails only when the file does not exist. Documents are made only when
// logged in and given the company's data access.
class VelaPickingApi : public PickingApi {
 public:
  void SetIdentificadorAplicacao(const std::string& identifier) override;
  bool Login(const std::string& configuration_file) override;
  void SetDataAccess(DataAccessPtr data_access) override;
  void Logout() override;

  HostDocumentPtr NovoDocumento() override;
  LateBoundPtr NovaLinha() override;
  LateBoundPtr NovoLote() override;
  LateBoundPtr NovoNumeroSerie() override;

  const std::string& identifier() const { return identifier_; }
  bool logged_in() const { return logged_in_; }
  // The "Api Vela" Login and Empresa of the last login.
  const std::string& user() const { return user_; }
  const std::string& company() const { return company_; }

 private:
  std::string identifier_;
  bool logged_in_ = false;
  std::string user_;
  std::string company_;
  DataAccessPtr data_access_;
};

}  // namespace pellora::vela

#endif  // PELLORA_PLATFORM_VELA_PICKING_API_H_
