// Printing a text file: the report is a wide fixed-column text (its longest
// line has 240 characters), so it is set in a fixed-width font whose size is
// chosen so that the longest line fits the page width; lines never wrap. A
// line starting with a form feed starts a new page; pages follow as the
// lines run out.
#pragma once

#include <QByteArray>
#include <QFont>
#include <QString>
#include <QStringList>

class QPrinter;

namespace kovrin {

// The lines of a text file: line feeds end lines, carriage returns are
// dropped, tabs are expanded to every eighth column.
QStringList textLines(const QByteArray& bytes);

struct TextPrintLayout {
  QFont font;             // the fixed-width font at its chosen size
  int linesPerPage = 0;
  int pages = 0;
  double widestLine = 0;  // in printer pixels, with that font
  double pageWidth = 0;   // printable width in printer pixels
};

TextPrintLayout layoutTextForPrinter(QPrinter& printer, const QStringList& lines);

// Print the lines; false with a reason a person can read when the printer
// could not be started or finished.
bool printTextLines(QPrinter& printer, const QStringList& lines, QString& error);

}  // namespace kovrin
