#include "gui/equipmentdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <array>
#include <cmath>
#include <string_view>

#include "equipment/equipmentfigures.h"
#include "gui/valuefield.h"
#include "house/housedesign.h"
#include "projectfile/equipmentnotes.h"
#include "toolkit/qt/fieldwidgets.h"
#include "toolkit/qt/textconversion.h"

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

QString rangeText(const EquipmentValueRange& range) {
  return QStringLiteral("%1 to %2").arg(toQString(enteredText(range.minimum)), toQString(enteredText(range.maximum)));
}

QString labelText(const EquipmentValueRange& range) {
  return range.unit.empty() ? QStringLiteral("%1:").arg(toQString(range.name))
                            : QStringLiteral("%1, %2:").arg(toQString(range.name), toQString(range.unit));
}

struct ValueField {
  EquipmentValue value{};
  QLineEdit* edit = nullptr;
  std::optional<double> taken;
  QString refusal;
};

// A drop-down of a choice's words, "not entered" first.
template <class Choice, std::size_t N>
QComboBox* choiceBox(const std::array<ChoiceWording<Choice>, N>& table, const std::optional<Choice>& current,
                     const char* name, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->addItem(QStringLiteral("not entered"));
  for (const ChoiceWording<Choice>& wording : table) box->addItem(toQString(wording.text));
  box->setCurrentIndex(current ? static_cast<int>(*current) + 1 : 0);
  return box;
}

template <class Choice>
std::optional<Choice> chosen(const QComboBox* box) {
  if (box->currentIndex() <= 0) return std::nullopt;
  return static_cast<Choice>(box->currentIndex() - 1);
}

