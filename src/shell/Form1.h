#pragma once

#include <QWidget>
#include <functional>

#include "pieces/DrawingTarget.h"
#include "project/InputPanel.h"
#include "project/ProjectMemory.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QAction;
class QMenu;
class QPushButton;
class QRadioButton;
class QToolButton;

// The main window: the site's latitude and longitude offset, the hour system,
// the date spacing, six drawing buttons and "Esci"; the site finder, the
// booklet and the project files beside them. What it shows is the project
// the drawings take; the memory only keeps a copy for the next run.
class Form1 final : public QWidget, public InputPanel {
  Q_OBJECT

 public:
  explicit Form1(QWidget *parent = nullptr);

  // What a drawing button does with its procedure: the program runs it on
  // this window and the drawing window. Plate C has two procedures, one per
  // hour system; "Grafico C" picks one by the option buttons.
  using Runner = std::function<void(Procedure)>;
  void SetRunner(Runner run) { run_ = std::move(run); }

  QString Text1() const override;
  QString Text4() const override;
  bool Option5() const override;
  bool Option6() const override;
  void SetText1(const QString &text) override;
  void SetText4(const QString &text) override;
  void FocusText1() override;
  void ShowRefusal(const QString &reason) override;
  // The boxes and options, and the town, zone and year of the site finder or
  // the project file while the boxes still hold what they wrote.
  Project Chosen() const override;

  // The controls keep their window names.
  QLineEdit *Text1Box, *Text4Box;
  QLabel *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Picture1;
  QGroupBox *Frame1, *Frame3;
  QRadioButton *Option1Button, *Option2Button, *Option5Button, *Option6Button;
  QPushButton *Command1, *Command2, *Command3, *Command4, *Command5, *Command6, *Command7;
  QToolButton *LocationButton;  // opens the site finder; its menu: recent sites, projects
  QLabel *TownLabel;            // the town the boxes hold, under them
  QPushButton *BookletButton;   // "Fascicolo...": saves the booklet for the inputs

  // "Località": on OK writes the site's latitude and offset into the boxes.
  void FindLocation();
  // "Fascicolo...": the inputs checked as for all six sheets, then the
  // booklet saved where the file dialog says.
  void SaveBooklet();

  // Where the window remembers the last project and the recent sites; it
  // comes back with the last one at once.
  void SetMemory(ProjectMemory *memory);
  // Remembers a project the checks accepted: the last one, its site the newest.
  void Remember(const CheckedProject &project);
  // Puts `project` into the boxes and options, the site's town, zone and the
  // year with it.
  void Apply(const Project &project);
  // "Apri progetto..." with a file dialog, or the file `path`: a file that
  // is no project, or values the checks refuse, change nothing.
  void OpenProject();
  bool OpenProjectFile(const QString &path);
  // "Salva progetto...": checked as for all six sheets, then written.
  void SaveProject();
  QAction *openAction, *saveAction;
  QMenu *siteMenu;  // the site finder's button's menu

 protected:
  void changeEvent(QEvent *event) override;

 private:
  // Every word the window shows, in the language in use.
  void SetTexts();
  void Command1Click();  // "Grafico C"
  void Run(Procedure procedure);
  void MakeSideButtons();
  // What the window holds, checked as for all six sheets; a refusal as a
  // drawing button gives it.
  std::optional<CheckedProject> CheckedForEverySheet();
  void ShowSite();
  void FillSiteMenu();
  // "Lingua": the program's language, chosen and remembered.
  void AddLanguageMenu();

  Runner run_;
  ProjectSite found_;  // what the site finder or a project wrote into the boxes
  int year_ = 0;       // the booklet's, from a project
  QJsonObject later_;  // a project file's keys this version does not know
  ProjectMemory *memory_ = nullptr;
};
