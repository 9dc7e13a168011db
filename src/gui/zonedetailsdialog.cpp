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

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "detailed/detailedload.h"
#include "gui/valuefield.h"
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
struct ColumnDef {
  const char* title;
  const char* tip;
  CellKind kind = CellKind::Number;
  double minimum = 0;
  double maximum = 0;
  std::span<const std::string_view> words{};
};

using Cells = std::vector<std::optional<double>>;

double figure(const std::optional<double>& cell) { return cell.value_or(0); }

// How an item's member stands in its cell, and back: a figure as it is, a
// choice as the index of its word (the member counting from `first`), yes
// and no as 1 and 0.
std::optional<double> toCell(double value, int) { return value; }
std::optional<double> toCell(const std::optional<double>& value, int) { return value; }
std::optional<double> toCell(bool value, int) { return value ? 1.0 : 0.0; }
std::optional<double> toCell(std::int32_t value, int first) { return value - static_cast<double>(first); }
template <class E>
  requires std::is_enum_v<E>
std::optional<double> toCell(E value, int) {
  return static_cast<double>(static_cast<int>(value));
}
void fromCell(const std::optional<double>& cell, int, double& value) { value = figure(cell); }
void fromCell(const std::optional<double>& cell, int, std::optional<double>& value) { value = cell; }
void fromCell(const std::optional<double>& cell, int, bool& value) { value = figure(cell) != 0; }
void fromCell(const std::optional<double>& cell, int first, std::int32_t& value) {
  value = static_cast<std::int32_t>(figure(cell)) + first;
}
template <class E>
  requires std::is_enum_v<E>
void fromCell(const std::optional<double>& cell, int, E& value) {
  value = static_cast<E>(static_cast<int>(figure(cell)));
}

// A column and the member of the item it edits.
template <class Item>
struct Column {
  ColumnDef def;
  std::function<std::optional<double>(const Item&)> cell;
  std::function<void(Item&, const std::optional<double>&)> put;
};

template <class Item, class Member>
Column<Item> bound(Member Item::*member, const ColumnDef& def, int first = 0) {
  return {def, [member, first](const Item& entry) { return toCell(entry.*member, first); },
          [member, first](Item& entry, const std::optional<double>& cell) { fromCell(cell, first, entry.*member); }};
}
template <class Item>
Column<Item> number(double Item::*member, const char* title, const char* tip, double maximum) {
  return bound(member, {title, tip, CellKind::Number, 0, maximum, {}});
}
// The winter and summer temperatures of the unconditioned space beside a
// door, wall or floor; left empty, the load takes the outdoor design ones.
template <class Item>
Column<Item> winterTemperature(
    const char* tip = "An unconditioned space's temperature in winter; empty: the outdoor design temperature") {
  return bound(&Item::winterTemperature,
               {"Winter\n\u00B0F", tip, CellKind::OptionalNumber, kMinTemperature, kMaxTemperature, {}});
}
template <class Item>
Column<Item> summerTemperature(
    const char* tip = "An unconditioned space's temperature in summer; empty: the outdoor design temperature") {
  return bound(&Item::summerTemperature,
               {"Summer\n\u00B0F", tip, CellKind::OptionalNumber, kMinTemperature, kMaxTemperature, {}});
}
template <class Item, class Member>
Column<Item> choice(Member Item::*member, const char* title, const char* tip, std::span<const std::string_view> words,
                    int first = 0) {
  return bound(member, {title, tip, CellKind::Choice, 0, static_cast<double>(words.size() - 1), words}, first);
}

// Each kind of list: its columns, each bound to the member it edits.
template <class Item>
struct ListDef {
  const char* tab;   // the page's title, with its access letter
  const char* item;  // one item, in messages: "Window 2"
  std::vector<Column<Item>> columns;

  std::vector<ColumnDef> defs() const {
    std::vector<ColumnDef> defs;
    for (const Column<Item>& column : columns) defs.push_back(column.def);
    return defs;
  }
  Cells toCells(const Item& entry) const {
    Cells cells;
    for (const Column<Item>& column : columns) cells.push_back(column.cell(entry));
    return cells;
  }
  Item toItem(const Cells& cells) const {
    Item entry;
    for (std::size_t c = 0; c < columns.size(); ++c) columns[c].put(entry, cells[c]);
    return entry;
  }
};

