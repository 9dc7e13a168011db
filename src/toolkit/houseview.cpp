#include "toolkit/houseview.h"

#include <QAbstractTableModel>
#include <QFont>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSplitter>
#include <QSvgRenderer>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <array>
#include <string>
#include <vector>

#include "house/housechart.h"
#include "toolkit/textconversion.h"

namespace kovrin {

namespace {

enum Column { Zone, Name, Page, FloorArea, Heating, HeatingPerArea, HeatingAir, Cooling, CoolingPerArea, CoolingAir };
constexpr int kColumns = 10;

struct ColumnHeading {
  const char* title;
  const char* tip;
};
constexpr std::array<ColumnHeading, kColumns> kHeadings{{
    {"Zone", "Zone number, 1 to 50"},
    {"Name", "The zone's name, as typed above its column"},
    {"Page", "The page of ten zones that holds the zone"},
    {"Floor\nft\u00B2", "Floor area in ft\u00B2"},
    {"Heating\nBtu/h", "Heat loss in Btu/h, as Calculate shows it with Heating"},
    {"Heating\nBtu/h\u00B7ft\u00B2", "Heat loss per ft\u00B2 of floor, Btu/h"},
    {"Heating\nairflow", "The zone's share of its page's airflow with Heating (CFM, or % when the page's airflow is 100)"},
    {"Cooling\nBtu/h", "Heat gain in Btu/h, as Calculate shows it with Cooling"},
    {"Cooling\nBtu/h\u00B7ft\u00B2", "Heat gain per ft\u00B2 of floor, Btu/h"},
    {"Cooling\nairflow", "The zone's share of its page's airflow with Cooling (CFM, or % when the page's airflow is 100)"},
}};

QString load(std::int64_t btuPerHour) { return toQString(figureText(btuPerHour, 0, Grouping::Thousands)); }
QString area(const Figure& figure) {
  return toQString(figureText(figure, kFloorAreaDecimals, kNoValueText, Grouping::Thousands));
}
QString perArea(const Figure& figure) {
  return toQString(figureText(figure, kPerFloorAreaDecimals, kNoValueText, Grouping::Thousands));
}

}  // namespace

// The rows of the table: each zone with input, a total after each page
// that has one, the house last.
class HouseTableModel : public QAbstractTableModel {
 public:
  enum class Kind { Zone, Page, House };
  struct Row {
    Kind kind;
    int index;  // into the summary's zones or pages
    friend bool operator==(const Row&, const Row&) = default;
  };

  using QAbstractTableModel::QAbstractTableModel;

  void setSummary(const HouseSummary& summary) {
    std::vector<Row> rows;
    rows.reserve(m_rows.size());
    for (const PageSummary& page : summary.pages) {
      const std::size_t before = rows.size();
      for (const ZoneSummary& zone : summary.zones) {
        if (zone.page == page.page && zone.listed()) rows.push_back({Kind::Zone, zone.zone - 1});
      }
      if (rows.size() != before) rows.push_back({Kind::Page, page.page - 1});
    }
    rows.push_back({Kind::House, 0});
    m_summary = summary;
    if (rows == m_rows) {
      // The same zones: the cells change in place.
      emit dataChanged(index(0, 0), index(rowCount() - 1, kColumns - 1), {Qt::DisplayRole});
      return;
    }
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
  }

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
  }
  int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : kColumns; }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumns) return {};
    const ColumnHeading& heading = kHeadings[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole) return QString::fromUtf8(heading.title);
    if (role == Qt::ToolTipRole) return QString::fromUtf8(heading.tip);
    return {};
  }

  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const Row row = m_rows[static_cast<std::size_t>(index.row())];
    switch (role) {
      case Qt::DisplayRole:
        return cell(row, index.column());
      case Qt::TextAlignmentRole:
        return (row.kind != Kind::Zone && index.column() == Zone) || index.column() == Name
                   ? int(Qt::AlignLeft | Qt::AlignVCenter)
                   : int(Qt::AlignRight | Qt::AlignVCenter);
      case Qt::FontRole:
        if (row.kind == Kind::Zone) return {};
        return m_bold;
      case Qt::UserRole:
        return row.kind == Kind::Zone ? row.index + 1 : 0;
      default:
        return {};
    }
  }

 private:
  QString cell(const Row& row, int column) const {
    if (row.kind == Kind::Zone) {
      const ZoneSummary& zone = m_summary.zones[static_cast<std::size_t>(row.index)];
      switch (column) {
        case Zone: return QString::number(zone.zone);
        case Name: return toQString(zone.name);
        case Page: return QString::number(zone.page);
        case FloorArea: return area(zone.floorArea);
        case Heating: return load(zone.heating);
        case HeatingPerArea: return perArea(zone.heatingPerFloorArea);
        case HeatingAir: return QString::number(zone.heatingAirShare);
        case Cooling: return load(zone.cooling);
        case CoolingPerArea: return perArea(zone.coolingPerFloorArea);
        case CoolingAir: return QString::number(zone.coolingAirShare);
        default: return {};
      }
    }
    if (row.kind == Kind::Page) {
      const PageSummary& page = m_summary.pages[static_cast<std::size_t>(row.index)];
      switch (column) {
        case Zone: return QStringLiteral("Page %1").arg(page.page);
        case Heating: return load(page.heating);
        case HeatingAir:
        case CoolingAir: return load(page.airTotal);
        case Cooling: return load(page.cooling);
        default: return {};
      }
    }
    switch (column) {
      case Zone: return QStringLiteral("House");
      case FloorArea: return area(m_summary.floorArea);
      case Heating: return load(m_summary.heating);
      case HeatingPerArea: return perArea(m_summary.heatingPerFloorArea);
      case Cooling: return load(m_summary.cooling);
      case CoolingPerArea: return perArea(m_summary.coolingPerFloorArea);
      default: return {};
    }
  }

  HouseSummary m_summary;
  std::vector<Row> m_rows;
  QFont m_bold = [] {
    QFont font;
    font.setBold(true);
    return font;
  }();
};

