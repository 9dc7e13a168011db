#include "projectfile/projectfile.h"

#include <unistd.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

#include "fileio/readfile.h"
#include "fileio/replacefile.h"
#include "model/rownames.h"
#include "model/selections.h"
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

std::string selectionName(int item, int page) {
  std::string name(listWording(item).name);
  if (item >= sel::GlassDirection(1)) name += " of zone column " + std::to_string(item - sel::GlassDirection(1) + 1);
  return name + " in the block of page " + std::to_string(page);
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
    case ValueSlot::Integer: return integerRowInSentence(slot.row, slot.page);
    case ValueSlot::Real: break;
  }
  return realRowInSentence(slot.row, slot.page);
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// DOS-era programs end a text file with this byte; nothing after it is text.
constexpr char kEndOfFileMark = '\x1A';
bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

// ---------------------------------------------------------------------------
// Writing: one value a line, then the notes.

std::string projectText(const ProjectTables& tables) {
  std::string text;
  text.reserve(static_cast<std::size_t>(kProjectFileLines) * 16);
  for (int p = 1; p <= kPages; ++p) {
    for (int item = 1; item <= kListSelectionItems; ++item) text += FreeFormLine().integer(tables.selection(item)).str();
    for (int row = 1; row <= kPageIntegerRows; ++row) text += FreeFormLine().integer(tables.integer(p, row)).str();
    for (int row = 1; row <= kPageRealRows; ++row) text += FreeFormLine().real(tables.real(p, row)).str();
  }
  // Nothing after the 750th line unless there are names or details.
  text += notesText(tables);
  return text;
}

// ---------------------------------------------------------------------------
// Reading numbers: the first number on a line, in free form.

NumberRead readWhole(std::string_view token, std::int32_t& value) {
  std::size_t i = 0;
  const bool negative = i < token.size() && token[i] == '-';
  if (i < token.size() && (token[i] == '-' || token[i] == '+')) ++i;
  if (i == token.size()) return NumberRead::NotANumber;
  // Accumulate in 64 bits and stop growing past the 32-bit range, so that
  // no number of digits can overflow.
  constexpr std::int64_t kLimit = std::int64_t{1} << 31;
  std::int64_t magnitude = 0;
  for (; i < token.size(); ++i) {
    if (!isDigit(token[i])) return NumberRead::NotANumber;
    if (magnitude <= kLimit) magnitude = magnitude * 10 + (token[i] - '0');
  }
  if (magnitude > (negative ? kLimit : kLimit - 1)) return NumberRead::OutOfRange;
  value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
  return NumberRead::Ok;
}

namespace {

// The significant digits of a number 0.DIGITS x 10^order, without the
// leading zeros, and the decimal order, counted exactly (it can grow no
// further from zero than the text is long).
struct Mantissa {
  std::string digits;
  std::int64_t order = 0;
  std::size_t count = 0;  // the digits written, zeros included
};

Mantissa readMantissa(std::string_view token, std::size_t& i) {
  Mantissa m;
  for (; i < token.size() && isDigit(token[i]); ++i, ++m.count) {
    if (m.digits.empty() && token[i] == '0') continue;
    m.digits += token[i];
    ++m.order;
  }
  if (i < token.size() && token[i] == '.') {
    for (++i; i < token.size() && isDigit(token[i]); ++i, ++m.count) {
      if (m.digits.empty() && token[i] == '0') {
        --m.order;
      } else {
        m.digits += token[i];
      }
    }
  }
  return m;
}

// An exponent (E or D in either case, optional sign, digits) from `i` to
// the end of the token. An exponent further from zero than `decisive` is
// not taken further, so it cannot overflow.
NumberRead readExponent(std::string_view token, std::size_t i, std::uint64_t decisive, std::uint64_t& exponent,
                        bool& negative) {
  if (i == token.size()) return NumberRead::Ok;
  const char letter = token[i];
  if (letter != 'E' && letter != 'e' && letter != 'D' && letter != 'd') return NumberRead::NotANumber;
  ++i;
  negative = i < token.size() && token[i] == '-';
  if (i < token.size() && (token[i] == '-' || token[i] == '+')) ++i;
  if (i == token.size()) return NumberRead::NotANumber;
  for (; i < token.size(); ++i) {
    if (!isDigit(token[i])) return NumberRead::NotANumber;
    if (exponent <= decisive) exponent = exponent * 10 + static_cast<std::uint64_t>(token[i] - '0');
  }
  return NumberRead::Ok;
}

// 0.DIGITS x 10^power, correctly rounded to single precision.
NumberRead singlePrecision(const std::string& digits, std::int64_t power, float& magnitude) {
  // It lies in [10^(power-1), 10^power): from 10^39 on it is beyond the
  // largest float (3.4E+38), below 10^-46 under half the smallest
  // (1.4E-45), so it rounds to zero.
  magnitude = 0;
  if (power > 39) return NumberRead::OutOfRange;
  if (power < -45) return NumberRead::Ok;
  const std::string text = "0." + digits + "e" + std::to_string(power);
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
  if (error == std::errc::result_out_of_range) {
    if (power > 0) return NumberRead::OutOfRange;
    magnitude = 0;
  } else if (error != std::errc() || end != text.data() + text.size()) {
    return NumberRead::NotANumber;
  }
  return NumberRead::Ok;
}

}  // namespace

