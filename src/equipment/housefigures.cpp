#include "equipment/housefigures.h"

namespace kovrin {

HouseFigures houseFigures(const ProjectTables& tables) {
  HouseFigures figures;
  figures.summary = summarizeHouse(tables);
  figures.design = designHouse(tables, figures.summary);
  figures.equipment = equipmentFigures(tables, figures.design.load);
  return figures;
}

}  // namespace kovrin
