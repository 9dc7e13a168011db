// kovrin: starts the Kovrin window in a working folder of its own (see
// workfolder.h), so that the program started from a desktop menu finds its
// template and can write its files.
//
// The window program and the installed template and help file are found
// relative to this launcher's own path, so an installed tree works wherever
// it is unpacked. A problem met before the window could start is printed on
// standard error and also handed to the window program, which shows it in a
// message box and ends: a user who started Kovrin from a menu sees no
// terminal. The window program is the one part of the package that is sure
// to be able to show a message on the desktop.
#include <signal.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <system_error>

#include "launcher/workfolder.h"
#include "model/programnames.h"

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kHelp = R"(Usage: kovrin

Starts Kovrin, the heating and cooling load calculation of a house, in a
working folder of its own. There Kovrin finds the new-project template
"new.dat" and the help file "HELP.HLP", and writes the load report "out.dat".

The working folder is the folder that KOVRIN_WORKDIR names; else the current
folder, when it holds "new.dat"; else Kovrin in the documents folder, which
XDG_DOCUMENTS_DIR names in the environment or in ~/.config/user-dirs.dirs;
else ~/Kovrin. It is made when it is missing, and the installed template and
help file are copied into it when it has none. A file that is there is never
replaced: a template of your own is kept from one start to the next.

When no working folder can be had (HOME is not set, the folder cannot be
made or written, the template cannot be copied into it), Kovrin says why in
a message box and on standard error, and does not start. A copy that fails
leaves no file behind.

kovrin-report prints the loads of whole houses from the command line.

Options:
  -h, --help   show this help and end

Environment:
  KOVRIN_WORKDIR     the working folder, chosen before all others
  XDG_DOCUMENTS_DIR  the documents folder
  XDG_CONFIG_HOME    the folder of user-dirs.dirs (by default ~/.config)
  HOME               the home folder
)";

std::string errnoText(int number) { return std::error_code(number, std::generic_category()).message(); }

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) {
    const std::string_view arg = argv[1];
    if (argc == 2 && (arg == "--help" || arg == "-h")) {
      std::cout << kHelp;
      return 0;
    }
    std::cerr << "kovrin: Kovrin takes no arguments; it works in its working folder.\nTry 'kovrin --help'.\n";
    return 2;
  }
  // A copy past the file-size limit then fails with EFBIG and is reported
  // like any other, instead of ending the launcher; the window program
  // ignores the signal too.
  ::signal(SIGXFSZ, SIG_IGN);

  // bin/kovrin -> libexec/kovrin/kovrin and share/kovrin/, as installed.
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  const fs::path bin = error ? fs::path() : self.parent_path();
  const fs::path windowProgram = (bin / KOVRIN_WINDOW_PROGRAM_FROM_BIN).lexically_normal();
  const fs::path dataFolder = (bin / KOVRIN_DATA_FROM_BIN).lexically_normal();

  const kovrin::FileResult ready =
      error ? kovrin::FileResult::failure("Kovrin cannot find where it is installed: " + error.message() + ".")
            : kovrin::enterWorkFolder(dataFolder);
  if (ready) {
    ::unsetenv(kovrin::kStartupErrorVariable);
  } else {
    std::cerr << "kovrin: " << ready.message << '\n';
    ::setenv(kovrin::kStartupErrorVariable, ready.message.c_str(), 1);
  }

  std::string program = windowProgram.string();
  char* const arguments[] = {program.data(), nullptr};
  ::execv(program.c_str(), arguments);
  const int reason = errno;
  std::cerr << "kovrin: cannot start " << program << ": " << errnoText(reason) << '\n';
  return 1;
}
