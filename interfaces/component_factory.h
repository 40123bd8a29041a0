#ifndef PELLORA_INTERFACES_COMPONENT_FACTORY_H_
#define PELLORA_INTERFACES_COMPONENT_FACTORY_H_

#include "interfaces/data_access.h"
#include "interfaces/vela.h"

namespace pellora {

// Where the add-in "creates" an outside object it asks this factory; the program and the
// tests decide what it makes.
class ComponentFactory {
 public:
  virtual ~ComponentFactory() = default;
  virtual DataAccessPtr CreateDataAccess() = 0;
  virtual PickingApiPtr CreatePickingApi() = 0;
};

}  // namespace pellora

#endif  // PELLORA_INTERFACES_COMPONENT_FACTORY_H_
