#include "gui/housereportpdf.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <fstream>
#include <set>
#include <vector>

#include "house/housedesign.h"
#include "house/housesummary.h"
#include "toolkit/qt/textconversion.h"
#include "childprocess.h"
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
  const FileResult result = exportHouseReportPdf(report, houseFigures(report.tables), path);
  ASSERT_TRUE(result.ok) << result.message;

  QFile pdf(path);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.readAll().contains("/MediaBox [0 0 612.000000 792.000000]"));  // US Letter
  const QString text = pdfText(path);
  const HouseSummary summary = summarizeHouse(report.tables);
  const DesignLoad load = designHouse(report.tables).load;
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
  // The house totals are the design load.
  for (const QString& total : {grouped(load.heating) + " Btu/h", grouped(load.coolingTotal) + " Btu/h",
                               QString::fromStdString(figureText(load.coolingTons, kTonsDecimals)) + " tons",
                               QStringLiteral("smith_house.prj, March 1, 2025"), QStringLiteral("Page 15 of 15")}) {
    EXPECT_TRUE(text.contains(total)) << total.toStdString();
  }
}

// The design load of design.prj and the turns of west.prj by the figures
// of kovrin-report's design summary golden
// (tests/data/cli/design_summary.expected), design.prj on its conditioned
// floor of 2,400 ft² (23,543 / 2,400 = 9.8 Btu/h per ft², 2,400 x 12,000 /
// 14,697 = 1,960 ft² per ton).
TEST_F(HouseReportPdf, HoldsTheDesignLoadTheTurnsAndTheSizes) {
  const struct {
    const char* project;
    std::vector<const char*> shown;
  } cases[] = {
      {"house/design.prj",
       {"Design heating load 23,543 Btu/h", "Design cooling load 14,697 Btu/h", "1.22 tons",
        "Heating per ft² of floor 9.8 Btu/h", "Floor area per ton of cooling 1,960 ft²",
        "Design load 23,543 11,008 3,689", "Sensible heat ratio 0.75", "Ventilation heat recovery, latent 50 %",
        "as drawn N 3,000 14,697 worst, sized for", "Cooling: 13,227 to 16,902 Btu/h (1.10 to 1.41 tons)",
        "No nominal size fits: 1.5 tons is 122 % of the load", "17 Bedrooms 2 800 2,250 2.8 100 538 1,875 2.3 100 535"}},
      {"house/west.prj",
       {"as drawn N 12,610 19,152 worst, sized for", "Spread: 11,824 Btu/h",
        "19,152 Btu/h for the house as drawn, its worst orientation"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.project);
    const QString path = toQString((m_dir / "report.pdf").string());
    const HouseReport report{testing::loadTestProject(c.project), "design.prj", "March 1, 2025"};
    ASSERT_TRUE(exportHouseReportPdf(report, houseFigures(report.tables), path).ok);
    // One blank between words and ligatures ("ﬂ") as letters, as a reader
    // of the page sees them.
    const auto plain = [](const QString& text) { return text.simplified().normalized(QString::NormalizationForm_KC); };
    const QString text = plain(pdfText(path));
    for (const char* shown : c.shown) EXPECT_TRUE(text.contains(plain(QString::fromUtf8(shown)))) << shown;
  }
}

// A house as a contractor names its rooms: words and numbers with their
// units are never broken, and each heading is drawn once, on the page of
// the table or figure it heads, however long the note above them.
TEST_F(HouseReportPdf, BreaksNoShortWordAndKeepsHeadingsWithWhatTheyHead) {
  const struct {
    const char* heading;
    const char* first;  // the first line of what it heads
  } headings[] = {
      {"Design load", "Windows +37,015"},
      {"Air and people, system airflow", "Conditioned floor area +2400"},
      {"Orientation and equipment", "as drawn +N "},
      {"Sizes that fit", "Cooling: 93,274"},
      {"Zones", "1 +Kitchen/"},
  };
  for (const int noteLines : {0, 6, 12}) {
    SCOPED_TRACE(noteLines);
    HouseReport report{testing::loadTestProject("house/rooms.prj"), "rooms.prj", "March 1, 2025"};
    for (int line = 1; line <= noteLines; ++line) report.tables.Job.Note += "A line of the note.\n";
    const QString path = toQString((m_dir / "rooms.pdf").string());
    ASSERT_TRUE(exportHouseReportPdf(report, houseFigures(report.tables), path).ok);
    // Ligatures ("ﬂ") as letters, as a reader of the page sees them.
    const QStringList pages = pdfText(path).normalized(QString::NormalizationForm_KC).split(QLatin1Char('\f'));
    const QString text = pages.join(QLatin1Char('\n'));
    // A name may break after its slash, as at a blank, never inside a word.
    for (const char* shown : {"Zone +Name +Page +ft2", "Kitchen/", "Breakfast", "Mudroom/", "Powder", "2400 ft2",
                              "not entered"}) {
      EXPECT_TRUE(QRegularExpression(shown).match(text).hasMatch()) << shown << " is broken:\n" << text.toStdString();
    }
    for (const auto& h : headings) {
      const QRegularExpression line(QStringLiteral("^ *%1 *$").arg(QRegularExpression::escape(h.heading)),
                                    QRegularExpression::MultilineOption);
      qsizetype drawn = 0;
      for (const QString& page : pages) {
        if (!line.match(page).hasMatch()) continue;
        ++drawn;
        EXPECT_TRUE(QRegularExpression(h.first).match(page).hasMatch()) << h.heading << " is apart:\n"
                                                                         << page.toStdString();
      }
      EXPECT_EQ(drawn, 1) << h.heading;
    }
  }
}

// No line is drawn, even clipped away, on a page it does not stand on: the
// second page's title, a note's line Qt carried to the next page (a sliver).
TEST_F(HouseReportPdf, EachLineIsOnOnePage) {
  HouseReport report{testing::loadTestProject("reference/vatilo.prj"), "vatilo.prj", "March 1, 2025"};
  report.tables.House.SizeFor = SizingOrientation::Worst;
  report.tables.House[HouseValue::SystemAirflow] = 1100;
  report.tables.Equipment.System = SystemType::HeatPump;
  const QString path = toQString((m_dir / "vatilo.pdf").string());
  ASSERT_TRUE(exportHouseReportPdf(report, houseFigures(report.tables), path).ok);
  const QStringList pages = pdfText(path).split(QLatin1Char('\f'));
  for (const char* line : {"Cooling Loads", "The outdoor air that leaks in"}) {
    EXPECT_EQ(pages.filter(QString::fromUtf8(line)).size(), 1) << line;
  }
}

TEST_F(HouseReportPdf, AFileThatCannotBeWrittenIsNamed) {
  for (const auto& file : {m_dir / "no such folder" / "report.pdf", m_dir}) {
    const QString path = toQString(file.string());
    const FileResult result = exportHouseReportPdf({}, houseFigures(ProjectTables{}), path);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find(path.toStdString()), std::string::npos) << result.message;
  }
}