class EquipmentDialog {
 public:
  EquipmentDialog(const ProjectTables& project, QWidget* parent)
      : m_project(project),
        m_load(designHouse(project).load),
        m_dialog(parent),
        m_preview(new QLabel(&m_dialog)),
        m_message(new QLabel(&m_dialog)) {
    m_dialog.setWindowTitle(QStringLiteral("House Equipment"));
    const Equipment& equipment = project.Equipment;
    auto* intro = new QLabel(QStringLiteral("The equipment chosen for the house, from the maker's data at the design "
                                            "conditions. An empty field is not entered."),
                             &m_dialog);
    intro->setWordWrap(true);

    auto* top = new QGridLayout;
    m_system = choiceBox(kSystemTypeWordings, equipment.System, "system", &m_dialog);
    // The field takes no character that the notes would refuse to read back.
    m_makeAndModel = new TextField(static_cast<int>(kMakeAndModelCharacters), QStringLiteral("Make and model"),
                                   &m_dialog);
    m_makeAndModel->setText(toQString(equipment.MakeAndModel));
    m_makeAndModel->setObjectName(QStringLiteral("makeAndModel"));
    m_compressor = choiceBox(kCompressorWordings, equipment.Compressor, "compressor", &m_dialog);
    m_frontDoor = choiceBox(kFacingWordings, equipment.FrontDoor, "frontDoor", &m_dialog);
    m_sizedForHeating = new QCheckBox(QStringLiteral("Heat pump sized for &heating (a heating-dominated climate)"),
                                      &m_dialog);
    m_sizedForHeating->setObjectName(QStringLiteral("sizedForHeating"));
    m_sizedForHeating->setToolTip(QStringLiteral("Its cooling may then exceed the band, up to the design cooling "
                                                 "load + 15,000 Btu/h"));
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
      if (&group == &kGroups.back()) addRow(grid, QStringLiteral("&Front door faces:"), m_frontDoor);
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

    setUpRefusalLine(*m_message);
    QGroupBox* preview = previewGroup(QStringLiteral("Against the design load"), *m_preview, m_dialog);
    m_preview->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &m_dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &m_dialog, [this] { accept(); });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &m_dialog, &QDialog::reject);

    auto* layout = new QVBoxLayout(&m_dialog);
    layout->addWidget(intro);
    layout->addLayout(top);
    layout->addLayout(groups);
    layout->addWidget(m_message);
    layout->addWidget(preview);
    layout->addWidget(buttons);
    update();
  }

  std::optional<Equipment> exec() {
    if (m_dialog.exec() != QDialog::Accepted) return std::nullopt;
    const Equipment edited = equipment();
    if (edited == m_project.Equipment) return std::nullopt;
    return edited;
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
    field.value = value;
    field.edit = new QLineEdit(&m_dialog);
    field.edit->setObjectName(toQString(range.jsonKey));
    field.edit->setAlignment(Qt::AlignRight);
    field.edit->setMaximumWidth(field.edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 12);
    field.edit->setToolTip(QStringLiteral("%1\nAllowed %2%3\nEmpty: not entered")
                               .arg(toQString(range.name), rangeText(range),
                                    range.whole ? QStringLiteral(", a whole number") : QString()));
    if (const std::optional<double>& entered = m_project.Equipment[value]) {
      field.edit->setText(toQString(enteredText(*entered)));
    }
    addRow(grid, labelText(range), field.edit);
    QObject::connect(field.edit, &QLineEdit::textEdited, &m_dialog, [this, &field] {
      take(field);
      update();
    });
    take(field);
  }

  // Reads the field's text as the notes read a value.
  static void take(ValueField& field) {
    const EquipmentValueRange& range = equipmentValueRange(field.value);
    const QString text = field.edit->text().trimmed();
    const EquipmentValue value = field.value;
    FieldNumber read = readFieldNumber(
        text, QStringLiteral("\"%1\"").arg(text),
        {toQString(range.name), range.minimum, range.maximum, rangeText(range),
         [value](double number) { return inEquipmentRange(value, number); }});
    field.taken = read.taken;
    field.refusal = std::move(read.refusal);
    markRefusal(*field.edit, field.refusal);
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
    for (const ValueField& field : m_fields) {
      if (field.edit && field.refusal.isEmpty()) out[field.value] = field.taken;
    }
    return out;
  }

  void update() {
    QStringList refusals;
    for (const ValueField& field : m_fields) {
      if (!field.refusal.isEmpty()) refusals << field.refusal;
    }
    m_message->setText(refusals.join(QLatin1Char('\n')));

    const Equipment now = equipment();
    const EquipmentFigures figures = equipmentFigures(now, m_load, m_project.integer(1, irow::WinterThermostat),
                                                      m_project.integer(1, irow::WinterDesignTemp));
    const auto btu = [](const Figure& value) {
      return toQString(figureText(value, 0, "not known", Grouping::Thousands));
    };
    QStringList lines;
    lines << QStringLiteral("Design heating %1 Btu/h; cooling %2 Btu/h, %3 latent")
                 .arg(btu(m_load.heating), btu(m_load.coolingTotal), btu(m_load.coolingLatent));
    if (figures.heatPump) {
      const HeatPumpFigures& pump = *figures.heatPump;
      lines << QStringLiteral("Heat pump at %1 \u00b0F: %2 Btu/h; balance point %3; backup %4 Btu/h, %5 kW")
                   .arg(pump.designTemperature)
                   .arg(btu(pump.capacityAtDesign),
                        pump.balancePointTenths
                            ? toQString(figureText(*pump.balancePointTenths, kTemperatureDecimals)) +
                                  QStringLiteral(" \u00b0F")
                            : QStringLiteral("none"),
                        btu(pump.backupAtDesign),
                        toQString(figureText(pump.backupKwTenths, kKwDecimals, "not known")));
    }
    for (const EquipmentCheck& check : figures.checks) {
      QString name = toQString(check.name);
      if (!name.isEmpty()) name[0] = name[0].toUpper();
      lines << QStringLiteral("%1: %2").arg(name, toQString(check.text));
    }
    if (figures.checks.empty() && !figures.heatPump) lines << QStringLiteral("Nothing to check yet.");
    m_preview->setText(lines.join(QLatin1Char('\n')));
  }

  void accept() {
    if (!focusFirstRefused(m_fields)) m_dialog.accept();
  }

  const ProjectTables& m_project;
  const DesignLoad m_load;
  QDialog m_dialog;
  std::array<ValueField, kEquipmentValues> m_fields{};
  QComboBox* m_system = nullptr;
  TextField* m_makeAndModel = nullptr;
  QComboBox* m_compressor = nullptr;
  QComboBox* m_frontDoor = nullptr;
  QCheckBox* m_sizedForHeating = nullptr;
  QLabel* m_preview;
  QLabel* m_message;
};

}  // namespace

std::optional<Equipment> editEquipment(const ProjectTables& project, QWidget* parent) {
  return EquipmentDialog(project, parent).exec();
}

}  // namespace kovrin
