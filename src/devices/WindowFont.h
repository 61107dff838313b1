#pragma once

#include <QCoreApplication>
#include <QFont>

// Maps the windows' font family, "MS Sans Serif", onto an installed face of
// the same metrics class. Call once, before any font of that family resolves.
void InstallWindowFontSubstitution();

// "MS Sans Serif", 8.25 pt bold: 11 pixels at 15 twips per pixel.
QFont WindowFont();

// Whether the face that stands in for the windows' font is installed. Without
// it every word of a drawing is empty boxes on the screen, and missing from a
// PDF. Needs a running QGuiApplication.
bool WindowFontInstalled();

// What to say when it is not, naming the package that brings it.
inline QString MissingWindowFont() {
  return QCoreApplication::translate("WindowFont",
                                     "manca il carattere Liberation Sans, con cui il quindal "
                                     "scrive: installare il pacchetto fonts-liberation2");
}
