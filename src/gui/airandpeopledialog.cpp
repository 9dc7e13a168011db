#include "gui/airandpeopledialog.h"

#include <QButtonGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>
#include <cmath>
#include <string_view>

#include "gui/valuefield.h"
#include "house/housedesign.h"
#include "projectfile/projectnotes.h"
#include "toolkit/qt/fieldwidgets.h"
#include "toolkit/qt/textconversion.h"
#include "writers/designtext.h"

namespace kovrin {
namespace {

// The longest text a value's field takes: any number it may hold, with
// room to spare, and never so much that the field or a message about it
// outgrows the dialog.
constexpr int kFieldCharacters = 20;

// How a user gets each house detail, in the order of HouseDetail.
constexpr std::array<std::string_view, kHouseDetails> kDetailHowToGet = {{
    "From a map; it sets the sun's height on the glass.",
    "From a map; thinner air carries less heat.",
    "Storeys above the ground, for the stack effect of the leakage.",
    "1 open site, 2 a few trees, 3 a suburb, 4 a suburb with trees and fences, 5 a city or a forest.",
    "A blower-door test's air changes at 50 Pa; empty: the air changes above.",
    "The air handler's fan heat added to the cooling; proposed: a 500 W fan.",
}};

QString rangeText(const HouseValueRange& range) {
  return QStringLiteral("%1 to %2").arg(toQString(enteredText(range.minimum)), toQString(enteredText(range.maximum)));
}

// One value's field and what its text gives.
struct ValueField {
  HouseValue value{};
  QLineEdit* edit = nullptr;
  std::optional<double> taken;  // the value the text enters; none for empty or refused text
  QString refusal;              // why the text is refused, in a word; empty when taken
  QString proposal;             // the figure Fill In enters; empty where there is none
};

// One house detail's field and what its text gives.
struct DetailField {
  HouseDetail detail{};
  QLineEdit* edit = nullptr;
  std::optional<double> taken;
  QString refusal;
};

class AirAndPeopleDialog {
 public:
  AirAndPeopleDialog(const ProjectTables& project, QWidget* parent)
      : m_project(project), m_dialog(parent), m_preview(new QLabel(&m_dialog)), m_message(new QLabel(&m_dialog)) {
    m_dialog.setWindowTitle(QStringLiteral("House Air and People"));
    auto* intro = new QLabel(QStringLiteral("What the design load adds to the rooms: the outdoor air, people and "
                                            "appliances, and the airflow of the whole system. An empty field is not "
                                            "entered and counts as 0; greyed figures are proposals, not entered."),
                             &m_dialog);
    intro->setWordWrap(true);

    auto* grid = new QGridLayout;
    grid->setColumnStretch(2, 1);
    for (const HouseValueRange& range : kHouseValueRanges) addValueRow(*grid, range);
    addSizeForRow(*grid);

    QGroupBox* details = makeDetails();

    setUpRefusalLine(*m_message);

    auto* layout = new QVBoxLayout(&m_dialog);
    layout->addWidget(intro);
    layout->addLayout(grid);
    layout->addWidget(details);
    layout->addWidget(m_message);
    layout->addWidget(previewBox());
    layout->addWidget(buttonBox());
    update();
  }

  std::optional<HouseEntries> exec() {
    if (m_dialog.exec() != QDialog::Accepted) return std::nullopt;
    const HouseEntries edited{values(), houseDetails()};
    if (edited.values == m_project.House && edited.details == m_project.Details.house) return std::nullopt;
    return edited;
  }

