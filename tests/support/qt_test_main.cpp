#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "modaldialog.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // No test reads or writes the user's own settings.
  const QTemporaryDir settings;
  qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
  testing::InitGoogleTest(&argc, argv);
  kovrin::test::failUnansweredModals();
  return RUN_ALL_TESTS();
}
