// kovrin-report: the whole house from the command line, without the window.
//
// run() is the whole program except the process around it, so tests call it
// in-process. It reads every project named, through the same reader as the
// window, and writes nothing to `out` unless every project was read and the
// output could be made: a bad project leaves `out` empty and names the file,
// the line and what was expected on `err`. Each project's output is made
// and put aside (fileio/spool.h, or the temporary file of -o) before the next
// project is read, so memory does not grow with the number of projects.
//
// Exit status: 0 success, 1 a project that cannot be read or an output file
// that cannot be written, 2 bad usage.
#pragma once

#include <ostream>
#include <span>
#include <string>

namespace kovrin {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFileError = 1;
inline constexpr int kExitUsage = 2;

// `args` are the arguments after the program name.
int run(std::span<const std::string> args, std::ostream& out, std::ostream& err);

// The text of --help.
std::string helpText();

}  // namespace kovrin
