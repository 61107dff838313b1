#pragma once

#include <QString>

// A place as a user names it: "Treviso", or "Rome, US" for the Rome of one
// country (an ISO code of two letters after the last comma).
struct PlaceQuery {
  QString name;
  QString countryCode;  // upper case, or empty for any country
};

PlaceQuery SplitPlaceQuery(const QString& text);