// An optional sign, digits with or without a point, and an optional exponent
// (E or D in either case, optional sign, digits), converted once, correctly
// rounded, to single precision. A value too large for single precision is
// refused, since it could only become infinity; one too small for it becomes
// zero, which is what it is at that precision.
NumberRead readReal(std::string_view token, float& value) {
  std::size_t i = 0;
  const bool negative = i < token.size() && token[i] == '-';
  if (i < token.size() && (token[i] == '-' || token[i] == '+')) ++i;
  const Mantissa mantissa = readMantissa(token, i);
  if (mantissa.count == 0) return NumberRead::NotANumber;

  // An exponent further from zero than the text is long, plus the range of
  // single precision, decides the outcome on its own: no digits can bring
  // such a value back into range, and no exponent that matters is cut short.
  const std::uint64_t decisive = token.size() + 64;
  std::uint64_t exponent = 0;
  bool negativeExponent = false;
  if (const NumberRead read = readExponent(token, i, decisive, exponent, negativeExponent); read != NumberRead::Ok) {
    return read;
  }

  float magnitude = 0;
  const auto signedExponent = static_cast<std::int64_t>(exponent);
  if (mantissa.digits.empty() || (exponent > decisive && negativeExponent)) {
    magnitude = 0;
  } else if (exponent > decisive) {
    return NumberRead::OutOfRange;
  } else {
    const std::int64_t power = mantissa.order + (negativeExponent ? -signedExponent : signedExponent);
    if (const NumberRead read = singlePrecision(mantissa.digits, power, magnitude); read != NumberRead::Ok) {
      return read;
    }
  }
  value = negative ? -magnitude : magnitude;
  return NumberRead::Ok;
}

// ---------------------------------------------------------------------------
// Reading lines: one reader for every source, fed in pieces.

bool ProjectParser::feed(std::string_view piece) {
  if (!wanted()) return false;
  const auto mark = piece.find(kEndOfFileMark);
  piece = piece.substr(0, mark);
  while (wanted() && !piece.empty()) {
    const auto lineFeed = piece.find('\n');
    const std::string_view part = piece.substr(0, lineFeed);
    if (m_pending.size() + part.size() > kMaxLineBytes) {
      m_error = FileResult::failure(m_fileName + ", line " + std::to_string(m_lines + 1) +
                                    ": the line is longer than " + std::to_string(kMaxLineBytes) +
                                    " bytes; a project file holds one number a line");
      break;
    }
    const std::size_t used = lineFeed == std::string_view::npos ? piece.size() : lineFeed + 1;
    m_bytes += used;
    piece.remove_prefix(used);
    if (lineFeed == std::string_view::npos) {
      m_pending += part;
    } else if (m_pending.empty()) {
      line(part);
    } else {
      m_pending += part;
      line(m_pending);
      m_pending.clear();
    }
    if (wanted() && m_bytes > kMaxProjectBytes) {
      const std::string limit = m_fileName + ": more than " + std::to_string(kMaxProjectBytes) + " bytes";
      m_error = FileResult::failure(
          m_values == kProjectFileLines
              ? limit + " were read with the names and details after the values; a project file is far shorter"
              : limit + " were read, yet only " + std::to_string(m_values) + " of the " +
                    std::to_string(kProjectFileLines) + " values found; a project file is far shorter (is it one?)");
    }
  }
  if (mark != std::string_view::npos && wanted()) {
    // The line that holds the mark ends with it, and so does the file.
    line(std::exchange(m_pending, {}));
    m_ended = true;
  }
  return wanted();
}

