#include <malloc.h>

#include "app/cli.h"

int main(int argc, char** argv) {
  // An import builds and drops recordsets of every reading: memory freed is kept for the next
  // one rather than handed back to the system and faulted in again.
  mallopt(M_MMAP_THRESHOLD, 256 << 20);
  mallopt(M_TRIM_THRESHOLD, 512 << 20);
  mallopt(M_TOP_PAD, 64 << 20);
  return pellora::app::RunCli(argc, argv);
}
