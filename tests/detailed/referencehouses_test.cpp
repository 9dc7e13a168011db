// The detailed design load of two example houses published with ACCA
// Manual J, 8th edition (the Long residence, Cedar Rapids, without ducts
// outside, and the Vatilo residence, Houston, with its ducts in the vented
// attic as built and as improved: R-8 and sealed), entered from their
// descriptions alone, against the loads published for them: each component
// within 10 % or 300 Btu/h, whichever is larger; each room's within 10 % or
// 100 Btu/h; each total within 5 %. The project files come back byte for
// byte.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "detailed/detailedload.h"
#include "golden.h"
#include "projectfile/projectfile.h"
#include "sampleprojects.h"

namespace kovrin {
namespace {

enum class Season { Heating, Sensible, Latent };

struct Published {
  const char* house;
  int zone;  // 0: the whole house
  Season season;
  std::optional<Component> component;  // none: the season's total
  std::int64_t figure;
  // Where the published figure rests on what the description does not
  // say, why; such a row is held to `allowed` instead.
  const char* gap = nullptr;
  std::int64_t allowed = 0;
  // A total from the abridged worksheet, which assumes adequate exposure
  // diversity, has no AED excursion (OpenStudio-HPXML's
  // test_hvac_sizing.rb @ 1d1347b3): compared without Kovrin's.
  bool withoutExcursion = false;
};

constexpr const char* kDepthGap = "the published basement floor takes the table's 8 ft below grade, not 5 ft";
constexpr const char* kPeopleGap = "published as 1,200 though four people give 800";
constexpr const char* kLeakageGap = "'average' leakage, 37 CFM cooling; 6.5 ACH50 gives 40";
// The published duct loads are read off Manual J's duct load tables (7A,
// by floor area, insulation and sealing); the duct system's load here is
// the delivery effectiveness of ASHRAE Standard 152 on the same inputs, as
// the public sizing code computes it, whose own test allows 1,500 to 2,000
// Btu/h on these figures. No input of the description moves the two
// together: the method loses more heat through R-4 in winter and keeps more
// through R-8, and takes the return leakage alone for the latent gain.
constexpr const char* kDuctHeatingGap =
    "ducts: the delivery effectiveness loses more heat through the attic ducts than the duct table";
constexpr const char* kSealedDuctsGap =
    "ducts: R-8 and sealing lower the duct table's loads by two thirds, the effectiveness's by half";
constexpr const char* kDuctLatentGap =
    "ducts: the duct table's latent gain is that of 72 CFM, the return leakage is 49 CFM25";
// Vatilo's published loads without its ducts; the improved ducts' variant
// publishes its ducts alone.
constexpr std::int64_t kVatiloHeatingEnvelope = 19684;
constexpr std::int64_t kVatiloSensibleEnvelope = 13944;
constexpr std::int64_t kVatiloLatentEnvelope = 1876;

const Published kPublished[] = {
    {"long", 0, Season::Heating, Component::Windows, 8315},
    {"long", 0, Season::Heating, Component::Doors, 1006},
    {"long", 0, Season::Heating, Component::Walls, 16608},
    {"long", 0, Season::Heating, Component::Slabs, 2440, kDepthGap, 550},
    {"long", 0, Season::Heating, Component::Ceilings, 5435},
    {"long", 0, Season::Heating, Component::Infiltration, 6944},
    {"long", 0, Season::Heating, std::nullopt, 40748},
    {"long", 0, Season::Sensible, Component::Windows, 5962},
    {"long", 0, Season::Sensible, Component::Doors, 349},
    {"long", 0, Season::Sensible, Component::Walls, 1730},
    {"long", 0, Season::Sensible, Component::Ceilings, 3624},
    {"long", 0, Season::Sensible, Component::Infiltration, 565},
    {"long", 0, Season::Sensible, Component::InternalGains, 3320},
    {"long", 0, Season::Sensible, Component::BlowerHeat, 1707},
    {"long", 0, Season::Sensible, std::nullopt, 17257},
    {"long", 0, Season::Latent, Component::Infiltration, 998},
    {"long", 0, Season::Latent, Component::InternalGains, 1200, kPeopleGap, 400},
    {"long", 0, Season::Latent, std::nullopt, 2198, kPeopleGap, 400},
    // Dining room, living room and hall.
    {"long", 6, Season::Heating, Component::Walls, 1309},
    {"long", 6, Season::Heating, Component::Ceilings, 463},
    {"long", 6, Season::Heating, Component::Infiltration, 779},
    {"long", 6, Season::Sensible, Component::Walls, 222},
    {"long", 6, Season::Sensible, Component::Ceilings, 309},
    {"long", 6, Season::Sensible, Component::Infiltration, 63},
    {"long", 6, Season::Sensible, Component::InternalGains, 0},
    {"long", 7, Season::Heating, Component::Walls, 930},
    {"long", 7, Season::Heating, Component::Ceilings, 1080},
    {"long", 7, Season::Heating, Component::Infiltration, 655},
    {"long", 7, Season::Sensible, Component::Walls, 158},
    {"long", 7, Season::Sensible, Component::Ceilings, 720},
    {"long", 7, Season::Sensible, Component::Infiltration, 53},
    {"long", 7, Season::Sensible, Component::InternalGains, 460},
    {"long", 8, Season::Heating, Component::Doors, 551},
    {"long", 8, Season::Heating, Component::Walls, 313},
    {"long", 8, Season::Heating, Component::Ceilings, 412},
    {"long", 8, Season::Heating, Component::Infiltration, 249},
    {"vatilo", 0, Season::Heating, Component::Windows, 4234},
    {"vatilo", 0, Season::Heating, Component::Doors, 574},
    {"vatilo", 0, Season::Heating, Component::Walls, 2874},
    {"vatilo", 0, Season::Heating, Component::Slabs, 7415},
    {"vatilo", 0, Season::Heating, Component::Ceilings, 1498},
    {"vatilo", 0, Season::Heating, Component::Infiltration, 3089},
    {"vatilo", 0, Season::Heating, Component::Ducts, 9147, kDuctHeatingGap, 1700},
    {"vatilo", 0, Season::Heating, std::nullopt, kVatiloHeatingEnvelope + 9147},
    {"vatilo", 0, Season::Sensible, Component::Windows, 5295},
    {"vatilo", 0, Season::Sensible, Component::Doors, 456},
    {"vatilo", 0, Season::Sensible, Component::Walls, 1715},
    {"vatilo", 0, Season::Sensible, Component::Ceilings, 2112},
    {"vatilo", 0, Season::Sensible, Component::Infiltration, 769},
    {"vatilo", 0, Season::Sensible, Component::InternalGains, 1890},
    {"vatilo", 0, Season::Sensible, Component::BlowerHeat, 1707},
    {"vatilo", 0, Season::Sensible, Component::Ducts, 9973},
    {"vatilo", 0, Season::Sensible, std::nullopt, kVatiloSensibleEnvelope + 9973, nullptr, 0, true},
    {"vatilo", 0, Season::Latent, Component::Infiltration, 1276},
    {"vatilo", 0, Season::Latent, Component::InternalGains, 600},
    {"vatilo", 0, Season::Latent, Component::Ducts, 2488, kDuctLatentGap, 800},
    {"vatilo", 0, Season::Latent, std::nullopt, kVatiloLatentEnvelope + 2488, kDuctLatentGap, 800},
    // The improved ducts: the same house, only its ducts published.
    {"vatilo-improved-ducts", 0, Season::Heating, Component::Ducts, 3170, kSealedDuctsGap, 2600},
    {"vatilo-improved-ducts", 0, Season::Heating, std::nullopt, kVatiloHeatingEnvelope + 3170, kSealedDuctsGap,
     2600},
    {"vatilo-improved-ducts", 0, Season::Sensible, Component::Ducts, 3449, kSealedDuctsGap, 2000},
    {"vatilo-improved-ducts", 0, Season::Sensible, std::nullopt, kVatiloSensibleEnvelope + 3449, kSealedDuctsGap,
     2300, true},
    {"vatilo-improved-ducts", 0, Season::Latent, Component::Ducts, 563},
    {"vatilo-improved-ducts", 0, Season::Latent, std::nullopt, kVatiloLatentEnvelope + 563, kLeakageGap, 150},
};

std::int64_t figureOf(const DetailedLoads& loads, const Published& row) {
  const ComponentLoads& parts = row.season == Season::Heating    ? loads.heating
                                : row.season == Season::Sensible ? loads.coolingSensible
                                                                 : loads.coolingLatent;
  if (row.component) return parts[*row.component];
  if (row.season == Season::Latent) return loads.coolingLatentTotal();
  return parts.total() - (row.withoutExcursion ? parts[Component::AedExcursion] : 0);
}

TEST(ReferenceHouses, TheDetailedLoadHoldsToThePublishedOne) {
  for (const char* house : {"long", "vatilo", "vatilo-improved-ducts"}) {
    const std::string path = std::string("reference/") + house + ".prj";
    const ProjectTables tables = testing::loadTestProject(path);
    EXPECT_TRUE(projectText(tables) == testing::readBytes(std::string(KOVRIN_TEST_DATA_DIR) + "/" + path)) << house;
    const DetailedDesign design = detailedDesign(tables);
    for (const Published& row : kPublished) {
      if (std::string(row.house) != house) continue;
      const DetailedLoads& loads = row.zone == 0 ? design.house : design.zones[static_cast<std::size_t>(row.zone - 1)];
      const std::int64_t figure = figureOf(loads, row);
      const double share = row.component ? 0.10 : 0.05;
      const double least = row.component ? (row.zone == 0 ? 300 : 100) : 0;
      const double allowed = row.gap ? static_cast<double>(row.allowed)
                                     : std::max(least, share * static_cast<double>(row.figure));
      SCOPED_TRACE(std::string(house) + " zone " + std::to_string(row.zone) + " season " +
                   std::to_string(static_cast<int>(row.season)) + " " +
                   (row.component ? std::string(kComponentWordings[static_cast<std::size_t>(*row.component)].jsonKey)
                                  : row.withoutExcursion ? "total without the AED excursion"
                                                         : "total") +
                   (row.gap ? std::string(" (") + row.gap + ")" : ""));
      EXPECT_LE(std::abs(static_cast<double>(figure - row.figure)), allowed)
          << "published " << row.figure << ", detailed " << figure;
    }
  }
}

}  // namespace
}  // namespace kovrin