 private:
  // One value's row: its name and unit, its field and how a user gets it.
  void addValueRow(QGridLayout& grid, const HouseValueRange& range) {
    const int row = grid.rowCount();
    ValueField& field = m_fields[static_cast<std::size_t>(range.value)];
    field.value = range.value;
    field.edit = new QLineEdit(&m_dialog);
    field.edit->setObjectName(toQString(range.jsonKey));
    field.edit->setAlignment(Qt::AlignRight);
    field.edit->setMaxLength(kFieldCharacters);
    selectAllOnClickIn(field.edit);
    field.edit->setMaximumWidth(field.edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 12);
    field.edit->setToolTip(QStringLiteral("%1, %2\nAllowed %3%4\nEmpty: not entered, counts as 0")
                               .arg(toQString(range.name), toQString(range.unit), rangeText(range),
                                    range.whole ? QStringLiteral(", a whole number") : QString()));
    if (const std::optional<double>& entered = m_project.House[range.value]) {
      field.edit->setText(toQString(enteredText(*entered)));
    }
    auto* label = new QLabel(QStringLiteral("%1, %2:").arg(toQString(range.name), toQString(range.unit)), &m_dialog);
    label->setBuddy(field.edit);
    auto* hint = new QLabel(toQString(range.hint), &m_dialog);
    hint->setStyleSheet(QStringLiteral("color: #5a5a5a;"));
    grid.addWidget(label, row, 0);
    grid.addWidget(field.edit, row, 1);
    grid.addWidget(hint, row, 2);
    QObject::connect(field.edit, &QLineEdit::textEdited, &m_dialog, [this, &field] {
      take(field);
      update();
    });
    take(field);
  }

  // The orientation the equipment is sized for, as two choices in a row.
  void addSizeForRow(QGridLayout& grid) {
    auto* sizeFor = new QHBoxLayout;
    m_drawn = new QRadioButton(toQString(sizeForWording(SizingOrientation::Drawn).text), &m_dialog);
    m_worst = new QRadioButton(toQString(sizeForWording(SizingOrientation::Worst).text), &m_dialog);
    m_drawn->setObjectName(QStringLiteral("drawn"));
    m_worst->setObjectName(QStringLiteral("worst"));
    m_worst->setToolTip(QStringLiteral("For a plan that may be built facing any way: the turn of the house with "
                                       "the highest design cooling"));
    (m_project.House.SizeFor == SizingOrientation::Worst ? m_worst : m_drawn)->setChecked(true);
    auto* sizeForGroup = new QButtonGroup(&m_dialog);
    sizeForGroup->addButton(m_drawn);
    sizeForGroup->addButton(m_worst);
    sizeFor->addWidget(m_drawn);
    sizeFor->addWidget(m_worst);
    sizeFor->addStretch(1);
    grid.addWidget(new QLabel(QStringLiteral("Size the equipment for:"), &m_dialog), grid.rowCount(), 0);
    grid.addLayout(sizeFor, grid.rowCount() - 1, 1, 1, 2);
    QObject::connect(sizeForGroup, &QButtonGroup::buttonToggled, &m_dialog, [this] { update(); });
  }

  QGroupBox* previewBox() { return previewGroup(QStringLiteral("Design load as it would become"), *m_preview, m_dialog); }

  QDialogButtonBox* buttonBox() {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &m_dialog);
    QPushButton* fill = buttons->addButton(QStringLiteral("&Fill In the Proposals"), QDialogButtonBox::ActionRole);
    fill->setObjectName(QStringLiteral("fill"));
    fill->setToolTip(QStringLiteral("Enters the greyed proposal in every empty field that has one"));
    fill->setAutoDefault(false);
    QObject::connect(fill, &QPushButton::clicked, &m_dialog, [this] { fillInProposals(); });
    QObject::connect(buttons, &QDialogButtonBox::accepted, &m_dialog, [this] { accept(); });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &m_dialog, &QDialog::reject);
    return buttons;
  }

