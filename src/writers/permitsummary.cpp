#include "writers/permitsummary.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "house/housesummary.h"
#include "model/selections.h"
#include "writers/designtext.h"
#include "writers/equipmentwriters.h"
#include "writers/housereport.h"

namespace kovrin {
namespace {

constexpr std::string_view kNotEntered = "not entered";

std::string notEntered() { return "<span class=\"none\">" + std::string(kNotEntered) + "</span>"; }

std::string btu(std::int64_t value) { return figureText(value, 0, Grouping::Thousands) + "\u00A0Btu/h"; }
std::string btu(const Figure& value) { return value ? btu(*value) : notEntered(); }
std::string degrees(std::int32_t value) { return std::to_string(value) + "\u00A0\u00B0F"; }

std::string entered(const std::optional<double>& value, std::string_view unit) {
  if (!value) return notEntered();
  return htmlEscaped(enteredText(*value)) + (unit.empty() ? "" : "\u00A0" + std::string(unit));
}

template <class Choice, std::size_t N>
std::string choice(const std::array<ChoiceWording<Choice>, N>& table, const std::optional<Choice>& value) {
  return value ? htmlEscaped(wordingOf(table, *value).text) : notEntered();
}

// The form's rows: a heading, then label and value pairs.
class Form {
 public:
  void section(std::string_view title) {
    m_html += "<tr><th colspan=\"2\" align=\"left\">" + std::string(title) + "</th></tr>\n";
  }
  void row(std::string_view label, const std::string& value) {
    m_html += "<tr><td>" + std::string(label) + "</td><td>" + value + "</td></tr>\n";
  }
  std::string end() { return m_html + "</table>\n"; }

