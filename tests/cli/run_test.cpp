#include "cli/run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <numeric>
#include <regex>
#include <set>
#include <sstream>

#include "childprocess.h"
#include "golden.h"
#include "sampleprojects.h"
#include "scratchfolder.h"
#include "workingfolder.h"

namespace kovrin {
namespace {

namespace fs = std::filesystem;
using testing::calculateShown;
using testing::cliData;
using testing::kSampleProjects;
using testing::loadSample;
using testing::readBytes;

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

Outcome runWith(std::vector<std::string> args) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = run(args, out, err);
  return {status, out.str(), err.str()};
}

std::vector<std::string> splitOn(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, separator)) parts.push_back(part);
  if (!text.empty() && text.back() == separator) parts.emplace_back();
  return parts;
}

void expectGolden(const std::string& actual, const std::string& name) {
  testing::expectGolden(actual, cliData(name));
}

// Runs in the folder of the sample projects, so that the reports name them
// as "house.prj", the way a user in that folder would give them.
class InSampleFolder : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(m_folder.error()) << m_folder.error().message(); }

 private:
  test::EnteredFolder m_folder{cliData("")};
};

// A scratch folder of the test's own.
class InScratchFolder : public test::ScratchFolder {
 protected:
  // A copy of house.prj with line `number` (1-based) replaced.
  std::string houseWithLine(int number, const std::string& text, const std::string& name) {
    auto lines = splitOn(readBytes(cliData("house.prj")), '\n');
    lines.at(static_cast<std::size_t>(number - 1)) = text + "\r";
    std::string joined;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) joined += lines[i] + "\n";
    return write(name, joined);
  }
  std::string write(const std::string& name, const std::string& text) {
    const fs::path path = m_dir / name;
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
  }
  // A project of tests/data ("reference/vatilo.prj") with `notes` added.
  std::string withNotes(const std::string& name, const std::string& project, const std::string& notes) {
    return write(name, readBytes(std::string(KOVRIN_TEST_DATA_DIR) + "/" + project) + notes);
  }
};

TEST(Run, CsvSummaryHoldsWhatCalculateShows) {
  for (const char* name : kSampleProjects) {
    SCOPED_TRACE(name);
    const std::string path = cliData(name).string();
    const Outcome outcome = runWith({"--csv", path});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.err, "");
    const ProjectTables tables = loadSample(name);

    // Rows by kind and number: zone rows by zone, page rows by page.
    std::map<std::pair<std::string, int>, std::vector<std::string>> rows;
    const auto lines = splitOn(outcome.out, '\n');
    ASSERT_GE(lines.size(), 2u);
    // The columns of the design follow those of the rooms, which stay where they were.
    EXPECT_TRUE(lines[0].starts_with("project,kind,zone,page,heating,cooling,heating_air,cooling_air,cooling_tons,"
                                     "floor_area,heating_per_ft2,cooling_per_ft2,ft2_per_ton,name,"))
        << lines[0];
    for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
      auto fields = splitOn(lines[i], ',');
      ASSERT_EQ(fields.size(), splitOn(lines[0], ',').size()) << lines[i];
      fields.resize(9);  // the loads; the floor area figures are the summary's own
      EXPECT_EQ(fields[0], path);
      const std::string& kind = fields[1];
      const int number = kind == "zone" ? std::stoi(fields[2]) : kind == "page" ? std::stoi(fields[3]) : 0;
      EXPECT_TRUE(rows.emplace(std::pair{kind, number}, fields).second) << "twice: " << lines[i];
    }

    std::int64_t heating = 0;
    std::int64_t cooling = 0;
    for (int p = 1; p <= kPages; ++p) {
      const testing::ShownResults h = calculateShown(tables, p, kHeating);
      const testing::ShownResults c = calculateShown(tables, p, kCooling);
      for (int column = 1; column <= kZoneColumns; ++column) {
        const int zone = zoneNumber(p, column);
        bool hasInput = false;
        for (int q = 0; q < kZoneQuantities; ++q) {
          hasInput = hasInput || tables.zone(p, column, static_cast<ZoneQuantity>(q)) != 0.0f;
        }
        const auto row = rows.find({"zone", zone});
        ASSERT_EQ(row != rows.end(), hasInput) << "zone " << zone;
        if (!hasInput) continue;
        const std::vector<std::string> expected{path,
                                                "zone",
                                                std::to_string(zone),
                                                std::to_string(p),
                                                std::to_string(h.zoneLoad[column - 1]),
                                                std::to_string(c.zoneLoad[column - 1]),
                                                std::to_string(h.airShare[column - 1]),
                                                std::to_string(c.airShare[column - 1]),
                                                ""};
        EXPECT_EQ(row->second, expected) << "zone " << zone;
      }
      const std::string air = std::to_string(tables.integer(p, irow::PageAirTotal));
      const std::vector<std::string> expected{
          path, "page", "", std::to_string(p), std::to_string(h.total), std::to_string(c.total), air, air, ""};
      EXPECT_EQ(rows[std::pair(std::string("page"), p)], expected) << "page " << p;
      heating += h.total;
      cooling += c.total;
    }
    // The house row's loads are the design load; its rooms' columns hold
    // the pages' sums.
    const auto header = splitOn(lines[0], ',');
    const auto house = splitOn(lines[lines.size() - 2], ',');
    ASSERT_EQ(house[1], "house");
    const auto rooms = std::find(header.begin(), header.end(), "rooms_heating") - header.begin();
    EXPECT_EQ(std::pair(house[static_cast<std::size_t>(rooms)], house[static_cast<std::size_t>(rooms + 1)]),
              std::pair(std::to_string(heating), std::to_string(cooling)));
  }
}

