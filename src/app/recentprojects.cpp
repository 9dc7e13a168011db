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
constexpr auto kEntries = static_cast<std::size_t>(kRecentProjectEntries);

}  // namespace

std::vector<std::string> withNewest(std::vector<std::string> projects, const std::string& path) {
  std::erase(projects, path);
  projects.insert(projects.begin(), path);
  if (projects.size() > kEntries) projects.resize(kEntries);
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

std::vector<std::string> RecentProjects::read() {
  std::vector<std::string> projects = m_toolkit.wsettingsread(kSettingsKey, kEntries);
  // A list edited by hand may hold more than the menu shows, or gaps.
  std::erase(projects, std::string());
  if (projects.size() > kEntries) projects.resize(kEntries);
  return projects;
}

void RecentProjects::keep(const std::vector<std::string>& before, const std::vector<std::string>& after) {
  if (after == before) return;
  m_toolkit.wsettingswrite(kSettingsKey, after);
  show();
}

void RecentProjects::show() {
  m_shown = read();
  const char* home = std::getenv("HOME");
  for (int n = 1; n <= kRecentProjectEntries; ++n) {
    const auto i = static_cast<std::size_t>(n - 1);
    m_toolkit.windowmenutext(kCmdRecentProject1 + n - 1,
                             i < m_shown.size() ? recentEntryText(n, m_shown[i], home == nullptr ? "" : home) : "");
  }
  m_toolkit.windowmenuenable(kCmdRecentMenu, !m_shown.empty());
  m_toolkit.windowmenuenable(kCmdClearRecent, !m_shown.empty());
}

void RecentProjects::remember(const std::string& path) {
  // Named from the working folder, it is kept with its folder.
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  const std::vector<std::string> projects = read();
  keep(projects, withNewest(projects, error ? path : absolute.string()));
}

void RecentProjects::forget(const std::string& path) {
  const std::vector<std::string> projects = read();
  std::vector<std::string> kept = projects;
  std::erase(kept, path);
  keep(projects, kept);
}

void RecentProjects::clear() { keep(read(), {}); }

std::optional<std::string> RecentProjects::shown(int n) const {
  if (n < 1 || static_cast<std::size_t>(n) > m_shown.size()) return std::nullopt;
  return m_shown[static_cast<std::size_t>(n - 1)];
}

}  // namespace kovrin
