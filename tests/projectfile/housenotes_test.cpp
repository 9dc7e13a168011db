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
  // the smallest subnormal), or on an edge of the range; a zero is 0,
  // whatever its sign.
  const double values[kHouseValues] = {std::nextafter(2150.5, 3000.0), 8.1, 0.1 + 0.2,
                                       std::numeric_limits<double>::denorm_min(), 2000, 0, 95, 50, 1500.5, -0.0,
                                       20000};
  ProjectTables entered = defaultProject();
  for (int i = 0; i < kHouseValues; ++i) entered.House.Entered[static_cast<std::size_t>(i)] = values[i];
  entered.House.SizeFor = SizingOrientation::Worst;
  entered.Ducts.SupplyLocation = DuctLocation::VentedAttic;
  entered.Ducts.ReturnLocation = DuctLocation::UnconditionedBasement;
  for (int i = 0; i < kDuctNumbers; ++i) entered.Ducts.Numbers[static_cast<std::size_t>(i)] = 1.0 + 0.1 * i;
  entered.Ducts[DuctNumber::Returns] = 2;
  entered.Ducts.Sealing = DuctSealing::NotablySealed;
  entered.Ducts.Heating = DuctHeating::HeatPump;

  const std::string text = projectText(entered);
  for (const char* line : {"\nfloor area = 2150.5000000000005\r\n", "\nleakage ach winter = 0.30000000000000004\r\n",
                           "\nmoisture difference = 0\r\n", "\nsize for = worst\r\n",
                           "\nduct return location = unconditioned basement\r\n", "\nduct supply area = 1.2\r\n",
                           "\nduct sealing = notably sealed\r\nduct heating = heat pump\r\n"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line;
  }
  ProjectTables back;
  ASSERT_TRUE(parseProject(text, "house.prj", back));
  EXPECT_EQ(back.House.SizeFor, SizingOrientation::Worst);
  EXPECT_EQ(back.Ducts, entered.Ducts);
  for (int i = 0; i < kHouseValues; ++i) {
    const std::optional<double>& value = back.House.Entered[static_cast<std::size_t>(i)];
    EXPECT_EQ(std::bit_cast<std::uint64_t>(value.value_or(NAN)), std::bit_cast<std::uint64_t>(values[i] + 0.0)) << i;
  }
  // A "-0" typed into a file is the 0 every output writes.
  const std::string minusZero = projectText(defaultProject()) + std::string(kNotesMarker) +
                                "\r\noccupants = -0\r\nsystem cfm = -0.0\r\nmoisture difference = -0\r\n";
  ASSERT_TRUE(parseProject(minusZero, "house.prj", back));
  for (HouseValue value : {HouseValue::Occupants, HouseValue::SystemAirflow, HouseValue::MoistureDifference}) {
    EXPECT_EQ(std::bit_cast<std::uint64_t>(back.House[value].value_or(NAN)), 0u);
  }

  // Without them a project writes what it wrote before: here a named zone
  // alone, since "size for" is written only for the worst orientation.
  ProjectTables named = defaultProject();
  named.zoneName(27) = "Kitchen";
  EXPECT_EQ(projectText(named),
            projectText(defaultProject()) + "[Kovrin project notes, version 1]\r\nzone 27 = Kitchen\r\n");
}
}  // namespace
}  // namespace kovrin
