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

constexpr std::string_view kTemporaryMark = ".tmp-";
constexpr std::size_t kTemporaryLetters = 6;

// The part of a temporary file's name before its mark: the target's name,
// cut where the mark and the letters would take the name past the longest
// the folder takes (a legal 250-byte name leaves room for 5 more bytes).
// The cut falls between UTF-8 characters.
std::string temporaryStem(const std::string& target) {
  const auto slash = target.find_last_of('/');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  const long folderLimit = ::pathconf(folderOf(target).c_str(), _PC_NAME_MAX);
  const std::size_t longest = folderLimit > 0 ? static_cast<std::size_t>(folderLimit) : NAME_MAX;
  const std::size_t added = kTemporaryMark.size() + kTemporaryLetters;
  const std::size_t room = longest > added ? longest - added : 1;
  std::size_t length = target.size() - nameStart;
  if (length <= room) return target;
  length = room;
  while (length > 1 && (static_cast<unsigned char>(target[nameStart + length]) & 0xC0) == 0x80) --length;
  return target.substr(0, nameStart + length);
}

// A new file beside `target` under a name no file has, created with mode
// `mode` (less the umask). Names are tried until one is free.
Descriptor createTemporary(const std::string& target, mode_t mode, std::string& name) {
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  std::uint64_t bits = static_cast<std::uint64_t>(now.tv_nsec) ^ (static_cast<std::uint64_t>(::getpid()) << 32);
  const std::string stem = temporaryStem(target) + std::string(kTemporaryMark);
  for (int attempt = 0; attempt < 100; ++attempt) {
    bits = bits * 6364136223846793005u + 1442695040888963407u;
    std::string suffix;
    for (std::uint64_t rest = bits >> 20; suffix.size() < kTemporaryLetters; rest /= 36) {
      suffix += "0123456789abcdefghijklmnopqrstuvwxyz"[rest % 36];
    }
    name = stem + suffix;
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

bool isPlainFileOrMissing(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) != 0 ? errno == ENOENT : S_ISREG(info.st_mode);
}

FileReplacement::~FileReplacement() {
  if (m_state == State::Temporary) {
    m_file.close();
    ::unlink(m_temporary.c_str());
  }
}

FileResult FileReplacement::fail(std::string_view step) {
  const int error = errno;
  if (m_file.get() >= 0) m_file.close();
  if (m_state == State::Temporary) ::unlink(m_temporary.c_str());
  m_state = State::Failed;
  return FileResult::failure(m_failed + std::string(step) + " (" + reason(error) + ")");
}

FileResult FileReplacement::begin(const std::string& path, const ReplaceRules& rules) {
  m_rules = rules;
  m_failed = path + ": " + std::string(rules.failure) + ": ";
  m_state = State::Failed;
  const auto refused = [&](const std::string& why) { return FileResult::failure(m_failed + why); };
  // What the name leads to, as the system follows it (also through links
  // such as /dev/stdout, which name no file a rename could replace).
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
    if (S_ISDIR(info.st_mode)) return refused("it is a folder");
    if (!rules.writeThroughPipesAndDevices) return refused("it is not a plain file (it is a pipe or a device)");
    m_file = Descriptor(::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY));
    if (m_file.get() < 0) return refused("it cannot be opened (" + reason(errno) + ")");
    m_state = State::Direct;
    return {};
  }

  m_target = path;
  bool exists = false;
  if (const auto problem = followLinks(m_target, info, exists)) return refused(*problem);
  if (exists && rules.keepExisting) {
    m_state = State::Kept;
    return {};
  }
  // root passes every permission check, so ask as the user who runs Kovrin.
  if (exists && ::faccessat(AT_FDCWD, m_target.c_str(), W_OK, AT_EACCESS) != 0 &&
      (errno == EACCES || errno == EPERM || errno == EROFS)) {
    return refused("the file is read-only");
  }
  m_file = createTemporary(m_target, exists ? 0600 : 0666, m_temporary);
  if (m_file.get() < 0) return fail("cannot create a temporary file in its folder");
  m_state = State::Temporary;
  if (exists) {
    if (::fchmod(m_file.get(), info.st_mode & 07777) != 0) {
      return fail("cannot set the permissions of the temporary file");
    }
    // Only root may give a file away; anyone else's save belongs to them,
    // as a new file would.
    [[maybe_unused]] const int givenAway = ::fchown(m_file.get(), info.st_uid, info.st_gid);
  }
  return {};
}

FileResult FileReplacement::write(std::string_view piece) {
  switch (m_state) {
    case State::Kept: return {};
    case State::Temporary: return writeAll(m_file.get(), piece) ? FileResult{} : fail("cannot write the file");
    case State::Direct: return writeAll(m_file.get(), piece) ? FileResult{} : fail("cannot write to it");
    case State::Idle:
    case State::Failed: break;
  }
  return FileResult::failure(m_failed + "it was not opened for writing");
}

FileResult FileReplacement::commit(FileStamp* written) {
  switch (m_state) {
    case State::Kept: m_state = State::Idle; return {};
    case State::Direct: return m_file.close() == 0 ? (m_state = State::Idle, FileResult{}) : fail("cannot write to it");
    case State::Temporary: break;
    case State::Idle:
    case State::Failed: return FileResult::failure(m_failed + "it was not opened for writing");
  }
  if (::fsync(m_file.get()) != 0) return fail("cannot write the file to disk");
  struct stat done {};
  if (::fstat(m_file.get(), &done) != 0) return fail("cannot write the file");
  if (m_file.close() != 0) return fail("cannot write the file");
  const bool placed = m_rules.keepExisting ? placeWhereMissing(m_temporary, m_target)
                                           : ::rename(m_temporary.c_str(), m_target.c_str()) == 0;
  if (!placed) return fail("cannot replace the file");
  m_state = State::Idle;
  // The rename is a change of the file, which moves its change time on.
  struct stat inPlace {};
  if (::stat(m_target.c_str(), &inPlace) == 0 && inPlace.st_dev == done.st_dev && inPlace.st_ino == done.st_ino) {
    done = inPlace;
  }
  if (written != nullptr) *written = stampOf(done);

  // Make the rename itself lasting; the file is saved either way.
  Descriptor folder(::open(folderOf(m_target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.get() >= 0) static_cast<void>(::fsync(folder.get()));
  return {};
}

FileResult replaceFile(const std::string& path, std::string_view text, const ReplaceRules& rules,
                       FileStamp* written) {
  FileReplacement file;
  if (FileResult begun = file.begin(path, rules); !begun) return begun;
  if (FileResult wrote = file.write(text); !wrote) return wrote;
  return file.commit(written);
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