TEST(Run, BreakdownColumnsAddUpToTheLoads) {
  const Outcome outcome = runWith({"--csv", "--breakdown", cliData("house.prj").string()});
  ASSERT_EQ(outcome.status, 0) << outcome.err;
  const auto lines = splitOn(outcome.out, '\n');
  const std::size_t columns = splitOn(lines[0], ',').size();
  int zones = 0;
  for (const std::string& line : lines) {
    const auto fields = splitOn(line, ',');
    if (fields.size() < 2 || fields[1] != "zone") continue;
    ++zones;
    ASSERT_EQ(fields.size(), columns) << line;
    for (int load = 0; load < 2; ++load) {
      std::int64_t sum = 0;
      for (int part = 0; part < kLoadComponents; ++part) sum += std::stoll(fields[9 + 5 * load + part]);
      EXPECT_EQ(sum, std::stoll(fields[4 + load])) << line;
    }
  }
  EXPECT_EQ(zones, 50);
}

TEST_F(InSampleFolder, TextSummaryMatchesGolden) {
  const Outcome outcome = runWith({"--breakdown", "sparse.prj", "house.prj"});
  ASSERT_EQ(outcome.status, 0) << outcome.err;
  expectGolden(outcome.out, "summary_breakdown.expected");
}

TEST_F(InSampleFolder, PageReportsMatchGolden) {
  struct Case {
    std::vector<std::string> args;
    const char* golden;
  };
  const Case cases[] = {
      {{"--page", "2", "--cooling", "house.prj"}, "house_page2_cooling.expected"},
      {{"--all-pages", "sparse.prj"}, "sparse_all_pages.expected"},
      {{"--html", "--date", "March 1, 2025", "house.prj"}, "house_report.expected.html"},
      // The design load of design.prj holds the figures computed by hand in
      // designload_test.cpp (heating 22199, cooling 8637 + 3689 = 12326,
      // 1.03 tons, 0.70); west.prj the worst turn, 180° (13810 Btu/h), and
      // the spread, 7880 Btu/h, of orientation_test.cpp.
      // heatpump.prj is design.prj with dual fuel equipment entered, every
      // check made: the lockout at the design temperature leaves the whole
      // 22199 Btu/h to the furnace.
      {{"../house/design.prj", "../house/west.prj", "../house/heatpump.prj"}, "design_summary.expected"},
      {{"--csv", "../house/design.prj", "../house/west.prj", "../house/heatpump.prj"}, "design_summary.expected.csv"},
      {{"--json", "../house/design.prj", "../house/west.prj", "../house/heatpump.prj"},
       "design_summary.expected.json"},
      {{"--html", "--date", "March 1, 2025", "../house/heatpump.prj"}, "heatpump_report.expected.html"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.golden);
    const Outcome outcome = runWith(c.args);
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.err, "");
    expectGolden(outcome.out, c.golden);
  }
}

TEST_F(InSampleFolder, AllPagesAreTheTenSinglePageReports) {
  std::string joined;
  for (int page = 1; page <= kPages; ++page) {
    for (const char* choice : {"--heating", "--cooling"}) {
      const Outcome one = runWith({"--page", std::to_string(page), choice, "house.prj"});
      ASSERT_EQ(one.status, 0) << one.err;
      joined += (joined.empty() ? "" : "\f") + one.out;  // a printer starts each on a new page
    }
  }
  EXPECT_EQ(runWith({"--all-pages", "house.prj"}).out, joined);
}

