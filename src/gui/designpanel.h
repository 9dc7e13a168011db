// The house view's design part, below the house totals: the design load as
// a small table (or, while none of the air and people is entered, the one
// line that says so and opens the dialog on a click), the house turned in
// its eight orientations with the worst marked, and the equipment sizes that
// fit, each figure with the line it rests on; beside them the detailed
// design load component by component in both seasons.
//
// It shows a HouseDesign (house/housedesign.h) in the words of
// writers/designtext.h, which the house report and kovrin-report use too. An
// update sets only the texts that changed, so it can follow every
// keystroke.
#pragma once

#include <QWidget>

#include "house/housedesign.h"

class QLabel;
class QTableWidget;

namespace kovrin {

class DesignPanel final : public QWidget {
  Q_OBJECT

 public:
  explicit DesignPanel(QWidget* parent = nullptr);

  void setDesign(const HouseDesign& design);

  // For tests: the design load's table (rows as designRows, columns
  // heating, sensible, latent; then the cooling total and the sensible heat
  // ratio across them), the line shown instead of it, the turns' table (a
  // row per turn: turn, north side faces, rooms, design, mark; then the
  // spread across them) and the sizes.
  QTableWidget* loadTable() const { return m_load; }
  QLabel* notEnteredLine() const { return m_notEntered; }
  QLabel* changeLine() const { return m_change; }
  QTableWidget* orientationTable() const { return m_turns; }
  // The detailed design load by component (rows as kComponentWordings,
  // then the total; columns heating, sensible, latent).
  QTableWidget* componentTable() const { return m_components; }
  // Under it, where the ducts component comes from.
  QLabel* ductsLine() const { return m_ducts; }
  QLabel* sizesText() const { return m_sizes; }

 signals:
  // The user asked for the House Air and People dialog.
  void airAndPeopleWanted();

 private:
  void setUpLoadTable();
  void setUpTurnsTable();
  void setUpComponentsTable();
  void layOut();

  QTableWidget* m_load = nullptr;
  QLabel* m_notEntered = nullptr;
  QLabel* m_change = nullptr;
  QTableWidget* m_turns = nullptr;
  QTableWidget* m_components = nullptr;
  QLabel* m_ducts = nullptr;
  QLabel* m_sizes = nullptr;
};

}  // namespace kovrin
