#include "gui/houseview.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include <algorithm>
#include <map>
#include <sstream>
#include <utility>

#include "cli/run.h"
#include "gui/designpanel.h"
#include "gui/housetablemodel.h"
#include "house/housedesign.h"
#include "sampleprojects.h"
#include "writers/housechart.h"

namespace kovrin {
namespace {

std::vector<std::string> fields(const std::string& line) {
  std::vector<std::string> out(1);
  for (char c : line) {
    if (c == ',') {
      out.emplace_back();
    } else {
      out.back().push_back(c);
    }
  }
  return out;
}

// A figure as the CSV gives it: no thousands commas, nothing for no value.
std::string plain(const QString& shown) {
  std::string text = shown.toStdString();
  if (text == kNoValueText) return {};
  std::erase(text, ',');
  return text;
}

void show(HouseView& view, const ProjectTables& tables) {
  const HouseSummary summary = summarizeHouse(tables);
  view.setSummary(summary, designHouse(tables), houseChartSvg(summary));
}

TEST(HouseView, ShowsTheNumbersOfKovrinReportsSummary) {
  for (const char* name : testing::kSampleProjects) {
    SCOPED_TRACE(name);
    const std::string path = testing::cliData(name).string();
    std::ostringstream csv;
    std::ostringstream err;
    ASSERT_EQ(run(std::vector<std::string>{"--csv", path}, csv, err), kExitSuccess) << err.str();
    HouseView view;
    show(view, testing::loadSample(name));

    // The CSV row of each row of the view: zone rows by zone, total rows by
    // page, the house last; the view's columns, in the CSV's.
    std::map<std::string, std::vector<std::string>> rows;
    std::istringstream lines(csv.str());
    std::vector<std::string> header;
    for (std::string line; std::getline(lines, line);) {
      auto f = fields(line);
      if (header.empty()) header = f;
      if (f[1] == "zone") rows["zone " + f[2]] = f;
      if (f[1] == "page") rows["Page " + f[3]] = f;
      if (f[1] != "house") continue;
      // The view's house row holds the rooms' figures, the CSV's rooms_ columns.
      for (const auto& [column, rooms] : {std::pair{4, "rooms_heating"}, {5, "rooms_cooling"}, {9, "rooms_floor_area"},
                                          {10, "rooms_heating_per_ft2"}, {11, "rooms_cooling_per_ft2"}}) {
        f[column] = f[static_cast<std::size_t>(std::find(header.begin(), header.end(), rooms) - header.begin())];
      }
      rows["House"] = f;
    }
    constexpr int kCsvColumn[] = {2, 13, 3, 9, 4, 10, 6, 5, 11, 7, 14, 15};
    // Every zone of the CSV is in the view; pages without input have no total row.
    const QAbstractItemModel& model = *view.table()->model();
    int zones = 0;
    for (int r = 0; r < model.rowCount(); ++r) zones += model.index(r, 0).data(Qt::UserRole).toInt() != 0;
    EXPECT_EQ(zones, std::count_if(rows.begin(), rows.end(), [](const auto& row) { return row.second[1] == "zone"; }));
    for (int r = 0; r < model.rowCount(); ++r) {
      const int zone = model.index(r, 0).data(Qt::UserRole).toInt();
      const std::string key = zone != 0 ? "zone " + std::to_string(zone) : model.index(r, 0).data().toString().toStdString();
      SCOPED_TRACE(key);
      ASSERT_EQ(rows.count(key), 1u);
      // The CSV's columns; the detailed design load's follow them.
      for (int c = zone != 0 ? 0 : 2; c < static_cast<int>(std::size(kCsvColumn)); ++c) {
        const std::string shown = plain(model.index(r, c).data().toString());
        // Total rows leave empty the figures that have no total.
        if (zone == 0 && shown.empty()) continue;
        EXPECT_EQ(shown, rows[key][kCsvColumn[c]]) << "column " << c;
      }
    }
    const QString houseLine = view.houseLine()->text().remove(QLatin1Char(','));
    EXPECT_TRUE(houseLine.contains(QString::fromStdString(rows["House"][8] + " tons"))) << houseLine.toStdString();
    EXPECT_TRUE(houseLine.contains(QString::fromStdString(rows["House"][12]))) << houseLine.toStdString();
  }
}

// Every header is whole, and every column shown, at the view's own size.
TEST(HouseView, HeadersAreWhole) {
  HouseView view;
  show(view, testing::loadSample("house.prj"));
  view.resize(view.sizeHint());
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  const QHeaderView& header = *view.table()->horizontalHeader();
  EXPECT_LE(header.length(), header.width());  // the design part below may be the wider
  for (int c = 0; c < header.count(); ++c) {
    if (header.isSectionHidden(c)) continue;  // the system airflow's, while none is entered
    for (const QString& line : header.model()->headerData(c, Qt::Horizontal).toString().split('\n')) {
      EXPECT_LT(header.fontMetrics().horizontalAdvance(line), header.sectionSize(c)) << line.toStdString();
    }
  }
}

// A zone's share of its page's airflow (in the page's unit) and its part of
// the system airflow (CFM) stand side by side: each header says which.
TEST(HouseView, AirflowHeadersSayTheirBasisAndUnit) {
  const HouseTableModel model;
  const struct {
    int column;
    const char* heading;
  } cases[] = {
      {HouseTableModel::HeatingAir, "Heating\npage share\nCFM or %"},
      {HouseTableModel::CoolingAir, "Cooling\npage share\nCFM or %"},
      {HouseTableModel::HeatingSystemAir, "Heating\nsystem part\nCFM"},
      {HouseTableModel::CoolingSystemAir, "Cooling\nsystem part\nCFM"},
      {HouseTableModel::HeatingPerArea, "Page heating\nBtu/h\u00B7ft\u00B2"},
      {HouseTableModel::CoolingPerArea, "Page cooling\nBtu/h\u00B7ft\u00B2"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(model.headerData(c.column, Qt::Horizontal, Qt::DisplayRole).toString().toStdString(), c.heading);
  }
}

// The design part of the view as a reader sees it: a line a row of each
// table that is shown, then the lines shown.
std::string designText(const HouseView& view) {
  const DesignPanel& panel = *view.designPanel();
  QStringList lines{view.houseLine()->text()};
  for (const QTableWidget* table : {panel.loadTable(), panel.orientationTable()}) {
    if (!table->isVisibleTo(&view)) continue;
    for (int row = 0; row < table->rowCount(); ++row) {
      QStringList cells;
      if (table->verticalHeader()->isVisibleTo(&view)) cells << table->verticalHeaderItem(row)->text();
      for (int column = 0; column < table->columnCount(); ++column) cells << table->item(row, column)->text();
      lines << cells.join(QLatin1Char('|'));
    }
  }
  for (const QLabel* label : {panel.notEnteredLine(), panel.sizesText()}) {
    if (label->isVisibleTo(&view)) lines << label->text();
  }
  return lines.join(QLatin1Char('\n')).toStdString();
}

// design.prj and west.prj by the figures of kovrin-report's design summary
// golden (tests/data/cli/design_summary.expected), design.prj on its
// conditioned floor of 2,400 ft²; a project without house values says so.
TEST(HouseView, ShowsTheDesignLoadTheTurnsAndTheSizes) {
  const struct {
    const char* project;
    bool systemAirflow;
    std::vector<const char*> shown;
  } cases[] = {
      {"house/design.prj",
       true,
       {"House design load: heating 23,543 Btu/h \u00B7 cooling 14,697 Btu/h, 1.22 tons \u00B7 conditioned floor "
        "2,400 ft\u00B2, 1,960 ft\u00B2 per ton",
        "Infiltration|11,938|1,915|1,618", "Design load|23,543|11,008|3,689",
        "Cooling total|14,697 Btu/h, 1.22 tons", "Sensible ratio|0.75",
        "as drawn|N|3,000|14,697|worst, sized for", "No nominal size fits: 1.5 tons is 122 % of the load"}},
      {"house/west.prj", false, {"as drawn|N|12,610|19,152|worst, sized for", "Spread 11,824 Btu/h"}},
      {"cli/house.prj", false, {"Air and people not entered: the design load counts no outdoor air, people or appliances",
        "House design load: heating 174,543 Btu/h \u00B7 cooling 99,710 Btu/h, 8.31 tons \u00B7 floor 7,900"}},
      {"reference/vatilo.prj", false, {"House design load as drawn: heating 30,254 Btu/h \u00B7 cooling 28,588"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.project);
    HouseView view;
    ProjectTables tables = testing::loadTestProject(c.project);
    if (c.project[0] == 'r') tables.House.SizeFor = SizingOrientation::Worst;
    show(view, tables);
    const std::string text = designText(view);
    for (const char* shown : c.shown) EXPECT_NE(text.find(shown), std::string::npos) << shown << " in\n" << text;
    EXPECT_EQ(text.find(c.project[0] == 'c' ? "Design load|" : "not entered"), std::string::npos) << text;
    EXPECT_EQ(view.table()->isColumnHidden(HouseTableModel::HeatingSystemAir), !c.systemAirflow);
  }
}

// A view narrower than the design part's three tables scrolls sideways to
// them; one wide enough has no scroll bar.
TEST(HouseView, TheDesignPartScrollsToWhatANarrowViewCannotShow) {
  HouseView view;
  show(view, testing::loadTestProject("reference/vatilo.prj"));
  auto* area = qobject_cast<QScrollArea*>(view.findChild<DesignPanel*>()->parentWidget()->parentWidget());
  ASSERT_NE(area, nullptr);
  const int needed = area->widget()->minimumSizeHint().width();
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  for (const int width : {needed / 2, needed + 100}) {
    view.resize(width, 900);
    QCoreApplication::processEvents();
    EXPECT_EQ(area->horizontalScrollBar()->isVisible(), width < needed) << width;
  }
}

TEST(HouseView, ChoosingAZoneNamesIt) {
  HouseView view;
  show(view, testing::loadSample("house.prj"));
  view.resize(900, 700);
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  QTableView& table = *view.table();
  QSignalSpy chosen(&view, &HouseView::zoneChosen);
  struct Case {
    int row;  // 0..9 zones 1..10, 10 the total of page 1, 55 the house
    bool enter;
    int zone;  // 0: nothing chosen
  };
  const Case cases[] = {{2, false, 3}, {11, true, 11}, {10, false, 0}, {55, true, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.row);
    chosen.clear();
    const QModelIndex index = table.model()->index(c.row, 3);
    table.scrollTo(index);
    table.setCurrentIndex(index);
    if (c.enter) {
      QTest::keyClick(&table, Qt::Key_Return);
    } else {
      // A double-click starts with a click.
      QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, table.visualRect(index).center());
      QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, table.visualRect(index).center());
    }
    ASSERT_EQ(chosen.size(), c.zone != 0 ? 1 : 0);
    if (c.zone != 0) {
      EXPECT_EQ(chosen.front().front().toInt(), c.zone);
    }
  }
  // New loads of the same zones change the cells in place: the row stays.
  ProjectTables warmer = testing::loadSample("house.prj");
  warmer.integer(2, irow::WinterDesignTemp) -= 10;
  QSignalSpy reset(table.model(), &QAbstractItemModel::modelReset);
  const int current = table.currentIndex().row();
  show(view, warmer);
  EXPECT_EQ(reset.size(), 0);
  EXPECT_EQ(table.currentIndex().row(), current);
}

}  // namespace
}  // namespace kovrin
