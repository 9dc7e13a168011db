// A scratch folder that is also the working folder while the test runs, as
// the program's own folder is: the fixed file names (new.dat, out.dat,
// HELP.HLP) are looked up there. The working folder is given back after.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <system_error>

#include "scratchfolder.h"

namespace kovrin::test {

class WorkingFolder : public ScratchFolder {
 protected:
  void SetUp() override {
    ScratchFolder::SetUp();
    if (HasFatalFailure()) return;
    m_previous = std::filesystem::current_path();
    std::error_code error;
    std::filesystem::current_path(m_dir, error);
    ASSERT_FALSE(error) << m_dir << ": " << error.message();
  }
  void TearDown() override {
    std::error_code error;
    if (!m_previous.empty()) std::filesystem::current_path(m_previous, error);
    ScratchFolder::TearDown();
  }

 private:
  std::filesystem::path m_previous;
};

}  // namespace kovrin::test
