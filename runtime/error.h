#ifndef PELLORA_RUNTIME_ERROR_H_
#define PELLORA_RUNTIME_ERROR_H_

#include <exception>
#include <string>

namespace pellora {

// Error numbers the system raises or tests for, as the VB runtime and ADO give them.
enum ErrorNumber : long {
  kInvalidProcedureCall = 5,
  kOverflow = 6,
  kSubscriptOutOfRange = 9,
  kDivisionByZero = 11,
  kTypeMismatch = 13,
  kObjectNotSet = 91,
  kInvalidUseOfNull = 94,
  kMemberNotFound = 438,
  kAdoInvalidArgument = 3001,
  kAdoNoCurrentRecord = 3021,
  kAdoIllegalOperation = 3219,
  kAdoItemNotFound = 3265,
  kAdoDataConversion = 3421,
  kAdoObjectClosed = 3704,
  kAdoObjectOpen = 3705,
  // Every failure the database reports travels with this number (DB_E_ERRORSINCOMMAND as VB
  // sees it) and the database's own message.
  kDatabaseError = -2147217900,
  // The database refused the user a right a statement needs (DB_SEC_E_PERMISSIONDENIED).
  kPermissionDenied = -2147217911,
  // The link to the database server could not be made or broke (E_FAIL, as ADO reports it).
  kServerLinkFailed = -2147467259,
};

// The one error type of the system: what VB's Err object carries.
class Error : public std::exception {
 public:
  Error(long number, std::string source, std::string description);

  // A database error raised because another writer changed, at the same time, rows this unit of
  // work changed (a deadlock, a serialization failure): the database undid the work whole, and
  // it may run again.
  static Error Conflict(std::string source, std::string description);
  // This error raised again by `source`, with `description`: its number and kind kept.
  Error Reraised(std::string source, std::string description) const;

  long number() const { return number_; }
  bool conflict() const { return conflict_; }
  const std::string& source() const { return source_; }
  const std::string& description() const { return description_; }
  const char* what() const noexcept override { return description_.c_str(); }

 private:
  long number_;
  std::string source_;
  std::string description_;
  bool conflict_ = false;
};

// Raises the VB runtime error `number` with its standard description.
[[noreturn]] void RaiseRuntimeError(long number, const std::string& source = "Pellora");

}  // namespace pellora

#endif  // PELLORA_RUNTIME_ERROR_H_
