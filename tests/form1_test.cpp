#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include "devices/WindowFont.h"
#include "pdf_pages.h"
#include "pieces/GRAPH1.h"
#include "shell/Form1.h"
#include "shell/MainWindows.h"
#include "project/ProjectFile.h"
#include "shell/PrintAndSave.h"
#include "shell/Form2.h"
#include "window_test_main.h"

// Closes the next modal box as a user would, by its default button, and keeps
// what it showed.
struct BoxSeen {
  QString text, title, informative;
  QMessageBox::Icon icon = QMessageBox::Information;
  int buttons = 0;
  bool seen = false;
};

// Answers the next message box once it is up, within ten seconds.
static void AnswerNextBox(BoxSeen& seen, int triesLeft = 500) {
  QTimer::singleShot(20, [&seen, triesLeft] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) {
      if (triesLeft > 0) AnswerNextBox(seen, triesLeft - 1);
      return;
    }
    seen = {box->text(),
            box->windowTitle(),
            box->informativeText(),
            box->icon(),
            static_cast<int>(box->buttons().size()),
            true};
    box->defaultButton()->click();
  });
}

class Form1Test : public QObject {
  Q_OBJECT

 private slots:
  void captionsAndGeometry_data();
  void captionsAndGeometry();
  void windowProperties();
  void initialState();
  void tabOrder();
  void optionGroupsAreIndependent();
  void dispatch();
  void esciClosesTheWindow();
  void refusalOfTheInitialInputs();
  void acceptedInputOpensOneDrawingWindow();
  void bookletByKeyboardOrRefused();
  void projectOpenedSavedAndRemembered();
  void dialogsUseAProportionalFace();
  void languageChosenAndRemembered();
};

void Form1Test::captionsAndGeometry_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("english");
  QTest::addColumn<QRect>("twips");
  const auto row = [](const char* name, const char* caption, const char* english, int l, int t,
                      int w, int h) {
    QTest::newRow(name) << QString(name) << QString::fromUtf8(caption) << QString::fromUtf8(english)
                        << QRect(l, t, w, h);
  };
  row("Label5", "LATITUDINE Nord ( + ) Sud ( - ) in gradi ( n,d° ).",
      "LATITUDE North ( + ) South ( - ) in degrees ( n.d° ).", 600, 240, 4935, 255);
  row("Text1", "", "", 5640, 240, 2295, 285);
  row("Label2", "Intervallo di valori ( -90,000° <------> +90,000° )",
      "Range of values ( -90.000° <------> +90.000° )", 600, 480, 4935, 255);
  row("Label7", "LONGITUDINE ad Est ( + ) ad Ovest ( - ) in gradi ( n,d° )",
      "LONGITUDE East ( + ) West ( - ) in degrees ( n.d° )", 600, 840, 4935, 255);
  row("Text4", " ", " ", 5640, 840, 2295, 285);
  row("Label6", "rispetto al fuso di riferimento.", "from the meridian of the reference time zone.",
      600, 1080, 4935, 255);
  row("Label3", "Intervallo di valori ( -15,000° <------> +15,000° )",
      "Range of values ( -15.000° <------> +15.000° )", 600, 1320, 4935, 255);
  row("Label9", "RISOLUZIONE CONSIGLIATA (800 X 600)", "RECOMMENDED RESOLUTION (800 X 600)", 6120,
      1440, 1455, 615);
  row("Frame1", "", "", 600, 1560, 4815, 375);
  row("Option1", "ORE ASTRONOMICHE", "ASTRONOMICAL HOURS", 240, 120, 2295, 195);
  row("Option2", "ORE TEMPORARIE", "TEMPORARY HOURS", 2640, 120, 2055, 195);
  row("Frame3", "", "", 1680, 1920, 2415, 375);
  row("Option6", "MESI", "MONTHS", 240, 120, 855, 195);
  row("Option5", "DECADI", "TEN DAYS", 1200, 120, 1095, 195);
  row("Command4", "Grafico A", "Plate A", 240, 2400, 975, 375);
  row("Command3", "Grafico B", "Plate B", 1680, 2400, 975, 375);
  row("Command1", "Grafico C", "Plate C", 3120, 2400, 975, 375);
  row("Command5", "Grafico D", "Plate D", 4560, 2400, 975, 375);
  row("Command6", "Base", "Base", 6000, 2400, 975, 375);
  row("Command7", "Istruzioni", "Assembly", 7440, 2400, 975, 375);
  row("Label4", "ALT+ STAMP (PRINT SCREEN) PER COPIARE L'IMMAGINE",
      "ALT+ PRINT SCREEN TO COPY THE PICTURE", 720, 3000, 5295, 255);
  row("Command2", "Esci", "Exit", 6720, 3000, 975, 375);
  row("Label8", "DOPPIO-CLICK PER USCIRE DALLE SINGOLE VIDEATE",
      "DOUBLE-CLICK TO LEAVE EACH SCREEN", 720, 3240, 5295, 255);
  row("Picture1", "", "", 8040, 3240, 615, 495);
}

