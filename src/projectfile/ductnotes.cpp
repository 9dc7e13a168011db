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

struct NumberKey {
  std::string_view key;
  DuctNumber number;
};
constexpr std::array<NumberKey, kDuctNumbers> kNumberKeys = {{
    {"duct supply r", DuctNumber::SupplyR},
    {"duct return r", DuctNumber::ReturnR},
    {"duct supply area", DuctNumber::SupplyArea},
    {"duct return area", DuctNumber::ReturnArea},
    {"duct returns", DuctNumber::Returns},
    {"duct supply leakage cfm25", DuctNumber::SupplyLeakage},
    {"duct return leakage cfm25", DuctNumber::ReturnLeakage},
}};

// Reads one of the words of `rows` into `target`.
template <class Value, class Rows>
std::string readWord(std::string_view key, std::string_view text, const Rows& rows, std::optional<Value>& target) {
  const std::string quotedKey = "\"" + std::string(key) + "\"";
  if (target) return "expected one " + quotedKey + ", found a second";
  std::string words;
  for (const auto& row : rows) {
    if (text == row.word) {
      target = static_cast<Value>(&row - rows.data());
      return {};
    }
    words += words.empty() ? "" : ", ";
    words += "\"" + std::string(row.word) + "\"";
  }
  return "expected one of " + words + " for " + quotedKey + ", found " + quotedInMessage(text);
}

}  // namespace

void writeDuctNotes(const DuctSystem& ducts, const NoteWriter& item) {
  if (ducts.SupplyLocation) item(kSupplyLocationKey, ductLocationWording(*ducts.SupplyLocation).word);
  if (ducts.ReturnLocation) item(kReturnLocationKey, ductLocationWording(*ducts.ReturnLocation).word);
  for (const NumberKey& entry : kNumberKeys) {
    if (const std::optional<double>& value = ducts[entry.number]) item(entry.key, enteredText(*value));
  }
  if (ducts.Sealing) item(kSealingKey, ductSealingRow(*ducts.Sealing).word);
  if (ducts.Heating) item(kHeatingKey, ductHeatingRow(*ducts.Heating).word);
}

std::optional<std::string> readDuctNote(std::string_view key, std::string_view value, DuctSystem& ducts) {
  const std::string_view text = trimmedNote(value);
  if (key == kSupplyLocationKey) return readWord(key, text, kDuctLocationWordings, ducts.SupplyLocation);
  if (key == kReturnLocationKey) return readWord(key, text, kDuctLocationWordings, ducts.ReturnLocation);
  if (key == kSealingKey) return readWord(key, text, kDuctSealingRows, ducts.Sealing);
  if (key == kHeatingKey) return readWord(key, text, kDuctHeatingRows, ducts.Heating);
  for (const NumberKey& entry : kNumberKeys) {
    if (key == entry.key) return readNumberNote(key, text, numberRange(ductNumberRange(entry.number)), ducts[entry.number]);
  }
  return std::nullopt;
}

std::vector<std::string_view> ductNoteKeys() {
  std::vector<std::string_view> keys{kSupplyLocationKey, kReturnLocationKey, kSealingKey, kHeatingKey};
  for (const NumberKey& entry : kNumberKeys) keys.push_back(entry.key);
  return keys;
}

}  // namespace kovrin
