#include "projectfile/projectnotes.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <vector>

#include "model/hexescape.h"
#include "model/nametext.h"
#include "model/utf8.h"
#include "projectfile/equipmentnotes.h"
#include "projectfile/ductnotes.h"
#include "projectfile/detailnotes.h"

namespace kovrin {
namespace {

constexpr std::string_view kZoneKey = "zone ";
constexpr std::string_view kLineEnd = "\r\n";

std::string escaped(std::string_view value) {
  std::string out;
  out.reserve(value.size());
  for (const char c : value) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\') {
      out += "\\\\";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if ((byte < 0x20 && c != '\t') || byte == 0x7F) {
      appendHexEscape(out, byte, "\\x", HexDigits::Upper);
    } else {
      out += c;
    }
  }
  return out;
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::optional<std::string> unescaped(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    if (++i == text.size()) return std::nullopt;
    switch (text[i]) {
      case '\\': out += '\\'; break;
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      case 'x': {
        if (i + 2 >= text.size()) return std::nullopt;
        const int high = hexDigit(text[i + 1]);
        const int low = hexDigit(text[i + 2]);
        if (high < 0 || low < 0) return std::nullopt;
        out += static_cast<char>(high * 16 + low);
        i += 2;
        break;
      }
      default: return std::nullopt;
    }
  }
  return out;
}

// The number of characters of UTF-8 text; nothing when the bytes are not
// UTF-8 (overlong forms, surrogates and values past U+10FFFF included).
std::optional<std::size_t> utf8Characters(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++count) {
    const std::size_t length = utf8Length(text.substr(i));
    if (length == 0) return std::nullopt;
    i += length;
  }
  return count;
}

// Whether `text` holds a control character other than those `allowed`.
bool holdsControls(std::string_view text, std::string_view allowed) {
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte < 0x20 || byte == 0x7F) && allowed.find(c) == std::string_view::npos) return true;
  }
  return false;
}

// The house's values by their keys in the file (kHouseValueRanges), in the
// table's order, each only when entered, and "size for" only when it is
// "worst": a project without them writes what it always wrote. A number is
// written as the shortest plain decimal that reads back to the same double
// (enteredText), so it comes back bit for bit.
constexpr std::string_view kSizeForKey = "size for";

template <class Item>
void writeHouseNotes(const HouseValues& house, const Item& item) {
  for (const HouseValueRange& entry : kHouseValueRanges) {
    if (const std::optional<double>& value = house[entry.value]) item(entry.fileKey, enteredText(*value));
  }
  if (house.SizeFor != SizingOrientation::Drawn) item(kSizeForKey, sizeForWording(house.SizeFor).word);
}

// Reads one item of the house's values into `house`. Nothing when the key is
// not one of them; otherwise what was expected, empty when the value was
// taken. `sizeForRead` notes a "size for" already read.
std::optional<std::string> readHouseNote(std::string_view key, std::string_view text, HouseValues& house,
                                         bool& sizeForRead) {
  text = trimmedNote(text);
  if (key == kSizeForKey) {
    std::optional<SizingOrientation> read;
    if (sizeForRead) read = house.SizeFor;
    std::string expected = readWordNote(key, text, kSizeForWordings, read);
    if (expected.empty()) house.SizeFor = *read;
    sizeForRead = read.has_value();
    return expected;
  }
  for (const HouseValueRange& range : kHouseValueRanges) {
    if (key == range.fileKey) return readNumberNote(key, text, numberRange(range), house[range.value]);
  }
  return std::nullopt;
}

// A key as it may be mistyped: in lower case, without blanks or underscores.
std::string looseKey(std::string_view key) {
  std::string loose;
  for (const char c : key) {
    if (c == ' ' || c == '\t' || c == '_') continue;
    loose += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  }
  return loose;
}

