// The house's values in the project notes: written only when entered, read
// back bit for bit, and a broken one refused with its line and expectation.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>

#include "model/defaults.h"
#include "projectfile/projectfile.h"

namespace kovrin {
namespace {

TEST(HouseNotes, ValuesComeBackBitForBitAndOnlyWhenEntered) {
  // Doubles whose shortest decimal is long (17 digits; 327 characters for
  // the smallest subnormal), signed zero, or on an edge of the range.
  const double values[kHouseValues] = {std::nextafter(2150.5, 3000.0), 8.1, 0.1 + 0.2,
                                       std::numeric_limits<double>::denorm_min(), 2000, 0, 95, 50, 1500.5, -0.0,
                                       20000};
  ProjectTables entered = defaultProject();
  for (int i = 0; i < kHouseValues; ++i) entered.House.Entered[static_cast<std::size_t>(i)] = values[i];
  entered.House.SizeFor = SizingOrientation::Worst;

  const std::string text = projectText(entered);
  for (const char* line : {"\nfloor area = 2150.5000000000005\r\n", "\nleakage ach winter = 0.30000000000000004\r\n",
                           "\nmoisture difference = -0\r\n", "\nsize for = worst\r\n"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line;
  }
  ProjectTables back;
  ASSERT_TRUE(parseProject(text, "house.prj", back));
  EXPECT_EQ(back.House.SizeFor, SizingOrientation::Worst);
  for (int i = 0; i < kHouseValues; ++i) {
    const std::optional<double>& value = back.House.Entered[static_cast<std::size_t>(i)];
    EXPECT_EQ(std::bit_cast<std::uint64_t>(value.value_or(NAN)), std::bit_cast<std::uint64_t>(values[i])) << i;
  }

  // Without them a project writes what it wrote before: here a named zone
  // alone, since "size for" is written only for the worst orientation.
  ProjectTables named = defaultProject();
  named.zoneName(27) = "Kitchen";
  EXPECT_EQ(projectText(named),
            projectText(defaultProject()) + "[Kovrin project notes, version 1]\r\nzone 27 = Kitchen\r\n");
}

TEST(HouseNotes, ABrokenValueIsRefusedWithItsLineAndExpectation) {
  const struct {
    const char* section;
    const char* expected;
  } cases[] = {
      {"floor area = 0", "line 752: expected a number from 1 to 100000 for \"floor area\", found \"0\""},
      {"ceiling height = eight", "line 752: expected a number from 6 to 30 for \"ceiling height\", found \"eight\""},
      {"ventilation cfm = 1e3", "line 752: expected a number from 0 to 2000 for \"ventilation cfm\", found \"1e3\""},
      {"occupants = 2.5", "line 752: expected a whole number from 0 to 50 for \"occupants\", found \"2.5\""},
      {"size for = north", "line 752: expected \"drawn\" or \"worst\" for \"size for\", found \"north\""},
      {"occupants = 3\r\noccupants = 3", "line 753: expected one \"occupants\", found a second"},
      {"size for = drawn\r\nsize for = worst", "line 753: expected one \"size for\", found a second"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.section);
    ProjectTables out;
    const std::string notes = std::string("[Kovrin project notes, version 1]\r\n") + c.section + "\r\n";
    const FileResult read = parseProject(projectText(defaultProject()) + notes, "x.prj", out);
    EXPECT_NE(read.message.find("x.prj, " + std::string(c.expected)), std::string::npos) << read.message;
  }
}

}  // namespace
}  // namespace kovrin
