#include "projectfile/projectfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

#include "report/lines.h"

namespace kovrin {
namespace {

// One block per page: the shared selections, then the page's integers and
// reals. The selections are written into every block and read from every
// block, so the last block's selections are the ones a load keeps.
constexpr int kBlockLines = kListSelectionItems + kPageIntegerRows + kPageRealRows;
static_assert(kBlockLines * kPages == kProjectFileLines);

// ---------------------------------------------------------------------------
// What each value of the file is, in the words of the input screen, so that a
// message can say which value is wrong.

constexpr std::array<std::string_view, 7> kSelectionNames = {
    "the daily range",   "the wall construction", "the ceiling/roof construction", "the floor construction",
    "the glass type",    "the interior shading",  "the exterior shading",
};

constexpr std::array<std::string_view, kZoneQuantities> kQuantityNames = {
    "door U-value",         "door area",         "floor U-value", "floor area", "ceiling/roof U-value",
    "ceiling/roof area",    "wall U-value",      "wall area",     "glass U-value", "glass area",
};

std::string zoneText(int page, int column) { return "zone " + std::to_string(zoneNumber(page, column)); }
std::string pageText(int page) { return "page " + std::to_string(page); }

std::string selectionName(int item, int page) {
  std::string name = item <= 7 ? std::string(kSelectionNames[static_cast<std::size_t>(item - 1)])
                               : "the glass direction of zone column " + std::to_string(item - 7);
  return name + " in the block of " + pageText(page);
}

std::string integerName(int row, int page) {
  if (row == irow::SummerThermostat) return "the summer thermostat of " + pageText(page);
  if (row == irow::WinterThermostat) return "the winter thermostat of " + pageText(page);
  if (row <= irow::PartitionDT(10)) return "the partition temperature difference of " + zoneText(page, row + 4);
  if (row <= irow::ZoneLoad(10)) return "the load of " + zoneText(page, row - 6);
  if (row == irow::PageLoadTotal) return "the load total of " + pageText(page);
  if (row == irow::SummerDesignTemp) return "the summer design temperature of " + pageText(page);
  if (row == irow::WinterDesignTemp) return "the winter design temperature of " + pageText(page);
  if (row <= irow::ZoneAirShare(10)) return "the airflow share of " + zoneText(page, row - 19);
  return "the total airflow of " + pageText(page);
}

std::string realName(int row, int page) {
  if (row == rrow::SummerDuctMultiplier) return "the summer duct multiplier of " + pageText(page);
  if (row == rrow::WinterDuctMultiplier) return "the winter duct multiplier of " + pageText(page);
  if (row == rrow::ReservedSlot) return "the reserved value (row 11) of " + pageText(page);
  for (int c = 1; c <= kZoneColumns; ++c) {
    for (int q = 0; q < kZoneQuantities; ++q) {
      if (realRow(c, static_cast<ZoneQuantity>(q)) == row) {
        return "the " + std::string(kQuantityNames[static_cast<std::size_t>(q)]) + " of " + zoneText(page, c);
      }
    }
  }
  return "real row " + std::to_string(row) + " of " + pageText(page);
}

// The value at 0-based position `index` of the file.
struct ValueSlot {
  enum Kind { Selection, Integer, Real } kind;
  int page;
  int row;  // item of ListSelections, or row of PageIntegers / PageReals
};

ValueSlot slotAt(int index) {
  const int page = index / kBlockLines + 1;
  const int line = index % kBlockLines + 1;
  if (line <= kListSelectionItems) return {ValueSlot::Selection, page, line};
  if (line <= kListSelectionItems + kPageIntegerRows) return {ValueSlot::Integer, page, line - kListSelectionItems};
  return {ValueSlot::Real, page, line - kListSelectionItems - kPageIntegerRows};
}

std::string slotName(const ValueSlot& slot) {
  switch (slot.kind) {
    case ValueSlot::Selection: return selectionName(slot.row, slot.page);
    case ValueSlot::Integer: return integerName(slot.row, slot.page);
    case ValueSlot::Real: break;
  }
  return realName(slot.row, slot.page);
}

// ---------------------------------------------------------------------------
// Reading numbers: the first number on a line, in free form.

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

enum class Parsed { Ok, NotANumber, OutOfRange };

// An optional sign and decimal digits, within the 32-bit range.
Parsed parseWhole(std::string_view token, std::int32_t& value) {
  std::size_t i = 0;
  const bool negative = i < token.size() && token[i] == '-';
  if (i < token.size() && (token[i] == '-' || token[i] == '+')) ++i;
  if (i == token.size()) return Parsed::NotANumber;
  // Accumulate in 64 bits and stop growing past the 32-bit range, so that
  // no number of digits can overflow.
  constexpr std::int64_t kLimit = std::int64_t{1} << 31;
  std::int64_t magnitude = 0;
  for (; i < token.size(); ++i) {
    if (!isDigit(token[i])) return Parsed::NotANumber;
    if (magnitude <= kLimit) magnitude = magnitude * 10 + (token[i] - '0');
  }
  if (magnitude > (negative ? kLimit : kLimit - 1)) return Parsed::OutOfRange;
  value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
  return Parsed::Ok;
}

// An optional sign, digits with or without a point, and an optional exponent
// (E or D in either case, optional sign, digits). The text is converted
// straight to single precision, correctly rounded. A value too large for
// single precision is refused, since it could only become infinity; a value
// too small for it becomes zero, which is what it is at that precision.
Parsed parseReal(std::string_view token, float& value) {
  std::size_t i = 0;
  const bool negative = i < token.size() && token[i] == '-';
  if (i < token.size() && (token[i] == '-' || token[i] == '+')) ++i;

  std::string mantissa;
  std::size_t wholeDigits = 0;
  std::size_t fractionDigits = 0;
  long order = 0;  // decimal order of the leading significant digit, plus one
  bool seenSignificant = false;
  long leadingFractionZeros = 0;
  for (; i < token.size() && isDigit(token[i]); ++i, ++wholeDigits) {
    mantissa += token[i];
    if (token[i] != '0') seenSignificant = true;
    if (seenSignificant) ++order;
  }
  if (i < token.size() && token[i] == '.') {
    mantissa += '.';
    for (++i; i < token.size() && isDigit(token[i]); ++i, ++fractionDigits) {
      mantissa += token[i];
      if (!seenSignificant && token[i] == '0') ++leadingFractionZeros;
      if (token[i] != '0') seenSignificant = true;
    }
  }
  if (wholeDigits + fractionDigits == 0) return Parsed::NotANumber;
  if (order == 0) order = -leadingFractionZeros;

  // The exponent is kept within a bound far beyond any float, so that
  // neither it nor the order below can overflow.
  constexpr long kExponentBound = 100000;
  long exponent = 0;
  if (i < token.size()) {
    const char letter = token[i];
    if (letter != 'E' && letter != 'e' && letter != 'D' && letter != 'd') return Parsed::NotANumber;
    ++i;
    const bool negativeExponent = i < token.size() && token[i] == '-';
    if (i < token.size() && (token[i] == '-' || token[i] == '+')) ++i;
    if (i == token.size()) return Parsed::NotANumber;
    for (; i < token.size(); ++i) {
      if (!isDigit(token[i])) return Parsed::NotANumber;
      if (exponent < kExponentBound) exponent = exponent * 10 + (token[i] - '0');
    }
    if (negativeExponent) exponent = -exponent;
  }

  const std::string text = mantissa + "e" + std::to_string(exponent);
  float magnitude = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
  if (ec == std::errc::result_out_of_range) {
    if (seenSignificant && order + exponent > 0) return Parsed::OutOfRange;
    magnitude = 0;
  } else if (ec != std::errc() || end != text.data() + text.size()) {
    return Parsed::NotANumber;
  }
  value = negative ? -magnitude : magnitude;
  return Parsed::Ok;
}

// The token as a message quotes it: control characters made visible as "?"
// and a long token cut short.
std::string quoted(std::string_view token) {
  constexpr std::size_t kShown = 40;
  std::string text = "\"";
  for (std::size_t i = 0; i < token.size() && i < kShown; ++i) {
    const auto c = static_cast<unsigned char>(token[i]);
    text += c < 0x20 || c == 0x7f ? '?' : token[i];
  }
  if (token.size() > kShown) text += "...";
  return text + "\"";
}

// Reads the values of a project file line by line into a table set, and
// says where and why it stopped when the file is not a project file.
class ProjectReader {
 public:
  ProjectReader(std::string_view fileName, ProjectTables& out) : m_fileName(fileName), m_out(out) {}

