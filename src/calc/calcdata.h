// CalcData: the page calculation of the page on screen, its results shown in
// the TOTALS and "CFM or %" rows of the input screen through the toolkit.
#pragma once

#include "calc/pageloads.h"
#include "model/model.h"

namespace kovrin {

class Toolkit;

// Calculate the current page of the model with its LoadChoice, show the 21
// results with wdialogputinteger (1155..1164, 1165, 1173, 1174, 1176..1183;
// the ten shares show 0 when the total is 0), store the shares in the model
// only when the total is not 0, and set ZoneLoad and PageLoadTotal of the
// current page to 0 in the model: the screen holds the loads until the next
// transfer from the screen brings them back.
void CalcData(ProjectModel& model, Toolkit& toolkit);

}  // namespace kovrin
