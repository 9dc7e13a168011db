#include "fileio/readfile.h"

#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace kovrin {

FileStamp stampOf(const struct stat& info) {
  return {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino), info.st_size,
          info.st_mtim.tv_sec, info.st_mtim.tv_nsec, info.st_ctim.tv_sec, info.st_ctim.tv_nsec};
}

std::optional<FileStamp> stampOf(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return std::nullopt;
  return stampOf(info);
}

ssize_t readSome(int fd, char* buffer, std::size_t size) {
  for (;;) {
    const ssize_t got = ::read(fd, buffer, size);
    if (got >= 0 || errno != EINTR) return got;
  }
}

FileResult openForReading(const std::string& path, Readable readable, Descriptor& file, FileStamp* stamp) {
  const int waitless = readable == Readable::PlainFileOnly ? O_NONBLOCK : 0;
  Descriptor opened(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | waitless));
  if (opened.get() < 0) return FileResult::failure(path + ": cannot be opened: " + std::strerror(errno));
  struct stat info {};
  if (::fstat(opened.get(), &info) != 0) return FileResult::failure(path + ": cannot be read: " + std::strerror(errno));
  if (S_ISDIR(info.st_mode)) return FileResult::failure(path + ": is a folder, not a file");
  if (readable == Readable::PlainFileOnly && !S_ISREG(info.st_mode)) {
    return FileResult::failure(path + ": is not a plain file (it is a pipe or a device)");
  }
  if (stamp != nullptr) *stamp = stampOf(info);
  file = std::move(opened);
  return {};
}

FileResult readPlainFile(const std::string& path, std::size_t limit, std::string& text) {
  Descriptor file;
  FileStamp stamp;
  if (FileResult opened = openForReading(path, Readable::PlainFileOnly, file, &stamp); !opened) return opened;
  const auto tooLarge = [&] {
    return FileResult::failure(path + ": is larger than " + std::to_string(limit) + " bytes, too large to read");
  };
  if (static_cast<std::uint64_t>(stamp.size) > limit) return tooLarge();
  // The file may grow while it is read: reading stops one byte past the limit.
  std::string read;
  read.reserve(static_cast<std::size_t>(stamp.size) + 1);
  char buffer[65536];
  while (read.size() <= limit) {
    const ssize_t got = readSome(file.get(), buffer, std::min(sizeof buffer, limit + 1 - read.size()));
    if (got < 0) return FileResult::failure(path + ": cannot be read: " + std::strerror(errno));
    if (got == 0) break;
    read.append(buffer, static_cast<std::size_t>(got));
  }
  if (read.size() > limit) return tooLarge();
  text = std::move(read);
  return {};
}

}  // namespace kovrin
