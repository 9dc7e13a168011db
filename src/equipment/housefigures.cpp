#include "equipment/housefigures.h"

#include <string>
#include <utility>

#include "house/housewarnings.h"

namespace kovrin {

HouseFigures houseFigures(const ProjectTables& tables) {
  HouseFigures figures;
  figures.summary = summarizeHouse(tables);
  figures.design = designHouse(tables, figures.summary);
  if (std::string held = designWarning(figures.design); !held.empty()) {
    figures.summary.warnings.push_back(std::move(held));
  }
  figures.sized = sizedLoad(figures.design);
  figures.equipment = equipmentFigures(tables, figures.sized);
  return figures;
}

}  // namespace kovrin
