#include "gui/designpanel.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "toolkit/qt/textconversion.h"
#include "writers/designtext.h"

namespace kovrin {
namespace {

QString loadCell(const Figure& figure) {
  return toQString(figureText(figure, 0, "", Grouping::Thousands));
}

// A small table of fixed rows that shows all of them without scrolling; its
// cells hold items from the start, so an update only sets their texts.
QTableWidget* fixedTable(int rows, const QStringList& headings, QWidget* parent) {
  auto* table = new QTableWidget(rows, static_cast<int>(headings.size()), parent);
  table->setHorizontalHeaderLabels(headings);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionMode(QAbstractItemView::NoSelection);
  table->setFocusPolicy(Qt::NoFocus);
  table->setWordWrap(false);
  table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  table->horizontalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
  const QFontMetrics metrics(table->font());
  table->verticalHeader()->setDefaultSectionSize(metrics.height() + 4);
  table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  for (int column = 0; column < table->columnCount(); ++column) {
    for (int row = 0; row < rows; ++row) {
      auto* item = new QTableWidgetItem;
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table->setItem(row, column, item);
    }
  }
  return table;
}

// Sizes the table to show every cell whole without scrolling, its columns
// as wide as their widest text: `widest` of each, or a load of hundreds of
// thousands of Btu/h, as no house comes near a million.
void fitToContents(QTableWidget* table, const QStringList& widest = {}) {
  // Measured in bold, which marks a row.
  const QString load = QStringLiteral("999,999");
  QFont bold = table->font();
  bold.setBold(true);
  for (int column = 0; column < table->columnCount(); ++column) {
    table->item(0, column)->setText(column < widest.size() ? widest[column] : load);
    table->item(0, column)->setFont(bold);
  }
  table->resizeColumnsToContents();
  for (int column = 0; column < table->columnCount(); ++column) {
    table->item(0, column)->setText(QString());
    table->item(0, column)->setFont(table->font());
  }
  const int frame = 2 * table->frameWidth();
  int width = frame + (table->verticalHeader()->isHidden() ? 0 : table->verticalHeader()->sizeHint().width());
  for (int column = 0; column < table->columnCount(); ++column) width += table->columnWidth(column);
  const int height = frame + table->horizontalHeader()->sizeHint().height() +
                     table->rowCount() * table->verticalHeader()->defaultSectionSize();
  table->setFixedSize(width, height);
}

QLabel* line(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

// A link that asks for the dialog.
QLabel* dialogLink(const QString& text, QWidget* parent) {
  auto* label = new QLabel(QStringLiteral("<a href=\"dialog\">%1</a>").arg(text.toHtmlEscaped()), parent);
  label->setTextFormat(Qt::RichText);
  // Tab reaches the link and Enter follows it, as a click does.
  label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  label->setToolTip(QStringLiteral("Opens Zones > House Air and People..."));
  return label;
}

void setBold(QTableWidget* table, int row, bool bold) {
  for (int column = 0; column < table->columnCount(); ++column) {
    QTableWidgetItem* item = table->item(row, column);
    if (item->font().bold() == bold) continue;
    QFont font = item->font();
    font.setBold(bold);
    item->setFont(font);
  }
}

}  // namespace

// The rows of the design load's table after designRows: the cooling total
// with its tons, and the sensible heat ratio, each across the three columns.
constexpr int kCoolingTotalRow = static_cast<int>(kDesignRows);
constexpr int kRatioRow = kCoolingTotalRow + 1;
// The row of the turns' table after the eight turns: the spread.
constexpr int kSpreadRow = kTurns;

DesignPanel::DesignPanel(QWidget* parent)
    : QWidget(parent),
      m_load(fixedTable(kRatioRow + 1,
                        {QStringLiteral("Heating\nBtu/h"), QStringLiteral("Cooling\nsensible"),
                         QStringLiteral("Cooling\nlatent")},
                        this)),
      m_notEntered(dialogLink(toQString(kAirAndPeopleNotEntered), this)),
      m_change(dialogLink(QStringLiteral("Change the air and people..."), this)),
      m_turns(fixedTable(kSpreadRow + 1,
                         {QStringLiteral("Turned"), QStringLiteral("North side\nfaces"),
                          QStringLiteral("Rooms\nBtu/h"), QStringLiteral("Design\nBtu/h"), QString()},
                         this)),
      m_components(fixedTable(kComponents + 1,
                               {QStringLiteral("Heating\nBtu/h"), QStringLiteral("Cooling\nsensible"),
                                QStringLiteral("Cooling\nlatent")},
                               this)),
      m_ducts(line(this)),
      m_sizes(line(this)) {
  setUpLoadTable();
  setUpTurnsTable();
  setUpComponentsTable();
  m_sizes->setWordWrap(true);
  m_sizes->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  layOut();
  setDesign(HouseDesign{});
}

// The detailed design load's components down, the seasons across, the
// total in bold.
void DesignPanel::setUpComponentsTable() {
  for (const ComponentWording& wording : kComponentWordings) {
    m_components->setVerticalHeaderItem(static_cast<int>(wording.component),
                                        new QTableWidgetItem(toQString(wording.name)));
  }
  m_components->setVerticalHeaderItem(kComponents, new QTableWidgetItem(QStringLiteral("Total")));
  setBold(m_components, kComponents, true);
  fitToContents(m_components);
}

// The rows of designRows with their tips, then the cooling total and the
// sensible heat ratio across the columns; the design load's row in bold.
void DesignPanel::setUpLoadTable() {
  const auto rows = designRows(DesignLoad{});
  const auto heading = [this](int row, std::string_view label, std::string_view tip) {
    auto* item = new QTableWidgetItem(toQString(label));
    item->setToolTip(toQString(tip));
    m_load->setVerticalHeaderItem(row, item);
  };
  for (std::size_t i = 0; i < rows.size(); ++i) heading(static_cast<int>(i), rows[i].label, rows[i].tip);
  heading(kCoolingTotalRow, "Cooling total",
          "The design cooling, sensible and latent, and its tons (" + btuPerTonText() + ")");
  heading(kRatioRow, "Sensible ratio", "The sensible heat ratio: the sensible part of the design cooling");
  m_load->horizontalHeaderItem(0)->setToolTip(QStringLiteral("Heat loss, Btu/h"));
  m_load->horizontalHeaderItem(1)->setToolTip(QStringLiteral("Heat gain of temperature, Btu/h"));
  m_load->horizontalHeaderItem(2)->setToolTip(QStringLiteral("Heat gain of moisture, Btu/h"));
  QFont bold = m_load->font();
  bold.setBold(true);
  m_load->verticalHeaderItem(kCoolingTotalRow - 1)->setFont(bold);
  setBold(m_load, kCoolingTotalRow - 1, true);
  fitToContents(m_load);
  // The lines across the columns, set after the columns were sized.
  for (const int row : {kCoolingTotalRow, kRatioRow}) m_load->setSpan(row, 0, 1, m_load->columnCount());
}

// The eight turns with their names, which never change, and the spread
// across the columns below them.
void DesignPanel::setUpTurnsTable() {
  m_turns->verticalHeader()->hide();
  m_turns->horizontalHeaderItem(0)->setToolTip(QStringLiteral("The whole house turned clockwise, as seen from above"));
  m_turns->horizontalHeaderItem(1)->setToolTip(QStringLiteral("Where the side drawn facing north faces then"));
  m_turns->horizontalHeaderItem(2)->setToolTip(QStringLiteral("The house total of the zones' cooling loads, Btu/h"));
  m_turns->horizontalHeaderItem(3)->setToolTip(QStringLiteral("The design cooling total, sensible and latent, Btu/h"));
  fitToContents(m_turns, {QStringLiteral("as drawn"), QStringLiteral("NW"), QStringLiteral("999,999"),
                          QStringLiteral("999,999"), QStringLiteral("worst, sized for")});
  for (int k = 0; k < kTurns; ++k) {
    m_turns->item(k, 0)->setText(toQString(turnText(k)));
    m_turns->item(k, 1)->setText(toQString(northSideFaces(k)));
    m_turns->item(k, 1)->setTextAlignment(Qt::AlignCenter);
    m_turns->item(k, 4)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  }
  m_turns->setSpan(kSpreadRow, 0, 1, m_turns->columnCount());
  m_turns->item(kSpreadRow, 0)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  m_turns->item(kSpreadRow, 0)->setToolTip(QStringLiteral("The highest design cooling total of the turns less the lowest"));
}

// The design load and the turns side by side, the sizes below them: a line
// each for a figure and what it rests on.
void DesignPanel::layOut() {
  const auto group = [this](const QString& title, std::initializer_list<QWidget*> widgets) {
    auto* box = new QGroupBox(title, this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(3, 3, 3, 3);
    for (QWidget* widget : widgets) layout->addWidget(widget);
    layout->addStretch(1);
    return box;
  };
  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(group(QStringLiteral("Design load"), {m_notEntered, m_load, m_change}), 0, 0);
  layout->addWidget(group(QStringLiteral("Orientation"), {m_turns}), 0, 1);
  layout->addWidget(group(QStringLiteral("Detailed design load by component"), {m_components, m_ducts}), 0, 2);
  layout->setColumnStretch(3, 1);
  layout->addWidget(group(QStringLiteral("Sizes that fit"), {m_sizes}), 1, 0, 1, 4);
  m_notEntered->setWordWrap(true);
  m_notEntered->setFixedWidth(m_load->width());
  m_ducts->setWordWrap(true);
  m_ducts->setFixedWidth(m_components->width());
  connect(m_notEntered, &QLabel::linkActivated, this, &DesignPanel::airAndPeopleWanted);
  connect(m_change, &QLabel::linkActivated, this, &DesignPanel::airAndPeopleWanted);
}

void DesignPanel::setDesign(const HouseDesign& design) {
  // The cells' texts are set in silence and each table repainted once:
  // a signal a cell would cost more than the whole update.
  const QSignalBlocker loadCells(m_load->model());
  const QSignalBlocker turnCells(m_turns->model());
  const QSignalBlocker componentCells(m_components->model());
  const DetailedLoads& detailed = design.detailed.house;
  for (const ComponentWording& wording : kComponentWordings) {
    const int row = static_cast<int>(wording.component);
    m_components->item(row, 0)->setText(loadCell(detailed.heating[wording.component]));
    m_components->item(row, 1)->setText(loadCell(detailed.coolingSensible[wording.component]));
    m_components->item(row, 2)->setText(loadCell(detailed.coolingLatent[wording.component]));
  }
  m_components->item(kComponents, 0)->setText(loadCell(detailed.heatingTotal()));
  m_components->item(kComponents, 1)->setText(loadCell(detailed.coolingSensibleTotal()));
  m_components->item(kComponents, 2)->setText(loadCell(detailed.coolingLatentTotal()));
  m_components->viewport()->update();
  m_ducts->setText(toQString(ductSourceSentence(design.detailed.ducts)));
  const DesignLoad& load = design.load;
  const bool entered = load.airAndPeopleEntered;
  m_notEntered->setVisible(!entered);
  m_load->setVisible(entered);
  m_change->setVisible(entered);
  const auto rows = designRows(load);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int row = static_cast<int>(i);
    m_load->item(row, 0)->setText(loadCell(rows[i].heating));
    m_load->item(row, 1)->setText(loadCell(rows[i].sensible));
    m_load->item(row, 2)->setText(loadCell(rows[i].latent));
  }
  m_load->item(kCoolingTotalRow, 0)->setText(QStringLiteral("%1 Btu/h, %2 tons")
                                                 .arg(loadCell(load.coolingTotal),
                                                      toQString(figureText(load.coolingTons, kTonsDecimals))));
  m_load->item(kRatioRow, 0)->setText(toQString(figureText(load.sensibleHeatRatio, kRatioDecimals, kNoValueText)));

  const HouseOrientations& orientations = design.orientations;
  for (const Orientation& turn : orientations.turns) {
    const int row = turn.rotation;
    m_turns->item(row, 2)->setText(loadCell(turn.coolingZones));
    m_turns->item(row, 3)->setText(loadCell(turn.coolingTotal));
    m_turns->item(row, 4)->setText(toQString(turnMarks(design, row)));
    setBold(m_turns, row, row == orientations.worst);
  }
  m_turns->item(kSpreadRow, 0)->setText(QStringLiteral("Spread %1 Btu/h").arg(loadCell(orientations.spread)));
  m_load->viewport()->update();
  m_turns->viewport()->update();

  QStringList sizes;
  for (const SizingLine& line : sizingLines(design, Grouping::Thousands)) {
    sizes << QStringLiteral("\u2022 %1").arg(toQString(line.figure))
          << QStringLiteral("   %1").arg(toQString(line.basis));
  }
  m_sizes->setText(sizes.join(QLatin1Char('\n')));
}

}  // namespace kovrin
