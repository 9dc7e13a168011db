// Project files: the whole model (ListSelections, PageIntegers and PageReals
// of all five pages) as a text of 750 lines, one number a line.
//
// Failures come back as values: a file that cannot be read or parsed leaves
// the model exactly as it was, and a file that cannot be written leaves the
// previous file intact. The message names the file, the line and what was
// expected, in words a user can act on.
//
// Reading takes the first number of each line: leading blanks and tabs are
// skipped, the number ends at a blank, a comma or the end of the line, the
// rest of the line is ignored, and lines without a number are skipped. A
// whole number is an optional sign and digits within the 32-bit range; a
// real also takes a point and an exponent with E or D, and is rounded once,
// straight to single precision, from its exact value however many digits
// and whatever exponent it has. A real too large for single precision is an
// error (it could only become infinity); one too small becomes zero. A line
// that starts with a comma or a slash, a repeat count such as 3*0, a quoted
// number, "NaN" or "Infinity" is not a number. After the 750 values come
// the notes, if any (projectnotes.h); any other line there is ignored, as
// the file format has always had it, and the load's warning names the
// first. An end-of-file mark (byte 0x1A, the last byte of many files written
// under DOS) ends the file wherever it stands. No line of a
// project file is longer than 64 KiB and no project file longer than 4 MiB,
// so past either bound reading stops and the file is refused: memory and
// time stay bounded whatever a file holds. The window reads only plain
// files, never waiting on a device or a pipe.
//
// Writing refuses what no load would take back: a real that is not finite,
// a line or a file past those bounds. It replaces the file whole or not at
// all (fileio/replacefile.h: permissions, links, read-only files).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/fileresult.h"
#include "projectfile/projectnotes.h"
#include "model/model.h"

namespace kovrin {

inline constexpr std::size_t kMaxLineBytes = 64 * 1024;
inline constexpr std::size_t kMaxProjectBytes = 4 * 1024 * 1024;

// The project file text of these tables, byte for byte as savedata writes it.
std::string projectText(const ProjectTables& tables);

// Whether the reader takes a project text back whole: no line longer than
// kMaxLineBytes, no more than kMaxProjectBytes in all. What the writer makes
// of a file can be longer than the file ("k=v" becomes "k = v", every line
// ends in CR LF), so a save checks its text before it replaces anything; a
// failure says "FILE: not saved: " and why.
FileResult checkReadableSize(std::string_view text, std::string_view fileName);

// The value of one number's text, as a project file line holds it.
enum class NumberRead { Ok, NotANumber, OutOfRange };
NumberRead readWhole(std::string_view text, std::int32_t& value);
NumberRead readReal(std::string_view text, float& value);

// Reads a project text handed over in pieces cut anywhere, as they come from
// a file or a pipe, into `out`. One reader for files and for text in memory,
// so both take and refuse the same.
class ProjectParser {
 public:
  ProjectParser(std::string_view fileName, ProjectTables& out)
      : m_fileName(fileName), m_out(out), m_notes(fileName, out) {}
  // Takes the next piece. Returns false once no more is wanted: the text
  // was refused, or its end-of-file mark was read.
  bool feed(std::string_view piece);
  // The outcome once the text has ended. On failure `out` holds nothing to rely on and
  // the message names the file, the line and what was expected; a success
  // warns of lines after the values that were ignored.
  FileResult finish();

 private:
  // After the values every line is read, for the notes and for what the
  // warning names.
  bool wanted() const { return !m_error && !m_ended; }
  void line(std::string_view text);
  void take(std::string_view token);

  std::string m_fileName;
  ProjectTables& m_out;
  std::string m_pending;    // the start of a line whose line feed is still to come
  std::uint64_t m_bytes = 0;
  std::int64_t m_lines = 0;  // a file may hold any number of blank lines
  int m_values = 0;
  NotesReader m_notes;  // the lines after the last value
  bool m_ended = false;  // at the end-of-file mark
  std::optional<FileResult> m_error;
};

// The whole project text at once.
FileResult parseProject(std::string_view text, std::string_view fileName, ProjectTables& out);

// Read the plain file named by model.ProjectFileName into the model: the
// three tables of all five pages and the notes after them; note the file's
// stamp. On failure the model is unchanged.
FileResult loaddata(ProjectModel& model);

// Write the model's three tables and its notes to the file named by
// model.ProjectFileName, replacing it whole, and note the stamp of the new
// file; on failure the previous file is intact.
FileResult savedata(ProjectModel& model);

// Whether the file that model.ProjectFileName names is no longer the one
// Kovrin last read or wrote under that name: another program saved it, or
// put another file in its place. A file that is gone has nothing to lose.
bool projectFileChanged(const ProjectModel& model);

// The same on an explicit path; `stamp` receives the stamp of the file read
// or written.
FileResult loadProjectFile(const std::string& path, ProjectTables& tables, FileStamp* stamp = nullptr);
FileResult saveProjectFile(const std::string& path, const ProjectTables& tables, FileStamp* stamp = nullptr);

// kovrin-report's reading: "-" is standard input, and pipes and devices are
// read like files.
FileResult loadProjectInput(const std::string& path, ProjectTables& tables);

}  // namespace kovrin
