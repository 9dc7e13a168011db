#include "projectfile/projectfile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <sstream>
#include <vector>

#include "childprocess.h"
#include "golden.h"
#include "model/defaults.h"
#include "scratchfolder.h"

namespace kovrin {
namespace {

namespace fs = std::filesystem;

using testing::readBytes;

void writeBytes(const fs::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Lines of a text, each with its line end, so that they can be edited and
// joined again.
std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line + "\n");
  return lines;
}

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line;
  return text;
}

// A project whose values differ everywhere, with the number forms of the file.
ProjectTables variedProject() {
  ProjectTables t;
  for (int item = 1; item <= kListSelectionItems; ++item) t.selection(item) = item % 5 + 1;
  const float specials[] = {0.35f, 0.15f, -2.5f, 0.05f, 1e9f, 1500.0f, 12.5f, 0.1f, 0.09f, 0.0f,
                            3.0e37f, std::numeric_limits<float>::denorm_min(), -0.0004f};
  for (int p = 1; p <= kPages; ++p) {
    for (int row = 1; row <= kPageIntegerRows; ++row) t.integer(p, row) = (row % 2 ? 1 : -1) * (p * 1000 + row);
    for (int row = 1; row <= kPageRealRows; ++row) {
      const float base = specials[static_cast<std::size_t>(row % std::size(specials))];
      t.real(p, row) = base == 0.0f ? 0.0f : base * static_cast<float>(p);
    }
  }
  t.integer(2, 1) = std::numeric_limits<std::int32_t>::min();
  t.integer(2, 2) = std::numeric_limits<std::int32_t>::max();
  t.real(3, rrow::ReservedSlot) = 42.25f;
  return t;
}

std::string defaultText() { return projectText(defaultProject()); }

using ProjectFileTest = test::ScratchFolder;

TEST_F(ProjectFileTest, TemplateIsTheSavedDefaults) {
  const fs::path target = m_dir / "new.dat";
  ASSERT_TRUE(saveProjectFile(target.string(), defaultProject()));
  testing::expectGolden(readBytes(target), fs::path(KOVRIN_DATA_DIR) / "new.dat");
}

TEST_F(ProjectFileTest, ValuesLandOnTheirLinesInFreeFormText) {
  const ProjectTables t = variedProject();
  const std::string text = projectText(t);
  testing::expectGolden(text, fs::path(KOVRIN_TEST_DATA_DIR) / "projectfile" / "varied.prj");

  const auto lines = linesOf(text);
  ASSERT_EQ(lines.size(), 750u);
  for (const auto& line : lines) ASSERT_TRUE(line.size() >= 4 && line[0] == ' ' && line.ends_with("\r\n")) << line;
  // Line numbers from the block layout: 150 lines a page, selections first.
  const struct {
    int line;
    const char* text;
  } cases[] = {
      {1, " 2\r\n"},                     // DailyRange in block 1
      {150 + 17, " 3\r\n"},              // GlassDirection of column 10 in block 2
      {150 + 17 + 1, " -2147483648\r\n"},  // SummerThermostat of page 2
      {150 + 17 + 2, " 2147483647\r\n"},
      {17 + 30, " -1030\r\n"},           // PageAirTotal of page 1
      {47 + 1, " 0.150000006\r\n"},      // SummerDuctMultiplier of page 1
      {47 + 3, " 5.00000007E-02\r\n"},
      {47 + 8, " 9.00000036E-02\r\n"},
      {47 + 9, " 0.00000000E+00\r\n"},
      {47 + 11, " 1.40129846E-45\r\n"},
      {47 + 13, " 0.349999994\r\n"},
      {150 + 47 + 3, " 0.100000001\r\n"},    // 2 x 0.05
      {150 + 47 + 4, " 2.00000000E+09\r\n"},
      {150 + 47 + 5, " 3000.00000\r\n"},
      {300 + 47 + 11, " 42.2500000\r\n"},  // ReservedSlot of page 3
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(lines[static_cast<std::size_t>(c.line - 1)], c.text);
  }
}

