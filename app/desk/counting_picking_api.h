#ifndef PELLORA_APP_DESK_COUNTING_PICKING_API_H_
#define PELLORA_APP_DESK_COUNTING_PICKING_API_H_

#include <functional>

#include "interfaces/vela.h"

namespace pellora::desk {

// The host's picking API object, telling `on_line` of every new document line the add-in asks
// it for: the import's progress as the host sees it.
class CountingPickingApi : public PickingApi {
 public:
  CountingPickingApi(PickingApiPtr api, std::function<void()> on_line)
      : api_(std::move(api)), on_line_(std::move(on_line)) {}

  void SetIdentificadorAplicacao(const std::string& identifier) override {
    api_->SetIdentificadorAplicacao(identifier);
  }
  bool Login(const std::string& configuration_file) override {
    return api_->Login(configuration_file);
  }
  void SetDataAccess(DataAccessPtr data_access) override {
    api_->SetDataAccess(std::move(data_access));
  }
  void Logout() override { api_->Logout(); }
  HostDocumentPtr NovoDocumento() override { return api_->NovoDocumento(); }
  LateBoundPtr NovaLinha() override {
    if (on_line_) on_line_();
    return api_->NovaLinha();
  }
  LateBoundPtr NovoLote() override { return api_->NovoLote(); }
  LateBoundPtr NovoNumeroSerie() override { return api_->NovoNumeroSerie(); }

 private:
  PickingApiPtr api_;
  std::function<void()> on_line_;
};

}  // namespace pellora::desk

#endif  // PELLORA_APP_DESK_COUNTING_PICKING_API_H_
