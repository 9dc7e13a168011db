#include "launcher/workfolder.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <string_view>
#include <system_error>

#include "model/programnames.h"
#include "fileio/readfile.h"
#include "fileio/replacefile.h"

namespace kovrin {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kFolderName = "Kovrin";
constexpr std::array<std::string_view, 2> kInstalledFiles = {kTemplateFileName, kHelpFileName};
// What a user can do about a folder that cannot be had.
constexpr std::string_view kWorkdirHint = " Set KOVRIN_WORKDIR to a folder that Kovrin can write in.";

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

// A relative HOME or XDG_* folder is not valid and is treated as unset, as
// the desktop's own tools do.
fs::path absoluteFolder(const char* variable) {
  fs::path folder = environment(variable);
  return folder.is_absolute() ? folder : fs::path();
}

std::string errnoText(int number) { return std::error_code(number, std::generic_category()).message(); }

// The documents folder that a user-dirs.dirs text names, or empty when it
// names none. Its lines read XDG_DOCUMENTS_DIR="$HOME/Documents" or
// XDG_DOCUMENTS_DIR="/absolute/path", with \" \\ \$ and \` escaped; no other
// form is valid. The file is shell text, so a later line wins.
fs::path documentsFolderIn(std::string_view text, const fs::path& home) {
  constexpr std::string_view kKey = "XDG_DOCUMENTS_DIR=\"";
  constexpr std::string_view kHome = "$HOME";
  fs::path found;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    line.remove_prefix(std::min(line.find_first_not_of(" \t"), line.size()));
    if (!line.starts_with(kKey)) continue;
    line.remove_prefix(kKey.size());
    // $HOME is looked for before unescaping: an escaped \$HOME is a name.
    const bool underHome = line.starts_with(kHome) && (line.size() == kHome.size() || line[kHome.size()] == '/' ||
                                                       line[kHome.size()] == '"');
    std::string value;
    bool closed = false;
    for (std::size_t i = 0; i < line.size() && !closed; ++i) {
      if (line[i] == '\\' && i + 1 < line.size()) {
        value += line[++i];
      } else if (line[i] == '"') {
        closed = true;
      } else {
        value += line[i];
      }
    }
    if (!closed) continue;
    if (underHome) {
      found = fs::path(home.string() + value.substr(kHome.size()));
    } else if (value.starts_with('/')) {
      found = fs::path(value);
    }
  }
  return found;
}

// A path in a message is cut after this many bytes: a person reads no more,
// and two such paths keep a message far below what one environment string
// may hold.
constexpr std::size_t kMostPathBytesShown = 1024;

// The settings file and the installed files are small; anything larger is
// not one of them.
constexpr std::size_t kMostBytes = 4 * 1024 * 1024;

// The text of a file, or nothing when it cannot be read.
std::string readSmallFile(const fs::path& path) {
  std::string text;
  if (!readPlainFile(path.string(), kMostBytes, text)) return {};
  return text;
}

// Copy `from` to `to` unless `to` exists. The copy is made whole beside
// `to` and put in place only where no file is, so a file made meanwhile is
// kept, and a copy that fails (a full disk, a file-size limit) leaves no
// cut-off template behind to be kept from then on.
FileResult copyWhereMissing(const fs::path& from, const fs::path& to) {
  std::error_code error;
  if (fs::exists(fs::symlink_status(to, error))) return {};
  std::string text;
  if (!readPlainFile(from.string(), kMostBytes, text)) {
    return FileResult::failure("The installed file " + pathInMessage(from) +
                               " cannot be read. Reinstalling Kovrin puts it back.");
  }
  const FileResult copied = replaceFile(to.string(), text, {.failure = "not copied", .keepExisting = true});
  if (!copied) return FileResult::failure(copied.message + ".");
  return {};
}

struct FolderChoice {
  fs::path folder;      // absolute; empty when none could be chosen
  std::string problem;  // why none could be chosen
};

FolderChoice chooseWorkFolder() {
  std::error_code error;
  const fs::path current = fs::current_path(error);
  if (const std::string workdir = environment("KOVRIN_WORKDIR"); !workdir.empty()) {
    if (fs::path(workdir).is_absolute()) return {fs::path(workdir).lexically_normal(), {}};
    if (current.empty()) {
      return {{}, "KOVRIN_WORKDIR names the relative folder " + pathInMessage(workdir) +
                      ", but the current folder cannot be found."};
    }
    return {(current / workdir).lexically_normal(), {}};
  }
  if (!current.empty() && fs::is_regular_file(current / kTemplateFileName, error)) return {current, {}};

  const fs::path home = absoluteFolder("HOME");
  if (home.empty()) {
    return {{}, "HOME is not set to a folder, so Kovrin has no folder of its own to work in." + std::string(kWorkdirHint)};
  }
  fs::path documents = absoluteFolder("XDG_DOCUMENTS_DIR");
  if (documents.empty()) {
    fs::path config = absoluteFolder("XDG_CONFIG_HOME");
    if (config.empty()) config = home / ".config";
    documents = documentsFolderIn(readSmallFile(config / "user-dirs.dirs"), home);
  }
  if (documents.empty()) documents = home;
  return {(documents / kFolderName).lexically_normal(), {}};
}

// Make `folder` where it is missing, check that it can be written, and copy
// the installed files into it where missing.

FileResult prepareWorkFolder(const fs::path& folder, const fs::path& dataFolder) {
  std::error_code error;
  fs::create_directories(folder, error);
  if (error || !fs::is_directory(folder, error)) {
    const std::string reason = error ? error.message() : "it is not a folder";
    return FileResult::failure("Kovrin cannot make its working folder " + pathInMessage(folder) + ": " + reason +
                               "." + std::string(kWorkdirHint));
  }
  if (::access(folder.c_str(), W_OK | X_OK) != 0) {
    const int reason = errno;
    return FileResult::failure("Kovrin cannot write in its working folder " + pathInMessage(folder) + ": " +
                               errnoText(reason) + "." + std::string(kWorkdirHint));
  }
  for (const std::string_view name : kInstalledFiles) {
    const FileResult copied = copyWhereMissing(dataFolder / name, folder / name);
    if (!copied) return copied;
  }
  return {};
}

}  // namespace

std::string pathInMessage(const fs::path& path) {
  std::string text = path.string();
  if (text.size() <= kMostPathBytesShown) return text;
  // Cut before a character, never inside one: the message box reads UTF-8.
  std::size_t cut = kMostPathBytesShown;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  text.resize(cut);
  return text + "\u2026";
}

FileResult enterWorkFolder(const fs::path& dataFolder) {
  const FolderChoice choice = chooseWorkFolder();
  if (!choice.problem.empty()) return FileResult::failure(choice.problem);
  if (FileResult prepared = prepareWorkFolder(choice.folder, dataFolder); !prepared) return prepared;
  if (::chdir(choice.folder.c_str()) != 0) {
    const int reason = errno;
    return FileResult::failure("Kovrin cannot enter its working folder " + pathInMessage(choice.folder) + ": " +
                               errnoText(reason) + ".");
  }
  return {};
}

}  // namespace kovrin
