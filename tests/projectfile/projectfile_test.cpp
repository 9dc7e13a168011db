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
TEST(ProjectFileNumbers, RealsAreReadByValue) {
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
