#include "gui/houseview.h"

#include <algorithm>

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/chartwidget.h"
#include "gui/designpanel.h"
#include "gui/housetablemodel.h"
#include "toolkit/qt/textconversion.h"
#include "writers/housechart.h"

namespace kovrin {

HouseView::HouseView(QWidget* parent)
    : QWidget(parent),
      m_model(new HouseTableModel(this)),
      m_warnings(new QLabel(this)),
      m_table(new QTableView(this)),
      m_houseLine(new QLabel(this)),
      m_design(new DesignPanel(this)),
      m_chart(new ChartWidget(this)),
      m_balanceChart(new ChartWidget(this)) {
  setUpTable();
  setUpLines();
  connect(m_design, &DesignPanel::airAndPeopleWanted, this, &HouseView::airAndPeopleWanted);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(splitParts());
  setSummary(HouseSummary{}, HouseDesign{}, houseChartSvg(HouseSummary{}));
}

HouseView::~HouseView() = default;

void HouseView::setUpTable() {
  m_table->setModel(m_model);
  m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_table->setSelectionMode(QAbstractItemView::SingleSelection);
  m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_table->setAlternatingRowColors(true);
  m_table->setWordWrap(false);
  m_table->verticalHeader()->hide();
  // Fixed widths from the font: measuring every cell on each update would
  // cost more than the update itself. Each is at least as wide as its header.
  const QFontMetrics metrics(m_table->font());
  const int number = metrics.horizontalAdvance(QStringLiteral("9,999,999")) + 12;
  QHeaderView* header = m_table->horizontalHeader();
  header->setSectionResizeMode(QHeaderView::Interactive);
  header->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
  const QFontMetrics headerMetrics(header->font());
  const int headerMargins = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) + 8;
  for (int column = 0; column < HouseTableModel::kColumns; ++column) {
    int width = number;
    switch (column) {
      case HouseTableModel::Zone: width = metrics.horizontalAdvance(QStringLiteral("House")) + 16; break;
      case HouseTableModel::Name: width = metrics.horizontalAdvance(QStringLiteral("Master bedroom")) + 12; break;
      case HouseTableModel::Page:
      case HouseTableModel::HeatingAir:
      case HouseTableModel::CoolingAir: width = number * 3 / 4; break;
      default: break;
    }
    const QStringList lines = m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString().split('\n');
    for (const QString& line : lines) width = std::max(width, headerMetrics.horizontalAdvance(line) + headerMargins);
    m_table->setColumnWidth(column, width);
  }
  m_table->verticalHeader()->setDefaultSectionSize(metrics.height() + 6);
  // The detailed design load beside the floor area, before the page
  // calculation's figures.
  for (int k = 0; k < 3; ++k) {
    header->moveSection(header->visualIndex(HouseTableModel::DesignHeating + k), HouseTableModel::FloorArea + 1 + k);
  }
  connect(m_table, &QAbstractItemView::activated, this, &HouseView::activated);
}

// The warnings above the table and the house's line below it.
void HouseView::setUpLines() {
  m_warnings->setTextFormat(Qt::PlainText);
  m_warnings->setWordWrap(true);
  m_warnings->setTextInteractionFlags(Qt::TextSelectableByMouse);
  m_warnings->setContentsMargins(6, 4, 6, 4);
  m_warnings->setStyleSheet(QStringLiteral("QLabel { color: #9a2d00; background-color: #fff3e0; font-weight: bold; }"));
  m_warnings->hide();
  m_houseLine->setTextFormat(Qt::PlainText);
  m_houseLine->setTextInteractionFlags(Qt::TextSelectableByMouse);
  m_houseLine->setContentsMargins(4, 2, 4, 2);
}

// The table with its lines, the design part and the charts, one above the
// other, in a splitter the user can move.
QSplitter* HouseView::splitParts() {
  auto* splitter = m_splitter = new QSplitter(Qt::Vertical, this);
  auto* upper = new QWidget(splitter);
  auto* upperLayout = new QVBoxLayout(upper);
  upperLayout->setContentsMargins(0, 0, 0, 0);
  upperLayout->addWidget(m_warnings);
  upperLayout->addWidget(m_table);
  upperLayout->addWidget(m_houseLine);
  splitter->addWidget(upper);
  // The design part scrolls where the splitter leaves it less than it needs,
  // and sideways where the view is narrower than its three tables, so that
  // none of them is cut off out of reach.
  auto* design = new QScrollArea(splitter);
  design->setFrameShape(QFrame::NoFrame);
  design->setWidgetResizable(true);
  design->setWidget(m_design);
  splitter->addWidget(design);
  auto* charts = new QWidget(splitter);
  auto* chartsLayout = new QHBoxLayout(charts);
  chartsLayout->setContentsMargins(0, 0, 0, 0);
  chartsLayout->addWidget(m_chart, 4);
  chartsLayout->addWidget(m_balanceChart, 3);
  m_balanceChart->setObjectName(QStringLiteral("balanceChart"));
  m_balanceChart->hide();
  splitter->addWidget(charts);
  splitter->setStretchFactor(0, 3);
  splitter->setStretchFactor(1, 0);
  splitter->setStretchFactor(2, 2);
  return splitter;
}

