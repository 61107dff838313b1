#include "project/Project.h"

#include <QTimeZone>

QString ProjectSite::TownName() const {
  const qsizetype bracket = town.indexOf(QStringLiteral(" ("));
  return bracket < 0 ? town : town.left(bracket);
}

InputState Project::Inputs() const {
  return {site.latitude, site.offset, dates == DateLineSpacing::TenDays,
          dates == DateLineSpacing::Months};
}

QString Project::ClockZone() const {
  return site.zone.isEmpty() ? QString::fromUtf8(QTimeZone::systemTimeZoneId()) : site.zone;
}

int Project::BookletYear(QDate today) const { return year != 0 ? year : ComingYear(today); }

int ComingYear(QDate today) { return today.month() < 7 ? today.year() : today.year() + 1; }

QString BoxText(double value, const QLocale& locale) {
  QString text = QString::number(value, 'f', QLocale::FloatingPointShortest);
  return text.replace(u'.', locale.decimalPoint());
}
