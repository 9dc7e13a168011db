// kovrin-report: the whole-house loads of Kovrin projects (see run.h).
#include <iostream>
#include <string>
#include <vector>

#include "cli/run.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  return kovrin::run(args, std::cout, std::cerr);
}
