#include "gui/zonedetailsdialog.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <array>
#include <charconv>
#include <cmath>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "detailed/detailedload.h"
#include "house/housesummary.h"
#include "model/selections.h"
#include "model/zonedetails.h"
#include "toolkit/qt/fieldwidgets.h"
#include "toolkit/qt/textconversion.h"
#include "writers/designtext.h"

namespace kovrin {
namespace {

// The largest figures a project file takes for a detail (model/zonedetails.h).
using namespace detaillimits;

constexpr std::array<std::string_view, 2> kNoYes = {"no", "yes"};

enum class CellKind { Number, OptionalNumber, Choice };

// A column of a list's table: a figure with its range, a figure that may be
// left empty, or a choice of words (stored as its index).
struct ColumnSpec {
  const char* title;
  const char* tip;
  CellKind kind = CellKind::Number;
  double minimum = 0;
  double maximum = 0;
  std::span<const std::string_view> words{};
};

using Cells = std::vector<std::optional<double>>;

ColumnSpec number(const char* title, const char* tip, double maximum, double minimum = 0) {
  return {title, tip, CellKind::Number, minimum, maximum, {}};
}
ColumnSpec optionalNumber(const char* title, const char* tip) {
  return {title, tip, CellKind::OptionalNumber, kMinTemperature, kMaxTemperature, {}};
}
ColumnSpec choice(const char* title, const char* tip, std::span<const std::string_view> words) {
  return {title, tip, CellKind::Choice, 0, static_cast<double>(words.size() - 1), words};
}

template <class E>
E chosen(const std::optional<double>& cell) {
  return static_cast<E>(static_cast<int>(cell.value_or(0)));
}
double figure(const std::optional<double>& cell) { return cell.value_or(0); }
template <class E>
double index(E value) {
  return static_cast<double>(static_cast<int>(value));
}

// Each kind of list: its columns and how an item reads from and to its
// row's cells.
template <class Item>
struct ListSpec {
  const char* tab;   // the page's title, with its access letter
  const char* item;  // one item, in messages: "Window 2"
  std::vector<ColumnSpec> columns;
  std::function<Cells(const Item&)> toCells;
  std::function<Item(const Cells&)> toItem;
};

ListSpec<WindowDetails> windowSpec() {
  return {"&Windows",
          "Window",
          {choice("Facing", "The direction the window faces", kGlassDirectionEntries),
           number("Area\nft\u00B2", "The window's area, frame included", kMaxArea),
           number("U", "The window's U-value, Btu/(h\u00B7ft\u00B2\u00B7\u00B0F), from its label", kMaxU),
           number("SHGC", "Solar heat gain coefficient, 0 to 1, from the window's label", 1),
           choice("Interior\nshading", "The blinds, draperies or shades inside it in summer", kInteriorShadeWords),
           number("Shaded\npart", "The part of the window the shading covers, 0 to 1", 1),
           choice("Insect\nscreen", "An insect screen inside or outside", kInsectScreenWords),
           number("Screened\npart", "The part of the window the screen covers, 0 to 1", 1),
           number("Overhang\ndepth ft", "How far the overhang reaches out from the wall; 0 for none", kMaxLength),
           number("Overhang\nabove ft", "The height of the overhang's underside above the window's top", kMaxLength),
           number("Window\nheight ft", "The window's height, for the overhang's shade", kMaxLength)},
          [](const WindowDetails& w) {
            return Cells{w.direction - 1.0, w.area,  w.u,  w.shgc,           index(w.shade), w.shadeShare, index(w.screen),
                         w.screenShare,     w.overhangDepth, w.overhangAbove, w.height};
          },
          [](const Cells& c) {
            WindowDetails w;
            w.direction = static_cast<std::int32_t>(figure(c[0])) + 1;
            w.area = figure(c[1]);
            w.u = figure(c[2]);
            w.shgc = figure(c[3]);
            w.shade = chosen<InteriorShade>(c[4]);
            w.shadeShare = figure(c[5]);
            w.screen = chosen<InsectScreen>(c[6]);
            w.screenShare = figure(c[7]);
            w.overhangDepth = figure(c[8]);
            w.overhangAbove = figure(c[9]);
            w.height = figure(c[10]);
            return w;
          }};
}

ListSpec<SkylightDetails> skylightSpec() {
  return {"S&kylights",
          "Skylight",
          {number("Area\nft\u00B2", "The skylight's area", kMaxArea),
           number("U", "The skylight's U-value, Btu/(h\u00B7ft\u00B2\u00B7\u00B0F)", kMaxU),
           number("SHGC", "Solar heat gain coefficient, 0 to 1", 1)},
          [](const SkylightDetails& s) { return Cells{s.area, s.u, s.shgc}; },
          [](const Cells& c) { return SkylightDetails{figure(c[0]), figure(c[1]), figure(c[2])}; }};
}

ListSpec<DoorDetails> doorSpec() {
  return {"D&oors",
          "Door",
          {number("Area\nft\u00B2", "The door's area", kMaxArea),
           number("U", "The door's U-value, Btu/(h\u00B7ft\u00B2\u00B7\u00B0F)", kMaxU)},
          [](const DoorDetails& d) { return Cells{d.area, d.u}; },
          [](const Cells& c) { return DoorDetails{figure(c[0]), figure(c[1])}; }};
}

ListSpec<WallDetails> wallSpec() {
  return {"Wa&lls",
          "Wall",
          {choice("Exposure", "What the wall's outer side meets", kWallExposureWords),
           number("Area\nft\u00B2", "Net area: its windows and doors not counted", kMaxArea),
           number("U", "The wall's U-value; below grade, without the earth", kMaxU),
           choice("Group", "The construction group for cooling, B light to G heavy", kWallGroupWords),
           choice("Colour", "The colour of its outer side", kSurfaceColourWords),
           optionalNumber("Winter\n\u00B0F", "An unconditioned space's temperature in winter; empty: the usual garage's"),
           optionalNumber("Summer\n\u00B0F", "An unconditioned space's temperature in summer; empty: the usual garage's"),
           number("Height\nft", "Below grade: the wall's height", kMaxDepth),
           number("Depth\nft", "Below grade: how much of it is below grade", kMaxDepth)},
          [](const WallDetails& w) {
            return Cells{index(w.exposure), w.area, w.u, static_cast<double>(w.group), index(w.colour),
                         w.winterTemperature, w.summerTemperature, w.height, w.depth};
          },
          [](const Cells& c) {
            WallDetails w;
            w.exposure = chosen<WallExposure>(c[0]);
            w.area = figure(c[1]);
            w.u = figure(c[2]);
            w.group = static_cast<std::int32_t>(figure(c[3]));
            w.colour = chosen<SurfaceColour>(c[4]);
            w.winterTemperature = c[5];
            w.summerTemperature = c[6];
            w.height = figure(c[7]);
            w.depth = figure(c[8]);
            return w;
          }};
}

ListSpec<CeilingDetails> ceilingSpec() {
  return {"&Ceiling",
          "Ceiling",
          {choice("Under", "A vented attic, or a cathedral or flat roof that is the ceiling", kCeilingKindWords),
           number("Area\nft\u00B2", "The ceiling's area", kMaxArea),
           number("U", "The ceiling's U-value, Btu/(h\u00B7ft\u00B2\u00B7\u00B0F)", kMaxU),
           choice("Roof\ncolour", "The colour of the roof", kSurfaceColourWords),
           choice("Radiant\nbarrier", "A radiant barrier under the attic's roof", kNoYes)},
          [](const CeilingDetails& d) {
            return Cells{index(d.kind), d.area, d.u, index(d.colour), d.radiantBarrier ? 1.0 : 0.0};
          },
          [](const Cells& c) {
            return CeilingDetails{chosen<CeilingKind>(c[0]), figure(c[1]), figure(c[2]), chosen<SurfaceColour>(c[3]),
                                  figure(c[4]) != 0};
          }};
}

ListSpec<FloorDetails> floorSpec() {
  return {"&Floor",
          "Floor",
          {choice("Over", "What is under the floor", kFloorKindWords),
           number("Area\nft\u00B2", "The floor's area", kMaxArea),
           number("U", "Over a space: the floor's U-value", kMaxU),
           number("Perimeter\nft", "A slab: its exposed edge", kMaxArea),
           number("Edge\nR", "A slab: the R-value of its edge insulation", kMaxEdgeR),
           number("Depth\nft", "A basement floor: its depth below grade", kMaxDepth),
           number("Width\nft", "A basement floor: the basement's shortest width", kMaxLength),
           optionalNumber("Winter\n\u00B0F", "Over a garage: its temperature in winter; empty: the usual garage's"),
           optionalNumber("Summer\n\u00B0F", "Over a garage: its temperature in summer; empty: the usual garage's")},
          [](const FloorDetails& f) {
            return Cells{index(f.kind), f.area, f.u, f.perimeter, f.edgeR, f.depth, f.width, f.winterTemperature,
                         f.summerTemperature};
          },
          [](const Cells& c) {
            FloorDetails f;
            f.kind = chosen<FloorKind>(c[0]);
            f.area = figure(c[1]);
            f.u = figure(c[2]);
            f.perimeter = figure(c[3]);
            f.edgeR = figure(c[4]);
            f.depth = figure(c[5]);
            f.width = figure(c[6]);
            f.winterTemperature = c[7];
            f.summerTemperature = c[8];
            return f;
          }};
}

// Enter in a cell being edited takes the cell's text and ends the edit;
// only the next Enter is the dialog's OK.
class CellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        auto* editor = static_cast<QWidget*>(object);
        emit commitData(editor);
        emit closeEditor(editor, QAbstractItemDelegate::NoHint);
        return true;
      }
    }
    return QStyledItemDelegate::eventFilter(object, event);
  }
};

