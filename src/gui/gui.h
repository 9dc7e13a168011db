// Kovrin's own windows and dialogs, beside the toolkit's main window and
// input screen: the house view, the Project Details and the House Air and
// People dialogs and the house report's PDF export.
//
// The program calls them through this interface, which names no Qt type;
// QtWindows (gui/qtwindows.h) implements it on Qt 6 Widgets. Like the
// toolkit's dialogs they are modal where they take an answer, and what the
// user does in a window of its own (a zone chosen in the house view) comes
// to the main loop as a toolkit message, in turn with the others.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "house/housedesign.h"
#include "house/housesummary.h"
#include "model/fileresult.h"
#include "model/model.h"
#include "toolkit/toolkit.h"
#include "writers/housereport.h"

namespace kovrin {

// The messages the program's own windows post, all of them. The toolkit
// numbers its always-enabled kFileDropped among them, at 101, and keeps
// 101 to 109 for such messages of its own (toolkit/toolkit.h): the first
// is at kFirstOwnMessage, the others from kFirstOwnMessage + 10 on.
//
// A zone chosen in the house view (double-click, or Enter on its row);
// value1 is the zone, 1..50.
inline constexpr std::int32_t kZoneChosen = kFirstOwnMessage;
// The house view's line "Air and people not entered..." (or its link to
// change them) was clicked: the House Air and People dialog is wanted.
inline constexpr std::int32_t kAirAndPeopleWanted = kFirstOwnMessage + 10;
static_assert(kZoneChosen != kFileDropped && kAirAndPeopleWanted > kFileDropped + 8,
              "the program's messages stay clear of the toolkit's");

// What the House Air and People dialog edits: the house's values and its
// details for the detailed design load.
struct HouseEntries {
  HouseValues values;
  HouseDetails details;

  friend bool operator==(const HouseEntries&, const HouseEntries&) = default;
};

class Gui {
 public:
  virtual ~Gui() = default;

  // The house view, a window of its own beside the main window: open it (or
  // bring it to the front), whether it is open, and the house it shows with
  // its design, its chart (SVG text) and the project's name as the user
  // knows it.
  virtual void openHouseView() = 0;
  virtual bool houseViewIsOpen() const = 0;
  virtual void showHouse(const HouseSummary& summary, const HouseDesign& design, std::string_view chartSvg,
                         std::string_view project) = 0;
  // A heat pump's balance-point chart (SVG text) beside the bar chart; empty
  // for none.
  virtual void showBalanceChart(std::string_view svg) = 0;

  // The modal Project Details dialog: true when OK closed it and a detail
  // changed, which `details` then holds.
  virtual bool editJobDetails(JobDetails& details) = 0;

  // The modal House Air and People dialog over `project` (the page on screen
  // as it stands), which shows its design load as it would become: the
  // house's values and details when OK closed it and any changed, none
  // otherwise.
  virtual std::optional<HouseEntries> editAirAndPeople(const ProjectTables& project) = 0;

  // The modal Zone Details dialog of zone 1..50 over `project`, which shows
  // the zone's detailed loads as they would become: the zone's details when
  // OK closed it and any changed, none otherwise.
  virtual std::optional<ZoneDetails> editZoneDetails(const ProjectTables& project, int zone) = 0;

  // The modal House Equipment dialog over `project`, which checks the
  // equipment against its design load: the equipment when OK closed it and
  // anything changed, none otherwise.
  virtual std::optional<Equipment> editEquipment(const ProjectTables& project) = 0;

  // The modal Ducts dialog over `project`: the duct system when OK closed
  // it and anything changed, none otherwise.
  virtual std::optional<DuctSystem> editDucts(const ProjectTables& project) = 0;

  // Write the house report, with its figures, as a PDF file at `path`,
  // replacing it whole or not at all; a failure names the file and the
  // reason.
  virtual FileResult exportReport(const HouseReport& report, const HouseFigures& figures, std::string_view path) = 0;
};

}  // namespace kovrin