void Form1Test::captionsAndGeometry() {
  QFETCH(QString, name);
  QFETCH(QString, caption);
  QFETCH(QString, english);
  QFETCH(QRect, twips);
  Form1 form;
  const QHash<QString, QWidget*> controls = {
      {"Label5", form.Label5},         {"Text1", form.Text1Box},
      {"Label2", form.Label2},         {"Label7", form.Label7},
      {"Text4", form.Text4Box},        {"Label6", form.Label6},
      {"Label3", form.Label3},         {"Label9", form.Label9},
      {"Frame1", form.Frame1},         {"Option1", form.Option1Button},
      {"Option2", form.Option2Button}, {"Frame3", form.Frame3},
      {"Option6", form.Option6Button}, {"Option5", form.Option5Button},
      {"Command4", form.Command4},     {"Command3", form.Command3},
      {"Command1", form.Command1},     {"Command5", form.Command5},
      {"Command6", form.Command6},     {"Command7", form.Command7},
      {"Label4", form.Label4},         {"Command2", form.Command2},
      {"Label8", form.Label8},         {"Picture1", form.Picture1}};
  QWidget* control = controls.value(name);
  QVERIFY(control);
  QCOMPARE(control->geometry(),
           QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
  const auto shown = [&] {
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    if (auto* box = qobject_cast<QLineEdit*>(control)) return box->text();
    if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
    if (auto* frame = qobject_cast<QGroupBox*>(control)) return frame->title();
    return QString();
  };
  if (auto* label = qobject_cast<QLabel*>(control); label && name != "Picture1")
    QCOMPARE(label->alignment(), Qt::AlignCenter);
  QCOMPARE(shown(), caption);
  // The same window in English, the same places.
  UseLanguage(Language::English);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
  const QString inEnglish = shown();
  const QRect placeInEnglish = control->geometry();
  const int widthWanted = control->sizeHint().width();
  const int nextOption = form.Option5Button->x();  // right of "MONTHS", in English
  const int roomInEnglish = control->parentWidget()->width();
  UseLanguage(Language::Italian);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
  QCOMPARE(inEnglish, english);
  // The same place; an option whose caption is wider, wider and as far
  // right as it must, its frame with it.
  const bool option = qobject_cast<QRadioButton*>(control);
  QCOMPARE(placeInEnglish.y(), control->geometry().y());
  QCOMPARE(placeInEnglish.height(), control->geometry().height());
  QVERIFY(placeInEnglish.x() >= control->geometry().x());
  QVERIFY(placeInEnglish.width() >= control->geometry().width());
  if (!option && !qobject_cast<QGroupBox*>(control)) QCOMPARE(placeInEnglish, control->geometry());
  if (option) QVERIFY(placeInEnglish.width() >= widthWanted);
  if (name == "Option6") QVERIFY(placeInEnglish.right() < nextOption);
  if (option) QVERIFY(placeInEnglish.right() < roomInEnglish);
  QCOMPARE(shown(), caption);
}

void Form1Test::windowProperties() {
  Form1 form;
  QCOMPARE(
      form.windowTitle(),
      QString::fromUtf8("CALCOLO E DISEGNO DI UN QUINDAL CON QUADRO INCLINATO 45°  (di Orbelan)"));
  QCOMPARE(form.size(), QSize(577, 243));
  QCOMPARE(form.minimumSize(), form.maximumSize());
  QCOMPARE(form.palette().color(QPalette::Window), QColor(192, 255, 255));
  QCOMPARE(form.Text1Box->palette().color(QPalette::Base), QColor(Qt::white));
  QCOMPARE(form.Text1Box->palette().color(QPalette::Text), QColor(Qt::black));
  QCOMPARE(form.Label8->font().family(), QString("MS Sans Serif"));
  QCOMPARE(form.Command1->font().weight(), QFont::Bold);
  QCOMPARE(form.Option2Button->font().pixelSize(), 11);
  QVERIFY(!form.Picture1->pixmap().isNull());
  // The boxes take any text: no validator, no mask, no practical length limit.
  QVERIFY(!form.Text1Box->validator());
  QVERIFY(form.Text4Box->inputMask().isEmpty());
  const QString longText(100000, u'9');
  form.Text1Box->setText(longText);
  QCOMPARE(form.Text1Box->text(), longText);
}

void Form1Test::initialState() {
  Form1 form;
  form.show();
  QApplication::setActiveWindow(&form);
  QVERIFY(QTest::qWaitForWindowActive(&form));
  QCOMPARE(form.Text1(), QString());
  QCOMPARE(form.Text4(), QString(" "));
  QVERIFY(form.Option1Button->isChecked());
  QVERIFY(!form.Option2Button->isChecked());
  QVERIFY(form.Option6());
  QVERIFY(!form.Option5());
  QCOMPARE(QApplication::focusWidget(), form.Text1Box);
}

void Form1Test::tabOrder() {
  Form1 form;
  const QList<QWidget*> expected = {form.Text1Box,      form.Text4Box,      form.LocationButton,
                                    form.BookletButton, form.Command4,      form.Command3,
                                    form.Command1,      form.Command5,      form.Command6,
                                    form.Command7,      form.Command2,      form.Option1Button,
                                    form.Option2Button, form.Option5Button, form.Option6Button};
  QList<QWidget*> chain;
  QWidget* w = form.Text1Box;
  do {
    if (w->focusPolicy() & Qt::TabFocus) chain << w;
    w = w->nextInFocusChain();
  } while (w != form.Text1Box);
  QCOMPARE(chain, expected);
  for (QLabel* label : {form.Label2, form.Label9, form.Picture1})
    QCOMPARE(label->focusPolicy(), Qt::NoFocus);
}

void Form1Test::optionGroupsAreIndependent() {
  Form1 form;
  form.Option2Button->click();
  QVERIFY(form.Option2Button->isChecked() && !form.Option1Button->isChecked());
  QVERIFY(form.Option6());
  form.Option5Button->click();
  QVERIFY(form.Option5() && !form.Option6());
  QVERIFY(form.Option2Button->isChecked());
}

void Form1Test::dispatch() {
  Form1 form;
  std::vector<Procedure> ran;
  form.SetRunner([&ran](Procedure procedure) { ran.push_back(procedure); });
  form.Command4->click();
  form.Command3->click();
  form.Command1->click();
  form.Option2Button->click();
  form.Command1->click();
  form.Command5->click();
  form.Command6->click();
  form.Command7->click();
  const std::vector<Procedure> expected = {
      GRAPH1::DrawPlateA,           GRAPH1::DrawPlateB, GRAPH1::DrawPlateC_Astronomical,
      GRAPH1::DrawPlateC_Temporary, GRAPH1::DrawPlateD, GRAPH1::DrawBase,
      GRAPH1::DrawInstructions};
  QVERIFY(ran == expected);
}

void Form1Test::esciClosesTheWindow() {
  Form1 form;
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  form.Command2->click();
  QVERIFY(!form.isVisible());
}

void Form1Test::refusalOfTheInitialInputs() {
  Form2Slot form2;
  Form1 form;
  form.SetRunner([&](Procedure procedure) { procedure(form, form2); });
  form.show();
  QApplication::setActiveWindow(&form);
  QVERIFY(QTest::qWaitForWindowActive(&form));
  form.Text1Box->setText("45");
  form.Command4->setFocus();

  BoxSeen box;
  AnswerNextBox(box);
  form.Command4->click();  // the longitude still holds its single blank
  QVERIFY(box.seen);
  QCOMPARE(box.text, QString("Valori non consentiti !!!"));
  QCOMPARE(box.informative, QString("scostamento: manca il valore"));  // the exporter's reason
  QCOMPARE(box.title, QString("Quindal"));
  QCOMPARE(box.icon, QMessageBox::NoIcon);
  QCOMPARE(box.buttons, 1);
  QCOMPARE(form.Text1(), QString());
  QCOMPARE(form.Text4(), QString());
  QCOMPARE(form.focusWidget(), form.Text1Box);
  QVERIFY(!form2.window());
}

void Form1Test::acceptedInputOpensOneDrawingWindow() {
  MainWindows windows;  // the program's own wiring
  Form1& form = windows.form1;
  Form2Slot& form2 = windows.form2;
  form.show();
  form.Text1Box->setText("45,5");
  form.Text4Box->setText("-7.5");
  form.Command6->click();
  QPointer<Form2> window = form2.window();
  QVERIFY(window);
  QVERIFY(window->isVisible());
  QVERIFY(!window->parent());
  QCOMPARE(window->geometry(), QGuiApplication::primaryScreen()->geometry());
  QCOMPARE(form.Text1(), QString("45,5"));  // an accepted input stays as typed
  QCOMPARE(form.Text4(), QString("-7.5"));
  // The window carries the name print and save give the sheet.
  QCOMPARE(window->title(), QString("Quindal - Base, latitudine 45,5°, scostamento -7,5°"));
  form.Option2Button->click();  // temporary hours
  form.Command1->click();
  QCOMPARE(window->title(), QString("Quindal - Grafico C, latitudine 45,5°, scostamento -7,5°"));
  QCOMPARE(SuggestedFileName(window->title()), QString("quindal-grafico-c.pdf"));
  form.Command4->click();
  QCOMPARE(form2.window(), window.data());  // the same window, drawn over
  QCOMPARE(window->title(), QString("Quindal - Grafico A, latitudine 45,5°, scostamento -7,5°"));
  // Closing the main window leaves the drawing window open.
  form.close();
  QVERIFY(window->isVisible());
  window->close();
  QTRY_VERIFY(!window);
}

// "Fascicolo..." (Ctrl+F) refuses what the drawing buttons refuse, with the
// same box and recovery; with good inputs it offers a sensible name and
// saves the booklet there.
void Form1Test::bookletByKeyboardOrRefused() {
  Form1 form;
  form.show();
  QApplication::setActiveWindow(&form);
  QVERIFY(QTest::qWaitForWindowActive(&form));
  form.Text1Box->setText("45");
  BoxSeen box;
  AnswerNextBox(box);
  form.BookletButton->click();  // the longitude still holds its single blank
  QVERIFY(box.seen);
  QCOMPARE(box.text, QString("Valori non consentiti !!!"));
  QCOMPARE(form.Text1(), QString());
  QCOMPARE(form.focusWidget(), form.Text1Box);

  form.SetText1("45");
  form.SetText4("0");
  QTemporaryDir folder;
  QString offered, offeredAfter;
  QStringList years;
  BoxSeen saved;
  const int thisYear = QDate::currentDate().year();
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    offered = QFileInfo(dialog->selectedFiles().value(0)).fileName();
    // The year beside the file name: this year and the next two; the name
    // follows the year chosen.
    auto* yearBox = dialog->findChild<QComboBox*>("anno");
    if (!yearBox) return;
    for (int k = 0; k < yearBox->count(); ++k) years << yearBox->itemText(k);
    yearBox->setCurrentIndex(2);
    offeredAfter = QFileInfo(dialog->selectedFiles().value(0)).fileName();
    dialog->selectFile(folder.filePath("fascicolo.pdf"));
    AnswerNextBox(saved);
    QMetaObject::invokeMethod(dialog, "accept");
  });
  QCOMPARE(form.BookletButton->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
  form.BookletButton->click();
  const QDate today = QDate::currentDate();
  const int year = today.month() < 7 ? today.year() : today.year() + 1;
  QCOMPARE(offered, QString("quindal-fascicolo-%1.pdf").arg(year));
  QCOMPARE(years, (QStringList{QString::number(thisYear), QString::number(thisYear + 1),
                               QString::number(thisYear + 2)}));
  QCOMPARE(offeredAfter, QString("quindal-fascicolo-%1.pdf").arg(thisYear + 2));
  QCOMPARE(PdfPageCount(folder.filePath("fascicolo.pdf")), 11);
  QTRY_VERIFY(saved.seen);  // then where it went
  QCOMPARE(saved.text, QString("Fascicolo per l'anno %1 salvato in %2")
                           .arg(thisYear + 2)
                           .arg(folder.filePath("fascicolo.pdf")));
}

