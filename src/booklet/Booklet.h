#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

#include "drawing/DrawingParameters.h"

// One site's booklet: everything from the printer to reading the time.
struct BookletSite {
  DrawingParameters site;  // as the checks of all six sheets accepted it
  HourSystem hours = HourSystem::Astronomical;
  QString town;  // from the site finder or --place; empty for a site typed in
  QString zone;  // IANA id of the site's clocks
  int year = 0;  // the reading table's and the worked example's
};

// The booklet as one PDF, in this order, each part from a page of its own:
// the cover with two 100 mm rules, materials and tools, the six sheets
// exactly as the kit's PDF pages (A4 landscape, true scale), the assembly
// steps, how to use it with a worked example, the reading table, the
// observation sheet. Text pages are A4 portrait.
QByteArray RenderBooklet(const BookletSite& booklet);

// The year a booklet is worked for unless one is asked: this year before
// July, the next one from July.
int ComingYear(QDate today = QDate::currentDate());

// The booklet's title, the PDF's: "Quindal - fascicolo, Treviso, latitudine
// 45,667°, scostamento -2,758°".
QString BookletTitle(const BookletSite& booklet);

// A file name for it: "quindal-treviso-2027.pdf", "quindal-fascicolo-2027.pdf"
// for a site without a town.
QString BookletFileName(const BookletSite& booklet);