void ProjectParser::line(std::string_view text) {
  ++m_lines;
  if (m_values == kProjectFileLines) {
    // After the values, a carriage return alone ends a line too, as an
    // editor that writes such lines shows them; no item holds one.
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    for (auto end = text.find('\r'); m_notes.line(text.substr(0, end), m_lines) && end != std::string_view::npos;
         end = text.find('\r')) {
      text.remove_prefix(end + 1);
      ++m_lines;
    }
    if (const FileResult notes = m_notes.finish(); !notes) m_error = notes;
    return;
  }
  if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
  // A byte order mark, as some editors write, is no part of the first value.
  if (m_lines == 1 && text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  std::size_t begin = 0;
  while (begin < text.size() && isBlank(text[begin])) ++begin;
  if (begin == text.size()) return;  // a line without a number is skipped
  std::size_t end = begin;
  while (end < text.size() && !isBlank(text[end]) && text[end] != ',') ++end;
  take(text.substr(begin, end - begin));
}

void ProjectParser::take(std::string_view token) {
  const ValueSlot slot = slotAt(m_values);
  NumberRead read = NumberRead::NotANumber;
  switch (slot.kind) {
    case ValueSlot::Selection: read = readWhole(token, m_out.selection(slot.row)); break;
    case ValueSlot::Integer: read = readWhole(token, m_out.integer(slot.page, slot.row)); break;
    case ValueSlot::Real: read = readReal(token, m_out.real(slot.page, slot.row)); break;
  }
  if (read == NumberRead::Ok) {
    ++m_values;
    return;
  }
  const bool whole = slot.kind != ValueSlot::Real;
  std::string message = m_fileName + ", line " + std::to_string(m_lines) + ": expected " +
                        (whole ? "a whole number" : "a number") + " for " + slotName(slot) + ", found " +
                        quotedInMessage(token);
  if (read == NumberRead::OutOfRange) {
    message += whole ? ", which is outside the range of whole numbers (-2147483648 to 2147483647)"
                     : ", which is too large (the largest is about 3.4E+38)";
  }
  m_error = FileResult::failure(std::move(message));
}

FileResult ProjectParser::finish() {
  if (wanted() && !m_pending.empty()) line(std::exchange(m_pending, {}));
  if (m_error) return *m_error;
  const std::string ended = m_fileName + ": the file ended at line " + std::to_string(m_lines) +
                            (m_ended ? ", at its end-of-file mark (0x1A)," : "");
  if (m_values == 0) {
    return FileResult::failure(ended + " without a single value; a project file holds " +
                               std::to_string(kProjectFileLines) + " (is it empty, or not a project file?)");
  }
  if (m_values < kProjectFileLines) {
    return FileResult::failure(ended + " after " + std::to_string(m_values) + " values, " +
                               std::to_string(kProjectFileLines) + " expected (" + slotName(slotAt(m_values)) +
                               " is missing)");
  }
  return m_notes.finish();
}

FileResult parseProject(std::string_view text, std::string_view fileName, ProjectTables& out) {
  ProjectParser parser(fileName, out);
  parser.feed(text);
  return parser.finish();
}

// ---------------------------------------------------------------------------
// Files.

namespace {

// Reads an open file or pipe piece by piece until the parser wants no more;
// the tables change only when the whole project was read.
FileResult readProject(int fd, const std::string& name, ProjectTables& tables) {
  ProjectTables scratch = tables;
  ProjectParser parser(name, scratch);
  std::array<char, 65536> buffer{};
  for (;;) {
    const ssize_t got = readSome(fd, buffer.data(), buffer.size());
    if (got < 0) return FileResult::failure(name + ": cannot be read: " + std::strerror(errno));
    if (got == 0 || !parser.feed({buffer.data(), static_cast<std::size_t>(got)})) break;
  }
  FileResult result = parser.finish();
  if (result) tables = scratch;
  return result;
}

}  // namespace

FileResult loadProjectFile(const std::string& path, ProjectTables& tables, FileStamp* stamp) {
  if (path.empty()) return FileResult::failure("The project has no file name to open.");
  Descriptor file;
  FileStamp opened;
  if (FileResult result = openForReading(path, Readable::PlainFileOnly, file, &opened); !result) return result;
  FileResult result = readProject(file.get(), path, tables);
  if (result && stamp != nullptr) *stamp = opened;
  return result;
}

FileResult loadProjectInput(const std::string& path, ProjectTables& tables) {
  if (path == "-") return readProject(STDIN_FILENO, "standard input", tables);
  Descriptor file;
  if (FileResult result = openForReading(path, Readable::Anything, file); !result) return result;
  return readProject(file.get(), path, tables);
}

FileResult checkReadableSize(std::string_view text, std::string_view fileName) {
  const std::string refused = std::string(fileName) + ": not saved: ";
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t feed = text.find('\n', start);
    const std::size_t end = feed == std::string_view::npos ? text.size() : feed;
    if (end - start > kMaxLineBytes) {
      // Only an item of the notes can be that long; its key starts its line.
      const std::string_view line = text.substr(start, end - start);
      return FileResult::failure(refused + "the line of \"" + std::string(line.substr(0, line.find(" = "))) +
                                 "\" in the project notes would be " + std::to_string(end - start) +
                                 " bytes long; a project file line holds at most " + std::to_string(kMaxLineBytes));
    }
    start = end + 1;
  }
  if (text.size() > kMaxProjectBytes) {
    return FileResult::failure(refused + "the file would be " + std::to_string(text.size()) +
                               " bytes long; a project file holds at most " + std::to_string(kMaxProjectBytes));
  }
  return {};
}

