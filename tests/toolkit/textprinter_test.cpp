#include "toolkit/qt/textprinter.h"

#include <gtest/gtest.h>

#include <QPrinter>

#include <algorithm>

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
    EXPECT_GE(layout.font.pointSizeF(), 8.0);
    EXPECT_LE(layout.widestLine, layout.pageWidth);
    // Only the file name's line wraps, and nothing is lost but blanks.
    EXPECT_EQ(layout.lines.size(), report.size() + 1);
    EXPECT_EQ(layout.lines.join(QString()).remove(QLatin1Char(' ')), report.join(QString()).remove(QLatin1Char(' ')));
  }
}

TEST(TextPrinter, TheLongestLineFitsThePageWidth) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setPageSize(QPageSize(QPageSize::A4));
  struct Case {
    const char* name;
    QPageLayout::Orientation orientation;
    int longest;
  };
  const Case cases[] = {
      {"report line, landscape", QPageLayout::Landscape, 240},
      {"report line, portrait", QPageLayout::Portrait, 240},
      {"short lines keep the full size", QPageLayout::Portrait, 40},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    printer.setPageOrientation(c.orientation);
    const QStringList lines{QString(c.longest, QLatin1Char('8')), QStringLiteral("x")};
    const TextPrintLayout layout = layoutTextForPrinter(printer, lines);
    EXPECT_LE(layout.widestLine, layout.pageWidth);
    EXPECT_GT(layout.widestLine, 0.9 * layout.pageWidth * std::min(1.0, c.longest / 100.0) * 0.5);
    if (c.longest == 40) {
      EXPECT_EQ(layout.font.pointSizeF(), 10.0);
    }
    EXPECT_EQ(layout.pages, 1);
  }
}

// A text that a smaller size puts on fewer pages is set at the largest such
// size, whatever the line spacing of the face Qt resolves; a text that no
// size down to 8 points shortens keeps the largest size.
TEST(TextPrinter, TheLinesFitThePageHeight) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setPageSize(QPageSize(QPageSize::Letter));
  const int atLargest = layoutTextForPrinter(printer, {QStringLiteral("x")}).linesPerPage;
  const struct {
    int lines;
    int pages;
    bool smaller;
  } cases[] = {{atLargest + 3, 1, true}, {atLargest * 2, 2, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lines);
    const TextPrintLayout layout = layoutTextForPrinter(printer, QStringList(c.lines, QStringLiteral("x")));
    EXPECT_EQ(layout.orientation, QPageLayout::Portrait);
    EXPECT_EQ(layout.pages, c.pages);
    EXPECT_EQ(layout.font.pointSizeF() < 10.0, c.smaller);
    EXPECT_GE(layout.font.pointSizeF(), 8.0);
    EXPECT_LE(layout.lines.size(), c.pages * layout.linesPerPage);
  }
}

TEST(TextPrinter, LinesOfATextFile) {
  struct Case {
    const char* name;
    QByteArray bytes;
    QStringList lines;
  };
  const Case cases[] = {
      {"CR LF", "a\r\nb\r\n", {"a", "b"}},
      {"no final line feed", "a\nb", {"a", "b"}},
      {"empty lines kept", "a\r\n\r\nb\r\n", {"a", "", "b"}},
      {"tabs to every eighth column", "ab\tc\t\td\n", {"ab      c               d"}},
      {"empty file", "", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(textLines(c.bytes), c.lines);
  }
}

}  // namespace
}  // namespace kovrin
