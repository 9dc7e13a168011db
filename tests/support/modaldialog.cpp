#include "modaldialog.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace kovrin::test {
namespace {

constexpr int kPollMilliseconds = 20;
constexpr int kGiveUpMilliseconds = 10000;
constexpr int kRescueMilliseconds = 3000;

// Closes what is left open, innermost dialog first (a dialog may have
// opened a message box of its own), until the answered dialog is gone.
void rescue(QPointer<QWidget> watched) {
  if (!watched || !watched->isVisible()) return;
  QWidget* innermost = QApplication::activeModalWidget();
  if (innermost == nullptr) innermost = watched;
  if (auto* dialog = qobject_cast<QDialog*>(innermost)) {
    dialog->reject();
  } else {
    innermost->close();
  }
  QTimer::singleShot(kPollMilliseconds, [watched] { rescue(watched); });
}

}  // namespace

void answerNextModal(std::function<void(QWidget* dialog)> answer) {
  auto* timer = new QTimer(QCoreApplication::instance());
  auto* clock = new QElapsedTimer;
  clock->start();
  QObject::connect(timer, &QTimer::timeout, timer, [timer, clock, answer = std::move(answer)] {
    QWidget* modal = QApplication::activeModalWidget();
    const bool giveUp = clock->elapsed() > kGiveUpMilliseconds;
    if ((modal == nullptr || !modal->isVisible()) && !giveUp) return;
    timer->stop();
    timer->deleteLater();
    delete clock;
    if (modal == nullptr) return;
    QPointer<QWidget> watched(modal);
    answer(modal);
    QTimer::singleShot(kRescueMilliseconds, [watched] { rescue(watched); });
  });
  timer->start(kPollMilliseconds);
}

void settle(int milliseconds) { QTest::qWait(milliseconds); }

}  // namespace kovrin::test
