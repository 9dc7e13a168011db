// The sample projects of the whole-house tests, and the page results as the
// window's Calculate shows them, taken from the 21 integers it puts on the
// screen.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "calc/calcdata.h"
#include "golden.h"
#include "model/model.h"
#include "projectfile/projectfile.h"
#include "recordingtoolkit.h"

namespace kovrin::testing {

inline std::filesystem::path cliData(const std::string& name) {
  return std::filesystem::path(KOVRIN_TEST_DATA_DIR) / "cli" / name;
}

// house.prj: all five pages filled, every component of every zone present,
// floors over unconditioned rooms so that floors count in cooling too.
// sparse.prj: only zone 3 has input; the other pages hold stale results.
inline const char* const kSampleProjects[] = {"house.prj", "sparse.prj"};


// A project of tests/data by its path there ("house/design.prj").
inline ProjectTables loadTestProject(const std::string& path) {
  ProjectTables tables;
  const FileResult result = loadProjectFile((std::filesystem::path(KOVRIN_TEST_DATA_DIR) / path).string(), tables);
  EXPECT_TRUE(result.ok) << result.message;
  return tables;
}

inline ProjectTables loadSample(const std::string& name) { return loadTestProject("cli/" + name); }

using test::RecordingToolkit;

// What the TOTALS and "CFM or %" rows show after Calculate.
struct ShownResults {
  std::array<std::int32_t, kZoneColumns> zoneLoad{};
  std::int32_t total = 0;
  std::array<std::int32_t, kZoneColumns> airShare{};
};

// Calculate on `page` with `loadChoice`, as the window runs it: on the one
// model, with CurrentPage and LoadChoice set, through CalcData.
inline ShownResults calculateShown(const ProjectTables& tables, int page, std::int32_t loadChoice) {
  ProjectModel model;
  model.setTables(tables);
  model.CurrentPage = page;
  model.LoadChoice = loadChoice;
  RecordingToolkit toolkit;
  CalcData(model, toolkit);
  constexpr std::array<int, kZoneColumns> kShareFields{1173, 1174, 1176, 1177, 1178,
                                                       1179, 1180, 1181, 1182, 1183};
  ShownResults shown;
  EXPECT_EQ(toolkit.shown.size(), 21u);
  if (toolkit.shown.size() != 21u) return shown;
  for (int c = 0; c < kZoneColumns; ++c) {
    EXPECT_EQ(toolkit.shown[c].first, 1155 + c);
    shown.zoneLoad[c] = toolkit.shown[c].second;
    EXPECT_EQ(toolkit.shown[11 + c].first, kShareFields[c]);
    shown.airShare[c] = toolkit.shown[11 + c].second;
  }
  EXPECT_EQ(toolkit.shown[10].first, 1165);
  shown.total = toolkit.shown[10].second;
  return shown;
}

}  // namespace kovrin::testing
