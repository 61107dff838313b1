#pragma once

#include <QString>
#include <optional>

enum class AngleKind { Latitude, Longitude };

// Reads a latitude or a longitude as people write them: decimal degrees with
// either separator ("45,667", "-12.24"), or degrees, minutes and seconds with
// or without their marks ("45°40'0\" N", "12 14 30 E", "45° 40,5′"), with an
// optional hemisphere letter before or after, in English or in Italian (N, S;
// E, W or O). South and west are negative. Refuses minutes or seconds of 60
// or more, a fraction anywhere but in the last part, a sign together with a
// letter, and anything beyond 90 (latitude) or 180 (longitude) degrees.
std::optional<double> ReadAngle(const QString& text, AngleKind kind);
