#include "app/ExportSite.h"

#include <cstdint>

#include "app/Exporter.h"
#include "drawing/ShownValue.h"
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

// The messages speak Italian, decimal commas included, whatever the system's
// language; the texts for the checks keep the regional format they are read in.
const QLocale kItalian(QLocale::Italian, QLocale::Italy);

// "Roma (Lazio, Italia)": a town as the messages name it.
QString TownLabel(const Town& town) {
  return QStringLiteral("%1 (%2, %3)").arg(town.name, town.region, town.country);
}

// What a name no town has may have meant: the towns whose names start so,
// else up to three spelt nearly so. "; forse: Treviso (Veneto, Italia)".
std::string Maybe(const PlaceQuery& query) {
  std::vector<const Town*> similar = TownIndex::Instance().Find(query.name, query.countryCode, 5);
  if (similar.empty()) similar = TownIndex::Instance().SpeltLike(query.name, query.countryCode);
  std::string text;
  for (std::size_t k = 0; k < similar.size(); ++k)
    text += (k == 0 ? "; forse: " : "; ") + Utf8(TownLabel(*similar[k]));
  return text;
}

// The site's texts for the boxes and the meridian they are drawn for; says
// how the offset was reckoned.
int Take(const SiteOffset& found, ProjectSite& site, std::ostream& err) {
  site.latitude = found.LatitudeText();
  site.offset = found.OffsetText();
  site.meridian = found.MeridianMoved() ? std::optional(found.meridian) : std::nullopt;
  err << "quindal-export: " << Utf8(found.Arithmetic(kItalian)) << "\n";
  if (found.MeridianMoved())
    err << "quindal-export: " << Utf8(found.MeridianNote(kItalian)) << "\n";
  return kExportOk;
}

// --place: the most populous town of that very name.
int TakeTown(const SiteRequest& request, ProjectSite& site, std::ostream& err) {
  if (!TownIndex::Available()) {
    err << kNoTownList;
    return kExportUsage;
  }
  const PlaceQuery query = SplitPlaceQuery(*request.place);
  // Only a town of that very name: a script must never draw another town
  // whose name merely holds the word.
  const auto towns = TownIndex::Instance().Named(query.name, query.countryCode, 4);
  if (towns.empty()) {
    err << "quindal-export: nessuna località si chiama " << ShownValue(*request.place).toStdString()
        << Maybe(query) << "\n";
    return kExportUsage;
  }

  const Town& town = *towns.front();
  // A zone given beside the town is the one used for everything: the
  // instant, the meridian and the offset reckoned from it, the reading.
  const QString used = request.timezone.value_or(town.zone);
  err << "quindal-export: località " << Utf8(TownLabel(town)) << ", latitudine "
      << Utf8(PlainDecimalText(town.latitude, kItalian)) << "°, fuso " << Utf8(used)
      << (request.timezone
              ? Utf8(QStringLiteral(" (da --timezone; quello della località è %1)").arg(town.zone))
              : std::string())
      << "\n";
  // A name several towns share: the most populous, and the others named.
  for (std::size_t k = 1; k < towns.size(); ++k)
    err << (k == 1 ? "quindal-export: anche: " : "; ") << Utf8(TownLabel(*towns[k]));
  if (towns.size() > 1) err << "\n";
  const auto found = SiteFromCoordinates(town.name, town.latitude, town.longitude, used);
  if (!found) {
    err << "quindal-export: fuso orario sconosciuto: " << ShownValue(used).toStdString() << "\n";
    return kExportUsage;
  }
  site = ProjectSite{TownLabel(town), {}, {}, used, {}, {}};
  return Take(*found, site, err);
}

// --site-longitude with --timezone: the offset from the zone's meridian.
int TakeSiteLongitude(const SiteRequest& request, ProjectSite& site, std::ostream& err) {
  const std::optional<double> east = ReadAngle(*request.siteLongitude, AngleKind::Longitude);
  if (!east) {
    err << "quindal-export: longitudine non valida: "
        << ShownValue(*request.siteLongitude).toStdString() << "\n";
    return kExportUsage;
  }
  if (!KnownZone(*request.timezone)) {
    err << "quindal-export: fuso orario sconosciuto: "
        << ShownValue(*request.timezone).toStdString() << "\n";
    return kExportUsage;
  }
  // The latitude stays the user's text for the checks; it only picks the
  // hemisphere, and so the season, of the zone's winter offset.
  const QString latitude = request.latitude.value_or(site.latitude);
  const double north = ReadAngle(latitude, AngleKind::Latitude).value_or(0);
  const auto found = SiteFromCoordinates({}, north, *east, *request.timezone);
  if (!found) return kExportUsage;
  site = ProjectSite{QString(), {}, {}, *request.timezone, site.later, {}};
  const int status = Take(*found, site, err);
  site.latitude = latitude;
  return status;
}

}  // namespace

bool SiteRequest::Valid(std::string& problem, bool clockZone, bool fromFile) const {
  // With `clockZone` a --timezone beside a site given otherwise names only
  // the clocks' zone; beside a project file, it is the zone of the file's site.
  const bool siteZone = timezone && (!(clockZone || fromFile) || siteLongitude);
  if (place && (latitude || longitude || siteLongitude || siteZone)) {
    problem = "--place non va con --latitude, --longitude, --site-longitude o --timezone";
  } else if (place) {
    return true;
  } else if (siteLongitude || siteZone) {
    if (longitude) {
      problem = "--longitude non va con --site-longitude e --timezone";
    } else if (!siteLongitude || !siteZone) {
      problem = "--site-longitude e --timezone vanno insieme";
    } else if (!latitude && !fromFile) {
      problem = "manca --latitude";
    } else {
      return true;
    }
  } else if ((!latitude || !longitude) && !fromFile) {
    problem = "mancano --latitude e --longitude (oppure --place)";
  } else {
    return true;
  }
  return false;
}

int ResolveSite(const SiteRequest& request, ProjectSite& site, std::ostream& err) {
  if (request.place) return TakeTown(request, site, err);
  if (request.siteLongitude) return TakeSiteLongitude(request, site, err);
  // A changed latitude or offset is no longer the town's.
  if (request.latitude || request.longitude) site.town.clear();
  if (request.latitude) site.latitude = *request.latitude;
  if (request.longitude) site.offset = *request.longitude;
  // A typed offset is from the zone's own meridian, and so is any offset
  // once the zone changes.
  if (request.longitude || request.timezone) site.meridian.reset();
  if (request.timezone) site.zone = *request.timezone;
  return kExportOk;
}

int ListPlaces(const QString& text, std::ostream& out, std::ostream& err) {
  if (!TownIndex::Available()) {
    err << kNoTownList;
    return kExportUsage;
  }
  const PlaceQuery query = SplitPlaceQuery(text);
  const auto towns = TownIndex::Instance().Find(query.name, query.countryCode, SIZE_MAX);
  if (towns.empty()) {
    err << "quindal-export: nessuna località trovata per " << ShownValue(text).toStdString()
        << Maybe(query) << "\n";
    return kExportUsage;
  }
  for (const Town* town : towns) {
    const auto site = SiteFromCoordinates(town->name, town->latitude, town->longitude, town->zone);
    out << Utf8(town->name) << '\t' << Utf8(town->region) << '\t' << Utf8(town->country) << '\t'
        << Utf8(PlainDecimalText(town->latitude)) << '\t' << Utf8(PlainDecimalText(town->longitude))
        << '\t' << Utf8(town->zone) << '\t' << (site ? Utf8(site->OffsetText()) : std::string("?"))
        << '\n';
  }
  return kExportOk;
}
