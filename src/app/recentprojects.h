// File > Open Recent: the projects last opened or saved, newest first, each
// once, at most kRecentProjectEntries of them. The list is kept in the
// user's settings through the toolkit, so every Kovrin the user runs shares
// it; it is read afresh whenever it is used, and never more of it than the
// menu shows, however long a damaged settings file says it is.
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

class RecentProjects {
 public:
  explicit RecentProjects(Toolkit& toolkit) : m_toolkit(toolkit) {}

  // The Open Recent entries as the settings hold them: one per project, the
  // others hidden, the sub-menu greyed when there is none.
  void show();
  // A project was read from or written to `path`: it goes first, under the
  // path it was opened by, made absolute but never shortened (through a
  // symbolic link, "lnk/../p.prj" is another file than "p.prj").
  void remember(const std::string& path);
  // `path` no longer belongs on the list.
  void forget(const std::string& path);
  void clear();
  // The path entry n (1..) shows, whatever another Kovrin wrote to the list
  // since; none when it shows none.
  std::optional<std::string> shown(int n) const;

 private:
  std::vector<std::string> read();
  // Written, and shown, only when it changed.
  void keep(const std::vector<std::string>& before, const std::vector<std::string>& after);

  Toolkit& m_toolkit;
  std::vector<std::string> m_shown;
};

}  // namespace kovrin
