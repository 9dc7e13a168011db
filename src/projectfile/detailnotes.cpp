#include "projectfile/detailnotes.h"

#include <algorithm>
#include <charconv>
#include <type_traits>
#include <utility>
#include <vector>

#include "model/housevalues.h"
#include "model/selections.h"
#include "model/zonedetails.h"
#include "projectfile/projectnotes.h"

namespace kovrin {
namespace {

constexpr std::string_view kZoneKey = "zone ";
constexpr std::string_view kNone = "none";
constexpr std::string_view kSeparator = ";";

// The largest figures the notes take for a detail.
using namespace detaillimits;

// The fields of each kind of item, in the order written. One description
// serves the writer and the reader: `v` is a FieldWriter or a FieldReader.

// Every surface has an area, ft², and a U.
template <class V, class S>
void surfaceFields(V& v, S& s) {
  v.number("area", s.area, 0, kMaxArea);
  v.number("U", s.u, 0, kMaxU);
}

// The unconditioned space beside a wall or floor: its winter and summer
// temperatures, °F, where known.
template <class V, class S>
void spaceFields(V& v, S& s) {
  v.optionalNumber("winter", s.winterTemperature, kMinTemperature, kMaxTemperature);
  v.optionalNumber("summer", s.summerTemperature, kMinTemperature, kMaxTemperature);
}

// A door: to outdoors unless it says otherwise.
template <class V, class D>
void doorFields(V& v, D& d) {
  surfaceFields(v, d);
  v.choice("exposure", d.exposure, kDoorExposureWords);
  spaceFields(v, d);
}

template <class V, class W>
void windowFields(V& v, W& w) {
  v.direction("facing", w.direction);
  surfaceFields(v, w);
  v.number("SHGC", w.shgc, 0, 1);
  v.choice("shading", w.shade, kInteriorShadeWords);
  v.number("shaded", w.shadeShare, 0, 1);
  v.choice("screen", w.screen, kInsectScreenWords);
  v.number("screened", w.screenShare, 0, 1);
  v.number("overhang", w.overhangDepth, 0, kMaxLength);
  v.number("above", w.overhangAbove, 0, kMaxLength);
  v.number("height", w.height, 0, kMaxLength);
}

template <class V, class S>
void skylightFields(V& v, S& s) {
  surfaceFields(v, s);
  v.number("SHGC", s.shgc, 0, 1);
}

template <class V, class W>
void wallFields(V& v, W& w) {
  v.choice("exposure", w.exposure, kWallExposureWords);
  surfaceFields(v, w);
  v.choice("group", w.group, kWallGroupWords);
  v.choice("colour", w.colour, kSurfaceColourWords);
  spaceFields(v, w);
  v.number("height", w.height, 0, kMaxDepth);
  v.number("depth", w.depth, 0, kMaxDepth);
}

template <class V, class C>
void ceilingFields(V& v, C& c) {
  v.choice("kind", c.kind, kCeilingKindWords);
  surfaceFields(v, c);
  v.choice("colour", c.colour, kSurfaceColourWords);
  v.flag("barrier", c.radiantBarrier);
}

template <class V, class F>
void floorFields(V& v, F& f) {
  v.choice("kind", f.kind, kFloorKindWords);
  surfaceFields(v, f);
  v.number("perimeter", f.perimeter, 0, kMaxArea);
  v.number("edge", f.edgeR, 0, kMaxEdgeR);
  v.number("depth", f.depth, 0, kMaxDepth);
  v.number("width", f.width, 0, kMaxLength);
  spaceFields(v, f);
}

// The lists of a zone by the word of their key ("zone 6 window"), with the
// fields of their items.
template <class Zone, class F>
void forEachList(Zone& zone, const F& f) {
  f("window", zone.windows, [](auto& v, auto& item) { windowFields(v, item); });
  f("skylight", zone.skylights, [](auto& v, auto& item) { skylightFields(v, item); });
  f("door", zone.doors, [](auto& v, auto& item) { doorFields(v, item); });
  f("wall", zone.walls, [](auto& v, auto& item) { wallFields(v, item); });
  f("ceiling", zone.ceilings, [](auto& v, auto& item) { ceilingFields(v, item); });
  f("floor", zone.floors, [](auto& v, auto& item) { floorFields(v, item); });
}

// The single numbers of a zone by the word of their key.
struct ZoneNumber {
  std::string_view word;
  std::optional<double> ZoneDetails::*member;
  double maximum;
  bool whole;
};
constexpr std::array<ZoneNumber, 3> kZoneNumbers = {{
    {"people", &ZoneDetails::people, kMaxPeople, true},
    {"appliances", &ZoneDetails::appliances, kMaxGain, false},
    {"appliances latent", &ZoneDetails::appliancesLatent, kMaxGain, false},
}};

// Collects each field as "name value"; the item's text holds its first
// field (what the item is: its direction, exposure or kind, or its area) and
// the others that differ from a new item's.
class FieldWriter {
 public:
  void number(std::string_view name, double value, double, double) { add(name, enteredText(value)); }
  void optionalNumber(std::string_view name, const std::optional<double>& value, double, double) {
    add(name, value ? enteredText(*value) : std::string());
  }
  template <class T, std::size_t N>
  void choice(std::string_view name, const T& value, const std::array<std::string_view, N>& words) {
    const auto index = static_cast<std::size_t>(value);
    add(name, index < N ? std::string(words[index]) : std::string());
  }
  void direction(std::string_view name, std::int32_t value) {
    const bool known = inList(value, kGlassDirectionEntries.size());
    add(name, known ? std::string(kGlassDirectionEntries[static_cast<std::size_t>(value - 1)]) : std::string());
  }
  void flag(std::string_view name, bool value) { add(name, value ? "yes" : "no"); }