FileResult saveProjectFile(const std::string& path, const ProjectTables& tables, FileStamp* stamp) {
  if (path.empty()) return FileResult::failure("The project has no file name to save to.");
  // A value that is not a number, or infinite, would make a file that no load
  // accepts; better to say so now while the project is still on screen.
  for (int p = 1; p <= kPages; ++p) {
    for (int row = 1; row <= kPageRealRows; ++row) {
      if (!std::isfinite(tables.real(p, row))) {
        return FileResult::failure(path + ": not saved: " + realRowInSentence(row, p) + " is not a finite number");
      }
    }
  }
  const std::string text = projectText(tables);
  if (FileResult readable = checkReadableSize(text, path); !readable) return readable;
  return replaceFile(path, text, ReplaceRules{}, stamp);
}

FileResult loaddata(ProjectModel& model) {
  FileStamp stamp;
  FileResult result = loadProjectFile(model.ProjectFileName.path(), model, &stamp);
  if (result) {
    model.StampedFileName = model.ProjectFileName;
    model.ProjectFileStamp = stamp;
  }
  return result;
}

FileResult savedata(ProjectModel& model) {
  FileStamp stamp;
  FileResult result = saveProjectFile(model.ProjectFileName.path(), model.tables(), &stamp);
  if (result) {
    model.StampedFileName = model.ProjectFileName;
    model.ProjectFileStamp = stamp;
  }
  return result;
}

bool projectFileChanged(const ProjectModel& model) {
  if (!model.ProjectFileStamp) return false;
  // The same file may be named in more than one way ("new.dat" and the path
  // a file dialog gives for it).
  std::error_code stampedError;
  std::error_code currentError;
  const auto stamped = std::filesystem::weakly_canonical(model.StampedFileName.path(), stampedError);
  const auto current = std::filesystem::weakly_canonical(model.ProjectFileName.path(), currentError);
  if (stampedError || currentError || stamped != current) return false;
  const std::optional<FileStamp> now = stampOf(model.ProjectFileName.path());
  return now && *now != *model.ProjectFileStamp;
}

}  // namespace kovrin
