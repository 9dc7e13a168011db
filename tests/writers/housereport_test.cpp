#include "writers/housereport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "sampleprojects.h"

namespace kovrin {
namespace {

std::size_t count(const std::string& text, std::string_view part) {
  std::size_t n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

TEST(HouseReport, FileNamesAndDatesCannotBreakTheDocument) {
  struct Case {
    const char* text;
    const char* escaped;
  };
  const Case cases[] = {
      {"smith_house.prj", "smith_house.prj"},
      {"a<b>&c\"d'e.prj", "a&lt;b&gt;&amp;c&quot;d&#39;e.prj"},
      {"x</style><script>.prj", "x&lt;/style&gt;&lt;script&gt;.prj"},
      {"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x8F\xA0.prj", "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x8F\xA0.prj"},
      // Not UTF-8: a lone byte, a cut sequence, an overlong form, a
      // surrogate, a control character.
      {"a\xFF" "b\xC3" "c\xC0\xAF" "d\xED\xA0\x80" "e\x01.prj",
       "a\xEF\xBF\xBD" "b\xEF\xBF\xBD" "c\xEF\xBF\xBD\xEF\xBF\xBD" "d\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"
       "e\xEF\xBF\xBD.prj"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.escaped);
    EXPECT_EQ(htmlEscaped(c.text), c.escaped);
    const std::string html = houseReportHtml({ProjectTables{}, c.text, c.text}, houseFigures(ProjectTables{}));
    // Named in the title, the header and the date, escaped every time; the
    // page footer holds both as a CSS string within its style element.
    EXPECT_GE(count(html, c.escaped), 3u);
    EXPECT_EQ(count(html, "</style>"), 2u);
    EXPECT_EQ(count(html, "<script"), 0u);
    EXPECT_EQ(html.find_first_of("\x01\xFF"), std::string::npos);
  }
}

TEST(HouseReport, SuggestedFileAndDate) {
  struct Case {
    const char* project;
    const char* pdf;
  };
  const Case cases[] = {
      {"/jobs/smith_house.prj", "/jobs/smith_house.pdf"},
      {"smith", "smith.pdf"},
      {"/jobs.2024/smith", "/jobs.2024/smith.pdf"},
      {"/jobs/.prj", "/jobs/.prj.pdf"},
      {"/jobs/", "/jobs/report.pdf"},
  };
  for (const Case& c : cases) EXPECT_EQ(reportPathFor(c.project, "pdf"), c.pdf);
  EXPECT_EQ(reportDateText(2025, 3, 1), "March 1, 2025");
  EXPECT_EQ(reportDateText(2024, 12, 31), "December 31, 2024");
  EXPECT_EQ(reportDateText(2024, 13, 1), "");
}

// The building department's summary names the windows' overhangs from the
// zones' own windows, and says when none are entered.
TEST(HouseReport, PermitSummaryCountsTheOverhangs) {
  const auto window = [](double depth) {
    WindowDetails w;
    w.area = 20;
    w.overhangDepth = depth;
    return w;
  };
  const struct {
    std::vector<std::vector<WindowDetails>> zones;
    const char* shown;
  } cases[] = {
      {{}, "<td>Overhangs</td><td><span class=\"none\">not entered</span>"},
      {{{window(0)}, {window(0)}}, "<td>Overhangs</td><td>none of 2 windows</td>"},
      {{{window(2), window(0)}, {window(1.5)}}, "<td>Overhangs</td><td>2 of 3 windows, 1.5 to 2\u00A0ft deep</td>"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown);
    ProjectTables tables;
    for (std::size_t z = 0; z < c.zones.size(); ++z) tables.Details.zones[z].windows = c.zones[z];
    const std::string html = houseReportHtml({tables, "p.prj", "March 1, 2025"}, houseFigures(tables));
    EXPECT_NE(html.find(c.shown), std::string::npos);
  }
}

// The report gives the equipment as entered and as the checks judge it: a
// dual fuel system's backup is its furnace, else the kW entered or not; a sensible
// capacity entered without the total is still entered; with nothing yet to
// check the equipment's section says so.
TEST(HouseReport, TheEquipmentAsEnteredAndJudged) {
  using V = EquipmentValue;
  const struct {
    SystemType system;
    std::vector<std::pair<V, double>> values;
    const char* shown;
  } cases[] = {
      {SystemType::DualFuel,
       {{V::FurnaceInput, 40000}, {V::Afue, 95}, {V::HeatPumpAt47, 24000}, {V::HeatPumpAt17, 19000}, {V::BackupKw, 5}},
       "<td>Backup heat</td><td>0\u00A0Btu/h needed, the furnace gives 38,000\u00A0Btu/h</td>"},
      {SystemType::HeatPump,
       {{V::HeatPumpAt47, 24000}, {V::HeatPumpAt17, 19000}, {V::BackupKw, 5}},
       "<td>Backup heat</td><td>0\u00A0Btu/h needed, 5\u00A0kW entered</td>"},
      {SystemType::HeatPump,
       {{V::HeatPumpAt47, 24000}, {V::HeatPumpAt17, 19000}},
       "<td>Backup heat</td><td>0\u00A0Btu/h needed, kW <span class=\"none\">not entered</span></td>"},
      {SystemType::HeatPump, {{V::CoolingSensible, 18000}}, "<td>Cooling capacity, sensible</td><td>18,000\u00A0Btu/h</td>"},
      {SystemType::FurnaceAndAirConditioner, {{V::Bedrooms, 3}},
       "<h2>Equipment against the design load</h2>\n<p>Nothing to check yet.</p>"},
      {SystemType::FurnaceAndAirConditioner, {{V::FurnaceInput, 40000}, {V::Afue, 95}},
       "<td>Heat pump capacity at design</td><td>none: a furnace and air conditioner</td></tr>\n"
       "<tr><td>Backup heat</td><td>none: a furnace and air conditioner</td>"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown);
    ProjectTables tables;
    tables.Equipment.System = c.system;
    for (const auto& [value, number] : c.values) tables.Equipment[value] = number;
    const std::string html = houseReportHtml({tables, "p.prj", "March 1, 2025"}, houseFigures(tables));
    EXPECT_NE(html.find(c.shown), std::string::npos) << html;
  }
}

// The building department's loads are those the equipment is sized for and
// judged against: sized for its worst orientation, the house's cooling is
// that turn's (Vatilo's 30,258 Btu/h turned 315°), and the page says so.
TEST(HouseReport, PermitSummaryGivesTheLoadsSizedFor) {
  ProjectTables tables = testing::loadTestProject("reference/vatilo.prj");
  tables.House.SizeFor = SizingOrientation::Worst;
  const HouseFigures figures = houseFigures(tables);
  const DesignLoad sized = sizedLoad(figures.design);
  ASSERT_NE(sized.coolingTotal, figures.design.load.coolingTotal);
  const std::string html = houseReportHtml({tables, "p.prj", "March 1, 2025"}, figures);
  const std::string page = html.substr(0, html.find("<h1 class=\"page\">"));
  for (const auto& [label, value] : {std::pair{"Heating", sized.heating}, {"Cooling, sensible", sized.coolingSensible},
                                     {"Cooling, latent", sized.coolingLatent}, {"Cooling, total", sized.coolingTotal}}) {
    EXPECT_NE(page.find(std::string("<td>") + label + "</td><td>" + figureText(value, 0, Grouping::Thousands)),
              std::string::npos)
        << label;
  }
  EXPECT_NE(page.find("<td>Cooling sized for</td><td>the house turned "), std::string::npos);
}

}  // namespace
}  // namespace kovrin