  std::string textBeside(const FieldWriter& fresh) const {
    std::string text;
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
      const auto& [name, value] = m_fields[i];
      if (value.empty() || (i > 0 && value == fresh.m_fields[i].second)) continue;
      if (!text.empty()) text += "; ";
      text += std::string(name) + " " + value;
    }
    return text;
  }

 private:
  void add(std::string_view name, std::string value) { m_fields.emplace_back(name, std::move(value)); }
  std::vector<std::pair<std::string_view, std::string>> m_fields;
};

class FieldReader {
 public:
  // `key` names the item in messages.
  FieldReader(std::string_view key, std::string_view text) : m_key(key) {
    while (!text.empty()) {
      const std::size_t end = text.find(kSeparator);
      const std::string_view part = trimmedNote(text.substr(0, end));
      text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
      const std::size_t space = part.find(' ');
      if (space == std::string_view::npos) {
        fail("expected \"field value\" pairs separated by \";\" for \"" + std::string(m_key) + "\", found " +
             quotedInMessage(part));
        return;
      }
      m_parts.push_back({part.substr(0, space), trimmedNote(part.substr(space + 1)), false});
    }
  }

  void number(std::string_view name, double& value, double minimum, double maximum) {
    if (const auto text = take(name)) {
      if (const auto read = checked(name, *text, minimum, maximum, false)) value = *read;
    }
  }
  void optionalNumber(std::string_view name, std::optional<double>& value, double minimum, double maximum) {
    if (const auto text = take(name)) {
      if (const auto read = checked(name, *text, minimum, maximum, false)) value = *read;
    }
  }
  template <class T, std::size_t N>
  void choice(std::string_view name, T& value, const std::array<std::string_view, N>& words) {
    const auto text = take(name);
    if (!text) return;
    for (std::size_t i = 0; i < N; ++i) {
      if (*text != words[i]) continue;
      value = static_cast<T>(i);
      return;
    }
    expected(name, oneOf(words), *text);
  }
  void direction(std::string_view name, std::int32_t& value) {
    const auto text = take(name);
    if (!text) return;
    for (std::size_t i = 0; i < kGlassDirectionEntries.size(); ++i) {
      if (*text != kGlassDirectionEntries[i]) continue;
      value = static_cast<std::int32_t>(i + 1);
      return;
    }
    expected(name, "N, NE, E, SE, S, SW, W or NW", *text);
  }
  void flag(std::string_view name, bool& value) {
    const auto text = take(name);
    if (!text) return;
    if (*text == "yes" || *text == "no") {
      value = *text == "yes";
      return;
    }
    expected(name, "yes or no", *text);
  }

