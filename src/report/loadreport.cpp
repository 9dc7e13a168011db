#include "report/loadreport.h"

#include <array>
#include <vector>

#include "fileio/replacefile.h"
#include "model/selections.h"
#include "model/zoneranges.h"

#include "report/lines.h"
#include "report/numbertext.h"

namespace kovrin {

namespace {

// The report names a selection by the entry it stands for, after the
// heading of its list; a value that is no entry of its list gets no line at all.
struct SelectionLine {
  int item;
  std::string_view heading;
};

constexpr std::array<SelectionLine, 6> kSelectionLines{{
    {sel::WallConstruction, "Walls/Doors - "},
    {sel::RoofConstruction, "Ceilings/Roof - "},
    {sel::FloorConstruction, "Floors - "},
    {sel::GlassType, "Windows - "},
    {sel::InteriorShading, "Interior Shading - "},
    {sel::ExteriorShading, "Exterior Shading - "},
}};

constexpr std::array<std::string_view, 2> kLoadChoiceTexts{"Heating Loads Only",
                                                          "Cooling Loads Only"};

// Where the direction code of zone columns 2..10 starts (a blank, then the
// code). The fifth starts at 44, not at 46 as the steps of nine would have
// it; printed reports have always had it there.
constexpr std::array<int, 9> kDirectionStarts{19, 28, 37, 44, 53, 62, 71, 80, 89};

// The zone field of column c is the five columns 9c..9c+4, in every column line.
constexpr int kZoneFieldWidth = 5;
constexpr int zoneFieldStart(int column) { return 9 * column; }

std::string quantityLine(std::string_view label, const ProjectTables& tables, int page,
                         ZoneQuantity quantity, int decimals) {
  std::vector<ColumnField> fields;
  fields.reserve(kZoneColumns);
  for (int c = 1; c <= kZoneColumns; ++c) {
    fields.push_back({zoneFieldStart(c),
                      fixedDecimalField(tables.zone(page, c, quantity), kZoneFieldWidth, decimals)});
  }
  return columnLine(label, fields);
}

std::string partitionLine(const ProjectTables& tables, int page) {
  std::vector<ColumnField> fields;
  for (int c = 7; c <= kZoneColumns; ++c) {
    fields.push_back({zoneFieldStart(c) + 3, integerField(tables.integer(page, irow::PartitionDT(c)), 2)});
  }
  return columnLine(" Partition dT", fields);
}

std::string directionLine(const ProjectTables& tables) {
  std::vector<ColumnField> fields;
  // A direction code stands in two columns, "N" as "N "; a direction that is
  // none of the eight prints blanks where its code would stand.
  auto code = [&](int column) {
    std::string text(selectionText(sel::GlassDirection(column), tables.selection(sel::GlassDirection(column))));
    text.resize(2, ' ');
    return text;
  };
  fields.push_back({11, code(1)});
  for (int c = 2; c <= kZoneColumns; ++c) {
    fields.push_back({kDirectionStarts[static_cast<std::size_t>(c - 2)], " " + code(c)});
  }
  return columnLine(" Direction", fields);
}

// The loads and airflow lines: a page figure in columns 1-8, then the zones.
std::string resultLine(const ProjectTables& tables, int page, int totalRow, int (*zoneRow)(int)) {
  std::vector<ColumnField> fields;
  fields.reserve(kZoneColumns + 1);
  fields.push_back({1, integerField(tables.integer(page, totalRow), 8)});
  for (int c = 1; c <= kZoneColumns; ++c) {
    fields.push_back({zoneFieldStart(c), integerField(tables.integer(page, zoneRow(c)), kZoneFieldWidth)});
  }
  return columnLine("", fields);
}

std::string heading(std::string_view text) { return FreeFormLine().text(text).str(); }

// The line of a selection: the heading of its list, then the entry it
// stands for; nothing for a value that is no entry.
std::string selectionLine(std::string_view listHeading, const ProjectTables& tables, int item) {
  const std::string_view text = selectionText(item, tables.selection(item));
  return text.empty() ? std::string() : heading(std::string(listHeading) + std::string(text));
}

// A heading, an empty line and a pair of values, summer first:
// " Summer/Winter 78 /65".
FreeFormLine& append(FreeFormLine& line, std::int32_t value) { return line.integer(value); }
FreeFormLine& append(FreeFormLine& line, float value) { return line.real(value); }
template <typename Value>
std::string summerWinter(std::string_view title, Value summer, Value winter) {
  FreeFormLine line;
  append(line.text("Summer/Winter"), summer).text("/");
  append(line, winter);
  return heading(title) + emptyLine() + line.str();
}

int zoneLoadRow(int column) { return irow::ZoneLoad(column); }
int zoneAirShareRow(int column) { return irow::ZoneAirShare(column); }

}  // namespace

std::string loadReport(const ProjectTables& tables, std::int32_t page, std::int32_t loadChoice,
                       const PaddedPath& projectFileName) {
  if (page < 1 || page > kPages) return {};
  const int p = page;
  std::string out;
  out.reserve(4096);
  const std::string empty = emptyLine();

  out += heading(kProgramTitle);
  out += empty;
  out += summerWinter(">>> Design Temperatures", tables.integer(p, irow::SummerDesignTemp),
                      tables.integer(p, irow::WinterDesignTemp));
  out += selectionLine("Range = ", tables, sel::DailyRange);
  if (inList(loadChoice, kLoadChoiceTexts.size())) {
    out += heading(kLoadChoiceTexts[static_cast<std::size_t>(loadChoice - 1)]);
  }
  out += empty;
  out += summerWinter(">>> Thermostat Setpoints", tables.integer(p, irow::SummerThermostat),
                      tables.integer(p, irow::WinterThermostat));
  out += empty;
  out += summerWinter(">>> Duct Multipliers", tables.real(p, rrow::SummerDuctMultiplier),
                      tables.real(p, rrow::WinterDuctMultiplier));
  out += empty;
  out += heading(">>> General Design Criteria");
  out += empty;
  for (const SelectionLine& line : kSelectionLines) out += selectionLine(line.heading, tables, line.item);
  out += empty;

  struct Component {
    std::string_view heading;
    ZoneQuantity u;
    ZoneQuantity area;
  };
  constexpr std::array<Component, 5> kComponents{{
      {">>> Doors", ZoneQuantity::DoorU, ZoneQuantity::DoorArea},
      {">>> Floor", ZoneQuantity::FloorU, ZoneQuantity::FloorArea},
      {">>> Roof", ZoneQuantity::RoofU, ZoneQuantity::RoofArea},
      {">>> Walls", ZoneQuantity::WallU, ZoneQuantity::WallArea},
      {">>> Glass", ZoneQuantity::GlassU, ZoneQuantity::GlassArea},
  }};
  for (const Component& component : kComponents) {
    out += heading(component.heading);
    out += empty;
    out += quantityLine(" U-val", tables, p, component.u, 3);
    out += quantityLine(" Area", tables, p, component.area, 0);
    if (component.u == ZoneQuantity::WallU) out += partitionLine(tables, p);
    if (component.u == ZoneQuantity::GlassU) out += directionLine(tables);
    out += empty;
  }

  out += heading(">>> Loads");
  out += empty;
  out += resultLine(tables, p, irow::PageLoadTotal, zoneLoadRow);
  out += empty;
  out += resultLine(tables, p, irow::PageAirTotal, zoneAirShareRow);
  out += empty;
  out += FreeFormLine()
             .text(projectFileName.padded())
             .text(zonesText(p))
             .str();
  return out;
}

FileResult PrintData(const ProjectModel& model, const std::string& path) {
  if (model.CurrentPage < 1 || model.CurrentPage > kPages) {
    return FileResult::failure(path + ": not written: there is no zone page " + std::to_string(model.CurrentPage) +
                               " to report");
  }
  // Replaced whole like a project file: a failed Print leaves the last
  // report readable. A pipe or device in its place is refused, as the window
  // must never wait on one.
  return replaceFile(path, loadReport(model, model.CurrentPage, model.LoadChoice, model.ProjectFileName),
                     ReplaceRules{.failure = "not written"});
}

}  // namespace kovrin
