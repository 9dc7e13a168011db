#include "toolkit/textprinter.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace kovrin {
namespace {

// The size a short text is printed at; wider texts get a smaller size.
constexpr double kLargestPointSize = 10.0;
constexpr int kTabWidth = 8;
constexpr QChar kFormFeed = QChar(0x0c);

QFont fixedFont(double pointSize) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPointSizeF(pointSize);
  return font;
}

double widestLine(const QFont& font, QPrinter& printer, const QStringList& lines) {
  const QFontMetricsF metrics(font, &printer);
  double widest = 0;
  for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
  return widest;
}

QRectF printableArea(QPrinter& printer) {
  const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
  return {0, 0, static_cast<double>(area.width()), static_cast<double>(area.height())};
}

}  // namespace

QStringList textLines(const QByteArray& bytes) {
  QStringList lines = QString::fromLocal8Bit(bytes).split(QLatin1Char('\n'));
  // A final line feed ends the last line; it does not start another.
  if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
  for (QString& line : lines) {
    line.remove(QLatin1Char('\r'));
    QString expanded;
    for (const QChar c : line) {
      if (c == QLatin1Char('\t')) {
        expanded += QString(kTabWidth - expanded.size() % kTabWidth, QLatin1Char(' '));
      } else {
        expanded += c;
      }
    }
    line = expanded;
  }
  return lines;
}

TextPrintLayout layoutTextForPrinter(QPrinter& printer, const QStringList& lines) {
  TextPrintLayout layout;
  const QRectF area = printableArea(printer);
  layout.pageWidth = area.width();

  double size = kLargestPointSize;
  layout.font = fixedFont(size);
  layout.widestLine = widestLine(layout.font, printer, lines);
  // Text width grows with the size almost in proportion; a few steps down
  // absorb what hinting adds.
  for (int step = 0; step < 40 && layout.widestLine > layout.pageWidth && size > 0.5; ++step) {
    size *= std::min(0.97, layout.pageWidth / layout.widestLine);
    layout.font = fixedFont(size);
    layout.widestLine = widestLine(layout.font, printer, lines);
  }

  const QFontMetricsF metrics(layout.font, &printer);
  layout.linesPerPage = std::max(1, static_cast<int>(std::floor(area.height() / metrics.lineSpacing())));
  int pages = 1;
  int used = 0;
  for (const QString& line : lines) {
    if ((line.startsWith(kFormFeed) && used > 0) || used == layout.linesPerPage) {
      ++pages;
      used = 0;
    }
    ++used;
  }
  layout.pages = pages;
  return layout;
}

bool printTextLines(QPrinter& printer, const QStringList& lines, QString& error) {
  const TextPrintLayout layout = layoutTextForPrinter(printer, lines);
  QPainter painter;
  if (!painter.begin(&printer)) {
    error = printer.outputFileName().isEmpty()
                ? QStringLiteral("The printer could not be started.")
                : QStringLiteral("The file %1 could not be written.").arg(printer.outputFileName());
    return false;
  }
  painter.setFont(layout.font);
  const QFontMetricsF metrics(layout.font, painter.device());
  int used = 0;
  for (QString line : lines) {
    if ((line.startsWith(kFormFeed) && used > 0) || used == layout.linesPerPage) {
      printer.newPage();
      used = 0;
    }
    if (line.startsWith(kFormFeed)) line.remove(0, 1);
    painter.drawText(QPointF(0, used * metrics.lineSpacing() + metrics.ascent()), line);
    ++used;
  }
  if (!painter.end()) {
    error = QStringLiteral("The printout could not be finished.");
    return false;
  }
  return true;
}

}  // namespace kovrin
