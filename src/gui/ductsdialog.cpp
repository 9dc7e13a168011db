#include "gui/ductsdialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include <array>
#include <cmath>
#include <string_view>

#include "detailed/detailedload.h"
#include "ducts/ductload.h"
#include "gui/valuefield.h"
#include "house/housesummary.h"
#include "toolkit/qt/fieldwidgets.h"
#include "toolkit/qt/textconversion.h"

namespace kovrin {
namespace {

// How a user gets each number, in one line, in the order of DuctNumber.
constexpr std::array<std::string_view, kDuctNumbers> kHowToGet = {{
    "The insulation's printed R; 0 for bare metal. Proposed: R-4.",
    "As the supply's.",
    "Outside the conditioned space; proposed: 27 % of the floor area.",
    "Proposed: 5 % of the floor area for each return.",
    "Return grilles with a duct of their own.",
    "Measured by a duct test at 25 Pa; empty: from the sealing.",
    "As the supply's.",
}};

constexpr std::string_view kNotEntered = "Not entered";

QString oneDecimal(double value) { return QString::number(std::round(value * 10.0) / 10.0, 'f', 1); }

using DuctField = KeyedInput<DuctNumber>;

class DuctsDialog : ValuesDialog {
 public:
  DuctsDialog(const ProjectTables& project, QWidget* parent)
      : ValuesDialog(QStringLiteral("Ducts"),
                     QStringLiteral("Where the ducts run and how tight and well insulated they are: the "
                                    "design load adds what they lose and gain. An empty field is not "
                                    "entered and takes its greyed proposal."),
                     parent),
        m_project(project),
        m_edited(project) {
    auto* grid = new QGridLayout;
    grid->setColumnStretch(2, 1);
    const DuctSystem& ducts = project.Ducts;
    m_supply = choice(grid, QStringLiteral("&Supply ducts run in:"), "supplyLocation", kDuctLocationWordings,
                      ducts.SupplyLocation, ductLocationWording(kProposedDuctLocation).text);
    m_return = choice(grid, QStringLiteral("&Return ducts run in:"), "returnLocation", kDuctLocationWordings,
                      ducts.ReturnLocation, ductLocationWording(kProposedDuctLocation).text);
    for (int i = 0; i < kDuctNumbers; ++i) {
      if (static_cast<DuctNumber>(i) == DuctNumber::SupplyLeakage) {
        m_sealing = choice(grid, QStringLiteral("S&ealing:"), "sealing", kDuctSealingRows, ducts.Sealing,
                           ductSealingRow(kProposedSealing).text);
      }
      addNumber(grid, static_cast<DuctNumber>(i));
    }
    m_heating = choice(grid, QStringLiteral("&Heated by:"), "heating", kDuctHeatingRows, ducts.Heating,
                       ductHeatingRow(proposedDuctHeating(project.Equipment)).text);
    addPart(grid);
    takeAsEdited(m_fields, m_dialog, [this] { update(); });

    QDialogButtonBox* buttons = finish(QStringLiteral("The ducts as the design load takes them"),
                                       [this] { return focusFirstRefused(m_fields); });
    addAction(*buttons, QStringLiteral("&No Ducts"), "clear",
              QStringLiteral("Clears every input: the house has no duct system, and the design load "
                             "takes the pages' duct multipliers"),
              [this] { clear(); });
    update();
  }

  std::optional<DuctSystem> exec() {
    return changedOnOk(m_project.Ducts, [this] { return ducts(); });
  }

 private:
  // A drop-down of `rows`' texts after "Not entered (proposal)".
  template <class Rows, class Value>
  QComboBox* choice(QGridLayout* grid, const QString& label, const char* name, const Rows& rows,
                    const std::optional<Value>& entered, std::string_view proposal) {
    QComboBox* box = choiceList(name, QStringLiteral("%1 (%2)").arg(toQString(kNotEntered), toQString(proposal)), rows,
                                entered, m_dialog);
    auto* caption = new QLabel(label, &m_dialog);
    caption->setBuddy(box);
    const int row = grid->rowCount();
    grid->addWidget(caption, row, 0);
    grid->addWidget(box, row, 1, 1, 2, Qt::AlignLeft);
    QObject::connect(box, &QComboBox::currentIndexChanged, &m_dialog, [this] { update(); });
    return box;
  }

