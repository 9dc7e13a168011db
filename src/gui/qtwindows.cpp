#include "gui/qtwindows.h"

#include <QFile>
#include <QKeySequence>
#include <QMainWindow>
#include <QShortcut>

#include <string>

#include "gui/detailsdialog.h"
#include "gui/housereportpdf.h"
#include "gui/houseview.h"
#include "model/programnames.h"
#include "toolkit/qt/qttoolkit.h"
#include "toolkit/qt/textconversion.h"

namespace kovrin {

QtWindows::QtWindows(QtToolkit& toolkit) : m_toolkit(toolkit) {}

QtWindows::~QtWindows() { delete m_house.data(); }

void QtWindows::openHouseView() {
  // Made when first asked for, so that start-up does not pay for it.
  if (!m_house) {
    auto* view = new HouseView;
    view->setWindowTitle(toQString(std::string(kProgramTitle) + ": House Loads"));
    view->resize(860, 760);
    QObject::connect(view, &HouseView::zoneChosen, view,
                     [this](int zone) { m_toolkit.post(kZoneChosen, MessageRecord{zone, 0}); });
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), view);
    QObject::connect(close, &QShortcut::activated, view, &QWidget::close);
    m_house = view;
  }
  m_house->show();
  m_house->raise();
  m_house->activateWindow();
}

bool QtWindows::houseViewIsOpen() const { return m_house && m_house->isVisible(); }

void QtWindows::showHouse(const HouseSummary& summary, std::string_view chartSvg) {
  if (m_house) m_house->setSummary(summary, chartSvg);
}

bool QtWindows::editJobDetails(JobDetails& details) { return kovrin::editJobDetails(details, m_toolkit.mainWindow()); }

FileResult QtWindows::exportReport(const HouseReport& report, std::string_view path) {
  return exportHouseReportPdf(report, QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size()))));
}

HouseView* QtWindows::houseView() const { return m_house.data(); }

}  // namespace kovrin
