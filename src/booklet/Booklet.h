#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

#include "project/ProjectCheck.h"

// The booklet as one PDF, in this order, each part from a page of its own:
// the cover with two 100 mm rules, materials and tools, the six sheets
// exactly as the kit's PDF pages (A4 landscape, true scale), the assembly
// steps, how to use it with a worked example, the reading table, the
// observation sheet. Text pages are A4 portrait.
QByteArray RenderBooklet(const CheckedProject& booklet);

// The booklet's title, the PDF's: "Quindal - fascicolo, Treviso, latitudine
// 45,667°, scostamento -2,758°".
QString BookletTitle(const CheckedProject& booklet);

// A file name for it: "quindal-treviso-2027.pdf", "quindal-fascicolo-2027.pdf"
// for a site without a town.
QString BookletFileName(const CheckedProject& booklet);
