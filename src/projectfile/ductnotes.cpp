#include "projectfile/ductnotes.h"

#include <array>

#include "model/housevalues.h"
#include "projectfile/projectnotes.h"

namespace kovrin {
namespace {

constexpr std::string_view kSupplyLocationKey = "duct supply location";
constexpr std::string_view kReturnLocationKey = "duct return location";
constexpr std::string_view kSealingKey = "duct sealing";
constexpr std::string_view kHeatingKey = "duct heating";

}  // namespace

void writeDuctNotes(const DuctSystem& ducts, const NoteWriter& item) {
  if (ducts.SupplyLocation) item(kSupplyLocationKey, ductLocationWording(*ducts.SupplyLocation).word);
  if (ducts.ReturnLocation) item(kReturnLocationKey, ductLocationWording(*ducts.ReturnLocation).word);
  for (const DuctNumberRange& range : kDuctNumberRanges) {
    if (const std::optional<double>& value = ducts[range.value]) item(range.noteKey, enteredText(*value));
  }
  if (ducts.Sealing) item(kSealingKey, ductSealingRow(*ducts.Sealing).word);
  if (ducts.Heating) item(kHeatingKey, ductHeatingRow(*ducts.Heating).word);
}

std::optional<std::string> readDuctNote(std::string_view key, std::string_view value, DuctSystem& ducts) {
  const std::string_view text = trimmedNote(value);
  if (key == kSupplyLocationKey) return readWordNote(key, text, kDuctLocationWordings, ducts.SupplyLocation);
  if (key == kReturnLocationKey) return readWordNote(key, text, kDuctLocationWordings, ducts.ReturnLocation);
  if (key == kSealingKey) return readWordNote(key, text, kDuctSealingRows, &DuctSealingRow::sealing, ducts.Sealing);
  if (key == kHeatingKey) return readWordNote(key, text, kDuctHeatingRows, &DuctHeatingRow::heating, ducts.Heating);
  for (const DuctNumberRange& range : kDuctNumberRanges) {
    if (key == range.noteKey) return readNumberNote(key, text, numberRange(range), ducts[range.value]);
  }
  return std::nullopt;
}

std::vector<std::string_view> ductNoteKeys() {
  std::vector<std::string_view> keys{kSupplyLocationKey, kReturnLocationKey, kSealingKey, kHeatingKey};
  for (const DuctNumberRange& range : kDuctNumberRanges) keys.push_back(range.noteKey);
  return keys;
}

}  // namespace kovrin
