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
  ProjectTables entered = defaultProject();
  // Doubles whose shortest decimal is long, tiny, signed or on an edge.
  const double values[kHouseValues] = {
      std::nextafter(2150.5, 3000.0),              // floor area: 17 digits
      8.1,                                         // ceiling height
      0.1 + 0.2,                                   // leakage ach winter: 0.30000000000000004
      std::numeric_limits<double>::denorm_min(),   // leakage ach summer: 327 characters, no exponent
      2000,                                        // ventilation cfm: its maximum
      0,                                           // sensible recovery: its minimum
      95,                                          // latent recovery
      50,                                          // occupants
      1500.5,                                      // appliances
      -0.0,                                        // moisture difference: the sign of zero kept
      20000,                                       // system cfm
  };
  for (int i = 0; i < kHouseValues; ++i) entered.House.Entered[static_cast<std::size_t>(i)] = values[i];
  entered.House.SizeFor = SizingOrientation::Worst;

  const std::string text = projectText(entered);
  for (const char* line : {"\r\nfloor area = 2150.5000000000005\r\n", "\r\nmoisture difference = -0\r\n",
                           "\r\nleakage ach winter = 0.30000000000000004\r\n", "\r\nsize for = worst\r\n"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line;
  }
  ProjectTables back;
  ASSERT_TRUE(parseProject(text, "house.prj", back));
  EXPECT_EQ(back.House.SizeFor, SizingOrientation::Worst);
  for (int i = 0; i < kHouseValues; ++i) {
    const std::optional<double>& value = back.House.Entered[static_cast<std::size_t>(i)];
    ASSERT_TRUE(value) << i;
    EXPECT_EQ(std::bit_cast<std::uint64_t>(*value), std::bit_cast<std::uint64_t>(values[i])) << i;
  }

  // Without them a project writes what it wrote before they were known: a
  // named zone alone, and "size for" only when it is the worst orientation.
  ProjectTables named = defaultProject();
  named.zoneName(27) = "Kitchen";
  named.House.SizeFor = SizingOrientation::Drawn;
  EXPECT_EQ(projectText(named),
            projectText(defaultProject()) + "[Kovrin project notes, version 1]\r\nzone 27 = Kitchen\r\n");
}

TEST(HouseNotes, ABrokenValueIsRefusedWithItsLineAndExpectation) {
  const std::string values = projectText(defaultProject());
  const struct {
    const char* section;
    const char* expected;
  } cases[] = {
      {"floor area = 0", "line 752: expected a number from 1 to 100000 for \"floor area\", found \"0\""},
      {"moisture difference = -100.5", "line 752: expected a number from -100 to 200 for \"moisture difference\""},
      {"ceiling height = eight", "line 752: expected a number from 6 to 30 for \"ceiling height\", found \"eight\""},
      {"ventilation cfm = 1e3", "line 752: expected a number from 0 to 2000 for \"ventilation cfm\", found \"1e3\""},
      {"leakage ach summer = nan", "found \"nan\""},
      {"appliances = ", "line 752: expected a number from 0 to 20000 for \"appliances\", found \"\""},
      {"occupants = 2.5", "line 752: expected a whole number from 0 to 50 for \"occupants\", found \"2.5\""},
      {"system cfm = 20001", "line 752: expected a whole number from 0 to 20000 for \"system cfm\""},
      {"size for = north", "line 752: expected \"drawn\" or \"worst\" for \"size for\", found \"north\""},
      {"occupants = 3\r\noccupants = 3", "line 753: expected one \"occupants\", found a second"},
      {"size for = drawn\r\nsize for = worst", "line 753: expected one \"size for\", found a second"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.section);
    ProjectTables out;
    const std::string text = values + "[Kovrin project notes, version 1]\r\n" + c.section + "\r\n";
    const FileResult read = parseProject(text, "x.prj", out);
    ASSERT_FALSE(read);
    EXPECT_NE(read.message.find("x.prj, "), std::string::npos) << read.message;
    EXPECT_NE(read.message.find(c.expected), std::string::npos) << read.message;
  }
}

}  // namespace
}  // namespace kovrin
