#include "house/housewarnings.h"

#include "house/wholenumbers.h"
#include "model/pagecriteria.h"
#include "report/numbertext.h"

namespace kovrin {
namespace {

// A value of the design conditions as the report shows it: whole degrees,
// or a duct multiplier with two decimals, exactly rounded ("0.15").
std::string valueText(const ProjectTables& tables, const PageCriteriaPair& pair, int page, int row) {
  if (!pair.real) return std::to_string(tables.integer(page, row));
  std::string text = fixedDecimalField(tables.real(page, row), 64, 2);
  text.erase(0, text.find_first_not_of(' '));
  return text.empty() || text.front() == '*' ? std::string(kNoValueText) : text;
}

// The words of each pair of kPageCriteria: "93/28 °F outdoors",
// "thermostats 78/65 °F", "duct multipliers 0.15/0.10".
struct PairWords {
  std::string_view before;
  std::string_view unit;
  std::string_view after;
};
constexpr std::array<PairWords, kPageCriteria.size()> kPairWords = {{
    {"", "\u00A0\u00B0F", " outdoors"},
    {"thermostats ", "\u00A0\u00B0F", ""},
    {"duct multipliers ", "", ""},
}};

std::string pairText(const ProjectTables& tables, std::size_t pair, int page) {
  const PageCriteriaPair& rows = kPageCriteria[pair];
  return valueText(tables, rows, page, rows.summerRow) + '/' + valueText(tables, rows, page, rows.winterRow) +
         std::string(kPairWords[pair].unit);
}

}  // namespace

std::vector<std::string> houseWarnings(const ProjectTables& tables, const HouseSummary& summary) {
  std::vector<std::string> lines;
  for (int page = 2; page <= kPages; ++page) {
    bool hasInput = false;
    for (const ZoneSummary& zone : summary.zones) hasInput = hasInput || (zone.page == page && zone.hasInput);
    if (!hasInput) continue;
    std::string line;
    for (std::size_t group = 0; group < kPageCriteria.size(); ++group) {
      if (sameCriteria(tables, kPageCriteria[group], page, 1)) continue;
      line += line.empty() ? "Page " + std::to_string(page) + " uses other design conditions: " : "; ";
      const PairWords& words = kPairWords[group];
      line += std::string(words.before) + pairText(tables, group, page) + std::string(words.after) + " (page 1: " +
              pairText(tables, group, 1) + ')';
    }
    if (!line.empty()) lines.push_back(line + '.');
  }
  // Walls of a partition column with a difference of 0 add nothing, heating
  // or cooling; a zone whose walls are entered in its details has its
  // walls in the design load all the same.
  for (const ZoneSummary& zone : summary.zones) {
    if (zone.column < kFirstPartitionColumn || tables.Details.zone(zone.zone).walls) continue;
    if (tables.zone(zone.page, zone.column, ZoneQuantity::WallArea) > 0.0f &&
        tables.integer(zone.page, irow::PartitionDT(zone.column)) == 0) {
      lines.push_back("Zone " + std::to_string(zone.zone) +
                      ": its walls count as partitions with a temperature difference of 0, so they add no load. "
                      "Enter the difference, or use zones 1\u20136 for outside walls.");
    }
  }
  return lines;
}

std::string designWarning(const HouseDesign& design) {
  constexpr auto kLimit = static_cast<std::int64_t>(kWholeBtuLimit);
  bool held = false;
  const auto check = [&](std::int64_t figure) { held = held || figure >= kLimit || figure <= -kLimit; };
  const DesignLoad& load = design.load;
  for (const std::int64_t figure : {load.heating, load.coolingSensible, load.coolingLatent, load.coolingTotal}) {
    check(figure);
  }
  for (const Orientation& turn : design.orientations.turns) check(turn.coolingTotal);
  const auto checkLoads = [&](const DetailedLoads& loads) {
    for (const ComponentLoads* parts : {&loads.heating, &loads.coolingSensible, &loads.coolingLatent}) {
      for (const std::int64_t part : parts->parts) check(part);
    }
    check(loads.heatingTotal());
    check(loads.coolingTotal());
  };
  checkLoads(design.detailed.house);
  for (const DetailedLoads& zone : design.detailed.zones) checkLoads(zone);
  if (!held) return {};
  return "Some design figures reach " + figureText(kLimit, 0, Grouping::Thousands) +
         " Btu/h, the largest Kovrin states exactly, and are held there: the project holds values far beyond "
         "any house (a duct multiplier, a U-value or an area).";
}

}  // namespace kovrin
