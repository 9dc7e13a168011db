#include "toolkit/qt/textprinter.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace kovrin {
namespace {

// Readable sizes: short texts print at the largest, wide ones down to the
// smallest; a line wider than that wraps instead.
constexpr double kLargestPointSize = 10.0;
constexpr double kSmallestPointSize = 8.0;
constexpr double kSmallestMarginInches = 0.5;
constexpr int kTabWidth = 8;
constexpr QChar kFormFeed = QChar(0x0c);

// DejaVu Sans Mono, which the package depends on, where it is installed;
// else the system's fixed-width font. Whatever face Qt resolves, the layout
// measures that face: faces differ in width and in line spacing (Noto Sans
// Mono's lines are a sixth taller than DejaVu's).
QFont fixedFont(double pointSize) {
  static const QString family = [] {
    const QString preferred = QStringLiteral("DejaVu Sans Mono");
    return QFontDatabase::hasFamily(preferred) ? preferred
                                               : QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
  }();
  QFont font(family);
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPointSizeF(pointSize);
  return font;
}

// What of a line takes room on paper: not a leading form feed, not the
// blanks at its end.
QString inked(const QString& line) {
  qsizetype end = line.size();
  while (end > 0 && line[end - 1] == QLatin1Char(' ')) --end;
  const qsizetype start = line.startsWith(kFormFeed) ? 1 : 0;
  return line.mid(start, end > start ? end - start : 0);
}

double widestLine(const QFont& font, QPrinter& printer, const QStringList& lines) {
  const QFontMetricsF metrics(font, &printer);
  double widest = 0;
  for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(inked(line)));
  return widest;
}

// Where the text goes, in the coordinates of the printer's paint rectangle:
// within the printer's margins, and at least half an inch from the edges
// of the paper, which the printer's own margins (a seventh of an inch for a
// PDF) do not give.
QRectF printableArea(QPrinter& printer, QPageLayout::Orientation orientation) {
  QPageLayout layout = printer.pageLayout();
  layout.setOrientation(orientation);
  const int resolution = printer.resolution();
  const QRectF paper = layout.fullRectPixels(resolution);
  const QRectF paint = layout.paintRectPixels(resolution);
  const double margin = kSmallestMarginInches * resolution;
  const QRectF text = paint.intersected(paper.adjusted(margin, margin, -margin, -margin));
  return text.translated(-paint.topLeft());
}

// A line in pieces of at most `columns` characters, each broken at the
// last blank that fits; the blanks at a break are left out. A piece without
// a blank after its first character breaks at `columns`.
QStringList wrapped(QString line, int columns) {
  const bool feed = line.startsWith(kFormFeed);
  if (feed) line.remove(0, 1);
  QStringList pieces;
  while (inked(line).size() > columns) {
    qsizetype cut = line.lastIndexOf(QLatin1Char(' '), columns);
    qsizetype end = cut;
    while (end > 0 && line[end - 1] == QLatin1Char(' ')) --end;
    if (end <= 0) cut = end = columns;
    pieces += line.left(end);
    while (cut < line.size() && line[cut] == QLatin1Char(' ')) ++cut;
    line = line.mid(cut);
  }
  pieces += line;
  if (feed) pieces.front().prepend(kFormFeed);
  return pieces;
}

// The lines at `size`: long ones wrapped to the columns that fit, and the
// pages they take.
TextPrintLayout layoutAt(QPrinter& printer, const QStringList& lines, const QRectF& area, double size) {
  TextPrintLayout layout;
  layout.origin = area.topLeft();
  layout.pageWidth = area.width();
  layout.font = fixedFont(size);
  const QFontMetricsF metrics(layout.font, &printer);
  const int columns =
      std::max(1, static_cast<int>(std::floor(area.width() / metrics.horizontalAdvance(QLatin1Char('M')))));
  for (const QString& line : lines) {
    layout.lines += metrics.horizontalAdvance(inked(line)) <= area.width() ? QStringList{line} : wrapped(line, columns);
  }
  layout.widestLine = widestLine(layout.font, printer, layout.lines);
  layout.linesPerPage = std::max(1, static_cast<int>(std::floor(area.height() / metrics.lineSpacing())));
  int pages = 1;
  int used = 0;
  for (const QString& line : layout.lines) {
    if ((line.startsWith(kFormFeed) && used > 0) || used == layout.linesPerPage) {
      ++pages;
      used = 0;
    }
    ++used;
  }
  layout.pages = pages;
  return layout;
}

TextPrintLayout layoutIn(QPrinter& printer, const QStringList& lines, QPageLayout::Orientation orientation) {
  const QRectF area = printableArea(printer, orientation);

  // The lines that fit at the smallest size set the size; text width grows
  // with the size almost in proportion, and a few steps down absorb what
  // hinting adds.
  const QFontMetricsF largestMetrics(fixedFont(kLargestPointSize), &printer);
  QStringList fitting;
  for (const QString& line : lines) {
    if (largestMetrics.horizontalAdvance(inked(line)) * kSmallestPointSize / kLargestPointSize <= area.width()) {
      fitting += line;
    }
  }
  double size = kLargestPointSize;
  double widest = widestLine(fixedFont(size), printer, fitting);
  for (int step = 0; step < 40 && widest > area.width() && size > kSmallestPointSize; ++step) {
    size = std::max(kSmallestPointSize, size * std::min(0.99, area.width() / widest));
    widest = widestLine(fixedFont(size), printer, fitting);
  }

  // Then the height: where a smaller size, down to the smallest, puts the
  // text on fewer pages (a report on one page), the largest such size.
  TextPrintLayout layout = layoutAt(printer, lines, area, size);
  const int fewest = layoutAt(printer, lines, area, kSmallestPointSize).pages;
  for (int step = 0; step < 40 && layout.pages > fewest && size > kSmallestPointSize; ++step) {
    size = std::max(kSmallestPointSize, size * 0.98);
    layout = layoutAt(printer, lines, area, size);
  }
  layout.orientation = orientation;
  return layout;
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
  const QPageLayout::Orientation own = printer.pageLayout().orientation();
  const TextPrintLayout mine = layoutIn(printer, lines, own);
  const TextPrintLayout turned =
      layoutIn(printer, lines, own == QPageLayout::Portrait ? QPageLayout::Landscape : QPageLayout::Portrait);
  // Fewer pages first, then the larger type; the printer's own on a tie.
  if (turned.pages < mine.pages ||
      (turned.pages == mine.pages && turned.font.pointSizeF() > mine.font.pointSizeF())) {
    return turned;
  }
  return mine;
}

bool printTextLines(QPrinter& printer, const QStringList& lines, QString& error) {
  const TextPrintLayout layout = layoutTextForPrinter(printer, lines);
  printer.setPageOrientation(layout.orientation);
  QPainter painter;
  if (!painter.begin(&printer)) {
    error = printer.outputFileName().isEmpty()
                ? QStringLiteral("The printer could not be started.")
                : QStringLiteral("The file %1 could not be written.").arg(printer.outputFileName());
    return false;
  }
  painter.setFont(layout.font);
  painter.translate(layout.origin);
  const QFontMetricsF metrics(layout.font, painter.device());
  int used = 0;
  for (QString line : layout.lines) {
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
