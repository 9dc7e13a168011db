#include "toolkit/qt/mainwindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QStatusBar>

#include <algorithm>

namespace kovrin {
namespace {

constexpr int kFullWidth = 10000;

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {}

void MainWindow::setStatusParts(std::span<const int> widths) {
  QStatusBar* bar = statusBar();
  bar->setSizeGripEnabled(false);
  for (QLabel* part : m_parts) delete part;
  m_parts.clear();
  delete m_filler;
  m_filler = nullptr;

  // The parts share the bar in proportion to their widths; what they leave
  // of the full width stays empty at the right.
  int used = 0;
  for (const int width : widths) {
    const int share = std::clamp(width, 0, kFullWidth - used);
    used += share;
    auto* part = new QLabel(bar);
    part->setObjectName(QStringLiteral("statusPart%1").arg(m_parts.size() + 1));
    part->setTextFormat(Qt::PlainText);
    part->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    part->setMinimumWidth(0);
    bar->addWidget(part, share);
    m_parts.push_back(part);
  }
  if (used < kFullWidth && !m_parts.empty()) {
    m_filler = new QWidget(bar);
    m_filler->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    bar->addWidget(m_filler, kFullWidth - used);
  }
}

bool MainWindow::setStatusText(int part, const QString& text) {
  // A bar that was never divided is one part.
  if (m_parts.empty()) {
    const int whole[] = {kFullWidth};
    setStatusParts(whole);
  }
  if (part < 1 || part > statusParts()) return false;

  QString shown = text;
  while (shown.endsWith(QLatin1Char(' '))) shown.chop(1);
  Qt::Alignment alignment = Qt::AlignLeft;
  if (shown.startsWith(QLatin1String("\t\t"))) {
    alignment = Qt::AlignRight;
    shown.remove(0, 2);
  } else if (shown.startsWith(QLatin1Char('\t'))) {
    alignment = Qt::AlignHCenter;
    shown.remove(0, 1);
  }
  shown.replace(QLatin1Char('\t'), QLatin1Char(' '));
  QLabel* label = m_parts[static_cast<std::size_t>(part - 1)];
  label->setAlignment(alignment | Qt::AlignVCenter);
  label->setText(shown);
  return true;
}

QString MainWindow::statusText(int part) const {
  if (part < 1 || part > statusParts()) return {};
  return m_parts[static_cast<std::size_t>(part - 1)]->text();
}

void MainWindow::closeForGood() {
  m_closing = true;
  close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (m_closing) {
    event->accept();
    return;
  }
  event->ignore();
  if (onCloseRequest) onCloseRequest();
}

}  // namespace kovrin
