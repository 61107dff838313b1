#pragma once

#include <QString>

#include "booklet/Booklet.h"

class QWidget;

// "Fascicolo...": the file dialog, with the year the booklet's tables are
// worked for chosen beside the file name (this year and the next two), then
// the booklet written under a busy cursor, then where it was saved or why it
// could not be. Returns the file written, or empty.
QString SaveBookletWithDialog(QWidget* parent, CheckedProject booklet);
