#include "app/changes.h"

#include <cctype>

#include "model/changeablevalues.h"
#include "model/rownames.h"
#include "model/selections.h"
#include "screen/fieldtables.h"

namespace kovrin {
namespace {

// "the daily range" as a menu names it: "Daily range".
std::string asTitle(std::string_view words) {
  if (words.starts_with("the ")) words.remove_prefix(4);
  std::string text(words);
  if (!text.empty()) text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
  return text;
}

std::string ofZone(int page, int column) { return " of zone " + std::to_string(zoneNumber(page, column)); }

}  // namespace

std::optional<ChangedField> changedField(const ProjectTables& before, const ProjectTables& after, int page) {
  for (int item = 1; item <= kListSelectionItems; ++item) {
    if (before.selection(item) == after.selection(item)) continue;
    std::string name = asTitle(listWording(item).name);
    if (item >= sel::GlassDirection(1)) name += ofZone(page, item - sel::GlassDirection(1) + 1);
    return ChangedField{listField(item).field, name};
  }
  for (int row = 1; row <= kPageIntegerRows; ++row) {
    if (isResultRow(row) || before.integer(page, row) == after.integer(page, row)) continue;
    const std::optional<RowName> name = integerRowName(row);
    std::string text = name ? std::string(name->name) : "Row " + std::to_string(row);
    if (name && name->owner == RowOwner::Zone) text += ofZone(page, name->firstColumn + row - name->firstRow);
    return ChangedField{integerRowField(row), text};
  }
  for (int row = 1; row <= kPageRealRows; ++row) {
    if (realRowField(row) == kNoField || before.real(page, row) == after.real(page, row)) continue;
    if (const std::optional<ZoneValue> value = zoneValueAt(row)) {
      return ChangedField{realRowField(row),
                          std::string(zoneQuantityName(value->quantity)) + ofZone(page, value->column)};
    }
    const std::optional<RowName> name = pageRealRowName(row);
    return ChangedField{realRowField(row), name ? std::string(name->name) : "Row " + std::to_string(row)};
  }
  for (int c = 1; c <= kZoneColumns; ++c) {
    if (before.zoneName(zoneNumber(page, c)) != after.zoneName(zoneNumber(page, c))) {
      return ChangedField{zoneNameField(c), "Name" + ofZone(page, c)};
    }
  }
  return std::nullopt;
}

}  // namespace kovrin