// The known key that an unknown `key` differs from only in case, blanks or
// underscores. Such a key is a slip of the hand, not a key of a later
// version: kept silently, its value would never be used.
std::optional<std::string> keyMeant(std::string_view key) {
  const std::string loose = looseKey(key);
  const std::string zone = looseKey(kZoneKey);
  if (loose.size() > zone.size() && loose.starts_with(zone)) {
    // A zone's name ("zone 6") or one of its details ("zone 6 window").
    const std::size_t wordAt = loose.find_first_not_of("0123456789", zone.size());
    const std::string number = loose.substr(zone.size(), wordAt - zone.size());
    if (wordAt == std::string::npos) return std::string(kZoneKey) + number;
    for (const std::string_view word : zoneDetailWords()) {
      if (!number.empty() && loose.substr(wordAt) == looseKey(word)) {
        return std::string(kZoneKey) + number + " " + std::string(word);
      }
    }
  }
  std::vector<std::string_view> known{kSizeForKey};
  for (const JobDetailField& detail : kJobDetailFields) known.push_back(detail.fileKey);
  for (const HouseValueRange& entry : kHouseValueRanges) known.push_back(entry.fileKey);
  for (const std::string_view item : equipmentNoteKeys()) known.push_back(item);
  for (const std::string_view item : ductNoteKeys()) known.push_back(item);
  for (const HouseDetailRange& range : kHouseDetailRanges) known.push_back(range.noteKey);
  for (const std::string_view candidate : known) {
    if (loose == looseKey(candidate)) return std::string(candidate);
  }
  return std::nullopt;
}

}  // namespace

std::string quotedInMessage(std::string_view text) {
  constexpr std::size_t kShown = kQuotedCharacters;
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size() && i < kShown; ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    out += c < 0x20 || c == 0x7F ? '?' : text[i];
  }
  if (text.size() > kShown) out += "...";
  return out + "\"";
}

std::string_view trimmedNote(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

std::string quotedNoteWord(std::string_view word) { return "\"" + std::string(word) + "\""; }

bool holdsAny(std::string_view text, bool (*refused)(char32_t)) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = std::max<std::size_t>(utf8Length(text.substr(i)), 1);
    if (refused(utf8Value(text.substr(i), length))) return true;
    i += length;
  }
  return false;
}

std::string readNumberNote(std::string_view key, std::string_view text, const NumberRange& range,
                           std::optional<double>& out) {
  if (out) return "expected one " + quotedNoteWord(key) + ", found a second";
  const std::optional<double> number = enteredNumber(text);
  if (!number || !withinRange(range, *number)) {
    return std::string("expected ") + (range.whole ? "a whole number" : "a number") + " from " +
           enteredText(range.minimum) + " to " + enteredText(range.maximum) + " for " + quotedNoteWord(key) +
           ", found " + quotedInMessage(text);
  }
  out = number;
  return std::string();
}

bool hasNotes(const ProjectTables& tables) {
  for (const std::string& name : tables.ZoneNames) {
    if (!name.empty()) return true;
  }
  for (const JobDetailField& detail : kJobDetailFields) {
    if (!(tables.Job.*detail.member).empty()) return true;
  }
  if (tables.House.anyEntered() || tables.Equipment.anyEntered()) return true;
  if (tables.Ducts.entered()) return true;
  if (hasDetailNotes(tables.Details)) return true;
  return !tables.OtherNotes.empty();
}

std::string notesText(const ProjectTables& tables) {
  if (!hasNotes(tables)) return {};
  std::string out(kNotesMarker);
  out += kLineEnd;
  const auto item = [&out](std::string_view key, std::string_view value) {
    out += key;
    out += " = ";
    out += escaped(value);
    out += kLineEnd;
  };
  for (int zone = 1; zone <= kZones; ++zone) {
    const std::string& name = tables.ZoneNames[static_cast<std::size_t>(zone - 1)];
    if (!name.empty()) item(std::string(kZoneKey) + std::to_string(zone), name);
  }
  for (const JobDetailField& detail : kJobDetailFields) {
    const std::string& value = tables.Job.*detail.member;
    if (!value.empty()) item(detail.fileKey, value);
  }
  writeHouseNotes(tables.House, item);
  writeEquipmentNotes(tables.Equipment, item);
  writeDuctNotes(tables.Ducts, item);
  writeDetailNotes(tables.Details, item);
  for (const NoteItem& other : tables.OtherNotes) item(other.key, other.value);
  return out;
}

NotesReader::NotesReader(std::string_view fileName, ProjectTables& out) : m_fileName(fileName), m_out(out) {
  m_out.ZoneNames = {};
  m_out.Job = {};
  m_out.House = {};
  m_out.Equipment = {};
  m_out.Ducts = {};
  m_out.Details = {};
  m_out.OtherNotes.clear();
}

bool NotesReader::line(std::string_view text, std::int64_t number) {
  if (m_error) return false;
  if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
  const std::string_view content = trimmedNote(text);
  if (content.empty()) return true;  // blank lines are no part of anything
  if (!m_inside) {
    // A later version may raise the version number; its items read alike.
    m_inside = content.starts_with("[Kovrin project notes") && content.ends_with("]");
    // Anything else here will be dropped by the next save, which writes the
    // values and the notes alone: the user is told of the first such line.
    if (!m_inside && m_ignored.empty()) {
      m_ignored = m_fileName + ", line " + std::to_string(number) + ": " + quotedInMessage(text) +
                  " and any other lines after the " + std::to_string(kProjectFileLines) +
                  " values that are not project notes are ignored, and will not be kept when the project is saved";
    }
    return true;
  }
  item(text, number);
  return !m_error;
}

