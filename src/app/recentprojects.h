// File > Open Recent: the projects last opened or saved, newest first, each
// once, at most kRecentProjectEntries of them. The list is kept in the
// user's settings through the toolkit, so every Kovrin the user runs shares
// it; it is read afresh whenever it is used.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kovrin {

class Toolkit;

// The list with `path` first and no other entry of it, cut to the most the
// menu shows.
std::vector<std::string> withNewest(std::vector<std::string> projects, const std::string& path);

// The menu's text for project n (1..): "&1 ~/jobs/smith_house.prj", with the
// home folder written "~" and each "&" of the path doubled, so that it shows.
std::string recentEntryText(int n, const std::string& path, const std::string& home);

// The Open Recent entries as the settings hold them: one per project, the
// others hidden, the sub-menu greyed when there is none.
void showRecentProjects(Toolkit& toolkit);
// A project was read from or written to `path`: it goes first.
void rememberProject(Toolkit& toolkit, const std::string& path);
// `path` no longer belongs on the list.
void forgetProject(Toolkit& toolkit, const std::string& path);
void clearRecentProjects(Toolkit& toolkit);
// The path of project n (1..); none when the list is shorter.
std::optional<std::string> recentProject(Toolkit& toolkit, int n);

}  // namespace kovrin
