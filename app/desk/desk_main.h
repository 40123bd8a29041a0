#ifndef PELLORA_APP_DESK_DESK_MAIN_H_
#define PELLORA_APP_DESK_DESK_MAIN_H_

#include <string>

#include "app/command_context.h"

namespace pellora::desk {

// The context the windows work in: company `company` of folder `dir`, for user `user`.
app::CommandContext DeskContext(const std::string& dir, const std::string& company,
                                const std::string& user);

// pellora-desk [--dir DIR] [--company C] [--user U]: the host's window. Without --company the
// operator picks one of the companies configured in DIR (the current folder by default).
int RunDesk(int argc, char** argv);

}  // namespace pellora::desk

#endif  // PELLORA_APP_DESK_DESK_MAIN_H_
