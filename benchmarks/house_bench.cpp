// The whole house in the window: the house view brought up to date for 50
// zones and both loads (the summary, the chart's SVG text and the widget),
// with and without painting it, a heat pump's balance-point chart beside;
// the design load with the house turned and the sizes; and the PDF export
// of a full house's report with every section. They run in kovrin_bench's
// working folder, on the real widgets.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QString>

#include "ducts/ductload.h"
#include "detailed/detailedload.h"
#include "fullhouse.h"
#include "gui/designpanel.h"
#include "gui/housereportpdf.h"
#include "gui/houseview.h"
#include "house/housedesign.h"
#include "house/housesummary.h"
#include "equipment/housefigures.h"
#include "writers/balancechart.h"
#include "writers/housechart.h"
#include "writers/housereport.h"

namespace kovrin {
namespace {

// Two houses that differ in one zone's wall, as after a keystroke: the view
// gets new loads, a new design load and a new chart each time.
struct Houses {
  ProjectTables tables[2];
  Houses() {
    fillHouse(tables[0]);
    enterHouseValues(tables[0]);
    enterEquipment(tables[0]);
    enterZoneDetails(tables[0]);
    tables[1] = tables[0];
    tables[1].zone(3, 4, ZoneQuantity::WallArea) += 10.0f;
  }
};

void update(HouseView& view, const ProjectTables& tables) {
  const HouseFigures figures = houseFigures(tables);
  view.setSummary(figures.summary, figures.design, houseChartSvg(figures.summary));
  const EquipmentFigures& equipment = figures.equipment;
  view.setBalanceChart(equipment.heatPump ? balanceChartSvg(*equipment.heatPump) : std::string());
}

// The view on screen at a size that shows table, design and chart,
// alternating between the two houses; painted at once after each update, or
// not. The update is what the program does: the summary, the design load
// with the eight turns and the sizes, the chart text and the view.
void updateView(benchmark::State& state, bool paint) {
  const Houses houses;
  HouseView view;
  view.resize(860, 900);
  view.show();
  QApplication::processEvents();
  std::size_t i = 0;
  for (auto _ : state) {
    update(view, houses.tables[i++ % 2]);
    if (paint) view.repaint();
  }
  QApplication::processEvents();
}

void HouseView_update(benchmark::State& state) { updateView(state, false); }
BENCHMARK(HouseView_update)->UseRealTime();

void HouseView_updateAndPaint(benchmark::State& state) { updateView(state, true); }
BENCHMARK(HouseView_updateAndPaint)->UseRealTime();

void HouseSummary_alone(benchmark::State& state) {
  const Houses houses;
  for (auto _ : state) benchmark::DoNotOptimize(summarizeHouse(houses.tables[0]));
}
BENCHMARK(HouseSummary_alone)->UseRealTime();

// The design load with the eight turns of the house (8 detailed design
// loads of 50 zones with four windows each, and 8 x 5 cooling pages for the
// rooms' figures), the sizes that fit and the zones' airflow, every house
// value and detail entered: what the house view adds to its update.
void HouseDesign_alone(benchmark::State& state) {
  const ProjectTables tables = Houses().tables[0];
  for (auto _ : state) benchmark::DoNotOptimize(designHouse(tables));
}
BENCHMARK(HouseDesign_alone)->UseRealTime();

// The same with a duct system entered (ducts in a vented attic, proposed
// surfaces, average sealing): the design load takes its load in each of the
// eight detailed design loads, since the airflow follows each turn's loads.
void HouseDesign_withDucts(benchmark::State& state) {
  ProjectTables tables = Houses().tables[0];
  tables.Ducts.SupplyLocation = tables.Ducts.ReturnLocation = DuctLocation::VentedAttic;
  for (auto _ : state) benchmark::DoNotOptimize(designHouse(tables));
}
BENCHMARK(HouseDesign_withDucts)->UseRealTime();

// One detailed design load of that house, as drawn.
void DetailedDesign_alone(benchmark::State& state) {
  const ProjectTables tables = Houses().tables[0];
  for (auto _ : state) benchmark::DoNotOptimize(detailedDesign(tables));
}
BENCHMARK(DetailedDesign_alone)->UseRealTime();

// The view's design part brought up to date alone, alternating between the
// designs of the two houses.
void DesignPanel_updateAlone(benchmark::State& state) {
  const Houses houses;
  const HouseDesign designs[2] = {designHouse(houses.tables[0]), designHouse(houses.tables[1])};
  DesignPanel panel;
  panel.show();
  QApplication::processEvents();
  std::size_t i = 0;
  for (auto _ : state) panel.setDesign(designs[i++ % 2]);
  QApplication::processEvents();
}
BENCHMARK(DesignPanel_updateAlone)->UseRealTime();

void HouseChart_svgAlone(benchmark::State& state) {
  const HouseSummary summary = summarizeHouse(Houses().tables[0]);
  for (auto _ : state) benchmark::DoNotOptimize(houseChartSvg(summary));
}
BENCHMARK(HouseChart_svgAlone)->UseRealTime();

void HouseReport_htmlAlone(benchmark::State& state) {
  const HouseReport report{Houses().tables[0], "house.prj", "March 1, 2025"};
  for (auto _ : state) benchmark::DoNotOptimize(houseReportHtml(report, houseFigures(report.tables)));
}
BENCHMARK(HouseReport_htmlAlone)->UseRealTime();

void HouseReport_pdfExport(benchmark::State& state) {
  const HouseReport report{Houses().tables[0], "house.prj", "March 1, 2025"};
  for (auto _ : state) {
    const FileResult written = exportHouseReportPdf(report, houseFigures(report.tables), QStringLiteral("house.pdf"));
    if (!written) state.SkipWithError(written.message.c_str());
  }
}
BENCHMARK(HouseReport_pdfExport)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kovrin
