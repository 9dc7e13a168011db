#include "cli/run.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

#include "calc/pageloads.h"
#include "fileio/replacefile.h"
#include "fileio/spool.h"
#include "equipment/equipmentfigures.h"
#include "equipment/housefigures.h"
#include "house/housedesign.h"
#include "house/housesummary.h"
#include "model/loadfigures.h"
#include "model/model.h"
#include "model/nametext.h"
#include "projectfile/projectfile.h"
#include "report/loadreport.h"
#include "writers/designtext.h"
#include "writers/housereport.h"
#include "writers/summarywriters.h"

namespace kovrin {

namespace {

constexpr std::string_view kProgram = "kovrin-report";
// Between two load reports: a form feed, so that a printer starts each on a
// page of its own. The reports themselves are the bytes Print writes.
constexpr char kReportSeparator = '\f';

enum class Format { Text, Csv, Json, Html };

struct Options {
  std::vector<std::string> projects;
  Format format = Format::Text;
  bool breakdown = false;
  int page = 0;             // 1..5 with --page
  std::int32_t loadChoice = 0;  // kHeating or kCooling with --page
  bool allPages = false;
  std::optional<std::string> output;  // -o FILE
  std::optional<std::string> date;    // --date TEXT, for --html
  bool help = false;
  // --html of several projects, or with -o naming a folder: one report a
  // project, into that folder.
  bool reportFolder = false;

  bool reports() const { return page != 0 || allPages; }
};

// The file in the folder of -o that holds the --html report of `project`:
// its file name with ".html" in place of its last extension.
std::string reportFileIn(const std::string& folder, const std::string& project) {
  return (std::filesystem::path(folder) / std::filesystem::path(project).stem()).string() + ".html";
}

struct UsageError {
  std::string message;
};

std::optional<int> pageNumber(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 1 || value > kPages) return std::nullopt;
  return value;
}

// The format and load switches as given, before they are checked against
// each other.
struct Switches {
  bool heating = false;
  bool cooling = false;
  bool csv = false;
  bool json = false;
  bool html = false;
  bool breakdown = false;
  bool allPages = false;
};

// The options that take no value: each sets its switch.
struct Flag {
  std::string_view name;
  bool Switches::*set;
};
constexpr std::array<Flag, 7> kFlags = {{
    {"--csv", &Switches::csv},
    {"--json", &Switches::json},
    {"--html", &Switches::html},
    {"--breakdown", &Switches::breakdown},
    {"--heating", &Switches::heating},
    {"--cooling", &Switches::cooling},
    {"--all-pages", &Switches::allPages},
}};

// An option that takes the next argument as its value.
std::optional<UsageError> readValue(const std::string& option, const std::optional<std::string>& value,
                                    Options& options) {
  if (option == "--date") {
    if (!value) return UsageError{"--date needs the date to print, such as \"March 1, 2025\""};
    options.date = *value;
  } else if (option == "--page") {
    if (!value) return UsageError{"--page needs a page number, 1 to 5"};
    const auto page = pageNumber(*value);
    if (!page) return UsageError{"--page takes a page number from 1 to 5, not \"" + *value + "\""};
    options.page = *page;
  } else {
    if (!value || value->empty()) return UsageError{option + " needs a file name"};
    options.output = *value;
  }
  return std::nullopt;
}

// Takes the arguments one by one into `options` and `switches`; an option
// that is unknown or lacks its value is a usage error.
std::optional<UsageError> readArguments(std::span<const std::string> args, Options& options, Switches& switches) {
  bool onlyProjects = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (onlyProjects || arg.empty() || arg[0] != '-' || arg == "-") {
      options.projects.push_back(arg);
      continue;
    }
    if (arg == "--") {
      onlyProjects = true;
      continue;
    }
    if (arg == "--help" || arg == "-h") {
      options.help = true;
      continue;
    }
    const auto flag = std::find_if(kFlags.begin(), kFlags.end(), [&](const Flag& f) { return f.name == arg; });
    if (flag != kFlags.end()) {
      switches.*flag->set = true;
      continue;
    }
    if (arg != "--date" && arg != "--page" && arg != "-o" && arg != "--output") {
      return UsageError{"unknown option \"" + arg + "\""};
    }
    // The value of an option is the next argument.
    const std::optional<std::string> value = i + 1 < args.size() ? std::optional(args[++i]) : std::nullopt;
    if (auto error = readValue(arg, value, options)) return error;
  }
  options.breakdown = switches.breakdown;
  options.allPages = switches.allPages;
  return std::nullopt;
}

