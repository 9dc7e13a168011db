#include "house/sizing.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "model/housevalues.h"

namespace kovrin {
namespace {

// A proposal as "tons@per cent", or "" for none.
std::string proposalText(const std::optional<SizeProposal>& proposal) {
  return proposal ? enteredText(proposal->size.tons) + "@" + std::to_string(proposal->percent) : "";
}

TEST(Sizing, BandsAndProposalsAtTheirEdges) {
  // band: "min..max Btu/h, min..max hundredths of a ton"; fits; below; above.
  const struct {
    std::int64_t load;
    std::array<std::string, 4> expected;
    bool moreThanOneUnit;
  } cases[] = {
      {0, {"", "", "", ""}, false},
      {-5000, {"", "", "", ""}, false},
      {5, {"5..6, 0..0", "", "", "1.5@360000"}, false},  // 90 % of 5 is 4.5: away from zero
      {12000, {"10800..13800, 90..115", "", "", "1.5@150"}, false},
      {20000, {"18000..23000, 150..192", "1.5", "", ""}, false},  // 1.5 tons on the edge fits
      {20001, {"18001..23001, 150..192", "", "1.5@90", "2@120"}, false},  // 89.996 % shows as 90
      {20869, {"18782..23999, 157..200", "", "1.5@86", "2@115"}, false},  // 115.003 %
      {20870, {"18783..24001, 157..200", "2", "", ""}, false},
      {40000, {"36000..46000, 300..383", "3 3.5", "", ""}, false},
      {66666, {"59999..76666, 500..639", "5", "", ""}, false},
      {66667, {"60000..76667, 500..639", "", "5@90", ""}, true},  // even 5 tons is too small
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.load);
    const EquipmentSizes sizes = sizeEquipment(c.load, 0);
    std::array<std::string, 4> actual{"", "", proposalText(sizes.below), proposalText(sizes.above)};
    if (sizes.coolingBand) {
      actual[0] = std::to_string(sizes.coolingBand->minimum) + ".." + std::to_string(sizes.coolingBand->maximum) +
                  ", " + std::to_string(*sizes.coolingMinTons) + ".." + std::to_string(*sizes.coolingMaxTons);
    }
    for (std::size_t i = 0; i < kNominalSizes.size(); ++i) {
      if (sizes.fits[i]) actual[1] += (actual[1].empty() ? "" : " ") + enteredText(kNominalSizes[i].tons);
    }
    EXPECT_EQ(actual, c.expected);
    EXPECT_EQ(sizes.moreThanOneUnit, c.moreThanOneUnit);
  }
  // A furnace: 100 % to 140 % of the heating load (31078.6); none for no load.
  EXPECT_EQ(sizeEquipment(0, 22199).heatingBand->maximum, 31079);
  EXPECT_FALSE(sizeEquipment(0, 0).heatingBand);
}

}  // namespace
}  // namespace kovrin
