#include "app/desk/desk_main.h"

int main(int argc, char** argv) {
  return pellora::desk::RunDesk(argc, argv);
}
