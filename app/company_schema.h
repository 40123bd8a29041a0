#ifndef PELLORA_APP_COMPANY_SCHEMA_H_
#define PELLORA_APP_COMPANY_SCHEMA_H_

namespace pellora::app {

// The text of schema/company.sql, compiled into the program by the build.
extern const char kCompanySchema[];

}  // namespace pellora::app

#endif  // PELLORA_APP_COMPANY_SCHEMA_H_
