// Which file a name led to, and which version of it: the file system's
// device and inode number, the size and the time of the last change. Two
// stamps of one name differ when another program has written the file or
// put another file in its place meanwhile.
#pragma once

#include <cstdint>

namespace kovrin {

struct FileStamp {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t size = 0;
  std::int64_t modifiedSeconds = 0;
  std::int64_t modifiedNanoseconds = 0;

  friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

}  // namespace kovrin
