#pragma once

#include <QWidget>
#include <functional>

#include "Preamble.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The drawing procedures behind the six drawing buttons. Plate C has two, one
// per hour system; the "Grafico C" button picks one by the option buttons.
struct DrawingProcedures {
  std::function<void()> plateA;
  std::function<void()> plateB;
  std::function<void()> plateCAstronomical;
  std::function<void()> plateCTemporary;
  std::function<void()> plateD;
  std::function<void()> base;
  std::function<void()> instructions;
};

// The main window: the site's latitude and longitude offset, the hour system,
// the date spacing, six drawing buttons and "Esci". It owns the inputs;
// nothing else stores them.
class Form1 final : public QWidget, public InputPanel {
  Q_OBJECT

 public:
  explicit Form1(QWidget* parent = nullptr);

  void SetProcedures(DrawingProcedures procedures) { procedures_ = std::move(procedures); }

  QString Text1() const override;
  QString Text4() const override;
  bool Option5() const override;
  bool Option6() const override;
  void SetText1(const QString& text) override;
  void SetText4(const QString& text) override;
  void FocusText1() override;
  void ShowRefusal() override;

  // The controls keep their window names.
  QLineEdit *Text1Box, *Text4Box;
  QLabel *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Picture1;
  QGroupBox *Frame1, *Frame3;
  QRadioButton *Option1Button, *Option2Button, *Option5Button, *Option6Button;
  QPushButton *Command1, *Command2, *Command3, *Command4, *Command5, *Command6, *Command7;

 private:
  void Command1Click();  // "Grafico C"
  static void Run(const std::function<void()>& procedure);

  DrawingProcedures procedures_;
};
