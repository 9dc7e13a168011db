// Printing a text file: the load report is a fixed-column text of 59 lines,
// most of them up to about 100 columns wide, and one of 240 (the project's
// file name, blank-padded to 225 characters, then the zone range). It is set
// in a fixed-width font (DejaVu Sans Mono where installed) at a readable
// size, from 10 points down to no less than 8: the largest at which the
// lines fit the page width and, where a smaller size puts the text on fewer
// pages, the largest such size. Every size is measured with the face Qt
// resolves, whatever fonts are installed. A line too long to fit even at 8
// points across the wider side of the paper does not shrink the others: it
// wraps at a blank (the blanks at the break are left out) or, without one,
// at the page width. The orientation is the one that needs fewer pages, then
// the one with the larger font, then the printer's own; so the report
// prints on one upright page with its columns whole.
// The text keeps at least half an inch from the edges of the paper.
// The file itself is never changed. A line starting with a form feed starts
// a new page; pages follow as the lines run out.
#pragma once

#include <QByteArray>
#include <QFont>
#include <QPageLayout>
#include <QPointF>
#include <QString>
#include <QStringList>

class QPrinter;

namespace kovrin {

// The lines of a text file: line feeds end lines, carriage returns are
// dropped, tabs are expanded to every eighth column.
QStringList textLines(const QByteArray& bytes);

struct TextPrintLayout {
  QFont font;             // the fixed-width font at its chosen size
  QPageLayout::Orientation orientation = QPageLayout::Portrait;
  QStringList lines;      // the lines as printed: long ones wrapped
  int linesPerPage = 0;
  int pages = 0;
  double widestLine = 0;  // of the printed lines, in printer pixels
  double pageWidth = 0;   // width for text in that orientation
  QPointF origin;         // where the text starts within the paint rectangle
};

// The layout on the printer's paper and margins; the printer is unchanged.
TextPrintLayout layoutTextForPrinter(QPrinter& printer, const QStringList& lines);

// Print the lines in their layout, turning the printer to its orientation;
// false with a reason a person can read when the printer could not be
// started or finished.
bool printTextLines(QPrinter& printer, const QStringList& lines, QString& error);

}  // namespace kovrin
