#include "gui/housereportpdf.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgRenderer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>
#include <string_view>

#include "equipment/housefigures.h"
#include "fileio/replacefile.h"
#include "model/programnames.h"
#include "toolkit/qt/textconversion.h"
#include "writers/balancechart.h"
#include "writers/housechart.h"

namespace kovrin {
namespace {

// The report's margins in inches; the footer sits in the bottom margin.
constexpr double kMarginLeft = kReportMargins.left / 10.0;
constexpr double kMarginRight = kReportMargins.right / 10.0;
constexpr double kMarginTop = kReportMargins.top / 10.0;
constexpr double kMarginBottom = kReportMargins.bottom / 10.0;
constexpr double kFooterBaseline = 0.42;  // inches above the paper's bottom edge
// What a page's clip stops short of the next page's first line, in the
// device's units: far below a printed dot, enough that Qt leaves that line
// out of the page rather than draw it clipped away.
constexpr double kLineGap = 0.5;
constexpr double kFooterPointSize = 8;
// The chart image: sharp in print without making the file large.
constexpr double kChartDotsPerInch = 300;
// Qt's rich text sizes an image given in pixels at 96 to the inch.
constexpr double kHtmlPixelsPerInch = 96;

const QString kChartSource = QStringLiteral("kovrin-chart.png");
const QString kBalanceChartSource = QStringLiteral("kovrin-balance-chart.png");

QImage chartImage(const std::string& svg, double widthInches, int chartWidth = kChartWidth,
                  int chartHeight = kChartHeight) {
  const int width = static_cast<int>(std::lround(widthInches * kChartDotsPerInch));
  const int height = width * chartHeight / chartWidth;
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QSvgRenderer renderer(QByteArray(svg.data(), static_cast<qsizetype>(svg.size())));
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  renderer.render(&painter, QRectF(0, 0, width, height));
  return image;
}

// Qt's rich text spends most of the export on the tables' lines when it
// draws them as the report's style asks, collapsed and cell by cell: each
// edge of each cell is weighed against its neighbours' every time it is laid
// out or drawn. The PDF hands Qt the plain table border of its rich text
// instead, half the line's width, which Qt draws around each cell and
// around the table: two halves meet in one line of the report's width
// between cells, and the table's edge is one line too, where it was. The
// tables whose cells draw no line (the facts) get none.
constexpr std::string_view kCollapsed = "border-collapse: collapse; ";
constexpr std::string_view kCellRule = "th, td {";
constexpr std::string_view kCellLine = "border: 1px solid ";  // then the colour
constexpr std::string_view kHalfLine = " border=\"0.5\"";
constexpr std::string_view kUnlinedClass = "facts";

// Whether the start tag `tag` has `name` among its classes.
bool hasClass(std::string_view tag, std::string_view name) {
  constexpr std::string_view kClass = "class=\"";
  const std::size_t start = tag.find(kClass);
  if (start == std::string_view::npos) return false;
  const std::string_view classes =
      tag.substr(start + kClass.size(), tag.find('"', start + kClass.size()) - start - kClass.size());
  for (std::size_t at = 0; at <= classes.size();) {
    const std::size_t end = std::min(classes.find(' ', at), classes.size());
    if (classes.substr(at, end - at) == name) return true;
    at = end + 1;
  }
  return false;
}

// The report's HTML with the tables' lines as Qt draws them quickly; as it
// is where its style does not read as expected, lines collapsed.
std::string withPlainTableBorders(std::string_view html) {
  const std::string_view style = html.substr(0, html.find("</style>"));
  const std::size_t collapsed = style.find(kCollapsed);
  const std::size_t cells = style.find(kCellRule);
  const std::size_t line = cells == std::string_view::npos ? cells : style.find(kCellLine, cells);
  const std::size_t lineEnd = line == std::string_view::npos ? line : style.find(';', line);
  if (collapsed == std::string_view::npos || lineEnd == std::string_view::npos || collapsed > line) {
    return std::string(html);
  }
  const std::string_view colour = style.substr(line + kCellLine.size(), lineEnd - line - kCellLine.size());
  const std::size_t head = html.find("</head>");
  if (head == std::string_view::npos) return std::string(html);

  std::string out;
  out.reserve(html.size() + 2048);
  out.append(html, 0, collapsed);
  out.append(html, collapsed + kCollapsed.size(), line - collapsed - kCollapsed.size());
  out.append(html, lineEnd + 1, head - lineEnd - 1);
  // Qt's rich text draws a table border outset unless told.
  out += "<style>\ntable { border-style: solid; border-color: ";
  out += colour;
  out += "; }\n</style>\n";
  std::size_t at = head;
  for (std::size_t table = html.find("<table", at); table != std::string_view::npos; table = html.find("<table", at)) {
    const std::size_t end = html.find('>', table);
    if (end == std::string_view::npos) break;
    out.append(html, at, end - at);
    if (!hasClass(html.substr(table, end - table), kUnlinedClass)) out += kHalfLine;
    at = end;
  }
  out.append(html, at);
  return out;
}

// Whether `block` holds a picture (the chart).
bool holdsImage(const QTextBlock& block) {
  for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
    if (it.fragment().charFormat().isImageFormat()) return true;
  }
  return false;
}

// Qt's rich text breaks a page wherever the page ends: a heading may end one
// page and its table begin the next, a short table run across two. A
// heading and the table or figure it heads (with any lines between) that
// would cross a page's foot start the next page instead, when they fit on
// one; a longer table still runs on, its header repeated. Headings are
// taken in order, each against the layout that the breaks before it made.
//
// The document is laid out once. Qt lays a document out lazily, only as far
// as it is asked about, so each heading is measured by blocks alone: a
// table's extent by its last cell's text, which stands on the page of the
// table's last row since a row is never split. (Asking for a table's frame
// would lay out the whole document, and each break then the rest again.)
// After a break, everything from its heading on is marked for layout again
// (and laid out as far as it is asked about): Qt's own update would only
// move, never lay out, the blocks beyond what was laid out so far that it
// reaches, and they would be drawn empty.
void keepHeadingsWithWhatTheyHead(QTextDocument& document, double pageHeight) {
  QAbstractTextDocumentLayout* layout = document.documentLayout();
  for (QTextFrame::iterator it = document.rootFrame()->begin(); !it.atEnd(); ++it) {
    const QTextBlock heading = it.currentBlock();
    if (!heading.isValid() || heading.blockFormat().headingLevel() == 0) continue;
    double bottom = layout->blockBoundingRect(heading).bottom();
    QTextFrame::iterator next = it;
    for (++next; !next.atEnd(); ++next) {
      if (QTextFrame* table = next.currentFrame()) {
        bottom = layout->blockBoundingRect(table->lastCursorPosition().block()).bottom();
        break;
      }
      const QTextBlock block = next.currentBlock();
      if (block.blockFormat().headingLevel() != 0) break;
      bottom = layout->blockBoundingRect(block).bottom();
      if (holdsImage(block)) break;
    }
    const double top = layout->blockBoundingRect(heading).top();
    const bool crosses = std::floor(top / pageHeight) != std::floor(bottom / pageHeight);
    if (crosses && bottom - top <= pageHeight) {
      QTextBlockFormat breakBefore;
      breakBefore.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
      QTextCursor(heading).mergeBlockFormat(breakBefore);
      document.markContentsDirty(heading.position(), document.characterCount() - heading.position());
    }
  }
}

// Lays the report out in `document` for pages of `body`'s size on `device`,
// its charts drawn as images of the body's width.
void layOutReport(const HouseReport& report, const HouseFigures& figures, QPagedPaintDevice& device,
                  const QRectF& body, QTextDocument& document) {
  const double bodyInches = body.width() / device.logicalDpiY();
  ChartPlacement placement;
  placement.imageSource = kChartSource.toStdString();
  placement.width = static_cast<int>(std::lround(bodyInches * kHtmlPixelsPerInch));
  placement.height = placement.width * kChartHeight / kChartWidth;

  document.documentLayout()->setPaintDevice(&device);
  document.setDocumentMargin(0);
  document.setPageSize(body.size());
  document.addResource(QTextDocument::ImageResource, QUrl(kChartSource),
                       chartImage(houseChartSvg(figures.summary), bodyInches));
  // A heat pump's balance-point chart, three quarters of the width.
  const EquipmentFigures& equipment = figures.equipment;
  if (equipment.heatPump && equipment.heatPump->line) {
    const double balanceInches = bodyInches * 3 / 4;
    placement.balanceImageSource = kBalanceChartSource.toStdString();
    placement.balanceWidth = static_cast<int>(std::lround(balanceInches * kHtmlPixelsPerInch));
    placement.balanceHeight = placement.balanceWidth * kBalanceChartHeight / kBalanceChartWidth;
    document.addResource(QTextDocument::ImageResource, QUrl(kBalanceChartSource),
                         chartImage(balanceChartSvg(*equipment.heatPump), balanceInches, kBalanceChartWidth,
                                    kBalanceChartHeight));
  }
  document.setHtml(toQString(withPlainTableBorders(houseReportHtml(report, figures, placement))));
  keepHeadingsWithWhatTheyHead(document, body.height());
}

// Where each page of `height` ends in the laid-out `document`: at the page's
// foot, or above it at the top of a line that runs across it. Qt may leave
// a line that it carried to the next page a little above that page's top;
// cut there, the line is drawn on the next page alone, where most of it
// stands, rather than as a sliver at this page's foot too, and no text of a
// line is in two pages for a reader to find or copy.
std::vector<double> pageEnds(const QTextDocument& document, double height, int pages) {
  std::vector<double> ends;
  for (int page = 1; page <= pages; ++page) ends.push_back(page * height);
  QAbstractTextDocumentLayout* layout = document.documentLayout();
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    const QTextLayout* lines = block.layout();
    if (lines == nullptr) continue;
    const double top = layout->blockBoundingRect(block).top();
    for (int i = 0; i < lines->lineCount(); ++i) {
      const QTextLine line = lines->lineAt(i);
      const double lineTop = top + line.y();
      const auto page = static_cast<std::size_t>(std::max(0.0, std::floor(lineTop / height)));
      if (page < ends.size() && lineTop + line.height() > ends[page] && lineTop < ends[page]) {
        ends[page] = std::min(ends[page], lineTop);
      }
    }
  }
  return ends;
}

