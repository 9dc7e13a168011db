#include "projectfile/equipmentnotes.h"

#include <algorithm>

#include "model/housevalues.h"
#include "model/nametext.h"
#include "model/utf8.h"
#include "projectfile/projectnotes.h"

namespace kovrin {
namespace {

constexpr std::string_view kSystemKey = "system";
constexpr std::string_view kMakeAndModelKey = "make and model";
constexpr std::string_view kCompressorKey = "compressor";
constexpr std::string_view kSizedForHeatingKey = "sized for heating";
constexpr std::string_view kFrontDoorKey = "front door faces";
constexpr std::string_view kYes = "yes";

std::string_view trimmedText(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

std::string quoted(std::string_view key) { return "\"" + std::string(key) + "\""; }

// Reads a choice by its word; what was expected when the word is none of
// the table's or the choice was already read.
template <class Choice, std::size_t N>
std::string readChoice(const std::array<ChoiceWording<Choice>, N>& table, std::string_view key, std::string_view text,
                       std::optional<Choice>& out) {
  if (out) return "expected one " + quoted(key) + ", found a second";
  for (const ChoiceWording<Choice>& wording : table) {
    if (trimmedText(text) != wording.word) continue;
    out = wording.choice;
    return {};
  }
  std::string words;
  for (std::size_t i = 0; i < N; ++i) {
    words += i == 0 ? "" : (i + 1 == N ? " or " : ", ");
    words += quoted(table[i].word);
  }
  return "expected " + words + " for " + quoted(key) + ", found " + quotedInMessage(text);
}

bool holdsRefused(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = std::max<std::size_t>(utf8Length(text.substr(i)), 1);
    if (refusedInName(utf8Value(text.substr(i), length))) return true;
    i += length;
  }
  return false;
}

}  // namespace

void writeEquipmentNotes(const Equipment& equipment, const NoteWriter& item) {
  if (equipment.System) item(kSystemKey, wordingOf(kSystemTypeWordings, *equipment.System).word);
  if (!equipment.MakeAndModel.empty()) item(kMakeAndModelKey, equipment.MakeAndModel);
  if (equipment.Compressor) item(kCompressorKey, wordingOf(kCompressorWordings, *equipment.Compressor).word);
  if (equipment.SizedForHeating) item(kSizedForHeatingKey, kYes);
  for (const EquipmentValueRange& range : kEquipmentValueRanges) {
    if (const std::optional<double>& value = equipment[range.value]) item(range.noteKey, enteredText(*value));
  }
  if (equipment.FrontDoor) item(kFrontDoorKey, wordingOf(kFacingWordings, *equipment.FrontDoor).word);
}

std::optional<std::string> readEquipmentNote(std::string_view key, const std::string& value, std::size_t characters,
                                             Equipment& equipment) {
  if (key == kSystemKey) return readChoice(kSystemTypeWordings, key, value, equipment.System);
  if (key == kCompressorKey) return readChoice(kCompressorWordings, key, value, equipment.Compressor);
  if (key == kFrontDoorKey) return readChoice(kFacingWordings, key, value, equipment.FrontDoor);
  if (key == kMakeAndModelKey) {
    if (!equipment.MakeAndModel.empty()) return "expected one " + quoted(key) + ", found a second";
    if (holdsRefused(value)) return "expected " + quoted(key) + " without control characters or direction overrides";
    if (characters > kMakeAndModelCharacters) {
      return "expected " + quoted(key) + " of at most " + std::to_string(kMakeAndModelCharacters) + " characters";
    }
    equipment.MakeAndModel = value;
    return std::string();
  }
  if (key == kSizedForHeatingKey) {
    if (equipment.SizedForHeating) return "expected one " + quoted(key) + ", found a second";
    if (trimmedText(value) != kYes) return "expected \"yes\" for " + quoted(key) + ", found " + quotedInMessage(value);
    equipment.SizedForHeating = true;
    return std::string();
  }
  for (const EquipmentValueRange& range : kEquipmentValueRanges) {
    if (key != range.noteKey) continue;
    std::optional<double>& entered = equipment[range.value];
    if (entered) return "expected one " + quoted(key) + ", found a second";
    const std::string_view text = trimmedText(value);
    const std::optional<double> number = enteredNumber(text);
    if (!number || !inEquipmentRange(range.value, *number)) {
      return std::string("expected ") + (range.whole ? "a whole number" : "a number") + " from " +
             enteredText(range.minimum) + " to " + enteredText(range.maximum) + " for " + quoted(key) + ", found " +
             quotedInMessage(text);
    }
    entered = number;
    return std::string();
  }
  return std::nullopt;
}

std::vector<std::string_view> equipmentNoteKeys() {
  std::vector<std::string_view> keys{kSystemKey, kMakeAndModelKey, kCompressorKey, kSizedForHeatingKey, kFrontDoorKey};
  for (const EquipmentValueRange& range : kEquipmentValueRanges) keys.push_back(range.noteKey);
  return keys;
}

}  // namespace kovrin
