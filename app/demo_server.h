#ifndef PELLORA_APP_DEMO_SERVER_H_
#define PELLORA_APP_DEMO_SERVER_H_

#include <string>

#include "app/demo_company.h"

namespace pellora::app {

// Creates the demo company of `options` as a database on the PostgreSQL server `server`
// (postgresql://[user[:password]@]host[:port]), with the same content as the file demo, and
// its configuration file DIR/orudados/PICKING.<company> naming that server without the password
// (PGPASSWORD or ~/.pgpass give it). Raises UsageError when the address or the company code is
// wrong, the company exists already, on the server or in DIR, or the server refuses the user;
// pellora::Error when the server is down or fails. Nothing is left behind then.
void CreateDemoCompanyOnServer(const DemoOptions& options, const std::string& server);

}  // namespace pellora::app

#endif  // PELLORA_APP_DEMO_SERVER_H_