// The chart, drawn from its SVG text at the widget's size, in proportion.
// Drawing it takes some milliseconds, so it is drawn once into a picture
// that repaints reuse, and while the loads change key by key (spreadsheet
// mode) it is drawn again only when the typing pauses: the table follows
// every key at once, the chart a moment later.
class ChartWidget : public QWidget {
 public:
  explicit ChartWidget(QWidget* parent) : QWidget(parent) {
    m_renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    setMinimumHeight(kChartHeight / 3);
    setAutoFillBackground(false);
    m_pause.setSingleShot(true);
    m_pause.setInterval(kTypingPauseMilliseconds);
    connect(&m_pause, &QTimer::timeout, this, [this] { load(); });
  }

  void setSvg(std::string_view svg) {
    if (svg == m_svg) return;
    m_svg.assign(svg);
    if (isVisible() && m_renderer.isValid()) {
      m_pause.start();
    } else {
      load();
    }
  }

  QSize sizeHint() const override { return {kChartWidth * 3 / 4, kChartHeight * 3 / 4}; }

 protected:
  void paintEvent(QPaintEvent*) override {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (m_picture.size() != pixels) {
      m_picture = QPixmap(pixels);
      m_picture.setDevicePixelRatio(ratio);
      m_picture.fill(Qt::white);
      if (m_renderer.isValid()) {
        QPainter painter(&m_picture);
        painter.setRenderHint(QPainter::Antialiasing);
        m_renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size())));
      }
    }
    QPainter(this).drawPixmap(0, 0, m_picture);
  }

 private:
  static constexpr int kTypingPauseMilliseconds = 150;

  void load() {
    m_pause.stop();
    m_renderer.load(QByteArray(m_svg.data(), static_cast<qsizetype>(m_svg.size())));
    m_picture = QPixmap();
    update();
  }

  std::string m_svg;
  QSvgRenderer m_renderer;
  QPixmap m_picture;
  QTimer m_pause;
};

HouseView::HouseView(QWidget* parent)
    : QWidget(parent),
      m_model(new HouseTableModel(this)),
      m_table(new QTableView(this)),
      m_houseLine(new QLabel(this)),
      m_chart(new ChartWidget(this)) {
  setWindowTitle(QStringLiteral("House"));
  m_table->setModel(m_model);
  m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_table->setSelectionMode(QAbstractItemView::SingleSelection);
  m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_table->setAlternatingRowColors(true);
  m_table->setWordWrap(false);
  m_table->verticalHeader()->hide();
  // Fixed widths from the font: measuring every cell on each update would
  // cost more than the update itself.
  const QFontMetrics metrics(m_table->font());
  const int number = metrics.horizontalAdvance(QStringLiteral("9,999,999")) + 12;
  QHeaderView* header = m_table->horizontalHeader();
  header->setSectionResizeMode(QHeaderView::Interactive);
  header->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
  for (int column = 0; column < kColumns; ++column) {
    const bool narrow = column == Page || column == HeatingAir || column == CoolingAir;
    m_table->setColumnWidth(column, column == Zone   ? metrics.horizontalAdvance(QStringLiteral("House")) + 16
                                    : column == Name ? metrics.horizontalAdvance(QStringLiteral("Master bedroom")) + 12
                                    : narrow         ? number * 3 / 4
                                                     : number);
  }
  m_table->verticalHeader()->setDefaultSectionSize(metrics.height() + 6);
  connect(m_table, &QAbstractItemView::activated, this, &HouseView::activated);

  m_houseLine->setTextInteractionFlags(Qt::TextSelectableByMouse);
  m_houseLine->setContentsMargins(4, 2, 4, 2);

  auto* splitter = new QSplitter(Qt::Vertical, this);
  auto* upper = new QWidget(splitter);
  auto* upperLayout = new QVBoxLayout(upper);
  upperLayout->setContentsMargins(0, 0, 0, 0);
  upperLayout->addWidget(m_table);
  upperLayout->addWidget(m_houseLine);
  splitter->addWidget(upper);
  splitter->addWidget(m_chart);
  splitter->setStretchFactor(0, 3);
  splitter->setStretchFactor(1, 2);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(splitter);

  setSummary(HouseSummary{}, houseChartSvg(HouseSummary{}));
}

HouseView::~HouseView() = default;

void HouseView::setSummary(const HouseSummary& summary, std::string_view chartSvg) {
  m_model->setSummary(summary);
  m_houseLine->setText(QStringLiteral("House: heating %1 Btu/h \u00B7 cooling %2 Btu/h, %3 tons \u00B7 "
                                      "floor %4 ft\u00B2, %5 ft\u00B2 per ton")
                           .arg(load(summary.heating), load(summary.cooling), toQString(tonsText(summary.cooling)),
                                area(summary.floorArea),
                                toQString(figureText(summary.floorAreaPerTon, kFloorAreaPerTonDecimals, kNoValueText,
                                                Grouping::Thousands))));
  m_chart->setSvg(chartSvg);
}

void HouseView::activated(const QModelIndex& index) {
  const int zone = index.data(Qt::UserRole).toInt();
  if (zone != 0) emit zoneChosen(zone);
}

}  // namespace kovrin
