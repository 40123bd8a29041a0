#ifndef PELLORA_APP_CLI_H_
#define PELLORA_APP_CLI_H_

namespace pellora::app {

// The `pellora` command: plays the host and serves integrators. Exit status 0 on success,
// 1 when the work failed, 2 when the command itself could not run.
int RunCli(int argc, char** argv);

}  // namespace pellora::app

#endif  // PELLORA_APP_CLI_H_
