// A folder of the test's own under the system's temporary folder, made
// before each test and removed with all it holds afterwards.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <set>
#include <string>

namespace kovrin::test {

class ScratchFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "kovrin-test-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    m_dir = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(m_dir); }

  // The names in the folder, sorted: what a test leaves behind shows here.
  std::set<std::string> names() const {
    std::set<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(m_dir)) found.insert(entry.path().filename());
    return found;
  }

  std::filesystem::path m_dir;
};

}  // namespace kovrin::test