  // What was expected, empty when every field was known and read.
  std::string finish() {
    for (const Part& part : m_parts) {
      if (!part.used && m_error.empty()) {
        fail("expected no field " + quotedInMessage(part.name) + " in \"" + std::string(m_key) + "\"");
      }
    }
    return m_error;
  }

 private:
  struct Part {
    std::string_view name;
    std::string_view value;
    bool used;
  };

  std::optional<std::string_view> take(std::string_view name) {
    std::optional<std::string_view> found;
    for (Part& part : m_parts) {
      if (part.name != name) continue;
      if (found) {
        fail("expected one \"" + std::string(name) + "\" in \"" + std::string(m_key) + "\", found a second");
        return std::nullopt;
      }
      part.used = true;
      found = part.value;
    }
    return found;
  }
  std::optional<double> checked(std::string_view name, std::string_view text, double minimum, double maximum,
                                bool whole) {
    const std::optional<double> read = enteredNumber(text);
    if (read && withinRange(NumberRange{minimum, maximum, whole}, *read)) return read;
    expected(name, "a number from " + enteredText(minimum) + " to " + enteredText(maximum), text);
    return std::nullopt;
  }
  template <std::size_t N>
  static std::string oneOf(const std::array<std::string_view, N>& words) {
    std::string text;
    for (std::size_t i = 0; i < N; ++i) {
      if (i > 0) text += i + 1 == N ? " or " : ", ";
      text += words[i];
    }
    return text;
  }
  void expected(std::string_view name, const std::string& what, std::string_view found) {
    fail("expected " + what + " for \"" + std::string(name) + "\" in \"" + std::string(m_key) + "\", found " +
         quotedInMessage(found));
  }
  void fail(const std::string& message) {
    if (m_error.empty()) m_error = message;
  }

  std::string_view m_key;
  std::vector<Part> m_parts;
  std::string m_error;
};

// What an item read field by field still lacks: below grade, a wall's
// height and a basement floor's width, without which it would lose
// nothing. Empty when it lacks nothing.
template <class Item>
std::string lacking(const Item&, std::string_view) {
  return {};
}
std::string lacking(const WallDetails& w, std::string_view key) {
  if (w.exposure != WallExposure::BelowGrade || w.height > 0) return {};
  return "expected a \"height\" above 0 for a wall below grade in \"" + std::string(key) + "\"";
}
std::string lacking(const FloorDetails& f, std::string_view key) {
  if (f.kind != FloorKind::BasementFloor || f.width > 0) return {};
  return "expected a \"width\" above 0 for a basement floor in \"" + std::string(key) + "\"";
}

std::optional<std::string> readHouseDetail(std::string_view key, std::string_view text, HouseDetails& house) {
  for (const HouseDetailRange& range : kHouseDetailRanges) {
    if (key == range.noteKey) return readNumberNote(key, text, numberRange(range), house[range.value]);
  }
  return std::nullopt;
}

std::optional<std::string> readZoneDetail(std::string_view key, std::string_view word, std::string_view text,
                                          ZoneDetails& zone) {
  std::optional<std::string> outcome;
  forEachList(zone, [&](std::string_view listWord, auto& list, const auto& fields) {
    if (outcome || word != listWord) return;
    const std::string quotedKey = quotedNoteWord(key);
    if (text == kNone) {
      outcome = list ? "expected " + quotedKey + " = none only as the zone's one such line" : std::string();
      if (!list) list.emplace();
      return;
    }
    if (list && list->empty()) {
      outcome = "expected no " + quotedKey + " after " + quotedKey + " = none";
      return;
    }
    typename std::remove_reference_t<decltype(list)>::value_type::value_type item{};
    FieldReader reader(key, text);
    fields(reader, item);
    outcome = reader.finish();
    if (outcome->empty()) outcome = lacking(item, key);
    if (outcome->empty()) {
      if (!list) list.emplace();
      list->push_back(item);
    }
  });
  if (outcome) return outcome;
  for (const ZoneNumber& entry : kZoneNumbers) {
    if (word != entry.word) continue;
    return readNumberNote(key, text, NumberRange{0, entry.maximum, entry.whole}, zone.*entry.member);
  }
  return std::nullopt;
}

// Whether `word` ends the key of one of a zone's details ("window" in
// "zone 6 window").
bool isZoneDetailWord(std::string_view word) {
  const std::vector<std::string_view> words = zoneDetailWords();
  return std::find(words.begin(), words.end(), word) != words.end();
}

}  // namespace

