#pragma once

#include <QString>

// A town of the offline list: every place of 15,000 inhabitants or more,
// from GeoNames. Names, regions and countries in Italian where the list has
// them, in English otherwise.
struct Town {
  QString name;          // "Treviso", "Monaco di Baviera"
  QString region;        // "Veneto"
  QString country;       // "Italia"
  QString countryCode;   // "IT"
  QString zone;          // IANA time zone: "Europe/Rome"
  double latitude = 0;   // degrees, north positive
  double longitude = 0;  // degrees, east positive
  unsigned population = 0;
};
