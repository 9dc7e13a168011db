// Kovrin's own windows on Qt 6 Widgets, beside the toolkit's main window:
// the house view, made when first opened, the Project Details and House Air
// and People dialogs and the PDF export. The dialogs are modal over the main
// window; a zone chosen in the house view is posted to the toolkit's message
// queue as kZoneChosen, a click on its line about the air and people as
// kAirAndPeopleWanted.
#pragma once

#include <QPointer>

#include "gui/gui.h"

class QWidget;

namespace kovrin {

class HouseView;
class QtToolkit;

class QtWindows final : public Gui {
 public:
  // The toolkit whose main window parents the dialogs and whose queue takes
  // the messages; it outlives this object.
  explicit QtWindows(QtToolkit& toolkit);
  ~QtWindows() override;
  QtWindows(const QtWindows&) = delete;
  QtWindows& operator=(const QtWindows&) = delete;

  void openHouseView() override;
  bool houseViewIsOpen() const override;
  void showHouse(const HouseSummary& summary, const HouseDesign& design, std::string_view chartSvg,
                 std::string_view project) override;
  bool editJobDetails(JobDetails& details) override;
  std::optional<HouseEntries> editAirAndPeople(const ProjectTables& project) override;
  std::optional<ZoneDetails> editZoneDetails(const ProjectTables& project, int zone) override;
  std::optional<Equipment> editEquipment(const ProjectTables& project) override;
  void showBalanceChart(std::string_view svg) override;
  std::optional<DuctSystem> editDucts(const ProjectTables& project) override;
  FileResult exportReport(const HouseReport& report, const HouseFigures& figures, std::string_view path) override;

  // The house view; null until it was first opened.
  HouseView* houseView() const;

 private:
  QtToolkit& m_toolkit;
  QPointer<HouseView> m_house;
  // The view is placed again once its first figures are in: a whole
  // house's tables ask more room than the empty view's.
  bool m_placeOnceFilled = false;
};

}  // namespace kovrin
