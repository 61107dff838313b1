#include "shell/Form1.h"

#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QRadioButton>
#include <QStyle>
#include <algorithm>
#include <limits>

#include "devices/DrawingFile.h"
#include "project/Preamble.h"
#include "pieces/Pieces.h"
#include "devices/WindowFont.h"
#include "pieces/GRAPH1.h"
#include "devices/Emblem.h"
#include "shell/BookletIcon.h"
#include "shell/BookletSaving.h"
#include "shell/LocationDialog.h"
#include "shell/PlaceIcon.h"

namespace {

// The layout is given in twips, at 15 twips per device-independent pixel.
QRect Twips(int left, int top, int width, int height) {
  return {left / 15, top / 15, width / 15, height / 15};
}

QLabel* MakeLabel(QWidget* parent, QRect geometry) {
  auto* label = new QLabel(parent);
  label->setGeometry(geometry);
  label->setAlignment(Qt::AlignCenter);
  label->setWordWrap(true);
  return label;
}

QPushButton* MakeButton(QWidget* parent, QRect geometry) {
  auto* button = new QPushButton(parent);
  button->setGeometry(geometry);
  button->setAutoDefault(false);
  return button;
}

QRadioButton* MakeOption(QGroupBox* frame, QRect geometry) {
  auto* option = new QRadioButton(frame);
  option->setGeometry(geometry);
  option->setProperty("drawn", geometry);
  return option;
}

QLineEdit* MakeTextBox(QWidget* parent, const QString& text, QRect geometry) {
  auto* box = new QLineEdit(text, parent);
  box->setGeometry(geometry);
  box->setMaxLength(std::numeric_limits<int>::max());  // any text: the checks answer bad input
  QPalette palette = box->palette();
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::Text, Qt::black);
  box->setPalette(palette);
  return box;
}

// A caption longer than the place the window was drawn with widens its
// option, which pushes the next one to the right, and the frame grows with
// them; nothing is ever smaller or further left than drawn.
void FitOptions(QGroupBox* frame, std::initializer_list<QRadioButton*> options) {
  int end = 0;
  for (QRadioButton* option : options) {
    const QRect drawn = option->property("drawn").toRect();
    const int x = std::max(drawn.x(), end + 7);
    const int width = std::max(drawn.width(), option->sizeHint().width());
    option->setGeometry(x, drawn.y(), width, drawn.height());
    end = x + width;
  }
  const QRect drawn = frame->property("drawn").toRect();
  frame->resize(std::max(drawn.width(), end + 8), drawn.height());
}

QGroupBox* MakeFrame(QWidget* parent, QRect geometry) {
  auto* frame = new QGroupBox(parent);
  frame->setGeometry(geometry);
  frame->setProperty("drawn", geometry);
  frame->setFocusPolicy(Qt::NoFocus);
  return frame;
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
  setFixedSize(8655 / 15, 3645 / 15);
  setFont(WindowFont());
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, QColor(192, 255, 255));
  palette.setColor(QPalette::WindowText, Qt::black);
  setPalette(palette);
  setAutoFillBackground(true);

  Label5 = MakeLabel(this, Twips(600, 240, 4935, 255));
  Text1Box = MakeTextBox(this, QString(), Twips(5640, 240, 2295, 285));
  Label2 = MakeLabel(this, Twips(600, 480, 4935, 255));
  Label7 = MakeLabel(this, Twips(600, 840, 4935, 255));
  Text4Box = MakeTextBox(this, QStringLiteral(" "), Twips(5640, 840, 2295, 285));
  Label6 = MakeLabel(this, Twips(600, 1080, 4935, 255));
  Label3 = MakeLabel(this, Twips(600, 1320, 4935, 255));
  Label9 = MakeLabel(this, Twips(6120, 1440, 1455, 615));
  Label9->setFrameShape(QFrame::Box);

  Frame1 = MakeFrame(this, Twips(600, 1560, 4815, 375));
  Option1Button = MakeOption(Frame1, Twips(240, 120, 2295, 195));
  Option2Button = MakeOption(Frame1, Twips(2640, 120, 2055, 195));
  Frame3 = MakeFrame(this, Twips(1680, 1920, 2415, 375));
  Option6Button = MakeOption(Frame3, Twips(240, 120, 855, 195));
  Option5Button = MakeOption(Frame3, Twips(1200, 120, 1095, 195));
  Option1Button->setChecked(true);
  Option6Button->setChecked(true);

  Command4 = MakeButton(this, Twips(240, 2400, 975, 375));
  Command3 = MakeButton(this, Twips(1680, 2400, 975, 375));
  Command1 = MakeButton(this, Twips(3120, 2400, 975, 375));
  Command5 = MakeButton(this, Twips(4560, 2400, 975, 375));
  Command6 = MakeButton(this, Twips(6000, 2400, 975, 375));
  Command7 = MakeButton(this, Twips(7440, 2400, 975, 375));
  Label4 = MakeLabel(this, Twips(720, 3000, 5295, 255));
  Command2 = MakeButton(this, Twips(6720, 3000, 975, 375));
  Label8 = MakeLabel(this, Twips(720, 3240, 5295, 255));

  // The box reaches below the client area: the emblem fits its visible part.
  Picture1 = new QLabel(this);
  Picture1->setGeometry(Twips(8040, 3240, 615, 495));
  Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Picture1->setPixmap(QPixmap::fromImage(EmblemImage(height() - Picture1->y())));

  MakeSideButtons();
  SetTexts();

  // Keyboard order: the two boxes, the buttons, then the option groups.
  const QList<QWidget*> tabOrder = {Text1Box,      Text4Box,      LocationButton, BookletButton,
                                    Command4,      Command3,      Command1,       Command5,
                                    Command6,      Command7,      Command2,       Option1Button,
                                    Option2Button, Option5Button, Option6Button};
  for (qsizetype k = 0; k + 1 < tabOrder.size(); ++k) setTabOrder(tabOrder[k], tabOrder[k + 1]);
  Text1Box->setFocus();

  const std::pair<QPushButton*, Procedure> pieceButtons[] = {{Command4, GRAPH1::DrawPlateA},
                                                             {Command3, GRAPH1::DrawPlateB},
                                                             {Command5, GRAPH1::DrawPlateD},
                                                             {Command6, GRAPH1::DrawBase},
                                                             {Command7, GRAPH1::DrawInstructions}};
  for (const auto& [button, procedure] : pieceButtons)
    connect(button, &QPushButton::clicked, this, [this, procedure = procedure] { Run(procedure); });
  connect(Command1, &QPushButton::clicked, this, [this] { Command1Click(); });
  connect(Command2, &QPushButton::clicked, this, &QWidget::close);
}

