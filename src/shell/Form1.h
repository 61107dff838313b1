#pragma once

#include <QWidget>
#include <functional>

#include "drawing/DrawingTarget.h"
#include "drawing/InputPanel.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The main window: the site's latitude and longitude offset, the hour system,
// the date spacing, six drawing buttons and "Esci". It owns the inputs;
// nothing else stores them.
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

  // The controls keep their window names.
  QLineEdit *Text1Box, *Text4Box;
  QLabel *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Picture1;
  QGroupBox *Frame1, *Frame3;
  QRadioButton *Option1Button, *Option2Button, *Option5Button, *Option6Button;
  QPushButton *Command1, *Command2, *Command3, *Command4, *Command5, *Command6, *Command7;
  QPushButton *LocationButton;  // opens the site finder
  QPushButton *BookletButton;   // "Fascicolo...": saves the booklet for the inputs

  // "Località": on OK writes the site's latitude and offset into the boxes.
  void FindLocation();
  // The zone of the site the finder wrote, while the boxes still hold what
  // it wrote; else empty.
  QString SiteZone() const;
  // "Fascicolo...": the inputs checked as for all six sheets, then the
  // booklet saved where the file dialog says.
  void SaveBooklet();

 private:
  void Command1Click();  // "Grafico C"
  void Run(Procedure procedure);

  Runner run_;
  QString foundZone_, foundName_, foundText1_, foundText4_;
};
