#include "app/ExportSite.h"

#include <cstdint>

#include "app/Exporter.h"
#include "drawing/NumberText.h"
#include "place/AngleReader.h"
#include "place/PlaceQuery.h"
#include "place/SiteOffset.h"
#include "place/TownIndex.h"
#include "place/ZoneMeridian.h"

namespace {

const char kNoTownList[] =
    "quindal-export: la ricerca delle località non è disponibile in questa versione\n";

std::string Utf8(const QString& text) { return text.toStdString(); }

// The site's texts for the boxes, or the reason it cannot be drawn.
int Take(const SiteOffset& site, QString& latitude, QString& longitude, std::ostream& err) {
  if (!site.InRange()) {
    err << "quindal-export: " << Utf8(site.OutOfRangeText()) << "\n";
    return kExportRefused;
  }
  latitude = site.LatitudeText();
  longitude = site.OffsetText();
  err << "quindal-export: " << Utf8(site.Arithmetic()) << "\n";
  return kExportOk;
}

}  // namespace

bool SiteRequest::Valid(std::string& problem) const {
  if (place && (latitude || longitude || siteLongitude || timezone)) {
    problem = "--place non va con --latitude, --longitude, --site-longitude o --timezone";
  } else if (place) {
    return true;
  } else if (siteLongitude || timezone) {
    if (longitude) {
      problem = "--longitude non va con --site-longitude e --timezone";
    } else if (!siteLongitude || !timezone) {
      problem = "--site-longitude e --timezone vanno insieme";
    } else if (!latitude) {
      problem = "manca --latitude";
    } else {
      return true;
    }
  } else if (!latitude || !longitude) {
    problem = "mancano --latitude e --longitude (oppure --place)";
  } else {
    return true;
  }
  return false;
}

int ResolveSite(const SiteRequest& site, QString& latitude, QString& longitude,
                std::ostream& err) {
  if (site.place) {
    if (!TownIndex::Available()) {
      err << kNoTownList;
      return kExportUsage;
    }
    const PlaceQuery query = SplitPlaceQuery(*site.place);
    const auto towns = TownIndex::Instance().Find(query.name, query.countryCode, 1);
    if (towns.empty()) {
      err << "quindal-export: nessuna località trovata: " << Utf8(*site.place) << "\n";
      return kExportUsage;
    }
    const Town& town = *towns.front();
    err << "quindal-export: località " << Utf8(town.name) << " (" << Utf8(town.region) << ", "
        << Utf8(town.country) << "), latitudine " << Utf8(PlainDecimalText(town.latitude))
        << "°, fuso " << Utf8(town.zone) << "\n";
    const auto found = SiteFromCoordinates(town.name, town.latitude, town.longitude, town.zone);
    if (!found) {
      err << "quindal-export: fuso orario sconosciuto: " << Utf8(town.zone) << "\n";
      return kExportUsage;
    }
    return Take(*found, latitude, longitude, err);
  }
  if (site.siteLongitude) {
    const std::optional<double> east = ReadAngle(*site.siteLongitude, AngleKind::Longitude);
    if (!east) {
      err << "quindal-export: longitudine non valida: " << Utf8(*site.siteLongitude) << "\n";
      return kExportUsage;
    }
    if (!KnownZone(*site.timezone)) {
      err << "quindal-export: fuso orario sconosciuto: " << Utf8(*site.timezone) << "\n";
      return kExportUsage;
    }
    // The latitude stays the user's text for the checks; it only picks the
    // hemisphere, and so the season, of the zone's winter offset.
    const double north = ReadAngle(*site.latitude, AngleKind::Latitude).value_or(0);
    const auto found = SiteFromCoordinates({}, north, *east, *site.timezone);
    if (!found) return kExportUsage;
    const int status = Take(*found, latitude, longitude, err);
    latitude = *site.latitude;
    return status;
  }
  latitude = *site.latitude;
  longitude = *site.longitude;
  return kExportOk;
}

int ListPlaces(const QString& text, std::ostream& out, std::ostream& err) {
  if (!TownIndex::Available()) {
    err << kNoTownList;
    return kExportUsage;
  }
  const PlaceQuery query = SplitPlaceQuery(text);
  for (const Town* town : TownIndex::Instance().Find(query.name, query.countryCode, SIZE_MAX)) {
    const auto site = SiteFromCoordinates(town->name, town->latitude, town->longitude, town->zone);
    out << Utf8(town->name) << '\t' << Utf8(town->region) << '\t' << Utf8(town->country) << '\t'
        << Utf8(PlainDecimalText(town->latitude)) << '\t'
        << Utf8(PlainDecimalText(town->longitude)) << '\t' << Utf8(town->zone) << '\t'
        << (site ? Utf8(site->OffsetText()) : std::string("?")) << '\n';
  }
  return kExportOk;
}
