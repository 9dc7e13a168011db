// Kovrin 4.0: residential heating and cooling loads, one window.
//
// main owns the one project model and the toolkit and hands both by
// reference to the program's start-up and main loop. Kovrin works in the
// folder it is started in, where it finds the new-project template "new.dat"
// and the help file "HELP.HLP" and writes the report "out.dat". The launcher
// `kovrin` chooses that folder, and hands over the project named to it as an
// absolute path, the one argument this program takes.
#include <signal.h>

#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>

#include "app/processmenu.h"
#include "gui/qtwindows.h"
#include "model/model.h"
#include "model/programnames.h"
#include "toolkit/qt/qttoolkit.h"

namespace {

constexpr std::string_view kUsage = R"(Usage: kovrin [PROJECT]

The window program of Kovrin, started by the command kovrin (see kovrin
--help), which chooses its working folder. Given a PROJECT file, Kovrin
starts and then opens it as File > Open does; a relative PROJECT is taken
from the working folder.
)";

}  // namespace

int main(int argc, char** argv) {
  const std::string_view first = argc > 1 ? argv[1] : "";
  if (argc == 2 && (first == "--help" || first == "-h")) {
    std::cout << kUsage;
    return 0;
  }
  if (argc > 2 || first.starts_with('-')) {
    std::cerr << kUsage;
    return 2;
  }
  // A write past the file-size limit then fails with EFBIG, and the save
  // says so and keeps the old file, instead of ending the program.
  ::signal(SIGXFSZ, SIG_IGN);
  kovrin::ProjectModel model;
  kovrin::QtToolkit toolkit;
  // A launcher that found no working folder hands the reason over to be
  // shown: started from a menu, the user sees no terminal.
  if (const char* problem = std::getenv(kovrin::kStartupErrorVariable); problem != nullptr && *problem != '\0') {
    toolkit.winitialise();
    toolkit.wmessagebox(kovrin::kProgramTitle, problem);
    return 1;
  }
  // A project the launcher could not find is said, as one that cannot be
  // read is, and the program goes on with the template.
  if (const char* problem = std::getenv(kovrin::kProjectErrorVariable); problem != nullptr && *problem != '\0') {
    toolkit.winitialise();
    toolkit.wmessagebox(kovrin::kProgramTitle, problem);
  }
  kovrin::QtWindows windows(toolkit);
  return kovrin::runProgram(model, toolkit, windows, std::string(first));
}
