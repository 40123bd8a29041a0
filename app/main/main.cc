#include "app/cli.h"

int main(int argc, char** argv) { return pellora::app::RunCli(argc, argv); }