ListDef<WindowDetails> windowList() {
  using W = WindowDetails;
  return {"&Windows",
          "Window",
          {// The direction counts from 1 (N), as the page's glass directions do.
           choice(&W::direction, "Facing", "The direction the window faces", kGlassDirectionEntries, 1),
           number(&W::area, "Area\nft\u00B2", "The window's area, frame included", kMaxArea),
           number(&W::u, "U", "The window's U-value, Btu/(h\u00B7ft\u00B2\u00B7\u00B0F), from its label", kMaxU),
           number(&W::shgc, "SHGC", "Solar heat gain coefficient, 0 to 1, from the window's label", 1),
           choice(&W::shade, "Interior\nshading", "The blinds, draperies or shades inside it in summer",
                  kInteriorShadeWords),
           number(&W::shadeShare, "Shaded\npart", "The part of the window the shading covers, 0 to 1", 1),
           choice(&W::screen, "Insect\nscreen", "An insect screen inside or outside", kInsectScreenWords),
           number(&W::screenShare, "Screened\npart", "The part of the window the screen covers, 0 to 1", 1),
           number(&W::overhangDepth, "Overhang\ndepth ft", "How far the overhang reaches out from the wall; 0 for none",
                  kMaxLength),
           number(&W::overhangAbove, "Overhang\nabove ft",
                  "The height of the overhang's underside above the window's top", kMaxLength),
           number(&W::height, "Window\nheight ft", "The window's height, for the overhang's shade", kMaxLength)}};
}

ListDef<SkylightDetails> skylightList() {
  using S = SkylightDetails;
  return {"S&kylights",
          "Skylight",
          {number(&S::area, "Area\nft\u00B2", "The skylight's area", kMaxArea),
           number(&S::u, "U", "The skylight's U-value, Btu/(h\u00B7ft\u00B2\u00B7\u00B0F)", kMaxU),
           number(&S::shgc, "SHGC", "Solar heat gain coefficient, 0 to 1", 1)}};
}

ListDef<DoorDetails> doorList() {
  using D = DoorDetails;
  return {"D&oors",
          "Door",
          {number(&D::area, "Area\nft\u00B2", "The door's area", kMaxArea),
           number(&D::u, "U", "The door's U-value, Btu/(h\u00B7ft\u00B2\u00B7\u00B0F)", kMaxU),
           choice(&D::exposure, "Exposure", "What the door's outer side meets", kDoorExposureWords),
           winterTemperature<D>(), summerTemperature<D>()}};
}

ListDef<WallDetails> wallList() {
  using W = WallDetails;
  return {"Wa&lls",
          "Wall",
          {choice(&W::exposure, "Exposure", "What the wall's outer side meets", kWallExposureWords),
           number(&W::area, "Area\nft\u00B2", "Net area: its windows and doors not counted", kMaxArea),
           number(&W::u, "U", "The wall's U-value; below grade, without the earth", kMaxU),
           choice(&W::group, "Group", "The construction group for cooling, B light to G heavy", kWallGroupWords),
           choice(&W::colour, "Colour", "The colour of its outer side", kSurfaceColourWords),
           winterTemperature<W>(), summerTemperature<W>(),
           number(&W::height, "Height\nft", "Below grade: the wall's height", kMaxDepth),
           number(&W::depth, "Depth\nft", "Below grade: how much of it is below grade", kMaxDepth)}};
}

ListDef<CeilingDetails> ceilingList() {
  using C = CeilingDetails;
  return {"&Ceiling",
          "Ceiling",
          {choice(&C::kind, "Under", "A vented attic, or a cathedral or flat roof that is the ceiling",
                  kCeilingKindWords),
           number(&C::area, "Area\nft\u00B2", "The ceiling's area", kMaxArea),
           number(&C::u, "U", "The ceiling's U-value, Btu/(h\u00B7ft\u00B2\u00B7\u00B0F)", kMaxU),
           choice(&C::colour, "Roof\ncolour", "The colour of the roof", kSurfaceColourWords),
           choice(&C::radiantBarrier, "Radiant\nbarrier", "A radiant barrier under the attic's roof", kNoYes)}};
}