// Writes `content` to `path`.
static void WriteFile(const QString& path, const QByteArray& content) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(content);
}

// A project opened shows its town and fills the window; what is no project,
// or out of range, changes nothing; the next run comes back with the last
// project and offers the recent sites, newest first; a project saved reads
// back the same.
void Form1Test::projectOpenedSavedAndRemembered() {
  QSettings("Quindal", "quindal").clear();
  QTemporaryDir folder;
  const QString treviso = folder.filePath("treviso.quindal"),
                rome = folder.filePath("roma.quindal");
  WriteFile(treviso, R"x({"quindal": 1, "luogo": {"nome": "Treviso (Veneto, Italia)",
    "latitudine": 45.667, "scostamento": -2.758, "fuso": "Europe/Rome"}, "ore": "temporarie",
    "date": "decadi", "anno": 2027, "materiale": "cartone"})x");
  WriteFile(rome, R"x({"quindal": 1, "luogo": {"nome": "Roma (Lazio, Italia)",
    "latitudine": 41.894, "scostamento": -2.512, "fuso": "Europe/Rome"}})x");
  const QChar point = QLocale().decimalPoint().front();
  const QString trevisoLatitude = QString("45.667").replace('.', point);
  {
    MainWindows first;  // a first run: the window as the program always opened
    QCOMPARE(first.form1.Text1(), QString());
    QCOMPARE(first.form1.Text4(), QString(" "));
    QCOMPARE(first.form1.TownLabel->text(), QString());
    QCOMPARE(first.form1.saveAction->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    QCOMPARE(first.form1.openAction->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    QVERIFY(first.form1.OpenProjectFile(treviso));
    QCOMPARE(first.form1.Text1(), trevisoLatitude);
    QCOMPARE(first.form1.Text4(), QString("-2.758").replace('.', point));
    QVERIFY(first.form1.Option2Button->isChecked() && first.form1.Option5Button->isChecked());
    QCOMPARE(first.form1.TownLabel->text(), QString("Treviso (Veneto, Italia)"));
    QCOMPARE(first.form1.Chosen().site.zone, QString("Europe/Rome"));

    // What is no project, and values out of range: a box, and nothing changes.
    const struct {
      QByteArray content;
      const char* why;
    } bad[] = {
        {"rumore", "guasto.quindal: non è un progetto del quindal"},
        {R"({"quindal": 1, "luogo": {"latitudine": 95, "scostamento": 0}})",
         "Valori non consentiti !!!latitudine 95: fuori dall'intervallo -90 … +90"},
    };
    for (const auto& c : bad) {
      const QString path = folder.filePath("guasto.quindal");
      WriteFile(path, c.content);
      BoxSeen box;
      AnswerNextBox(box);
      QVERIFY(!first.form1.OpenProjectFile(path));
      QVERIFY(box.seen);
      QVERIFY2((box.text + box.informative).contains(QString::fromUtf8(c.why)),
               qPrintable(box.text + box.informative));
      QCOMPARE(first.form1.Text1(), trevisoLatitude);
      QCOMPARE(first.form1.TownLabel->text(), QString("Treviso (Veneto, Italia)"));
    }
    QVERIFY(first.form1.OpenProjectFile(rome));

    // Saved, it reads back as the same project, its unknown keys kept.
    first.form1.OpenProjectFile(treviso);
    const QString saved = folder.filePath("salvato.quindal");
    QTimer::singleShot(0, [&] {
      if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
        dialog->selectFile(saved);
        QMetaObject::invokeMethod(dialog, "accept");
      }
    });
    first.form1.saveAction->trigger();
    QFile file(saved);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QString problem;
    const std::optional<Project> back = ReadProject(file.readAll(), problem);
    QVERIFY2(back, qPrintable(problem));
    QCOMPARE(*back, first.form1.Chosen());
    QCOMPARE(back->later.value("materiale").toString(), QString("cartone"));

    // A typed latitude is no longer the town's.
    first.form1.Text1Box->setText("46");
    QCOMPARE(first.form1.TownLabel->text(), QString());
    QCOMPARE(first.form1.Chosen().site.zone, QString());
  }
  MainWindows next;  // the next run: the last project, the recent sites
  QCOMPARE(next.form1.Text1(), trevisoLatitude);
  QCOMPARE(next.form1.TownLabel->text(), QString("Treviso (Veneto, Italia)"));
  QVERIFY(next.form1.Option2Button->isChecked());
  QStringList entries;
  emit next.form1.siteMenu->aboutToShow();
  for (QAction* action : next.form1.siteMenu->actions())
    if (!action->isSeparator()) entries << action->text();
  QCOMPARE(entries, (QStringList{"Cerca la località...",
                                 "Treviso (Veneto, Italia) - " + trevisoLatitude + "°, " +
                                     QString("-2.758").replace('.', point) + "°",
                                 "Roma (Lazio, Italia) - " + QString("41.894").replace('.', point) +
                                     "°, " + QString("-2.512").replace('.', point) + "°",
                                 "Apri progetto...", "Salva progetto...", "Lingua"}));
  next.form1.siteMenu->actions()[3]->trigger();  // Rome, whole
  QCOMPARE(next.form1.TownLabel->text(), QString("Roma (Lazio, Italia)"));
  QCOMPARE(next.form1.Chosen().site.zone, QString("Europe/Rome"));

  // Ten sites at most, the newest first, each once.
  for (int k = 0; k < 12; ++k) {
    next.form1.SetText1(QString::number(40 + k));
    next.form1.SetText4("0");
    next.form1.Remember(*CheckProject(next.form1.Chosen()).checked);
  }
  next.form1.Remember(*CheckProject(next.form1.Chosen()).checked);
  emit next.form1.siteMenu->aboutToShow();
  QStringList sites;
  for (QAction* action : next.form1.siteMenu->actions())
    if (action->text().endsWith(QString::fromUtf8("0°"))) sites << action->text();
  QCOMPARE(sites.size(), 10);
  QCOMPARE(sites.front(), QString::fromUtf8("51°, 0°"));
  QCOMPARE(sites.back(), QString::fromUtf8("42°, 0°"));

  // Settings that hold no project start the window as on a first run.
  QSettings("Quindal", "quindal")
      .setValue("progetto/ultimo", "{\"quindal\": 1, \"luogo\": {\"latitudine\": 95}}");
  MainWindows spoilt;
  QCOMPARE(spoilt.form1.Text1(), QString());
  QCOMPARE(spoilt.form1.Text4(), QString(" "));
  QSettings("Quindal", "quindal").clear();
}