TEST_F(InScratchFolder, OutputFileHoldsWhatStandardOutputWould) {
  const std::string project = cliData("house.prj").string();
  const std::string file = (m_dir / "report.txt").string();
  const std::vector<std::vector<std::string>> argSets{{"--page", "4", "--heating"}, {"--json"}, {}};
  for (const auto& args : argSets) {
    std::vector<std::string> toStdout = args;
    toStdout.push_back(project);
    std::vector<std::string> toFile = toStdout;
    toFile.insert(toFile.begin(), {"-o", file});
    const Outcome direct = runWith(toStdout);
    const Outcome written = runWith(toFile);
    ASSERT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(written.out, "");
    EXPECT_EQ(readBytes(file), direct.out);
  }
}

// A name as long as a folder takes leaves little room for the temporary
// file beside it: that name is cut short, the output is not refused.
TEST_F(InScratchFolder, OutputFileOfTheLongestNameIsWritten) {
  const std::string file = (m_dir / (std::string(243, 'r') + "\u00E9x.txt")).string();  // 250 bytes
  const Outcome written = runWith({"--json", "-o", file, cliData("house.prj").string()});
  ASSERT_EQ(written.status, 0) << written.err;
  EXPECT_EQ(readBytes(file), runWith({"--json", cliData("house.prj").string()}).out);
  EXPECT_EQ(names().size(), 1u);
}

TEST_F(InScratchFolder, NamesAndDetailsReachEveryOutput) {
  ProjectTables project = loadSample("sparse.prj");
  project.zoneName(3) = "Den, \"east\" \u00E0 \\";
  project.Job.Client = "Smith\nfamily";
  const std::string path = (m_dir / "named.prj").string();
  ASSERT_TRUE(saveProjectFile(path, project));
  EXPECT_NE(runWith({path}).out.find("  Den, \"east\" \u00E0 \\\n"), std::string::npos);
  EXPECT_NE(runWith({"--csv", path}).out.find(",\"Den, \"\"east\"\" \u00E0 \\\","), std::string::npos);
  const std::string json = runWith({"--json", path}).out;
  EXPECT_NE(json.find("\"name\":\"Den, \\\"east\\\" \u00E0 \\\\\""), std::string::npos) << json;
  EXPECT_NE(json.find("\"client\":\"Smith\\u000afamily\""), std::string::npos) << json;
  EXPECT_NE(runWith({"--html", path}).out.find("<td>Den, &quot;east&quot; \u00E0 \\</td>"), std::string::npos);
}

TEST_F(InScratchFolder, OutputFileThatCannotBeWrittenFails) {
  const std::string file = (m_dir / "missing" / "out.dat").string();
  const Outcome outcome = runWith({"--page", "1", "--heating", "-o", file, cliData("house.prj").string()});
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.out, "");
  EXPECT_NE(outcome.err.find(file), std::string::npos) << outcome.err;
}

TEST_F(InScratchFolder, AnOutputThatIsAlsoAnInputIsRefused) {
  const std::string project = write("self.prj", readBytes(cliData("house.prj")));
  fs::create_hard_link(project, m_dir / "hard.prj");
  fs::create_symlink(project, m_dir / "soft.prj");
  for (const fs::path& output : {fs::path(project), m_dir / "." / "self.prj", m_dir / "hard.prj", m_dir / "soft.prj"}) {
    SCOPED_TRACE(output);
    const Outcome outcome = runWith({"-o", output.string(), cliData("sparse.prj").string(), project});
    EXPECT_EQ(outcome.status, 2);
    EXPECT_NE(outcome.err.find(" is the project file " + project), std::string::npos) << outcome.err;
    EXPECT_EQ(readBytes(project), readBytes(cliData("house.prj")));
  }
}

