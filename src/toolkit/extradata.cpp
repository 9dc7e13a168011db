#include "toolkit/extradata.h"

#include <charconv>

namespace kovrin {
namespace {

enum class Section { None, Checks, Menus, Ranges };

std::string_view trimTrailing(std::string_view line) {
  const auto end = line.find_last_not_of(" \r\t");
  return end == std::string_view::npos ? std::string_view() : line.substr(0, end + 1);
}

bool isHeader(std::string_view line) {
  return line == "[Checks]" || line == "[Menus]" || line == "[Ranges]";
}

// Whole-number fields of a line separated by blanks; false unless the line
// holds exactly `count` of them.
bool readNumbers(std::string_view line, std::int32_t* out, int count) {
  int found = 0;
  std::size_t pos = 0;
  while (true) {
    pos = line.find_first_not_of(' ', pos);
    if (pos == std::string_view::npos) break;
    if (found == count) return false;
    const char* begin = line.data() + pos;
    const char* end = line.data() + line.size();
    const auto [next, error] = std::from_chars(begin, end, out[found]);
    if (error != std::errc() || (next != end && *next != ' ')) return false;
    ++found;
    pos = static_cast<std::size_t>(next - line.data());
  }
  return found == count;
}

}  // namespace

ExtraData parseExtraData(std::string_view text) {
  ExtraData data;
  std::vector<std::string_view> lines;
  for (std::size_t start = 0; start < text.size();) {
    const auto end = text.find('\n', start);
    const auto stop = end == std::string_view::npos ? text.size() : end;
    lines.push_back(trimTrailing(text.substr(start, stop - start)));
    start = stop + 1;
  }

  Section section = Section::None;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    if (line.empty()) continue;
    if (line == "[Checks]") {
      section = Section::Checks;
      continue;
    }
    if (line == "[Menus]") {
      section = Section::Menus;
      continue;
    }
    if (line == "[Ranges]") {
      section = Section::Ranges;
      continue;
    }
    if (section == Section::Checks) {
      std::int32_t v[2];
      if (readNumbers(line, v, 2)) {
        data.checks.push_back({v[0], v[1] != 0});
      } else {
        ++data.malformedLines;
      }
    } else if (section == Section::Menus) {
      std::int32_t v[3];
      if (!readNumbers(line, v, 3) || v[1] < 0) {
        ++data.malformedLines;
        continue;
      }
      InitialList list{v[0], v[2], {}};
      // A count larger than the item lines that follow stops at the next
      // section rather than swallowing it.
      for (std::int32_t n = 0; n < v[1] && i + 1 < lines.size() && !isHeader(lines[i + 1]); ++n) {
        list.items.emplace_back(lines[++i]);
      }
      data.lists.push_back(std::move(list));
    } else {
      // Outside any section, or in [Ranges], which carries nothing.
      ++data.malformedLines;
    }
  }
  return data;
}

}  // namespace kovrin
