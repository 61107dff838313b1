#include "shell/WindowWords.h"
#include "shell/ZoneBox.h"

#include <QComboBox>
#include <QCompleter>
#include <QTimeZone>

QComboBox* NewZoneBox(const QString& current, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setAccessibleName(Windows::tr("Fuso orario"));
  for (const QByteArray& id : QTimeZone::availableTimeZoneIds())
    box->addItem(QString::fromUtf8(id));
  const QString systemZone = QString::fromUtf8(QTimeZone::systemTimeZoneId());
  if (box->findText(systemZone) < 0) box->insertItem(0, systemZone);
  box->completer()->setFilterMode(Qt::MatchContains);
  box->completer()->setCompletionMode(QCompleter::PopupCompletion);
  box->setCurrentText(current.isEmpty() ? systemZone : current);
  return box;
}
