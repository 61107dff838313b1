#pragma once

#include "shell/Form1.h"
#include "shell/Form2.h"

// The application's look, name and icon, and Qt's own dialogs in Italian.
// Call once, after the QApplication is made.
void ConfigureApplication();

// The program's two windows, wired one way: each drawing button of the main
// window runs its procedure on the main window and the drawing window.
class MainWindows {
 public:
  // The main window comes back with the last project remembered.
  MainWindows();
  // Shows the main window, says once if the window font is missing, and
  // starts loading the town list while the user reads the window.
  void Show();

  Form2Slot form2;
  Form1 form1;

 private:
  std::unique_ptr<QSettings> settings_;
  ProjectMemory memory_;
};
