#include "modaldialog.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

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
    // Keys reach a dialog's shortcuts and access letters only once its
    // window is active, which a loaded machine may take a moment to make it.
    static_cast<void>(QTest::qWaitForWindowActive(modal, kRescueMilliseconds));
    if (!watched) return;
    answer(modal);
    QTimer::singleShot(kRescueMilliseconds, [watched] { rescue(watched); });
  });
  timer->start(kPollMilliseconds);
}

void failUnansweredModals() {
  constexpr int kUnansweredMilliseconds = 8000;
  auto* timer = new QTimer(QCoreApplication::instance());
  auto* since = new QElapsedTimer;
  auto* watched = new QPointer<QWidget>;
  QObject::connect(timer, &QTimer::destroyed, [since, watched] {
    delete since;
    delete watched;
  });
  QObject::connect(timer, &QTimer::timeout, timer, [since, watched] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) {
      *watched = nullptr;
      return;
    }
    if (modal != watched->data()) {
      *watched = modal;
      since->start();
      return;
    }
    if (since->elapsed() < kUnansweredMilliseconds) return;
    ADD_FAILURE() << "a dialog nobody answered: \"" << modal->windowTitle().toStdString() << "\"";
    *watched = nullptr;
    rescue(modal);
  });
  timer->start(kPollMilliseconds * 10);
}

void settle(int milliseconds) { QTest::qWait(milliseconds); }

}  // namespace kovrin::test