TEST_F(ProjectFileTest, SaveAndLoadGiveBackEveryValue) {
  ProjectModel saved;
  saved.setTables(variedProject());
  saved.ProjectFileName.set((m_dir / "house.prj").string());
  ASSERT_TRUE(savedata(saved));

  ProjectModel loaded;
  loaded.ProjectFileName.set(saved.ProjectFileName.path());
  loaded.CurrentPage = 4;
  const FileResult result = loaddata(loaded);
  ASSERT_TRUE(result) << result.message;
  EXPECT_TRUE(loaded.tables() == saved.tables());
  EXPECT_EQ(loaded.real(3, rrow::ReservedSlot), 42.25f);
  EXPECT_EQ(loaded.CurrentPage, 4);
}

TEST_F(ProjectFileTest, SelectionsOfTheLastBlockWinAndAreSavedIntoEveryBlock) {
  auto lines = linesOf(defaultText());
  for (int p = 1; p <= kPages; ++p) {
    for (int s = 1; s <= kListSelectionItems; ++s) {
      lines[static_cast<std::size_t>(150 * (p - 1) + s - 1)] = " " + std::to_string(10 * p + s) + "\r\n";
    }
  }
  ProjectTables t;
  ASSERT_TRUE(parseProject(joined(lines), "mixed.prj", t));
  for (int s = 1; s <= kListSelectionItems; ++s) EXPECT_EQ(t.selection(s), 50 + s);

  const auto written = linesOf(projectText(t));
  for (int p = 1; p <= kPages; ++p) {
    for (int s = 1; s <= kListSelectionItems; ++s) {
      EXPECT_EQ(written[static_cast<std::size_t>(150 * (p - 1) + s - 1)], " " + std::to_string(50 + s) + "\r\n");
    }
  }
}

// Line 19 is the winter thermostat of page 1 (an integer), line 50 the door
// U-value of zone 1 (a real).
constexpr int kIntegerLine = 19;
constexpr int kRealLine = 50;

std::string withLine(int number, const std::string& text) {
  auto lines = linesOf(defaultText());
  lines[static_cast<std::size_t>(number - 1)] = text;
  return joined(lines);
}

TEST_F(ProjectFileTest, FreeFormReading) {
  const struct {
    const char* line;
    std::int32_t value;
  } integers[] = {
      {" 78 degrees\r\n", 78}, {"78\n", 78},          {"\t 78,5\r\n", 78},  {" +78\r\n", 78},
      {" 0078\r\n", 78},       {" -5\r\n", -5},       {" 2147483647\r\n", 2147483647},
      {" -2147483648\r\n", std::numeric_limits<std::int32_t>::min()},
  };
  for (const auto& c : integers) {
    SCOPED_TRACE(c.line);
    ProjectTables t;
    const FileResult r = parseProject(withLine(kIntegerLine, c.line), "x.prj", t);
    ASSERT_TRUE(r) << r.message;
    EXPECT_EQ(t.integer(1, irow::WinterThermostat), c.value);
  }
  const struct {
    const char* line;
    float value;
  } reals[] = {
      {" 1500\r\n", 1500.0f},     {" 1.5E3\r\n", 1500.0f},  {" 1.5D3\r\n", 1500.0f},    {" 1.5d+3\r\n", 1500.0f},
      {" 15000e-1\r\n", 1500.0f}, {" 1500.\r\n", 1500.0f},  {" 1500 W\r\n", 1500.0f},   {" 1500,2\r\n", 1500.0f},
      {" .5\r\n", 0.5f},          {" -2.5\r\n", -2.5f},     {" 0.35\r\n", 0.35f},       {" +0.349999994\r\n", 0.35f},
      {" 3.40282347E+38\r\n", std::numeric_limits<float>::max()},
      {" 1E-50\r\n", 0.0f},       {" 1.4E-45\r\n", std::numeric_limits<float>::denorm_min()},
  };
  for (const auto& c : reals) {
    SCOPED_TRACE(c.line);
    ProjectTables t;
    const FileResult r = parseProject(withLine(kRealLine, c.line), "x.prj", t);
    ASSERT_TRUE(r) << r.message;
    EXPECT_EQ(t.zone(1, 1, ZoneQuantity::DoorU), c.value);
  }
}