std::vector<std::string_view> zoneDetailWords() {
  std::vector<std::string_view> words;
  ZoneDetails zone;
  forEachList(zone, [&words](std::string_view word, const auto&, const auto&) { words.push_back(word); });
  for (const ZoneNumber& entry : kZoneNumbers) words.push_back(entry.word);
  return words;
}

bool hasDetailNotes(const DesignDetails& details) { return details.anyEntered(); }

void writeDetailNotes(const DesignDetails& details,
                      const std::function<void(std::string_view key, std::string_view value)>& item) {
  for (const HouseDetailRange& range : kHouseDetailRanges) {
    if (const std::optional<double>& value = details.house[range.value]) item(range.noteKey, enteredText(*value));
  }
  for (int number = 1; number <= static_cast<int>(details.zones.size()); ++number) {
    const ZoneDetails& zone = details.zone(number);
    const std::string prefix = std::string(kZoneKey) + std::to_string(number) + " ";
    forEachList(zone, [&](std::string_view word, const auto& list, const auto& fields) {
      if (!list) return;
      const std::string key = prefix + std::string(word);
      if (list->empty()) item(key, kNone);
      FieldWriter fresh;
      typename std::remove_cvref_t<decltype(*list)>::value_type freshItem{};
      fields(fresh, freshItem);
      for (const auto& entry : *list) {
        FieldWriter writer;
        fields(writer, entry);
        item(key, writer.textBeside(fresh));
      }
    });
    for (const ZoneNumber& entry : kZoneNumbers) {
      if (const std::optional<double>& value = zone.*entry.member) {
        item(prefix + std::string(entry.word), enteredText(*value));
      }
    }
  }
}

std::optional<std::string> readDetailNote(std::string_view key, std::string_view value, DesignDetails& details) {
  const std::string_view text = trimmedNote(value);
  if (auto house = readHouseDetail(key, text, details.house)) return house;
  if (!key.starts_with(kZoneKey)) return std::nullopt;
  // "zone", the zone's number, a blank and the word of the detail.
  const std::string_view rest = key.substr(kZoneKey.size());
  const std::size_t space = rest.find(' ');
  if (space == std::string_view::npos) return std::nullopt;
  const std::string_view word = rest.substr(space + 1);
  if (!isZoneDetailWord(word)) return std::nullopt;
  // A detail of a zone there is none of would never be used: kept as a key
  // of a later version, it would be lost in silence.
  int zone = 0;
  const auto [end, error] = std::from_chars(rest.data(), rest.data() + space, zone);
  if (error != std::errc() || end != rest.data() + space || zone < 1 ||
      zone > static_cast<int>(details.zones.size())) {
    return "expected a zone number from 1 to " + std::to_string(details.zones.size()) + ", found " +
           quotedInMessage(key);
  }
  return readZoneDetail(key, word, text, details.zone(zone));
}

}  // namespace kovrin
