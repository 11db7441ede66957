// The GUI tests run the real window on the offscreen platform unless a
// display platform is asked for explicitly.
#include <gtest/gtest.h>

#include <QApplication>

#include "desktop/application_setup.h"

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  desktop::ConfigureApplication();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