// However many digits and whatever exponent: the value decides.
TEST(NumberText, RealsAreReadByValue) {
  const std::string zeros(200000, '0');
  const struct {
    std::string text;
    NumberRead read;
    float value;  // -1 where nothing is read
  } cases[] = {
      {"0." + zeros + "1e1000000", NumberRead::OutOfRange, -1.0f},  // 1E+799999
      {"1" + zeros + "e-1000000", NumberRead::Ok, 0.0f},           // 1E-799999
      {"0." + zeros + "35e200000", NumberRead::Ok, 0.35f},
      {"35" + zeros + "D-200002", NumberRead::Ok, 0.35f},
      {"-1.5e" + zeros + "3", NumberRead::Ok, -1500.0f},
      {"1e99999999999999999999", NumberRead::OutOfRange, -1.0f},
      {"0e99999999999999999999", NumberRead::Ok, 0.0f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 12) + "... " + std::to_string(c.text.size()) + " characters");
    float value = -1.0f;
    EXPECT_EQ(readReal(c.text, value), c.read);
    EXPECT_EQ(value, c.value);
  }
}

TEST_F(ProjectFileTest, BlankLinesAndBareLineFeedsAreIgnored) {
  std::string text;
  for (const auto& line : linesOf(projectText(variedProject()))) text += "\n   \r\n\t\n" + line.substr(0, line.size() - 2) + "\n";
  text.pop_back();  // no line end after the last value
  ProjectTables t;
  FileResult r = parseProject(text, "x.prj", t);
  ASSERT_TRUE(r) << r.message;
  EXPECT_TRUE(t == variedProject());
}

TEST_F(ProjectFileTest, BadFileLeavesTheModelAsItWasAndSaysWhereAndWhat) {
  const std::string full = defaultText();
  const struct {
    const char* name;
    std::string text;
    std::vector<std::string> said;
  } cases[] = {
      {"fraction on an integer line", withLine(kIntegerLine, " 78.5\r\n"),
       {", line 19: expected a whole number for the winter thermostat of page 1, found \"78.5\""}},
      {"text on a real line", withLine(kRealLine, " abc\r\n"),
       {", line 50: expected a number for the door U-value of zone 1, found \"abc\""}},
      {"integer above 32 bits", withLine(kIntegerLine, " 2147483648\r\n"), {"line 19", "outside the range"}},
      {"integer below 32 bits", withLine(kIntegerLine, " -2147483649\r\n"), {"line 19", "outside the range"}},
      {"real that would be infinite", withLine(kRealLine, " 3.5E38\r\n"), {"line 50", "\"3.5E38\"", "too large"}},
      {"exponent without digits", withLine(kRealLine, " 1.5E\r\n"), {"line 50", "\"1.5E\""}},
      {"not a number", withLine(kRealLine, " NaN\r\n"), {"line 50", "\"NaN\""}},
      {"repeat count", withLine(kRealLine, " 3*0\r\n"), {"line 50", "\"3*0\""}},
      {"quoted number", withLine(kRealLine, " \"5\"\r\n"), {"line 50"}},
      {"slash", withLine(kRealLine, " /\r\n"), {"line 50", "\"/\""}},
      {"comma first", withLine(kIntegerLine, " ,78\r\n"), {"line 19", "found \"\""}},
      {"exponent on an integer line", withLine(kIntegerLine, " 1E2\r\n"), {"line 19", "whole number"}},
      {"line counting includes blank lines", "\r\n\r\n" + withLine(kIntegerLine, " x\r\n"), {"line 21:"}},
      {"glass area of zone 37", withLine(450 + 47 + 73, " ?\r\n"), {"line 570:", "the glass area of zone 37"}},
      {"selection in a later block", withLine(300 + 14, " x\r\n"),
       {"the glass direction of zone column 7 in the block of page 3"}},
      {"file ends early", full.substr(0, full.find(" 65\r\n")),
       {": the file ended at line 18 after 18 values, 750 expected (the winter thermostat of page 1 is missing)"}},
      {"empty file", "", {"ended at line 0 without a single value; a project file holds 750"}},
  };
  const fs::path path = m_dir / "bad.prj";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    writeBytes(path, c.text);
    ProjectModel model;
    model.setTables(variedProject());
    model.ProjectFileName.set(path.string());
    const FileResult r = loaddata(model);
    ASSERT_FALSE(r);
    EXPECT_TRUE(model.tables() == variedProject());
    EXPECT_TRUE(r.message.starts_with(path.string())) << r.message;
    for (const auto& part : c.said) EXPECT_NE(r.message.find(part), std::string::npos) << r.message;
  }
}

