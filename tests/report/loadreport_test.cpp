#include "report/loadreport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "childprocess.h"
#include "model/defaults.h"
#include "golden.h"
#include "projectfile/projectfile.h"
#include "scratchfolder.h"

namespace kovrin {
namespace {

namespace fs = std::filesystem;

using testing::readBytes;

// The lines of a report, each without its CR LF.
std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  while (from < text.size()) {
    const std::size_t end = text.find("\r\n", from);
    if (end == std::string::npos) {
      lines.push_back(text.substr(from));
      break;
    }
    lines.push_back(text.substr(from, end - from));
    from = end + 2;
  }
  return lines;
}

void expectGolden(const std::string& actual, const std::string& name) {
  testing::expectGolden(actual, fs::path(KOVRIN_TEST_DATA_DIR) / "report" / name);
}

PaddedPath paddedPath(std::string_view path) {
  PaddedPath padded;
  EXPECT_TRUE(padded.set(path));
  return padded;
}

// The ten zone-column quantities of a page, one row a quantity, one column a
// zone column, in the order of ZoneQuantity.
using ZoneTable = std::array<std::array<float, kZoneColumns>, kZoneQuantities>;

void setZones(ProjectTables& tables, int page, const ZoneTable& values) {
  for (int q = 0; q < kZoneQuantities; ++q) {
    for (int c = 1; c <= kZoneColumns; ++c) {
      tables.zone(page, c, static_cast<ZoneQuantity>(q)) = values[q][c - 1];
    }
  }
}

void setZoneIntegers(ProjectTables& tables, int page, int (*row)(int), const std::array<std::int32_t, kZoneColumns>& values) {
  for (int c = 1; c <= kZoneColumns; ++c) tables.integer(page, row(c)) = values[c - 1];
}

int zoneLoadRow(int c) { return irow::ZoneLoad(c); }
int zoneAirShareRow(int c) { return irow::ZoneAirShare(c); }

// Page 3 filled with every component, the values at the edges of their
// fields, and page 1 holding other values that must not show.
ProjectTables filledPage3() {
  ProjectTables t;
  for (auto& row : t.PageIntegers[0]) row = 7;
  for (auto& row : t.PageReals[0]) row = 7.5f;

  t.ListSelections = {3, 2, 4, 5, 4, 3, 2,
                      // glass directions of columns 1..10: 9 is no direction
                      8, 2, 3, 4, 5, 6, 7, 1, 9, 1};
  const int p = 3;
  t.integer(p, irow::SummerThermostat) = 75;
  t.integer(p, irow::WinterThermostat) = 70;
  t.integer(p, irow::SummerDesignTemp) = 95;
  t.integer(p, irow::WinterDesignTemp) = -5;
  t.integer(p, irow::PartitionDT(7)) = 99;
  t.integer(p, irow::PartitionDT(8)) = 100;
  t.integer(p, irow::PartitionDT(9)) = -9;
  t.integer(p, irow::PartitionDT(10)) = -10;
  setZoneIntegers(t, p, zoneLoadRow, {0, 99999, 100000, -9999, -10000, 1234, 5, -1, 42, 77777});
  t.integer(p, irow::PageLoadTotal) = 100000000;
  setZoneIntegers(t, p, zoneAirShareRow, {12, 0, 100000, -3, 7, 99999, 1, 2, 3, 45});
  t.integer(p, irow::PageAirTotal) = -9999999;
  t.real(p, rrow::SummerDuctMultiplier) = 0.1f;
  t.real(p, rrow::WinterDuctMultiplier) = 0.09f;
  t.real(p, rrow::ReservedSlot) = 123.0f;
  setZones(t, p,
           ZoneTable{{
               // c1     c2       c3       c4       c5       c6     c7      c8     c9     c10
               {0.35f, 9.9996f, -0.35f, -1.0f, 0.0625f, 9.9994f, -0.9994f, 0.0f, 1.5f, 2.25f},  // DoorU
               {120.0f, 9999.4f, 9999.5f, -999.4f, -999.5f, 12.5f, 0.0f, 20.0f, 21.0f, 0.5f},     // DoorArea
               {0.05f, 0.06f, 0.07f, 0.08f, 0.09f, 0.1f, 0.11f, 0.12f, 0.13f, 0.14f},             // FloorU
               {100.0f, 200.0f, 300.0f, 400.0f, 500.0f, 600.0f, 700.0f, 800.0f, 900.0f, 1000.0f}, // FloorArea
               {0.026f, 0.052f, 0.078f, 0.104f, 0.13f, 0.156f, 0.182f, 0.208f, 0.234f, 0.26f},    // RoofU
               {151.0f, 152.0f, 153.0f, 154.0f, 155.0f, 156.0f, 157.0f, 158.0f, 159.0f, 160.0f},  // RoofArea
               {0.08f, 0.09f, 0.1f, 0.11f, 0.12f, 0.13f, 0.14f, 0.15f, 0.16f, 0.17f},             // WallU
               {96.5f, 97.5f, 98.49f, 99.51f, 1234.5f, 80.0f, 81.0f, 82.0f, 83.0f, 84.0f},        // WallArea
               {0.45f, 0.5f, 0.55f, 0.6f, 0.65f, 0.7f, 0.75f, 0.8f, 0.85f, 0.9f},                 // GlassU
               {10.0f, 11.0f, 12.0f, 13.0f, 14.0f, 15.0f, 16.0f, 17.0f, 18.0f, 19.0f},            // GlassArea
           }});
  return t;
}

// The values of the worked examples: design temperatures 93 and 28, duct
// multipliers 0.25 and 0.15, door U-values all 0.35, a door area of 120.
ProjectTables workedExamples() {
  ProjectTables t;
  t.ListSelections = {2, 1, 1, 1, 1, 1, 1, 1, 2, 3, 4, 5, 6, 7, 8, 1, 2};
  const int p = 1;
  t.integer(p, irow::SummerDesignTemp) = 93;
  t.integer(p, irow::WinterDesignTemp) = 28;
  t.integer(p, irow::SummerThermostat) = 78;
  t.integer(p, irow::WinterThermostat) = 70;
  t.real(p, rrow::SummerDuctMultiplier) = 0.25f;
  t.real(p, rrow::WinterDuctMultiplier) = 0.15f;
  for (int c = 1; c <= kZoneColumns; ++c) t.zone(p, c, ZoneQuantity::DoorU) = 0.35f;
  t.zone(p, 1, ZoneQuantity::DoorArea) = 120.0f;
  setZoneIntegers(t, p, zoneLoadRow, {850, 185, 0, 0, 0, 0, 0, 0, 0, 0});
  t.integer(p, irow::PageLoadTotal) = 1035;
  setZoneIntegers(t, p, zoneAirShareRow, {82, 17, 0, 0, 0, 0, 0, 0, 0, 0});
  t.integer(p, irow::PageAirTotal) = 100;
  return t;
}

// The template as Print finds it right after start-up: nothing calculated,
// so the empty result fields read back as -999.
ProjectTables startUpTemplate() {
  ProjectTables t;
  const FileResult read = loadProjectFile((fs::path(KOVRIN_DATA_DIR) / "new.dat").string(), t);
  EXPECT_TRUE(read.ok) << read.message;
  EXPECT_EQ(t, defaultProject()) << "the template file holds the program's defaults";
  setZoneIntegers(t, 1, zoneLoadRow, {-999, -999, -999, -999, -999, -999, -999, -999, -999, -999});
  t.integer(1, irow::PageLoadTotal) = -999;
  setZoneIntegers(t, 1, zoneAirShareRow, {-999, -999, -999, -999, -999, -999, -999, -999, -999, -999});
  t.integer(1, irow::PageAirTotal) = 100;
  return t;
}

TEST(LoadReport, MatchesGoldenFiles) {
  struct Case {
    const char* golden;
    ProjectTables tables;
    std::int32_t page;
    std::int32_t loadChoice;
    std::string_view projectFile;
  };
  const Case cases[] = {
      {"startup.expected", startUpTemplate(), 1, kCooling, "new.dat"},
      {"page3_heating.expected", filledPage3(), 3, kHeating, "/home/anna/projects/Lindqvist house.prj"},
      {"worked_examples.expected", workedExamples(), 1, kCooling, "new.dat"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.golden);
    const std::string text = loadReport(c.tables, c.page, c.loadChoice, paddedPath(c.projectFile));
    expectGolden(text, c.golden);
    // No state carries from one report to the next.
    EXPECT_EQ(text, loadReport(c.tables, c.page, c.loadChoice, paddedPath(c.projectFile)));
  }
}

TEST(LoadReport, OptionalLinesFollowTheirSelections) {
  // The full report of the worked examples has 59 lines; each case removes
  // lines by a value outside its list.
  struct Case {
    const char* name;
    int item;  // ListSelections item to change, 0 for none
    std::int32_t value;
    std::int32_t loadChoice;
    std::size_t lines;
    const char* absent;  // a line that must not be there, or nullptr
  };
  const Case cases[] = {
      {"all present", 0, 0, kCooling, 59, nullptr},
      {"heating", 0, 0, kHeating, 59, "Cooling Loads Only"},
      {"load choice 0", 0, 0, 0, 58, "Loads Only"},
      {"load choice 3", 0, 0, 3, 58, "Loads Only"},
      {"range 0", sel::DailyRange, 0, kCooling, 58, "Range ="},
      {"range 4", sel::DailyRange, 4, kCooling, 58, "Range ="},
      {"walls 3", sel::WallConstruction, 3, kCooling, 58, "Walls/Doors"},
      {"roof 5", sel::RoofConstruction, 5, kCooling, 58, "Ceilings/Roof"},
      {"floor 6", sel::FloorConstruction, 6, kCooling, 58, "Floors -"},
      {"glass -1", sel::GlassType, -1, kCooling, 58, "Windows -"},
      {"interior 4", sel::InteriorShading, 4, kCooling, 58, "Interior Shading"},
      {"exterior 3", sel::ExteriorShading, 3, kCooling, 58, "Exterior Shading"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ProjectTables t = workedExamples();
    if (c.item != 0) t.selection(c.item) = c.value;
    const auto lines = splitLines(loadReport(t, 1, c.loadChoice, paddedPath("new.dat")));
    EXPECT_EQ(lines.size(), c.lines);
    if (c.absent != nullptr) {
      for (const std::string& line : lines) EXPECT_EQ(line.find(c.absent), std::string::npos) << line;
    }
  }
}

TEST(LoadReport, LinesOfSingleValues) {
  struct Case {
    const char* name;
    void (*change)(ProjectTables&);
    std::size_t line;  // 1-based, in the report of the worked examples
    std::string expected;
  };
  const Case cases[] = {
      {"duct multipliers zero",
       [](ProjectTables& t) {
         t.real(1, rrow::SummerDuctMultiplier) = 0.0f;
         t.real(1, rrow::WinterDuctMultiplier) = 0.0f;
       },
       15, " Summer/Winter 0.00000000E+00 / 0.00000000E+00"},
      {"negative design temperatures",
       [](ProjectTables& t) {
         t.integer(1, irow::SummerDesignTemp) = -3;
         t.integer(1, irow::WinterDesignTemp) = 0;
       },
       5, " Summer/Winter -3 / 0"},
      {"page total at the top of its field",
       [](ProjectTables& t) { t.integer(1, irow::PageLoadTotal) = 99999999; }, 55,
       "99999999  850      185"},
      {"page total too wide",
       [](ProjectTables& t) { t.integer(1, irow::PageLoadTotal) = 100000000; }, 55,
       "********"},
      {"page total at the bottom of its field",
       [](ProjectTables& t) { t.integer(1, irow::PageLoadTotal) = -9999999; }, 55, "-9999999"},
      {"page total too negative",
       [](ProjectTables& t) { t.integer(1, irow::PageLoadTotal) = -10000000; }, 55, "********"},
      {"airflow total too wide",
       [](ProjectTables& t) { t.integer(1, irow::PageAirTotal) = 2147483647; }, 57, "********"},
      {"direction of column 10 is north",
       [](ProjectTables& t) { t.selection(sel::GlassDirection(10)) = 1; }, 51,
       " DirectionN        NE       E        SE     S        SW       W        NW       N        N "},
      {"no direction anywhere",
       [](ProjectTables& t) {
         for (int c = 1; c <= kZoneColumns; ++c) t.selection(sel::GlassDirection(c)) = 0;
       },
       51, " Direction" + std::string(81, ' ')},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ProjectTables t = workedExamples();
    c.change(t);
    const auto lines = splitLines(loadReport(t, 1, kCooling, paddedPath("new.dat")));
    ASSERT_GE(lines.size(), c.line);
    const std::string& line = lines[c.line - 1];
    // Loads and airflow lines are checked on their leading columns only.
    if (c.line == 55 || c.line == 57) {
      EXPECT_EQ(line.substr(0, c.expected.size()), c.expected);
    } else {
      EXPECT_EQ(line, c.expected);
    }
  }
}

TEST(LoadReport, LastLineNamesThePaddedFileAndThePage) {
  const ProjectTables t = workedExamples();
  for (int page = 1; page <= kPages; ++page) {
    SCOPED_TRACE(page);
    const auto lines = splitLines(loadReport(t, page, kCooling, paddedPath("new.dat")));
    ASSERT_EQ(lines.size(), 59u);
    const std::string ranges[] = {"Zones 1 -> 10", "Zones 11 -> 20", "Zones 21 -> 30", "Zones 31 -> 40",
                                  "Zones 41 -> 50"};
    EXPECT_EQ(lines[58], " new.dat" + std::string(218, ' ') + ranges[page - 1]);
  }
  // The longest path that fits fills all 225 characters.
  const std::string longest(225, 'x');
  const auto lines = splitLines(loadReport(t, 5, kCooling, paddedPath(longest)));
  EXPECT_EQ(lines.back(), " " + longest + "Zones 41 -> 50");
  EXPECT_EQ(lines.back().size(), 240u);
}

TEST(LoadReport, PageOutsideOneToFiveGivesNoText) {
  const ProjectTables t = workedExamples();
  for (std::int32_t page : {0, 6, -1, 2147483647}) {
    EXPECT_EQ(loadReport(t, page, kCooling, paddedPath("new.dat")), "") << page;
  }
}

class PrintDataTest : public test::ScratchFolder {
 protected:
  void SetUp() override {
    ScratchFolder::SetUp();
    m_model.setTables(filledPage3());
    m_model.CurrentPage = 3;
    m_model.LoadChoice = kHeating;
    m_model.ProjectFileName.set("/home/anna/projects/Lindqvist house.prj");
  }

  ProjectModel m_model;
};

TEST_F(PrintDataTest, WritesTheCurrentPageAndReprintsIdentically) {
  const fs::path out = m_dir / "out.dat";
  // A longer earlier report must not leave a tail behind.
  std::ofstream(out, std::ios::binary) << std::string(20000, 'x');
  ASSERT_TRUE(PrintData(m_model, out.string()));
  const std::string first = readBytes(out);
  expectGolden(first, "page3_heating.expected");
  ASSERT_TRUE(PrintData(m_model, out.string()));
  EXPECT_EQ(readBytes(out), first);
}

TEST_F(PrintDataTest, FailuresComeBackNamingTheFile) {
  fs::create_directories(m_dir / "a folder");
  struct Case {
    const char* name;
    std::string path;
    const char* reason;
  };
  const Case cases[] = {
      {"missing folder", (m_dir / "missing" / "out.dat").string(), "No such file or directory"},
      {"a folder", (m_dir / "a folder").string(), "it is a folder"},
      {"a device in its place", "/dev/null", "it is not a plain file"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const FileResult result = PrintData(m_model, c.path);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find(c.path), std::string::npos) << result.message;
    EXPECT_NE(result.message.find(c.reason), std::string::npos) << result.message;
  }
}

// A write that stops short, as on a full disk (a file-size limit stops it
// even for root): the last report stays whole and no other file is left.
TEST_F(PrintDataTest, AFailedWriteKeepsTheLastReport) {
  const fs::path out = m_dir / "out.dat";
  std::ofstream(out, std::ios::binary) << "last report";
  EXPECT_TRUE(test::underFileSizeLimit(1000, [&] {
    return PrintData(m_model, out.string()).message.ends_with("cannot write the file (File too large)");
  }));
  EXPECT_EQ(readBytes(out), "last report");
  EXPECT_EQ(names(), std::set<std::string>{"out.dat"});
}

TEST_F(PrintDataTest, NoCurrentPageIsAFailureAndWritesNothing) {
  const fs::path out = m_dir / "out.dat";
  m_model.CurrentPage = 0;
  const FileResult result = PrintData(m_model, out.string());
  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(result.message.empty());
  EXPECT_FALSE(fs::exists(out));
}

}  // namespace
}  // namespace kovrin
