#pragma once

#include <QString>

#include "booklet/Booklet.h"

// The booklet's words, in Italian, as HTML for its pages; numbers with the
// decimal comma. Nothing is told by colour alone.
QString CoverHtml(const CheckedProject& booklet);
QString MeasureFirstHtml();
QString MaterialsHtml();
QString UseHtml(const CheckedProject& booklet);
QString ReadingTableHtml(const CheckedProject& booklet);
QString ObservationHtml();

// The site in words: "latitudine 45,667° nord, 2,758° a ovest del
// meridiano del fuso".
QString SiteWords(const CheckedProject& booklet);
