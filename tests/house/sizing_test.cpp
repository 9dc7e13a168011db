#include "house/sizing.h"

#include <gtest/gtest.h>

#include <string>

#include "model/housevalues.h"

namespace kovrin {
namespace {

// A proposal as "tons@per cent", or "" for none.
std::string proposalText(const std::optional<SizeProposal>& proposal) {
  return proposal ? enteredText(proposal->size.tons) + "@" + std::to_string(proposal->percent) : "";
}

TEST(Sizing, BandsAndProposalsAtTheirEdges) {
  struct Case {
    std::int64_t load;
    const char* band;  // "min..max Btu/h, min..max hundredths of a ton", or "" for none
    const char* fits;
    const char* below;
    const char* above;
    bool moreThanOneUnit;
  };
  const Case cases[] = {
      {0, "", "", "", "", false},
      {-5000, "", "", "", "", false},
      // 90 % of 5 is 4.5, a tie that rounds away from zero.
      {5, "5..6, 0..0", "", "", "1.5@360000", false},
      {12000, "10800..13800, 90..115", "", "", "1.5@150", false},
      // 1.5 tons is 90 % of 20000 exactly: on the edge, it fits.
      {20000, "18000..23000, 150..192", "1.5", "", "", false},
      // Just past it, 1.5 tons is 89.996 %: it shows as 90 % but does not fit.
      {20001, "18001..23001, 150..192", "", "1.5@90", "2@120", false},
      // 115 % of 20869 is 23999.35: 2 tons, 115.003 %, is just above.
      {20869, "18782..23999, 157..200", "", "1.5@86", "2@115", false},
      {20870, "18783..24001, 157..200", "2", "", "", false},
      {40000, "36000..46000, 300..383", "3 3.5", "", "", false},
      {66666, "59999..76666, 500..639", "5", "", "", false},
      // 5 tons is below the band: more than one unit.
      {66667, "60000..76667, 500..639", "", "5@90", "", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.load);
    const EquipmentSizes sizes = sizeEquipment(c.load, 0);
    std::string band;
    if (sizes.coolingBand) {
      band = std::to_string(sizes.coolingBand->minimum) + ".." + std::to_string(sizes.coolingBand->maximum) + ", " +
             std::to_string(*sizes.coolingMinTons) + ".." + std::to_string(*sizes.coolingMaxTons);
    }
    EXPECT_EQ(band, c.band);
    std::string fits;
    for (std::size_t i = 0; i < kNominalSizes.size(); ++i) {
      if (sizes.fits[i]) fits += (fits.empty() ? "" : " ") + enteredText(kNominalSizes[i].tons);
    }
    EXPECT_EQ(fits, c.fits);
    EXPECT_EQ(proposalText(sizes.below), c.below);
    EXPECT_EQ(proposalText(sizes.above), c.above);
    EXPECT_EQ(sizes.moreThanOneUnit, c.moreThanOneUnit);
  }

  // A furnace: 100 % to 140 % of the heating load; none for no load.
  EXPECT_EQ(sizeEquipment(0, 22199).heatingBand->maximum, 31079);  // 31078.6
  EXPECT_EQ(sizeEquipment(0, 22199).heatingBand->minimum, 22199);
  EXPECT_FALSE(sizeEquipment(0, 0).heatingBand);
}

}  // namespace
}  // namespace kovrin
