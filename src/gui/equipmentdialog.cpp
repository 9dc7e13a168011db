#include "gui/equipmentdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

#include <array>
#include <string_view>

#include "equipment/equipmentfigures.h"
#include "gui/valuefield.h"
#include "house/housedesign.h"
#include "projectfile/equipmentnotes.h"
#include "house/housesummary.h"
#include "toolkit/qt/fieldwidgets.h"
#include "toolkit/qt/textconversion.h"
#include "writers/designtext.h"
#include "writers/equipmentwriters.h"

namespace kovrin {
namespace {

// The groups of the dialog and their values, in the order shown.
struct ValueGroup {
  std::string_view title;
  std::array<std::optional<EquipmentValue>, 5> values;
};
constexpr std::array<ValueGroup, 5> kGroups = {{
    {"Furnace",
     {EquipmentValue::FurnaceInput, EquipmentValue::Afue, EquipmentValue::RiseLow, EquipmentValue::RiseHigh}},
    {"Cooling at design conditions",
     {EquipmentValue::CoolingTotal, EquipmentValue::CoolingSensible, EquipmentValue::SensibleHeatRatio}},
    {"Heat pump, maximum heating capacity from the maker's or NEEP's list",
     {EquipmentValue::HeatPumpAt47, EquipmentValue::HeatPumpAt17, EquipmentValue::HeatPumpAt5,
      EquipmentValue::LockoutTemperature, EquipmentValue::BackupKw}},
    {"Airflow", {EquipmentValue::HeatingCfm, EquipmentValue::CoolingCfm}},
    {"House", {EquipmentValue::Bedrooms}},
}};

QString labelText(const EquipmentValueRange& range) {
  return range.unit.empty() ? QStringLiteral("%1:").arg(toQString(range.name))
                            : QStringLiteral("%1, %2:").arg(toQString(range.name), toQString(range.unit));
}

using ValueField = KeyedInput<EquipmentValue>;

// A drop-down of a choice's words, "not entered" first.
template <class Rows, class Choice>
QComboBox* choiceBox(const Rows& rows, const std::optional<Choice>& current, const char* name, QWidget& parent) {
  return choiceList(name, QStringLiteral("not entered"), rows, current, parent);
}

class EquipmentDialog : ValuesDialog {
 public:
  EquipmentDialog(const ProjectTables& project, QWidget* parent)
      : ValuesDialog(QStringLiteral("House Equipment"),
                     QStringLiteral("The equipment chosen for the house, from the maker's data at the design "
                                    "conditions. An empty field is not entered."),
                     parent),
        m_project(project),
        m_design(designHouse(project)),
        m_load(sizedLoad(m_design)) {
    const Equipment& equipment = project.Equipment;
    auto* top = new QGridLayout;
    m_system = choiceBox(kSystemTypeWordings, equipment.System, "system", m_dialog);
    // The field takes no character that the notes would refuse to read back.
    m_makeAndModel = new TextField(static_cast<int>(kMakeAndModelCharacters), QStringLiteral("Make and model"),
                                   &m_dialog);
    m_makeAndModel->setText(toQString(equipment.MakeAndModel));
    m_makeAndModel->setObjectName(QStringLiteral("makeAndModel"));
    m_compressor = choiceBox(kCompressorWordings, equipment.Compressor, "compressor", m_dialog);
    m_sizedForHeating = new QCheckBox(QStringLiteral("Heat pump sized for &heating (a heating-dominated climate)"),
                                      &m_dialog);
    m_sizedForHeating->setObjectName(QStringLiteral("sizedForHeating"));
    m_sizedForHeating->setToolTip(
        toQString("Its cooling may then exceed the band, up to the design cooling load + " +
                  figureText(kHeatingSizedAllowance, 0, Grouping::Thousands) + " Btu/h"));
    m_sizedForHeating->setChecked(equipment.SizedForHeating);
    addRow(top, QStringLiteral("&System:"), m_system);
    addRow(top, QStringLiteral("&Make and model:"), m_makeAndModel);
    addRow(top, QStringLiteral("&Compressor:"), m_compressor);
    top->addWidget(m_sizedForHeating, top->rowCount(), 1);

    auto* groups = new QGridLayout;
    int column = 0;
    for (const ValueGroup& group : kGroups) {
      auto* box = new QGroupBox(toQString(group.title), &m_dialog);
      auto* grid = new QGridLayout(box);
      for (const std::optional<EquipmentValue>& value : group.values) {
        if (value) addValue(grid, *value);
      }
      // Made where it stands, so that Tab reaches it after the bedrooms.
      if (&group == &kGroups.back()) {
        m_frontDoor = choiceBox(kFacingWordings, equipment.FrontDoor, "frontDoor", m_dialog);
        addRow(grid, QStringLiteral("&Front door faces:"), m_frontDoor);
      }
      // The long heat pump group spans the width; the others stand two by two.
      if (group.values[4]) {
        groups->addWidget(box, groups->rowCount(), 0, 1, 2);
        column = 0;
      } else {
        groups->addWidget(box, column == 0 ? groups->rowCount() : groups->rowCount() - 1, column);
        column = 1 - column;
      }
    }

    for (QComboBox* box : {m_system, m_compressor, m_frontDoor}) {
      QObject::connect(box, &QComboBox::currentIndexChanged, &m_dialog, [this] { update(); });
    }
    QObject::connect(m_sizedForHeating, &QCheckBox::toggled, &m_dialog, [this] { update(); });
    takeAsEdited(m_fields, m_dialog, [this] { update(); });
    addPart(top);
    addPart(groups);

    finish(QStringLiteral("Against the design load"), [this] { return focusFirstRefused(m_fields); });
    m_preview->setWordWrap(true);
    update();
  }

