#include "gui/housereportpdf.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include "house/housesummary.h"
#include "toolkit/qt/textconversion.h"
#include "sampleprojects.h"
#include "scratchfolder.h"

namespace kovrin {
namespace {

QString grouped(std::int64_t value) { return QString::fromStdString(figureText(value, 0, Grouping::Thousands)); }

// The text of a PDF as pdftotext lays it out, rows of a table on a line.
QString pdfText(const QString& path) {
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
  EXPECT_TRUE(pdftotext.waitForFinished(30000)) << "pdftotext (poppler-utils) did not run";
  return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

using HouseReportPdf = test::ScratchFolder;

TEST_F(HouseReportPdf, HoldsEveryZoneAndTheHouseTotalsOnLetterPages) {
  const HouseReport report{testing::loadSample("house.prj"), "smith_house.prj", "March 1, 2025"};
  const QString path = toQString((m_dir / "smith_house.pdf").string());
  const FileResult result = exportHouseReportPdf(report, path);
  ASSERT_TRUE(result.ok) << result.message;

  QFile pdf(path);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.readAll().contains("/MediaBox [0 0 612.000000 792.000000]"));  // US Letter
  const QString text = pdfText(path);
  const HouseSummary summary = summarizeHouse(report.tables);
  for (const ZoneSummary& zone : summary.zones) {
    // The zone's row of the table of zones: zone, page, floor area, heating
    // and, further on, cooling.
    const QRegularExpression row(QStringLiteral("^\\s*%1\\s+%2\\s+\\S+\\s+%3\\s.*\\s%4\\s")
                                     .arg(zone.zone)
                                     .arg(zone.page)
                                     .arg(grouped(zone.heating), grouped(zone.cooling)),
                                 QRegularExpression::MultilineOption);
    EXPECT_TRUE(row.match(text).hasMatch()) << "zone " << zone.zone;
  }
  for (const QString& total : {grouped(summary.heating) + " Btu/h", grouped(summary.cooling) + " Btu/h",
                               QString::fromStdString(tonsText(summary.cooling)) + " tons",
                               QStringLiteral("smith_house.prj, March 1, 2025"), QStringLiteral("Page 7 of 7")}) {
    EXPECT_TRUE(text.contains(total)) << total.toStdString();
  }
}

TEST_F(HouseReportPdf, AFileThatCannotBeWrittenIsNamed) {
  for (const auto& file : {m_dir / "no such folder" / "report.pdf", m_dir}) {
    const QString path = toQString(file.string());
    const FileResult result = exportHouseReportPdf({}, path);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find(path.toStdString()), std::string::npos) << result.message;
  }
}

}  // namespace
}  // namespace kovrin