// Lays the report out on `device`, set to US Letter without margins, and
// paints every page; the number of pages, or 0 when painting could not
// start or finish.
int paintHouseReport(const HouseReport& report, const HouseFigures& figures, QPagedPaintDevice& device) {
  device.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                   QPageLayout::Inch));
  const double dpi = device.logicalDpiY();
  const QRectF body(kMarginLeft * dpi, kMarginTop * dpi, device.width() - (kMarginLeft + kMarginRight) * dpi,
                    device.height() - (kMarginTop + kMarginBottom) * dpi);
  QTextDocument document;
  layOutReport(report, figures, device, body, document);
  const int pages = document.pageCount();
  const std::vector<double> ends = pageEnds(document, body.height(), pages);

  QPainter painter;
  if (!painter.begin(&device)) return 0;
  // The chart keeps its sharp lines and text: a PDF would store it as JPEG.
  painter.setRenderHint(QPainter::LosslessImageRendering);
  QFont footerFont(QStringLiteral("DejaVu Sans"));
  footerFont.setPointSizeF(kFooterPointSize);
  const QString footer = toQString(report.projectFile) + (report.date.empty() ? QString() : QStringLiteral(", ")) +
                         toQString(report.date);
  for (int page = 0; page < pages; ++page) {
    if (page > 0 && !device.newPage()) return 0;
    painter.save();
    painter.translate(body.left(), body.top() - page * body.height());
    // From where the page before ended to just above where this one does,
    // so that a line starting there is left to the next page.
    const double start = page == 0 ? 0.0 : ends[static_cast<std::size_t>(page - 1)];
    const double end = ends[static_cast<std::size_t>(page)];
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(0, start, body.width(), end - start - kLineGap);
    painter.setClipRect(context.clip);
    document.documentLayout()->draw(&painter, context);
    painter.restore();

    painter.setFont(footerFont);
    painter.setPen(QColor(0x55, 0x55, 0x55));
    const double baseline = device.height() - kFooterBaseline * dpi;
    const QString number = QStringLiteral("Page %1 of %2").arg(page + 1).arg(pages);
    const QFontMetricsF metrics(footerFont, &device);
    const double numberWidth = metrics.horizontalAdvance(number);
    painter.drawText(QPointF(body.right() - numberWidth, baseline), number);
    painter.drawText(QPointF(body.left(), baseline),
                     metrics.elidedText(footer, Qt::ElideMiddle, body.width() - numberWidth - dpi / 4));
  }
  return painter.end() ? pages : 0;
}

}  // namespace

FileResult exportHouseReportPdf(const HouseReport& report, const HouseFigures& figures, const QString& path) {
  // The whole document is made in memory first: QPdfWriter does not say
  // when a write fell short, the file layer does.
  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  int pages = 0;
  {
    QPdfWriter writer(&pdf);
    writer.setResolution(1200);
    writer.setTitle(QStringLiteral("Heating and cooling loads: ") + toQString(report.projectFile));
    writer.setCreator(toQString(kProgramTitle));
    pages = paintHouseReport(report, figures, writer);
  }
  const std::string file = QFile::encodeName(path).toStdString();
  if (pages == 0) return FileResult::failure(file + ": not written: the pages could not be drawn");
  const QByteArray& bytes = pdf.data();
  return replaceFile(file, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                     ReplaceRules{.failure = "not written"});
}

}  // namespace kovrin
