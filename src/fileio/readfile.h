// Opening files for reading without ever waiting on them.
//
// open() of a named pipe waits for a writer, and reading a device may never
// end, so the window program would freeze on either. A file is therefore
// opened without blocking (O_NONBLOCK, which a plain file ignores), checked
// with fstat, and read only when it is a plain file. kovrin-report reads
// pipes on purpose (standard input, process substitution) and opens whatever
// it is named, folders excepted.
//
// Failures come back as values whose message starts with the file's name:
// "NAME: cannot be opened: REASON".
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <optional>
#include <string>

#include "fileio/descriptor.h"
#include "model/filestamp.h"
#include "model/fileresult.h"

namespace kovrin {

enum class Readable { PlainFileOnly, Anything };

// Opens `path` for reading into `file`. With PlainFileOnly a pipe or device
// is refused before anything is read from it. `stamp`, when given, receives
// the identity of what was opened.
FileResult openForReading(const std::string& path, Readable readable, Descriptor& file,
                          FileStamp* stamp = nullptr);

// The whole text of the plain file `path`; a file of more than `limit`
// bytes is refused.
FileResult readPlainFile(const std::string& path, std::size_t limit, std::string& text);

// The stamp of the file that `path` leads to, links followed; nothing when
// it leads to none.
std::optional<FileStamp> stampOf(const std::string& path);
FileStamp stampOf(const struct stat& info);

// read(), again when a signal interrupted it; -1 with errno on failure.
ssize_t readSome(int fd, char* buffer, std::size_t size);

}  // namespace kovrin
