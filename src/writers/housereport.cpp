#include "writers/housereport.h"

#include <array>
#include <ctime>
#include <utility>
#include <vector>

#include "house/housedesign.h"
#include "house/housesummary.h"
#include "model/hexescape.h"
#include "model/programnames.h"
#include "model/selections.h"
#include "model/utf8.h"
#include "report/numbertext.h"
#include "writers/balancechart.h"
#include "writers/designtext.h"
#include "writers/equipmentwriters.h"
#include "writers/housechart.h"
#include "writers/permitsummary.h"

namespace kovrin {
namespace {

constexpr std::string_view kReplacement = "\uFFFD";

// Print first: rows kept whole, headers repeated, numbers right-aligned;
// a heading kept on the page of the table or figure it heads, and a table
// or figure on one page where it fits. Words never break, except a word
// longer than the line, which breaks at the margin rather than run past
// it: in a paragraph by itself, in a table cell where the writer marks it
// (htmlCellText), so that a short word keeps its width in the table's layout.
// Qt's rich text reads the same rules, with lengths in pixels, and skips
// what it does not know (break-*, display, overflow-wrap, wbr: it breaks
// a word that does not fit by itself, and the window's PDF keeps headings
// with what they head).
constexpr std::string_view kStyle = R"(body { font-family: "DejaVu Sans", Arial, Helvetica, sans-serif; font-size: 8.5pt; color: #222222; overflow-wrap: break-word; }
h1 { font-size: 17pt; margin-top: 0px; margin-bottom: 8px; }
h2 { font-size: 12.5pt; margin-top: 18px; margin-bottom: 5px; page-break-after: avoid; break-after: avoid; }
h3 { font-size: 10pt; margin-top: 12px; margin-bottom: 4px; page-break-after: avoid; break-after: avoid; }
span.long { overflow-wrap: anywhere; }
p { margin-top: 4px; margin-bottom: 4px; }
table { border-collapse: collapse; margin-top: 2px; margin-bottom: 8px; page-break-inside: avoid; break-inside: avoid; }
th { background-color: #e8ecf0; font-weight: bold; vertical-align: bottom; }
th, td { padding-top: 1px; padding-bottom: 1px; padding-left: 5px; padding-right: 5px; border: 1px solid #b8c0c8; }
tr { page-break-inside: avoid; break-inside: avoid; }
thead { display: table-header-group; }
td.n, th.n, td.value { white-space: nowrap; }
td.n, th.n { text-align: right; }
tr.total td { font-weight: bold; background-color: #f4f6f8; }
table.facts td { border: 0px none #ffffff; padding-left: 0px; padding-right: 16px; }
table.zones td, table.zones th { font-size: 8pt; padding-top: 0px; padding-bottom: 0px; }
table.rooms { page-break-inside: auto; break-inside: auto; }
div.chart { margin-top: 8px; margin-bottom: 8px; page-break-inside: avoid; break-inside: avoid; }
div.chart svg { width: 100%; height: auto; }
div.page, h1.page { page-break-before: always; break-before: page; }
span.none { color: #666666; font-style: italic; }
table.form th { text-align: left; }
p.note { font-size: 8pt; color: #555555; }
p.warning { color: #9a2d00; font-weight: bold; }
)";

// The paper and the page margins, for browsers, in a style element of
// their own: Qt's rich text drops a style sheet that holds page-margin
// boxes, and draws its own margins and page numbers.
constexpr std::string_view kPageStyle = R"(@page {
  size: letter;
  margin: MARGINS;
  @bottom-right { content: "Page " counter(page) " of " counter(pages); font-size: 8pt; color: #555555; }
  @bottom-left { content: FOOTER; font-size: 8pt; color: #555555; }
}
)";

// Appends `text` as valid UTF-8: each byte that starts no well-formed
// sequence becomes U+FFFD. C0 controls other than tab, line feed and
// carriage return are no text either.
template <typename Escape>
void appendValidUtf8(std::string& out, std::string_view text, Escape escape) {
  for (std::size_t i = 0; i < text.size();) {
    const auto b = static_cast<unsigned char>(text[i]);
    const bool control = (b < 0x20 && b != '\t' && b != '\n' && b != '\r') || b == 0x7F;
    const std::size_t length = control ? 0 : utf8Length(text.substr(i));
    if (length == 0) {
      out += kReplacement;
      ++i;
    } else if (length == 1) {
      escape(out, static_cast<char>(b));
      ++i;
    } else {
      out.append(text, i, length);
      i += length;
    }
  }
}

// A CSS string: quotes and backslashes escaped, and the characters that
// could end the style element or a line written as hexadecimal escapes.
std::string cssString(std::string_view text) {
  std::string out = "\"";
  appendValidUtf8(out, text, [](std::string& o, char c) {
    const auto b = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      o += '\\';
      o += c;
    } else if (b < 0x20 || c == '<' || c == '>' || c == '&') {
      appendHexEscape(o, b, "\\", HexDigits::Upper, " ");
    } else {
      o += c;
    }
  });
  out += '"';
  return out;
}

// A real with `decimals` decimals, exactly as the screen's fields round it
// but without their width: "0.350", "120", "-0.25".
std::string decimalText(float value, int decimals) {
  std::string text = fixedDecimalField(value, 64, decimals);
  text.erase(0, text.find_first_not_of(' '));
  if (!text.empty() && text.back() == '.') text.pop_back();
  if (text.empty() || text.front() == '*') return std::string(kNoValueText);
  // Thousands apart by commas, as every other number of the report.
  const std::size_t start = text.front() == '-' ? 1 : 0;
  std::size_t end = text.find('.');
  if (end == std::string::npos) end = text.size();
  for (std::size_t at = end; at > start + 3; at -= 3) text.insert(at - 3, 1, ',');
  return text;
}

std::string loadText(std::int64_t value) { return figureText(value, 0, Grouping::Thousands); }
std::string areaText(const Figure& area) { return figureText(area, kFloorAreaDecimals, kNoValueText, Grouping::Thousands); }
std::string perAreaText(const Figure& value) {
  return figureText(value, kPerFloorAreaDecimals, kNoValueText, Grouping::Thousands);
}
std::string temperatureText(std::int32_t degrees) { return std::to_string(degrees) + "\u00A0\u00B0F"; }
std::string selectionName(const ProjectTables& tables, int item) {
  const std::string_view text = selectionText(item, tables.selection(item));
  return text.empty() ? std::string(kNoValueText) : htmlEscaped(text);
}

// A table being written: its head, then its rows; cells hold HTML that is
// escaped already. `wide` tables span the text width.
class Table {
 public:
  explicit Table(std::string_view cssClass, bool wide = false) {
    m_html = "<table cellspacing=\"0\" cellpadding=\"2\"";
    if (wide) m_html += " width=\"100%\"";
    if (!cssClass.empty()) m_html += " class=\"" + std::string(cssClass) + '"';
    m_html += ">\n";
  }
  void head(std::string_view rows) { m_html += "<thead>\n" + std::string(rows) + "</thead>\n"; }
  void row(std::string_view cells, bool total = false) {
    m_html += total ? "<tr class=\"total\">" : "<tr>";
    m_html += cells;
    m_html += "</tr>\n";
  }
  std::string end() { return std::move(m_html) + "</table>\n"; }

 private:
  std::string m_html;
};

std::string td(std::string_view html, int span = 1) {
  return (span > 1 ? "<td colspan=\"" + std::to_string(span) + "\">" : std::string("<td>")) + std::string(html) +
         "</td>";
}
// A number: right-aligned, also where only the align attribute is read.
std::string num(std::string_view text) { return "<td class=\"n\" align=\"right\">" + std::string(text) + "</td>"; }
std::string th(std::string_view html, int columns = 1, int rows = 1, bool number = false) {
  std::string out = "<th";
  if (columns > 1) out += " colspan=\"" + std::to_string(columns) + '"';
  if (rows > 1) out += " rowspan=\"" + std::to_string(rows) + '"';
  out += number ? " class=\"n\" align=\"right\">" : ">";
  return out + std::string(html) + "</th>";
}
std::string thn(std::string_view html, int rows = 1) { return th(html, 1, rows, true); }

// The house's totals are its design load, on the conditioned floor area F;
// with none of the air and people entered, the design load without them on
// the zones' floor, still the design load, as the note below it says.
// Sized for a turn of the house, they are the house as drawn, and a row
// after the tons gives the cooling the equipment is sized for.
void houseTotals(std::string& out, const HouseDesign& house) {
  out += "<h2>House totals</h2>\n";
  const DesignLoad& load = house.load;
  const bool design = load.airAndPeopleEntered;
  const bool turned = house.sizingRotation != 0;
  Table table("facts");
  const DesignLoad sized = sizedLoad(house);
  std::vector<std::pair<std::string, std::string>> facts = {
      {"Design heating load", loadText(load.heating) + " Btu/h"},
      {turned ? "Design cooling load, as drawn" : "Design cooling load", loadText(load.coolingTotal) + " Btu/h"},
      {"Cooling in tons (" + btuPerTonText() + ")", figureText(load.coolingTons, kTonsDecimals) + " tons"},
      {design ? "Conditioned floor area" : "Floor area", areaText(load.floorAreaFigure) + " ft\u00B2"},
      {"Heating per ft\u00B2 of floor", perAreaText(load.heatingPerFloorArea) + " Btu/h"},
      {"Cooling per ft\u00B2 of floor", perAreaText(load.coolingPerFloorArea) + " Btu/h"},
      {"Floor area per ton of cooling",
       figureText(load.floorAreaPerTon, kFloorAreaPerTonDecimals, kNoValueText, Grouping::Thousands) + " ft\u00B2"},
  };
  if (turned) {
    facts.insert(facts.begin() + 3,
                 {"Design cooling load, turned " + turnText(house.sizingRotation) + " (sized for)",
                  loadText(sized.coolingTotal) + " Btu/h, " + figureText(sized.coolingTons, kTonsDecimals) + " tons"});
  }
  for (const auto& [label, value] : facts) table.row(td(label) + num(value));
  out += table.end();
}

std::string figureCell(const Figure& figure) { return num(figure ? loadText(*figure) : std::string()); }

// The design load after the house totals: its parts and the house's values
// and details they come from. A project without house values, details or a
// duct system gets the one line that says none is entered.
void designLoadSection(std::string& out, const HouseDesign& design) {
  const DesignLoad& load = design.load;
  const std::string notEntered = "<p class=\"note\">" + std::string(kAirAndPeopleNotEntered) + ".</p>\n";
  if (!designLoadListed(design)) {
    out += notEntered;
    return;
  }
  out += "<h2>Design load</h2>\n";
  if (load.airAndPeopleEntered) {
    Table table("");
    table.head("<tr>" + th("", 1, 2) + thn("Heating<br>Btu/h", 2) + th("Cooling, Btu/h", 2) + "</tr>\n<tr>" +
               thn("Sensible") + thn("Latent") + "</tr>\n");
    const auto rows = designRows(load);
    for (const DesignRow& row : rows) {
      table.row(td(row.label) + figureCell(row.heating) + figureCell(row.sensible) + figureCell(row.latent),
                &row == &rows.back());
    }
    out += table.end();
    Table totals("facts");
    totals.row(td("Design cooling total, sensible and latent") + num(loadText(load.coolingTotal) + " Btu/h"));
    totals.row(td("Design cooling in tons") + num(figureText(load.coolingTons, kTonsDecimals) + " tons"));
    totals.row(td("Sensible heat ratio") + num(figureText(load.sensibleHeatRatio, kRatioDecimals, kNoValueText)));
    out += totals.end();
  } else {
    out += notEntered;
  }
  // The values in two columns: the air, then the people, appliances,
  // moisture, the system airflow and the sizing choice.
  out += "<h3>Air and people, system airflow</h3>\n";
  // What a value says of the load's other source goes on a line of its own,
  // so that the columns keep their labels' width.
  std::vector<std::string> cells;
  for (const HouseValueRange& range : kHouseValueRanges) {
    std::string value = htmlEscaped(houseValueText(design, range.value));
    if (const std::size_t remark = value.find(" ("); remark != std::string::npos) value.replace(remark, 1, "<br>");
    cells.push_back(td(htmlEscaped(range.name)) + "<td class=\"value\">" + value + "</td>");
  }
  cells.push_back(td("Size for") + td(htmlEscaped(sizeForWording(design.house.SizeFor).text)));
  const std::size_t left = static_cast<std::size_t>(HouseValue::VentilationLatentRecovery) + 1;
  Table inputs("facts");
  for (std::size_t row = 0; row < left; ++row) {
    inputs.row(cells[row] + (left + row < cells.size() ? cells[left + row] : td("") + td("")));
  }
  out += inputs.end();
  // The site, the blower-door test and the blower, in two columns.
  out += "<h3>Site, leakage test and blower</h3>\n";
  std::vector<std::string> details;
  for (const HouseDetailRange& range : kHouseDetailRanges) {
    details.push_back(td(htmlEscaped(range.name)) + "<td class=\"value\">" +
                      htmlEscaped(houseDetailText(design.details, range.value)) + "</td>");
  }
  const std::size_t half = details.size() / 2;
  Table site("facts");
  for (std::size_t row = 0; row < half; ++row) site.row(details[row] + details[half + row]);
  out += site.end();
  out += "<p class=\"note\">The outdoor air that leaks in is the blower-door test's where one is entered, "
         "otherwise the air changes by leakage; the rooms share it by their exposed walls and the ventilation by "
         "their floor area, each at its page's design conditions. A value not entered counts as 0; a detail not "
         "entered, as proposed.</p>\n";
}

// The house turned and the equipment sizes that fit, for a project with
// house values, details or a duct system.
void orientationSection(std::string& out, const HouseDesign& design) {
  if (!designLoadListed(design)) return;
  const HouseOrientations& orientations = design.orientations;
  out += "<h2>Orientation and equipment</h2>\n";
  Table table("");
  table.head("<tr>" + th("House turned<br>clockwise") + th("North side<br>faces") + thn("Cooling of<br>the rooms, Btu/h") +
             thn("Design cooling<br>total, Btu/h") + th("") + "</tr>\n");
  for (const Orientation& turn : orientations.turns) {
    table.row(td(htmlEscaped(turnText(turn.rotation))) + td(std::string(northSideFaces(turn.rotation))) +
                  num(loadText(turn.coolingZones)) + num(loadText(turn.coolingTotal)) +
                  td(turnMarks(design, turn.rotation)),
              turn.rotation == orientations.worst);
  }
  // In the table, so that it stays with it on the page.
  table.row(td("Spread: " + htmlEscaped(spreadText(orientations, Grouping::Thousands)), 5));
  out += table.end();
  out += "<h3>Sizes that fit</h3>\n";
  Table sizes("facts");
  for (const SizingLine& line : sizingLines(design, Grouping::Thousands)) {
    sizes.row(td("<b>" + htmlEscaped(line.figure) + "</b><br>" + htmlEscaped(line.basis)));
  }
  out += sizes.end();
}

void chart(std::string& out, const HouseSummary& summary, const ChartPlacement& placement) {
  // The bars are the page calculation's loads, not the design load above them.
  out += "<h2>Zone loads, page calculation</h2>\n<div class=\"chart\">";
  if (placement.imageSource.empty()) {
    out += houseChartSvg(summary);
  } else {
    out += "<img src=\"" + htmlEscaped(placement.imageSource) + "\" width=\"" + std::to_string(placement.width) +
           "\" height=\"" + std::to_string(placement.height) +
           "\" alt=\"Bar chart of the heating and cooling load of each zone, Btu/h\">";
  }
  out += "</div>\n";
}

// The equipment chosen against the house: each check in a contractor's
// words and, for a heat pump, its figures at design and the balance-point
// chart. Nothing when no equipment is entered.
void equipmentSection(std::string& out, const EquipmentFigures& equipment, const ChartPlacement& placement) {
  if (!equipment.equipment.anyEntered()) return;
  out += "<h2>Equipment against the design load</h2>\n";
  if (const std::optional<HeatPumpFigures>& pump = equipment.heatPump) {
    Table figures("facts");
    figures.row(td("Heat pump at the design temperature " + std::to_string(pump->designTemperature) + "\u00A0\u00B0F") +
                num(capacityAtDesignText(*pump, "\u00A0")));
    figures.row(td("Balance point") + num(balancePointText(*pump, "\u00A0")));
    figures.row(td("Backup needed at design") + num(backupAtDesignText(*pump, "\u00A0")));
    out += figures.end();
    if (pump->line) {
      out += "<div class=\"chart\">";
      if (placement.balanceImageSource.empty()) {
        out += balanceChartSvg(*pump);
      } else {
        out += "<img src=\"" + htmlEscaped(placement.balanceImageSource) + "\" width=\"" +
               std::to_string(placement.balanceWidth) + "\" height=\"" + std::to_string(placement.balanceHeight) +
               "\" alt=\"Heat pump capacity and house heating load by outdoor temperature\">";
      }
      out += "</div>\n";
    }
  }
  if (equipment.checks.empty()) {
    if (!equipment.heatPump) out += "<p>" + std::string(kNothingToCheck) + "</p>\n";
    return;
  }
  Table checks("", true);
  checks.head("<tr>" + th("Check") + thn("Value") + thn("Lowest") + thn("Highest") + th("") + "</tr>\n");
  for (const EquipmentCheck& check : equipment.checks) {
    const std::string unit = check.unit.empty() ? "" : "\u00A0" + std::string(check.unit);
    const auto edge = [&](const Figure& value) {
      return value ? figureText(*value, check.decimals, Grouping::Thousands) + unit : std::string();
    };
    checks.row(td(htmlEscaped(check.name)) + num(figureText(check.value, check.decimals, Grouping::Thousands) + unit) +
               num(edge(check.low)) + num(edge(check.high)) + td(htmlEscaped(check.text)));
  }
  out += checks.end();
}

// The zone's number, and its name in a column of its own when the project
// names any zone.
std::string zoneCells(const HouseSummary& summary, const ZoneSummary& zone) {
  return num(std::to_string(zone.zone)) + (summary.named ? td(htmlCellText(zone.name)) : std::string());
}
std::string zoneHeading(const HouseSummary& summary) {
  return th("Zone", 1, 2) + (summary.named ? th("Name", 1, 2) : std::string());
}

// The zones with the page totals and the house's. With a system airflow
// entered each load has a column of the zones' part of it; the house row
// gives the rooms' loads on the conditioned floor area F.
void zoneTable(std::string& out, const HouseSummary& summary, const HouseDesign& design) {
  out += "<div class=\"page\">\n<h2>Zones</h2>\n";
  Table table("zones", true);
  const int named = summary.named ? 1 : 0;
  const bool system = design.house[HouseValue::SystemAirflow].has_value();
  const int perLoad = system ? 4 : 3;
  // The airflow columns say which they are: the zone's share of its page's
  // airflow (CFM or %, as the page's "CFM or %" says) and its part of the system's.
  const std::string systemHeading = system ? thn("System<br>CFM") : std::string();
  const std::string shareHeading = thn("Page<br>share");
  table.head("<tr>" + zoneHeading(summary) + th("Page", 1, 2) + thn("Floor<br>ft\u00B2", 2) + th("Heating", perLoad) +
             th("Cooling", perLoad) + "</tr>\n<tr>" + thn("Btu/h") + thn("Btu/h per ft\u00B2") + shareHeading +
             systemHeading + thn("Btu/h") + thn("Btu/h per ft\u00B2") + shareHeading + systemHeading + "</tr>\n");
  const auto systemCell = [&](const Figure& airflow) {
    return system ? num(figureText(airflow, 0, kNoValueText, Grouping::Thousands)) : std::string();
  };
  const std::string noSystem = system ? td("") : std::string();
  bool any = false;
  for (const PageSummary& page : summary.pages) {
    bool pageHasInput = false;
    for (const ZoneSummary& zone : summary.zones) {
      if (zone.page != page.page || !zone.listed()) continue;
      pageHasInput = any = true;
      const auto i = static_cast<std::size_t>(zone.zone - 1);
      table.row(zoneCells(summary, zone) + num(std::to_string(zone.page)) + num(areaText(zone.floorArea)) +
                num(loadText(zone.heating)) + num(perAreaText(zone.heatingPerFloorArea)) +
                num(std::to_string(zone.heatingAirShare)) + systemCell(design.heatingAirflow[i]) +
                num(loadText(zone.cooling)) + num(perAreaText(zone.coolingPerFloorArea)) +
                num(std::to_string(zone.coolingAirShare)) + systemCell(design.coolingAirflow[i]));
    }
    if (!pageHasInput) continue;
    const std::string air = loadText(page.airTotal);
    table.row(td("Page " + std::to_string(page.page), 3 + named) + num(loadText(page.heating)) + td("") + num(air) +
                  noSystem + num(loadText(page.cooling)) + td("") + num(air) + noSystem,
              true);
  }
  if (!any) table.row(td("No zone has any input.", 3 + named + 2 * perLoad));
  const DesignLoad& load = design.load;
  const std::string systemTotal = systemCell(systemAirflowFigure(design.house));
  table.row(td("House", 2 + named) + num(areaText(load.floorAreaFigure)) + num(loadText(summary.heating)) +
                num(perAreaText(load.zonesHeatingPerFloorArea)) + td("") + systemTotal +
                num(loadText(summary.cooling)) + num(perAreaText(load.zonesCoolingPerFloorArea)) + td("") +
                systemTotal,
            true);
  out += table.end();
  out += "<p class=\"note\">Loads are the page calculation's. Page share: the zone's share of its page's airflow, in "
         "the page's \"CFM or %\" (CFM, or % when the page's airflow is 100).";
  if (system) out += " System: the zone's part of the system airflow, in CFM, by its design load.";
  out += "</p>\n</div>\n";
}

// The detailed design load in the layout of the procedure's summary form:
// the whole house component by component in both seasons, then room by
// room, each room's total with its components under it, and the page
// calculation's figures of the room beside its total.
void detailedSection(std::string& out, const HouseSummary& summary, const HouseDesign& design) {
  const DetailedDesign& detailed = design.detailed;
  out += "<div class=\"page\">\n<h2>Detailed design load</h2>\n";
  const std::string head = "<tr>" + th("", 1, 2) + thn("Heating<br>Btu/h", 2) + th("Cooling, Btu/h", 2) +
                           "</tr>\n<tr>" + thn("Sensible") + thn("Latent") + "</tr>\n";
  const auto components = [](Table& table, const DetailedLoads& loads, std::string_view indent) {
    for (const ComponentWording& wording : kComponentWordings) {
      const Component c = wording.component;
      if (loads.heating[c] == 0 && loads.coolingSensible[c] == 0 && loads.coolingLatent[c] == 0) continue;
      table.row(td(std::string(indent) + htmlEscaped(wording.name)) + num(loadText(loads.heating[c])) +
                num(loadText(loads.coolingSensible[c])) + num(loadText(loads.coolingLatent[c])));
    }
  };
  const auto totals = [](const DetailedLoads& loads) {
    return num(loadText(loads.heatingTotal())) + num(loadText(loads.coolingSensibleTotal())) +
           num(loadText(loads.coolingLatentTotal()));
  };
  out += "<h3>The whole house</h3>\n";
  Table house("");
  house.head(head);
  components(house, detailed.house, "");
  house.row(td("Whole house") + totals(detailed.house), true);
  out += house.end();
  out += "<p class=\"note\">" + htmlEscaped(ductSourceSentence(detailed.ducts)) + ".</p>\n";
  const std::vector<DuctLine> ducts = ductLines(design, Grouping::Thousands);
  if (!ducts.empty()) {
    out += "<h3>Duct system</h3>\n";
    Table inputs("facts");
    for (const DuctLine& line : ducts) {
      inputs.row(td(htmlEscaped(line.label)) +
                 td(htmlEscaped(line.value) + (line.proposed ? " (proposed)" : "")));
    }
    out += inputs.end();
  }

  // The rooms' table runs on over the pages, its head on each.
  out += "<h3>Room by room</h3>\n";
  Table rooms("zones rooms", true);
  rooms.head(head);
  bool any = false;
  for (const ZoneSummary& zone : summary.zones) {
    const auto i = static_cast<std::size_t>(zone.zone - 1);
    if (!detailed.zoneUsed[i] && !zone.listed()) continue;
    any = true;
    const DetailedLoads& loads = detailed.zones[i];
    std::string name = "Zone " + std::to_string(zone.zone);
    if (!zone.name.empty()) name += ", " + htmlEscaped(zone.name);
    rooms.row(td("<b>" + name + "</b> (page calculation: heating " + loadText(zone.heating) + ", cooling " +
                 loadText(zone.cooling) + ")") +
                  totals(loads),
              true);
    components(rooms, loads, "\u2003");
  }
  if (!any) rooms.row(td("No zone has any input.", 4));
  out += rooms.end();
  out += "<p class=\"note\">The detailed design load is the figure to buy equipment from. The page calculation's "
         "figures beside each room are the quick estimate that Calculate shows while typing.</p>\n</div>\n";
}

void generalCriteria(std::string& out, const ProjectTables& tables) {
  out += "<h2>Design criteria</h2>\n";
  Table table("facts");
  const std::pair<std::string_view, int> rows[] = {
      {"Daily temperature range", sel::DailyRange},       {"Walls and doors", sel::WallConstruction},
      {"Ceilings and roof", sel::RoofConstruction},       {"Floors", sel::FloorConstruction},
      {"Windows", sel::GlassType},                        {"Interior shading", sel::InteriorShading},
      {"Exterior shading", sel::ExteriorShading},
  };
  for (const auto& [label, item] : rows) table.row(td(label) + td(selectionName(tables, item)));
  out += table.end();
  out += "<p class=\"note\">These apply to every page. Temperatures in \u00B0F, U-values in "
         "Btu/h\u00B7ft\u00B2\u00B7\u00B0F, areas in ft\u00B2, loads in Btu/h. Page share: each zone's share "
         "of its page's airflow (CFM, or per cent when the page's airflow is 100), as Calculate shows it; the "
         "page rows give the airflow that is divided.</p>\n";
}

void pageCriteria(std::string& out, const ProjectTables& tables, int page) {
  Table table("");
  table.head("<tr>" + th("") + thn("Summer") + thn("Winter") + "</tr>\n");
  table.row(td("Outdoor design temperature") + num(temperatureText(tables.integer(page, irow::SummerDesignTemp))) +
            num(temperatureText(tables.integer(page, irow::WinterDesignTemp))));
  table.row(td("Thermostat setpoint") + num(temperatureText(tables.integer(page, irow::SummerThermostat))) +
            num(temperatureText(tables.integer(page, irow::WinterThermostat))));
  table.row(td("Duct multiplier") + num(decimalText(tables.real(page, rrow::SummerDuctMultiplier), 2)) +
            num(decimalText(tables.real(page, rrow::WinterDuctMultiplier), 2)));
  table.row(td("Airflow divided over the zones (CFM or %)") +
            num(loadText(tables.integer(page, irow::PageAirTotal))) + td(""));
  out += table.end();
}

void pageInputs(std::string& out, const ProjectTables& tables, const HouseSummary& summary, int page) {
  out += "<h3>Zone inputs: U-values in Btu/h\u00B7ft\u00B2\u00B7\u00B0F, areas in ft\u00B2</h3>\n";
  Table table("", true);
  table.head("<tr>" + th("Zone", 1, 2) + th("Doors", 2) + th("Floor", 2) + th("Ceiling/roof", 2) + th("Walls", 3) +
             th("Glass", 3) + "</tr>\n<tr>" + thn("U") + thn("ft\u00B2") + thn("U") + thn("ft\u00B2") + thn("U") +
             thn("ft\u00B2") + thn("U") + thn("ft\u00B2") + thn("Partition \u0394T") + thn("U") + thn("ft\u00B2") +
             th("Faces") + "</tr>\n");
  for (const ZoneSummary& zone : summary.zones) {
    if (zone.page != page || !zone.listed()) continue;
    std::string cells = num(std::to_string(zone.zone));
    for (int q = 0; q < kZoneQuantities; ++q) {
      const auto quantity = static_cast<ZoneQuantity>(q);
      cells += num(decimalText(tables.zone(page, zone.column, quantity), isUValue(quantity) ? 3 : 0));
      if (quantity == ZoneQuantity::WallArea) {
        cells += num(zone.column >= 7 ? temperatureText(tables.integer(page, irow::PartitionDT(zone.column))) : "");
      }
    }
    cells += td(selectionName(tables, sel::GlassDirection(zone.column)));
    table.row(cells);
  }
  out += table.end();
}

void pageLoads(std::string& out, const HouseSummary& summary, int page, bool heating) {
  const PageSummary& totals = summary.pages[static_cast<std::size_t>(page - 1)];
  out += heating ? "<h3>Heating loads, Btu/h</h3>\n" : "<h3>Cooling loads, Btu/h</h3>\n";
  Table table("", true);
  table.head("<tr>" + zoneHeading(summary) + thn("Floor<br>ft\u00B2", 2) + th("Parts of the load", 5) +
             thn("Load", 2) + thn("Btu/h<br>per ft\u00B2", 2) + thn("Page<br>share", 2) + "</tr>\n<tr>" + thn("Doors") +
             thn("Floor") + thn("Ceiling/roof") + thn("Walls") + thn("Glass") + "</tr>\n");
  for (const ZoneSummary& zone : summary.zones) {
    if (zone.page != page || !zone.listed()) continue;
    std::string cells = zoneCells(summary, zone) + num(areaText(zone.floorArea));
    for (const std::int32_t part : heating ? zone.heatingParts : zone.coolingParts) cells += num(loadText(part));
    cells += num(loadText(heating ? zone.heating : zone.cooling)) +
             num(perAreaText(heating ? zone.heatingPerFloorArea : zone.coolingPerFloorArea)) +
             num(std::to_string(heating ? zone.heatingAirShare : zone.coolingAirShare));
    table.row(cells);
  }
  table.row(td("Page total", summary.named ? 8 : 7) + num(loadText(heating ? totals.heating : totals.cooling)) + td("") +
                num(loadText(totals.airTotal)),
            true);
  out += table.end();
}

}  // namespace

std::string htmlEscaped(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  appendValidUtf8(out, text, [](std::string& o, char c) {
    switch (c) {
      case '&': o += "&amp;"; break;
      case '<': o += "&lt;"; break;
      case '>': o += "&gt;"; break;
      case '"': o += "&quot;"; break;
      case '\'': o += "&#39;"; break;
      default: o += c;
    }
  });
  return out;
}

namespace {

// The longest word, in characters, that a table cell keeps whole whatever
// its column's width: longer ones may break anywhere, at the margin.
constexpr std::size_t kLongestWholeWord = 20;

bool isLetterOrDigit(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

}  // namespace

std::string htmlCellText(std::string_view text) {
  std::string out;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = start;
    bool slash = false;
    while (end < text.size() && !slash) {
      const char c = text[end++];
      if (c == ' ' || c == '\t' || c == '\n') break;
      slash = c == '/' && end >= 2 && end < text.size() && isLetterOrDigit(text[end - 2]) && isLetterOrDigit(text[end]);
    }
    const std::string_view piece = text.substr(start, end - start);
    std::size_t characters = 0;
    for (const char c : piece) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    out += characters > kLongestWholeWord ? "<span class=\"long\">" + htmlEscaped(piece) + "</span>" : htmlEscaped(piece);
    if (slash) out += "<wbr>";
    start = end;
  }
  return out;
}

namespace {

// The document's head: its title, the style, and the paper with the footer
// and the margins.
void documentHead(std::string& out, const HouseReport& report) {
  out += "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>Heating and cooling loads: " +
         htmlEscaped(report.projectFile) + "</title>\n<style>\n";
  out += kStyle;
  out += "</style>\n<style>\n";
  std::string paper(kPageStyle);
  const std::string footer = cssString(report.projectFile + (report.date.empty() ? "" : ", " + report.date));
  paper.replace(paper.find("FOOTER"), 6, footer);
  const auto inches = [](int tenths) { return figureText(tenths, 1) + "in"; };
  paper.replace(paper.find("MARGINS"), 7,
                inches(kReportMargins.top) + ' ' + inches(kReportMargins.right) + ' ' +
                    inches(kReportMargins.bottom) + ' ' + inches(kReportMargins.left));
  out += paper;
  out += "</style>\n</head>\n";
}

// The job, as far as the project gives it, the project file, the date and
// the program; line breaks of the address and the note stay line breaks.
void jobFacts(std::string& out, const HouseReport& report) {
  Table facts("facts");
  const auto lines = [](std::string_view text) {
    std::string html = htmlCellText(text);
    for (std::size_t at = html.find('\n'); at != std::string::npos; at = html.find('\n', at + 4)) html.replace(at, 1, "<br>");
    return html;
  };
  const JobDetails& job = report.tables.Job;
  const auto detail = [&](const JobDetailField& field) {
    const std::string& value = job.*field.member;
    if (!value.empty()) facts.row(td(htmlEscaped(plainLabel(field.label))) + td(lines(value)));
  };
  // The note comes after the facts of the report, as a remark on them.
  for (const JobDetailField& field : kJobDetailFields) {
    if (field.member != &JobDetails::Note) detail(field);
  }
  facts.row(td("Project file") + td("<b>" + htmlCellText(report.projectFile) + "</b>"));
  facts.row(td("Date") + td(htmlEscaped(report.date)));
  facts.row(td("Prepared with") + td(htmlEscaped(kProgramTitle)));
  for (const JobDetailField& field : kJobDetailFields) {
    if (field.member == &JobDetails::Note) detail(field);
  }
  out += facts.end();
}

// A section for each page with input: its criteria, its zones' inputs and
// their heating and cooling part by part.
void pageSections(std::string& out, const ProjectTables& tables, const HouseSummary& summary) {
  for (const PageSummary& page : summary.pages) {
    const int first = zoneNumber(page.page, 1);
    bool hasInput = false;
    for (int c = 1; c <= kZoneColumns; ++c) {
      hasInput = hasInput || summary.zones[static_cast<std::size_t>(first + c - 2)].listed();
    }
    if (!hasInput) continue;
    out += "<div class=\"page\">\n<h2>Page " + std::to_string(page.page) + ": zones " + std::to_string(first) +
           " to " + std::to_string(first + kZoneColumns - 1) + "</h2>\n";
    pageCriteria(out, tables, page.page);
    pageInputs(out, tables, summary, page.page);
    pageLoads(out, summary, page.page, true);
    pageLoads(out, summary, page.page, false);
    out += "</div>\n";
  }
}

}  // namespace

std::string houseReportHtml(const HouseReport& report, const HouseFigures& figures, const ChartPlacement& placement) {
  const HouseSummary& summary = figures.summary;
  const HouseDesign& design = figures.design;
  const EquipmentFigures& equipment = figures.equipment;

  std::string out;
  out.reserve(96 * 1024);
  documentHead(out, report);
  out += "<body>\n";
  // The building department's page first, as its form asks.
  out += permitSummaryHtml(report.tables, figures.sized, design, equipment);
  out += "<h1 class=\"page\">Heating and Cooling Loads</h1>\n";
  jobFacts(out, report);
  // What must not be missed, above the totals that it concerns.
  for (const std::string& warning : summary.warnings) out += "<p class=\"warning\">" + htmlEscaped(warning) + "</p>\n";
  houseTotals(out, design);
  designLoadSection(out, design);
  orientationSection(out, design);
  equipmentSection(out, equipment, placement);
  chart(out, summary, placement);
  generalCriteria(out, report.tables);
  zoneTable(out, summary, design);
  detailedSection(out, summary, design);
  pageSections(out, report.tables, summary);
  out += "<p class=\"note\">Loads are those that Calculate shows for each page with Heating and with Cooling. "
         "The parts of a load are the steps in which it is built up; they add up to the load.</p>\n"
         "</body>\n</html>\n";
  return out;
}

std::string reportDateText(int year, int month, int day) {
  static constexpr std::array<std::string_view, 12> kMonths{"January", "February", "March",     "April",
                                                             "May",     "June",     "July",      "August",
                                                             "September", "October", "November", "December"};
  if (month < 1 || month > 12 || day < 1 || day > 31) return {};
  return std::string(kMonths[static_cast<std::size_t>(month - 1)]) + ' ' + std::to_string(day) + ", " +
         std::to_string(year);
}

std::string reportDateToday() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (now == static_cast<std::time_t>(-1) || localtime_r(&now, &local) == nullptr) return {};
  return reportDateText(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

std::string reportPathFor(std::string_view projectPath, std::string_view extension) {
  const std::size_t slash = projectPath.find_last_of('/');
  const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
  std::size_t end = projectPath.find_last_of('.');
  // A dot that starts the name (".prj") or sits in a folder name is no
  // extension.
  if (end == std::string_view::npos || end <= nameStart) end = projectPath.size();
  // A path without a file name gets one.
  const std::string_view stem = end == nameStart ? "report" : std::string_view();
  return std::string(projectPath.substr(0, end)) + std::string(stem) + '.' + std::string(extension);
}

}  // namespace kovrin
