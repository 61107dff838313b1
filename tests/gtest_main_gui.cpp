#include <gtest/gtest.h>

#include <QGuiApplication>

#include "devices/WindowFont.h"
#include "language/Language.h"

// Test discovery runs the binary outside ctest's environment: default to the
// offscreen platform so that no display is needed.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  InstallWindowFontSubstitution();
  QGuiApplication app(argc, argv);
  UseLanguage(Language::Italian);  // a test that wants English says so
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