ListDef<FloorDetails> floorList() {
  using F = FloorDetails;
  return {"&Floor",
          "Floor",
          {choice(&F::kind, "Over", "What is under the floor", kFloorKindWords),
           number(&F::area, "Area\nft\u00B2", "The floor's area", kMaxArea),
           number(&F::u, "U", "Over a space: the floor's U-value", kMaxU),
           number(&F::perimeter, "Perimeter\nft", "A slab: its exposed edge", kMaxArea),
           number(&F::edgeR, "Edge\nR", "A slab: the R-value of its edge insulation", kMaxEdgeR),
           number(&F::depth, "Depth\nft", "A basement floor: its depth below grade", kMaxDepth),
           number(&F::width, "Width\nft", "A basement floor: the basement's shortest width", kMaxLength),
           winterTemperature<F>("Over a garage: its temperature in winter; empty: the outdoor design temperature"),
           summerTemperature<F>("Over a garage: its temperature in summer; empty: the outdoor design temperature")}};
}

// Enter in a cell being edited takes the cell's text and ends the edit;
// only the next Enter is the dialog's OK.
class CellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  // A figure's editor takes a number's length, as the dialogs' fields do,
  // or the longer figure a project file gave, whole.
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
      line->setMaxLength(std::max(kValueFieldCharacters, static_cast<int>(index.data().toString().size())));
    }
    return editor;
  }

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

QString cellText(const ColumnDef& column, const std::optional<double>& value) {
  if (!value) return {};
  if (column.kind == CellKind::Choice) return toQString(column.words[static_cast<std::size_t>(*value)]);
  return toQString(enteredText(*value));
}

// One list of the zone on a page of its own: the line that says where it
// comes from, its table and its buttons.
class ListEditor {
 public:
  ListEditor(std::vector<ColumnDef> columns, const char* itemWord, QString proposal, QWidget* page,
             std::function<void()> changed)
      : m_columns(std::move(columns)),
        m_item(itemWord),
        m_proposal(std::move(proposal)),
        m_changed(std::move(changed)) {
    m_state = new QLabel(page);
    m_state->setObjectName(QStringLiteral("state"));
    m_state->setWordWrap(true);
    m_state->setTextFormat(Qt::PlainText);
    setUpTable(page);

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
    m_table->resizeColumnsToContents();
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
        const FieldNumber read = readCell(r, c);
        if (!read.refusal.isEmpty()) {
          refusals << read.refusal;
          whole = false;
        }
        row.push_back(read.taken);
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
  // The table of the rows, a column each, a choice's column edited with a
  // list of its words; an edit marks a refused cell.
  void setUpTable(QWidget* page) {
    m_table = new QTableWidget(0, static_cast<int>(m_columns.size()), page);
    m_table->setObjectName(QStringLiteral("items"));
    // Tab leaves the table; the arrows move in it, F2, a double-click or
    // typing edits a cell (a letter picks a choice by its word).
    m_table->setTabKeyNavigation(false);
    m_table->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 8);
    for (std::size_t c = 0; c < m_columns.size(); ++c) {
      auto* header = new QTableWidgetItem(QString::fromUtf8(m_columns[c].title));
      header->setToolTip(QString::fromUtf8(m_columns[c].tip));
      m_table->setHorizontalHeaderItem(static_cast<int>(c), header);
      if (m_columns[c].kind == CellKind::Choice) {
        m_table->setItemDelegateForColumn(static_cast<int>(c), new ChoiceDelegate(m_columns[c].words, m_table));
      }
    }
    m_table->setItemDelegate(new CellDelegate(m_table));
    m_table->resizeColumnsToContents();
    QObject::connect(m_table, &QTableWidget::itemChanged, m_table, [this](QTableWidgetItem* item) {
      if (m_filling) return;
      mark(*item);
      m_table->resizeColumnToContents(item->column());
      m_changed();
    });
  }

  // A cell's value and, where it is refused, why: "Window 2, Area ft²:
  // "x" is not a number".
  FieldNumber readCell(int row, int column) const {
    const ColumnDef& def = m_columns[static_cast<std::size_t>(column)];
    const QTableWidgetItem* item = m_table->item(row, column);
    if (def.kind == CellKind::Choice) return {item ? item->data(Qt::UserRole).toDouble() : 0.0, {}};
    const QString name = QStringLiteral("%1 %2, %3")
                             .arg(QString::fromUtf8(m_item))
                             .arg(row + 1)
                             .arg(QString::fromUtf8(def.title).replace('\n', ' '));
    const QString text = item ? item->text().trimmed() : QString();
    if (text.isEmpty()) {
      if (def.kind == CellKind::OptionalNumber) return {};
      return {std::nullopt, QStringLiteral("%1: a number is needed").arg(name)};
    }
    return readFieldNumber(text, {name, def.minimum, def.maximum, rangeWords(def.minimum, def.maximum),
                                  [](double) { return true; }, {}, true});
  }

