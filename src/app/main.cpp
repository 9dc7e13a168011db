// Kovrin 4.0: residential heating and cooling loads, one window.
//
// main owns the one project model and the toolkit and hands both by
// reference to the program's start-up and main loop. Kovrin takes no command
// line and keeps no settings; it works in the folder it is started in, where
// it finds the new-project template "new.dat" and the help file "HELP.HLP"
// and writes the report "out.dat". The launcher `kovrin` chooses that folder
// when the program is started from a desktop menu.
#include <signal.h>

#include <cstdlib>

#include "app/processmenu.h"
#include "gui/qtwindows.h"
#include "model/model.h"
#include "model/programnames.h"
#include "toolkit/qt/qttoolkit.h"

int main() {
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
  kovrin::QtWindows windows(toolkit);
  return kovrin::runProgram(model, toolkit, windows);
}
