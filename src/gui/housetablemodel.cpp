#include "gui/housetablemodel.h"

#include <array>
#include <utility>

#include "toolkit/qt/textconversion.h"
#include "writers/designtext.h"

namespace kovrin {
namespace {

struct ColumnHeading {
  const char* title;
  const char* tip;
};
constexpr std::array<ColumnHeading, HouseTableModel::kColumns> kHeadings{{
    {"Zone", "Zone number, 1 to 50"},
    {"Name", "The zone's name, as typed above its column"},
    {"Page", "The page of ten zones that holds the zone"},
    {"Floor\nft\u00B2", "Floor area in ft\u00B2"},
    {"Page heating\nBtu/h", "The page calculation's heat loss in Btu/h, as Calculate shows it with Heating"},
    {"Page heating\nBtu/h\u00B7ft\u00B2", "The page calculation's heat loss per ft\u00B2 of floor, Btu/h"},
    {"Heating\npage share\nCFM or %",
     "The zone's share of its page's airflow with Heating, in the unit of the page's \"CFM or %\": CFM, or % when "
     "the page's airflow is 100. The page's row gives that airflow."},
    {"Page cooling\nBtu/h", "The page calculation's heat gain in Btu/h, as Calculate shows it with Cooling"},
    {"Page cooling\nBtu/h\u00B7ft\u00B2", "The page calculation's heat gain per ft\u00B2 of floor, Btu/h"},
    {"Cooling\npage share\nCFM or %",
     "The zone's share of its page's airflow with Cooling, in the unit of the page's \"CFM or %\": CFM, or % when "
     "the page's airflow is 100. The page's row gives that airflow."},
    {"Heating\nsystem part\nCFM", "The zone's part of the system airflow by its heating load, in CFM (House Air and People)"},
    {"Cooling\nsystem part\nCFM", "The zone's part of the system airflow by its cooling load, in CFM (House Air and People)"},
    {"Design heating\nBtu/h", "The detailed design load's heat loss in Btu/h: the figure to buy from"},
    {"Design sensible\nBtu/h", "The detailed design load's sensible heat gain in Btu/h: the figure to buy from"},
    {"Design latent\nBtu/h", "The detailed design load's latent heat gain in Btu/h (moisture)"},
}};

// A zone's, a page's or the house's detailed loads in the columns' order.
std::array<std::int64_t, 3> designFigures(const DetailedLoads& loads) {
  return {loads.heatingTotal(), loads.coolingSensibleTotal(), loads.coolingLatentTotal()};
}

}  // namespace

namespace {

QString shownAirflow(const Figure& cfm) { return toQString(figureText(cfm, 0, kNoValueText, Grouping::Thousands)); }

}  // namespace

QString shownLoad(std::int64_t btuPerHour) { return toQString(figureText(btuPerHour, 0, Grouping::Thousands)); }
QString shownArea(const Figure& figure) {
  return toQString(figureText(figure, kFloorAreaDecimals, kNoValueText, Grouping::Thousands));
}
QString shownPerArea(const Figure& figure) {
  return toQString(figureText(figure, kPerFloorAreaDecimals, kNoValueText, Grouping::Thousands));
}

void HouseTableModel::setSummary(const HouseSummary& summary, const HouseDesign& design) {
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
  m_design = design;
  if (rows == m_rows) {
    // The same zones: the cells change in place.
    emit dataChanged(index(0, 0), index(rowCount() - 1, kColumns - 1), {Qt::DisplayRole});
    return;
  }
  beginResetModel();
  m_rows = std::move(rows);
  endResetModel();
}

int HouseTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int HouseTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant HouseTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= kColumns) return {};
  const ColumnHeading& heading = kHeadings[static_cast<std::size_t>(section)];
  if (role == Qt::DisplayRole) return QString::fromUtf8(heading.title);
  if (role == Qt::ToolTipRole) return QString::fromUtf8(heading.tip);
  return {};
}

QVariant HouseTableModel::data(const QModelIndex& index, int role) const {
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

QString HouseTableModel::cell(const Row& row, int column) const {
  const auto index = static_cast<std::size_t>(row.index);
  switch (row.kind) {
    case Kind::Zone: return zoneCell(index, column);
    case Kind::Page: return pageCell(index, column);
    default: return houseCell(column);
  }
}

QString HouseTableModel::zoneCell(std::size_t index, int column) const {
  const ZoneSummary& zone = m_summary.zones[index];
  switch (column) {
    case Zone: return QString::number(zone.zone);
    case Name: return toQString(zone.name);
    case Page: return QString::number(zone.page);
    case FloorArea: return shownArea(zone.floorArea);
    case Heating: return shownLoad(zone.heating);
    case HeatingPerArea: return shownPerArea(zone.heatingPerFloorArea);
    case HeatingAir: return QString::number(zone.heatingAirShare);
    case Cooling: return shownLoad(zone.cooling);
    case CoolingPerArea: return shownPerArea(zone.coolingPerFloorArea);
    case CoolingAir: return QString::number(zone.coolingAirShare);
    case HeatingSystemAir: return shownAirflow(m_design.heatingAirflow[index]);
    case CoolingSystemAir: return shownAirflow(m_design.coolingAirflow[index]);
    case DesignHeating:
    case DesignSensible:
    case DesignLatent:
      return shownLoad(designFigures(m_design.detailed.zones[index])
                           [static_cast<std::size_t>(column - DesignHeating)]);
    default: return {};
  }
}

QString HouseTableModel::pageCell(std::size_t index, int column) const {
  const PageSummary& page = m_summary.pages[index];
  switch (column) {
    case Zone: return QStringLiteral("Page %1").arg(page.page);
    case Heating: return shownLoad(page.heating);
    case HeatingAir:
    case CoolingAir: return shownLoad(page.airTotal);
    case Cooling: return shownLoad(page.cooling);
    case DesignHeating:
    case DesignSensible:
    case DesignLatent: {
      std::int64_t sum = 0;
      for (int c = 1; c <= kZoneColumns; ++c) {
        const auto zone = static_cast<std::size_t>(zoneNumber(page.page, c) - 1);
        sum += designFigures(m_design.detailed.zones[zone])[static_cast<std::size_t>(column - DesignHeating)];
      }
      return shownLoad(sum);
    }
    default: return {};
  }
}

// The house: the rooms' loads on the conditioned floor area F.
QString HouseTableModel::houseCell(int column) const {
  const DesignLoad& load = m_design.load;
  switch (column) {
    case Zone: return QStringLiteral("House");
    case FloorArea: return shownArea(load.floorAreaFigure);
    case Heating: return shownLoad(m_summary.heating);
    case HeatingPerArea: return shownPerArea(load.zonesHeatingPerFloorArea);
    case Cooling: return shownLoad(m_summary.cooling);
    case CoolingPerArea: return shownPerArea(load.zonesCoolingPerFloorArea);
    case HeatingSystemAir:
    case CoolingSystemAir: {
      const Figure system = systemAirflowFigure(m_design.house);
      return system ? shownAirflow(system) : QString();
    }
    // The house's own parts (blower heat, the glass's excursion) included.
    case DesignHeating:
    case DesignSensible:
    case DesignLatent:
      return shownLoad(designFigures(m_design.detailed.house)[static_cast<std::size_t>(column - DesignHeating)]);
    default: return {};
  }
}

}  // namespace kovrin
