#include "gui/airandpeopledialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <array>
#include <string_view>

#include "gui/valuefield.h"
#include "house/housedesign.h"
#include "toolkit/qt/textconversion.h"
#include "writers/designtext.h"

namespace kovrin {
namespace {

// How a user gets each house detail, in the order of HouseDetail.
constexpr std::array<std::string_view, kHouseDetails> kDetailHowToGet = {{
    "From a map; it sets the sun's height on the glass.",
    "From a map; thinner air carries less heat.",
    "Storeys above the ground, for the stack effect of the leakage.",
    "1 open site, 2 a few trees, 3 a suburb, 4 a suburb with trees and fences, 5 a city or a forest.",
    "A blower-door test's air changes at 50 Pa; empty: the air changes above.",
    "The air handler's fan heat added to the cooling; proposed: a 500 W fan.",
}};

// One value's field, and the figure Fill In enters; empty where there is none.
struct ValueField : KeyedInput<HouseValue> {
  QString proposal;
};

using DetailField = KeyedInput<HouseDetail>;

class AirAndPeopleDialog : ValuesDialog {
 public:
  AirAndPeopleDialog(const ProjectTables& project, QWidget* parent)
      : ValuesDialog(QStringLiteral("House Air and People"),
                     QStringLiteral("What the design load adds to the rooms: the outdoor air, people and "
                                    "appliances, and the airflow of the whole system. An empty field is not "
                                    "entered and counts as 0; greyed figures are proposals, not entered."),
                     parent),
        m_project(project) {
    auto* grid = new QGridLayout;
    grid->setColumnStretch(2, 1);
    for (const HouseValueRange& range : kHouseValueRanges) addValueRow(*grid, range);
    addSizeForRow(*grid);
    addPart(grid);
    addPart(makeDetails());
    takeAsEdited(m_fields, m_dialog, [this] { update(); });
    takeAsEdited(m_details, m_dialog, [this] { update(); });

    QDialogButtonBox* buttons = finish(QStringLiteral("Design load as it would become"), [this] {
      return focusFirstRefused(m_fields) || focusFirstRefused(m_details);
    });
    addAction(*buttons, QStringLiteral("&Fill In the Proposals"), "fill",
              QStringLiteral("Enters the greyed proposal in every empty field that has one"),
              [this] { fillInProposals(); });
    update();
  }

  std::optional<HouseEntries> exec() {
    return changedOnOk(HouseEntries{m_project.House, m_project.Details.house},
                       [this] { return HouseEntries{values(), houseDetails()}; });
  }

