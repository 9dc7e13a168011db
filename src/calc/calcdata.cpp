#include "calc/calcdata.h"

#include "model/integerfields.h"
#include "toolkit/toolkit.h"

namespace kovrin {

void CalcData(ProjectModel& model, Toolkit& toolkit) {
  const int page = model.CurrentPage;
  const PageLoads loads = calculatePage(model.tables(), page, model.LoadChoice);

  // The results go to the fields that show their rows.
  for (int c = 1; c <= kZoneColumns; ++c) {
    toolkit.wdialogputinteger(integerRowField(irow::ZoneLoad(c)), loads.zoneLoad[c - 1]);
  }
  toolkit.wdialogputinteger(integerRowField(irow::PageLoadTotal), loads.total);
  for (int c = 1; c <= kZoneColumns; ++c) {
    toolkit.wdialogputinteger(integerRowField(irow::ZoneAirShare(c)), loads.airShare[c - 1]);
  }

  // The model keeps no page outside 1..5 to write to.
  if (page < 1 || page > kPages) return;
  // A total of 0 leaves the shares of the last run with a total in the model.
  if (loads.total != 0)
    for (int c = 1; c <= kZoneColumns; ++c)
      model.integer(page, irow::ZoneAirShare(c)) = loads.airShare[c - 1];
  // The loads live on the screen; the next transfer from the screen brings
  // them back into the model.
  for (int c = 1; c <= kZoneColumns; ++c) model.integer(page, irow::ZoneLoad(c)) = 0;
  model.integer(page, irow::PageLoadTotal) = 0;
}

}  // namespace kovrin
