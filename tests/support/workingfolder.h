// A scratch folder that is also the working folder while the test runs, as
// the program's own folder is: the fixed file names (new.dat, out.dat,
// HELP.HLP) are looked up there. The working folder is given back after.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <system_error>

#include "scratchfolder.h"

namespace kovrin::test {

// `folder` is the working folder for as long as this lives; then the
// previous one is again.
class EnteredFolder {
 public:
  explicit EnteredFolder(const std::filesystem::path& folder) : m_previous(std::filesystem::current_path()) {
    std::filesystem::current_path(folder, m_error);
  }
  ~EnteredFolder() {
    std::error_code ignored;
    std::filesystem::current_path(m_previous, ignored);
  }
  EnteredFolder(const EnteredFolder&) = delete;
  EnteredFolder& operator=(const EnteredFolder&) = delete;

  // Why the folder could not be entered; empty when it was.
  const std::error_code& error() const { return m_error; }

 private:
  std::filesystem::path m_previous;
  std::error_code m_error;
};

class WorkingFolder : public ScratchFolder {
 protected:
  void SetUp() override {
    ScratchFolder::SetUp();
    if (HasFatalFailure()) return;
    m_entered.emplace(m_dir);
    ASSERT_FALSE(m_entered->error()) << m_dir << ": " << m_entered->error().message();
  }
  void TearDown() override {
    m_entered.reset();
    ScratchFolder::TearDown();
  }

 private:
  std::optional<EnteredFolder> m_entered;
};

}  // namespace kovrin::test