void NotesReader::item(std::string_view text, std::int64_t number) {
  const auto equals = text.find('=');
  if (equals == std::string_view::npos || trimmedNote(text.substr(0, equals)).empty()) {
    return fail(number, "expected \"name = value\" in the project notes, found " + quotedInMessage(text));
  }
  // A control character is written escaped, so that the line reads the
  // same in any editor and comes back at the length it has.
  if (holdsControls(text, "\t")) {
    return fail(number, "expected control characters in the project notes written as \\xHH");
  }
  const std::string key(trimmedNote(text.substr(0, equals)));
  std::string_view raw = text.substr(equals + 1);
  if (!raw.empty() && raw.front() == ' ') raw.remove_prefix(1);
  const std::optional<std::string> value = unescaped(raw);
  if (!value) {
    return fail(number, "expected the value of \"" + key + "\" with a backslash only in \\\\, \\n, \\r or \\xHH");
  }
  const std::optional<std::size_t> characters = utf8Characters(*value);
  if (!utf8Characters(key) || !characters) {
    return fail(number, "expected text in UTF-8 for \"" + key + "\"");
  }

  if (zoneItem(key, *value, *characters, number) || jobItem(key, *value, number) ||
      sectionItem(key, *value, *characters, number)) {
    return;
  }
  if (const std::optional<std::string> meant = keyMeant(key)) {
    return fail(number, "expected the key \"" + *meant + "\", found " + quotedInMessage(key));
  }
  m_out.OtherNotes.push_back({key, *value});
}

bool NotesReader::zoneItem(const std::string& key, const std::string& value, std::size_t characters,
                           std::int64_t number) {
  // "zone" and a number names a zone; "zone" and anything else is a key of
  // a later version.
  const std::string_view digits = key.starts_with(kZoneKey) ? std::string_view(key).substr(kZoneKey.size()) : "";
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) return false;
  int zone = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), zone);
  if (error != std::errc() || end != digits.data() + digits.size() || zone < 1 || zone > kZones) {
    fail(number, "expected a zone number from 1 to " + std::to_string(kZones) + ", found " + quotedInMessage(key));
  } else if (holdsAny(value, refusedInName)) {
    fail(number,
         "expected a name without control characters or direction overrides for zone " + std::to_string(zone));
  } else if (characters > kZoneNameCharacters) {
    fail(number, "expected a name of at most " + std::to_string(kZoneNameCharacters) + " characters for zone " +
                     std::to_string(zone));
  } else if (std::string& name = m_out.ZoneNames[static_cast<std::size_t>(zone - 1)]; !name.empty()) {
    fail(number, "expected one name for zone " + std::to_string(zone) + ", found a second");
  } else {
    name = value;
  }
  return true;
}

bool NotesReader::jobItem(const std::string& key, const std::string& value, std::int64_t number) {
  for (const JobDetailField& detail : kJobDetailFields) {
    if (key != detail.fileKey) continue;
    std::string& field = m_out.Job.*detail.member;
    if (holdsAny(value, refusedInDetail)) {
      fail(number, "expected \"" + key + "\" without control characters other than line breaks and tabs");
    } else if (!field.empty()) {
      fail(number, "expected one \"" + key + "\", found a second");
    } else {
      field = value;
    }
    return true;
  }
  return false;
}

bool NotesReader::sectionItem(const std::string& key, const std::string& value, std::size_t characters,
                              std::int64_t number) {
  // Each reader answers none for a key not its own, "" for one read, or
  // what it expected.
  std::optional<std::string> refused = readHouseNote(key, value, m_out.House, m_sizeForRead);
  if (!refused) refused = readEquipmentNote(key, value, characters, m_out.Equipment);
  if (!refused) refused = readDuctNote(key, value, m_out.Ducts);
  if (!refused) refused = readDetailNote(key, value, m_out.Details);
  if (!refused) return false;
  if (!refused->empty()) fail(number, *refused);
  return true;
}

void NotesReader::fail(std::int64_t number, const std::string& expectation) {
  m_error = FileResult::failure(m_fileName + ", line " + std::to_string(number) + ": " + expectation);
}

FileResult NotesReader::finish() const {
  if (m_error) return *m_error;
  FileResult read;
  read.warning = m_ignored;
  return read;
}

}  // namespace kovrin