  std::optional<Equipment> exec() {
    return changedOnOk(m_project.Equipment, [this] { return equipment(); });
  }

 private:
  void addRow(QGridLayout* grid, const QString& label, QWidget* field) {
    const int row = grid->rowCount();
    auto* text = new QLabel(label, &m_dialog);
    text->setBuddy(field);
    grid->addWidget(text, row, 0);
    grid->addWidget(field, row, 1);
  }

  void addValue(QGridLayout* grid, EquipmentValue value) {
    const EquipmentValueRange& range = equipmentValueRange(value);
    ValueField& field = m_fields[static_cast<std::size_t>(value)];
    // Read as the notes read a value.
    field.setUp(value, range, inEquipmentRange, m_project.Equipment[value], m_dialog);
    field.edit->setToolTip(QStringLiteral("%1\nAllowed %2%3\nEmpty: not entered")
                               .arg(toQString(range.name), field.rule.allowed,
                                    range.whole ? QStringLiteral(", a whole number") : QString()));
    addRow(grid, labelText(range), field.edit);
    field.take();
  }

  // The equipment as the fields give it; a refused text leaves the value as
  // the project holds it.
  Equipment equipment() const {
    Equipment out = m_project.Equipment;
    out.System = chosen<SystemType>(m_system);
    out.Compressor = chosen<CompressorType>(m_compressor);
    out.FrontDoor = chosen<Facing>(m_frontDoor);
    out.SizedForHeating = m_sizedForHeating->isChecked();
    out.MakeAndModel = m_makeAndModel->text().trimmed().toStdString();
    putTaken(m_fields, out);
    return out;
  }

  void update() {
    m_message->setText(refusalLines(m_fields));

    const Equipment now = equipment();
    const EquipmentFigures figures = equipmentFigures(now, m_load, m_project.integer(1, irow::WinterThermostat),
                                                      m_project.integer(1, irow::WinterDesignTemp));
    const auto btu = [](const Figure& value) {
      return toQString(figureText(value, 0, "not known", Grouping::Thousands));
    };
    QStringList lines;
    // The cooling the equipment is sized for, named where it is not the
    // house as drawn.
    lines << QStringLiteral("Design heating %1 Btu/h; cooling %2 Btu/h, %3 latent%4")
                 .arg(btu(m_load.heating), btu(m_load.coolingTotal), btu(m_load.coolingLatent),
                      m_design.sizingRotation == 0 ? QString()
                                                   : toQString(", for " + sizedForText(m_design)));
    if (figures.heatPump) {
      const HeatPumpFigures& pump = *figures.heatPump;
      lines << QStringLiteral("Heat pump at %1 \u00b0F: %2; balance point %3; backup %4")
                   .arg(pump.designTemperature)
                   .arg(toQString(capacityAtDesignText(pump, " ")), toQString(balancePointText(pump, " ")),
                        toQString(backupAtDesignText(pump, " ")));
    }
    for (const EquipmentCheck& check : figures.checks) {
      QString name = toQString(check.name);
      if (!name.isEmpty()) name[0] = name[0].toUpper();
      lines << QStringLiteral("%1: %2").arg(name, toQString(check.text));
    }
    if (figures.checks.empty() && !figures.heatPump) lines << toQString(kNothingToCheck);
    m_preview->setText(lines.join(QLatin1Char('\n')));
  }

  const ProjectTables& m_project;
  const HouseDesign m_design;
  const DesignLoad m_load;
  std::array<ValueField, kEquipmentValues> m_fields{};
  QComboBox* m_system = nullptr;
  TextField* m_makeAndModel = nullptr;
  QComboBox* m_compressor = nullptr;
  QComboBox* m_frontDoor = nullptr;
  QCheckBox* m_sizedForHeating = nullptr;
};

}  // namespace

std::optional<Equipment> editEquipment(const ProjectTables& project, QWidget* parent) {
  return EquipmentDialog(project, parent).exec();
}

}  // namespace kovrin
