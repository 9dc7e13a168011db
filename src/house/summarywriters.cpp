#include "house/summarywriters.h"

#include <algorithm>

#include "model/hexescape.h"
#include "model/utf8.h"

namespace kovrin {
namespace {

// Right-aligned in `width`. A text that fills the width or more is kept
// whole after one blank, so that it never runs into the column before it.
void appendRight(std::string& out, std::string_view text, std::size_t width) {
  out.append(text.size() < width ? width - text.size() : 1, ' ');
  out += text;
}

void appendRight(std::string& out, std::int64_t value, std::size_t width) {
  appendRight(out, std::to_string(value), width);
}

constexpr std::size_t kNumberWidth = 11;
constexpr std::size_t kIndexWidth = 5;

// A field of a CSV row: quoted when it holds a comma, a quote or a line end.
std::string csvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string out = "\"";
  for (char ch : text) {
    if (ch == '"') out += '"';
    out += ch;
  }
  out += '"';
  return out;
}

// A JSON string, which is UTF-8: a byte of a file name that starts no UTF-8
// character is written as U+FFFD, the replacement character.
std::string jsonString(std::string_view text) {
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size();) {
    const char ch = text[i];
    const auto byte = static_cast<unsigned char>(ch);
    const std::size_t length = utf8Length(text.substr(i));
    if (ch == '"' || ch == '\\') {
      out += '\\';
      out += ch;
    } else if (byte < 0x20) {
      appendHexEscape(out, byte, "\\u00", HexDigits::Lower);
    } else if (length == 0) {
      out += "\\ufffd";
    } else {
      out += text.substr(i, length);
    }
    i += std::max<std::size_t>(length, 1);
  }
  out += '"';
  return out;
}

std::string jsonParts(const std::array<std::int32_t, kLoadComponents>& parts) {
  std::string out = "{";
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i != 0) out += ',';
    out += '"';
    out += kComponentNames[i];
    out += "\":";
    out += std::to_string(parts[i]);
  }
  out += '}';
  return out;
}

// The floor area and the two loads per ft², as CSV fields (no value is an
// empty field) or as JSON members (null).
std::string floorAreaFields(const Figure& area, const Figure& heating, const Figure& cooling) {
  return figureText(area, kFloorAreaDecimals, "") + ',' + figureText(heating, kPerFloorAreaDecimals, "") + ',' +
         figureText(cooling, kPerFloorAreaDecimals, "");
}

std::string floorAreaMembers(const Figure& area, const Figure& heating, const Figure& cooling) {
  return ",\"floorArea\":" + figureText(area, kFloorAreaDecimals, "null") +
         ",\"heatingPerFloorArea\":" + figureText(heating, kPerFloorAreaDecimals, "null") +
         ",\"coolingPerFloorArea\":" + figureText(cooling, kPerFloorAreaDecimals, "null");
}

}  // namespace

std::string summaryText(const HouseSummary& summary, std::string_view project, bool breakdown) {
  std::string out;
  out.reserve(8192);
  out += "Project: ";
  out += project;
  out += "\n\n Zone Page    Heating    Cooling   Heat air   Cool air";
  out += summary.named ? "  Name\n" : "\n";
  for (const ZoneSummary& zone : summary.zones) {
    if (!zone.listed()) continue;
    appendRight(out, zone.zone, kIndexWidth);
    appendRight(out, zone.page, kIndexWidth);
    appendRight(out, zone.heating, kNumberWidth);
    appendRight(out, zone.cooling, kNumberWidth);
    appendRight(out, zone.heatingAirShare, kNumberWidth);
    appendRight(out, zone.coolingAirShare, kNumberWidth);
    if (!zone.name.empty()) out += "  " + zone.name;
    out += '\n';
  }
  if (breakdown) {
    out += "\n Zone Load         Doors      Floor       Roof      Walls      Glass\n";
    for (const ZoneSummary& zone : summary.zones) {
      if (!zone.listed()) continue;
      for (bool heating : {true, false}) {
        appendRight(out, zone.zone, kIndexWidth);
        out += heating ? " heating" : " cooling";
        for (std::int32_t part : heating ? zone.heatingParts : zone.coolingParts) {
          appendRight(out, part, kNumberWidth);
        }
        out += '\n';
      }
    }
  }
  out += "\n Page         Heating    Cooling    Airflow\n";
  for (const PageSummary& page : summary.pages) {
    appendRight(out, page.page, kIndexWidth);
    appendRight(out, page.heating, kNumberWidth + kIndexWidth);
    appendRight(out, page.cooling, kNumberWidth);
    appendRight(out, page.airTotal, kNumberWidth);
    out += '\n';
  }
  out += "\n House        Heating    Cooling       Tons\n";
  out.append(kIndexWidth, ' ');
  appendRight(out, summary.heating, kNumberWidth + kIndexWidth);
  appendRight(out, summary.cooling, kNumberWidth);
  appendRight(out, tonsText(summary.cooling), kNumberWidth);
  out += '\n';
  return out;
}