// The options that go together, and those that do not.
std::optional<UsageError> checkCombination(const Options& options, const Switches& switches) {
  if (options.projects.empty()) return UsageError{"no project file given"};
  if (switches.csv + switches.json + switches.html > 1) return UsageError{"--csv, --json and --html exclude each other"};
  if (switches.html && options.projects.size() > 1 && !options.output) {
    return UsageError{"--html writes one report per project into the folder named by -o; give -o FOLDER"};
  }
  if (switches.html && options.breakdown) return UsageError{"--html always holds the breakdown; leave out --breakdown"};
  if (options.date && !switches.html) return UsageError{"--date sets the date of the --html report"};
  if (switches.heating && switches.cooling) return UsageError{"--heating and --cooling exclude each other"};
  if (options.page != 0 && options.allPages) return UsageError{"--page and --all-pages exclude each other"};
  if (!options.reports()) {
    if (switches.heating || switches.cooling) return UsageError{"--heating and --cooling choose the load of --page"};
    return std::nullopt;
  }
  if (switches.csv || switches.json || switches.html || options.breakdown) {
    return UsageError{"--csv, --json, --html and --breakdown belong to the summary, not to the load reports"};
  }
  if (options.allPages && (switches.heating || switches.cooling)) {
    return UsageError{"--all-pages writes the heating and the cooling reports; leave out --heating and --cooling"};
  }
  if (options.page != 0 && !switches.heating && !switches.cooling) {
    return UsageError{"--page needs --heating or --cooling"};
  }
  // The report names the project file in a field of 225 characters padded
  // with blanks; a longer name would be cut, and a trailing blank lost.
  for (const std::string& project : options.projects) {
    if (!PaddedPath::holds(project)) {
      return UsageError{"the project file name \"" + project + "\" is longer than " +
                        std::to_string(kProjectFileNameLength) +
                        " characters or ends with a blank: the load report cannot name it exactly"};
    }
  }
  return std::nullopt;
}

// Writing an output over a project would destroy it, however it is named
// (another path, a link): the same file is the same device and inode.
std::optional<UsageError> checkOutputIsNoProject(const std::string& outputPath, const Options& options) {
  struct stat output {};
  if (::stat(outputPath.c_str(), &output) != 0 || !S_ISREG(output.st_mode)) return std::nullopt;
  for (const std::string& project : options.projects) {
    struct stat input {};
    const int found = project == "-" ? ::fstat(STDIN_FILENO, &input) : ::stat(project.c_str(), &input);
    if (found == 0 && input.st_dev == output.st_dev && input.st_ino == output.st_ino) {
      return UsageError{"the output " + outputPath + " is the project file " + project + "; choose another output"};
    }
  }
  return std::nullopt;
}

// The reports of a folder each need a name of their own, from a project
// file's name.
std::optional<UsageError> checkReportFiles(const Options& options) {
  std::error_code error;
  if (std::filesystem::exists(*options.output, error) && !std::filesystem::is_directory(*options.output, error)) {
    return UsageError{"--html of several projects writes into a folder; " + *options.output + " is not one"};
  }
  std::map<std::string, std::string> projectOfReport;
  for (const std::string& project : options.projects) {
    if (project == "-") return UsageError{"standard input has no file name for its report in " + *options.output};
    const std::string report = reportFileIn(*options.output, project);
    const auto [taken, fresh] = projectOfReport.emplace(report, project);
    if (!fresh) {
      return UsageError{"the reports of " + taken->second + " and " + project + " would both be " + report};
    }
    if (auto overProject = checkOutputIsNoProject(report, options)) return overProject;
  }
  return std::nullopt;
}