// A choice column's cells are edited with a list of its words; the cell
// keeps the word's index in Qt::UserRole.
class ChoiceDelegate final : public CellDelegate {
 public:
  ChoiceDelegate(std::span<const std::string_view> words, QObject* parent) : CellDelegate(parent), m_words(words) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override {
    auto* list = new QComboBox(parent);
    for (const std::string_view word : m_words) list->addItem(toQString(word));
    return list;
  }
  void setEditorData(QWidget* editor, const QModelIndex& index) const override {
    static_cast<QComboBox*>(editor)->setCurrentIndex(index.data(Qt::UserRole).toInt());
  }
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
    const int chosenIndex = static_cast<QComboBox*>(editor)->currentIndex();
    model->setData(index, chosenIndex, Qt::UserRole);
    model->setData(index, toQString(m_words[static_cast<std::size_t>(chosenIndex)]), Qt::DisplayRole);
  }

 private:
  std::span<const std::string_view> m_words;
};

QString cellText(const ColumnSpec& column, const std::optional<double>& value) {
  if (!value) return {};
  if (column.kind == CellKind::Choice) return toQString(column.words[static_cast<std::size_t>(*value)]);
  return toQString(enteredText(*value));
}

// One list of the zone on a page of its own: the line that says where it
// comes from, its table and its buttons.
class ListEditor {
 public:
  ListEditor(const std::vector<ColumnSpec>& columns, const char* itemWord, QString proposal, QWidget* page,
             std::function<void()> changed)
      : m_columns(columns), m_item(itemWord), m_proposal(std::move(proposal)), m_changed(std::move(changed)) {
    m_state = new QLabel(page);
    m_state->setObjectName(QStringLiteral("state"));
    m_state->setWordWrap(true);
    m_state->setTextFormat(Qt::PlainText);
    m_table = new QTableWidget(0, static_cast<int>(columns.size()), page);
    m_table->setObjectName(QStringLiteral("items"));
    // Tab leaves the table; the arrows move in it, F2, a double-click or
    // typing edits a cell (a letter picks a choice by its word).
    m_table->setTabKeyNavigation(false);
    m_table->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 8);
    for (std::size_t c = 0; c < columns.size(); ++c) {
      auto* header = new QTableWidgetItem(QString::fromUtf8(columns[c].title));
      header->setToolTip(QString::fromUtf8(columns[c].tip));
      m_table->setHorizontalHeaderItem(static_cast<int>(c), header);
      if (columns[c].kind == CellKind::Choice) {
        m_table->setItemDelegateForColumn(static_cast<int>(c), new ChoiceDelegate(columns[c].words, m_table));
      }
    }
    m_table->setItemDelegate(new CellDelegate(m_table));
    m_table->resizeColumnsToContents();
    QObject::connect(m_table, &QTableWidget::itemChanged, m_table, [this](QTableWidgetItem* item) {
      if (m_filling) return;
      mark(*item);
      m_changed();
    });

