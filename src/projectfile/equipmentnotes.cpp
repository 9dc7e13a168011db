#include "projectfile/equipmentnotes.h"

#include "model/housevalues.h"
#include "model/nametext.h"
#include "projectfile/projectnotes.h"

namespace kovrin {
namespace {

constexpr std::string_view kSystemKey = "system";
constexpr std::string_view kMakeAndModelKey = "make and model";
constexpr std::string_view kCompressorKey = "compressor";
constexpr std::string_view kSizedForHeatingKey = "sized for heating";
constexpr std::string_view kFrontDoorKey = "front door faces";
constexpr std::string_view kYes = "yes";

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
  if (key == kSystemKey) return readWordNote(key, value, kSystemTypeWordings, equipment.System);
  if (key == kCompressorKey) return readWordNote(key, value, kCompressorWordings, equipment.Compressor);
  if (key == kFrontDoorKey) return readWordNote(key, value, kFacingWordings, equipment.FrontDoor);
  if (key == kMakeAndModelKey) {
    if (!equipment.MakeAndModel.empty()) return "expected one " + quotedNoteWord(key) + ", found a second";
    if (holdsAny(value, refusedInName)) {
      return "expected " + quotedNoteWord(key) + " without control characters or direction overrides";
    }
    if (characters > kMakeAndModelCharacters) {
      return "expected " + quotedNoteWord(key) + " of at most " + std::to_string(kMakeAndModelCharacters) +
             " characters";
    }
    equipment.MakeAndModel = value;
    return std::string();
  }
  if (key == kSizedForHeatingKey) {
    if (equipment.SizedForHeating) return "expected one " + quotedNoteWord(key) + ", found a second";
    if (trimmedNote(value) != kYes) {
      return "expected \"yes\" for " + quotedNoteWord(key) + ", found " + quotedInMessage(value);
    }
    equipment.SizedForHeating = true;
    return std::string();
  }
  for (const EquipmentValueRange& range : kEquipmentValueRanges) {
    if (key == range.noteKey) {
      return readNumberNote(key, trimmedNote(value), numberRange(range), equipment[range.value]);
    }
  }
  return std::nullopt;
}

std::vector<std::string_view> equipmentNoteKeys() {
  std::vector<std::string_view> keys{kSystemKey, kMakeAndModelKey, kCompressorKey, kSizedForHeatingKey, kFrontDoorKey};
  for (const EquipmentValueRange& range : kEquipmentValueRanges) keys.push_back(range.noteKey);
  return keys;
}

}  // namespace kovrin
