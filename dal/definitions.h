#ifndef PELLORA_DAL_DEFINITIONS_H_
#define PELLORA_DAL_DEFINITIONS_H_

#include <string>

#include "interfaces/data_access.h"

namespace pellora {

// The add-in's one data-access object, shared by every query of DalComandos. Empty until the
// connection is opened.
extern DataAccessPtr gDataAccess;

// Stores a second reference to the caller's data-access object.
void DataAccessSet(DataAccessPtr& data_access);

// Runs a command text through gDataAccess and gives back its answer. No trap: a failure
// (also an empty gDataAccess, 91) reaches the caller unchanged.
bool DataAccessExecute(const std::string& sql);

}  // namespace pellora

#endif  // PELLORA_DAL_DEFINITIONS_H_
