// Replacing a file whole, or not at all.
//
// The new text goes to a temporary file beside the target, which is synced
// to disk and renamed over the target in one step. A failure at any step (a
// full disk, a file-size limit, a folder that cannot be written) leaves the
// previous file as it was and no temporary file behind. The temporary file
// is created with O_EXCL, so two programs saving at once never share one, and
// then given the old file's permissions; a new file gets those of any new
// file (the umask is never touched: other threads may be creating files).
//
// A symbolic link stays a link: the file it leads to is replaced, or made
// when the link dangles. A file the user may not write is not replaced,
// though its folder would allow the rename. What a rename cannot keep: other
// hard links to the old file go on holding the old text, and the old file's
// extended attributes and ACLs are not carried over.
//
// Failures come back as values: "NAME: not saved: REASON".
#pragma once

#include <string>
#include <string_view>

#include "model/filestamp.h"
#include "model/fileresult.h"

namespace kovrin {

struct ReplaceRules {
  // The words between the file's name and the reason in a message.
  std::string_view failure = "not saved";
  // A pipe or device is written straight through instead of refused.
  bool writeThroughPipesAndDevices = false;
  // Make the file only where there is none: a file found there, before or
  // while the new one is written, is kept, and the call succeeds without
  // replacing it (the launcher filling in a working folder).
  bool keepExisting = false;
};

// write(), again after a signal and after a short write, until the whole of
// `text` is written; false with errno when a write fails.
bool writeAll(int fd, std::string_view text);

// Replace the file `path` with `text`. `written`, when given, receives the
// stamp of the new file.
FileResult replaceFile(const std::string& path, std::string_view text, const ReplaceRules& rules,
                       FileStamp* written = nullptr);

}  // namespace kovrin