  // The house's details of the detailed design load. An empty field takes
  // the greyed proposal, which the detailed load counts; the tooltip says so.
  QGroupBox* makeDetails() {
    auto* box = new QGroupBox(QStringLiteral("The site, for the detailed design load"), &m_dialog);
    auto* grid = new QGridLayout(box);
    grid->setColumnStretch(2, 1);
    const QString hintStyle = QStringLiteral("color: #5a5a5a;");
    for (const HouseDetailRange& range : kHouseDetailRanges) {
      DetailField& field = m_details[static_cast<std::size_t>(range.detail)];
      field.detail = range.detail;
      field.edit = new QLineEdit(box);
      field.edit->setObjectName(toQString(range.jsonKey));
      field.edit->setAlignment(Qt::AlignRight);
      field.edit->setMaxLength(kFieldCharacters);
      selectAllOnClickIn(field.edit);
      field.edit->setMaximumWidth(field.edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 12);
      const QString unit = range.unit.empty() ? QString() : QStringLiteral(", ") + toQString(range.unit);
      field.edit->setToolTip(QStringLiteral("%1%2\nAllowed %3 to %4%5\nEmpty: %6")
                                 .arg(toQString(range.name), unit, toQString(enteredText(range.minimum)),
                                      toQString(enteredText(range.maximum)),
                                      range.whole ? QStringLiteral(", a whole number") : QString(),
                                      range.proposal ? QStringLiteral("the greyed proposal is counted")
                                                     : QStringLiteral("not counted")));
      if (range.proposal) field.edit->setPlaceholderText(toQString(enteredText(*range.proposal)));
      if (const std::optional<double>& entered = m_project.Details.house[range.detail]) {
        field.edit->setText(toQString(enteredText(*entered)));
      }
      auto* label = new QLabel(QStringLiteral("%1%2:").arg(toQString(range.name), unit), box);
      label->setBuddy(field.edit);
      auto* hint = new QLabel(toQString(kDetailHowToGet[static_cast<std::size_t>(range.detail)]), box);
      hint->setStyleSheet(hintStyle);
      const int row = grid->rowCount();
      grid->addWidget(label, row, 0);
      grid->addWidget(field.edit, row, 1);
      grid->addWidget(hint, row, 2);
      QObject::connect(field.edit, &QLineEdit::textEdited, &m_dialog, [this, &field] {
        take(field);
        update();
      });
      take(field);
    }
    return box;
  }

  static void take(DetailField& field) {
    const HouseDetailRange& range = houseDetailRange(field.detail);
    const QString text = field.edit->text().trimmed();
    const std::optional<double> number = enteredNumber(text.toStdString());
    field.taken.reset();
    field.refusal.clear();
    const QString name = toQString(range.name);
    if (text.isEmpty()) {
      // Not entered: the proposal holds.
    } else if (!number || std::isnan(*number)) {
      field.refusal = QStringLiteral("%1: %2 is not a number").arg(name, toQString(quotedInMessage(text.toStdString())));
    } else if (!inDetailRange(field.detail, *number)) {
      field.refusal = QStringLiteral("%1: %2 is outside %3 to %4%5")
                          .arg(name, text, toQString(enteredText(range.minimum)), toQString(enteredText(range.maximum)),
                               range.whole ? QStringLiteral(", or not a whole number") : QString());
    } else {
      field.taken = number;
    }
    QPalette colours = field.edit->palette();
    colours.setColor(QPalette::Base, field.refusal.isEmpty() ? QPalette().color(QPalette::Base) : kMarkedBase);
    field.edit->setPalette(colours);
  }

  // The details as the fields give them; a refused text leaves the detail
  // as the project holds it.
  HouseDetails houseDetails() const {
    HouseDetails house = m_project.Details.house;
    for (const DetailField& field : m_details) {
      if (field.refusal.isEmpty()) house[field.detail] = field.taken;
    }
    return house;
  }

  // Reads the field's text as the notes read a value: a plain decimal
  // number within the value's range, whole where it must be.
  static void take(ValueField& field) {
    const HouseValueRange& range = houseValueRange(field.value);
    const QString text = field.edit->text().trimmed();
    const HouseValue value = field.value;
    FieldNumber read = readFieldNumber(
        text, toQString(quotedInMessage(text.toStdString())),
        {toQString(range.name), range.minimum, range.maximum, rangeText(range),
         [value](double number) { return inHouseRange(value, number); }});
    field.taken = read.taken;
    field.refusal = std::move(read.refusal);
    markRefusal(*field.edit, field.refusal);
  }

  // The values as the fields give them; a refused text leaves the value as
  // the project holds it.
  HouseValues values() const {
    HouseValues house = m_project.House;
    for (const ValueField& field : m_fields) {
      if (field.refusal.isEmpty()) house[field.value] = field.taken;
    }
    house.SizeFor = m_worst->isChecked() ? SizingOrientation::Worst : SizingOrientation::Drawn;
    return house;
  }

  HouseDesign design() const {
    ProjectTables tables = m_project;
    tables.House = values();
    tables.Details.house = houseDetails();
    return designHouse(tables);
  }

