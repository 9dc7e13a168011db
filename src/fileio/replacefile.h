// Replacing a file whole, or not at all.
//
// The new text goes to a temporary file beside the target, which is synced
// to disk and renamed over the target in one step. A failure at any step (a
// full disk, a file-size limit, a folder that cannot be written) leaves the
// previous file as it was and no temporary file behind. The temporary file
// is created with O_EXCL, so two programs saving at once never share one, and
// then given the old file's permissions; a new file gets those of any new
// file (the umask is never touched: other threads may be creating files).
// Its name is the target's with ".tmp-" and six letters after it, the
// target's name shortened where that would pass the longest name the folder
// takes.
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

#include "fileio/descriptor.h"
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

// Whether `path` names a plain file, or nothing yet: what a replacement puts
// in place by renaming (links followed).
bool isPlainFileOrMissing(const std::string& path);

// A replacement written in pieces, for text made as it is written: begin(),
// write() as often as there is text, commit(). Until commit() succeeds the
// target is untouched; a replacement given up (destroyed uncommitted, or
// after a failure) removes its temporary file. A pipe or device, where the
// rules allow one, is written straight through as the pieces come.
class FileReplacement {
 public:
  FileReplacement() = default;
  ~FileReplacement();
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  FileResult begin(const std::string& path, const ReplaceRules& rules);
  FileResult write(std::string_view piece);
  // Puts the file in place; `written`, when given, receives its stamp.
  FileResult commit(FileStamp* written = nullptr);

 private:
  FileResult fail(std::string_view step);

  enum class State { Idle, Temporary, Direct, Kept, Failed } m_state = State::Idle;
  ReplaceRules m_rules;
  std::string m_failed;     // "NAME: not saved: "
  std::string m_target;     // the file the links lead to
  std::string m_temporary;
  Descriptor m_file;
};

// Replace the file `path` with `text`. `written`, when given, receives the
// stamp of the new file.
FileResult replaceFile(const std::string& path, std::string_view text, const ReplaceRules& rules,
                       FileStamp* written = nullptr);

}  // namespace kovrin
