#include <QApplication>
#include <gtest/gtest.h>

#include "modaldialog.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  kovrin::test::failUnansweredModals();
  return RUN_ALL_TESTS();
}
