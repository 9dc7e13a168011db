// The history of the user's changes to a project, for Undo and Redo.
//
// It keeps what the project held after each finished change, not the
// change: a step back returns to exactly what the project held before,
// whatever the change was (a field, a list, a name, a dialog of the
// program's own). Each step is named as the Edit menu names it ("Floor area
// of zone 3") and says where the change was made, so that undoing it can
// show that place.
//
// Like QUndoStack, the history knows which of its states matches the
// project's file (the clean state): the one it started from (read from the
// file) or the one last written. Undoing or redoing back to it leaves nothing
// unsaved; a change recorded after undoing past it drops the steps that led
// there, so the clean state can no longer be reached, until the next write.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kovrin {

template <typename State>
class EditHistory {
 public:
  struct Step {
    std::string name;
    int place;    // where the change was made, for the program; 0 for nowhere in particular
    State state;  // what the project held after it
  };

  // A new history from `start`: nothing to undo. `start` is clean when it
  // matches the file; otherwise no state of the new history is.
  void restart(State start, bool clean = true) {
    m_start = std::move(start);
    m_steps.clear();
    m_index = 0;
    m_clean = clean ? std::optional<std::size_t>(0) : std::nullopt;
  }

  // The state after the last step done (the start when none is).
  const State& current() const { return m_index == 0 ? m_start : m_steps[m_index - 1].state; }

  // A finished change, which led from current() to `state`. The steps that
  // were undone are gone.
  void record(std::string name, int place, State state) {
    if (m_clean && *m_clean > m_index) m_clean.reset();
    m_steps.erase(m_steps.begin() + static_cast<std::ptrdiff_t>(m_index), m_steps.end());
    m_steps.push_back({std::move(name), place, std::move(state)});
    ++m_index;
  }

  bool canUndo() const { return m_index > 0; }
  bool canRedo() const { return m_index < m_steps.size(); }
  // The step that undo (redo) would take back (do again); canUndo() (canRedo()) first.
  const Step& nextUndo() const { return m_steps[m_index - 1]; }
  const Step& nextRedo() const { return m_steps[m_index]; }

  // One step back (forward); current() then holds the state to show.
  void undo() {
    if (canUndo()) --m_index;
  }
  void redo() {
    if (canRedo()) ++m_index;
  }

  // current() now matches the file.
  void setClean() { m_clean = m_index; }
  bool isClean() const { return m_clean == m_index; }

 private:
  State m_start{};
  std::vector<Step> m_steps;
  std::size_t m_index = 0;                  // steps done: m_steps[0..m_index)
  std::optional<std::size_t> m_clean = 0;  // none when it can no longer be reached
};

}  // namespace kovrin
