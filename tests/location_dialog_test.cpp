#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QTimeZone>
#include <QToolButton>
#include <QtTest>

#include "devices/WindowFont.h"
#include "place/TownIndex.h"
#include "shell/Form1.h"
#include "shell/LocationDialog.h"
#include "window_test_main.h"

// The site finder as a user meets it: the button of the main window, the
// search, the coordinates road, and what reaches the boxes. Numbers in the
// Italian format, as the program's users have them.
class LocationDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
  void buttonInTheFreeStrip();
  void searchTakesTheTownIntoTheBoxes();
  void cancelChangesNothingAndAFarTownKeepsItsMeridian();
  void coordinatesRoad();
};

namespace {

QPushButton* Ok(LocationDialog& dialog) { return dialog.buttons->button(QDialogButtonBox::Ok); }

// Runs `act` on the site finder once Form1 has opened it.
void OnTheDialog(std::function<void(LocationDialog&)> act) {
  QTimer::singleShot(0, [act] {
    auto* dialog = qobject_cast<LocationDialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog);
    act(*dialog);
  });
}

}  // namespace

void LocationDialogTest::buttonInTheFreeStrip() {
  Form1 form;
  const QRect button = form.LocationButton->geometry();
  QVERIFY(button.left() >= 535 && button.right() < form.width());
  QVERIFY(button.top() >= form.Text1Box->geometry().top());
  QVERIFY(button.bottom() <= form.Text4Box->geometry().bottom());
  QCOMPARE(form.LocationButton->toolTip(),
           QString("Cerca la località (latitudine e scostamento dal fuso)"));
  QVERIFY(!form.LocationButton->accessibleName().isEmpty());
  QCOMPARE(form.LocationButton->shortcut(), QKeySequence("Ctrl+L"));
}

void LocationDialogTest::searchTakesTheTownIntoTheBoxes() {
  if (!TownIndex::Available()) QSKIP("no town list in this build");
  Form1 form;
  form.show();
  OnTheDialog([](LocationDialog& dialog) {
    QCOMPARE(dialog.windowTitle(), QString("Località"));
    QTest::keyClicks(dialog.searchBox, "t");
    QCOMPARE(dialog.results->rowCount(), 0);  // from the second character on
    QTest::keyClicks(dialog.searchBox, "reviso");
    QVERIFY(dialog.results->rowCount() >= 1);
    QCOMPARE(dialog.results->item(0, 0)->text(), QString("Treviso"));
    QCOMPARE(dialog.results->item(0, 6)->text(), QString("-2,758"));
    QCOMPARE(dialog.arithmetic->text(),
             QString("Longitudine 12,242° E - meridiano del fuso Europe/Rome 15° E = "
                     "scostamento -2,758°"));
    QTest::keyClick(dialog.searchBox, Qt::Key_Return);
  });
  form.FindLocation();
  QCOMPARE(form.Text1(), QString("45,667"));
  QCOMPARE(form.Text4(), QString("-2,758"));
}

void LocationDialogTest::cancelChangesNothingAndAFarTownKeepsItsMeridian() {
  if (!TownIndex::Available()) QSKIP("no town list in this build");
  Form1 form;
  form.SetText1("41,9");
  form.SetText4("7,5");
  OnTheDialog([](LocationDialog& dialog) {
    QTest::keyClicks(dialog.searchBox, "trevsio");  // no such town: what it may have meant
    QCOMPARE(dialog.results->rowCount(), 0);
    QCOMPARE(dialog.arithmetic->text(),
             QString("Nessuna città trovata. L'elenco ha le città di almeno 15.000 abitanti: per "
                     "un altro luogo, la scheda Coordinate.\nForse: Treviso (Veneto, Italia); "
                     "Treviri (Renania-Palatinato, Germania)"));
    QVERIFY(!Ok(dialog)->isEnabled());
    dialog.searchBox->setText("Treviso");
    dialog.reject();
  });
  form.FindLocation();
  QCOMPARE(form.Text1(), QString("41,9"));
  QCOMPARE(form.Text4(), QString("7,5"));
  // A town far from its zone's meridian is drawn for the meridian an hour
  // nearer, and the window keeps that meridian with the site.
  OnTheDialog([](LocationDialog& dialog) {
    QTest::keyClicks(dialog.searchBox, "Madrid");
    QCOMPARE(dialog.results->item(0, 6)->text(), QString("-3,703 (mer. 0°)"));
    QVERIFY(Ok(dialog)->isEnabled());
    QCOMPARE(dialog.arithmetic->text(),
             QString("Longitudine 3,703° O - meridiano 0° (fuso Europe/Madrid, 15° E) = "
                     "scostamento -3,703°\nmeridiano 0°: all'ora letta aggiungere 1 ora"));
    QTest::keyClick(dialog.searchBox, Qt::Key_Return);
  });
  form.FindLocation();
  QCOMPARE(form.Text4(), QString("-3,703"));
  QCOMPARE(form.Chosen().site.meridian, std::optional<double>(0));
  form.SetText4("-3,7");  // typed by hand: from the zone's own meridian again
  QCOMPARE(form.Chosen().site.meridian, std::optional<double>());
}

void LocationDialogTest::coordinatesRoad() {
  LocationDialog dialog;
  dialog.roads->setCurrentIndex(dialog.roads->count() - 1);
  // The zone it starts on, the system's own, is one it accepts, and so is
  // every zone Qt reads (a fresh machine's is Etc/UTC).
  QCOMPARE(dialog.zoneBox->currentText(), QString::fromUtf8(QTimeZone::systemTimeZoneId()));
  dialog.latitudeBox->setText("45");
  dialog.longitudeBox->setText("3");
  QVERIFY2(Ok(dialog)->isEnabled(), qPrintable(dialog.arithmetic->text()));
  for (const char* zone : {"Etc/UTC", "GMT", "Etc/GMT-1"}) {
    dialog.zoneBox->setCurrentText(zone);
    QVERIFY2(dialog.arithmetic->text().contains(zone), zone);
    QVERIFY(Ok(dialog)->isEnabled());
  }
  dialog.zoneBox->setCurrentText("Europe/Rome");
  dialog.latitudeBox->setText("45°40'0\" N");
  dialog.longitudeBox->setText("12 14 30 E");
  QCOMPARE(dialog.arithmetic->text(),
           QString("Longitudine 12,242° E - meridiano del fuso Europe/Rome 15° E = "
                   "scostamento -2,758°"));
  QVERIFY(Ok(dialog)->isEnabled());
  QCOMPARE(dialog.site()->LatitudeText(), QString("45,667"));

  dialog.longitudeBox->setText("12 61 E");
  QVERIFY(!Ok(dialog)->isEnabled());
  QVERIFY(dialog.arithmetic->text().startsWith("Longitudine non valida"));
  dialog.longitudeBox->setText("-85 9 53");
  dialog.zoneBox->setCurrentText("America/Nowhere");
  QCOMPARE(dialog.arithmetic->text(), QString("Fuso orario sconosciuto: America/Nowhere"));
  dialog.zoneBox->setCurrentText("America/New_York");
  QVERIFY(dialog.arithmetic->text().endsWith("= scostamento -10,165°"));
  QVERIFY(Ok(dialog)->isEnabled());
}

int main(int argc, char** argv) { return RunWindowTest<LocationDialogTest>(argc, argv); }

#include "location_dialog_test.moc"
