#include "app/filecommands.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>

#include "app/pageview.h"
#include "app/projectdocument.h"
#include "app/recentprojects.h"
#include "gui/gui.h"
#include "model/defaults.h"
#include "model/programnames.h"
#include "projectfile/projectfile.h"
#include "screen/fieldtables.h"
#include "screen/transfer.h"
#include "toolkit/toolkit.h"

namespace kovrin {
namespace {

constexpr std::string_view kProjectFilter = "Kovrin projects|*.prj|";
// The name proposed for a project that has none yet.
constexpr std::string_view kUntitledName = "untitled";
constexpr std::string_view kProjectExtension = ".prj";

bool fileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
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

// The model as just read from a file (or the defaults) on the screen, with
// the page's own total airflow.
void putProject(ProjectDocument& document) {
  ProjectModel& model = document.model();
  PutData(model, document.toolkit());
  ShowZoneNumbers(model, document.toolkit());
  document.toolkit().wdialogputinteger(integerRowField(irow::PageAirTotal),
                                       model.integer(model.CurrentPage, irow::PageAirTotal));
}

// A project just read from its file (the template, or the one opened) goes
// on the screen at its first page, and the results shown are its own: the
// page is calculated with the Heating/Cooling choice on screen.
void showReadProject(ProjectDocument& document, Gui& gui) {
  document.toolkit().windowoutstatusbar(2, document.model().ProjectFileName.padded());
  showPageStatus(document.toolkit(), 1, ZonesLead::None);
  putProject(document);
  calculate(document, gui);
  document.startHistory(ProjectDocument::Start::FromFile);
}

}  // namespace

void showTemplate(ProjectDocument& document) {
  ProjectModel& model = document.model();
  model.CurrentPage = 1;
  model.ProjectFileName.set(kTemplateFileName);
  const FileResult loaded = loaddata(model);
  if (!loaded) {
    std::error_code error;
    const std::string folder = std::filesystem::current_path(error).string();
    document.toolkit().wmessagebox(kProgramTitle, "The new-project template " + std::string(kTemplateFileName) +
                                               " could not be read from the folder " + folder + ":\n" +
                                               loaded.message + "\n\nKovrin starts with its built-in defaults.");
    model.setTables(defaultProject());
  }
  if (!loaded.warning.empty()) document.toolkit().wmessagebox(kProgramTitle, loaded.warning);
  // The results stay empty: nothing has been calculated yet, so nothing is
  // stale. The total airflow is the template's own.
  putProject(document);
  document.startHistory(ProjectDocument::Start::FromFile);
}

bool mayReplaceFile(Toolkit& toolkit, const std::string& name) {
  return !fileExists(name) || toolkit.wquestion(kProgramTitle, name + " already exists. Replace it?");
}

bool mayDiscardChanges(ProjectDocument& document) {
  if (!document.unsavedChanges()) return true;
  switch (document.toolkit().wsavechanges(kProgramTitle, "Save changes to " + document.shownName() + "?")) {
    case SaveChangesAnswer::Save:
      return saveProject(document);
    case SaveChangesAnswer::Discard:
      return true;
    case SaveChangesAnswer::Cancel:
      break;
  }
  return false;
}

// New: the user names the new project, then the template replaces the
// project under that name. Cancel, or No to taking an existing file's name,
// leaves the project, its name and its page as they were. The chosen file is
// not read; it is first written by the next Save or page change.
void newProject(ProjectDocument& document, Gui& gui) {
  if (!mayDiscardChanges(document)) return;
  Toolkit& toolkit = document.toolkit();
  // The new project goes beside the one it replaces.
  std::string name = untitledName(document.folder());
  if (!toolkit.wselectfile2(kProjectFilter, kSaveDialog | kDefaultExtension, name, "New Project", "Create")) return;
  if (fileExists(name) && !toolkit.wquestion(kProgramTitle, name + " already exists. Replace it with the new project?")) {
    return;
  }
  if (!document.fitsFileName(name) || !document.read(std::string(kTemplateFileName))) return;
  document.rename(name);
  showReadProject(document, gui);
}

void openFile(ProjectDocument& document, Gui& gui, const std::string& path) {
  if (document.read(path)) showReadProject(document, gui);
}

void openProject(ProjectDocument& document, Gui& gui) {
  if (!mayDiscardChanges(document)) return;
  // The template is no project to open: nothing is proposed then.
  std::string name = document.isNamed() ? document.model().ProjectFileName.path() : std::string();
  if (!document.toolkit().wselectfile2(kProjectFilter, kDefaultExtension | kMustExist, name,
                                       "Open Existing Project", {}))
    return;  // Cancel changes nothing
  openFile(document, gui, name);
}

// One that is no longer there says so and leaves the list.
void openRecentProject(ProjectDocument& document, Gui& gui, int n) {
  const std::optional<std::string> path = document.recentProjects().shown(n);
  if (!path) return;
  if (!fileExists(*path)) {
    document.toolkit().wmessagebox(
        kProgramTitle, "The project " + *path + " no longer exists. It is taken off the list of recent projects.");
    document.recentProjects().forget(*path);
    return;
  }
  if (mayDiscardChanges(document)) openFile(document, gui, *path);
}

// Save As: the model into a file the user names (proposed: the project's
// own, or untitled.prj beside it). Cancel and a failure change nothing.
bool saveProjectAs(ProjectDocument& document) {
  ProjectModel& model = document.model();
  Toolkit& toolkit = document.toolkit();
  const bool named = document.isNamed();
  std::string name = named ? model.ProjectFileName.path() : untitledName(document.folder());
  if (!toolkit.wselectfile2(kProjectFilter, kSaveDialog | kDefaultExtension, name, "Save Project As", {}))
    return false;  // Cancel changes nothing
  // The project's own file, however named, is checked by write(). An
  // unnamed project has none: the template chosen here is replaced only
  // when the user agrees, which is how a template is updated on purpose.
  std::error_code error;
  const bool ownFile = named && (name == model.ProjectFileName.path() ||
                                 std::filesystem::equivalent(name, model.ProjectFileName.path(), error));
  if (!ownFile && !mayReplaceFile(toolkit, name)) return false;
  const PaddedPath previous = model.ProjectFileName;
  if (!document.rename(name)) return false;
  if (!document.write()) {
    document.rename(previous.path());
    return false;
  }
  toolkit.windowoutstatusbar(1, " Project Name");
  toolkit.windowoutstatusbar(2, model.ProjectFileName.padded());
  // The third part names the zones on screen, as the page commands write it.
  showZonesStatus(toolkit, model.CurrentPage, ZonesLead::Blank);
  return true;
}

// An unnamed project is named first, as by Save As.
bool saveProject(ProjectDocument& document) {
  if (!document.isNamed()) return saveProjectAs(document);
  return document.write();
}

void changePage(ProjectDocument& document, Gui& gui, int page) {
  if (!document.isNamed()) {
    if (!document.passThroughText()) return;
    document.model().CurrentPage = page;
  } else if (!document.write() || !document.readPage(page)) {
    // Not written: it stays on its page, with the screen as it was.
    return;
  }
  PutData(document.model(), document.toolkit());
  ShowZoneNumbers(document.model(), document.toolkit());
  calculate(document, gui);
  document.startHistory(ProjectDocument::Start::FromPageChange);
  showPageStatus(document.toolkit(), page, ZonesLead::Blank);
}

}  // namespace kovrin
