// kovrin: starts the Kovrin window in a working folder of its own (see
// workfolder.h), so that the program started from a desktop menu finds its
// template and can write its files. A project named on the command line (or
// by the desktop, for a file opened with Kovrin) is handed to the window
// program as its one argument, made absolute first: it is named from the
// folder the command was started in, which the launcher then leaves.
//
// The window program and the installed template and help file are found
// relative to this launcher's own path, so an installed tree works wherever
// it is unpacked. A problem met before the window could start is printed on
// standard error and also handed to the window program, which shows it in a
// message box and ends (or, for a project that cannot be found, goes on
// with the template): a user who started Kovrin from a menu sees no
// terminal. The window program is the one part of the package that is sure
// to be able to show a message on the desktop.
#include <signal.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "launcher/workfolder.h"
#include "model/programnames.h"

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kHelp = R"(Usage: kovrin [PROJECT]

Starts Kovrin, the heating and cooling load calculation of a house, in a
working folder of its own. There Kovrin finds the new-project template
"new.dat" and the help file "HELP.HLP", and writes the load report "out.dat".

Given a PROJECT file (a .prj), Kovrin opens it as File > Open does. A
relative PROJECT is taken from the folder the command is started in, not
from the working folder. A PROJECT that cannot be found or read is named in
a message, and Kovrin goes on with the template. A file manager opens .prj
files with Kovrin.

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
  --           what follows is the PROJECT, even when it starts with '-'

Environment:
  KOVRIN_WORKDIR     the working folder, chosen before all others
  XDG_DOCUMENTS_DIR  the documents folder
  XDG_CONFIG_HOME    the folder of user-dirs.dirs (by default ~/.config)
  HOME               the home folder
)";

std::string errnoText(int number) { return std::error_code(number, std::generic_category()).message(); }

int usageError(const std::string& problem) {
  std::cerr << "kovrin: " << problem << "\nTry 'kovrin --help'.\n";
  return 2;
}

// PROJECT as the window program is handed it: absolute, from the current
// folder. "." steps are left out; ".." stays, since after a symbolic link it
// need not lead back where the link came from.
kovrin::FileResult absoluteProject(const fs::path& project, std::string& absolute) {
  fs::path path = project;
  if (path.is_relative()) {
    std::error_code error;
    const fs::path current = fs::current_path(error);
    if (error) {
      return kovrin::FileResult::failure("Kovrin cannot open the project " + kovrin::pathInMessage(project) +
                                         ": the folder it is named from cannot be found (" + error.message() +
                                         ").");
    }
    path = current / project;
  }
  fs::path steps;
  for (const fs::path& step : path) {
    if (step != ".") steps /= step;
  }
  absolute = steps.string();
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  // kovrin, kovrin --help, or kovrin [--] PROJECT.
  const std::vector<std::string_view> words(argv + 1, argv + argc);
  if (words.size() == 1 && (words[0] == "--help" || words[0] == "-h")) {
    std::cout << kHelp;
    return 0;
  }
  std::span<const std::string_view> named = words;
  if (!named.empty() && named[0] == "--") {
    named = named.subspan(1);
  } else if (!named.empty() && named[0].size() > 1 && named[0].starts_with('-')) {
    return usageError("unknown option " + std::string(named[0]) + ".");
  }
  if (named.size() > 1) return usageError("Kovrin opens one project at a time.");
  if (!named.empty() && named[0].empty()) return usageError("the project's name is empty.");
  const std::string_view project = named.empty() ? std::string_view() : named[0];

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

  // A project that cannot be found is no reason not to start: the window
  // program says so and goes on with the template, as for a project it
  // cannot read.
  std::string absolute;
  const kovrin::FileResult found = project.empty() ? kovrin::FileResult{} : absoluteProject(project, absolute);
  if (found) {
    ::unsetenv(kovrin::kProjectErrorVariable);
  } else {
    std::cerr << "kovrin: " << found.message << '\n';
    ::setenv(kovrin::kProjectErrorVariable, found.message.c_str(), 1);
  }
  kovrin::FileResult ready =
      error ? kovrin::FileResult::failure("Kovrin cannot find where it is installed: " + error.message() + ".")
            : kovrin::FileResult{};
  if (ready) ready = kovrin::enterWorkFolder(dataFolder);
  if (ready) {
    ::unsetenv(kovrin::kStartupErrorVariable);
  } else {
    std::cerr << "kovrin: " << ready.message << '\n';
    ::setenv(kovrin::kStartupErrorVariable, ready.message.c_str(), 1);
  }

  std::string program = windowProgram.string();
  char* const arguments[] = {program.data(), absolute.empty() ? nullptr : absolute.data(), nullptr};
  ::execv(program.c_str(), arguments);
  const int reason = errno;
  std::cerr << "kovrin: cannot start " << program << ": " << errnoText(reason) << '\n';
  return 1;
}
