// The house report: one HTML document with the whole house, for a client or
// a permit office. It holds the title, the project file and the date; the
// house totals with tons, floor area, loads per ft² and ft² per ton; the
// bar chart; a table of every zone with input, page totals and house
// totals; the design criteria with units; and, for each page with input,
// the zones' U-values and areas and their heating and cooling loads part by
// part (doors, floor, roof, walls, glass), per ft² and airflow shares.
//
// The document is UTF-8 and self-contained (inline CSS, the chart inline as
// SVG). It is written for print: US Letter, margins, page numbers in the
// page margins where the renderer supports them, numbers right-aligned,
// table rows kept whole and a table's header repeated on each page. Every
// text that comes from the user or from a file name is escaped. It uses
// only the HTML and CSS that Qt's rich text understands as well, so the
// window renders the same document to PDF; Qt's rich text draws no SVG, so
// the caller can have the chart as an <img> of a resource instead.
//
// Like the house view, the report is given every figure (houseFigures,
// equipment/housefigures.h) and computes none, so it cannot differ from
// kovrin-report's summary.
#pragma once

#include <string>
#include <string_view>

#include "equipment/housefigures.h"
#include "model/model.h"

namespace kovrin {

// What the report shows: the project with its zones' names and the job's
// details, the name of its file and the date.
struct HouseReport {
  // The whole project as the loads are to be reported: the window passes
  // the page on screen as it stands and the model for the other pages.
  ProjectTables tables;
  std::string projectFile;  // as the user knows it: "smith_house.prj"
  std::string date;         // as it is to print: reportDateText()
};

// Where the chart goes: inline SVG, or an <img> of `imageSource` at
// `width` x `height` in the renderer's pixels (keep kChartWidth x
// kChartHeight's proportions).
struct ChartPlacement {
  std::string imageSource;  // empty: inline SVG
  int width = 0;
  int height = 0;
  // The same for a heat pump's balance-point chart (kBalanceChartWidth x
  // kBalanceChartHeight).
  std::string balanceImageSource;
  int balanceWidth = 0;
  int balanceHeight = 0;
};

// The report of `report.tables`, whose figures are `figures`.
std::string houseReportHtml(const HouseReport& report, const HouseFigures& figures, const ChartPlacement& chart = {});

// The report's paper is US Letter with these margins, in tenths of an inch;
// the page numbers stand in the bottom margin. A browser takes them from the
// document's style, the window's PDF export from here.
struct PageMargins {
  int top;
  int right;
  int bottom;
  int left;
};
inline constexpr PageMargins kReportMargins{5, 6, 7, 6};

// A date as the report prints it: "March 1, 2025". Month 1..12, day 1..31;
// anything else gives "".
std::string reportDateText(int year, int month, int day);

// Today's date in the local time zone, as the report prints it; "" when the
// clock cannot be read.
std::string reportDateToday();

// Where the report of a project is suggested: beside the project, named
// after it, with `extension` ("pdf", "html"): "/jobs/smith_house.prj" gives
// "/jobs/smith_house.pdf", "smith" gives "smith.pdf".
std::string reportPathFor(std::string_view projectPath, std::string_view extension);

// Text made safe for HTML: & < > " ' become character references, and
// bytes that are not UTF-8 become U+FFFD, so a file name of any bytes
// leaves the document valid.
std::string htmlEscaped(std::string_view text);

// A name or a detail in a table cell, escaped as htmlEscaped does: a line
// may break after a slash between two words ("Kitchen/Breakfast" breaks
// there as at a blank), and a word of more than 20 characters is marked
// as one that may break anywhere, at the margin; shorter words never break.
std::string htmlCellText(std::string_view text);

}  // namespace kovrin
