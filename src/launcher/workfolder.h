// The working folder of Kovrin started from a desktop menu.
//
// The window program works in the folder it is started in: it reads the
// new-project template "new.dat" and the help file "HELP.HLP" there and
// writes the report "out.dat" there. A desktop menu starts programs in $HOME
// or in "/", where there is no template and "/" cannot be written, so the
// launcher `kovrin` first chooses a folder of the user's own, fills in the
// installed template and help file where they are missing, and then starts
// the window program in it.
//
// The folder, the first of:
//   1. KOVRIN_WORKDIR, when set and not empty (as for ./run);
//   2. the current folder, when it holds "new.dat": that is how ./run, the
//      tests and long-standing users start the program;
//   3. "Kovrin" in the documents folder: XDG_DOCUMENTS_DIR from the
//      environment, else from user-dirs.dirs in the configuration folder
//      (XDG_CONFIG_HOME, by default ~/.config), read as xdg-user-dir reads it;
//   4. ~/Kovrin.
//
// Failures come back as values, with a message for a person who started
// the program from a menu and sees no terminal. The message is handed to
// the window program in one environment string, which the system limits
// (128 KiB on Linux), so every path in it is cut to a readable length.
#pragma once

#include <filesystem>
#include <string>

#include "model/fileresult.h"

namespace kovrin {

// Choose the working folder, make it where it is missing, copy the template
// and the help file from `dataFolder` into it where it has no file of that
// name yet, and make it the current folder. A file already there is never
// touched, so a user's own template survives every start.
FileResult enterWorkFolder(const std::filesystem::path& dataFolder);

// `path` as a message shows it: its first kilobyte and an ellipsis when it
// is longer.
std::string pathInMessage(const std::filesystem::path& path);

}  // namespace kovrin
