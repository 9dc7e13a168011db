// Project files over many random projects (fixed seeds): what savedata
// writes, loaddata gives back bit for bit, and a file spoiled at any line is
// refused with a message naming that line while the model stays exactly as
// it was.
#include <gtest/gtest.h>
#include <unistd.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "projectfile/projectfile.h"
#include "scratchfolder.h"

namespace kovrin {
namespace {

namespace fs = std::filesystem;

// A random project: integers from the whole 32-bit range, small ones and the
// extremes; reals from random bit patterns (finite only, since a file cannot
// hold anything else), values as a user types them and the edge classes of
// the number text.
class RandomProjects {
 public:
  explicit RandomProjects(std::uint32_t seed) : m_random(seed) {}

  ProjectTables next() {
    ProjectTables t;
    for (auto& item : t.ListSelections) item = integer();
    for (auto& page : t.PageIntegers) {
      for (auto& value : page) value = integer();
    }
    for (auto& page : t.PageReals) {
      for (auto& value : page) value = real();
    }
    return t;
  }

 private:
  std::int32_t integer() {
    const auto bits = static_cast<std::uint32_t>(m_random());
    switch (m_random() % 4) {
      case 0: return std::bit_cast<std::int32_t>(bits);
      case 1: return static_cast<std::int32_t>(bits % 2001) - 1000;
      case 2: return bits % 2 == 0 ? std::numeric_limits<std::int32_t>::min() : std::numeric_limits<std::int32_t>::max();
      default: return static_cast<std::int32_t>(bits % 20);
    }
  }

  float real() {
    static constexpr float kEdges[] = {0.0f,  0.1f, 0.09f, 1e9f, 999999936.0f, 1048576.125f, 0.35f, 0.15f, 1.1754944e-38f,
                                       1e-45f, 3.4028235e38f, 5e-2f, 100000000.0f, 0.0625f};
    for (;;) {
      const auto bits = static_cast<std::uint32_t>(m_random());
      float v = 0;
      switch (m_random() % 4) {
        case 0: v = std::bit_cast<float>(bits); break;
        case 1: v = static_cast<float>(static_cast<std::int32_t>(bits % 2000001) - 1000000) / 1000.0f; break;
        case 2: v = kEdges[bits % std::size(kEdges)] * (bits & 0x100 ? -1.0f : 1.0f); break;
        default: v = std::bit_cast<float>(bits & 0x807fffffu); break;  // subnormals and zeros
      }
      if (std::isfinite(v)) return v;
    }
  }

  std::mt19937 m_random;
};

std::string realTextOf(float v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.9g", static_cast<double>(v));
  return text;
}

// Tables equal bit for bit; the one exception is the sign of a zero, which
// the number text does not write (a negative zero is saved as zero).
::testing::AssertionResult sameBits(const ProjectTables& actual, const ProjectTables& expected) {
  if (actual.ListSelections != expected.ListSelections) return ::testing::AssertionFailure() << "ListSelections differ";
  for (int p = 1; p <= kPages; ++p) {
    for (int row = 1; row <= kPageIntegerRows; ++row) {
      if (actual.integer(p, row) != expected.integer(p, row)) {
        return ::testing::AssertionFailure() << "PageIntegers page " << p << " row " << row << ": "
                                             << actual.integer(p, row) << " against " << expected.integer(p, row);
      }
    }
    for (int row = 1; row <= kPageRealRows; ++row) {
      const float a = actual.real(p, row);
      const float e = expected.real(p, row);
      if (std::bit_cast<std::uint32_t>(a) != std::bit_cast<std::uint32_t>(e) && !(a == 0 && e == 0)) {
        return ::testing::AssertionFailure() << "PageReals page " << p << " row " << row << ": bits "
                                             << std::bit_cast<std::uint32_t>(a) << " against "
                                             << std::bit_cast<std::uint32_t>(e) << " (" << realTextOf(e) << ")";
      }
    }
  }
  return ::testing::AssertionSuccess();
}

// A model whose tables differ from anything a test file holds, so that a
// partial load would show.
void fillWithMarker(ProjectModel& model) {
  ProjectTables marker;
  marker.ListSelections.fill(-7);
  for (auto& page : marker.PageIntegers) page.fill(-77);
  for (auto& page : marker.PageReals) page.fill(-7.77f);
  model.setTables(marker);
}

class RoundTripProperty : public test::ScratchFolder {
 protected:
  std::string path(const std::string& name) const { return (m_dir / name).string(); }
};

TEST_F(RoundTripProperty, RandomProjectsComeBackFromTheirTextBitForBit) {
  RandomProjects projects(1207);
  for (int i = 0; i < 60; ++i) {
    SCOPED_TRACE("project " + std::to_string(i));
    const ProjectTables original = projects.next();
    const std::string text = projectText(original);

    std::size_t lines = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++lines;
    EXPECT_EQ(lines, static_cast<std::size_t>(kProjectFileLines));
    ASSERT_TRUE(text.ends_with("\r\n"));

    ProjectTables back;
    const FileResult parsed = parseProject(text, "random.prj", back);
    ASSERT_TRUE(parsed) << parsed.message;
    EXPECT_TRUE(sameBits(back, original));
    // Saving what was loaded writes the same bytes again.
    EXPECT_EQ(projectText(back), text);
  }
}

TEST_F(RoundTripProperty, RandomProjectsComeBackThroughSavedataAndLoaddata) {
  RandomProjects projects(4242);
  for (int i = 0; i < 8; ++i) {
    SCOPED_TRACE("project " + std::to_string(i));
    ProjectModel saved;
    saved.setTables(projects.next());
    ASSERT_TRUE(saved.ProjectFileName.set(path("project.prj")));
    const FileResult written = savedata(saved);
    ASSERT_TRUE(written) << written.message;

    ProjectModel loaded;
    fillWithMarker(loaded);
    loaded.CurrentPage = 3;
    loaded.LoadChoice = kCooling;
    ASSERT_TRUE(loaded.ProjectFileName.set(path("project.prj")));
    const FileResult read = loaddata(loaded);
    ASSERT_TRUE(read) << read.message;
    EXPECT_TRUE(sameBits(loaded.tables(), saved.tables()));
    // loaddata touches the three tables only.
    EXPECT_EQ(loaded.CurrentPage, 3);
    EXPECT_EQ(loaded.LoadChoice, kCooling);
  }
}

// A valid file spoiled at one line, at random lines of every block: the load
// fails, the message names the line, and not one value of the model changed.
TEST_F(RoundTripProperty, ASpoiledLineIsRefusedByNameAndTheModelStaysAsItWas) {
  struct Spoiler {
    const char* name;
    bool realLinesOnly;  // the text is a valid whole number: wrong only where a real is not wanted
    bool wholeLinesOnly;  // the text is a valid real: wrong only on a whole-number line
    const char* text;
  };
  const Spoiler spoilers[] = {
      {"a word", false, false, " seventy-eight"},
      {"a fraction where a whole number belongs", false, true, " 78.5"},
      {"a whole number beyond 32 bits", false, true, " 2147483648"},
      {"a real beyond single precision", true, false, " 1.0E+39"},
      {"not a number", false, false, " NaN"},
      {"infinity", false, false, " -Infinity"},
      {"a repeat count", false, false, " 3*0"},
      {"a lone sign", false, false, " -"},
      {"an exponent without digits", true, false, " 1.5E"},
      {"a quoted number", false, false, " \"78\""},
  };

  RandomProjects projects(31);
  const ProjectTables valid = projects.next();
  const std::string text = projectText(valid);
  std::vector<std::string> lines;
  for (std::size_t begin = 0; begin < text.size();) {
    const std::size_t end = text.find("\r\n", begin);
    lines.push_back(text.substr(begin, end - begin));
    begin = end + 2;
  }
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(kProjectFileLines));

