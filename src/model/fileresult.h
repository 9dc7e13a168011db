// The result of an operation on a file: success, or a message a person can
// read that names the file and what went wrong.
#pragma once

#include <string>
#include <utility>

namespace kovrin {

struct FileResult {
  bool ok = true;
  std::string message;  // empty on success
  explicit operator bool() const { return ok; }
  static FileResult failure(std::string text) { return {false, std::move(text)}; }
};

}  // namespace kovrin
