#pragma once

#include <QApplication>
#include <QSize>
#include <QtTest>

#include "devices/WindowFont.h"
#include "offscreen_screen.h"

// Runs the Qt Test class `Test` as every window test runs: the window font,
// a QApplication in the program's Fusion style and, when `screen` is given,
// an offscreen screen of that size and pixel ratio.
template <typename Test>
int RunWindowTest(int argc, char** argv, QSize screen = {}, double pixelRatio = 1) {
  if (!screen.isEmpty()) UseOffscreenScreen(screen.width(), screen.height(), pixelRatio);
  InstallWindowFontSubstitution();
  QApplication app(argc, argv);
  QApplication::setStyle("Fusion");
  Test test;
  return QTest::qExec(&test, argc, argv);
}
