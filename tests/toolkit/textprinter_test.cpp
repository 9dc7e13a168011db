#include "toolkit/textprinter.h"

#include <gtest/gtest.h>

#include <QPrinter>

#include "golden.h"

namespace kovrin {
namespace {

TEST(TextPrinter, ALoadReportPrintsOnOneUprightPageAtAReadableSize) {
  // "out.dat" of page 3, as Print writes it: 59 lines, columns up to 95
  // wide and the file name's line of 240.
  const std::string bytes = testing::readBytes(KOVRIN_TEST_DATA_DIR "/report/page3_heating.expected");
  const QStringList report = textLines(QByteArray::fromStdString(bytes));
  ASSERT_EQ(report.size(), 59);
  struct Case {
    QPageSize::PageSizeId paper;
    QPageLayout::Orientation chosen;
  };
  const Case cases[] = {{QPageSize::Letter, QPageLayout::Landscape},
                        {QPageSize::Letter, QPageLayout::Portrait},
                        {QPageSize::A4, QPageLayout::Landscape}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.paper);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(c.paper));
    printer.setPageOrientation(c.chosen);
    const TextPrintLayout layout = layoutTextForPrinter(printer, report);
    EXPECT_EQ(layout.orientation, QPageLayout::Portrait);
    EXPECT_EQ(layout.pages, 1);
    EXPECT_GE(layout.font.pointSizeF(), 9.0);
    EXPECT_LE(layout.widestLine, layout.pageWidth);
    // Only the file name's line wraps, and nothing is lost but blanks.
    EXPECT_EQ(layout.lines.size(), report.size() + 1);
    EXPECT_EQ(layout.lines.join(QString()).remove(QLatin1Char(' ')), report.join(QString()).remove(QLatin1Char(' ')));
  }
}

}  // namespace
}  // namespace kovrin
