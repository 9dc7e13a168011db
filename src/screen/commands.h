// Command identifiers of the main menu (menu 30001). The menu table
// (screen/form.cpp) carries them; the toolkit hands them back in a
// menu-select message and processmenu dispatches on them. The three
// sub-menu titles have identifiers of their own that select no command.
#pragma once

namespace kovrin {

inline constexpr int kCmdExit = 40001;
inline constexpr int kCmdPrint = 40002;
inline constexpr int kCmdFileMenu = 40003;
inline constexpr int kCmdHelp = 40004;
inline constexpr int kCmdSaveAs = 40005;
inline constexpr int kCmdSave = 40006;
inline constexpr int kCmdOpen = 40007;
inline constexpr int kCmdNew = 40008;
inline constexpr int kCmdZonesMenu = 40009;
inline constexpr int kCmdPage1 = 40010;  // zones 1..10; page n is kCmdPage1 + n - 1
inline constexpr int kCmdPage2 = 40011;
inline constexpr int kCmdPage3 = 40012;
inline constexpr int kCmdPage4 = 40013;
inline constexpr int kCmdPage5 = 40014;
inline constexpr int kCmdSpreadsheetMenu = 40015;
inline constexpr int kCmdCalculate = 40016;
inline constexpr int kCmdSpreadsheetOff = 40017;
inline constexpr int kCmdSpreadsheetOn = 40018;
// Beyond the original menu: the whole house at once.
inline constexpr int kCmdHouseView = 40019;
inline constexpr int kCmdExportReport = 40020;
inline constexpr int kCmdProjectDetails = 40021;

}  // namespace kovrin
