// The result of an operation on a file: success, or a message a person can
// read that names the file and what went wrong. A success may still carry a
// warning: something the user should know before going on (a reader that
// ignored part of a file says which part, since a save will not keep it).
#pragma once

#include <string>
#include <utility>

namespace kovrin {

struct FileResult {
  bool ok = true;
  std::string message;  // empty on success
  std::string warning;  // empty unless there is something to tell
  explicit operator bool() const { return ok; }
  static FileResult failure(std::string text) { return {false, std::move(text), {}}; }
};

}  // namespace kovrin
