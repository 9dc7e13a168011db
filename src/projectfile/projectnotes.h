// The project notes: the names of the zones, the details of the job, the
// house's values (air and people, system airflow, the orientation to size
// for), the equipment chosen (projectfile/equipmentnotes.h), the details of
// the detailed design load (detailnotes.h) and whatever a later version
// adds, kept in a project file after its 750 values.
//
// A reader of the 750 values alone stops after the last one, so a file with
// notes still loads, without them, wherever project files are read. The
// notes are written only when there is something in them: a project without
// names, details or house values is the plain 750-line file. Kovrin itself
// reads every line after the values: blank lines and the notes are taken;
// any other line is ignored, as the file format has always had it, and the
// first is named in a warning, since a save will not keep it.
//
// The section is text a person can read and a later version can extend:
//
//    [Kovrin project notes, version 1]
//    zone 27 = Kitchen
//    client = Smith family
//    site address = 12 Elm Street\nLakeside
//    floor area = 2150.5
//
// one "key = value" line per item, every line ending in CR LF. A value is
// written with "\\" for a backslash, "\n" and "\r" for line breaks and
// "\xHH" for any other control character, so that it stays on its line and
// its bytes come back exactly; it is UTF-8. Keys this version does not know
// are kept as read and written back unchanged, after the known ones; a key
// that differs from a known one only in case, blanks or underscores is a
// mistyped key, and refused with the key meant. A
// house value is a plain decimal number within its range (a whole one for
// occupants and the system airflow); anything else is refused.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/fileresult.h"
#include "model/model.h"
#include "model/valuetables.h"

namespace kovrin {

inline constexpr std::string_view kNotesMarker = "[Kovrin project notes, version 1]";

// The text a load error quotes, as both readers of a project file quote it:
// control characters made visible as "?" and a long text cut short.
std::string quotedInMessage(std::string_view text);

// What the readers of the notes share: a value without the blanks and tabs
// around it; a key or a word as an error names it, in double quotes;
// whether the UTF-8 text `text` holds a character that `refused` takes.
std::string_view trimmedNote(std::string_view text);
std::string quotedNoteWord(std::string_view word);
bool holdsAny(std::string_view text, bool (*refused)(char32_t));

// Reads the number `text` of the note `key` into `out`, which must not hold
// one yet, within `range`. Returns what was expected when it is not such a
// number; empty when it is read.
std::string readNumberNote(std::string_view key, std::string_view text, const NumberRange& range,
                           std::optional<double>& out);

// Reads the word `text` of the note `key` into `out`, which must not hold a
// value yet: the value, as the member `choice` gives it, of the row of
// `rows` whose member `word` it is. Returns what was expected when it is
// none of their words; empty when it is read.
template <class Row, std::size_t N, class Value>
std::string readWordNote(std::string_view key, std::string_view text, const std::array<Row, N>& rows,
                         Value Row::*choice, std::optional<Value>& out) {
  if (out) return "expected one " + quotedNoteWord(key) + ", found a second";
  text = trimmedNote(text);
  std::string words;
  for (std::size_t i = 0; i < N; ++i) {
    if (text == rows[i].word) {
      out = rows[i].*choice;
      return {};
    }
    words += i == 0 ? "" : (i + 1 == N ? " or " : ", ");
    words += quotedNoteWord(rows[i].word);
  }
  return "expected " + words + " for " + quotedNoteWord(key) + ", found " + quotedInMessage(text);
}
template <class Choice, std::size_t N>
std::string readWordNote(std::string_view key, std::string_view text, const std::array<ChoiceWording<Choice>, N>& rows,
                         std::optional<Choice>& out) {
  return readWordNote(key, text, rows, &ChoiceWording<Choice>::choice, out);
}

// Whether `tables` have anything to write after the 750 values.
bool hasNotes(const ProjectTables& tables);

// The section as savedata writes it after the 750th line; empty when there
// are no notes.
std::string notesText(const ProjectTables& tables);

// The number of values before the notes: one a line in a file written by
// Kovrin.
inline constexpr int kProjectFileLines = 750;

// Reads the lines after the 750th value: blank lines, then the marker, then
// the items. Any other line before the marker is ignored, and the first is
// named in the warning of finish(), since the next save will not keep it.
class NotesReader {
 public:
  NotesReader(std::string_view fileName, ProjectTables& out);
  // One line without its line feed, and its number in the file. Returns
  // false once the text was refused.
  bool line(std::string_view text, std::int64_t number);
  // The outcome once the file has ended: a broken section names the file,
  // the line and what was expected; ignored lines come as a warning.
  FileResult finish() const;

 private:
  void item(std::string_view text, std::int64_t number);
  // An item of each kind: true when `key` is one of that kind (a zone's
  // name, a detail of the job, a note of the house, the equipment, the
  // ducts or the details), read or refused.
  bool zoneItem(const std::string& key, const std::string& value, std::size_t characters, std::int64_t number);
  bool jobItem(const std::string& key, const std::string& value, std::int64_t number);
  bool sectionItem(const std::string& key, const std::string& value, std::size_t characters, std::int64_t number);
  void fail(std::int64_t number, const std::string& expectation);

  std::string m_fileName;
  ProjectTables& m_out;
  bool m_inside = false;        // the marker was read
  bool m_sizeForRead = false;  // "size for" may stand once
  std::string m_ignored;       // the warning for lines ignored before the marker
  std::optional<FileResult> m_error;
};

}  // namespace kovrin