// Reads the arguments; the first problem found comes back as a usage error.
std::optional<UsageError> parse(std::span<const std::string> args, Options& options) {
  Switches switches;
  if (auto error = readArguments(args, options, switches)) return error;
  if (options.help) return std::nullopt;
  if (auto error = checkCombination(options, switches)) return error;
  options.format = switches.csv    ? Format::Csv
                   : switches.json ? Format::Json
                   : switches.html ? Format::Html
                                   : Format::Text;
  options.loadChoice = switches.heating ? kHeating : kCooling;
  std::error_code error;
  options.reportFolder = switches.html && options.output &&
                         (options.projects.size() > 1 || std::filesystem::is_directory(*options.output, error));
  if (options.reportFolder) return checkReportFiles(options);
  return options.output ? checkOutputIsNoProject(*options.output, options) : std::nullopt;
}

// The report of a page as Print writes it right after Calculate on that page
// with that choice: the loads and shares on the screen are those just
// computed (the shares all 0 when the page total is 0).
std::string calculatedReport(const ProjectTables& tables, int page, std::int32_t loadChoice,
                             const PaddedPath& projectFileName) {
  const PageLoads loads = calculatePage(tables, page, loadChoice);
  ProjectTables shown = tables;
  for (int c = 1; c <= kZoneColumns; ++c) {
    shown.integer(page, irow::ZoneLoad(c)) = loads.zoneLoad[static_cast<std::size_t>(c - 1)];
    shown.integer(page, irow::ZoneAirShare(c)) = loads.airShare[static_cast<std::size_t>(c - 1)];
  }
  shown.integer(page, irow::PageLoadTotal) = loads.total;
  return loadReport(shown, page, loadChoice, projectFileName);
}

// What one project adds to the output: its load reports, or its summary in
// the format asked for.
std::string projectOutput(const Options& options, const ProjectTables& tables, const std::string& project) {
  if (options.reports()) {
    PaddedPath name;
    name.set(project);  // the length was checked with the arguments
    if (!options.allPages) return calculatedReport(tables, options.page, options.loadChoice, name);
    std::string out;
    for (int page = 1; page <= kPages; ++page) {
      for (const std::int32_t choice : {kHeating, kCooling}) {
        if (!out.empty()) out += kReportSeparator;
        out += calculatedReport(tables, page, choice, name);
      }
    }
    return out;
  }
  if (options.format == Format::Html) {
    return houseReportHtml({tables, project, options.date ? *options.date : reportDateToday()}, houseFigures(tables));
  }
  const HouseFigures figures = houseFigures(tables);
  const HouseSummary& summary = figures.summary;
  const HouseDesign& design = figures.design;
  const EquipmentFigures& equipment = figures.equipment;
  switch (options.format) {
    case Format::Csv:
      return summaryCsv(summary, design, equipment, project, options.breakdown);
    case Format::Json:
      return summaryJson(summary, design, equipment, project, options.breakdown);
    case Format::Html:
    case Format::Text:
      break;
  }
  return summaryText(summary, design, equipment, project, options.breakdown);
}

// The nominal cooling sizes as the help lists them: "1.5, 2, ... 5".
std::string nominalSizesText() {
  std::string text;
  for (const NominalSize& size : kNominalSizes) text += (text.empty() ? "" : ", ") + enteredText(size.tons);
  return text;
}

// A band of per cents as the help's list of checks gives it: "90-115 %".
std::string percentRangeText(std::int64_t low, std::int64_t high) {
  return std::to_string(low) + "-" + std::to_string(high) + " %";
}

}  // namespace

std::string helpText() {
  return R"(Usage: kovrin-report [OPTIONS] PROJECT...

Prints the heating and cooling loads of a whole house from Kovrin project
files: every zone that has any input, the totals of each page and of the
house, with the cooling total also in tons ()" + std::to_string(kBtuPerTon) + R"( Btu/h a ton). Loads are
those that Calculate shows for each page with Heating or with Cooling.
Beside them stand the house's design load (the rooms with the outdoor air,
people and appliances entered in the window's Zones > House Air and
People...), the house turned in 45 degree steps, and the equipment sizes
that fit. Several PROJECT files are handled one after another in one run.
A PROJECT of - is standard input; pipes such as <(command) are read as well.

