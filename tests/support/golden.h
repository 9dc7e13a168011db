// Golden files: a text compared byte for byte with the file that holds it,
// line ends included. On a difference the failure names the file and shows
// the first line that differs, with its number. KOVRIN_WRITE_GOLDEN=1
// rewrites the files from the program instead (then check the diff).
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace kovrin::testing {

inline std::string readBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void expectGolden(const std::string& actual, const std::filesystem::path& path) {
  if (std::getenv("KOVRIN_WRITE_GOLDEN") != nullptr) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << actual;
  }
  const std::string expected = readBytes(path);
  ASSERT_FALSE(expected.empty()) << "missing golden file " << path;
  if (actual == expected) return;
  std::size_t at = 0;
  while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
  const std::size_t lineStart = at == 0 ? std::string::npos : expected.rfind('\n', at - 1);
  const std::size_t from = lineStart == std::string::npos ? 0 : lineStart + 1;
  const auto line = [&](const std::string& text) {
    if (from >= text.size()) return std::string("<end of text>");
    const std::size_t end = text.find_first_of("\r\n", from);
    return text.substr(from, end == std::string::npos ? std::string::npos : end - from);
  };
  const auto number = 1 + std::count(expected.begin(), expected.begin() + static_cast<std::ptrdiff_t>(from), '\n');
  ADD_FAILURE() << path.filename() << " differs first at byte " << at << ", line " << number << "\n expected: ["
                << line(expected) << "]\n actual:   [" << line(actual) << "]";
}

}  // namespace kovrin::testing
