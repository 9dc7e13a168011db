#include "gui/qtwindows.h"

#include <QEvent>
#include <QFile>
#include <QKeySequence>
#include <QMainWindow>
#include <QScreen>
#include <QShortcut>

#include <algorithm>
#include <string>
#include <utility>

#include "gui/airandpeopledialog.h"
#include "gui/equipmentdialog.h"
#include "gui/detailsdialog.h"
#include "gui/ductsdialog.h"
#include "gui/housereportpdf.h"
#include "gui/houseview.h"
#include "gui/windowplacement.h"
#include "gui/zonedetailsdialog.h"
#include "model/programnames.h"
#include "toolkit/qt/qttoolkit.h"
#include "toolkit/qt/textconversion.h"

namespace kovrin {

namespace {

// The house view beside the main window (gui/windowplacement.h). Until the
// view is shown its frame is unknown: it is taken to be the main window's.
void placeBeside(QWidget& view, QWidget& main) {
  const QRect frame = main.frameGeometry();
  const QRect inner = main.geometry();
  const QMargins decoration(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                            frame.bottom() - inner.bottom());
  const Placement placed = kovrin::placeBeside(view.sizeHint(), view.minimumSizeHint(), frame, decoration,
                                               main.screen()->availableGeometry());
  if (placed.mainTopLeft != frame.topLeft()) main.move(placed.mainTopLeft);
  view.resize(placed.view.size());
  view.move(placed.view.topLeft());
}

// The house view's mark of unsaved changes follows the main window's.
class ModifiedMirror : public QObject {
 public:
  ModifiedMirror(QWidget& main, QWidget& view) : QObject(&view), m_main(main), m_view(view) {
    m_view.setWindowModified(m_main.isWindowModified());
    main.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &m_main && event->type() == QEvent::ModifiedChange) {
      m_view.setWindowModified(m_main.isWindowModified());
    }
    return false;
  }

 private:
  QWidget& m_main;
  QWidget& m_view;
};

}  // namespace

QtWindows::QtWindows(QtToolkit& toolkit) : m_toolkit(toolkit) {}

QtWindows::~QtWindows() { delete m_house.data(); }

void QtWindows::openHouseView() {
  // Made when first asked for, so that start-up does not pay for it.
  if (!m_house) {
    auto* view = new HouseView;
    view->setWindowTitle(toQString(std::string(kProgramTitle) + ": House Loads"));
    if (QMainWindow* main = m_toolkit.mainWindow()) {
      placeBeside(*view, *main);
      new ModifiedMirror(*main, *view);
    } else {
      view->resize(view->sizeHint());
    }
    QObject::connect(view, &HouseView::zoneChosen, view,
                     [this](int zone) { m_toolkit.post(kZoneChosen, MessageRecord{zone, 0}); });
    QObject::connect(view, &HouseView::airAndPeopleWanted, view,
                     [this] { m_toolkit.post(kAirAndPeopleWanted, MessageRecord{0, 0}); });
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), view);
    QObject::connect(close, &QShortcut::activated, view, &QWidget::close);
    m_house = view;
    m_placeOnceFilled = true;
  }
  m_house->show();
  m_house->raise();
  m_house->activateWindow();
}

bool QtWindows::houseViewIsOpen() const { return m_house && m_house->isVisible(); }

void QtWindows::showHouse(const HouseSummary& summary, const HouseDesign& design, std::string_view chartSvg,
                          std::string_view project) {
  if (!m_house) return;
  // The title names the project, with the main window's mark of unsaved
  // changes, and, where the job has one, the client (the first line of it).
  QString title = toQString(std::string(kProgramTitle) + ": House Loads \u2013 ") +
                  titleTextAsIs(toQString(project)) + QStringLiteral("[*]");
  const std::string& client = summary.job.Client;
  if (!client.empty()) title += ", " + titleTextAsIs(toQString(client.substr(0, client.find_first_of("\r\n"))));
  m_house->setWindowTitle(title);
  m_house->setSummary(summary, design, chartSvg);
  if (std::exchange(m_placeOnceFilled, false)) {
    if (QMainWindow* main = m_toolkit.mainWindow()) placeBeside(*m_house, *main);
  }
}

void QtWindows::showBalanceChart(std::string_view svg) {
  if (m_house) m_house->setBalanceChart(svg);
}

bool QtWindows::editJobDetails(JobDetails& details) { return kovrin::editJobDetails(details, m_toolkit.mainWindow()); }

std::optional<HouseEntries> QtWindows::editAirAndPeople(const ProjectTables& project) {
  return kovrin::editAirAndPeople(project, m_toolkit.mainWindow());
}

std::optional<ZoneDetails> QtWindows::editZoneDetails(const ProjectTables& project, int zone) {
  return kovrin::editZoneDetails(project, zone, m_toolkit.mainWindow());
}

std::optional<Equipment> QtWindows::editEquipment(const ProjectTables& project) {
  return kovrin::editEquipment(project, m_toolkit.mainWindow());
}

std::optional<DuctSystem> QtWindows::editDucts(const ProjectTables& project) {
  return kovrin::editDucts(project, m_toolkit.mainWindow());
}

FileResult QtWindows::exportReport(const HouseReport& report, const HouseFigures& figures, std::string_view path) {
  return exportHouseReportPdf(report, figures,
                              QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size()))));
}

HouseView* QtWindows::houseView() const { return m_house.data(); }

}  // namespace kovrin