void Form1::MakeSideButtons() {
  // The site finder, in the free strip right of the two boxes; its arrow
  // opens the recent sites and the project files.
  LocationButton = new QToolButton(this);
  LocationButton->setGeometry(538, 27, 34, 34);
  LocationButton->setIcon(PlaceIcon());
  LocationButton->setIconSize(QSize(20, 20));
  LocationButton->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
  LocationButton->setPopupMode(QToolButton::MenuButtonPopup);
  siteMenu = new QMenu(LocationButton);
  LocationButton->setMenu(siteMenu);
  connect(LocationButton, &QToolButton::clicked, this, &Form1::FindLocation);
  connect(siteMenu, &QMenu::aboutToShow, this, &Form1::FillSiteMenu);
  openAction = new QAction(this);
  openAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  connect(openAction, &QAction::triggered, this, &Form1::OpenProject);
  saveAction = new QAction(this);
  saveAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  connect(saveAction, &QAction::triggered, this, &Form1::SaveProject);
  addActions({openAction, saveAction});

  // The town the boxes hold, in the free room under them.
  TownLabel = new QLabel(this);
  TownLabel->setGeometry(Text4Box->x(), Text4Box->geometry().bottom() + 1, Text4Box->width(), 18);
  TownLabel->setAlignment(Qt::AlignCenter);

  // The booklet, in the free strip below the site finder.
  BookletButton = new QPushButton(this);
  BookletButton->setGeometry(538, 96, 34, 34);
  BookletButton->setIcon(BookletIcon());
  BookletButton->setIconSize(QSize(22, 22));
  BookletButton->setAutoDefault(false);
  BookletButton->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
  connect(BookletButton, &QPushButton::clicked, this, &Form1::SaveBooklet);
  // The town's name goes as soon as the boxes hold another site.
  for (QLineEdit* box : {Text1Box, Text4Box})
    connect(box, &QLineEdit::textChanged, this, &Form1::ShowSite);
}