  // Marks a refused cell; the marking is no edit, and a list being filled
  // stays so.
  void mark(QTableWidgetItem& item) {
    const bool refused = !readCell(item.row(), item.column()).refusal.isEmpty();
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
      const ColumnDef& def = m_columns[static_cast<std::size_t>(c)];
      const std::optional<double> value = static_cast<std::size_t>(c) < row.size() ? row[static_cast<std::size_t>(c)]
                                                                                    : std::nullopt;
      auto* item = new QTableWidgetItem(cellText(def, value));
      item->setTextAlignment(def.kind == CellKind::Choice ? Qt::AlignLeft | Qt::AlignVCenter
                                                           : Qt::AlignRight | Qt::AlignVCenter);
      if (def.kind == CellKind::Choice) item->setData(Qt::UserRole, value.value_or(0));
      item->setToolTip(QString::fromUtf8(def.tip));
      m_table->setItem(r, c, item);
      mark(*item);
    }
  }

  void addRow() {
    m_filling = true;
    m_entered = true;
    appendRow(m_fresh);
    m_filling = false;
    m_table->resizeColumnsToContents();
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

  const std::vector<ColumnDef> m_columns;
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
  using Entry = Item;
  ListDef<Item> def;
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

// The zone's own figures, on the page of their own: the member each enters,
// its label, its field's name and its largest figure.
struct GainRow {
  std::optional<double> ZoneDetails::*member;
  const char* label;
  const char* object;
  double maximum;
  bool whole;
};
constexpr std::array<GainRow, 3> kGainRows = {{
    {&ZoneDetails::people, "P&eople:", "people", kMaxPeople, true},
    {&ZoneDetails::appliances, "Appliances, sensible &Btu/h:", "appliances", kMaxGain, false},
    {&ZoneDetails::appliancesLatent, "Appliances, la&tent Btu/h:", "appliancesLatent", kMaxGain, false},
}};

class ZoneDetailsDialog {
 public:
  ZoneDetailsDialog(const ProjectTables& project, int zone, QWidget* parent)
      : m_project(project), m_zone(zone), m_dialog(parent), m_message(new QLabel(&m_dialog)),
        m_pageLoads(summarizeHouse(project).zones[static_cast<std::size_t>(zone - 1)]) {
    const std::string& name = project.zoneName(zone);
    m_dialog.setWindowTitle(name.empty() ? QStringLiteral("Zone Details: zone %1").arg(zone)
                                         : QStringLiteral("Zone Details: zone %1, %2").arg(zone).arg(toQString(name)));
    auto* intro = new QLabel(QStringLiteral("What the zone's page values cannot say, for the detailed design load. "
                                            "A list not entered is built from the page, as the greyed line says."),
                             &m_dialog);
    intro->setWordWrap(true);

    m_tabs = new QTabWidget(&m_dialog);
    addLists();
    m_tabs->addTab(makeGainsPage(project.Details.zone(zone)), QStringLiteral("&People"));

    setUpRefusalLine(*m_message);
    m_message->setWordWrap(true);
    QGroupBox* preview = makePreview();

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

  // A figure of the zone's own, and the member of the details it enters.
  struct GainField : NumberInput {
    std::optional<double> ZoneDetails::*member = nullptr;
  };

  // The lists on a page each, as entered or, greyed, as the page proposes them.
  void addLists() {
    const int page = (m_zone - 1) / kZoneColumns + 1;
    const int column = (m_zone - 1) % kZoneColumns + 1;
    const auto value = [&](ZoneQuantity q) { return typedFigure(m_project.zone(page, column, q)); };
    const auto selected = [&](int item, std::span<const std::string_view> words) {
      const std::int32_t s = m_project.selection(item);
      return s >= 1 && s <= static_cast<std::int32_t>(words.size()) ? toQString(words[static_cast<std::size_t>(s - 1)])
                                                                     : QStringLiteral("none chosen");
    };
    const std::int32_t directionChoice = m_project.selection(sel::GlassDirection(column));
    {
      WindowDetails fresh;
      fresh.direction = directionChoice >= 1 && directionChoice <= 8 ? directionChoice : 1;
      fresh.area = value(ZoneQuantity::GlassArea);
      fresh.u = value(ZoneQuantity::GlassU);
      Cells cells = m_windows.def.toCells(fresh);
      cells[3].reset();  // the SHGC is the window's own: from its label
      addList(m_windows,
              QStringLiteral("%1 ft\u00B2 of glass at U %2 facing %3, with the page's glass type (%4) and shading.")
                  .arg(area(value(ZoneQuantity::GlassArea)), area(value(ZoneQuantity::GlassU)),
                       selected(sel::GlassDirection(column), kGlassDirectionEntries),
                       selected(sel::GlassType, kGlassTypeEntries)),
              cells);
    }
    addList(m_skylights, QStringLiteral("none: the page has no skylights."),
            Cells{std::nullopt, std::nullopt, std::nullopt});
    // The doors, the walls, the ceiling and the floor: the page's area at its
    // U-value, of the construction the page chose, each added as the
    // detailed load builds it from the page.
    const ZoneDetails proposed = proposedZoneDetails(m_project, m_zone);
    const auto addSurface = [&](auto& list, ZoneQuantity areaOf, ZoneQuantity uOf, const QString& proposal,
                                const QString& construction) {
      // Its area and U as typed on the page (0.1, not 0.10000000149011612).
      auto fresh = (proposed.*(list.member))->front();
      fresh.area = value(areaOf);
      fresh.u = value(uOf);
      addList(list, proposal.arg(area(fresh.area), area(fresh.u), construction), list.def.toCells(fresh));
    };
    const bool partition = column >= kFirstPartitionColumn;
    const QString wallOrPartition = partition ? QString::number(m_project.integer(page, irow::PartitionDT(column)))
                                              : selected(sel::WallConstruction, kWallConstructionEntries);
    // A door's proposal reads as its wall's.
    const auto wallText = [partition](const QString& what) {
      QString text = partition ? QStringLiteral("%1 ft\u00B2 of %4 at U %2 to a space the partition difference, "
                                                "%3 \u00B0F, from indoors.")
                               : QStringLiteral("%1 ft\u00B2 of %4 to outdoors at U %2, %3.");
      return text.replace(QStringLiteral("%4"), what);
    };
    addSurface(m_doors, ZoneQuantity::DoorArea, ZoneQuantity::DoorU, wallText(QStringLiteral("door")),
               wallOrPartition);
    addSurface(m_walls, ZoneQuantity::WallArea, ZoneQuantity::WallU, wallText(QStringLiteral("wall")),
               wallOrPartition);
    addSurface(m_ceilings, ZoneQuantity::RoofArea, ZoneQuantity::RoofU, QStringLiteral("%1 ft\u00B2 at U %2, %3."),
               selected(sel::RoofConstruction, kRoofConstructionEntries));
    addSurface(m_floors, ZoneQuantity::FloorArea, ZoneQuantity::FloorU, QStringLiteral("%1 ft\u00B2 at U %2, %3."),
               selected(sel::FloorConstruction, kFloorConstructionEntries));
  }

  // A list's page: its editor with the rows entered, `proposal` what the
  // page proposes and `fresh` the row that Add adds.
  template <class Item>
  void addList(ZoneList<Item>& list, QString proposal, const Cells& fresh) {
    auto* tab = new QWidget(m_tabs);
    list.editor = std::make_unique<ListEditor>(list.def.defs(), list.def.item, std::move(proposal), tab,
                                               [this] { update(); });
    std::optional<std::vector<Cells>> rows;
    if (const auto& entered = m_project.Details.zone(m_zone).*(list.member)) {
      rows.emplace();
      for (const Item& item : *entered) rows->push_back(list.def.toCells(item));
    }
    list.editor->setRows(rows, fresh);
    list.editor->table()->installEventFilter(&m_keys);
    m_keys.editors.push_back(list.editor.get());
    m_tabs->addTab(tab, QString::fromUtf8(list.def.tab));
  }

  // The zone's loads as they would become, and beside them the page's.
  QGroupBox* makePreview() {
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
    return preview;
  }

  QWidget* makeGainsPage(const ZoneDetails& entered) {
    auto* page = new QWidget(m_tabs);
    auto* grid = new QGridLayout(page);
    grid->setColumnStretch(2, 1);
    // The house's occupants and appliances count only while no zone has its
    // own; once another zone has, an empty field here counts none.
    std::vector<int> others = m_project.Details.zonesWithOwnGains();
    std::erase(others, m_zone);
    const QString empty = others.empty() ? QStringLiteral("the house's") : QStringLiteral("none");
    const QString hint =
        others.empty()
            ? QStringLiteral("Empty: the house's, given to the zones by floor area (House Air and People); "
                             "once a zone has its own, each zone counts only its own")
            : QStringLiteral("Empty: none, as %1; the house's count only while no zone has its own")
                  .arg(toQString(ownGainsText(others)));
    for (std::size_t i = 0; i < m_gains.size(); ++i) {
      const GainRow& row = kGainRows[i];
      GainField& field = m_gains[i];
      field.member = row.member;
      field.edit = numberEdit(row.object, entered.*(row.member), *page);
      holdANumber(*field.edit);
      field.edit->setPlaceholderText(empty);
      field.edit->setToolTip(hint);
      const QString label = QString::fromUtf8(row.label);
      field.rule = {QString(label).remove('&').remove(':'), 0, row.maximum, rangeWords(0, row.maximum),
                    [whole = row.whole](double value) { return !whole || std::floor(value) == value; },
                    quotedAsNotes, true};
      addFieldRow(*grid, label, field.edit, hint, *page);
      QObject::connect(field.edit, &QLineEdit::textEdited, &m_dialog, [this] { update(); });
    }
    grid->setRowStretch(grid->rowCount(), 1);
    return page;
  }

  template <class Item>
  void take(const ZoneList<Item>& list, ZoneDetails& details, QStringList& refusals) const {
    const std::optional<std::vector<Cells>> rows = list.editor->rows(refusals);
    if (!rows) {
      (details.*(list.member)).reset();
      return;
    }
    std::vector<Item> items;
    for (const Cells& row : *rows) items.push_back(list.def.toItem(row));
    details.*(list.member) = std::move(items);
  }

  // The details as the dialog gives them, the zone's own figures read
  // afresh and marked while refused; rows and figures refused are left out,
  // and named in `refusals`.
  ZoneDetails details(QStringList& refusals) {
    ZoneDetails details;
    take(m_windows, details, refusals);
    take(m_skylights, details, refusals);
    take(m_doors, details, refusals);
    take(m_walls, details, refusals);
    take(m_ceilings, details, refusals);
    take(m_floors, details, refusals);
    // Below grade, a wall's height and a basement floor's width: without
    // them it would lose nothing.
    for (std::size_t i = 0; details.walls && i < details.walls->size(); ++i) {
      const WallDetails& w = (*details.walls)[i];
      if (w.exposure == WallExposure::BelowGrade && !(w.height > 0)) {
        refusals << QStringLiteral("Wall %1: a wall below grade needs its height").arg(i + 1);
      }
    }
    for (std::size_t i = 0; details.floors && i < details.floors->size(); ++i) {
      const FloorDetails& f = (*details.floors)[i];
      if (f.kind == FloorKind::BasementFloor && !(f.width > 0)) {
        refusals << QStringLiteral("Floor %1: a basement floor needs the basement's width").arg(i + 1);
      }
    }
    for (GainField& field : m_gains) {
      field.take();
      if (!field.refusal.isEmpty()) refusals << field.refusal;
      details.*(field.member) = field.taken;
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
    const bool gainRefused =
        std::any_of(m_gains.begin(), m_gains.end(), [](const GainField& field) { return !field.refusal.isEmpty(); });
    if (!gainRefused) return;
    m_tabs->setCurrentIndex(m_tabs->count() - 1);
    focusFirstRefused(m_gains);
  }

  const ProjectTables& m_project;
  int m_zone;
  // The lists and the keys outlive the dialog, whose widgets they point to.
  Keys m_keys;
  ZoneList<WindowDetails> m_windows{windowList(), &ZoneDetails::windows, {}};
  ZoneList<SkylightDetails> m_skylights{skylightList(), &ZoneDetails::skylights, {}};
  ZoneList<DoorDetails> m_doors{doorList(), &ZoneDetails::doors, {}};
  ZoneList<WallDetails> m_walls{wallList(), &ZoneDetails::walls, {}};
  ZoneList<CeilingDetails> m_ceilings{ceilingList(), &ZoneDetails::ceilings, {}};
  ZoneList<FloorDetails> m_floors{floorList(), &ZoneDetails::floors, {}};
  std::array<GainField, kGainRows.size()> m_gains{};
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
