// The program's spine: start-up, the main loop and the handling of one
// toolkit message, and the menu commands' dispatch.
//
// Every command is a short fixed sequence of the other layers' operations
// (screen transfer, project file, page calculation, load report, toolkit
// dialogs); the file commands and the page navigation are in
// app/filecommands.h, the project's file and history in
// app/projectdocument.h.
//
// Two promises hold across the commands:
//  - the results on screen and in the report belong to the page, project and
//    Heating/Cooling choice on screen: every page change, New, Open and Print
//    calculates, and with spreadsheet mode off a change by the user shows the
//    results as out of date until the next calculation;
//  - no change by the user is lost without a question (app/filecommands.h).
//
// Every finished change of the user's (a field left with a new value, a
// list choice, a zone's name, a dialog's OK) is a step of the project's
// history, which Edit > Undo and Redo walk; the history starts anew with
// every project read and every page change. The screen is read into the
// model once for each message that finishes a change.
#pragma once

#include <cstdint>
#include <string>

#include "model/model.h"
#include "model/programnames.h"

namespace kovrin {

class Gui;
class ProjectDocument;
class Toolkit;
struct MessageRecord;

// Open the main window, load the template "new.dat" from the working folder
// and show page 1. A template that cannot be read is reported, and the
// program starts with the built-in defaults instead.
void startup(ProjectDocument& document);

// Handle one message of the main loop: a menu selection runs its command, a
// file dropped on the window is opened as Open opens it, a field change
// recalculates the page while spreadsheet mode is on and otherwise marks the
// results out of date when the user changed the field. True when the
// program is to end: Exit or a close request, once unsaved changes are
// settled.
bool handleMessage(std::int32_t type, const MessageRecord& record, ProjectDocument& document, Gui& gui);

// Start up, open `project` (a path; none when empty) as Open does, run the
// main loop until Exit or a close request, close the window.
int runProgram(ProjectModel& model, Toolkit& toolkit, Gui& gui, const std::string& project = {});

// Carry out the command of one menu item (screen/commands.h); other
// identifiers do nothing. Exit sets QuitRequested to 1 once unsaved changes
// are settled, and changes it in no other case.
void processmenu(std::int32_t command, std::int32_t& QuitRequested, ProjectDocument& document, Gui& gui);

}  // namespace kovrin
