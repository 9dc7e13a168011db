#include "fileio/spool.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "fileio/readfile.h"
#include "fileio/replacefile.h"

namespace kovrin {
namespace {

std::string temporaryFolder() {
  const char* folder = std::getenv("TMPDIR");
  return folder != nullptr && *folder != '\0' ? folder : "/tmp";
}

// A file without a name in `folder`, for reading and writing; where the file
// system cannot make one, a named file removed at once.
Descriptor unnamedFile(const std::string& folder) {
  Descriptor file(::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600));
  if (file.get() >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)) return file;
  std::string name = folder + "/kovrin-spool-XXXXXX";
  file = Descriptor(::mkostemp(name.data(), O_CLOEXEC));
  if (file.get() >= 0) ::unlink(name.c_str());
  return file;
}

}  // namespace

FileResult Spool::spill() {
  m_folder = temporaryFolder();
  m_file = unnamedFile(m_folder);
  if (m_file.get() < 0 || !writeAll(m_file.get(), m_memory)) {
    const int error = errno;
    m_file = Descriptor();
    return FileResult::failure(m_folder + ": the output cannot be held there until all is read: " +
                               std::strerror(error));
  }
  m_memory = std::string();
  return {};
}

FileResult Spool::write(std::string_view piece) {
  m_size += piece.size();
  if (m_file.get() < 0) {
    if (m_memory.size() + piece.size() <= kHeldInMemory) {
      m_memory += piece;
      return {};
    }
    if (FileResult spilled = spill(); !spilled) return spilled;
  }
  if (!writeAll(m_file.get(), piece)) {
    return FileResult::failure(m_folder + ": the output cannot be held there until all is read: " +
                               std::strerror(errno));
  }
  return {};
}

FileResult Spool::replay(const std::function<bool(std::string_view)>& take) {
  if (m_file.get() < 0) {
    take(m_memory);
    return {};
  }
  if (::lseek(m_file.get(), 0, SEEK_SET) != 0) {
    return FileResult::failure(m_folder + ": the output held there cannot be read back: " + std::strerror(errno));
  }
  std::array<char, 65536> buffer{};
  for (;;) {
    const ssize_t got = readSome(m_file.get(), buffer.data(), buffer.size());
    if (got < 0) {
      return FileResult::failure(m_folder + ": the output held there cannot be read back: " + std::strerror(errno));
    }
    if (got == 0 || !take({buffer.data(), static_cast<std::size_t>(got)})) return {};
  }
}

}  // namespace kovrin