QSize HouseView::sizeHint() const {
  int width = 2 * m_table->frameWidth() + m_table->verticalScrollBar()->sizeHint().width();
  for (int column = 0; column < HouseTableModel::kColumns; ++column) {
    if (!m_table->isColumnHidden(column)) width += m_table->columnWidth(column);
  }
  width = std::max(width, m_design->minimumSizeHint().width());
  // The table and the chart share 760 pixels, the design part takes what it needs.
  return {width, 760 + m_design->sizeHint().height()};
}

void HouseView::setSummary(const HouseSummary& summary, const HouseDesign& design, std::string_view chartSvg) {
  QStringList warnings;
  for (const std::string& warning : summary.warnings) warnings << toQString(warning);
  const QString text = warnings.join(QLatin1Char('\n'));
  if (text != m_warnings->text()) m_warnings->setText(text);
  m_warnings->setVisible(!text.isEmpty());
  m_model->setSummary(summary, design);
  const bool system = m_model->hasSystemAirflow();
  const bool systemShown = !m_table->isColumnHidden(HouseTableModel::HeatingSystemAir);
  m_table->setColumnHidden(HouseTableModel::HeatingSystemAir, !system);
  m_table->setColumnHidden(HouseTableModel::CoolingSystemAir, !system);
  if (system && !systemShown && isVisible()) widenForTable();
  // The house's design load on its conditioned floor area; with none of the
  // air and people entered, on the zones' floor (the design part says what
  // it leaves out). Sized for
  // a turn of the house, the line says that its figures are the house as
  // drawn; the sizes below give the turn's.
  const DesignLoad& load = design.load;
  const QString house = load.airAndPeopleEntered ? QStringLiteral("%6: heating %1 Btu/h \u00B7 cooling "
                                                                  "%2 Btu/h, %3 tons \u00B7 conditioned floor %4 ft\u00B2, "
                                                                  "%5 ft\u00B2 per ton")
                                                 : QStringLiteral("%6: heating %1 Btu/h \u00B7 cooling %2 Btu/h, %3 tons "
                                                                  "\u00B7 floor %4 ft\u00B2, %5 ft\u00B2 per ton");
  m_houseLine->setText(house.arg(shownLoad(load.heating), shownLoad(load.coolingTotal),
                                 toQString(figureText(load.coolingTons, kTonsDecimals)), shownArea(load.floorAreaFigure),
                                 toQString(figureText(load.floorAreaPerTon, kFloorAreaPerTonDecimals, kNoValueText,
                                                      Grouping::Thousands)),
                                 QStringLiteral("House design load") +
                                     (design.sizingRotation != 0 ? QStringLiteral(" as drawn") : QString())));
  m_design->setDesign(design);
  m_chart->setSvg(chartSvg);
}

void HouseView::setBalanceChart(std::string_view svg) {
  m_balanceChart->setSvg(svg);
  m_balanceChart->setVisible(!svg.empty());
}

// The system airflow's columns, shown once it is entered, widen the open
// view as far as the screen leaves room on its right.
void HouseView::widenForTable() {
  int wanted = sizeHint().width();
  if (const QScreen* shown = screen()) wanted = std::min(wanted, shown->availableGeometry().right() + 1 - x());
  if (wanted > width()) resize(wanted, height());
}

void HouseView::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (m_shown) return;
  m_shown = true;
  // Once shown and given its first figures, the design part gets the height
  // its lines need at the view's width (up to two thirds of it), the table
  // and the chart share the rest; then the user's splitter holds.
  QTimer::singleShot(0, this, [this] {
    const QList<int> sizes = m_splitter->sizes();
    const int total = sizes.value(0) + sizes.value(1) + sizes.value(2);
    const int width = m_splitter->widget(1)->contentsRect().width();
    const int design = std::min(m_design->heightForWidth(width), total * 2 / 3);
    if (design <= 0) return;
    const int rest = total - design;
    m_splitter->setSizes({rest * 3 / 5, design, rest - rest * 3 / 5});
  });
}

void HouseView::activated(const QModelIndex& index) {
  const int zone = index.data(Qt::UserRole).toInt();
  if (zone != 0) emit zoneChosen(zone);
}

}  // namespace kovrin