  // Takes one line (without its line feed). Returns false once no further
  // line is wanted: all 750 values are read, or a line was wrong.
  bool line(std::string_view text) {
    ++m_lines;
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    // A byte order mark, as some editors write, is no part of the first value.
    if (m_lines == 1 && text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    std::size_t begin = 0;
    while (begin < text.size() && isBlank(text[begin])) ++begin;
    if (begin == text.size()) return true;  // a line without a number is skipped
    std::size_t end = begin;
    while (end < text.size() && !isBlank(text[end]) && text[end] != ',') ++end;
    take(text.substr(begin, end - begin));
    return !m_error && m_values < kProjectFileLines;
  }

  FileResult finish() const {
    if (m_error) return *m_error;
    if (m_values == 0) {
      return FileResult::failure(m_fileName + ": the file ended at line " + std::to_string(m_lines) +
                                 " without a single value; a project file holds " +
                                 std::to_string(kProjectFileLines) + " (is it empty, or not a project file?)");
    }
    if (m_values < kProjectFileLines) {
      return FileResult::failure(m_fileName + ": the file ended at line " + std::to_string(m_lines) + " after " +
                                 std::to_string(m_values) + " values, " + std::to_string(kProjectFileLines) +
                                 " expected (" + slotName(slotAt(m_values)) + " is missing)");
    }
    return {};
  }

 private:
  void take(std::string_view token) {
    const ValueSlot slot = slotAt(m_values);
    Parsed parsed = Parsed::NotANumber;
    switch (slot.kind) {
      case ValueSlot::Selection: parsed = parseWhole(token, m_out.selection(slot.row)); break;
      case ValueSlot::Integer: parsed = parseWhole(token, m_out.integer(slot.page, slot.row)); break;
      case ValueSlot::Real: parsed = parseReal(token, m_out.real(slot.page, slot.row)); break;
    }
    if (parsed == Parsed::Ok) {
      ++m_values;
      return;
    }
    const bool whole = slot.kind != ValueSlot::Real;
    std::string message = m_fileName + ", line " + std::to_string(m_lines) + ": expected " +
                          (whole ? "a whole number" : "a number") + " for " + slotName(slot) + ", found " +
                          quoted(token);
    if (parsed == Parsed::OutOfRange) {
      message += whole ? ", which is outside the range of whole numbers (-2147483648 to 2147483647)"
                       : ", which is too large (the largest is about 3.4E+38)";
    }
    m_error = FileResult::failure(std::move(message));
  }

  std::string m_fileName;
  ProjectTables& m_out;
  std::int64_t m_lines = 0;  // a file may hold any number of blank lines
  int m_values = 0;
  std::optional<FileResult> m_error;
};

// ---------------------------------------------------------------------------
// Files.

std::string reason(int error) { return std::strerror(error); }

// Closes a descriptor on every way out of a function.
class Descriptor {
 public:
  explicit Descriptor(int fd) : m_fd(fd) {}
  ~Descriptor() {
    if (m_fd >= 0) ::close(m_fd);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return m_fd; }
  // Closes now and reports the result, which for a written file is the last
  // chance to hear of a failed write.
  int close() {
    const int result = ::close(m_fd);
    m_fd = -1;
    return result;
  }

