#pragma once

#include <QFont>

// Maps the windows' font family, "MS Sans Serif", onto an installed face of
// the same metrics class. Call once, before any font of that family resolves.
void InstallWindowFontSubstitution();

// "MS Sans Serif", 8.25 pt bold: 11 pixels at 15 twips per pixel.
QFont WindowFont();
