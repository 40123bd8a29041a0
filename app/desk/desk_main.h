#ifndef PELLORA_APP_DESK_DESK_MAIN_H_
#define PELLORA_APP_DESK_DESK_MAIN_H_

namespace pellora::desk {

// pellora-desk [--dir DIR] [--company C] [--user U]: the host's window. Without --company the
// operator picks one of the companies configured in DIR (the current folder by default).
int RunDesk(int argc, char** argv);

}  // namespace pellora::desk

#endif  // PELLORA_APP_DESK_DESK_MAIN_H_
