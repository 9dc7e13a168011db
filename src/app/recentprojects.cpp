#include "app/recentprojects.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "screen/commands.h"
#include "toolkit/toolkit.h"

namespace kovrin {
namespace {

constexpr std::string_view kSettingsKey = "recentProjects";

std::vector<std::string> readList(Toolkit& toolkit) {
  std::vector<std::string> projects = toolkit.wsettingsread(kSettingsKey);
  // A list edited by hand may hold more than the menu shows.
  if (projects.size() > static_cast<std::size_t>(kRecentProjectEntries)) projects.resize(kRecentProjectEntries);
  return projects;
}

// Written, and shown, only when it changed.
void keepList(Toolkit& toolkit, const std::vector<std::string>& before, const std::vector<std::string>& after) {
  if (after == before) return;
  toolkit.wsettingswrite(kSettingsKey, after);
  showRecentProjects(toolkit);
}

}  // namespace

std::vector<std::string> withNewest(std::vector<std::string> projects, const std::string& path) {
  std::erase(projects, path);
  projects.insert(projects.begin(), path);
  if (projects.size() > static_cast<std::size_t>(kRecentProjectEntries)) projects.resize(kRecentProjectEntries);
  return projects;
}

std::string recentEntryText(int n, const std::string& path, const std::string& home) {
  std::string shown = path;
  if (!home.empty() && home != "/" && shown.starts_with(home) && shown.size() > home.size() &&
      shown[home.size()] == '/') {
    shown = "~" + shown.substr(home.size());
  }
  std::string text = "&" + std::to_string(n) + " ";
  for (const char c : shown) text += c == '&' ? std::string("&&") : std::string(1, c);
  return text;
}

void showRecentProjects(Toolkit& toolkit) {
  const std::vector<std::string> projects = readList(toolkit);
  const char* home = std::getenv("HOME");
  for (int n = 1; n <= kRecentProjectEntries; ++n) {
    const auto i = static_cast<std::size_t>(n - 1);
    toolkit.windowmenutext(kCmdRecentProject1 + n - 1,
                           i < projects.size() ? recentEntryText(n, projects[i], home == nullptr ? "" : home) : "");
  }
  toolkit.windowmenuenable(kCmdRecentMenu, !projects.empty());
  toolkit.windowmenuenable(kCmdClearRecent, !projects.empty());
}

void rememberProject(Toolkit& toolkit, const std::string& path) {
  // Named from the working folder, it is kept with its folder.
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  const std::vector<std::string> projects = readList(toolkit);
  keepList(toolkit, projects, withNewest(projects, error ? path : absolute.lexically_normal().string()));
}

void forgetProject(Toolkit& toolkit, const std::string& path) {
  const std::vector<std::string> projects = readList(toolkit);
  std::vector<std::string> kept = projects;
  std::erase(kept, path);
  keepList(toolkit, projects, kept);
}

void clearRecentProjects(Toolkit& toolkit) { keepList(toolkit, readList(toolkit), {}); }

std::optional<std::string> recentProject(Toolkit& toolkit, int n) {
  const std::vector<std::string> projects = readList(toolkit);
  if (n < 1 || static_cast<std::size_t>(n) > projects.size()) return std::nullopt;
  return projects[static_cast<std::size_t>(n - 1)];
}

}  // namespace kovrin
