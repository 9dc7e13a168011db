// The table of the house view: each zone with input (or a name), a total
// row after each page that has one, the house last, from a HouseSummary,
// with each zone's detailed design load, its part of the system airflow
// and the house's floor area F from its HouseDesign.
//
// It formats only the cells a view asks for, so an update costs little
// however often it comes; an update with the same rows changes the cells in
// place, so the view keeps its current row and scroll position.
#pragma once

#include <QAbstractTableModel>
#include <QFont>
#include <QString>

#include <cstdint>
#include <vector>

#include "house/housedesign.h"
#include "house/housesummary.h"

namespace kovrin {

// A figure as the house view shows it: thousands set apart by commas, an em
// dash for a figure that has no value.
QString shownLoad(std::int64_t btuPerHour);
QString shownArea(const Figure& figure);
QString shownPerArea(const Figure& figure);

class HouseTableModel final : public QAbstractTableModel {
 public:
  enum Column {
    Zone,
    Name,
    Page,
    FloorArea,
    Heating,
    HeatingPerArea,
    HeatingAir,
    Cooling,
    CoolingPerArea,
    CoolingAir,
    HeatingSystemAir,
    CoolingSystemAir,
    // The detailed design load's; the view shows them beside the floor area,
    // before the page calculation's.
    DesignHeating,
    DesignSensible,
    DesignLatent
  };
  static constexpr int kColumns = 15;

  using QAbstractTableModel::QAbstractTableModel;

  void setSummary(const HouseSummary& summary, const HouseDesign& design);
  // Whether the system airflow is entered: its columns have figures.
  bool hasSystemAirflow() const { return m_design.house[HouseValue::SystemAirflow].has_value(); }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  // Qt::UserRole holds a zone row's zone number, 0 on a total row.
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  enum class Kind { Zone, Page, House };
  struct Row {
    Kind kind;
    int index;  // into the summary's zones or pages
    friend bool operator==(const Row&, const Row&) = default;
  };

  QString cell(const Row& row, int column) const;
  QString zoneCell(std::size_t zone, int column) const;
  QString pageCell(std::size_t page, int column) const;
  QString houseCell(int column) const;

  HouseSummary m_summary;
  HouseDesign m_design;
  std::vector<Row> m_rows;
  // The total rows' font.
  QFont m_bold = [] {
    QFont font;
    font.setBold(true);
    return font;
  }();
};

}  // namespace kovrin
