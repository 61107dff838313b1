#include "shell/WindowWords.h"
#include "shell/BookletSaving.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>

#include "devices/DrawingFile.h"

namespace {

// The year box, placed under the file dialog's own rows: the booklet's
// name follows the year chosen until the user types a name of their own.
void AddYearBox(QFileDialog& dialog, CheckedProject& booklet) {
  auto* years = new QComboBox(&dialog);
  years->setObjectName(QStringLiteral("anno"));
  years->setAccessibleName(Windows::tr("Anno delle tabelle"));
  const int thisYear = QDate::currentDate().year();
  for (int year = thisYear; year <= thisYear + 2; ++year)
    years->addItem(QString::number(year), year);
  years->setCurrentIndex(std::max(0, years->findData(booklet.project.BookletYear())));
  auto* label = new QLabel(Windows::tr("Tabelle per l'anno:"), &dialog);
  label->setBuddy(years);
  if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0);
    grid->addWidget(years, row, 1);
  }
  QObject::connect(years, &QComboBox::currentIndexChanged, &dialog, [&dialog, &booklet, years] {
    const QString offered = BookletFileName(booklet);
    booklet.project.year = years->currentData().toInt();
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || QFileInfo(chosen.front()).fileName() == offered)
      dialog.selectFile(BookletFileName(booklet));
  });
}

}  // namespace

QString SaveBookletWithDialog(QWidget* parent, CheckedProject booklet) {
  QFileDialog dialog(parent, Windows::tr("Salva il fascicolo"), QDir::homePath(),
                     QStringLiteral("PDF (*.pdf)"));
  // The year box lives in the dialog: Qt's own dialog, whatever the desktop.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("pdf"));
  dialog.selectFile(BookletFileName(booklet));
  AddYearBox(dialog, booklet);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const QString path = dialog.selectedFiles().front();
  QString reason;
  DiskSink disk;
  QApplication::setOverrideCursor(Qt::WaitCursor);  // about a second of work
  const bool written = disk.Write(path, RenderBooklet(booklet), reason);
  QApplication::restoreOverrideCursor();
  if (!written) {
    QMessageBox::warning(parent, QStringLiteral("Quindal"),
                         Windows::tr("Impossibile scrivere %1: %2").arg(path, reason));
    return {};
  }
  QMessageBox::information(
      parent, QStringLiteral("Quindal"),
      Windows::tr("Fascicolo per l'anno %1 salvato in %2")
          .arg(QString::number(booklet.project.BookletYear()), QDir::toNativeSeparators(path)));
  return path;
}
