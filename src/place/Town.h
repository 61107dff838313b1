#pragma once

#include <QString>

#include "language/Language.h"

// A town of the offline list: every place of 15,000 inhabitants or more,
// from GeoNames. Names, regions and countries in Italian where the list has
// them, in English otherwise; and in English.
struct Town {
  QString name;                                        // "Treviso", "Monaco di Baviera"
  QString region;                                      // "Veneto"
  QString country;                                     // "Italia"
  QString englishName, englishRegion, englishCountry;  // "Munich", "Bavaria", "Germany"
  QString countryCode;                                 // "IT"
  QString zone;                                        // IANA time zone: "Europe/Rome"
  double latitude = 0;                                 // degrees, north positive
  double longitude = 0;                                // degrees, east positive
  unsigned population = 0;

  // The names in the language in use.
  const QString& Name() const { return English() ? englishName : name; }
  const QString& Region() const { return English() ? englishRegion : region; }
  const QString& Country() const { return English() ? englishCountry : country; }

 private:
  static bool English() { return LanguageInUse() == Language::English; }
};