std::string summaryCsvHeader(bool breakdown) {
  std::string out = "project,kind,zone,page,heating,cooling,heating_air,cooling_air,cooling_tons";
  if (breakdown) {
    for (std::string_view load : {"heating", "cooling"}) {
      for (std::string_view name : kComponentNames) {
        out += ',';
        out += load;
        out += '_';
        out += name;
      }
    }
  }
  out += ",floor_area,heating_per_ft2,cooling_per_ft2,ft2_per_ton,name\n";
  return out;
}

std::string summaryCsv(const HouseSummary& summary, std::string_view project, bool breakdown) {
  const std::string name = csvField(project);
  const std::string noParts = breakdown ? std::string(2 * kLoadComponents, ',') : std::string();
  std::string out;
  out.reserve(8192);
  for (const ZoneSummary& zone : summary.zones) {
    if (!zone.listed()) continue;
    out += name + ",zone," + std::to_string(zone.zone) + ',' + std::to_string(zone.page) + ',' +
           std::to_string(zone.heating) + ',' + std::to_string(zone.cooling) + ',' +
           std::to_string(zone.heatingAirShare) + ',' + std::to_string(zone.coolingAirShare) + ',';
    if (breakdown) {
      for (const auto* parts : {&zone.heatingParts, &zone.coolingParts}) {
        for (std::int32_t part : *parts) out += ',' + std::to_string(part);
      }
    }
    out += ',' + floorAreaFields(zone.floorArea, zone.heatingPerFloorArea, zone.coolingPerFloorArea) + ",," +
           csvField(zone.name) + '\n';
  }
  for (const PageSummary& page : summary.pages) {
    const std::string air = std::to_string(page.airTotal);
    out += name + ",page,," + std::to_string(page.page) + ',' + std::to_string(page.heating) + ',' +
           std::to_string(page.cooling) + ',' + air + ',' + air + ',' + noParts + ",,,,,\n";
  }
  out += name + ",house,,," + std::to_string(summary.heating) + ',' + std::to_string(summary.cooling) + ",,," +
         tonsText(summary.cooling) + noParts + ',' +
         floorAreaFields(summary.floorArea, summary.heatingPerFloorArea, summary.coolingPerFloorArea) + ',' +
         figureText(summary.floorAreaPerTon, kFloorAreaPerTonDecimals, "") + ",\n";
  return out;
}

std::string summaryJson(const HouseSummary& summary, std::string_view project, bool breakdown) {
  std::string out;
  out.reserve(8192);
  out += "{\"project\":" + jsonString(project) + ",\"details\":{";
  for (const JobDetailField& field : kJobDetailFields) {
    if (field.member != kJobDetailFields.front().member) out += ',';
    out += '"' + std::string(field.jsonKey) + "\":" + jsonString(summary.job.*field.member);
  }
  out += "},\"zones\":[";
  bool first = true;
  for (const ZoneSummary& zone : summary.zones) {
    if (!zone.listed()) continue;
    if (!first) out += ',';
    first = false;
    out += "{\"zone\":" + std::to_string(zone.zone) + ",\"page\":" + std::to_string(zone.page) +
           ",\"column\":" + std::to_string(zone.column) + ",\"heating\":" + std::to_string(zone.heating) +
           ",\"cooling\":" + std::to_string(zone.cooling) +
           ",\"heatingAirShare\":" + std::to_string(zone.heatingAirShare) +
           ",\"coolingAirShare\":" + std::to_string(zone.coolingAirShare) +
           floorAreaMembers(zone.floorArea, zone.heatingPerFloorArea, zone.coolingPerFloorArea) +
           ",\"name\":" + jsonString(zone.name);
    if (breakdown) {
      out += ",\"heatingParts\":" + jsonParts(zone.heatingParts) +
             ",\"coolingParts\":" + jsonParts(zone.coolingParts);
    }
    out += '}';
  }
  out += "],\"pages\":[";
  for (const PageSummary& page : summary.pages) {
    if (page.page != 1) out += ',';
    out += "{\"page\":" + std::to_string(page.page) + ",\"heating\":" + std::to_string(page.heating) +
           ",\"cooling\":" + std::to_string(page.cooling) + ",\"airTotal\":" + std::to_string(page.airTotal) +
           '}';
  }
  out += "],\"house\":{\"heating\":" + std::to_string(summary.heating) +
         ",\"cooling\":" + std::to_string(summary.cooling) + ",\"coolingTons\":" + tonsText(summary.cooling) +
         floorAreaMembers(summary.floorArea, summary.heatingPerFloorArea, summary.coolingPerFloorArea) +
         ",\"floorAreaPerTon\":" + figureText(summary.floorAreaPerTon, kFloorAreaPerTonDecimals, "null") + "}}\n";
  return out;
}

}  // namespace kovrin