  std::mt19937 random(5);
  const std::string file = path("spoiled.prj");
  for (const Spoiler& spoiler : spoilers) {
    SCOPED_TRACE(spoiler.name);
    for (int attempt = 0; attempt < 6;) {
      const int line = 1 + static_cast<int>(random() % kProjectFileLines);
      const int inBlock = (line - 1) % 150 + 1;
      const bool realLine = inBlock > 47;
      if ((spoiler.wholeLinesOnly && realLine) || (spoiler.realLinesOnly && !realLine)) continue;
      ++attempt;
      SCOPED_TRACE("line " + std::to_string(line));

      std::string spoiled;
      for (int i = 1; i <= kProjectFileLines; ++i) {
        spoiled += i == line ? std::string(spoiler.text) : lines[static_cast<std::size_t>(i - 1)];
        spoiled += "\r\n";
      }
      std::ofstream(file, std::ios::binary | std::ios::trunc) << spoiled;

      ProjectModel model;
      fillWithMarker(model);
      const ProjectTables before = model.tables();
      ASSERT_TRUE(model.ProjectFileName.set(file));
      const FileResult result = loaddata(model);
      ASSERT_FALSE(result);
      EXPECT_NE(result.message.find("line " + std::to_string(line) + ":"), std::string::npos) << result.message;
      EXPECT_TRUE(sameBits(model.tables(), before));
    }
  }
}

// A file cut short anywhere is refused, and the message says where it ended.
TEST_F(RoundTripProperty, AFileCutShortIsRefusedAndTheModelStaysAsItWas) {
  RandomProjects projects(8);
  const std::string text = projectText(projects.next());
  std::mt19937 random(6);
  const std::string file = path("short.prj");
  for (int i = 0; i < 12; ++i) {
    // Cut at a random byte, whole lines or not.
    const std::size_t length = i == 0 ? 0 : random() % (text.size() - 3);
    SCOPED_TRACE("length " + std::to_string(length));
    std::ofstream(file, std::ios::binary | std::ios::trunc) << text.substr(0, length);

    ProjectModel model;
    fillWithMarker(model);
    const ProjectTables before = model.tables();
    ASSERT_TRUE(model.ProjectFileName.set(file));
    const FileResult result = loaddata(model);
    ASSERT_FALSE(result);
    // Cut inside a number, the last line is wrong; cut after one, the file
    // ended early. Either way the message names the last line there is.
    const std::string kept = text.substr(0, length);
    std::size_t lastLine = 0;
    for (char c : kept) lastLine += c == '\n';
    if (!kept.empty() && kept.back() != '\n') ++lastLine;
    EXPECT_NE(result.message.find("line " + std::to_string(lastLine)), std::string::npos) << result.message;
    EXPECT_TRUE(sameBits(model.tables(), before));
  }
}

}  // namespace
}  // namespace kovrin
