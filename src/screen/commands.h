// Command identifiers of the main menu (menu 30001). The menu table
// (screen/form.cpp) carries them; the toolkit hands them back in a
// menu-select message and processmenu dispatches on them. The sub-menu
// titles have identifiers of their own that select no command.
#pragma once

namespace kovrin {

// The identifiers are plain ints to the toolkit and the menu table.
enum Command : int {
  kCmdExit = 40001,
  kCmdPrint = 40002,
  kCmdFileMenu = 40003,
  kCmdHelp = 40004,
  kCmdSaveAs = 40005,
  kCmdSave = 40006,
  kCmdOpen = 40007,
  kCmdNew = 40008,
  kCmdZonesMenu = 40009,
  kCmdPage1 = 40010,  // zones 1..10; page n is kCmdPage1 + n - 1
  kCmdPage2 = 40011,
  kCmdPage3 = 40012,
  kCmdPage4 = 40013,
  kCmdPage5 = 40014,
  kCmdSpreadsheetMenu = 40015,
  kCmdCalculate = 40016,
  kCmdSpreadsheetOff = 40017,
  kCmdSpreadsheetOn = 40018,
  // Beyond the original menu: the whole house at once.
  kCmdHouseView = 40019,
  kCmdExportReport = 40020,
  kCmdProjectDetails = 40021,
  kCmdCopyCriteria = 40022,
  // Taking changes back, and the projects last worked on.
  kCmdEditMenu = 40023,
  kCmdUndo = 40024,
  kCmdRedo = 40025,
  kCmdRecentMenu = 40026,
  kCmdClearRecent = 40027,
  // The house's air and people, system airflow and sizing choice.
  kCmdAirAndPeople = 40028,
  kCmdRecentProject1 = 40030,  // the newest; the n-th is kCmdRecentProject1 + n - 1
  kCmdRecentProjectLast = 40037,
  // The page after and before the one on screen.
  kCmdNextPage = 40038,
  kCmdPreviousPage = 40039,
  // The equipment chosen for the house.
  kCmdEquipment = 40045,
  // The house's duct system.
  kCmdDucts = 40046,
  // The details of the zone that has the focus, beyond its five page values.
  kCmdZoneDetails = 40047,
};
// The entries of File > Open Recent.
inline constexpr int kRecentProjectEntries = kCmdRecentProjectLast - kCmdRecentProject1 + 1;

}  // namespace kovrin
