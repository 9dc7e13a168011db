// Output held back until it is known to be wanted whole, as kovrin-report
// holds what it writes to standard output, a pipe or a device until every
// project is read: a project that cannot be read then leaves the output
// empty. The first MiB is held in memory, the rest in a temporary file
// without a name in TMPDIR (/tmp when unset), as sort(1) spills its runs, so
// the memory used stays the same however long the output grows; the file
// goes with the spool, or with the process.
//
// Failures come back as values that name the folder and the reason.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "fileio/descriptor.h"
#include "model/fileresult.h"

namespace kovrin {

class Spool {
 public:
  static constexpr std::size_t kHeldInMemory = 1024 * 1024;

  FileResult write(std::string_view piece);
  // Hands everything written, in order and in pieces, to `take`, which
  // returns false to stop.
  FileResult replay(const std::function<bool(std::string_view)>& take);

  std::uint64_t size() const { return m_size; }

 private:
  FileResult spill();

  std::string m_memory;
  Descriptor m_file;
  std::string m_folder;
  std::uint64_t m_size = 0;
};

}  // namespace kovrin