    auto* add = new QPushButton(QStringLiteral("&Add"), page);
    auto* remove = new QPushButton(QStringLiteral("&Remove"), page);
    m_fromPage = new QPushButton(QStringLiteral("&Use the Page's"), page);
    add->setObjectName(QStringLiteral("add"));
    remove->setObjectName(QStringLiteral("remove"));
    m_fromPage->setObjectName(QStringLiteral("fromPage"));
    add->setToolTip(QStringLiteral("Adds a row after the others (Insert in the table)"));
    remove->setToolTip(QStringLiteral("Removes the row of the current cell (Delete in the table)"));
    m_fromPage->setToolTip(QStringLiteral("Leaves the list not entered: the detailed load builds it from the page"));
    for (QPushButton* button : {add, remove, m_fromPage}) button->setAutoDefault(false);
    QObject::connect(add, &QPushButton::clicked, m_table, [this] { addRow(); });
    QObject::connect(remove, &QPushButton::clicked, m_table, [this] { removeRow(); });
    QObject::connect(m_fromPage, &QPushButton::clicked, m_table, [this] {
      setRows(std::nullopt);
      m_changed();
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch(1);
    buttons->addWidget(m_fromPage);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_state);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);
  }

  // The rows entered, or none for a list not entered.
  void setRows(const std::optional<std::vector<Cells>>& rows, const Cells& fresh = {}) {
    m_fresh = fresh.empty() ? m_fresh : fresh;
    m_entered = rows.has_value();
    m_filling = true;
    m_table->setRowCount(0);
    if (rows) {
      for (const Cells& row : *rows) appendRow(row);
    }
    m_filling = false;
    showState();
  }

  // The rows as they stand; refusals collects what is wrong with them.
  std::optional<std::vector<Cells>> rows(QStringList& refusals) const {
    if (!m_entered) return std::nullopt;
    std::vector<Cells> rows;
    for (int r = 0; r < m_table->rowCount(); ++r) {
      Cells row;
      bool whole = true;
      for (int c = 0; c < m_table->columnCount(); ++c) {
        const auto [value, refusal] = read(r, c);
        if (!refusal.isEmpty()) {
          refusals << QStringLiteral("%1 %2, %3: %4")
                          .arg(QString::fromUtf8(m_item))
                          .arg(r + 1)
                          .arg(QString::fromUtf8(m_columns[static_cast<std::size_t>(c)].title).replace('\n', ' '),
                               refusal);
          whole = false;
        }
        row.push_back(value);
      }
      if (whole) rows.push_back(row);
    }
    return rows;
  }

  QTableWidget* table() const { return m_table; }

  // Insert adds a row, Delete removes the current one. While a cell is
  // edited its editor has the keys, not the table.
  bool key(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Insert) {
      addRow();
      return true;
    }
    if (event.key() == Qt::Key_Delete) {
      removeRow();
      return true;
    }
    return false;
  }

 private:
  // A cell's value and, where it is refused, why.
  std::pair<std::optional<double>, QString> read(int row, int column) const {
    const ColumnSpec& spec = m_columns[static_cast<std::size_t>(column)];
    const QTableWidgetItem* item = m_table->item(row, column);
    if (spec.kind == CellKind::Choice) return {item ? item->data(Qt::UserRole).toDouble() : 0.0, {}};
    const QString text = item ? item->text().trimmed() : QString();
    if (text.isEmpty()) {
      if (spec.kind == CellKind::OptionalNumber) return {std::nullopt, {}};
      return {std::nullopt, QStringLiteral("a number is needed")};
    }
    const std::optional<double> value = enteredNumber(text.toStdString());
    if (!value || std::isnan(*value)) return {std::nullopt, QStringLiteral("\"%1\" is not a number").arg(text)};
    if (!(*value >= spec.minimum && *value <= spec.maximum)) {
      return {std::nullopt, QStringLiteral("%1 is outside %2 to %3")
                                .arg(text, toQString(enteredText(spec.minimum)), toQString(enteredText(spec.maximum)))};
    }
    return {value, {}};
  }

  // Marks a refused cell; the marking is no edit, and a list being filled
  // stays so.
  void mark(QTableWidgetItem& item) {
    const bool refused = !read(item.row(), item.column()).second.isEmpty();
    const bool filling = m_filling;
    m_filling = true;
    item.setBackground(refused ? QBrush(kMarkedBase) : QBrush());
    item.setData(Qt::UserRole + 1, refused);
    m_filling = filling;
  }

  void appendRow(const Cells& row) {
    const int r = m_table->rowCount();
    m_table->insertRow(r);
    for (int c = 0; c < m_table->columnCount(); ++c) {
      const ColumnSpec& spec = m_columns[static_cast<std::size_t>(c)];
      const std::optional<double> value = static_cast<std::size_t>(c) < row.size() ? row[static_cast<std::size_t>(c)]
                                                                                    : std::nullopt;
      auto* item = new QTableWidgetItem(cellText(spec, value));
      item->setTextAlignment(spec.kind == CellKind::Choice ? Qt::AlignLeft | Qt::AlignVCenter
                                                           : Qt::AlignRight | Qt::AlignVCenter);
      if (spec.kind == CellKind::Choice) item->setData(Qt::UserRole, value.value_or(0));
      item->setToolTip(QString::fromUtf8(spec.tip));
      m_table->setItem(r, c, item);
      mark(*item);
    }
  }

  void addRow() {
    m_filling = true;
    m_entered = true;
    appendRow(m_fresh);
    m_filling = false;
    showState();
    const int r = m_table->rowCount() - 1;
    m_table->setCurrentCell(r, 0);
    m_table->setFocus();
    m_changed();
  }

  void removeRow() {
    const int r = m_table->currentRow();
    if (r < 0) return;
    m_table->removeRow(r);
    m_entered = true;
    showState();
    m_changed();
  }

  // Entered, or the page's proposal, greyed.
  void showState() {
    m_fromPage->setEnabled(m_entered);
    if (m_entered) {
      m_state->setStyleSheet(QString());
      m_state->setText(m_table->rowCount() == 0 ? QStringLiteral("Entered as none.")
                                                : QStringLiteral("Entered: the detailed load takes these rows."));
    } else {
      m_state->setStyleSheet(QStringLiteral("color: #7a7a7a; font-style: italic;"));
      m_state->setText(QStringLiteral("Not entered. Proposed from the page: %1").arg(m_proposal));
    }
  }

  const std::vector<ColumnSpec>& m_columns;
  const char* m_item;
  QString m_proposal;
  std::function<void()> m_changed;
  QLabel* m_state = nullptr;
  QTableWidget* m_table = nullptr;
  QPushButton* m_fromPage = nullptr;
  Cells m_fresh;
  bool m_entered = false;
  bool m_filling = false;
};

