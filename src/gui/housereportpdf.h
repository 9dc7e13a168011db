// The house report as a PDF file, for the window's Export Report command.
//
// The report is the one HTML document of writers/housereport.h, laid out by
// Qt's rich text (QTextDocument) on US Letter pages with the report's
// margins, and the page number ("Page 2 of 7") with the project file and
// the date in the bottom margin of every page. Qt's rich text draws no SVG,
// so the chart is rendered from its SVG text with Qt SVG into an image at
// print resolution, and the document shows that image in its place. The
// tables keep their single lines, drawn as Qt's own table borders, which
// cost it a fraction of the style's borders cell by cell.
//
// The document is made in memory and then written as project files are
// (fileio/replacefile.h): through a temporary file in the same folder that
// replaces the target only when the whole report is written and synced, so
// a failed export (a full disk, a file-size limit) leaves an earlier file of
// that name as it was; a pipe or a device is refused, never waited on. A
// failure comes back as a value that names the file and the reason.
#pragma once

#include <QString>

#include "model/fileresult.h"
#include "writers/housereport.h"

class QPagedPaintDevice;

namespace kovrin {

// The report of `report.tables`, whose figures are `figures`, written to `path`.
FileResult exportHouseReportPdf(const HouseReport& report, const HouseFigures& figures, const QString& path);

}  // namespace kovrin
