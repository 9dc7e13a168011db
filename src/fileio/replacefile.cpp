#include "fileio/replacefile.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <optional>

#include "fileio/descriptor.h"
#include "fileio/readfile.h"

namespace kovrin {
namespace {

std::string reason(int error) { return std::strerror(error); }

std::string folderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// The file that a save to `target` replaces: the target itself, or the file
// its symbolic links lead to, which need not exist yet. On return `info`
// holds what is there (when `exists`); the error text is what went wrong.
std::optional<std::string> followLinks(std::string& target, struct stat& info, bool& exists) {
  constexpr int kMostLinks = 40;  // as many as the system follows in a path
  for (int links = 0;; ++links) {
    if (::lstat(target.c_str(), &info) != 0) {
      exists = false;
      if (errno == ENOENT) return std::nullopt;  // made by the save
      return "it cannot be reached (" + reason(errno) + ")";
    }
    exists = true;
    if (!S_ISLNK(info.st_mode)) return std::nullopt;
    if (links == kMostLinks) return std::string("its symbolic links go round in a loop");
    std::array<char, PATH_MAX> link{};
    const ssize_t length = ::readlink(target.c_str(), link.data(), link.size());
    if (length < 0 || static_cast<std::size_t>(length) == link.size()) {
      return "its symbolic link cannot be read (" + reason(length < 0 ? errno : ENAMETOOLONG) + ")";
    }
    const std::string next(link.data(), static_cast<std::size_t>(length));
    target = next.starts_with('/') ? next : folderOf(target) + "/" + next;
  }
}

// A new file beside `target` under a name no file has, created with mode
// `mode` (less the umask). Names are tried until one is free.
Descriptor createTemporary(const std::string& target, mode_t mode, std::string& name) {
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  std::uint64_t bits = static_cast<std::uint64_t>(now.tv_nsec) ^ (static_cast<std::uint64_t>(::getpid()) << 32);
  for (int attempt = 0; attempt < 100; ++attempt) {
    bits = bits * 6364136223846793005u + 1442695040888963407u;
    std::string suffix;
    for (std::uint64_t rest = bits >> 20; suffix.size() < 6; rest /= 36) {
      suffix += "0123456789abcdefghijklmnopqrstuvwxyz"[rest % 36];
    }
    name = target + ".tmp-" + suffix;
    Descriptor file(::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
    if (file.get() >= 0 || errno != EEXIST) return file;
  }
  return Descriptor();
}

// Renames `temporary` to `target` only where no file is there; where the file
// system cannot rename so (NFS), a hard link puts it in place. A file found
// there is kept, and the temporary name goes in every case but a failure.
bool placeWhereMissing(const std::string& temporary, const std::string& target) {
  if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) return true;
  const bool linked = errno == EINVAL && ::link(temporary.c_str(), target.c_str()) == 0;
  if (!linked && errno != EEXIST) return false;
  ::unlink(temporary.c_str());
  return true;
}

}  // namespace

FileResult replaceFile(const std::string& path, std::string_view text, const ReplaceRules& rules,
                       FileStamp* written) {
  const std::string failed = path + ": " + std::string(rules.failure) + ": ";
  // What the name leads to, as the system follows it (also through links
  // such as /dev/stdout, which name no file a rename could replace).
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
    if (S_ISDIR(info.st_mode)) return FileResult::failure(failed + "it is a folder");
    if (!rules.writeThroughPipesAndDevices) {
      return FileResult::failure(failed + "it is not a plain file (it is a pipe or a device)");
    }
    Descriptor device(::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY));
    if (device.get() < 0) return FileResult::failure(failed + "it cannot be opened (" + reason(errno) + ")");
    if (!writeAll(device.get(), text) || device.close() != 0) {
      return FileResult::failure(failed + "cannot write to it (" + reason(errno) + ")");
    }
    return {};
  }

  std::string target = path;
  bool exists = false;
  if (const auto problem = followLinks(target, info, exists)) return FileResult::failure(failed + *problem);
  if (exists && rules.keepExisting) return {};
  // root passes every permission check, so ask as the user who runs Kovrin.
  if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0 &&
      (errno == EACCES || errno == EPERM || errno == EROFS)) {
    return FileResult::failure(failed + "the file is read-only");
  }

  std::string temporary;
  Descriptor file = createTemporary(target, exists ? 0600 : 0666, temporary);
  if (file.get() < 0) {
    return FileResult::failure(failed + "cannot create a temporary file in its folder (" + reason(errno) + ")");
  }
  const auto fail = [&](std::string_view step) {
    const int error = errno;
    if (file.get() >= 0) file.close();
    ::unlink(temporary.c_str());
    return FileResult::failure(failed + std::string(step) + " (" + reason(error) + ")");
  };
  if (exists) {
    if (::fchmod(file.get(), info.st_mode & 07777) != 0) return fail("cannot set the permissions of the temporary file");
    // Only root may give a file away; anyone else's save belongs to them,
    // as a new file would.
    [[maybe_unused]] const int givenAway = ::fchown(file.get(), info.st_uid, info.st_gid);
  }
  if (!writeAll(file.get(), text)) return fail("cannot write the file");
  if (::fsync(file.get()) != 0) return fail("cannot write the file to disk");
  struct stat done {};
  if (::fstat(file.get(), &done) != 0) return fail("cannot write the file");
  if (file.close() != 0) return fail("cannot write the file");
  const bool placed = rules.keepExisting ? placeWhereMissing(temporary, target)
                                         : ::rename(temporary.c_str(), target.c_str()) == 0;
  if (!placed) return fail("cannot replace the file");
  if (written != nullptr) *written = stampOf(done);

  // Make the rename itself lasting; the file is saved either way.
  Descriptor folder(::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.get() >= 0) static_cast<void>(::fsync(folder.get()));
  return {};
}

bool writeAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = ::write(fd, text.data(), text.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    text.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace kovrin
