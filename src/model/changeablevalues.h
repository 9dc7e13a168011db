// What of a project the user can change: the states that the project's
// history (model/edithistory.h) keeps for Undo and Redo.
//
// The page calculation's results (each zone's load, the page's load total
// and the zones' airflow shares) are stored in the project file beside the
// user's values, but no edit of the user's makes them: they come from the
// last calculation of their page. A state therefore holds none of them, and
// putting a state back into a project writes the user's values only, so
// that Undo and Redo leave every stored result as it was. The notes that a
// later version wrote are kept as read and are no edit either.
#pragma once

#include <cstdint>
#include <utility>

#include "model/model.h"

namespace kovrin {

// The rows of PageIntegers that the page calculation writes.
constexpr bool isResultRow(int row) {
  return (row >= irow::ZoneLoad(1) && row <= irow::PageLoadTotal) ||
         (row >= irow::ZoneAirShare(1) && row <= irow::ZoneAirShare(kZoneColumns));
}

// The values of a project that the user can change, without its results.
// Kept as the tables with every result row at 0 and no other notes, so that
// whatever the project file comes to hold besides is the user's to change
// and to undo, with no list here to keep up to date.
class ChangeableValues {
 public:
  ChangeableValues() = default;
  explicit ChangeableValues(const ProjectTables& tables) : m_values(tables) {
    m_values.OtherNotes.clear();
    for (int page = 1; page <= kPages; ++page) {
      for (int row = 1; row <= kPageIntegerRows; ++row) {
        if (isResultRow(row)) m_values.integer(page, row) = 0;
      }
    }
  }

  // The user's values of `tables` become these; every other item (the
  // results, the other notes) stays as it is.
  void restoreInto(ProjectTables& tables) const {
    ProjectTables restored = m_values;
    restored.OtherNotes = std::move(tables.OtherNotes);
    for (int page = 1; page <= kPages; ++page) {
      for (int row = 1; row <= kPageIntegerRows; ++row) {
        if (isResultRow(row)) restored.integer(page, row) = tables.integer(page, row);
      }
    }
    tables = std::move(restored);
  }

  friend bool operator==(const ChangeableValues&, const ChangeableValues&) = default;

 private:
  ProjectTables m_values;
};

}  // namespace kovrin
