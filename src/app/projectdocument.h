// The project the window works on: the one project model, the file it
// belongs to and the history of the user's changes to it.
//
// The document reads and writes the project's file, records each finished
// change of the user's as a step of the history and steps back and forth
// through it. Whether the project has unsaved changes is not kept apart: it
// is whether the history stands away from its clean state, the state read
// from the file or last written to it. Whatever of this the user sees (the
// window's title with its unsaved mark, the Edit menu's Undo and Redo) the
// document shows itself whenever it changes, so that no command has to.
//
// A file that cannot be read or written is reported to the user, names the
// file and the reason, and leaves the project as it was.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "app/recentprojects.h"
#include "model/changeablevalues.h"
#include "model/edithistory.h"
#include "model/model.h"

namespace kovrin {

class Toolkit;

class ProjectDocument {
 public:
  ProjectDocument(ProjectModel& model, Toolkit& toolkit) : m_model(model), m_toolkit(toolkit), m_recent(toolkit) {}
  ProjectDocument(const ProjectDocument&) = delete;
  ProjectDocument& operator=(const ProjectDocument&) = delete;

  ProjectModel& model() { return m_model; }
  const ProjectModel& model() const { return m_model; }
  Toolkit& toolkit() { return m_toolkit; }
  // File > Open Recent, where every project read or written goes first.
  RecentProjects& recentProjects() { return m_recent; }

  // The file: a project read from the template has none of its own until
  // the user names one, and nothing is written before.
  bool isNamed() const;
  // The project as the user knows it: its file without the folder, or
  // "Untitled".
  std::string shownName() const;
  // The folder of the project's file; empty for the working folder.
  std::filesystem::path folder() const;
  // Whether the project's file name can hold `path` exactly; says why not.
  bool fitsFileName(const std::string& path);
  // The project goes by `path` from now on; false, with the reason shown,
  // when the file name cannot hold it.
  bool rename(const std::string& path);

  // Read the file at `path` into the model, at its first page; on failure
  // the model, its page and its file name are as they were.
  bool read(const std::string& path);
  // Write the model into its file, once the user agrees where another
  // program changed that file since; the history is then clean.
  bool write();
  // Read page `page` back from the project's file just written.
  bool readPage(int page);
  // An unnamed project passes through the text its file would hold, so that
  // its values are those a write and a read would give; nothing is written.
  bool passThroughText();

  // The history starts anew from what the model holds: after a read (clean)
  // or a page change (clean when nothing was unsaved before).
  enum class Start { FromFile, FromPageChange };
  void startHistory(Start start);
  // The screen is read into the model, and a change of the user's since the
  // last step, if any, becomes a step named after what changed on the page.
  void finishScreenChange();
  // A change a command or dialog of the program's own made to the model,
  // named as the Edit menu names it ("Project Details").
  void recordCommand(std::string_view what);
  // Undo (back) or Redo: the user's values of the model as before (after)
  // the step; every stored result stays. The place of the change (0 for
  // none), or nothing when there was no step to take.
  std::optional<int> step(bool back);
  bool unsavedChanges() const { return !m_history.isClean(); }

 private:
  // The window's title and the Edit menu, as the file and history stand.
  void show();

  ProjectModel& m_model;
  Toolkit& m_toolkit;
  RecentProjects m_recent;
  EditHistory<ChangeableValues> m_history;
};

}  // namespace kovrin
