#include "app/processmenu.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "app/changes.h"
#include "app/recentprojects.h"
#include "calc/calcdata.h"
#include "gui/gui.h"
#include "house/housedesign.h"
#include "house/housesummary.h"
#include "model/defaults.h"
#include "model/pagecriteria.h"
#include "model/zoneranges.h"
#include "projectfile/projectfile.h"
#include "report/loadreport.h"
#include "screen/fieldtables.h"
#include "screen/form.h"
#include "screen/commands.h"
#include "screen/transfer.h"
#include "toolkit/toolkit.h"
#include "writers/housechart.h"
#include "writers/housereport.h"

namespace kovrin {
namespace {

constexpr std::string_view kTitle = kProgramTitle;
constexpr std::string_view kProjectFilter = "Kovrin projects|*.prj|";
// The name proposed for a project that has none yet.
constexpr std::string_view kUntitledName = "untitled";
constexpr std::string_view kProjectExtension = ".prj";

// The three credit texts of start-up: where the maker is, who the maker is,
// and since when. The leading tab centres each in its part.
constexpr std::string_view kCreditLocation = "\tMade in Lakeside, Minnesota";
constexpr std::string_view kCreditMaker = "\tKovrin Load Software";
constexpr std::string_view kCreditYear = "\tIn business since 1986";

void reportFailure(Toolkit& toolkit, const FileResult& result) {
  toolkit.wmessagebox(kTitle, result.message);
}

// What a read that succeeded left out, told once, as it was read.
void reportWarning(Toolkit& toolkit, const FileResult& result) {
  if (!result.warning.empty()) toolkit.wmessagebox(kTitle, result.warning);
}

// The Edit menu names the steps that Undo and Redo would take, and greys
// them when there is none.
void showHistory(const ProjectModel& model, Toolkit& toolkit) {
  const EditHistory<ProjectTables>& history = model.History;
  toolkit.windowmenutext(kCmdUndo, history.canUndo() ? "&Undo " + history.nextUndo().name : "&Undo");
  toolkit.windowmenuenable(kCmdUndo, history.canUndo());
  toolkit.windowmenutext(kCmdRedo, history.canRedo() ? "&Redo " + history.nextRedo().name : "&Redo");
  toolkit.windowmenuenable(kCmdRedo, history.canRedo());
}

// What happened to the project, as far as its history and unsaved changes go.
enum class ProjectEvent {
  ReadAndShown,      // a project read from its file and shown
  PageShown,         // another page shown, the project written first when it has a name
  Written,           // written to its file
  ScreenChangeEnded,  // whatever the user changed on the screen is finished
  ChangedByCommand,  // a command or a dialog of the program's own changed the model
};

// The one place that keeps the project's history (model/edithistory.h),
// whose clean state is the mark of unsaved changes that Exit, the close box,
// New and Open ask about. A step is named by what changed on the page, or
// by `what` for a command's change ("Project Details").
void track(ProjectModel& model, Toolkit& toolkit, ProjectEvent event, std::string_view what = {}) {
  EditHistory<ProjectTables>& history = model.History;
  switch (event) {
    case ProjectEvent::ReadAndShown:
    case ProjectEvent::PageShown:
      // The model is what the screen shows: just shown, or just read from
      // the screen by the calculation that followed. An unnamed project's
      // page change writes nothing: what was unsaved stays so.
      history.restart(changeableContents(model.tables()),
                      event == ProjectEvent::ReadAndShown || history.isClean());
      break;
    case ProjectEvent::Written:
      history.setClean();
      return;
    case ProjectEvent::ScreenChangeEnded: {
      GetData(model, toolkit);
      ProjectTables now = changeableContents(model.tables());
      if (now == history.current()) return;
      const std::optional<ChangedField> field = changedField(history.current(), now, model.CurrentPage);
      history.record(field ? field->name : "Changes", field ? field->field : 0, std::move(now));
      break;
    }
    case ProjectEvent::ChangedByCommand:
      history.record(std::string(what), 0, changeableContents(model.tables()));
      break;
  }
  showHistory(model, toolkit);
}

// The status bar names the page on screen (part 1) and its zones (part 3):
// " Page 2" and " Zones 11 -> 20"; the zones are written without the
// leading blank after New and Open.
enum class ZonesLead { Blank, None };
void showZonesStatus(Toolkit& toolkit, int page, ZonesLead lead) {
  toolkit.windowoutstatusbar(3, (lead == ZonesLead::Blank ? " " : "") + zonesText(page));
}
void showPageStatus(Toolkit& toolkit, int page, ZonesLead lead) {
  toolkit.windowoutstatusbar(1, " Page " + std::to_string(page));
  showZonesStatus(toolkit, page, lead);
}

// A key typed into it is part of a change the user has not finished; a list
// or a radio button changes at once.
bool isTypedField(int field) {
  if (field == kHeatingButton || field == kCoolingButton) return false;
  return std::ranges::none_of(kListFields, [field](const SelectionList& list) { return list.field == field; });
}

bool fileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

// Until the user names the project, it was read from the template and has
// no file of its own: nothing is written until it is named.
bool hasNameOfItsOwn(const ProjectModel& model) { return model.ProjectFileName.path() != kTemplateFileName; }

// The name of the project as the user knows it: its file without the
// folder, or "Untitled".
std::string shownName(const ProjectModel& model) {
  if (!hasNameOfItsOwn(model)) return "Untitled";
  return std::filesystem::path(model.ProjectFileName.path()).filename().string();
}

// The folder of the project's file; empty for the working folder.
std::filesystem::path projectFolder(const ProjectModel& model) {
  return std::filesystem::path(model.ProjectFileName.path()).parent_path();
}

// A name in `folder` that no file has yet, for a project still to be
// written: "untitled.prj", else "untitled 2.prj", "untitled 3.prj"...
std::string untitledName(const std::filesystem::path& folder) {
  constexpr int kTries = 1000;
  for (int n = 1; n <= kTries; ++n) {
    const std::string name = std::string(kUntitledName) + (n == 1 ? "" : " " + std::to_string(n));
    const std::string path = (folder / (name + std::string(kProjectExtension))).string();
    if (!fileExists(path)) return path;
  }
  // Every one taken: the question before a file is replaced still guards it.
  return (folder / (std::string(kUntitledName) + std::string(kProjectExtension))).string();
}

// A chosen path must be held exactly by the 225 blank-padded characters of
// the project file name; a shortened path would name another file.
bool fitsFileName(Toolkit& toolkit, const std::string& path) {
  if (PaddedPath::holds(path)) return true;
  toolkit.wmessagebox(kTitle, path.ends_with(' ')
                                  ? "The name " + path +
                                        " ends with a blank, which a project file name cannot keep. Choose another name."
                                  : "The path " + path + " is longer than " + std::to_string(kProjectFileNameLength) +
                                        " characters. Choose a file in a folder with a shorter path.");
  return false;
}
bool adoptFileName(ProjectModel& model, Toolkit& toolkit, const std::string& path) {
  return fitsFileName(toolkit, path) && model.ProjectFileName.set(path);
}

// Before a save replaces the project file: when another program has saved
// it (or put another file there) since Kovrin read or wrote it, the user
// decides. True when the save may go ahead.
bool confirmReplace(const ProjectModel& model, Toolkit& toolkit) {
  return !projectFileChanged(model) ||
         toolkit.wquestion(kTitle, model.ProjectFileName.path() +
                                       " was changed by another program since Kovrin read it. Replace it?");
}

// Another file of that name is replaced only when the user agrees.
bool mayReplaceFile(Toolkit& toolkit, const std::string& name) {
  return !fileExists(name) || toolkit.wquestion(kTitle, name + " already exists. Replace it?");
}

// Read the file named `path` into the model, at its first page. On failure
// the message is shown and the model, its page and ProjectFileName are as
// they were.
bool loadProject(ProjectModel& model, Toolkit& toolkit, const std::string& path) {
  const PaddedPath previous = model.ProjectFileName;
  if (!adoptFileName(model, toolkit, path)) return false;
  const std::int32_t previousPage = model.CurrentPage;
  model.CurrentPage = 1;
  const FileResult loaded = loaddata(model);
  if (!loaded) {
    model.ProjectFileName = previous;
    model.CurrentPage = previousPage;
    reportFailure(toolkit, loaded);
    return false;
  }
  reportWarning(toolkit, loaded);
  if (hasNameOfItsOwn(model)) rememberProject(toolkit, model.ProjectFileName.path());
  return true;
}

// The model into its file, once the user has agreed where another program
// changed it. A failure is shown, and the changes stay unsaved.
bool writeProject(ProjectModel& model, Toolkit& toolkit) {
  if (!confirmReplace(model, toolkit)) return false;
  const FileResult saved = savedata(model);
  if (!saved) {
    reportFailure(toolkit, saved);
    return false;
  }
  track(model, toolkit, ProjectEvent::Written);
  if (hasNameOfItsOwn(model)) rememberProject(toolkit, model.ProjectFileName.path());
  return true;
}

void showFirstPageStatus(const ProjectModel& model, Toolkit& toolkit) {
  toolkit.windowoutstatusbar(2, model.ProjectFileName.padded());
  showPageStatus(toolkit, 1, ZonesLead::None);
}

// The house view shows the whole project with the page on screen as it
// stands: the model, just read from the screen. The summary calculates every
// page afresh from its inputs.
void showHouse(const ProjectModel& model, Gui& gui) {
  const HouseSummary summary = summarizeHouse(model.tables());
  gui.showHouse(summary, designHouse(model.tables()), houseChartSvg(summary), shownName(model));
}

void calculate(ProjectModel& model, Toolkit& toolkit, Gui& gui) {
  GetData(model, toolkit);
  CalcData(model, toolkit);
  ShowLoadCaption(model.LoadChoice, toolkit);
  // Every calculation (Calculate, Print, a page change, New, Open, a
  // keystroke in spreadsheet mode) is followed by the house view.
  if (gui.houseViewIsOpen()) showHouse(model, gui);
}

// The Spreadsheet menu marks the mode in force.
void setSpreadsheetMode(ProjectModel& model, Toolkit& toolkit, std::int32_t mode) {
  model.SpreadsheetMode = mode;
  toolkit.windowmenucheck(kCmdSpreadsheetOn, mode == 1);
  toolkit.windowmenucheck(kCmdSpreadsheetOff, mode != 1);
}

// The results on screen no longer belong to the inputs: the TOTALS row and
// the shares of the "CFM or %" row are dimmed until the next calculation.
void markResultsOutOfDate(Toolkit& toolkit) {
  for (int c = 1; c <= kZoneColumns; ++c) {
    toolkit.wdialogoutofdate(integerRowField(irow::ZoneLoad(c)), true);
    toolkit.wdialogoutofdate(integerRowField(irow::ZoneAirShare(c)), true);
  }
  toolkit.wdialogoutofdate(integerRowField(irow::PageLoadTotal), true);
}

// After a change of a value on the page: in spreadsheet mode the page is
// calculated, otherwise its results are shown as out of date.
void followChange(ProjectModel& model, Toolkit& toolkit, Gui& gui) {
  if (model.SpreadsheetMode == 1) {
    calculate(model, toolkit, gui);
  } else {
    markResultsOutOfDate(toolkit);
  }
}

// A project just read from its file (the template, or the one opened) goes
// on the screen with its own total airflow, and the results shown are its
// own: the page is calculated with the Heating/Cooling choice on screen.
void showLoadedProject(ProjectModel& model, Toolkit& toolkit, Gui& gui) {
  PutData(model, toolkit);
  ShowZoneNumbers(model, toolkit);
  toolkit.wdialogputinteger(integerRowField(irow::PageAirTotal), model.integer(1, irow::PageAirTotal));
  calculate(model, toolkit, gui);
  track(model, toolkit, ProjectEvent::ReadAndShown);
}

// Save As: the screen into the model, the model into a file the user names
// (proposed: the project's own, or untitled.prj beside it). Cancel and a
// failure change nothing.
bool saveProjectAs(ProjectModel& model, Toolkit& toolkit) {
  GetData(model, toolkit);
  const bool named = hasNameOfItsOwn(model);
  std::string name = named ? model.ProjectFileName.path() : untitledName(projectFolder(model));
  if (!toolkit.wselectfile2(kProjectFilter, kSaveDialog | kDefaultExtension, name, "Save Project As", {}))
    return false;  // Cancel changes nothing
  // The project's own file, however named, is checked by writeProject. An
  // unnamed project has none: the template chosen here is replaced only
  // when the user agrees, which is how a template is updated on purpose.
  std::error_code error;
  const bool ownFile = named && (name == model.ProjectFileName.path() ||
                                 std::filesystem::equivalent(name, model.ProjectFileName.path(), error));
  if (!ownFile && !mayReplaceFile(toolkit, name)) return false;
  const PaddedPath previous = model.ProjectFileName;
  if (!adoptFileName(model, toolkit, name)) return false;
  if (!writeProject(model, toolkit)) {
    model.ProjectFileName = previous;
    return false;
  }
  toolkit.windowoutstatusbar(1, " Project Name");
  toolkit.windowoutstatusbar(2, model.ProjectFileName.padded());
  // The third part names the zones on screen, as the page commands write it.
  showZonesStatus(toolkit, model.CurrentPage, ZonesLead::Blank);
  return true;
}

// Save: the screen into the model, the model into its file; an unnamed
// project is named first, as by Save As. A failure is shown, and the
// changes stay unsaved.
bool saveProject(ProjectModel& model, Toolkit& toolkit) {
  if (!hasNameOfItsOwn(model)) return saveProjectAs(model, toolkit);
  GetData(model, toolkit);
  return writeProject(model, toolkit);
}

// Asked before Exit, the close box, New and Open let unsaved changes go:
// true when the command may go on (no changes, saved, or discarded).
bool mayDiscardChanges(ProjectModel& model, Toolkit& toolkit) {
  if (!model.unsavedChanges()) return true;
  switch (toolkit.wsavechanges(kTitle, "Save changes to " + shownName(model) + "?")) {
    case SaveChangesAnswer::Save:
      return saveProject(model, toolkit);
    case SaveChangesAnswer::Discard:
      return true;
    case SaveChangesAnswer::Cancel:
      break;
  }
  return false;
}

// An unnamed project has no file to pass through: it passes through the
// text its file would hold, in memory, so that its values are those a write
// and a read would give, and nothing is written.
bool passThroughText(ProjectModel& model, Toolkit& toolkit) {
  ProjectTables readBack;
  const FileResult read = parseProject(projectText(model.tables()), shownName(model), readBack);
  if (!read) {
    reportFailure(toolkit, read);
    return false;
  }
  model.setTables(readBack);
  return true;
}

// Every page change passes the whole project through its file: the page
// being left is saved, then the whole project is read back and the new page
// shown and calculated, also when it is the page already shown.
void changePage(ProjectModel& model, Toolkit& toolkit, Gui& gui, int page) {
  GetData(model, toolkit);
  const std::int32_t previousPage = model.CurrentPage;
  if (!hasNameOfItsOwn(model)) {
    if (!passThroughText(model, toolkit)) return;
    model.CurrentPage = page;
  } else {
    // Not written: it stays on its page, with the screen as it was.
    if (!writeProject(model, toolkit)) return;
    model.CurrentPage = page;
    const FileResult loaded = loaddata(model);
    if (!loaded) {
      model.CurrentPage = previousPage;
      reportFailure(toolkit, loaded);
      return;
    }
  }
  PutData(model, toolkit);
  ShowZoneNumbers(model, toolkit);
  calculate(model, toolkit, gui);
  track(model, toolkit, ProjectEvent::PageShown);
  showPageStatus(toolkit, page, ZonesLead::Blank);
}

// New: the user names the new project, then the template replaces the
// project under that name. Cancel, or No to taking an existing file's name,
// leaves the project, its name and its page as they were. The chosen file is
// not read; it is first written by the next Save or page change.
void newProject(ProjectModel& model, Toolkit& toolkit, Gui& gui) {
  if (!mayDiscardChanges(model, toolkit)) return;
  // The new project goes beside the one it replaces.
  std::string name = untitledName(projectFolder(model));
  if (!toolkit.wselectfile2(kProjectFilter, kSaveDialog | kDefaultExtension, name, "New Project", "Create")) return;
  if (fileExists(name) && !toolkit.wquestion(kTitle, name + " already exists. Replace it with the new project?")) {
    return;
  }
  if (!fitsFileName(toolkit, name) || !loadProject(model, toolkit, std::string(kTemplateFileName))) return;
  adoptFileName(model, toolkit, name);
  showFirstPageStatus(model, toolkit);
  showLoadedProject(model, toolkit, gui);
}

// The project at `path` read and its first page shown, as Open does with
// the file chosen; a failure is shown and changes nothing.
void openFile(ProjectModel& model, Toolkit& toolkit, Gui& gui, const std::string& path) {
  if (!loadProject(model, toolkit, path)) return;
  showFirstPageStatus(model, toolkit);
  showLoadedProject(model, toolkit, gui);
}

void openProject(ProjectModel& model, Toolkit& toolkit, Gui& gui) {
  if (!mayDiscardChanges(model, toolkit)) return;
  // The template is no project to open: nothing is proposed then.
  std::string name = hasNameOfItsOwn(model) ? model.ProjectFileName.path() : std::string();
  if (!toolkit.wselectfile2(kProjectFilter, kDefaultExtension | kMustExist, name, "Open Existing Project", {}))
    return;  // Cancel changes nothing
  openFile(model, toolkit, gui, name);
}

// A project of File > Open Recent, opened as Open opens it; one that is no
// longer there says so and leaves the list.
void openRecentProject(ProjectModel& model, Toolkit& toolkit, Gui& gui, int n) {
  const std::optional<std::string> path = recentProject(toolkit, n);
  if (!path) return;
  if (!fileExists(*path)) {
    toolkit.wmessagebox(kTitle, "The project " + *path +
                                    " no longer exists. It is taken off the list of recent projects.");
    forgetProject(toolkit, *path);
    return;
  }
  if (mayDiscardChanges(model, toolkit)) openFile(model, toolkit, gui, *path);
}

// Undo (Redo): the project as it was before (after) the step, on the screen
// and in the model, as if the user had entered it; the place of the change
// takes the focus.
void stepHistory(ProjectModel& model, Toolkit& toolkit, Gui& gui, bool back) {
  EditHistory<ProjectTables>& history = model.History;
  if (back ? !history.canUndo() : !history.canRedo()) return;
  const int place = (back ? history.nextUndo() : history.nextRedo()).place;
  if (back) {
    history.undo();
  } else {
    history.redo();
  }
  model.setTables(history.current());
  PutData(model, toolkit);
  toolkit.wdialogputinteger(integerRowField(irow::PageAirTotal), model.integer(model.CurrentPage, irow::PageAirTotal));
  showHistory(model, toolkit);
  if (place != 0) {
    toolkit.wdialogfocus(place);
    followChange(model, toolkit, gui);
  } else if (gui.houseViewIsOpen()) {
    showHouse(model, gui);
  }
}

void openHouseView(ProjectModel& model, Toolkit& toolkit, Gui& gui) {
  GetData(model, toolkit);
  gui.openHouseView();
  showHouse(model, gui);
}

// House Air and People: the house's values of the design load, over the
// project as it stands on screen. OK with a change is an edit, which the
// house view follows.
void editAirAndPeople(ProjectModel& model, Toolkit& toolkit, Gui& gui) {
  GetData(model, toolkit);
  const std::optional<HouseValues> edited = gui.editAirAndPeople(model.tables());
  if (!edited) return;  // Cancel, or nothing changed
  model.House = *edited;
  track(model, toolkit, ProjectEvent::ChangedByCommand, "House Air and People");
  if (gui.houseViewIsOpen()) showHouse(model, gui);
}

// A zone chosen in the house view: its page, exactly as the Zones command
// shows it (the project saved and read back), with the focus in its column.
void goToZone(std::int32_t zone, std::int32_t& quitRequested, ProjectModel& model, Toolkit& toolkit, Gui& gui) {
  if (zone < 1 || zone > kPages * kZoneColumns) return;
  const int page = (zone - 1) / kZoneColumns + 1;
  const int column = (zone - 1) % kZoneColumns + 1;
  processmenu(kCmdPage1 + page - 1, quitRequested, model, toolkit, gui);
  if (model.CurrentPage == page) toolkit.wdialogfocus(zoneField(column, ZoneQuantity::DoorU));
}

// Copy Criteria to All Pages: the design conditions of the page on screen
// for all five pages, once the user agrees; an edit like any other.
void copyCriteria(ProjectModel& model, Toolkit& toolkit, Gui& gui) {
  GetData(model, toolkit);
  bool alike = true;
  for (int page = 1; page <= kPages; ++page) {
    for (const PageCriteriaPair& pair : kPageCriteria) alike = alike && sameCriteria(model, pair, page, model.CurrentPage);
  }
  if (alike) {
    toolkit.windowstatusmessage("All five pages use these design conditions already.");
    return;
  }
  if (!toolkit.wquestion(kTitle, "Use these design conditions on all five pages?")) return;
  copyPageCriteria(model, model.CurrentPage);
  track(model, toolkit, ProjectEvent::ChangedByCommand, "Copy Criteria to All Pages");
  if (gui.houseViewIsOpen()) showHouse(model, gui);
  toolkit.windowstatusmessage("All five pages use the design conditions of page " +
                              std::to_string(model.CurrentPage) + " now.");
}

// The first change of a page's design conditions says, once, that the other
// pages keep theirs.
void notePageCriteria(ProjectModel& model, Toolkit& toolkit, int field) {
  if (model.PageCriteriaNoted) return;
  for (const PageCriteriaPair& pair : kPageCriteria) {
    for (const int row : {pair.summerRow, pair.winterRow}) {
      if (field != (pair.real ? realRowField(row) : integerRowField(row))) continue;
      model.PageCriteriaNoted = true;
      toolkit.windowstatusmessage("This changes page " + std::to_string(model.CurrentPage) +
                                  " only: the other pages keep their own design conditions. Zones > Copy "
                                  "Criteria to All Pages gives them these.");
      return;
    }
  }
}

// Export Report: the house report of the project as it stands on screen, as
// a PDF file the user names, beside the project by default.
void exportReport(ProjectModel& model, Toolkit& toolkit, Gui& gui) {
  GetData(model, toolkit);
  const std::string project = model.ProjectFileName.path();
  std::string name = project == kTemplateFileName ? std::string("house report.pdf") : reportPathFor(project, "pdf");
  if (!toolkit.wselectfile2("PDF documents|*.pdf|", kSaveDialog | kDefaultExtension, name, "Export Report",
                            "Export"))
    return;
  if (!mayReplaceFile(toolkit, name)) return;
  const HouseReport report{model.tables(), shownName(model), reportDateToday()};
  const FileResult written = gui.exportReport(report, name);
  if (!written) {
    reportFailure(toolkit, written);
    return;
  }
  toolkit.windowstatusmessage("The house report is written to " + name);
}

// The report's loads and shares are always those of its inputs and of its
// Heating/Cooling line: the page is calculated first, as Calculate does.
void printReport(ProjectModel& model, Toolkit& toolkit, Gui& gui) {
  calculate(model, toolkit, gui);
  // The calculation puts the loads on the screen and clears them in the
  // model; read back, they are in the model for the report to print.
  GetData(model, toolkit);
  const FileResult written = PrintData(model);
  if (!written) {
    reportFailure(toolkit, written);
    return;  // nothing is printed
  }
  // Cancel in the printing options prints nothing; out.dat stays written.
  // Printed to a file, the report is proposed beside the project, named
  // after it and its page: "smith_house page 2.pdf".
  constexpr std::string_view kPdf = ".pdf";
  std::string pdf = hasNameOfItsOwn(model) ? reportPathFor(model.ProjectFileName.path(), "pdf") : "load report.pdf";
  pdf.insert(pdf.size() - kPdf.size(), " page " + std::to_string(model.CurrentPage));
  if (toolkit.whardcopyoptionstext(pdf)) toolkit.igrhardcopytextfile(kReportFileName);
}

}  // namespace

void processmenu(std::int32_t command, std::int32_t& quitRequested, ProjectModel& model, Toolkit& toolkit,
                 Gui& gui) {
  // A command, or a menu opened, ends the change the user was typing.
  track(model, toolkit, ProjectEvent::ScreenChangeEnded);
  if (command >= kCmdRecentProject1 && command <= kCmdRecentProjectLast) {
    openRecentProject(model, toolkit, gui, command - kCmdRecentProject1 + 1);
    return;
  }
  switch (command) {
    case kCmdExit:
      if (mayDiscardChanges(model, toolkit)) quitRequested = 1;
      break;
    case kCmdPrint:
      printReport(model, toolkit, gui);
      break;
    case kCmdHelp:
      toolkit.whelpfile1(kHelpFileName);
      break;
    case kCmdSaveAs:
      static_cast<void>(saveProjectAs(model, toolkit));
      break;
    case kCmdSave:
      static_cast<void>(saveProject(model, toolkit));
      break;
    case kCmdOpen:
      openProject(model, toolkit, gui);
      break;
    case kCmdNew:
      newProject(model, toolkit, gui);
      break;
    case kCmdPage1:
    case kCmdPage2:
    case kCmdPage3:
    case kCmdPage4:
    case kCmdPage5:
      changePage(model, toolkit, gui, command - kCmdPage1 + 1);
      break;
    case kCmdNextPage:
    case kCmdPreviousPage: {
      const int page = model.CurrentPage + (command == kCmdNextPage ? 1 : -1);
      if (page >= 1 && page <= kPages) changePage(model, toolkit, gui, page);
      break;
    }
    case kCmdCopyCriteria:
      copyCriteria(model, toolkit, gui);
      break;
    case kCmdCalculate:
      calculate(model, toolkit, gui);
      break;
    case kCmdSpreadsheetOff:
      setSpreadsheetMode(model, toolkit, 0);
      break;
    case kCmdHouseView:
      openHouseView(model, toolkit, gui);
      break;
    case kCmdExportReport:
      exportReport(model, toolkit, gui);
      break;
    case kCmdProjectDetails:
      // The details travel with the project file: a change is an edit.
      if (gui.editJobDetails(model.Job)) track(model, toolkit, ProjectEvent::ChangedByCommand, "Project Details");
      break;
    case kCmdUndo:
    case kCmdRedo:
      stepHistory(model, toolkit, gui, command == kCmdUndo);
      break;
    case kCmdFileMenu:
      // Another Kovrin may have changed the list since it was shown.
      showRecentProjects(toolkit);
      break;
    case kCmdClearRecent:
      clearRecentProjects(toolkit);
      break;
    case kCmdAirAndPeople:
      editAirAndPeople(model, toolkit, gui);
      break;
    case kCmdEquipment:
      GetData(model, toolkit);
      if (const std::optional<Equipment> edited = gui.editEquipment(model.tables())) {
        model.Equipment = *edited;
        track(model, toolkit, ProjectEvent::ChangedByCommand, "House Equipment");
        if (gui.houseViewIsOpen()) showHouse(model, gui);
      }
      break;
    case kCmdSpreadsheetOn:
      setSpreadsheetMode(model, toolkit, 1);
      break;
    default:
      // The other sub-menu titles and any other identifier have no command.
      break;
  }
}

void startup(ProjectModel& model, Toolkit& toolkit) {
  toolkit.winitialise();
  toolkit.windowopen2(kSystemMenu | kMinimiseBox | kStatusBar, mainMenu(), inputScreen(), kTitle);
  constexpr std::array<int, 3> kPartWidths = {3333, 3333, 3333};
  toolkit.windowstatusbarparts(kPartWidths);
  toolkit.windowoutstatusbar(1, kCreditLocation);
  toolkit.windowoutstatusbar(2, kCreditMaker);
  toolkit.windowoutstatusbar(3, kCreditYear);
  Ranger(toolkit);
  model.CurrentPage = 1;
  setSpreadsheetMode(model, toolkit, 0);
  model.ProjectFileName.set(kTemplateFileName);
  const FileResult loaded = loaddata(model);
  if (!loaded) {
    std::error_code error;
    const std::string folder = std::filesystem::current_path(error).string();
    toolkit.wmessagebox(kTitle, "The new-project template " + std::string(kTemplateFileName) +
                                    " could not be read from the folder " + folder + ":\n" + loaded.message +
                                    "\n\nKovrin starts with its built-in defaults.");
    model.setTables(defaultProject());
  }
  reportWarning(toolkit, loaded);
  // The results stay empty: nothing has been calculated yet, so nothing is
  // stale. The total airflow is the template's own.
  PutData(model, toolkit);
  ShowZoneNumbers(model, toolkit);
  toolkit.wdialogputinteger(integerRowField(irow::PageAirTotal), model.integer(1, irow::PageAirTotal));
  track(model, toolkit, ProjectEvent::ReadAndShown);
  showRecentProjects(toolkit);
  toolkit.wmessageenable(kFieldChanged, 1);
}

void handleMessage(std::int32_t type, const MessageRecord& record, std::int32_t& quitRequested,
                   ProjectModel& model, Toolkit& toolkit, Gui& gui) {
  // A key typed into a field goes on with the user's change of it; any other
  // message (the focus moving on, a list choice, a command) finishes it.
  const bool typing = type == kFieldChanged && record.value2 == kContentChanged && isTypedField(record.value1);
  if (!typing) track(model, toolkit, ProjectEvent::ScreenChangeEnded);
  switch (type) {
    case kMenuSelect:
      processmenu(record.value1, quitRequested, model, toolkit, gui);
      break;
    case kCloseRequest:
      if (mayDiscardChanges(model, toolkit)) quitRequested = 1;
      break;
    case kZoneChosen:
      goToZone(record.value1, quitRequested, model, toolkit, gui);
      break;
    case kFileDropped:
      if (mayDiscardChanges(model, toolkit)) openFile(model, toolkit, gui, toolkit.wmessagetext());
      break;
    case kAirAndPeopleWanted:
      processmenu(kCmdAirAndPeople, quitRequested, model, toolkit, gui);
      break;
    case kFieldChanged:
      if (record.value2 == kContentChanged) {
        notePageCriteria(model, toolkit, record.value1);
        followChange(model, toolkit, gui);
      } else if (model.SpreadsheetMode == 1) {
        // A move of the focus alone recalculates too, as every field message
        // does in spreadsheet mode: telling the kinds apart would gain
        // nothing, a page calculation costing well under a millisecond.
        calculate(model, toolkit, gui);
      }
      break;
    default:
      break;
  }
}

int runProgram(ProjectModel& model, Toolkit& toolkit, Gui& gui, const std::string& project) {
  startup(model, toolkit);
  if (!project.empty()) openFile(model, toolkit, gui, project);
  std::int32_t quitRequested = 0;
  while (quitRequested == 0) {
    std::int32_t type = 0;
    MessageRecord record;
    toolkit.wmessage(type, record);
    handleMessage(type, record, quitRequested, model, toolkit, gui);
  }
  toolkit.windowclose();
  return 0;
}

}  // namespace kovrin