// The program's dialogs are set in a proportional face, also where the
// package's fonts are the only ones (ctest runs this once more that way).
void Form1Test::dialogsUseAProportionalFace() {
  ConfigureApplication();
  const QFontInfo face(QApplication::font());
  QVERIFY2(!face.fixedPitch(), qPrintable(face.family()));
}

// "Lingua" in the site button's menu: the window changes its words at once,
// a refusal comes in the same language, and the choice is remembered.
void Form1Test::languageChosenAndRemembered() {
  MainWindows windows;
  const auto choose = [&](const QString& menuTitle, const QString& language) {
    emit windows.form1.siteMenu->aboutToShow();
    for (QAction* action : windows.form1.siteMenu->actions()) {
      if (action->text() != menuTitle || !action->menu()) continue;
      for (QAction* choice : action->menu()->actions())
        if (choice->text() == language) choice->trigger();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
  };
  choose("Lingua", "English");
  QCOMPARE(windows.form1.windowTitle(),
           QString("CALCULATION AND DRAWING OF A QUINDAL WITH A 45° INCLINED DIAL  (by Orbelan)"));
  QCOMPARE(windows.form1.LocationButton->toolTip(),
           QString("Find the place (latitude and offset from the zone)"));
  QCOMPARE(windows.form1.saveAction->text(), QString("Save project..."));
  QCOMPARE(ProjectMemory(*OpenSettings()).ChosenLanguage(), std::optional(Language::English));
  windows.form1.SetText1("91");
  windows.form1.SetText4("0");
  QString refusal;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    refusal = box->text() + '\n' + box->informativeText();
    box->accept();
  });
  windows.form1.Command4->click();
  QCOMPARE(refusal, QString("Values not allowed !!!\nlatitude 91: outside the range -90 … +90"));
  choose("Language", "Italiano");
  QCOMPARE(windows.form1.Command7->text(), QString("Istruzioni"));
  QCOMPARE(ProjectMemory(*OpenSettings()).ChosenLanguage(), std::optional(Language::Italian));
}

int main(int argc, char** argv) { return RunWindowTest<Form1Test>(argc, argv); }

#include "form1_test.moc"