 private:
  int m_fd;
};

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

std::string folderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

mode_t newFileMode() {
  // umask can only be read by setting it; the program has one thread.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

std::string projectText(const ProjectTables& tables) {
  std::string text;
  text.reserve(static_cast<std::size_t>(kProjectFileLines) * 16);
  for (int p = 1; p <= kPages; ++p) {
    for (int item = 1; item <= kListSelectionItems; ++item) text += FreeFormLine().integer(tables.selection(item)).str();
    for (int row = 1; row <= kPageIntegerRows; ++row) text += FreeFormLine().integer(tables.integer(p, row)).str();
    for (int row = 1; row <= kPageRealRows; ++row) text += FreeFormLine().real(tables.real(p, row)).str();
  }
  return text;
}

FileResult parseProject(std::string_view text, std::string_view fileName, ProjectTables& out) {
  ProjectReader reader(fileName, out);
  while (!text.empty()) {
    const auto lineFeed = text.find('\n');
    const std::string_view line = text.substr(0, lineFeed);
    if (!reader.line(line)) break;
    text.remove_prefix(lineFeed == std::string_view::npos ? text.size() : lineFeed + 1);
  }
  return reader.finish();
}

FileResult loadProjectFile(const std::string& path, ProjectTables& tables) {
  if (path.empty()) return FileResult::failure("The project has no file name to open.");
  Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.get() < 0) return FileResult::failure(path + ": cannot be opened: " + reason(errno));
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) return FileResult::failure(path + ": cannot be read: " + reason(errno));
  if (S_ISDIR(info.st_mode)) return FileResult::failure(path + ": is a folder, not a project file");
  // A device or pipe could block or never end; a project is a plain file.
  if (!S_ISREG(info.st_mode)) return FileResult::failure(path + ": is not a plain file, not a project file");

