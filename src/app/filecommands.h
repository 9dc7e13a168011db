// The File menu's commands and the page navigation: everything that reads
// the project's file, writes it or passes the project through it.
//
// Each command starts from the model as the screen showed it when the
// command was chosen (ProjectDocument::finishScreenChange read it). A file
// that cannot be read or written never ends the program: the command shows a
// message naming the file and the reason and leaves the project, the page on
// screen and the status bar as they were. No change of the user's is lost
// without a question: New, Open, a dropped or a recent project, Exit and the
// close box ask to save it first, and Save As asks before it replaces
// another file.
#pragma once

#include <string>

namespace kovrin {

class Gui;
class ProjectDocument;
class Toolkit;

// The template "new.dat" from the working folder, or the built-in defaults
// when it cannot be read (which the user is told), shown at page 1.
void showTemplate(ProjectDocument& document);

// Asked before a command lets unsaved changes go: true when it may go on
// (no changes, saved, or discarded).
bool mayDiscardChanges(ProjectDocument& document);

// Another file of that name is replaced only when the user agrees.
bool mayReplaceFile(Toolkit& toolkit, const std::string& name);

void newProject(ProjectDocument& document, Gui& gui);
void openProject(ProjectDocument& document, Gui& gui);
// The project at `path` read and its first page shown, as Open does with
// the file chosen; the caller has settled unsaved changes.
void openFile(ProjectDocument& document, Gui& gui, const std::string& path);
// The project that entry n of File > Open Recent shows.
void openRecentProject(ProjectDocument& document, Gui& gui, int n);
// Save and Save As; false when nothing was written (Cancel, a failure).
bool saveProject(ProjectDocument& document);
bool saveProjectAs(ProjectDocument& document);

// Page `page` (1..5) shown: the project passes through its file first, also
// when it is the page already shown. A page change whose save fails stays
// on its page.
void changePage(ProjectDocument& document, Gui& gui, int page);

}  // namespace kovrin