 private:
  // One value's row: its name and unit, its field and how a user gets it.
  void addValueRow(QGridLayout& grid, const HouseValueRange& range) {
    ValueField& field = m_fields[static_cast<std::size_t>(range.value)];
    field.setUp(range.value, range, inHouseRange, m_project.House[range.value], m_dialog);
    field.edit->setToolTip(QStringLiteral("%1, %2\nAllowed %3%4\nEmpty: not entered, counts as 0")
                               .arg(toQString(range.name), toQString(range.unit), field.rule.allowed,
                                    range.whole ? QStringLiteral(", a whole number") : QString()));
    addFieldRow(grid, QStringLiteral("%1, %2:").arg(toQString(range.name), toQString(range.unit)), field.edit,
                toQString(range.hint), m_dialog);
    field.take();
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

  // The house's details of the detailed design load. An empty field takes
  // the greyed proposal, which the detailed load counts; the tooltip says so.
  QGroupBox* makeDetails() {
    auto* box = new QGroupBox(QStringLiteral("The site, for the detailed design load"), &m_dialog);
    auto* grid = new QGridLayout(box);
    grid->setColumnStretch(2, 1);
    for (const HouseDetailRange& range : kHouseDetailRanges) {
      DetailField& field = m_details[static_cast<std::size_t>(range.value)];
      field.setUp(range.value, range, inDetailRange, m_project.Details.house[range.value], *box);
      // The range itself asks a whole number: one that is not is outside it.
      field.rule.wholeApart = false;
      field.rule.allowed += range.whole ? QStringLiteral(", or not a whole number") : QString();
      const QString unit = range.unit.empty() ? QString() : QStringLiteral(", ") + toQString(range.unit);
      field.edit->setToolTip(QStringLiteral("%1%2\nAllowed %3%4\nEmpty: %5")
                                 .arg(toQString(range.name), unit, rangeWords(range.minimum, range.maximum),
                                      range.whole ? QStringLiteral(", a whole number") : QString(),
                                      range.proposal ? QStringLiteral("the greyed proposal is counted")
                                                     : QStringLiteral("not counted")));
      // Empty: the proposal holds.
      if (range.proposal) field.edit->setPlaceholderText(toQString(enteredText(*range.proposal)));
      addFieldRow(*grid, QStringLiteral("%1%2:").arg(toQString(range.name), unit), field.edit,
                  toQString(kDetailHowToGet[static_cast<std::size_t>(range.value)]), *box);
      field.take();
    }
    return box;
  }

  // The details as the fields give them; a refused text leaves the detail
  // as the project holds it.
  HouseDetails houseDetails() const {
    HouseDetails house = m_project.Details.house;
    putTaken(m_details, house);
    return house;
  }

  // The values as the fields give them; a refused text leaves the value as
  // the project holds it.
  HouseValues values() const {
    HouseValues house = m_project.House;
    putTaken(m_fields, house);
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
      std::optional<double> proposal = houseValueRange(field.key).proposal;
      if (field.key == HouseValue::FloorArea && inHouseRange(field.key, load.zonesFloorArea)) {
        proposal = load.zonesFloorArea;
      }
      if (field.key == HouseValue::SystemAirflow && now.proposedSystemAirflow) {
        proposal = static_cast<double>(*now.proposedSystemAirflow);
      }
      field.proposal = proposal ? toQString(enteredText(*proposal)) : QString();
      field.edit->setPlaceholderText(placeholder(field));
    }
    m_message->setText(refusalLines(m_fields, m_details));

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
    if (const std::string own = ownGainsText(m_project.Details.zonesWithOwnGains()); !own.empty()) {
      lines << QStringLiteral("Occupants and appliances not counted: %1 (Zone Details)").arg(toQString(own));
    }
    const QString proposed = proposedButNotEntered();
    if (!proposed.isEmpty()) lines << QStringLiteral("Not entered: 0 counted for:") + proposed;
    m_preview->setText(lines.join(QLatin1Char('\n')));
  }

  // A greyed proposal must not read as a value in force: the field says it is
  // a proposal. The floor area is the one that counts while empty (the
  // zones' sum stands in for it); the others count as 0 until entered.
  static QString placeholder(const ValueField& field) {
    if (field.proposal.isEmpty()) return {};
    if (field.key == HouseValue::FloorArea) return QStringLiteral("%1, the zones' sum").arg(field.proposal);
    return QStringLiteral("%1 proposed").arg(field.proposal);
  }

  // The empty fields whose greyed proposal the design load does not count,
  // a line each, so that the preview keeps the dialog's width. A blower-door
  // ACH50 stands in for the air changes by leakage, and zones' own people and
  // appliances for the house's: those are not missed.
  QString proposedButNotEntered() const {
    const bool ach50 = houseDetails()[HouseDetail::Ach50].has_value();
    const bool ownGains = !m_project.Details.zonesWithOwnGains().empty();
    QStringList names;
    for (const ValueField& field : m_fields) {
      const bool leakage = field.key == HouseValue::LeakageAchWinter || field.key == HouseValue::LeakageAchSummer;
      const bool gains = field.key == HouseValue::Occupants || field.key == HouseValue::Appliances;
      if (field.key == HouseValue::FloorArea || field.proposal.isEmpty() || field.taken ||
          !field.edit->text().trimmed().isEmpty() || (leakage && ach50) || (gains && ownGains)) {
        continue;
      }
      names << QStringLiteral("\n  %1 (%2 proposed)").arg(toQString(houseValueRange(field.key).name), field.proposal);
    }
    return names.join(QString());
  }

  void fillInProposals() {
    // The airflow's proposal follows the cooling, which the others change:
    // it is filled in last, from the design with the others filled in.
    for (const bool airflow : {false, true}) {
      for (ValueField& field : m_fields) {
        if ((field.key == HouseValue::SystemAirflow) != airflow || !field.edit->text().trimmed().isEmpty()) continue;
        field.edit->setText(field.proposal);
        field.take();
      }
      update();
    }
  }

  const ProjectTables& m_project;
  std::array<ValueField, kHouseValues> m_fields{};
  std::array<DetailField, kHouseDetails> m_details{};
  QRadioButton* m_drawn = nullptr;
  QRadioButton* m_worst = nullptr;
};

}  // namespace

std::optional<HouseEntries> editAirAndPeople(const ProjectTables& project, QWidget* parent) {
  return AirAndPeopleDialog(project, parent).exec();
}

}  // namespace kovrin
