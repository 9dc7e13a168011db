#include "writers/summarywriters.h"

#include <gtest/gtest.h>

#include <regex>

#include "house/housedesign.h"
#include "house/housesummary.h"
#include "sampleprojects.h"

namespace kovrin {
namespace {

using testing::loadSample;

// A spreadsheet takes a text cell that begins like a formula as text, and a
// terminal shows a name's control characters as \xNN.
TEST(SummaryWriters, FormatsNameTheProjectSafely) {
  HouseSummary summary = summarizeHouse(loadSample("sparse.prj"));
  const HouseDesign design = designHouse(loadSample("sparse.prj"));
  struct Case {
    const char* project;
    const char* csvStart;
    const char* jsonStart;
    const char* textStart;
  };
  const Case cases[] = {
      {"plain.prj", "plain.prj,zone,3,1,", "{\"project\":\"plain.prj\",", "Project: plain.prj\n"},
      {"a,b\"c.prj", "\"a,b\"\"c.prj\",zone,3,1,", "{\"project\":\"a,b\\\"c.prj\",", "Project: a,b\"c.prj\n"},
      {"back\\slash\ttab.prj", "back\\slash\ttab.prj,zone,", "{\"project\":\"back\\\\slash\\u0009tab.prj\",",
       "Project: back\\slash\\x09tab.prj\n"},
      {"=HYPERLINK(\"http://x\").prj", "\"'=HYPERLINK(\"\"http://x\"\").prj\",zone,3,1,", "{\"project\":\"=HYPER",
       ""},
      {"+1.prj", "\"'+1.prj\",zone,", "", ""},
      {"-2.prj", "\"'-2.prj\",zone,", "", ""},
      {"@SUM(A1).prj", "\"'@SUM(A1).prj\",zone,", "", ""},
      {"\tx.prj", "\"'\tx.prj\",zone,", "", "Project: \\x09x.prj\n"},
      {"\rx.prj", "\"'\rx.prj\",zone,", "", "Project: \\x0dx.prj\n"},
      {"\x1B]0;T\a\x1B[2J\xC2\x9B\xE2\x80\xAE.prj", "", "",
       "Project: \\x1b]0;T\\x07\\x1b[2J\\xc2\\x9b\\xe2\\x80\\xae.prj\n"},
  };
  summary.zones[2].name = "=1+1";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.project);
    const std::string csv = summaryCsv(summary, design, {}, c.project, false);
    EXPECT_EQ(csv.rfind(c.csvStart, 0), 0u) << csv;
    EXPECT_NE(csv.find(",\"'=1+1\","), std::string::npos) << csv;
    EXPECT_EQ(summaryJson(summary, design, {}, c.project, false).rfind(c.jsonStart, 0), 0u);
    EXPECT_EQ(summaryText(summary, design, {}, c.project, false).rfind(c.textStart, 0), 0u);
  }
}

TEST(SummaryWriters, JsonHoldsNumbersAsNumbers) {
  const ProjectTables sparse = loadSample("sparse.prj");
  const std::string json = summaryJson(summarizeHouse(sparse), designHouse(sparse), {}, "sparse.prj", true);
  // The members of the design follow; the design project's golden holds them.
  EXPECT_EQ(json.substr(0, json.find(",\"designLoad\":")) + "}\n",
            "{\"project\":\"sparse.prj\",\"details\":{\"client\":\"\",\"siteAddress\":\"\",\"designer\":\"\","
            "\"designDate\":\"\",\"note\":\"\"},\"warnings\":[],\"zones\":[{\"zone\":3,\"page\":1,"
            "\"column\":3,\"heating\":2186,\"cooling\":2067,\"heatingAirShare\":100,\"coolingAirShare\":100,"
            "\"floorArea\":150,\"heatingPerFloorArea\":14.6,\"coolingPerFloorArea\":13.8,\"name\":\"\","
            "\"heatingParts\":{\"doors\":388,\"floor\":555,\"roof\":278,\"walls\":355,\"glass\":610},"
            "\"coolingParts\":{\"doors\":195,\"floor\":0,\"roof\":292,\"walls\":178,\"glass\":1402},"
            "\"heatingAirflow\":null,\"coolingAirflow\":null,\"design\":{\"heating\":4084,\"coolingSensible\":3233,"
            "\"coolingLatent\":0,\"components\":{\"heating\":{\"windows\":611,\"skylights\":0,"
            "\"doors\":389,\"walls\":355,\"roofs\":0,\"ceilings\":278,\"floors\":0,\"slabs\":2451,"
            "\"infiltration\":0,\"ventilation\":0,\"internalGains\":0,\"blowerHeat\":0,\"ducts\":0,"
            "\"aedExcursion\":0},\"coolingSensible\":{\"windows\":2059,\"skylights\":0,\"doors\":273,"
            "\"walls\":169,\"roofs\":0,\"ceilings\":375,\"floors\":0,\"slabs\":0,\"infiltration\":0,"
            "\"ventilation\":0,\"internalGains\":0,\"blowerHeat\":0,\"ducts\":0,\"aedExcursion\":357},"
            "\"coolingLatent\":{\"windows\":0,\"skylights\":0,\"doors\":0,\"walls\":0,\"roofs\":0,"
            "\"ceilings\":0,\"floors\":0,\"slabs\":0,\"infiltration\":0,\"ventilation\":0,\"internalGains\":0,"
            "\"blowerHeat\":0,\"ducts\":0,\"aedExcursion\":0}}}}],\"pages\":[{\"page\":1,\"heating\":2186,"
            "\"cooling\":2067,\"airTotal\":100},{\"page\":2,\"heating\":0,\"cooling\":0,\"airTotal\":100},"
            "{\"page\":3,\"heating\":0,\"cooling\":0,\"airTotal\":100},{\"page\":4,\"heating\":0,"
            "\"cooling\":0,\"airTotal\":100},{\"page\":5,\"heating\":0,\"cooling\":0,\"airTotal\":100}],"
            "\"house\":{\"heating\":4084,\"cooling\":4940,\"coolingTons\":0.41,\"floorArea\":150,"
            "\"heatingPerFloorArea\":27.2,\"coolingPerFloorArea\":32.9,\"floorAreaPerTon\":364,"
            "\"rooms\":{\"heating\":2186,\"cooling\":2067,\"coolingTons\":0.17,\"floorArea\":150,"
            "\"heatingPerFloorArea\":14.6,\"coolingPerFloorArea\":13.8,\"floorAreaPerTon\":871}}}\n");
}

// Loads that fill their columns still stand apart: no digit runs into the
// sign of the next number.
TEST(SummaryWriters, TextColumnsNeverRunTogether) {
  ProjectTables tables = loadSample("house.prj");
  for (int p = 1; p <= kPages; ++p) {
    tables.integer(p, irow::SummerThermostat) = 2147483647;
    tables.integer(p, irow::WinterThermostat) = 2147483647;
  }
  const std::string text = summaryText(summarizeHouse(tables), designHouse(tables), {}, "house.prj", true);
  EXPECT_FALSE(std::regex_search(text, std::regex("[0-9]-"))) << text;
}

}  // namespace
}  // namespace kovrin