 private:
  std::string m_html = "<table class=\"form\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">\n";
};

// The windows of the zone details with an overhang, of all their windows,
// and the range of the overhangs' depths; not entered while no zone has
// windows of its own.
std::string overhangsText(const DesignDetails& details) {
  int windows = 0;
  int shaded = 0;
  double shallowest = 0;
  double deepest = 0;
  for (const ZoneDetails& zone : details.zones) {
    if (!zone.windows) continue;
    for (const WindowDetails& window : *zone.windows) {
      ++windows;
      if (!(window.overhangDepth > 0)) continue;
      shallowest = shaded == 0 ? window.overhangDepth : std::min(shallowest, window.overhangDepth);
      deepest = std::max(deepest, window.overhangDepth);
      ++shaded;
    }
  }
  if (windows == 0) return notEntered();
  const std::string of = " of " + std::to_string(windows) + (windows == 1 ? " window" : " windows");
  if (shaded == 0) return "none" + of;
  const std::string depths = shallowest == deepest
                                 ? htmlEscaped(enteredText(deepest))
                                 : htmlEscaped(enteredText(shallowest)) + " to " + htmlEscaped(enteredText(deepest));
  return std::to_string(shaded) + of + ", " + depths + "\u00A0ft deep";
}

// The occupants the load counts: the house's, or, once zones have their
// own, the people of the zones.
std::string occupantsText(const ProjectTables& tables) {
  const std::vector<int> own = tables.Details.zonesWithOwnGains();
  if (own.empty()) return entered(tables.House[HouseValue::Occupants], "");
  double people = 0;
  for (const int zone : own) people += tables.Details.zone(zone).people.value_or(0);
  return htmlEscaped(enteredText(people)) + " (the zones' own)";
}

// The design conditions, the loads, the house and its windows.
void designSections(Form& form, const ProjectTables& tables, const DesignLoad& load, const HouseDesign& design,
                    const Equipment& equipment) {
  const HouseValues& house = tables.House;
  form.section("Design conditions");
  form.row("Winter outdoor design", degrees(tables.integer(1, irow::WinterDesignTemp)));
  form.row("Winter indoor", degrees(tables.integer(1, irow::WinterThermostat)));
  form.row("Summer outdoor design", degrees(tables.integer(1, irow::SummerDesignTemp)));
  form.row("Summer indoor", degrees(tables.integer(1, irow::SummerThermostat)));
  form.row("Moisture difference", entered(house[HouseValue::MoistureDifference], "grains/lb"));

  form.section("Loads");
  form.row("Heating", btu(load.heating));
  form.row("Cooling, sensible", btu(load.coolingSensible));
  form.row("Cooling, latent", btu(load.coolingLatent));
  form.row("Cooling, total", btu(load.coolingTotal));
  if (design.house.SizeFor == SizingOrientation::Worst) form.row("Cooling sized for", htmlEscaped(sizedForText(design)));

  form.section("House");
  form.row("Front door faces", choice(kFacingWordings, equipment.FrontDoor));
  form.row("Bedrooms", entered(equipment[EquipmentValue::Bedrooms], ""));
  // The zones' floor areas stand in for a conditioned floor area not entered,
  // as in the design load, and say so; either is given in whole ft², as the
  // house totals give it.
  const bool floorEntered = house[HouseValue::FloorArea].has_value();
  form.row("Conditioned floor area",
           load.floorAreaFigure ? figureText(*load.floorAreaFigure, 0, Grouping::Thousands) + "\u00A0ft\u00B2" +
                                      (floorEntered ? "" : " (the zones' floor areas added up)")
           : floorEntered       ? entered(house[HouseValue::FloorArea], "ft\u00B2")
                                : notEntered());
  form.row("Occupants", occupantsText(tables));

  form.section("Windows");
  form.row("Overhangs", overhangsText(tables.Details));
  form.row("Interior shading",
           htmlEscaped(selectionText(sel::InteriorShading, tables.selection(sel::InteriorShading))));
  form.row("Exterior shading",
           htmlEscaped(selectionText(sel::ExteriorShading, tables.selection(sel::ExteriorShading))));

}

void equipmentSection(Form& form, const EquipmentFigures& figures) {
  const Equipment& equipment = figures.equipment;
  form.section("Equipment");
  form.row("Type", choice(kSystemTypeWordings, equipment.System));
  form.row("Make and model", equipment.MakeAndModel.empty() ? notEntered() : htmlCellText(equipment.MakeAndModel));
  // A figure the system chosen has no part for says so, rather than that it
  // was not entered.
  const bool noFurnace = equipment.System == SystemType::HeatPump && !figures.furnaceOutput;
  const bool noHeatPump = equipment.System == SystemType::FurnaceAndAirConditioner;
  form.row("Heating output (furnace)", noFurnace ? std::string("none: a heat pump alone") : btu(figures.furnaceOutput));
  const HeatPumpFigures* pump = figures.heatPump ? &*figures.heatPump : nullptr;
  form.row("Heat pump capacity at design",
           !pump && noHeatPump                                   ? std::string("none: a furnace and air conditioner")
           : !pump                                               ? notEntered()
           : pump->capacityAtDesign && pump->lockedOutAtDesign ? btu(pump->capacityAtDesign) + ", " +
                                                                      lockoutText(*pump, "\u00A0")
                                                                : btu(pump->capacityAtDesign));
  // The backup the check judges: a dual fuel system's furnace, else the kW.
  const bool furnaceBackup = equipment.System == SystemType::DualFuel && figures.furnaceOutput;
  const std::optional<double>& kw = equipment[EquipmentValue::BackupKw];
  const std::string backup = furnaceBackup ? "the furnace gives " + btu(figures.furnaceOutput)
                             : kw          ? entered(kw, "kW") + " entered"
                                           : "kW " + notEntered();
  form.row("Backup heat", pump && pump->backupAtDesign ? btu(pump->backupAtDesign) + " needed, " + backup
                          : furnaceBackup              ? backup
                          : noHeatPump && !kw          ? std::string("none: a furnace and air conditioner")
                                                       : entered(equipment[EquipmentValue::BackupKw], "kW"));
  form.row("Cooling capacity, sensible", btu(figures.coolingSensible));
  form.row("Cooling capacity, latent", figures.coolingTotal && figures.coolingSensible && !figures.coolingLatent
                                          ? std::string("not known: the sensible capacity is above the total")
                                          : btu(figures.coolingLatent));
  form.row("Cooling capacity, total", btu(figures.coolingTotal));
  form.row("Heating airflow", entered(equipment[EquipmentValue::HeatingCfm], "CFM"));
  form.row("Cooling airflow", entered(equipment[EquipmentValue::CoolingCfm], "CFM"));

}

void jobSection(Form& form, const ProjectTables& tables) {
  form.section("Job");
  for (const JobDetailField& detail : kJobDetailFields) {
    const std::string& value = tables.Job.*detail.member;
    std::string html = htmlCellText(value);
    for (std::size_t at = html.find('\n'); at != std::string::npos; at = html.find('\n', at))
      html.replace(at, 1, "<br>");
    form.row(plainLabel(detail.label), value.empty() ? notEntered() : html);
  }
}

}  // namespace

std::string permitSummaryHtml(const ProjectTables& tables, const DesignLoad& sized, const HouseDesign& design,
                              const EquipmentFigures& figures) {
  Form form;
  designSections(form, tables, sized, design, figures.equipment);
  equipmentSection(form, figures);
  jobSection(form, tables);
  return "<h1>Summary for the Building Department</h1>\n" + form.end();
}

}  // namespace kovrin