// A write cut short (a file-size limit, a full disk) keeps the earlier
// report whole and leaves nothing beside it; a pipe is refused, never
// waited on (the alarm would end the child).
TEST_F(HouseReportPdf, AFailedExportKeepsTheEarlierReport) {
  const HouseReport report{testing::loadSample("house.prj"), "house.prj", "March 1, 2025"};
  std::ofstream(m_dir / "house.pdf") << "%PDF the earlier report";
  ASSERT_EQ(::mkfifo((m_dir / "pipe.pdf").c_str(), 0600), 0);
  for (const auto& [file, said] :
       {std::pair{"house.pdf", ": not written: cannot write the file (File too large)"},
        std::pair{"pipe.pdf", ": not written: it is not a plain file (it is a pipe or a device)"}}) {
    SCOPED_TRACE(file);
    EXPECT_TRUE(test::underFileSizeLimit(4096, [&] {
      ::alarm(60);
      const FileResult result = exportHouseReportPdf(report, houseFigures(report.tables), toQString((m_dir / file).string()));
      return result.message.ends_with(file + std::string(said));
    }));
    EXPECT_TRUE(testing::readBytes(m_dir / "house.pdf") == "%PDF the earlier report");
    EXPECT_EQ(names(), (std::set<std::string>{"house.pdf", "pipe.pdf"}));
  }
}

}  // namespace
}  // namespace kovrin
