// Kovrin 4.0: residential heating and cooling loads, one window.
//
// main owns the one project model and the toolkit and hands both by
// reference to the program's start-up and main loop. Kovrin takes no command
// line and keeps no settings; it works in the folder it is started in, where
// it finds the new-project template "new.dat" and the help file "HELP.HLP"
// and writes the report "out.dat".
#include "app/processmenu.h"
#include "model/model.h"
#include "toolkit/qttoolkit.h"

int main() {
  kovrin::ProjectModel model;
  kovrin::QtToolkit toolkit;
  return kovrin::runProgram(model, toolkit);
}
