#include "model/edithistory.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "model/changeablevalues.h"
#include "model/model.h"

namespace kovrin {
namespace {

// A walk through the history, one letter a step: a digit records that
// value, u undoes, r redoes, s marks the file written, n restarts from 0
// unclean; then what the Edit menu and the unsaved mark would show.
TEST(EditHistoryTest, UndoRedoAndTheCleanStateFollowTheSteps) {
  struct Row {
    const char* name;
    const char* steps;
    int current;
    bool canUndo, canRedo, clean;
  } const rows[] = {
      {"nothing done", "", 0, false, false, true},
      {"a change", "1", 1, true, false, false},
      {"undone back to the file", "12uu", 0, false, true, true},
      {"redone", "12uur", 1, true, true, false},
      {"a change after undo drops the undone steps", "12u3", 3, true, false, false},
      {"written, then undone past it", "12su", 1, true, true, false},
      {"written, undone, redone", "12sur", 2, true, false, true},
      {"undone past the file, then changed: the file is out of reach", "1su2u", 0, false, true, false},
      {"undo with nothing to undo", "uu", 0, false, false, true},
      {"a restart that is not clean", "1n", 0, false, false, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EditHistory<int> history;
    history.restart(0);
    for (const char step : std::string(row.steps)) {
      if (step >= '0' && step <= '9') history.record("Step", 0, step - '0');
      if (step == 'u') history.undo();
      if (step == 'r') history.redo();
      if (step == 's') history.setClean();
      if (step == 'n') history.restart(0, false);
    }
    EXPECT_EQ(history.current(), row.current);
    EXPECT_EQ(history.canUndo(), row.canUndo);
    EXPECT_EQ(history.canRedo(), row.canRedo);
    EXPECT_EQ(history.isClean(), row.clean);
  }
}

// A state holds every value the user can change and no result of the page
// calculation; putting one back changes the user's values only.
TEST(EditHistoryTest, AStateHoldsTheUsersValuesAndRestoresNoResult) {
  struct Row {
    const char* name;
    std::function<void(ProjectTables&)> change;
    bool usersValue;
  } const rows[] = {
      {"a list choice", [](ProjectTables& t) { t.selection(3) = 2; }, true},
      {"a design temperature", [](ProjectTables& t) { t.integer(4, irow::SummerDesignTemp) = 99; }, true},
      {"a page's total airflow", [](ProjectTables& t) { t.integer(5, irow::PageAirTotal) = 1500; }, true},
      {"a U-value", [](ProjectTables& t) { t.zone(2, 3, ZoneQuantity::WallU) = 0.05f; }, true},
      {"a zone's name", [](ProjectTables& t) { t.zoneName(17) = "Kitchen"; }, true},
      {"the client", [](ProjectTables& t) { t.Job.Client = "Smith"; }, true},
      {"a zone's load", [](ProjectTables& t) { t.integer(2, irow::ZoneLoad(4)) = 1234; }, false},
      {"a page's load total", [](ProjectTables& t) { t.integer(3, irow::PageLoadTotal) = 9999; }, false},
      {"an airflow share", [](ProjectTables& t) { t.integer(1, irow::ZoneAirShare(10)) = 40; }, false},
  };
  ProjectTables stored;
  for (int page = 1; page <= kPages; ++page) {
    for (int row = 1; row <= kPageIntegerRows; ++row) stored.integer(page, row) = isResultRow(row) ? 7 : 0;
  }
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ProjectTables changed = stored;
    row.change(changed);
    EXPECT_EQ(ChangeableValues(changed) != ChangeableValues(stored), row.usersValue);
    // Undo of the change over a project whose results moved on since.
    ProjectTables project = changed;
    ChangeableValues(stored).restoreInto(project);
    EXPECT_EQ(ChangeableValues(project), ChangeableValues(stored));
    EXPECT_EQ(project.PageIntegers, row.usersValue ? stored.PageIntegers : changed.PageIntegers);
  }
}

}  // namespace
}  // namespace kovrin
