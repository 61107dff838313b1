#pragma once

#include <QApplication>
#include <QSettings>
#include <QSize>
#include <QTemporaryDir>
#include <QtTest>

#include "devices/WindowFont.h"
#include "language/Language.h"
#include "offscreen_screen.h"

// Runs the Qt Test class `Test` as every window test runs: the window font,
// a QApplication in the program's Fusion style and in Italian, settings of the run's own
// (never the user's remembered printer or calibration) and, when `screen` is
// given, an offscreen screen of that size and pixel ratio.
template <typename Test>
int RunWindowTest(int argc, char** argv, QSize screen = {}, double pixelRatio = 1) {
  if (!screen.isEmpty()) UseOffscreenScreen(screen.width(), screen.height(), pixelRatio);
  InstallWindowFontSubstitution();
  QApplication app(argc, argv);
  QApplication::setStyle("Fusion");
  UseLanguage(Language::Italian);  // a test that wants English says so
  QTemporaryDir settings;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.filePath("user"));
  QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, settings.filePath("system"));
  Test test;
  return QTest::qExec(&test, argc, argv);
}