// kovrin-report run from a shell as users run it: on pipes and standard
// input, under limits of file size and time. What it refuses takes a few MB
// at most, and a failed output leaves the old file whole and nothing else.
TEST_F(InScratchFolder, FromTheShellUnderLimits) {
  write("report.txt", "old report");
  fs::copy_file(cliData("house.prj"), m_dir / "house.prj");
  write("z.prj", "");
  fs::resize_file(m_dir / "z.prj", std::uintmax_t{1} << 30);  // 1 GB without a line feed
  // A program that hangs is ended after a few seconds of work.
  const std::string report = std::string("prlimit --cpu=10 ") + KOVRIN_REPORT;
  const std::string csvRows = " --csv house.prj | cut -d, -f2-";  // without the project's name
  const std::string expected = test::runShell(report + csvRows, m_dir).out;
  ASSERT_NE(expected.find("house,,,"), std::string::npos) << expected;
  const struct {
    std::string script;
    int status;
    const char* said;
  } cases[] = {
      {report + " --csv - < house.prj | cut -d, -f2-", 0, ""},
      {report + " --csv <(cat house.prj) | cut -d, -f2-", 0, ""},
      {report + " --csv -o /dev/stdout house.prj | cut -d, -f2-", 0, ""},
      {"prlimit --fsize=4096 " + report + " --all-pages -o report.txt house.prj", 1,
       "report.txt: not written: cannot write the file (File too large)"},
      {report + " z.prj", 1, "z.prj, line 1: the line is longer than 65536 bytes"},
      {"yes '' | " + report + " -", 1, "standard input: more than 4194304 bytes were read"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.script);
    const test::ChildEnd end = test::runShell(c.script, m_dir);
    EXPECT_EQ(end.signal, 0);
    EXPECT_EQ(end.status, c.status) << end.err;
    EXPECT_NE(end.err.find(c.said), std::string::npos) << end.err;
    if (c.status == 0) {
      EXPECT_EQ(end.out, expected);
    }
    EXPECT_LT(end.peakKilobytes, 64 * 1024);
    EXPECT_EQ(readBytes(m_dir / "report.txt"), "old report");
    EXPECT_EQ(names(), (std::set<std::string>{"house.prj", "report.txt", "z.prj"}));
  }
}

// Each project's output is written before the next project is read: the
// memory a run takes does not grow with the number of projects, on standard
// output or into -o's file.
TEST_F(InScratchFolder, MemoryStaysFlatInTheNumberOfProjects) {
  fs::copy_file(cliData("house.prj"), m_dir / "house.prj");
  for (const std::string output : {" > all.json", " -o all.json"}) {
    std::vector<long> peak;
    for (const int projects : {100, 1100}) {
      // The sanitizer build holds freed memory back for a while (its
      // quarantine), which would count here as memory in use.
      std::string script = "ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}quarantine_size_mb=0 " KOVRIN_REPORT " --json";
      for (int i = 0; i < projects; ++i) script += " house.prj";
      peak.push_back(test::runShell(script + output, m_dir).peakKilobytes);
    }
    const std::string json = readBytes(m_dir / "all.json");
    EXPECT_EQ(std::count(json.begin(), json.end(), '\n'), 1100) << output;
    EXPECT_LT(peak[1] - peak[0], 4 * 1024) << output << ": " << peak[0] << " and " << peak[1] << " KiB";
  }
}

// JSON is UTF-8 and messages show no control character raw, whatever bytes
// a file's name holds.
TEST_F(InScratchFolder, NamesOfAnyBytesAreWrittenSafely) {
  const std::string odd = write("\xFF\xFE.prj", readBytes(cliData("house.prj")));
  const Outcome json = runWith({"--json", odd});
  ASSERT_EQ(json.status, 0) << json.err;
  EXPECT_TRUE(json.out.starts_with("{\"project\":\"" + m_dir.string() + "/\\ufffd\\ufffd.prj\",")) << json.out;
  const Outcome missing = runWith({(m_dir / "\x1b[2J\t.prj").string()});
  EXPECT_EQ(missing.err.find_first_of("\x1b\t"), std::string::npos);
  EXPECT_NE(missing.err.find("/\\x1b[2J\\x09.prj: cannot be opened"), std::string::npos) << missing.err;
}

