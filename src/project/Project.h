#pragma once

#include <optional>

#include <QDate>
#include <QJsonObject>
#include <QString>

#include "drawing/Checks.h"
#include "drawing/DrawingParameters.h"

// Where the instrument stands.
struct ProjectSite {
  QString town;       // "Treviso (Veneto, Italia)" when the site finder, --place or a file named it
  QString latitude;   // the texts the checks read: as typed, or as the finder or a file wrote them
  QString offset;     // from the zone's meridian
  QString zone;       // IANA id of the site's clocks; empty: the system's
  QJsonObject later;  // keys of a newer file, kept when it is saved again
  // The meridian the plates are drawn for, degrees east positive, where the
  // site finder moved it from the zone's by whole hours; none: the zone's.
  std::optional<double> meridian;

  bool operator==(const ProjectSite&) const = default;
  // The town without its region and country: "Treviso".
  QString TownName() const;
};

// What the user chose, as one value: the main window holds one, a project
// file keeps one, and the drawings, the exporter, the booklet, the shadow and
// the cut files all take one.
struct Project {
  ProjectSite site;
  HourSystem hours = HourSystem::Astronomical;
  DateLineSpacing dates = DateLineSpacing::Months;
  int year = 0;       // of the booklet's tables; 0: the coming year
  QJsonObject later;  // keys of a newer file, kept when it is saved again
  // The meridian the plates are drawn for, degrees east positive, where the
  // site finder moved it from the zone's by whole hours; none: the zone's.
  std::optional<double> meridian;

  bool operator==(const Project&) const = default;
  // The inputs as the main window's boxes and options would hold them.
  InputState Inputs() const;
  // The zone of the site's clocks: its own, or the system's.
  QString ClockZone() const;
  int BookletYear(QDate today = QDate::currentDate()) const;
};

// The year a booklet is worked for unless one is asked: this year before
// July, the next one from July.
int ComingYear(QDate today = QDate::currentDate());

// A number as a box shows it: every digit it has, none it lacks, the regional
// decimal separator (45.667 -> "45,667" under an Italian format).
QString BoxText(double value, const QLocale& locale = QLocale());