// Also files that would make a reader wait for ever (a pipe) or hold a
// gigabyte in memory are refused at once.
TEST_F(ProjectFileTest, FileThatCannotBeReadIsNamed) {
  fs::create_directory(m_dir / "folder");
  ASSERT_EQ(::mkfifo((m_dir / "p.prj").c_str(), 0600), 0);
  writeBytes(m_dir / "z.prj", "");
  fs::resize_file(m_dir / "z.prj", std::uintmax_t{1} << 30);  // 1 GB without a line feed
  writeBytes(m_dir / "feeds.prj", std::string(4194305, '\n'));
  const struct {
    std::string path;
    const char* said;
  } cases[] = {
      {(m_dir / "missing.prj").string(), ": cannot be opened: No such file or directory"},
      {(m_dir / "folder").string(), ": is a folder"},
      {"/dev/null", ": is not a plain file"},
      {(m_dir / "p.prj").string(), ": is not a plain file"},
      {(m_dir / "z.prj").string(), ", line 1: the line is longer than 65536 bytes"},
      {(m_dir / "feeds.prj").string(), ": more than 4194304 bytes were read"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    ProjectModel model;
    model.setTables(variedProject());
    model.ProjectFileName.set(c.path);
    const FileResult r = loaddata(model);
    ASSERT_FALSE(r);
    EXPECT_TRUE(r.message.starts_with(c.path + c.said)) << r.message;
    EXPECT_TRUE(model.tables() == variedProject());
  }
}

TEST_F(ProjectFileTest, FailedSaveLeavesThePreviousFileAndNoTemporaryFile) {
  const fs::path existing = m_dir / "house.prj";
  const std::string previous = defaultText();
  writeBytes(existing, previous);
  writeBytes(m_dir / "plain-file", "x");
  fs::create_directory(m_dir / "folder");
  const struct {
    const char* name;
    std::string path;
  } cases[] = {
      {"folder does not exist", (m_dir / "no-such-folder" / "house.prj").string()},
      {"target is a folder", (m_dir / "folder").string()},
      {"folder is a plain file", (m_dir / "plain-file" / "house.prj").string()},
      {"folder where no file can be made, even by root", "/proc/kovrin-house.prj"},
      {"target is a device", "/dev/null"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const FileResult r = saveProjectFile(c.path, variedProject());
    ASSERT_FALSE(r);
    EXPECT_TRUE(r.message.starts_with(c.path + ": not saved: ")) << r.message;
  }

  // A value no load would accept is refused before anything is written.
  ProjectTables bad = variedProject();
  bad.zone(2, 3, ZoneQuantity::WallArea) = std::numeric_limits<float>::quiet_NaN();
  FileResult r = saveProjectFile(existing.string(), bad);
  ASSERT_FALSE(r);
  EXPECT_NE(r.message.find("the wall area of zone 13 is not a finite number"), std::string::npos) << r.message;

  // A write that stops short, as on a full disk.
  EXPECT_TRUE(test::underFileSizeLimit(1000, [&] {
    return saveProjectFile(existing.string(), variedProject()).message.ends_with("cannot write the file (File too large)");
  }));

  EXPECT_EQ(readBytes(existing), previous);
  EXPECT_EQ(names(), (std::set<std::string>{"folder", "house.prj", "plain-file"}));
}

TEST_F(ProjectFileTest, SaveKeepsPermissionsAndSymbolicLinks) {
  const fs::path existing = m_dir / "shared.prj";
  writeBytes(existing, "old");
  ASSERT_EQ(::chmod(existing.c_str(), 0640), 0);
  ASSERT_TRUE(saveProjectFile(existing.string(), defaultProject()));
  struct stat info {};
  ASSERT_EQ(::stat(existing.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);

  const mode_t oldMask = ::umask(022);
  const fs::path fresh = m_dir / "fresh.prj";
  const FileResult r = saveProjectFile(fresh.string(), defaultProject());
  ::umask(oldMask);
  ASSERT_TRUE(r) << r.message;
  ASSERT_EQ(::stat(fresh.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0644u);

  const fs::path link = m_dir / "link.prj";
  fs::create_symlink(existing, link);
  ASSERT_TRUE(saveProjectFile(link.string(), variedProject()));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(readBytes(existing), projectText(variedProject()));

  // A link to a file not yet there: the save makes that file.
  fs::create_symlink("later/house.prj", m_dir / "dangling.prj");
  fs::create_directory(m_dir / "later");
  ASSERT_TRUE(saveProjectFile((m_dir / "dangling.prj").string(), defaultProject()));
  EXPECT_TRUE(fs::is_symlink(m_dir / "dangling.prj"));
  EXPECT_TRUE(readBytes(m_dir / "later" / "house.prj") == defaultText());

  fs::create_symlink("loop-b.prj", m_dir / "loop-a.prj");
  fs::create_symlink("loop-a.prj", m_dir / "loop-b.prj");
  const FileResult loop = saveProjectFile((m_dir / "loop-a.prj").string(), defaultProject());
  EXPECT_EQ(loop.message, (m_dir / "loop-a.prj").string() + ": not saved: its symbolic links go round in a loop");

  // A file the user may not write is not replaced, though its folder would
  // allow it.
  ASSERT_EQ(::chmod(existing.c_str(), 0444), 0);
  ASSERT_EQ(::chmod(m_dir.c_str(), 0777), 0);
  const int refused = test::runAsOrdinaryUser([&] {
    return saveProjectFile(existing.string(), defaultProject()).message ==
                   existing.string() + ": not saved: the file is read-only"
               ? 0
               : 1;
  });
  EXPECT_EQ(refused, 0);
  EXPECT_TRUE(readBytes(existing) == projectText(variedProject()));
  EXPECT_EQ(names(), (std::set<std::string>{"dangling.prj", "fresh.prj", "later", "link.prj", "loop-a.prj",
                                           "loop-b.prj", "shared.prj"}));
}

}  // namespace
}  // namespace kovrin

namespace kovrin {
namespace {

// Names and details that a careless format would spoil.
ProjectTables notedProject() {
  ProjectTables t = defaultProject();
  t.zoneName(1) = "Kitchen, \"big\" = yes \\n not a break";
  t.zoneName(27) = "Salle à manger \u2014 \u5BA2\u5385";
  t.zoneName(50) = std::string(40, 'x');
  t.Job = {"Smith family", "12 Elm Street\nLakeside, MN 55000", "A. Designer", "December 7, 2026",
           "First line\n\tIndented = 2\\3\n"};
  t.OtherNotes = {{"colour", "blue \\ green"}, {"zone plan", ""}, {"zone 3 stair", "oak"}};
  t.Equipment.System = SystemType::DualFuel;
  t.Equipment.MakeAndModel = "Acme = HP-36 \\ AH-36 — été";
  t.Equipment.Compressor = CompressorType::TwoStage;
  t.Equipment.FrontDoor = Facing::SouthWest;
  t.Equipment.SizedForHeating = true;
  for (const EquipmentValueRange& range : kEquipmentValueRanges) t.Equipment[range.value] = range.maximum;
  t.Equipment[EquipmentValue::SensibleHeatRatio] = 0.1 + 0.65;
  // The detailed load's details: numbers whose shortest text is long,
  // optional temperatures, and a list entered as none.
  t.Details.house[HouseDetail::Latitude] = 41.5;
  t.Details.house[HouseDetail::Ach50] = 0.1 + 0.2;
  ZoneDetails& zone = t.Details.zone(12);
  zone.windows = {{7, 40, 0.56, 0.66, InteriorShade::Blinds, 0.5, InsectScreen::Outside, 1, 1, 1, 5},
                  {1, 1.0 / 3.0, 0, 0, InteriorShade::None, 1, InsectScreen::None, 1, 0, 0, 0}};
  WallDetails garage;
  garage.exposure = WallExposure::Unconditioned;
  garage.area = 144;
  garage.summerTemperature = 105.5;
  zone.walls = {{garage}};
  zone.floors.emplace();
  zone.people = 2;
  return t;
}

TEST(ProjectNotes, NamesAndDetailsComeBackBitForBitAfterTheValues) {
  const ProjectTables noted = notedProject();
  const std::string text = projectText(noted);
  const std::string plain = projectText(defaultProject());
  EXPECT_EQ(text.substr(0, plain.size()), plain) << "the 750 lines come first, as always";
  EXPECT_EQ(text.substr(plain.size(), 35), "[Kovrin project notes, version 1]\r\n");
  ProjectTables back;
  const FileResult read = parseProject(text, "noted.prj", back);
  ASSERT_TRUE(read) << read.message;
  EXPECT_EQ(back, noted);
  // A project without notes is the plain file, and reads back without any.
  ASSERT_TRUE(parseProject(plain, "plain.prj", back));
  EXPECT_EQ(back, defaultProject());
}

TEST(ProjectNotes, ABrokenSectionIsRefusedWithItsLineAndExpectation) {
  const std::string values = projectText(defaultProject());
  const struct {
    const char* section;
    const char* expected;
  } cases[] = {
      {"zone 51 = Attic", "line 752: expected a zone number from 1 to 50"},
      {"zone 0 = Cellar", "line 752: expected a zone number from 1 to 50"},
      {"client Smith", "line 752: expected \"name = value\""},
      {"note = a\\q", "line 752: expected the value of \"note\" with a backslash only in"},
      {"client = \xC3(", "line 752: expected text in UTF-8"},
      {"zone 3 = a\\x07", "line 752: expected a name without control characters or direction overrides for zone 3"},
      {"zone 3 = a\u009Bb", "line 752: expected a name without control characters or direction overrides for zone 3"},
      {"zone 3 = \u202Egnp.exe", "line 752: expected a name without control characters or direction overrides"},
      {"zone 3 = 12345678901234567890123456789012345678901", "line 752: expected a name of at most 40"},
      {"zone 3 = Den\r\nzone 3 = Study", "line 753: expected one name for zone 3"},
      // The house's values: a number in its range, each once.
      {"floor area = 0", "line 752: expected a number from 1 to 100000 for \"floor area\", found \"0\""},
      {"ceiling height = eight", "line 752: expected a number from 6 to 30 for \"ceiling height\", found \"eight\""},
      {"ventilation cfm = 1e3", "line 752: expected a number from 0 to 2000 for \"ventilation cfm\", found \"1e3\""},
      {"occupants = 2.5", "line 752: expected a whole number from 0 to 50 for \"occupants\", found \"2.5\""},
      {"size for = north", "line 752: expected \"drawn\" or \"worst\" for \"size for\", found \"north\""},
      {"occupants = 3\r\noccupants = 3", "line 753: expected one \"occupants\", found a second"},
      {"size for = drawn\r\nsize for = worst", "line 753: expected one \"size for\", found a second"},
      // The equipment: its words, its numbers, each once.
      {"system = boiler",
       "line 752: expected \"furnace and air conditioner\", \"heat pump\" or \"dual fuel\" for \"system\""},
      {"heat pump 47 = 500", "line 752: expected a number from 1000 to 1000000 for \"heat pump 47\", found \"500\""},
      {"bedrooms = 2.5", "line 752: expected a whole number from 0 to 50 for \"bedrooms\""},
      {"sized for heating = no", "line 752: expected \"yes\" for \"sized for heating\", found \"no\""},
      {"make and model = a\\x07", "line 752: expected \"make and model\" without control characters"},
      {"compressor = two-stage\r\ncompressor = two-stage", "line 753: expected one \"compressor\", found a second"},
      // A known key mistyped is no key of a later version.
      {"Floor Area = 5", "line 752: expected the key \"floor area\", found \"Floor Area\""},
      {"floor  area = 5", "line 752: expected the key \"floor area\", found \"floor  area\""},
      {"Site_Address = 1 Elm", "line 752: expected the key \"site address\", found \"Site_Address\""},
      {"zone 3 = Den\r\nZone 4 = Hall", "line 753: expected the key \"zone 4\", found \"Zone 4\""},
      {"sizefor = worst", "line 752: expected the key \"size for\", found \"sizefor\""},
      {"Make_And_Model = x", "line 752: expected the key \"make and model\", found \"Make_And_Model\""},
      // The duct system's: one of its words, or a number in its range, each once.
      {"duct supply location = roof", "line 752: expected one of \"conditioned\", \"vented attic\""},
      {"duct returns = 1.5", "line 752: expected a whole number from 1 to 20 for \"duct returns\", found \"1.5\""},
      {"duct sealing = sealed\r\nduct sealing = leaky", "line 753: expected one \"duct sealing\", found a second"},
      // The details: known fields with values in their range, each once.
      {"latitude = 91", "line 752: expected a number from 0 to 70 for \"latitude\", found \"91\""},
      {"zone 3 window = facing Q", "line 752: expected N, NE, E, SE, S, SW, W or NW for \"facing\" in \"zone 3 window\""},
      {"zone 3 wall = area 10; colour red", "line 752: expected light, medium or dark for \"colour\" in \"zone 3 wall\""},
      {"zone 3 door = area -1", "line 752: expected a number from 0 to 100000 for \"area\" in \"zone 3 door\""},
      {"zone 3 wall = area 10; area 12", "line 752: expected one \"area\" in \"zone 3 wall\", found a second"},
      {"zone 3 floor = kind slab; slope 3", "line 752: expected no field \"slope\" in \"zone 3 floor\""},
      {"zone 3 window = none\r\nzone 3 window = facing N",
       "line 753: expected no \"zone 3 window\" after \"zone 3 window\" = none"},
      {"zone 3 people = 1.5", "line 752: expected a whole number from 0 to 50 for \"zone 3 people\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.section);
    ProjectTables out;
    const FileResult read = parseProject(values + "[Kovrin project notes, version 1]\r\n" + c.section + "\r\n", "x.prj", out);
    ASSERT_FALSE(read);
    EXPECT_NE(read.message.find("x.prj, " + std::string(c.expected)), std::string::npos) << read.message;
  }
}

// Nothing after the values is dropped without a word: the notes are read
// where what is meant is clear, any other line is ignored and the first one
// named in a warning, and an end-of-file mark (0x1A) ends the file quietly.
TEST(ProjectNotes, WhatFollowsTheValuesIsReadOrIgnoredWithAWord) {
  const std::string values = projectText(defaultProject());
  const std::string marker(kNotesMarker);
  const std::string notes = marker + "\r\nzone 1 = Den\r\nclient = Smith\r\n";
  std::string blankLines;
  for (int i = 0; i < 150; ++i) blankLines += " \r\n";
  const std::string ignored = "\" and any other lines after the 750 values that are not project notes are "
                              "ignored, and will not be kept when the project is saved";
  const struct {
    const char* name;
    std::string after;
    std::string warning;  // empty for none
    bool notesRead;
  } cases[] = {
      {"lines that end in CR alone", marker + "\rzone 1 = Den\rclient = Smith\r", "", true},
      {"blank lines before the notes", blankLines + notes, "", true},
      {"an end-of-file mark", "\x1A", "", false},
      {"an end-of-file mark after the notes", notes + "\x1A" + "zone 2 = Hall\r\n\x1A", "", true},
      {"notes after an end-of-file mark", "\x1A" + notes, "", false},
      {"a 751st value", " 999\r\n", "x.prj, line 751: \" 999" + ignored, false},
      {"a line of text", "\r\nwritten by hand\r\n\r\nand more", "x.prj, line 752: \"written by hand" + ignored, false},
      {"a marker with more after it", marker + " 2026\r\nzone 1 = Den\r\n",
       "x.prj, line 751: \"[Kovrin project notes, version 1] 2026" + ignored, false},
      {"notes after a 751st value", " 78\r\n" + notes, "x.prj, line 751: \" 78" + ignored, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ProjectTables out;
    const FileResult read = parseProject(values + c.after, "x.prj", out);
    ASSERT_TRUE(read) << read.message;
    EXPECT_EQ(read.warning, c.warning);
    EXPECT_EQ(out.zoneName(1) + " " + out.Job.Client, c.notesRead ? "Den Smith" : " ");
    EXPECT_EQ(out.zoneName(2), "");
  }
  // The mark ends the file wherever it stands, so values after it are missing.
  const std::size_t line4 = values.find('\n', values.find('\n', values.find('\n') + 1) + 1) + 1;
  ProjectTables out;
  const FileResult cut = parseProject(values.substr(0, line4) + "\x1A" + values.substr(line4), "x.prj", out);
  EXPECT_TRUE(cut.message.starts_with("x.prj: the file ended at line 4, at its end-of-file mark (0x1A), after 3 values"))
      << cut.message;
}

// Nothing Kovrin writes is more than its reader takes: a save that would
// make a line or the file longer is refused with a word, the file kept.
TEST_F(ProjectFileTest, ASaveNeverWritesWhatNoLoadTakes) {
  const fs::path path = m_dir / "noted.prj";
  const std::string head = defaultText() + std::string(kNotesMarker) + "\r\n";
  // Notes in lines "kN = VVV\r\n" of `line` bytes, the first longer by
  // what makes the file `file` bytes.
  const auto noted = [&](std::size_t line, std::size_t file) {
    ProjectTables t = defaultProject();
    for (std::size_t left = file - head.size(), next = line + left % line; left > 0; left -= next, next = line) {
      t.OtherNotes.push_back({"k" + std::to_string(left % 10), std::string(next - 7, 'v')});
    }
    return t;
  };
  const std::size_t line = kMaxLineBytes + 1;  // the longest, with its line feed
  const std::pair<ProjectTables, std::string> cases[] = {
      {noted(line, head.size() + line), ""},
      {noted(line + 1, head.size() + line + 1),
       "\" in the project notes would be 65537 bytes long; a project file line holds at most 65536"},
      {noted(32768, kMaxProjectBytes), ""},
      {noted(32768, kMaxProjectBytes + 1),
       ": not saved: the file would be 4194305 bytes long; a project file holds at most 4194304"},
  };
  for (const auto& [tables, refused] : cases) {
    writeBytes(path, "earlier");
    const FileResult saved = saveProjectFile(path.string(), tables);
    ProjectTables back;
    EXPECT_EQ(saved.ok, refused.empty());
    EXPECT_NE(saved.message.find(refused), std::string::npos) << saved.message;
    EXPECT_TRUE(refused.empty() ? loadProjectFile(path.string(), back) && back == tables
                                : readBytes(path) == "earlier");
  }

  // A file that loads, which its own save would make longer: "k=" becomes
  // "k = ". The page change of a user who only opened it says so.
  const std::string longest = head + "k=" + std::string(kMaxLineBytes - 3, 'v') + "\r\n";
  writeBytes(path, longest);
  ProjectModel model;
  model.ProjectFileName.set(path.string());
  ASSERT_TRUE(loaddata(model));
  EXPECT_NE(savedata(model).message.find("would be 65538 bytes long"), std::string::npos);
  EXPECT_TRUE(readBytes(path) == longest);
}

}  // namespace
}  // namespace kovrin