  ProjectTables scratch = tables;
  ProjectReader reader(path, scratch);
  std::string pending;
  std::array<char, 65536> buffer{};
  bool wanted = true;
  while (wanted) {
    const ssize_t got = ::read(file.get(), buffer.data(), buffer.size());
    if (got < 0) {
      if (errno == EINTR) continue;
      return FileResult::failure(path + ": cannot be read: " + reason(errno));
    }
    if (got == 0) {
      if (!pending.empty()) reader.line(pending);
      break;
    }
    std::string_view chunk(buffer.data(), static_cast<std::size_t>(got));
    while (wanted && !chunk.empty()) {
      const auto lineFeed = chunk.find('\n');
      if (lineFeed == std::string_view::npos) {
        pending += chunk;
        break;
      }
      pending += chunk.substr(0, lineFeed);
      chunk.remove_prefix(lineFeed + 1);
      wanted = reader.line(pending);
      pending.clear();
    }
  }
  FileResult result = reader.finish();
  if (result) tables = scratch;
  return result;
}

FileResult saveProjectFile(const std::string& path, const ProjectTables& tables) {
  if (path.empty()) return FileResult::failure("The project has no file name to save to.");
  const std::string notSaved = path + ": not saved: ";

  // A value that is not a number, or infinite, would make a file that no load
  // accepts; better to say so now while the project is still on screen.
  for (int p = 1; p <= kPages; ++p) {
    for (int row = 1; row <= kPageRealRows; ++row) {
      if (!std::isfinite(tables.real(p, row))) {
        return FileResult::failure(notSaved + realName(row, p) + " is not a finite number");
      }
    }
  }

  // Saving through a symbolic link replaces the file it points to, not the
  // link itself.
  std::string target = path;
  struct stat info {};
  if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
    if (char* resolved = ::realpath(path.c_str(), nullptr)) {
      target = resolved;
      std::free(resolved);
    }
  }
  const bool exists = ::stat(target.c_str(), &info) == 0;
  if (exists && S_ISDIR(info.st_mode)) return FileResult::failure(notSaved + "it is a folder");
  if (exists && !S_ISREG(info.st_mode)) return FileResult::failure(notSaved + "it is not a plain file");

  // The new text goes to a temporary file beside the target and replaces it
  // in one rename only when it is completely on disk, so a failure at any
  // step leaves the previous file as it was.
  std::vector<char> temporary(target.begin(), target.end());
  const std::string_view suffix = ".tmp-XXXXXX";
  temporary.insert(temporary.end(), suffix.begin(), suffix.end());
  temporary.push_back('\0');
  Descriptor file(::mkostemp(temporary.data(), O_CLOEXEC));
  if (file.get() < 0) {
    return FileResult::failure(notSaved + "cannot create a temporary file in its folder (" + reason(errno) + ")");
  }
  const auto fail = [&](std::string_view step) {
    const int error = errno;
    if (file.get() >= 0) file.close();
    ::unlink(temporary.data());
    return FileResult::failure(notSaved + std::string(step) + " (" + reason(error) + ")");
  };

  // mkostemp creates the file for its owner alone; a project file keeps the
  // permissions it had, or gets those of any new file.
  if (::fchmod(file.get(), exists ? (info.st_mode & 07777) : newFileMode()) != 0) {
    return fail("cannot set the permissions of the temporary file");
  }
  if (exists && ::fchown(file.get(), info.st_uid, info.st_gid) != 0) {
    // Only the owner's own groups are allowed; the file then belongs to the
    // user who saved it, which is what a new file would do as well.
  }
  if (!writeAll(file.get(), projectText(tables))) return fail("cannot write the file");
  if (::fsync(file.get()) != 0) return fail("cannot write the file to disk");
  if (file.close() != 0) return fail("cannot write the file");
  if (::rename(temporary.data(), target.c_str()) != 0) return fail("cannot replace the file");

  // Make the rename itself lasting; the file is saved either way.
  Descriptor folder(::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.get() >= 0) static_cast<void>(::fsync(folder.get()));
  return {};
}

FileResult loaddata(ProjectModel& model) {
  ProjectTables scratch = model.tables();
  FileResult result = loadProjectFile(model.ProjectFileName.path(), scratch);
  // Commit the three tables whole, and only when the file was read without error.
  if (result) model.setTables(scratch);
  return result;
}

FileResult savedata(const ProjectModel& model) { return saveProjectFile(model.ProjectFileName.path(), model.tables()); }

}  // namespace kovrin
