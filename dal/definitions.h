#ifndef PELLORA_DAL_DEFINITIONS_H_
#define PELLORA_DAL_DEFINITIONS_H_

#include <string>

#include "interfaces/data_access.h"

namespace pellora {

// The add-in's one data-access object, shared by every query of DalComandos: the one of the
// context in force (dal/context.h). Empty until the connection is opened.
const DataAccessPtr& gDataAccess();

// Stores a second reference to the caller's data-access object in the context in force.
void DataAccessSet(const DataAccessPtr& data_access);

// Runs a command text through gDataAccess and gives back its answer. No trap: a failure
// (also an empty gDataAccess, 91) reaches the caller unchanged.
bool DataAccessExecute(const std::string& sql);

}  // namespace pellora

#endif  // PELLORA_DAL_DEFINITIONS_H_
