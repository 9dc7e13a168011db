#include "calc/calcdata.h"

#include <array>

#include "toolkit/toolkit.h"

namespace kovrin {
namespace {

// Result fields of the input screen.
constexpr std::array<int, kZoneColumns> kZoneLoadFields{1155, 1156, 1157, 1158, 1159,
                                                         1160, 1161, 1162, 1163, 1164};
constexpr int kPageLoadTotalField = 1165;
// 1175 is the caption of the "CFM or %" row.
constexpr std::array<int, kZoneColumns> kZoneAirShareFields{1173, 1174, 1176, 1177, 1178,
                                                             1179, 1180, 1181, 1182, 1183};

}  // namespace

void CalcData(ProjectModel& model, Toolkit& toolkit) {
  const int page = model.CurrentPage;
  const PageLoads loads = calculatePage(model.tables(), page, model.LoadChoice);

  for (int c = 0; c < kZoneColumns; ++c) toolkit.wdialogputinteger(kZoneLoadFields[c], loads.zoneLoad[c]);
  toolkit.wdialogputinteger(kPageLoadTotalField, loads.total);
  for (int c = 0; c < kZoneColumns; ++c)
    toolkit.wdialogputinteger(kZoneAirShareFields[c], loads.airShare[c]);

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
