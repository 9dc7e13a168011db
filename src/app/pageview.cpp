#include "app/pageview.h"

#include <string>

#include "app/projectdocument.h"
#include "calc/calcdata.h"
#include "equipment/housefigures.h"
#include "gui/gui.h"
#include "screen/fieldtables.h"
#include "model/zoneranges.h"
#include "screen/transfer.h"
#include "toolkit/toolkit.h"
#include "writers/balancechart.h"
#include "writers/housechart.h"

namespace kovrin {
namespace {

// The results on screen no longer belong to the inputs: the TOTALS row and
// the shares of the "CFM or %" row are dimmed until the next calculation.
void markResultsOutOfDate(Toolkit& toolkit) {
  for (int c = 1; c <= kZoneColumns; ++c) {
    toolkit.wdialogoutofdate(integerRowField(irow::ZoneLoad(c)), true);
    toolkit.wdialogoutofdate(integerRowField(irow::ZoneAirShare(c)), true);
  }
  toolkit.wdialogoutofdate(integerRowField(irow::PageLoadTotal), true);
}

}  // namespace

void showHouse(const ProjectDocument& document, Gui& gui) {
  if (!gui.houseViewIsOpen()) return;
  // The summary calculates every page afresh from its inputs.
  const ProjectTables& tables = document.model().tables();
  const HouseFigures figures = houseFigures(tables);
  gui.showHouse(figures.summary, figures.design, houseChartSvg(figures.summary), document.shownName());
  const EquipmentFigures& equipment = figures.equipment;
  gui.showBalanceChart(equipment.heatPump ? balanceChartSvg(*equipment.heatPump) : std::string());
}

void calculate(ProjectDocument& document, Gui& gui) {
  ProjectModel& model = document.model();
  GetData(model, document.toolkit());
  CalcData(model, document.toolkit());
  ShowLoadCaption(model.LoadChoice, document.toolkit());
  // Every calculation (Calculate, Print, a page change, New, Open, a
  // keystroke in spreadsheet mode) is followed by the house view.
  showHouse(document, gui);
}

void followChange(ProjectDocument& document, Gui& gui) {
  if (document.model().SpreadsheetMode == 1) {
    calculate(document, gui);
  } else {
    markResultsOutOfDate(document.toolkit());
  }
}

void showZonesStatus(Toolkit& toolkit, int page, ZonesLead lead) {
  toolkit.windowoutstatusbar(3, (lead == ZonesLead::Blank ? " " : "") + zonesText(page));
}

void showPageStatus(Toolkit& toolkit, int page, ZonesLead lead) {
  toolkit.windowoutstatusbar(1, " Page " + std::to_string(page));
  showZonesStatus(toolkit, page, lead);
}

}  // namespace kovrin