// One of the zone's lists: its kind, its editor and the member it edits.
template <class Item>
struct ZoneList {
  ListSpec<Item> spec;
  DetailList<Item> ZoneDetails::*member;
  std::unique_ptr<ListEditor> editor;
};

// A page value as the user typed it: the shortest decimal that reads back
// to the stored single-precision value (0.55, not 0.550000011920929).
double typedFigure(float value) {
  std::array<char, 32> text{};
  const auto written = std::to_chars(text.data(), text.data() + text.size(), value);
  double typed = 0;
  std::from_chars(text.data(), written.ptr, typed);
  return typed;
}
QString area(double value) { return toQString(enteredText(value)); }

class ZoneDetailsDialog {
 public:
  ZoneDetailsDialog(const ProjectTables& project, int zone, QWidget* parent)
      : m_project(project), m_zone(zone), m_dialog(parent), m_message(new QLabel(&m_dialog)),
        m_pageLoads(summarizeHouse(project).zones[static_cast<std::size_t>(zone - 1)]) {
    const int page = (zone - 1) / kZoneColumns + 1;
    const int column = (zone - 1) % kZoneColumns + 1;
    const std::string& name = project.zoneName(zone);
    m_dialog.setWindowTitle(name.empty() ? QStringLiteral("Zone Details: zone %1").arg(zone)
                                         : QStringLiteral("Zone Details: zone %1, %2").arg(zone).arg(toQString(name)));
    auto* intro = new QLabel(QStringLiteral("What the zone's page values cannot say, for the detailed design load. "
                                            "A list not entered is built from the page, as the greyed line says."),
                             &m_dialog);
    intro->setWordWrap(true);

    const auto value = [&](ZoneQuantity q) { return typedFigure(project.zone(page, column, q)); };
    const auto selected = [&](int item, std::span<const std::string_view> words) {
      const std::int32_t s = project.selection(item);
      return s >= 1 && s <= static_cast<std::int32_t>(words.size()) ? toQString(words[static_cast<std::size_t>(s - 1)])
                                                                     : QStringLiteral("none chosen");
    };
    const QString facing = selected(sel::GlassDirection(column), kGlassDirectionEntries);
    const std::int32_t directionChoice = project.selection(sel::GlassDirection(column));

    m_tabs = new QTabWidget(&m_dialog);
    const auto addList = [&](auto& list, QString proposal, Cells fresh) {
      auto* tab = new QWidget(m_tabs);
      list.editor = std::make_unique<ListEditor>(list.spec.columns, list.spec.item, std::move(proposal), tab,
                                                 [this] { update(); });
      std::optional<std::vector<Cells>> rows;
      if (const auto& entered = project.Details.zone(zone).*(list.member)) {
        rows.emplace();
        for (const auto& item : *entered) rows->push_back(list.spec.toCells(item));
      }
      list.editor->setRows(rows, fresh);
      list.editor->table()->installEventFilter(&m_keys);
      m_keys.editors.push_back(list.editor.get());
      m_tabs->addTab(tab, QString::fromUtf8(list.spec.tab));
    };
    {
      WindowDetails fresh;
      fresh.direction = directionChoice >= 1 && directionChoice <= 8 ? directionChoice : 1;
      fresh.area = value(ZoneQuantity::GlassArea);
      fresh.u = value(ZoneQuantity::GlassU);
      Cells cells = m_windows.spec.toCells(fresh);
      cells[3].reset();  // the SHGC is the window's own: from its label
      addList(m_windows,
              QStringLiteral("%1 ft\u00B2 of glass at U %2 facing %3, with the page's glass type (%4) and shading.")
                  .arg(area(value(ZoneQuantity::GlassArea)), area(value(ZoneQuantity::GlassU)), facing,
                       selected(sel::GlassType, kGlassTypeEntries)),
              cells);
    }
    addList(m_skylights, QStringLiteral("none: the page has no skylights."), Cells{std::nullopt, std::nullopt, std::nullopt});
    addList(m_doors,
            QStringLiteral("%1 ft\u00B2 of door at U %2.").arg(area(value(ZoneQuantity::DoorArea)), area(value(ZoneQuantity::DoorU))),
            m_doors.spec.toCells(DoorDetails{value(ZoneQuantity::DoorArea), value(ZoneQuantity::DoorU)}));
    {
      WallDetails fresh;
      fresh.area = value(ZoneQuantity::WallArea);
      fresh.u = value(ZoneQuantity::WallU);
      addList(m_walls,
              QStringLiteral("%1 ft\u00B2 of wall to outdoors at U %2, %3.")
                  .arg(area(value(ZoneQuantity::WallArea)), area(value(ZoneQuantity::WallU)),
                       selected(sel::WallConstruction, kWallConstructionEntries)),
              m_walls.spec.toCells(fresh));
    }
    {
      CeilingDetails fresh;
      fresh.area = value(ZoneQuantity::RoofArea);
      fresh.u = value(ZoneQuantity::RoofU);
      addList(m_ceilings,
              QStringLiteral("%1 ft\u00B2 at U %2, %3.")
                  .arg(area(value(ZoneQuantity::RoofArea)), area(value(ZoneQuantity::RoofU)),
                       selected(sel::RoofConstruction, kRoofConstructionEntries)),
              m_ceilings.spec.toCells(fresh));
    }
    {
      FloorDetails fresh;
      fresh.area = value(ZoneQuantity::FloorArea);
      fresh.u = value(ZoneQuantity::FloorU);
      addList(m_floors,
              QStringLiteral("%1 ft\u00B2 at U %2, %3.")
                  .arg(area(value(ZoneQuantity::FloorArea)), area(value(ZoneQuantity::FloorU)),
                       selected(sel::FloorConstruction, kFloorConstructionEntries)),
              m_floors.spec.toCells(fresh));
    }
    m_tabs->addTab(makeGainsPage(project.Details.zone(zone)), QStringLiteral("&People"));

    m_message->setObjectName(QStringLiteral("refusal"));
    m_message->setStyleSheet(QStringLiteral("color: #b00020;"));
    m_message->setTextFormat(Qt::PlainText);
    m_message->setWordWrap(true);

    auto* preview = new QGroupBox(QStringLiteral("The zone's detailed loads as they would become, Btu/h"), &m_dialog);
    auto* previewLayout = new QVBoxLayout(preview);
    m_preview = new QTableWidget(0, 3, preview);
    m_preview->setObjectName(QStringLiteral("preview"));
    m_preview->setHorizontalHeaderLabels({QStringLiteral("Heating"), QStringLiteral("Cooling\nsensible"),
                                          QStringLiteral("Cooling\nlatent")});
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview->setFocusPolicy(Qt::NoFocus);
    m_preview->setSelectionMode(QAbstractItemView::NoSelection);
    m_preview->verticalHeader()->setDefaultSectionSize(m_preview->fontMetrics().height() + 4);
    m_preview->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_pageLine = new QLabel(preview);
    m_pageLine->setObjectName(QStringLiteral("pageLine"));
    m_pageLine->setTextFormat(Qt::PlainText);
    m_pageLine->setStyleSheet(QStringLiteral("color: #5a5a5a;"));
    previewLayout->addWidget(m_preview);
    previewLayout->addWidget(m_pageLine);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &m_dialog);
    // Enter is OK wherever no cell is being edited; Escape is Cancel.
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &m_dialog, [this] { accept(); });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &m_dialog, &QDialog::reject);

    auto* layout = new QVBoxLayout(&m_dialog);
    layout->addWidget(intro);
    layout->addWidget(m_tabs, 3);
    layout->addWidget(m_message);
    layout->addWidget(preview, 2);
    layout->addWidget(buttons);
    m_dialog.resize(900, 640);
    update();
  }

  std::optional<ZoneDetails> exec() {
    if (m_dialog.exec() != QDialog::Accepted) return std::nullopt;
    QStringList refusals;
    const ZoneDetails edited = details(refusals);
    if (edited == m_project.Details.zone(m_zone)) return std::nullopt;
    return edited;
  }

 private:
  // Insert and Delete in a list's table.
  struct Keys final : QObject {
    std::vector<ListEditor*> editors;
    bool eventFilter(QObject* watched, QEvent* event) override {
      if (event->type() != QEvent::KeyPress) return false;
      for (ListEditor* editor : editors) {
        if (editor->table() == watched) return editor->key(*static_cast<QKeyEvent*>(event));
      }
      return false;
    }
  };

  struct GainField {
    std::optional<double> ZoneDetails::*member;
    const char* name;
    const char* object;
    double maximum;
    bool whole;
    QLineEdit* edit = nullptr;
  };

  QWidget* makeGainsPage(const ZoneDetails& entered) {
    auto* page = new QWidget(m_tabs);
    auto* grid = new QGridLayout(page);
    grid->setColumnStretch(2, 1);
    const QString hint = QStringLiteral("Empty: the house's, given to the zones by floor area (House Air and People)");
    for (GainField& field : m_gains) {
      const int row = grid->rowCount();
      field.edit = new QLineEdit(page);
      field.edit->setObjectName(QString::fromUtf8(field.object));
      field.edit->setAlignment(Qt::AlignRight);
      field.edit->setPlaceholderText(QStringLiteral("the house's"));
      field.edit->setToolTip(hint);
      field.edit->setMaximumWidth(field.edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 12);
      if (const std::optional<double>& value = entered.*(field.member)) field.edit->setText(toQString(enteredText(*value)));
      auto* label = new QLabel(QString::fromUtf8(field.name), page);
      label->setBuddy(field.edit);
      auto* note = new QLabel(hint, page);
      note->setStyleSheet(QStringLiteral("color: #5a5a5a;"));
      grid->addWidget(label, row, 0);
      grid->addWidget(field.edit, row, 1);
      grid->addWidget(note, row, 2);
      QObject::connect(field.edit, &QLineEdit::textEdited, &m_dialog, [this] { update(); });
    }
    grid->setRowStretch(grid->rowCount(), 1);
    return page;
  }

  // A gain field's value and, where refused, why.
  static std::pair<std::optional<double>, QString> read(const GainField& field) {
    const QString text = field.edit->text().trimmed();
    if (text.isEmpty()) return {};
    const std::optional<double> value = enteredNumber(text.toStdString());
    const QString name = QString::fromUtf8(field.name).remove('&').remove(':');
    if (!value || std::isnan(*value)) return {std::nullopt, QStringLiteral("%1: \"%2\" is not a number").arg(name, text)};
    if (!(*value >= 0 && *value <= field.maximum)) {
      return {std::nullopt, QStringLiteral("%1: %2 is outside 0 to %3").arg(name, text, toQString(enteredText(field.maximum)))};
    }
    if (field.whole && std::floor(*value) != *value) {
      return {std::nullopt, QStringLiteral("%1: %2 is not a whole number").arg(name, text)};
    }
    return {value, {}};
  }

  template <class Item>
  void take(const ZoneList<Item>& list, ZoneDetails& details, QStringList& refusals) const {
    const std::optional<std::vector<Cells>> rows = list.editor->rows(refusals);
    if (!rows) {
      (details.*(list.member)).reset();
      return;
    }
    std::vector<Item> items;
    for (const Cells& row : *rows) items.push_back(list.spec.toItem(row));
    details.*(list.member) = std::move(items);
  }

  // The details as the dialog gives them; rows and figures refused are
  // left out, and named in `refusals`.
  ZoneDetails details(QStringList& refusals) const {
    ZoneDetails details;
    take(m_windows, details, refusals);
    take(m_skylights, details, refusals);
    take(m_doors, details, refusals);
    take(m_walls, details, refusals);
    take(m_ceilings, details, refusals);
    take(m_floors, details, refusals);
    for (const GainField& field : m_gains) {
      const auto [value, refusal] = read(field);
      if (!refusal.isEmpty()) refusals << refusal;
      QPalette colours = field.edit->palette();
      colours.setColor(QPalette::Base, refusal.isEmpty() ? QPalette().color(QPalette::Base) : kMarkedBase);
      field.edit->setPalette(colours);
      details.*(field.member) = value;
    }
    return details;
  }

  void update() {
    // Nothing to show while the dialog is still being built.
    if (m_preview == nullptr) return;
    QStringList refusals;
    ProjectTables tables = m_project;
    tables.Details.zone(m_zone) = details(refusals);
    m_message->setText(refusals.join(QLatin1Char('\n')));
    const DetailedDesign design = detailedDesign(tables);
    const DetailedLoads& loads = design.zones[static_cast<std::size_t>(m_zone - 1)];
    const auto btu = [](std::int64_t value) { return toQString(figureText(value, 0, Grouping::Thousands)); };
    QStringList names;
    std::vector<std::array<std::int64_t, 3>> figures;
    for (const ComponentWording& wording : kComponentWordings) {
      const std::array<std::int64_t, 3> row = {loads.heating[wording.component], loads.coolingSensible[wording.component],
                                               loads.coolingLatent[wording.component]};
      if (row == std::array<std::int64_t, 3>{}) continue;
      names << toQString(wording.name);
      figures.push_back(row);
    }
    names << QStringLiteral("Total");
    figures.push_back({loads.heatingTotal(), loads.coolingSensibleTotal(), loads.coolingLatentTotal()});
    m_preview->setRowCount(static_cast<int>(figures.size()));
    m_preview->setVerticalHeaderLabels(names);
    for (int r = 0; r < static_cast<int>(figures.size()); ++r) {
      for (int c = 0; c < 3; ++c) {
        auto* item = new QTableWidgetItem(btu(figures[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]));
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (r + 1 == static_cast<int>(figures.size())) {
          QFont bold = item->font();
          bold.setBold(true);
          item->setFont(bold);
        }
        m_preview->setItem(r, c, item);
      }
    }
    m_pageLine->setText(QStringLiteral("The page calculation's quick estimate: heating %1, cooling %2 Btu/h")
                            .arg(btu(m_pageLoads.heating), btu(m_pageLoads.cooling)));
  }

  void accept() {
    QStringList refusals;
    static_cast<void>(details(refusals));
    if (refusals.isEmpty()) {
      m_dialog.accept();
      return;
    }
    // The first refused figure takes the focus.
    for (int t = 0; t < static_cast<int>(m_keys.editors.size()); ++t) {
      QTableWidget* table = m_keys.editors[static_cast<std::size_t>(t)]->table();
      for (int r = 0; r < table->rowCount(); ++r) {
        for (int c = 0; c < table->columnCount(); ++c) {
          if (!table->item(r, c) || !table->item(r, c)->data(Qt::UserRole + 1).toBool()) continue;
          m_tabs->setCurrentIndex(t);
          table->setCurrentCell(r, c);
          table->setFocus();
          return;
        }
      }
    }
    for (const GainField& field : m_gains) {
      if (read(field).second.isEmpty()) continue;
      m_tabs->setCurrentIndex(m_tabs->count() - 1);
      field.edit->setFocus();
      field.edit->selectAll();
      return;
    }
  }

  const ProjectTables& m_project;
  int m_zone;
  // The lists and the keys outlive the dialog, whose widgets they point to.
  Keys m_keys;
  ZoneList<WindowDetails> m_windows{windowSpec(), &ZoneDetails::windows, {}};
  ZoneList<SkylightDetails> m_skylights{skylightSpec(), &ZoneDetails::skylights, {}};
  ZoneList<DoorDetails> m_doors{doorSpec(), &ZoneDetails::doors, {}};
  ZoneList<WallDetails> m_walls{wallSpec(), &ZoneDetails::walls, {}};
  ZoneList<CeilingDetails> m_ceilings{ceilingSpec(), &ZoneDetails::ceilings, {}};
  ZoneList<FloorDetails> m_floors{floorSpec(), &ZoneDetails::floors, {}};
  std::array<GainField, 3> m_gains{{
      {&ZoneDetails::people, "P&eople:", "people", kMaxPeople, true},
      {&ZoneDetails::appliances, "Appliances, sensible &Btu/h:", "appliances", kMaxGain, false},
      {&ZoneDetails::appliancesLatent, "Appliances, la&tent Btu/h:", "appliancesLatent", kMaxGain, false},
  }};
  QDialog m_dialog;
  QTabWidget* m_tabs = nullptr;
  QLabel* m_message;
  QTableWidget* m_preview = nullptr;
  QLabel* m_pageLine = nullptr;
  // The zone's loads by the page calculation, for comparison.
  ZoneSummary m_pageLoads;
};

}  // namespace

std::optional<ZoneDetails> editZoneDetails(const ProjectTables& project, int zone, QWidget* parent) {
  return ZoneDetailsDialog(project, zone, parent).exec();
}

}  // namespace kovrin
