// Which file a name led to, and which version of it: the file system's
// device and inode number, the size, the time of the last change of its
// content and the time of the last change of the file at all. Two stamps of
// one name differ when another program has written the file or put another
// file in its place meanwhile: a program can put the content's time back,
// but no program can set the file's change time.
#pragma once

#include <cstdint>

namespace kovrin {

struct FileStamp {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t size = 0;
  std::int64_t modifiedSeconds = 0;
  std::int64_t modifiedNanoseconds = 0;
  std::int64_t changedSeconds = 0;
  std::int64_t changedNanoseconds = 0;

  friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

}  // namespace kovrin