void Form1::SetTexts() {
  setWindowTitle(tr("CALCOLO E DISEGNO DI UN QUINDAL CON QUADRO INCLINATO 45°  (di Orbelan)"));
  const std::pair<QLabel*, QString> labels[] = {
      {Label5, tr("LATITUDINE Nord ( + ) Sud ( - ) in gradi ( n,d° ).")},
      {Label2, tr("Intervallo di valori ( -90,000° <------> +90,000° )")},
      {Label7, tr("LONGITUDINE ad Est ( + ) ad Ovest ( - ) in gradi ( n,d° )")},
      {Label6, tr("rispetto al fuso di riferimento.")},
      {Label3, tr("Intervallo di valori ( -15,000° <------> +15,000° )")},
      {Label9, tr("RISOLUZIONE CONSIGLIATA (800 X 600)")},
      {Label4, tr("ALT+ STAMP (PRINT SCREEN) PER COPIARE L'IMMAGINE")},
      {Label8, tr("DOPPIO-CLICK PER USCIRE DALLE SINGOLE VIDEATE")}};
  for (const auto& [label, text] : labels) label->setText(text);
  Text1Box->setAccessibleName(tr("Latitudine in gradi"));
  Text4Box->setAccessibleName(tr("Longitudine rispetto al fuso in gradi"));
  const std::pair<QRadioButton*, QString> options[] = {{Option1Button, tr("ORE ASTRONOMICHE")},
                                                       {Option2Button, tr("ORE TEMPORARIE")},
                                                       {Option6Button, tr("MESI")},
                                                       {Option5Button, tr("DECADI")}};
  for (const auto& [option, text] : options) option->setText(text);
  FitOptions(Frame1, {Option1Button, Option2Button});
  FitOptions(Frame3, {Option6Button, Option5Button});
  const std::pair<QPushButton*, QString> buttons[] = {
      {Command4, tr("Grafico A")}, {Command3, tr("Grafico B")}, {Command1, tr("Grafico C")},
      {Command5, tr("Grafico D")}, {Command6, tr("Base")},      {Command7, tr("Istruzioni")},
      {Command2, tr("Esci")}};
  for (const auto& [button, text] : buttons) {
    button->setText(text);
    button->setAccessibleName(text);
  }
  LocationButton->setToolTip(tr("Cerca la località (latitudine e scostamento dal fuso)"));
  LocationButton->setAccessibleName(tr("Cerca la località"));
  openAction->setText(tr("Apri progetto..."));
  saveAction->setText(tr("Salva progetto..."));
  BookletButton->setToolTip(
      tr("Fascicolo... (Ctrl+F): salva in PDF il fascicolo per costruire e leggere il quindal"));
  BookletButton->setAccessibleName(tr("Fascicolo..."));
  FillSiteMenu();
}

void Form1::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) SetTexts();
  QWidget::changeEvent(event);
}

void Form1::Command1Click() {
  // Each option is read afresh; exactly one of them is selected.
  if (Option1Button->isChecked()) Run(GRAPH1::DrawPlateC_Astronomical);
  if (Option2Button->isChecked()) Run(GRAPH1::DrawPlateC_Temporary);
}

void Form1::Run(Procedure procedure) {
  if (run_) run_(procedure);
}

QString Form1::Text1() const { return Text1Box->text(); }
QString Form1::Text4() const { return Text4Box->text(); }
bool Form1::Option5() const { return Option5Button->isChecked(); }
bool Form1::Option6() const { return Option6Button->isChecked(); }
void Form1::SetText1(const QString& text) { Text1Box->setText(text); }
void Form1::SetText4(const QString& text) { Text4Box->setText(text); }
void Form1::FocusText1() { Text1Box->setFocus(); }

void Form1::FindLocation() {
  LocationDialog dialog(this);
  if (dialog.exec() != QDialog::Accepted) return;
  const std::optional<SiteOffset> site = dialog.site();
  if (!site) return;
  Project project = Chosen();
  project.site = {site->name,
                  site->LatitudeText(),
                  site->OffsetText(),
                  site->zone,
                  {},
                  site->MeridianMoved() ? std::optional(site->meridian) : std::nullopt};
  Apply(project);
  activateWindow();
  Text1Box->setFocus();
}

Project Form1::Chosen() const {
  Project project = InputPanel::Chosen();
  project.hours = Option2Button->isChecked() ? HourSystem::Temporary : HourSystem::Astronomical;
  project.year = year_;
  project.later = later_;
  if (Text1() == found_.latitude && Text4() == found_.offset) project.site = found_;
  return project;
}

std::optional<CheckedProject> Form1::CheckedForEverySheet() {
  return RunPreamble(*this, RulesFor(AllPieces(), Chosen().hours));
}

void Form1::SaveBooklet() {
  const std::optional<CheckedProject> checked = CheckedForEverySheet();
  if (!checked) return;
  Remember(*checked);
  SaveBookletWithDialog(this, *checked);
}

void Form1::ShowRefusal(const QString& reason) {
  QMessageBox box(QMessageBox::NoIcon, kRefusalTitle, RefusalMessage(), QMessageBox::Ok, this);
  box.setInformativeText(reason);
  box.setDefaultButton(QMessageBox::Ok);
  box.exec();
}
