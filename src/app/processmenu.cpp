#include "app/processmenu.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "app/filecommands.h"
#include "app/pageview.h"
#include "app/projectdocument.h"
#include "app/recentprojects.h"
#include "calc/calcdata.h"
#include "gui/gui.h"
#include "model/pagecriteria.h"
#include "model/programnames.h"
#include "report/loadreport.h"
#include "screen/commands.h"
#include "screen/fieldtables.h"
#include "screen/form.h"
#include "screen/transfer.h"
#include "toolkit/toolkit.h"
#include "writers/housereport.h"

namespace kovrin {
namespace {

// The three credit texts of start-up: where the maker is, who the maker is,
// and since when. The leading tab centres each in its part.
constexpr std::string_view kCreditLocation = "\tMade in Lakeside, Minnesota";
constexpr std::string_view kCreditMaker = "\tKovrin Load Software";
constexpr std::string_view kCreditYear = "\tIn business since 1986";

// A key typed into it is part of a change the user has not finished; a list
// or a radio button changes at once.
bool isTypedField(int field) {
  if (field == kHeatingButton || field == kCoolingButton) return false;
  return std::ranges::none_of(kListFields, [field](const SelectionList& list) { return list.field == field; });
}

// The Spreadsheet menu marks the mode in force.
void setSpreadsheetMode(ProjectDocument& document, std::int32_t mode) {
  document.model().SpreadsheetMode = mode;
  document.toolkit().windowmenucheck(kCmdSpreadsheetOn, mode == 1);
  document.toolkit().windowmenucheck(kCmdSpreadsheetOff, mode != 1);
}

// Undo (Redo): the user's values as they were before (after) the step, on
// the screen and in the model, as if the user had entered them; the place
// of the change takes the focus.
void stepHistory(ProjectDocument& document, Gui& gui, bool back) {
  const std::optional<int> place = document.step(back);
  if (!place) return;
  ProjectModel& model = document.model();
  Toolkit& toolkit = document.toolkit();
  PutData(model, toolkit);
  toolkit.wdialogputinteger(integerRowField(irow::PageAirTotal), model.integer(model.CurrentPage, irow::PageAirTotal));
  if (*place != 0) {
    toolkit.wdialogfocus(*place);
    followChange(document, gui);
  } else {
    showHouse(document, gui);
  }
}

void openHouseView(ProjectDocument& document, Gui& gui) {
  gui.openHouseView();
  showHouse(document, gui);
}

// The details travel with the project file: a change is an edit, which
// the house view's title follows.
void editJobDetails(ProjectDocument& document, Gui& gui) {
  if (!gui.editJobDetails(document.model().Job)) return;
  document.recordCommand("Project Details");
  showHouse(document, gui);
}

// A dialog's change to the project: taken into the model by `take`, kept as
// one edit named `what`, and followed by the house view. Nothing when the
// dialog was cancelled or nothing changed.
template <class Value, class Take>
void takeEdit(ProjectDocument& document, Gui& gui, const std::optional<Value>& edited, std::string_view what,
              Take take) {
  if (!edited) return;
  take(document.model(), *edited);
  document.recordCommand(what);
  showHouse(document, gui);
}

// House Air and People: the house's values of the design load, over the
// project as it stands on screen.
void editAirAndPeople(ProjectDocument& document, Gui& gui) {
  takeEdit(document, gui, gui.editAirAndPeople(document.model().tables()), "House Air and People",
           [](ProjectModel& model, const HouseEntries& entries) {
             model.House = entries.values;
             model.Details.house = entries.details;
           });
}

// House Equipment: the system chosen for the house, checked against its
// design load.
void editEquipment(ProjectDocument& document, Gui& gui) {
  takeEdit(document, gui, gui.editEquipment(document.model().tables()), "House Equipment",
           [](ProjectModel& model, const Equipment& equipment) { model.Equipment = equipment; });
}

// Ducts: the house's duct system.
void editDucts(ProjectDocument& document, Gui& gui) {
  takeEdit(document, gui, gui.editDucts(document.model().tables()), "Ducts",
           [](ProjectModel& model, const DuctSystem& ducts) { model.Ducts = ducts; });
}

// Zone Details of zone 1..50, over the project as it stands on screen.
void editZoneDetails(ProjectDocument& document, Gui& gui, int zone) {
  takeEdit(document, gui, gui.editZoneDetails(document.model().tables(), zone),
           "Details of Zone " + std::to_string(zone),
           [zone](ProjectModel& model, const ZoneDetails& details) { model.Details.zone(zone) = details; });
}

// A zone chosen in the house view: its page, shown as the Zones command
// shows it, with the focus in its column, and its Zone Details over it.
void goToZone(ProjectDocument& document, Gui& gui, std::int32_t zone) {
  if (zone < 1 || zone > kZones) return;
  const int page = (zone - 1) / kZoneColumns + 1;
  const int column = (zone - 1) % kZoneColumns + 1;
  changePage(document, gui, page);
  if (document.model().CurrentPage != page) return;
  document.toolkit().wdialogfocus(zoneField(column, ZoneQuantity::DoorU));
  document.model().FocusColumn = column;
  editZoneDetails(document, gui, zone);
}

// Copy Criteria to All Pages: the design conditions of the page on screen
// for all five pages, once the user agrees; an edit like any other.
void copyCriteria(ProjectDocument& document, Gui& gui) {
  ProjectModel& model = document.model();
  Toolkit& toolkit = document.toolkit();
  bool alike = true;
  for (int page = 1; page <= kPages; ++page) {
    for (const PageCriteriaPair& pair : kPageCriteria) alike = alike && sameCriteria(model, pair, page, model.CurrentPage);
  }
  if (alike) {
    toolkit.windowstatusmessage("All five pages use these design conditions already.");
    return;
  }
  if (!toolkit.wquestion(kProgramTitle, "Use these design conditions on all five pages?")) return;
  copyPageCriteria(model, model.CurrentPage);
  document.recordCommand("Copy Criteria to All Pages");
  showHouse(document, gui);
  toolkit.windowstatusmessage("All five pages use the design conditions of page " +
                              std::to_string(model.CurrentPage) + " now.");
}

// The first change of a page's design conditions says, once, that the other
// pages keep theirs.
void notePageCriteria(ProjectDocument& document, int field) {
  ProjectModel& model = document.model();
  if (model.PageCriteriaNoted) return;
  for (const PageCriteriaPair& pair : kPageCriteria) {
    for (const int row : {pair.summerRow, pair.winterRow}) {
      if (field != (pair.real ? realRowField(row) : integerRowField(row))) continue;
      model.PageCriteriaNoted = true;
      document.toolkit().windowstatusmessage("This changes page " + std::to_string(model.CurrentPage) +
                                             " only: the other pages keep their own design conditions. Zones > "
                                             "Copy Criteria to All Pages gives them these.");
      return;
    }
  }
}

// Export Report: the house report of the project as it stands on screen, as
// a PDF file the user names, beside the project by default.
void exportReport(ProjectDocument& document, Gui& gui) {
  Toolkit& toolkit = document.toolkit();
  std::string name = document.isNamed() ? reportPathFor(document.model().ProjectFileName.path(), "pdf")
                                        : std::string("house report.pdf");
  if (!toolkit.wselectfile2("PDF documents|*.pdf|", kSaveDialog | kDefaultExtension, name, "Export Report",
                            "Export"))
    return;
  if (!mayReplaceFile(toolkit, name)) return;
  const HouseReport report{document.model().tables(), document.shownName(), reportDateToday()};
  const FileResult written = gui.exportReport(report, houseFigures(report.tables), name);
  if (!written) {
    toolkit.wmessagebox(kProgramTitle, written.message);
    return;
  }
  toolkit.windowstatusmessage("The house report is written to " + name);
}

// The report's loads and shares are always those of its inputs and of its
// Heating/Cooling line: the page is calculated first, as Calculate does.
void printReport(ProjectDocument& document, Gui& gui) {
  ProjectModel& model = document.model();
  Toolkit& toolkit = document.toolkit();
  calculate(document, gui);
  // The calculation puts the loads on the screen and clears them in the
  // model; read back, they are in the model for the report to print.
  GetData(model, toolkit);
  const FileResult written = PrintData(model);
  if (!written) {
    toolkit.wmessagebox(kProgramTitle, written.message);
    return;  // nothing is printed
  }
  // Cancel in the printing options prints nothing; out.dat stays written.
  // Printed to a file, the report is proposed beside the project, named
  // after it and its page: "smith_house page 2.pdf".
  constexpr std::string_view kPdf = ".pdf";
  std::string pdf = document.isNamed() ? reportPathFor(model.ProjectFileName.path(), "pdf") : "load report.pdf";
  pdf.insert(pdf.size() - kPdf.size(), " page " + std::to_string(model.CurrentPage));
  if (toolkit.whardcopyoptionstext(pdf)) toolkit.igrhardcopytextfile(kReportFileName);
}

// A page of the Zones menu, or the next or previous page where there is one.
template <int kPage>
void showPage(ProjectDocument& document, Gui& gui) {
  changePage(document, gui, kPage);
}
template <int kStep>
void stepPage(ProjectDocument& document, Gui& gui) {
  const int page = document.model().CurrentPage + kStep;
  if (page >= 1 && page <= kPages) changePage(document, gui, page);
}

// The menu's commands, Exit and Open Recent aside.
struct MenuCommand {
  int id;
  void (*run)(ProjectDocument&, Gui&);
};
constexpr std::array kMenuCommands = {
    MenuCommand{kCmdNew, newProject},
    MenuCommand{kCmdOpen, openProject},
    // A project named by its save: the house view's title names it at once.
    MenuCommand{kCmdSave, [](ProjectDocument& d, Gui& g) { if (saveProject(d)) showHouse(d, g); }},
    MenuCommand{kCmdSaveAs, [](ProjectDocument& d, Gui& g) { if (saveProjectAs(d)) showHouse(d, g); }},
    MenuCommand{kCmdPrint, printReport},
    MenuCommand{kCmdExportReport, exportReport},
    MenuCommand{kCmdProjectDetails, editJobDetails},
    MenuCommand{kCmdAirAndPeople, editAirAndPeople},
    MenuCommand{kCmdEquipment, editEquipment},
    MenuCommand{kCmdDucts, editDucts},
    // The zone whose column last had the focus.
    MenuCommand{kCmdZoneDetails,
                [](ProjectDocument& d, Gui& g) {
                  editZoneDetails(d, g, zoneNumber(d.model().CurrentPage, d.model().FocusColumn));
                }},
    // Another Kovrin may have changed the list since it was shown.
    MenuCommand{kCmdFileMenu, [](ProjectDocument& d, Gui&) { d.recentProjects().show(); }},
    MenuCommand{kCmdClearRecent, [](ProjectDocument& d, Gui&) { d.recentProjects().clear(); }},
    MenuCommand{kCmdUndo, [](ProjectDocument& d, Gui& g) { stepHistory(d, g, true); }},
    MenuCommand{kCmdRedo, [](ProjectDocument& d, Gui& g) { stepHistory(d, g, false); }},
    MenuCommand{kCmdPage1, showPage<1>},
    MenuCommand{kCmdPage2, showPage<2>},
    MenuCommand{kCmdPage3, showPage<3>},
    MenuCommand{kCmdPage4, showPage<4>},
    MenuCommand{kCmdPage5, showPage<5>},
    MenuCommand{kCmdNextPage, stepPage<1>},
    MenuCommand{kCmdPreviousPage, stepPage<-1>},
    MenuCommand{kCmdCopyCriteria, copyCriteria},
    MenuCommand{kCmdCalculate, calculate},
    MenuCommand{kCmdSpreadsheetOn, [](ProjectDocument& d, Gui&) { setSpreadsheetMode(d, 1); }},
    MenuCommand{kCmdSpreadsheetOff, [](ProjectDocument& d, Gui&) { setSpreadsheetMode(d, 0); }},
    MenuCommand{kCmdHouseView, openHouseView},
    MenuCommand{kCmdHelp, [](ProjectDocument& d, Gui&) { d.toolkit().whelpfile1(kHelpFileName); }},
};

}  // namespace

void processmenu(std::int32_t command, std::int32_t& QuitRequested, ProjectDocument& document, Gui& gui) {
  // A command, or a menu opened, ends the change the user was typing.
  document.finishScreenChange();
  if (command == kCmdExit) {
    if (mayDiscardChanges(document)) QuitRequested = 1;
  } else if (command >= kCmdRecentProject1 && command <= kCmdRecentProjectLast) {
    openRecentProject(document, gui, command - kCmdRecentProject1 + 1);
  } else if (const auto found = std::ranges::find(kMenuCommands, command, &MenuCommand::id);
             found != kMenuCommands.end()) {
    found->run(document, gui);
  }
  // The other sub-menu titles and any other identifier have no command.
}

void startup(ProjectDocument& document) {
  Toolkit& toolkit = document.toolkit();
  toolkit.winitialise();
  toolkit.windowopen2(kSystemMenu | kMinimiseBox | kStatusBar, mainMenu(), inputScreen(), kProgramTitle);
  constexpr std::array<int, 3> kPartWidths = {3333, 3333, 3333};
  toolkit.windowstatusbarparts(kPartWidths);
  toolkit.windowoutstatusbar(1, kCreditLocation);
  toolkit.windowoutstatusbar(2, kCreditMaker);
  toolkit.windowoutstatusbar(3, kCreditYear);
  Ranger(toolkit);
  setSpreadsheetMode(document, 0);
  showTemplate(document);
  document.recentProjects().show();
  toolkit.wmessageenable(kFieldChanged, 1);
}

bool handleMessage(std::int32_t type, const MessageRecord& record, ProjectDocument& document, Gui& gui) {
  // A key typed into a field goes on with the user's change of it; any other
  // message (the focus moving on, a list choice, a command) finishes it. A
  // command reads the screen itself.
  const bool typing = type == kFieldChanged && record.value2 == kContentChanged && isTypedField(record.value1);
  if (!typing && type != kMenuSelect) document.finishScreenChange();
  std::int32_t quitRequested = 0;
  switch (type) {
    case kMenuSelect:
      processmenu(record.value1, quitRequested, document, gui);
      break;
    case kCloseRequest:
      return mayDiscardChanges(document);
    case kZoneChosen:
      goToZone(document, gui, record.value1);
      break;
    case kFileDropped:
      if (mayDiscardChanges(document)) openFile(document, gui, document.toolkit().wmessagetext());
      break;
    case kAirAndPeopleWanted:
      editAirAndPeople(document, gui);
      break;
    case kFieldChanged:
      if (const std::optional<int> column = zoneColumnOfField(record.value1)) {
        document.model().FocusColumn = *column;
      }
      if (record.value2 == kContentChanged) {
        notePageCriteria(document, record.value1);
        followChange(document, gui);
      } else if (document.model().SpreadsheetMode == 1) {
        // A move of the focus alone recalculates too, as every field message
        // does in spreadsheet mode: telling the kinds apart would gain
        // nothing, a page calculation costing well under a millisecond.
        calculate(document, gui);
      }
      break;
    default:
      break;
  }
  return quitRequested == 1;
}

int runProgram(ProjectModel& model, Toolkit& toolkit, Gui& gui, const std::string& project) {
  ProjectDocument document(model, toolkit);
  startup(document);
  if (!project.empty()) openFile(document, gui, project);
  bool quit = false;
  while (!quit) {
    std::int32_t type = 0;
    MessageRecord record;
    toolkit.wmessage(type, record);
    quit = handleMessage(type, record, document, gui);
  }
  toolkit.windowclose();
  return 0;
}

}  // namespace kovrin
