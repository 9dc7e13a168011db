// kovrin-report: the whole-house loads of Kovrin projects (see run.h).
#include <signal.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/run.h"

int main(int argc, char** argv) {
  // A write past the file-size limit then fails with EFBIG and is reported,
  // the old output kept, instead of ending the process.
  ::signal(SIGXFSZ, SIG_IGN);
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  return kovrin::run(args, std::cout, std::cerr);
}