  void addNumber(QGridLayout* grid, DuctNumber number) {
    const DuctNumberRange& range = ductNumberRange(number);
    DuctField& field = m_fields[static_cast<std::size_t>(number)];
    // Read as the notes read a number: plain decimal within range.
    field.setUp(number, range, inDuctRange, m_project.Ducts[number], m_dialog);
    const QString unit = range.unit.empty() ? QString() : QStringLiteral(", %1").arg(toQString(range.unit));
    addFieldRow(*grid, QStringLiteral("%1%2:").arg(toQString(range.name), unit), field.edit,
                toQString(kHowToGet[static_cast<std::size_t>(number)]), m_dialog);
    field.take();
  }

  // The duct system as the fields give it; a refused text leaves the number
  // as the project holds it.
  DuctSystem ducts() const {
    DuctSystem d = m_project.Ducts;
    putTaken(m_fields, d);
    d.SupplyLocation = chosen<DuctLocation>(m_supply);
    d.ReturnLocation = chosen<DuctLocation>(m_return);
    d.Sealing = chosen<DuctSealing>(m_sealing);
    d.Heating = chosen<DuctHeating>(m_heating);
    return d;
  }

  void update() {
    const DuctSystem d = ducts();
    m_edited.Ducts = d;
    const DetailedDesign design = detailedDesign(m_edited);
    const DuctInputs& in = design.ductInputs;
    const auto proposal = [&](DuctNumber number) -> std::optional<double> {
      switch (number) {
        case DuctNumber::SupplyR: return in.supplyR;
        case DuctNumber::ReturnR: return in.returnR;
        case DuctNumber::SupplyArea: return std::round(in.supplyArea * 10.0) / 10.0;
        case DuctNumber::ReturnArea: return std::round(in.returnArea * 10.0) / 10.0;
        case DuctNumber::Returns: return in.returns;
        case DuctNumber::SupplyLeakage: return std::round(in.supplyLeakage * 10.0) / 10.0;
        case DuctNumber::ReturnLeakage: return std::round(in.returnLeakage * 10.0) / 10.0;
      }
      return std::nullopt;
    };
    for (DuctField& field : m_fields) {
      const std::optional<double> value = proposal(field.key);
      field.edit->setPlaceholderText(value ? toQString(enteredText(*value)) : QString());
    }
    m_message->setText(refusalLines(m_fields));

    if (!d.entered()) {
      m_preview->setText(QStringLiteral("No duct system: the design load takes the pages' duct multipliers."));
      return;
    }
    const auto sideLine = [&](const char* name, DuctLocation location, double area, double r, double leakage,
                              bool supply) {
      return QStringLiteral("%1: %2, %3 ft\u00B2, R-%4 (R-%5 with the air films), %6 CFM25 to outside")
          .arg(QString::fromLatin1(name), toQString(ductLocationWording(location).text), oneDecimal(area),
               toQString(enteredText(r)), oneDecimal(ductWallR(r, supply)), oneDecimal(leakage));
    };
    QStringList lines;
    lines << sideLine("Supply", in.supplyLocation, in.supplyArea, in.supplyR, in.supplyLeakage, true)
          << sideLine("Return", in.returnLocation, in.returnArea, in.returnR, in.returnLeakage, false)
          << QStringLiteral("Heated by %1").arg(toQString(ductHeatingRow(in.heating).text));
    const DetailedLoads& house = design.house;
    const auto btu = [](std::int64_t value) { return toQString(figureText(value, 0, Grouping::Thousands)); };
    lines << QStringLiteral("Their load in the design load, the house as drawn: heating %1, sensible %2, "
                            "latent %3 Btu/h")
                 .arg(btu(house.heating[Component::Ducts]), btu(house.coolingSensible[Component::Ducts]),
                      btu(house.coolingLatent[Component::Ducts]));
    m_preview->setText(lines.join(QLatin1Char('\n')));
  }

  void clear() {
    for (DuctField& field : m_fields) {
      field.edit->clear();
      field.take();
    }
    for (QComboBox* box : {m_supply, m_return, m_sealing, m_heating}) box->setCurrentIndex(0);
    update();
  }

  const ProjectTables& m_project;
  // The project with the duct system as the fields give it, for the
  // proposals and the load as the design load would take them.
  ProjectTables m_edited;
  std::array<DuctField, kDuctNumbers> m_fields{};
  QComboBox* m_supply = nullptr;
  QComboBox* m_return = nullptr;
  QComboBox* m_sealing = nullptr;
  QComboBox* m_heating = nullptr;
};

}  // namespace

std::optional<DuctSystem> editDucts(const ProjectTables& project, QWidget* parent) {
  return DuctsDialog(project, parent).exec();
}

}  // namespace kovrin