TEST_F(InScratchFolder, BadProjectNamesFileLineAndExpectation) {
  // Line 20 is PageIntegers row 3 of page 1, an integer; line 60 is a real.
  struct Case {
    const char* name;
    std::string path;
    std::vector<std::string> inErr;
  };
  const std::string fraction = houseWithLine(20, " 78.5", "fraction.prj");
  const std::string word = houseWithLine(60, " warm", "word.prj");
  const std::string shortFile = write("short.prj", readBytes(cliData("house.prj")).substr(0, 700 * 4));
  const std::string missing = (m_dir / "missing.prj").string();
  const Case cases[] = {
      {"fraction on an integer line", fraction, {fraction, "line 20", "expected"}},
      {"word on a real line", word, {word, "line 60", "expected"}},
      {"file ends early", shortFile, {shortFile, "ended"}},
      {"no such file", missing, {missing}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // Alone, and after a good project: the good one's summary is not printed.
    for (const auto& args : {std::vector<std::string>{c.path},
                             std::vector<std::string>{"--json", cliData("house.prj").string(), c.path}}) {
      const Outcome outcome = runWith(args);
      EXPECT_EQ(outcome.status, 1);
      EXPECT_EQ(outcome.out, "");
      EXPECT_EQ(outcome.err.rfind("kovrin-report: ", 0), 0u) << outcome.err;
      for (const std::string& part : c.inErr) EXPECT_NE(outcome.err.find(part), std::string::npos) << outcome.err;
    }
  }
}

// What older programs leave after the values (an end-of-file mark, a stray
// line) changes nothing in any output; a stray line is named on standard
// error, and the run still succeeds.
TEST_F(InScratchFolder, WhatFollowsTheValuesChangesNoOutput) {
  const std::string house = readBytes(cliData("house.prj"));
  const std::string project = (m_dir / "p.prj").string();
  const auto outputs = [&](const std::string& text) {
    write("p.prj", text);
    std::vector<Outcome> outcomes;
    for (std::vector<std::string> args : {std::vector<std::string>{"--all-pages"}, {"--json"}, {"--html", "--date", "d"}}) {
      args.push_back(project);
      outcomes.push_back(runWith(args));
    }
    return outcomes;
  };
  const std::vector<Outcome> clean = outputs(house);
  const struct {
    const char* name;
    std::string after;
    std::string warning;
  } cases[] = {
      {"an end-of-file mark", "\x1A", ""},
      {"a line of text", " 999\r\nsaved by hand\r\n",
       "kovrin-report: warning: " + project + ", line 751: \" 999\" and any other lines after the 750 values"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<Outcome> outcomes = outputs(house + c.after);
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
      EXPECT_EQ(outcomes[i].status, 0) << outcomes[i].err;
      EXPECT_TRUE(outcomes[i].out == clean[i].out) << "output " << i << " differs";
      EXPECT_EQ(outcomes[i].err.substr(0, c.warning.size()), c.warning);
      EXPECT_EQ(outcomes[i].err.empty(), c.warning.empty()) << outcomes[i].err;
    }
  }
}

// Several projects with --html give one report each, in the folder of -o,
// named after each project; a report is what --html writes for its project
// alone. A project that cannot be read gets no report and is named.
TEST_F(InScratchFolder, HtmlOfSeveralProjectsWritesAReportEachIntoAFolder) {
  const std::string house = cliData("house.prj").string();
  const std::string sparse = cliData("sparse.prj").string();
  const std::string broken = write("broken.prj", "1\r\n");
  const std::string reports = (m_dir / "reports").string();
  const Outcome both = runWith({"--html", "--date", "d", "-o", reports, house, sparse, broken});
  EXPECT_EQ(both.status, 1);
  EXPECT_EQ(both.out, "");
  EXPECT_NE(both.err.find(broken + ": the file ended"), std::string::npos) << both.err;
  EXPECT_EQ(names(), (std::set<std::string>{"broken.prj", "reports"}));
  for (const std::string& project : {house, sparse}) {
    const std::string report = (fs::path(reports) / fs::path(project).stem()).string() + ".html";
    EXPECT_TRUE(readBytes(report) == runWith({"--html", "--date", "d", project}).out) << report;
  }
  EXPECT_FALSE(fs::exists(fs::path(reports) / "broken.html"));

  // What would make two reports of one name, or a report of no name, or
  // write over a project, is refused before anything is written.
  fs::copy_file(house, m_dir / "house.html");
  for (const auto& args : {std::vector<std::string>{"--html", "-o", reports, house, (m_dir / "house.prj").string()},
                           std::vector<std::string>{"--html", "-o", reports, house, "-"},
                           std::vector<std::string>{"--html", "-o", m_dir.string(), (m_dir / "house.html").string()},
                           std::vector<std::string>{"--html", "-o", broken, house, sparse}}) {
    SCOPED_TRACE(args.back());
    EXPECT_EQ(runWith(args).status, 2);
  }
  EXPECT_EQ(readBytes(m_dir / "house.html"), readBytes(house));
}

// The house's headline figures are its design load, in every output as in
// the house view ("1.22 tons", "1,960 ft² per ton" for design.prj); the
// rooms' own say so in their names.
TEST(Run, EveryOutputGivesTheHouseViewsHeadlineFigures) {
  const std::string project = cliData("../house/design.prj").string();
  const struct {
    const char* format;
    std::vector<std::string> shown;
  } cases[] = {
      {"--csv",
       {",house,,,23543,14697,,,1.22,2400,9.8,6.1,1960,,", ",3500,3000,0.25,"}},
      {"--json",
       {"\"house\":{\"heating\":23543,\"cooling\":14697,\"coolingTons\":1.22,\"floorArea\":2400,",
        "\"floorAreaPerTon\":1960,\"rooms\":{\"heating\":3500,\"cooling\":3000,\"coolingTons\":0.25,"}},
      {"--breakdown", {"\n House        Heating    Cooling       Tons\n design load    23543      14697       1.22\n"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.format);
    const Outcome outcome = runWith({c.format, project});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    for (const std::string& shown : c.shown) EXPECT_NE(outcome.out.find(shown), std::string::npos) << outcome.out;
  }
  const std::string header = runWith({"--csv", project}).out;
  EXPECT_NE(header.find(",rooms_heating,rooms_cooling,rooms_cooling_tons,rooms_floor_area,rooms_heating_per_ft2,"
                        "rooms_cooling_per_ft2,rooms_ft2_per_ton,"),
            std::string::npos);
}

// What the house report says beside the loads (the job, the warnings) is in
// the text, the CSV and the JSON too.
TEST_F(InScratchFolder, EveryOutputCarriesTheJobAndTheWarnings) {
  ProjectTables project = loadSample("house.prj");
  project.Job.Client = "Smith family";
  project.Job.SiteAddress = "12 Elm Street\nLakeside";
  project.integer(2, irow::SummerDesignTemp) += 2;
  const std::string path = (m_dir / "job.prj").string();
  ASSERT_TRUE(saveProjectFile(path, project));
  const std::string warning = "Page 2 uses other design conditions: ";
  const struct {
    const char* format;
    std::vector<std::string> shown;
  } cases[] = {
      {"--breakdown", {"\nClient: Smith family\nSite address: 12 Elm Street\n              Lakeside\n", "\nWarning: " + warning}},
      {"--csv", {",client,site_address,designer,design_date,note,warnings\n", ",Smith family,\"12 Elm Street\nLakeside\",,,," + warning}},
      {"--json", {"\"client\":\"Smith family\",", "\"warnings\":[\"" + warning}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.format);
    const Outcome outcome = runWith({c.format, path});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    for (const std::string& shown : c.shown) EXPECT_NE(outcome.out.find(shown), std::string::npos) << outcome.out;
  }
}

// An absurd hand-edited project (duct multipliers of 1e30) gives figures the
// outputs state exactly: whole numbers within 2^53, where JSON readers hold
// every one, a warning that says so, and no size called 0 % of a load it
// falls short of.
TEST_F(InScratchFolder, AbsurdValuesStayWithinWhatTheOutputsStateExactly) {
  ProjectTables project = loadSample("house.prj");
  for (int page = 1; page <= kPages; ++page) {
    project.real(page, rrow::SummerDuctMultiplier) = 1e30f;
    project.real(page, rrow::WinterDuctMultiplier) = 1e30f;
  }
  project.House[HouseValue::LeakageAchSummer] = 5;
  project.House[HouseValue::LeakageAchWinter] = 5;
  project.House[HouseValue::Occupants] = 50;
  const std::string path = (m_dir / "absurd.prj").string();
  ASSERT_TRUE(saveProjectFile(path, project));
  const std::string json = runWith({"--json", path}).out;
  const std::regex number("[-0-9]{16,}");
  for (auto it = std::sregex_iterator(json.begin(), json.end(), number); it != std::sregex_iterator(); ++it) {
    EXPECT_LE(std::stoll(it->str()), std::int64_t{1} << 53) << it->str();
    EXPECT_GE(std::stoll(it->str()), -(std::int64_t{1} << 53)) << it->str();
  }
  EXPECT_NE(json.find("Some design figures reach 9,007,199,254,740,992 Btu/h"), std::string::npos);
  const std::string text = runWith({path}).out;
  EXPECT_NE(text.find("Warning: Some design figures reach 9,007,199,254,740,992 Btu/h, the largest Kovrin states "
                      "exactly, and are held there"),
            std::string::npos);
  EXPECT_EQ(text.find(" 0 %"), std::string::npos) << text;
  EXPECT_NE(text.find("5 tons is under 1 % of the load"), std::string::npos) << text;
}

TEST(Run, BadUsageExitsTwoWithNothingOnStandardOutput) {
  const std::string p = cliData("house.prj").string();
  const std::vector<std::vector<std::string>> cases{
      {},
      {"--csv"},
      {"--csv", "--json", p},
      {"--html", "--csv", p},
      {"--html", p, p},
      {"--html", "--breakdown", p},
      {"--date", "today", p},
      {"--html", p, "--date"},
      {"--page", "1", "--heating", "--html", p},
      {"--page", p},
      {"--page", "0", "--heating", p},
      {"--page", "6", "--cooling", p},
      {"--page", "2x", "--cooling", p},
      {"--page", "2", p},
      {"--page", "2", "--heating", "--cooling", p},
      {"--page", "2", "--all-pages", "--heating", p},
      {"--all-pages", "--cooling", p},
      {"--page", "1", "--heating", "--csv", p},
      {"--all-pages", "--breakdown", p},
      {"--heating", p},
      {"--frobnicate", p},
      {p, "-o"},
      {"--page", "1", "--heating", std::string(226, 'x')},
  };
  for (const auto& args : cases) {
    std::string joined;
    for (const auto& a : args) joined += a.size() > 40 ? "<long> " : a + " ";
    SCOPED_TRACE(joined);
    const Outcome outcome = runWith(args);
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err.rfind("kovrin-report: ", 0), 0u) << outcome.err;
    EXPECT_NE(outcome.err.find("--help"), std::string::npos) << outcome.err;
  }
}

TEST_F(InScratchFolder, ReportNamesALongestPathInFull) {
  const std::string prefix = (m_dir / "").string();
  ASSERT_LT(prefix.size(), 200u);
  const std::string path = write(std::string(kProjectFileNameLength - prefix.size() - 4, 'h') + ".prj",
                                 readBytes(cliData("house.prj")));
  ASSERT_EQ(path.size(), kProjectFileNameLength);
  const Outcome outcome = runWith({"--page", "5", "--heating", path});
  ASSERT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_NE(outcome.out.find("\r\n " + path + "Zones 41 -> 50\r\n"), std::string::npos);
}

TEST(Run, HelpDocumentsEveryJsonField) {
  const Outcome help = runWith({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.err, "");
  EXPECT_NE(help.out.find("Usage: kovrin-report"), std::string::npos);
  EXPECT_NE(help.out.find("Examples:"), std::string::npos);

  // The sample and a house with a duct system, whose members it adds.
  const Outcome json = runWith({"--json", "--breakdown", cliData("house.prj").string(),
                                std::string(KOVRIN_TEST_DATA_DIR) + "/reference/vatilo.prj"});
  ASSERT_EQ(json.status, 0);
  std::set<std::string> names;
  const std::regex key("\"([A-Za-z]+)\":");
  for (auto it = std::sregex_iterator(json.out.begin(), json.out.end(), key); it != std::sregex_iterator(); ++it) {
    names.insert((*it)[1]);
  }
  EXPECT_EQ(names.size(), 129u);
  for (const std::string& name : names) {
    EXPECT_NE(help.out.find("\"" + name + "\""), std::string::npos) << name;
  }
}


// The house's inputs as the detailed load took them, in every output: the
// site, the blower-door test and the blower as entered or proposed; the
// house's occupants not counted beside the zones' own, and the people the
// load counts on the building department's page. A blower-door test alone
// gives the report its design load and sizes.
TEST_F(InScratchFolder, TheHousesInputsAreListedAsTheDesignLoadTookThem) {
  const std::string path = withNotes("occupied.prj", "reference/long.prj", "occupants = 6\r\n");
  const std::string own = " (not counted: zones 1, 2, 7 and 12 have their own)";
  const std::string text = runWith({path}).out;
  using Texts = std::vector<std::string>;
  for (const std::string& line : Texts{"  Latitude: 41 \u00B0N\n", "  Air leakage at 50 Pa: 2.8 1/h\n",
                                       "  Shielding class (1 open \u2013 5 sheltered): 4 (proposed)\n",
                                       "  Occupants: 6 people" + own + "\n"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line;
  }
  EXPECT_NE(runWith({"--json", path}).out.find("\"latitude\":41,\"elevation\":863,\"storeysAboveGrade\":1,"
                                               "\"shieldingClass\":null,\"ach50\":2.8,\"blowerHeat\":1707}"),
            std::string::npos);
  const std::string html = runWith({"--html", path}).out;
  for (const std::string& cell : Texts{"<td>Air leakage at 50 Pa</td><td class=\"value\">2.8 1/h</td>",
                                       "<td class=\"value\">6 people<br>" + own.substr(1) + "</td>",
                                       "<td>Occupants</td><td>4 (the zones' own)</td>"}) {
    EXPECT_NE(html.find(cell), std::string::npos) << cell;
  }
  const std::string tested = write("tested.prj", readBytes(cliData("house.prj")) +
                                                     "[Kovrin project notes, version 1]\r\nach50 = 5\r\n");
  const std::string report = runWith({"--html", tested}).out;
  EXPECT_EQ(report.find("Air and people not entered"), std::string::npos);
  EXPECT_NE(report.find("<h2>Orientation and equipment</h2>"), std::string::npos);
}

// With a duct system (here a garage supply of measured leakage, the rest
// proposed) the outputs list its inputs as the design load took them, a
// proposal marked and given to a tenth, an entered value as typed. (Where
// the ducts come from without one, the goldens show.)
TEST_F(InScratchFolder, TheDuctSystemIsListedAsTheDesignLoadTookIt) {
  const std::string ducted =
      withNotes("ducted.prj", "house/design.prj",
                "duct supply location = garage\r\nduct supply leakage cfm25 = 12.34\r\n");
  const Outcome text = runWith({ducted});
  ASSERT_EQ(text.status, 0) << text.err;
  for (const char* line : {" Ducts: the duct system's losses and gains (Zones > Ducts...)",
                           "  Supply duct location                       garage\n",
                           "  Return duct location                       vented attic (proposed)\n",
                           "  Supply leakage to outside                  12.34 CFM25\n",
                           "  Return leakage to outside                  84 CFM25 (proposed)\n"}) {
    EXPECT_NE(text.out.find(line), std::string::npos) << line;
  }
  const Outcome json = runWith({"--json", ducted});
  ASSERT_EQ(json.status, 0) << json.err;
  EXPECT_NE(json.out.find("\"supplyLeakageCfm25\":12.34,"), std::string::npos);
  EXPECT_NE(json.out.find("\"proposed\":[\"returnLocation\",\"supplyR\",\"returnR\",\"supplyArea\","
                          "\"returnArea\",\"returns\",\"returnLeakageCfm25\",\"sealing\",\"heating\"]"),
            std::string::npos)
      << json.out;
  EXPECT_NE(runWith({"--html", ducted}).out.find("<h3>Duct system</h3>"), std::string::npos);
}

// Sized for the worst orientation, Vatilo's design cooling is 30,258 Btu/h
// turned 315° against 28,588 as drawn: a unit the sizes that fit list is
// checked against the same total.
TEST_F(InScratchFolder, TheEquipmentIsCheckedAgainstTheLoadItIsSizedFor) {
  const std::string worst =
      withNotes("worst.prj", "reference/vatilo.prj",
                "size for = worst\r\nsystem = furnace and air conditioner\r\ncooling total = 33500\r\n");
  const Outcome text = runWith({worst});
  ASSERT_EQ(text.status, 0) << text.err;
  for (const char* line : {"  Cooling: 27232 to 34797 Btu/h", "Check cooling capacity: 111 % (90 to 115): fits\n"}) {
    EXPECT_NE(text.out.find(line), std::string::npos) << line << '\n' << text.out;
  }
}

// Each figure says what it holds: Vatilo's figures as drawn beside its worst
// turn's, the ducts' design airflow, a heat pump's heating, what the load
// takes instead of values not entered.
TEST_F(InScratchFolder, EachFigureSaysWhatItHolds) {
  const std::string pump = withNotes("pump.prj", "reference/vatilo.prj",
                                     "size for = worst\r\nsystem cfm = 1100\r\nsystem = heat pump\r\n");
  const std::pair<const char*, std::vector<std::string>> cases[] = {
      {"--breakdown",
       {" design load    30254      28588       2.38  the house as drawn\n"
        " sized for      30254      30258       2.52  the house turned 315\u00B0, its worst orientation\n",
        "  Design airflow, heating / cooling          789 / 1244 CFM\n",
        "  Heating (heat pump and backup): 30254 Btu/h at the design temperature\n",
        "  Air changes by leakage, winter: not entered (the air leakage at 50 Pa is taken)\n",
        "  Occupants: not entered (zone 1 has its own)\n"}},
      {"--html",
       {"<td>Design cooling load, as drawn</td>",
        "<td>Design cooling load, turned 315\u00B0 (sized for)</td><td class=\"n\" align=\"right\">30,258 Btu/h, 2.52 tons</td>",
        "<td>Heating output (furnace)</td><td>none: a heat pump alone</td>",
        "<td>Conditioned floor area</td><td>1,200\u00A0ft\u00B2</td>"}},
  };
  for (const auto& [format, shown] : cases) {
    const std::string out = runWith({format, pump}).out;
    for (const std::string& line : shown) EXPECT_NE(out.find(line), std::string::npos) << line;
    for (const char* absent : {"System airflow, heating", "furnace output)"}) EXPECT_EQ(out.find(absent), std::string::npos);
  }
}

}  // namespace
}  // namespace kovrin
