// The house view: above all what must not be missed (pages with other
// design conditions, partition walls that add nothing), then every zone with
// input in one table, with its page, floor area, heating and cooling load,
// each per ft² of floor, each zone's airflow share and, with a system
// airflow entered, its part of it; a total row after each page and one for
// the house; below it the house's design load with the cooling in tons and
// the ft² per ton, the design load's parts, the house turned and the sizes
// that fit (gui/designpanel.h), and the bar chart of the zone loads.
//
// It shows a HouseSummary, a HouseDesign and the chart's SVG text
// (house/housesummary.h, house/housedesign.h, writers/housechart.h), the
// figures kovrin-report prints, in the same text. An update is cheap enough
// to follow every keystroke: the table reads the summary through a model
// that formats only the cells on screen (gui/housetablemodel.h), the design
// part sets only the texts that changed, and the chart is drawn again only
// when its text changed, once the changes pause (gui/chartwidget.h).
#pragma once

#include <QWidget>

#include <memory>
#include <string_view>

#include "house/housedesign.h"
#include "house/housesummary.h"

class QLabel;
class QModelIndex;
class QSplitter;
class QTableView;

namespace kovrin {

class HouseTableModel;
class ChartWidget;
class DesignPanel;

class HouseView : public QWidget {
  Q_OBJECT

 public:
  explicit HouseView(QWidget* parent = nullptr);
  ~HouseView() override;

  void setSummary(const HouseSummary& summary, const HouseDesign& design, std::string_view chartSvg);
  // A heat pump's balance-point chart beside the bar chart; hidden while
  // `svg` is empty.
  void setBalanceChart(std::string_view svg);
  // Wide enough for every column with its header whole.
  QSize sizeHint() const override;

  // The table, for tests and for focus: a zone's row holds its number in
  // Qt::UserRole; total rows hold 0 there.
  QTableView* table() const { return m_table; }
  QLabel* houseLine() const { return m_houseLine; }
  QLabel* warnings() const { return m_warnings; }
  DesignPanel* designPanel() const { return m_design; }

 signals:
  // The user chose a zone's row: double-click, or Enter on it.
  void zoneChosen(int zone);
  // The user asked for the House Air and People dialog.
  void airAndPeopleWanted();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void setUpTable();
  void setUpLines();
  QSplitter* splitParts();
  void activated(const QModelIndex& index);
  void widenForTable();

  HouseTableModel* m_model = nullptr;
  QLabel* m_warnings = nullptr;
  QTableView* m_table = nullptr;
  QLabel* m_houseLine = nullptr;
  DesignPanel* m_design = nullptr;
  QSplitter* m_splitter = nullptr;
  ChartWidget* m_chart = nullptr;
  ChartWidget* m_balanceChart = nullptr;
  bool m_shown = false;
};

}  // namespace kovrin
