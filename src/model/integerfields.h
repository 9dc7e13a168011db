// Which field of the input screen shows each row of PageIntegers: the
// screen's tables (screen/fieldtables.h) start from it, and CalcData writes
// its results (the zone loads, the page total, the airflow shares) to the
// fields it names. It lives with the model, below both, so that the
// calculation need not see the screen.
#pragma once

#include <array>

#include "model/model.h"

namespace kovrin {

// PageIntegers rows 1..30. 1175, between the airflow shares of columns 2
// and 3, is the caption of the "CFM or %" row.
inline constexpr std::array<int, kPageIntegerRows> kIntegerRowFields = {
    1036, 1038,                                        //  1, 2   thermostats, summer and winter
    1114, 1126, 1139, 1151,                            //  3.. 6  PartitionDT, columns 7..10
    1155, 1156, 1157, 1158, 1159,                      //  7..16  ZoneLoad, columns 1..10
    1160, 1161, 1162, 1163, 1164,                      //
    1165,                                              // 17      PageLoadTotal
    1005, 1026,                                        // 18, 19  design temperatures
    1173, 1174, 1176, 1177, 1178,                      // 20..29  ZoneAirShare, columns 1..10
    1179, 1180, 1181, 1182, 1183,                      //
    1184,                                              // 30      PageAirTotal
};

constexpr int integerRowField(int row) { return kIntegerRowFields[row - 1]; }

}  // namespace kovrin
