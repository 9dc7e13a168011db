#include "app/projectdocument.h"

#include <system_error>

#include "app/changes.h"
#include "app/recentprojects.h"
#include "model/programnames.h"
#include "projectfile/projectfile.h"
#include "screen/commands.h"
#include "screen/transfer.h"
#include "toolkit/toolkit.h"

namespace kovrin {

bool ProjectDocument::isNamed() const { return m_model.ProjectFileName.path() != kTemplateFileName; }

std::string ProjectDocument::shownName() const {
  if (!isNamed()) return "Untitled";
  return std::filesystem::path(m_model.ProjectFileName.path()).filename().string();
}

std::filesystem::path ProjectDocument::folder() const {
  return std::filesystem::path(m_model.ProjectFileName.path()).parent_path();
}

bool ProjectDocument::fitsFileName(const std::string& path) {
  // A shortened path would name another file.
  if (PaddedPath::holds(path)) return true;
  m_toolkit.wmessagebox(kProgramTitle,
                        path.ends_with(' ')
                            ? "The name " + path +
                                  " ends with a blank, which a project file name cannot keep. Choose another name."
                            : "The path " + path + " is longer than " + std::to_string(kProjectFileNameLength) +
                                  " characters. Choose a file in a folder with a shorter path.");
  return false;
}

bool ProjectDocument::rename(const std::string& path) {
  if (!fitsFileName(path) || !m_model.ProjectFileName.set(path)) return false;
  show();
  return true;
}

bool ProjectDocument::read(const std::string& path) {
  const PaddedPath previous = m_model.ProjectFileName;
  if (!fitsFileName(path)) return false;
  m_model.ProjectFileName.set(path);
  const std::int32_t previousPage = m_model.CurrentPage;
  m_model.CurrentPage = 1;
  const FileResult loaded = loaddata(m_model);
  if (!loaded) {
    m_model.ProjectFileName = previous;
    m_model.CurrentPage = previousPage;
    m_toolkit.wmessagebox(kProgramTitle, loaded.message);
    return false;
  }
  // What the read left out, told once, as it was read.
  if (!loaded.warning.empty()) m_toolkit.wmessagebox(kProgramTitle, loaded.warning);
  if (isNamed()) m_recent.remember(m_model.ProjectFileName.path());
  return true;
}

bool ProjectDocument::write() {
  if (projectFileChanged(m_model) &&
      !m_toolkit.wquestion(kProgramTitle, m_model.ProjectFileName.path() +
                                              " was changed by another program since Kovrin read it. Replace it?")) {
    return false;
  }
  const FileResult saved = savedata(m_model);
  if (!saved) {
    m_toolkit.wmessagebox(kProgramTitle, saved.message);
    return false;
  }
  m_history.setClean();
  show();
  if (isNamed()) m_recent.remember(m_model.ProjectFileName.path());
  return true;
}

bool ProjectDocument::readPage(int page) {
  const std::int32_t previousPage = m_model.CurrentPage;
  m_model.CurrentPage = page;
  const FileResult loaded = loaddata(m_model);
  if (loaded) return true;
  m_model.CurrentPage = previousPage;
  m_toolkit.wmessagebox(kProgramTitle, loaded.message);
  return false;
}

bool ProjectDocument::passThroughText() {
  ProjectTables readBack;
  const FileResult read = parseProject(projectText(m_model.tables()), shownName(), readBack);
  if (!read) {
    m_toolkit.wmessagebox(kProgramTitle, read.message);
    return false;
  }
  m_model.setTables(readBack);
  return true;
}

void ProjectDocument::startHistory(Start start) {
  // The model is what the screen shows: just shown, or just read from the
  // screen by the calculation that followed. An unnamed project's page
  // change writes nothing: what was unsaved stays so.
  m_history.restart(ChangeableValues(m_model.tables()), start == Start::FromFile || m_history.isClean());
  show();
}

void ProjectDocument::finishScreenChange() {
  GetData(m_model, m_toolkit);
  ChangeableValues now(m_model.tables());
  if (now == m_history.current()) return;
  // The values before the change, beside the same stored results.
  ProjectTables before = m_model.tables();
  m_history.current().restoreInto(before);
  const std::optional<ChangedField> field = changedField(before, m_model.tables(), m_model.CurrentPage);
  m_history.record(field ? field->name : "Changes", field ? field->field : 0, std::move(now));
  show();
}

void ProjectDocument::recordCommand(std::string_view what) {
  m_history.record(std::string(what), 0, ChangeableValues(m_model.tables()));
  show();
}

std::optional<int> ProjectDocument::step(bool back) {
  if (back ? !m_history.canUndo() : !m_history.canRedo()) return std::nullopt;
  const int place = (back ? m_history.nextUndo() : m_history.nextRedo()).place;
  if (back) {
    m_history.undo();
  } else {
    m_history.redo();
  }
  m_history.current().restoreInto(m_model);
  show();
  return place;
}

void ProjectDocument::show() {
  m_toolkit.windowtitle(shownName(), unsavedChanges());
  // The Edit menu names the steps that Undo and Redo would take, and greys
  // them when there is none.
  m_toolkit.windowmenutext(kCmdUndo, m_history.canUndo() ? "&Undo " + m_history.nextUndo().name : "&Undo");
  m_toolkit.windowmenuenable(kCmdUndo, m_history.canUndo());
  m_toolkit.windowmenutext(kCmdRedo, m_history.canRedo() ? "&Redo " + m_history.nextRedo().name : "&Redo");
  m_toolkit.windowmenuenable(kCmdRedo, m_history.canRedo());
}

}  // namespace kovrin