  // The proposals as greyed text, the first refusal and the design load as
  // it would become.
  void update() {
    const HouseDesign now = design();
    const DesignLoad& load = now.load;
    for (ValueField& field : m_fields) {
      std::optional<double> proposal = houseValueRange(field.value).proposal;
      if (field.value == HouseValue::FloorArea && inHouseRange(field.value, load.zonesFloorArea)) {
        proposal = load.zonesFloorArea;
      }
      if (field.value == HouseValue::SystemAirflow && now.proposedSystemAirflow) {
        proposal = static_cast<double>(*now.proposedSystemAirflow);
      }
      field.proposal = proposal ? toQString(enteredText(*proposal)) : QString();
      field.edit->setPlaceholderText(placeholder(field));
    }
    QStringList refusals;
    for (const ValueField& field : m_fields) {
      if (!field.refusal.isEmpty()) refusals << field.refusal;
    }
    for (const DetailField& field : m_details) {
      if (!field.refusal.isEmpty()) refusals << field.refusal;
    }
    m_message->setText(refusals.join(QLatin1Char('\n')));

    const auto btu = [](std::int64_t value) { return toQString(figureText(value, 0, Grouping::Thousands)); };
    const Orientation& worst = now.orientations.turns[static_cast<std::size_t>(now.orientations.worst)];
    QStringList lines;
    lines << QStringLiteral("Heating %1 Btu/h (the rooms %2)").arg(btu(load.heating), btu(load.zonesHeating))
          << QStringLiteral("Cooling %1 sensible + %2 latent = %3 Btu/h, %4 tons, sensible heat ratio %5 (the rooms %6)")
                 .arg(btu(load.coolingSensible), btu(load.coolingLatent), btu(load.coolingTotal),
                      toQString(figureText(load.coolingTons, kTonsDecimals)),
                      toQString(figureText(load.sensibleHeatRatio, kRatioDecimals, kNoValueText)),
                      btu(load.zonesCooling))
          << QStringLiteral("Worst orientation: %1, %2 Btu/h; spread %3")
                 .arg(toQString(turnText(worst.rotation)), btu(worst.coolingTotal),
                      toQString(spreadText(now.orientations, Grouping::Thousands)));
    for (const SizingLine& line : sizingLines(now, Grouping::Thousands)) lines << toQString(line.figure);
    const QString proposed = proposedButNotEntered();
    if (!proposed.isEmpty()) lines << QStringLiteral("Not entered: 0 counted for:") + proposed;
    m_preview->setText(lines.join(QLatin1Char('\n')));
  }

  // A greyed proposal must not read as a value in force: the field says it is
  // a proposal. The floor area is the one that counts while empty (the
  // zones' sum stands in for it); the others count as 0 until entered.
  static QString placeholder(const ValueField& field) {
    if (field.proposal.isEmpty()) return {};
    if (field.value == HouseValue::FloorArea) return QStringLiteral("%1, the zones' sum").arg(field.proposal);
    return QStringLiteral("%1 proposed").arg(field.proposal);
  }

  // The empty fields whose greyed proposal the design load does not count,
  // a line each, so that the preview keeps the dialog's width.
  QString proposedButNotEntered() const {
    QStringList names;
    for (const ValueField& field : m_fields) {
      if (field.value == HouseValue::FloorArea || field.proposal.isEmpty() || field.taken ||
          !field.edit->text().trimmed().isEmpty()) {
        continue;
      }
      names << QStringLiteral("\n  %1 (%2 proposed)").arg(toQString(houseValueRange(field.value).name), field.proposal);
    }
    return names.join(QString());
  }

  void fillInProposals() {
    // The airflow's proposal follows the cooling, which the others change:
    // it is filled in last, from the design with the others filled in.
    for (const bool airflow : {false, true}) {
      for (ValueField& field : m_fields) {
        if ((field.value == HouseValue::SystemAirflow) != airflow || !field.edit->text().trimmed().isEmpty()) continue;
        field.edit->setText(field.proposal);
        take(field);
      }
      update();
    }
  }

  void accept() {
    if (!focusFirstRefused(m_fields) && !focusFirstRefused(m_details)) m_dialog.accept();
  }

  const ProjectTables& m_project;
  QDialog m_dialog;
  std::array<ValueField, kHouseValues> m_fields{};
  std::array<DetailField, kHouseDetails> m_details{};
  QRadioButton* m_drawn = nullptr;
  QRadioButton* m_worst = nullptr;
  QLabel* m_preview;
  QLabel* m_message;
};

}  // namespace

std::optional<HouseEntries> editAirAndPeople(const ProjectTables& project, QWidget* parent) {
  return AirAndPeopleDialog(project, parent).exec();
}

}  // namespace kovrin