Options:
  --csv            the summary as comma-separated values
  --json           the summary as JSON, one object per project on one line
  --html           the house report as an HTML document for print (US
                   Letter): the building department's summary page, house
                   totals, the equipment's checks and a heat pump's
                   balance-point chart, a bar chart of the zone loads,
                   every zone with input, the design criteria and, page by
                   page, the zones' inputs and their loads by part; of
                   several projects (or with -o naming a folder), one
                   report each into the folder of -o, made if missing,
                   named after the project: house.prj gives house.html
  --date TEXT      the date the --html report prints (default: today)
  --breakdown      add each zone's load by component: doors, floor, roof,
                   walls and glass; the five parts add up to the zone load
  --page N --heating|--cooling
                   write the load report of page N (1..5) as Print writes
                   "out.dat" after Calculate on that page with that choice
  --all-pages      write the ten load reports of each project: pages 1 to 5,
                   each with heating, then with cooling
  -o, --output FILE  write to FILE instead of standard output: a file is
                   replaced only once all is written, a pipe or device is
                   written once every project is read; FILE may not be a
                   PROJECT. With --html, a folder (see --html): each report
                   is replaced whole as its project is read, and a project
                   that cannot be read gets none
  -h, --help       show this help
  --               the arguments after this are project files

Text summary: the job's details that are given and the house report's
warnings, a row per zone with input (zone, page, heating load, cooling
load, its share of its page's airflow with heating and with cooling, in
the page's "CFM or %"), a row per page (heating and cooling totals, the
page's airflow, its "CFM or %") and the house's
heating, cooling and tons: its design load, so labelled, the detailed one
(with no air and people entered, it counts no outdoor air, people or
appliances).
A project with house values entered (any of the air and people, the system
airflow, or sizing for the worst orientation) then has its design load by
part (rooms, leakage, ventilation, people, appliances; heating, sensible
and latent cooling) with the cooling total in tons and the sensible heat
ratio, the values as entered, each zone's part of the system airflow, the
eight turns of the house with the worst and the one sized for marked and
their spread, and the sizes that fit, each with what it rests on; a
project without them reads as it always did. A project with equipment
entered (Zones > House Equipment...) then has the equipment as entered,
the heat pump's capacity at the design temperature, its balance point and
the backup needed, and each check with its value, its band and "fits" or
what is wrong.

CSV columns: project, kind ("zone", "page" or "house"), zone, page, heating,
cooling, heating_air, cooling_air, cooling_tons; with --breakdown then
heating_doors, heating_floor, heating_roof, heating_walls, heating_glass,
cooling_doors, ..., cooling_glass; then floor_area, heating_per_ft2,
cooling_per_ft2, ft2_per_ton, name (the zone's name, empty for none); then
heating_airflow, cooling_airflow (on a zone row: its part of the system
airflow in CFM); then on the house row design_heating,
design_cooling_sensible, design_cooling_latent, design_cooling_total,
design_cooling_tons, sensible_heat_ratio, leakage_heating, leakage_cooling,
leakage_latent, ventilation_heating, ventilation_cooling,
ventilation_latent, people_sensible, people_latent, appliances (the design
load and its parts), worst_rotation, cooling_spread, size_for ("drawn" or
"worst"), turn0_cooling_total ... turn7_cooling_total (the design cooling
total with the house turned k x 45 degrees clockwise), sizing_cooling_load,
cooling_min, cooling_max, cooling_min_tons, cooling_max_tons, nominal_tons
(the sizes that fit, apart by blanks), below_tons, below_percent,
above_tons, above_percent, heating_min, heating_max; then the equipment:
system, make_and_model, compressor, sized_for_heating ("yes" or empty),
front_door_faces, furnace_input, furnace_afue, furnace_rise_low,
furnace_rise_high, cooling_total, cooling_sensible, cooling_shr,
heat_pump_47, heat_pump_17, heat_pump_5, heat_pump_lockout, backup_kw,
heating_cfm, cooling_cfm, bedrooms (as entered), hp_capacity_47,
hp_capacity_17, hp_capacity_5, hp_capacity_design, hp_design_temperature,
hp_heating_load, hp_balance_point, hp_backup, hp_backup_kw,
hp_backup_covered, hp_cold_climate (the "heatPump" members below), and for
each check (furnace_output, temperature_rise, cooling_capacity,
latent_capacity, cooling_airflow, cold_climate, backup_heat) its _value,
_low, _high, _fits and _text; then on the house row rooms_heating,
rooms_cooling, rooms_cooling_tons, rooms_floor_area, rooms_heating_per_ft2, rooms_cooling_per_ft2,
rooms_ft2_per_ton (the same figures of the rooms alone: the zones' totals
on the zones' floor area), client, site_address, designer, design_date,
note (the job) and warnings (what the house report warns of, one sentence
after another). A page row holds the page totals and the page's airflow in
both air columns; the house row the house's figures as the house view and
the house report give them: its design load (heating, the cooling total
and its tons), the conditioned floor area, the loads per sq ft of it and
its sq ft per ton (with no air and people entered, the design load
without outdoor air, people or appliances, on the zones' floor area). Every row has every column, empty
where it has no figure. One header line for all projects.
A text cell (project, name, the job) that begins with =, +, -, @, a tab or a
carriage return is written in quotes after an apostrophe, '=A1 as "'=A1",
so that a spreadsheet takes it as text, never as a formula; numbers, the
negative ones included, are written as they are.

A zone is listed when it has any U-value or area, or a name. The text
summary gives the zones' names after their figures when the project names
any zone.

JSON fields: "project" (file name as given), "details" (the job: "client",
"siteAddress", "designer", "designDate", "note", each "" when not given;
the address and the note may hold line breaks), "warnings" (the sentences
the house report warns with, a list), "zones" (a list of "zone",
"page", "column", "heating", "cooling", "heatingAirShare",
"coolingAirShare", "floorArea", "heatingPerFloorArea",
"coolingPerFloorArea", "name" ("" for none), with --breakdown
"heatingParts" and "coolingParts", each with "doors", "floor", "roof",
"walls", "glass", "heatingAirflow" and "coolingAirflow", the zone's
part of the system airflow in CFM, and "design", the zone's detailed
design load: "heating", "coolingSensible", "coolingLatent" and its
"components"), "pages" (a list of "page", "heating",
"cooling", "airTotal"), "house" ("heating", "cooling", "coolingTons",
"floorArea", "heatingPerFloorArea", "coolingPerFloorArea",
"floorAreaPerTon": the house's figures as in the CSV's house row, and
"rooms" with the same of the rooms alone), "designLoad" ("heating",
"coolingSensible", "coolingLatent", "coolingTotal", "coolingTons",
"sensibleHeatRatio" and "parts": "leakageHeating", "leakageCooling",
"leakageLatent", "ventilationHeating", "ventilationCooling",
"ventilationLatent", "peopleSensible", "peopleLatent", "appliances",
"method" ("detailed"), "ducts" (where the ducts' load comes from: "page
duct multipliers" or "duct system") and "components": "heating",
"coolingSensible" and "coolingLatent", each with "windows", "skylights",
"doors", "walls", "roofs", "ceilings", "floors", "slabs",
"infiltration", "ventilation", "internalGains", "blowerHeat", "ducts"
and "aedExcursion", whole Btu/h, 0 where there is none),
"ductSystem" (null without one: the duct system as the design load took
it, "supplyLocation" and "returnLocation" ("conditioned", "vented attic",
"unvented attic", "vented crawlspace", "unvented crawlspace",
"unconditioned basement", "garage", "outdoors"), "supplyR", "returnR",
"supplyArea", "returnArea" (ft2), "returns", "supplyLeakageCfm25",
"returnLeakageCfm25", "sealing" ("sealed", "notably sealed", "average",
"leaky"), "heating" ("furnace" or "heat pump"), "proposed" (the members
not entered, which take their proposals, to 0.1), "heatingEffectiveness"
and "coolingEffectiveness" (the delivery effectiveness, to 0.01),
"heatingAirflow" and "coolingAirflow" (the design airflow, the air that
carries the design load, CFM: not the system airflow entered)),
"airAndPeople" ("floorArea", "ceilingHeight", "leakageAchWinter",
"leakageAchSummer", "ventilationCfm", "ventilationSensibleRecovery",
"ventilationLatentRecovery", "occupants", "appliances",
"moistureDifference", and the details "latitude", "elevation",
"storeysAboveGrade", "shieldingClass", "ach50", "blowerHeat": numbers as
entered, the recoveries in per cent, null where not entered),
"orientations" (a list of 8: "rotation" k, "degrees" 45 x k clockwise,
"coolingZones" (the rooms), "coolingSensible", "coolingTotal"),
"worstRotation", "coolingSpread", "sizeFor" ("drawn" or "worst"),
"systemAirflow" (CFM as entered) and "sizing" ("coolingLoad",
"coolingMin", "coolingMax", "coolingMinTons", "coolingMaxTons",
"nominalTons" (a list of the sizes that fit), "below" and "above" (each
"tons" and "percent" (at least 1: a size under 1 % of the load holds 1),
or null; both null when a size fits), "heatingLoad",
"heatingMin", "heatingMax"), "equipment" (as entered, null when not:
"system" ("furnace and air conditioner", "heat pump" or "dual fuel"),
"makeAndModel", "compressor" ("single-stage", "two-stage",
"variable-speed"), "sizedForHeating" (true or false), "frontDoorFaces"
("north", "northeast", ...), "furnaceInput", "afue" (per cent),
"temperatureRiseLow", "temperatureRiseHigh", "coolingTotal",
"coolingSensible", "sensibleHeatRatio", "capacityAt47", "capacityAt17",
"capacityAt5", "lockoutTemperature", "backupKw", "heatingCfm",
"coolingCfm", "bedrooms"), "heatPump" (null without a heat pump:
"capacityAt47", "capacityAt17", "capacityAt5", "capacityAtDesign" (at the
winter design temperature), "designTemperature", "heatingLoad" (the design
heating load), "balancePoint" (deg F to 0.1, null when the lines do not
meet above the design temperature - 40), "backupAtDesign",
"backupKw" (to 0.1), "backupCovered" (by the backup kW entered, or for dual
fuel the furnace's output; null when none is entered), "coldClimate" (the
5 deg F capacity at least )" + std::to_string(kColdClimatePercent) + R"( % of the 47 deg F one)) and "checks" (a list
of "name", "value", "low", "high" (null for an open edge), "fits" and
"text": "fits" or what is wrong). Loads in Btu/h are whole numbers. A value not
entered, an airflow without a system airflow and a figure without a value
are null. JSON is UTF-8: a byte of a file name that is not part of a UTF-8
character is written as \ufffd, the replacement character.

The design load is the detailed one, the figure to buy from (the zones'
"heating" and "cooling" and the "rooms" figures are the page calculation's
quick estimate): room by room and component by component by the
procedures of ACCA Manual J, 8th edition, from each zone's details and,
where none are entered, defaults taken from its page. The outdoor air
that leaks in (from a blower-door ACH50, or the air changes entered) goes
to the rooms by their exposed wall area (by floor area when no wall is
exposed), the ventilation less its heat recovery and the people ()" + std::to_string(kPersonSensible) + R"(
Btu/h sensible and )" + std::to_string(kPersonLatent) + R"( latent each) and appliances by floor area; latent
heat from the moisture difference, never below 0 in all. Each component
of each room is rounded to whole Btu/h; the house's are the rooms' sums,
with the blower heat and the house's AED excursion its own.
The house turned: every window's direction moved by k x 45 degrees
clockwise, the rooms' page cooling and the detailed design load computed
again; the worst is the highest design
cooling total (the smallest k on a tie). Sizes that fit: nominal cooling
sizes ()" + nominalSizesText() + R"( tons) within )" + percentBandText(kCoolingBandLow, kCoolingBandHigh) +
         R"( of the design
cooling total of the orientation sized for, for single-speed equipment (read
real capacities at the design conditions from the maker's tables); else the
nearest below and above with their per cent of the load; a furnace's output
within )" + percentBandText(kHeatingBandLow, kHeatingBandHigh) + R"( of the design heating load (for a heat pump
alone, none: its capacity and backup carry that load). A zone's part of the
system airflow is the system airflow times its detailed load over the house
total of the zones' detailed loads.

The equipment: a heat pump's capacity at T runs on straight lines through
its rated points, C17 + (C47 - C17)(T - 17)/30 at and above 17 deg F,
C5 + (C17 - C5)(T - 5)/12 below (continued below 5 deg F; without C5 the
17-47 line goes on), never below 0. The house's load line is H (Ti - T) /
(Ti - Td) below the winter thermostat Ti of page 1, 0 above, with H the
design heating load and Td page 1's winter design temperature; internal
gains are left out. The balance point is where the lines meet. The backup
needed is H - C(Td), at least 0, all of H when the lockout temperature is
at or above Td; in kW, Btu/h / )" + enteredText(kBtuPerKw) + R"(. Checks: cooling capacity )" + percentRangeText(kCoolingBandLow, kCoolingBandHigh) + R"(
of the design cooling total single-stage (or not entered), )" + percentRangeText(kCoolingBandLow, kTwoStageBandHigh) + R"(
two-stage, )" + percentRangeText(kCoolingBandLow, kVariableSpeedBandHigh) + R"( variable-speed, a heat pump sized for heating up to
the total + )" + figureText(kHeatingSizedAllowance, 0, Grouping::Thousands) + R"( Btu/h; latent capacity (total - sensible, or total x
(1 - SHR)) at least the design latent load; furnace output (input x AFUE)
)" + percentRangeText(kHeatingBandLow, kHeatingBandHigh) + R"( of the design heating load; temperature rise, output / ()" + enteredText(kStandardAirSensible) + R"( x
heating CFM), within the maker's range; cooling airflow )" + std::to_string(kLowestCfmPerTon) + "-" + std::to_string(kHighestCfmPerTon) + R"( CFM per
ton of the rated total; cold climate; backup heat. Btu/h are whole,
temperatures and kW to 0.1.

Load reports are the bytes Print writes; each after the first is preceded
by a form feed, so a printer starts it on a new page. The text summary and
messages show the control characters of file names and names (and the
marks that turn the direction of text) as \xNN, one escape a byte.

Nothing reaches the output before every project is read, and memory stays
the same however many projects are given: each project's output is written
as soon as it is made, into a temporary file beside the -o FILE, or, for
standard output, a pipe or a device, into memory up to 1 MiB and beyond it
into a file without a name in TMPDIR (/tmp when unset), written out at the
end.

An airflow share is 0 when its page total is 0, as Calculate shows it.
Floor areas are in whole sq ft, loads per sq ft of floor in Btu/h with one
decimal, the house's floor area per ton of cooling in whole sq ft; each is
rounded once, half away from zero, from the exact stored values. A floor
area that rounds to 0 sq ft counts as no floor: its loads per sq ft have no
value, and neither has the floor area per ton without floor or without
cooling (an empty CSV field, null in JSON).

Lines after a project's 750 values that are not its notes are ignored, and
the first is named in a warning on standard error; an end-of-file mark
(byte 0x1A) ends a project file.

The design load and its parts, the turns and their spread are whole Btu/h
held within 2^53 = 9007199254740992 either way, where a JSON reader holds
every whole number exactly; only absurd values of a hand-edited file (a
duct multiplier of 1E+30) reach that limit, a figure at it means at
least that much, and every output then carries the warning "Some design
figures reach 9,007,199,254,740,992 Btu/h, ...".

Exit status: 0 done, 1 a project file that cannot be read (its name, the
line and what was expected are printed; nothing goes to the output, but for
the reports of the others in the folder of --html) or an output file that
cannot be written, 2 bad usage (an output that is one of the projects
included, two projects whose reports would have one name).

Examples:
  kovrin-report house.prj    the summary as text
  kovrin-report --breakdown house.prj
                             the summary with each zone's load by component
  kovrin-report --csv projects/*.prj > loads.csv
                             the summaries of several projects in one table
  kovrin-report --json house.prj
                             the summary as one line of JSON
  kovrin-report --html -o smith_house.html smith_house.prj
                             the house report, to print or hand over
  kovrin-report --html -o reports projects/*.prj
                             a house report for each project, in reports/
  kovrin-report --page 2 --cooling -o out.dat house.prj
                             the cooling load report of page 2, into out.dat
  kovrin-report --all-pages house.prj | lpr
                             print the ten load reports of the house, each
                             on pages of its own
  ssh host cat house.prj | kovrin-report --json -
                             the summary of a project read from a pipe
)";
}

namespace {

// --html into a folder: each project's report is a file of its own, written
// whole as soon as the project is read; a project that cannot be read gets
// no report, and the others still do.
int writeReportFolder(const Options& options, const std::function<void(std::string_view)>& complain) {
  std::error_code error;
  std::filesystem::create_directory(*options.output, error);
  if (error) {
    complain(*options.output + ": the folder cannot be made: " + error.message());
    return kExitFileError;
  }
  int status = kExitSuccess;
  ProjectTables tables;
  for (const std::string& project : options.projects) {
    FileResult done = loadProjectInput(project, tables);
    if (done && !done.warning.empty()) complain("warning: " + done.warning);
    if (done) done = replaceFile(reportFileIn(*options.output, project), projectOutput(options, tables, project),
                                 ReplaceRules{.failure = "not written"});
    if (!done) {
      complain(done.message);
      status = kExitFileError;
    }
  }
  return status;
}

// Reads every project and hands each one's output to `emit` as soon as it
// is made; the others are still read after one that cannot be, so that
// every project that cannot be read is named at once, but nothing more is
// emitted. `written` holds the first failure to emit; false when a project
// could not be read.
bool emitProjects(const Options& options, const std::function<FileResult(std::string_view)>& emit,
                  const std::function<void(std::string_view)>& complain, FileResult& written) {
  if (!options.reports() && options.format == Format::Csv) written = emit(summaryCsvHeader(options.breakdown));
  bool failed = false;
  bool any = false;
  ProjectTables tables;
  for (const std::string& project : options.projects) {
    if (!written) break;
    const FileResult read = loadProjectInput(project, tables);
    if (!read) {
      complain(read.message);
      failed = true;
      continue;
    }
    if (!read.warning.empty()) complain("warning: " + read.warning);
    if (failed) continue;
    std::string text;
    if (any && options.reports()) text += kReportSeparator;
    if (any && !options.reports() && options.format == Format::Text) text += '\n';
    text += projectOutput(options, tables, project);
    written = emit(text);
    any = true;
  }
  return !failed;
}

// What the spool holds, to the pipe or the device of -o (a printer,
// /dev/stdout), written straight through, or to `out` without -o.
FileResult deliverHeld(const Options& options, const ReplaceRules& rules, Spool& held, std::ostream& out) {
  if (options.output) {
    FileReplacement device;
    FileResult written = device.begin(*options.output, rules);
    FileResult wrote;
    if (written) written = held.replay([&](std::string_view piece) { return bool(wrote = device.write(piece)); });
    if (written) written = wrote;
    if (written) written = device.commit();
    return written;
  }
  FileResult written = held.replay([&](std::string_view piece) {
    out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
    return bool(out);
  });
  out.flush();
  if (written && !out) written = FileResult::failure("the output could not be written");
  return written;
}

}  // namespace

int run(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const auto complain = [&](std::string_view message) { err << kProgram << ": " << terminalText(message) << '\n'; };
  Options options;
  if (const auto usage = parse(args, options)) {
    complain(usage->message);
    err << "Try '" << kProgram << " --help'.\n";
    return kExitUsage;
  }
  if (options.help) {
    out << helpText();
    return kExitSuccess;
  }
  if (options.reportFolder) return writeReportFolder(options, complain);

  // Each project's output is made and written before the next is read, so
  // the memory a run takes does not grow with the number of projects. Until
  // every project is read it reaches no reader: a plain file of -o is
  // written into a temporary file beside it, which takes its place at the
  // end; standard output, a pipe or a device is held back in a spool. A
  // project that cannot be read leaves the output as it was.
  const ReplaceRules rules{.failure = "not written", .writeThroughPipesAndDevices = true};
  const bool replacing = options.output && isPlainFileOrMissing(*options.output);
  FileReplacement file;
  Spool held;
  if (replacing) {
    if (const FileResult begun = file.begin(*options.output, rules); !begun) {
      complain(begun.message);
      return kExitFileError;
    }
  }
  const auto emit = [&](std::string_view piece) { return replacing ? file.write(piece) : held.write(piece); };
  FileResult written;
  if (!emitProjects(options, emit, complain, written)) return kExitFileError;
  if (written) written = replacing ? file.commit() : deliverHeld(options, rules, held, out);
  if (!written) {
    complain(written.message);
    return kExitFileError;
  }
  return kExitSuccess;
}

}  // namespace kovrin
