#include "app/ExportSite.h"

#include <cstdint>

#include "app/Exporter.h"
#include "app/ExporterWords.h"
#include "drawing/ShownValue.h"
#include "drawing/NumberText.h"
#include "language/Language.h"
#include "place/AngleReader.h"
#include "place/PlaceQuery.h"
#include "place/SiteOffset.h"
#include "place/TownIndex.h"
#include "place/ZoneMeridian.h"

namespace {

std::string NoTownList() {
  return "quindal-export: " +
         Said(Exporter::tr("la ricerca delle località non è disponibile in questa versione")) +
         "\n";
}

std::string Utf8(const QString& text) { return text.toStdString(); }

// "Roma (Lazio, Italia)": a town as the messages name it.
QString TownLabel(const Town& town) {
  return QStringLiteral("%1 (%2, %3)").arg(town.Name(), town.Region(), town.Country());
}

// `message`, and what a name no town has may have meant: the towns whose
// names start so, else up to three spelt nearly so.
// "...; forse: Treviso (Veneto, Italia)".
std::string WithMaybe(const QString& message, const PlaceQuery& query) {
  std::vector<const Town*> similar = TownIndex::Instance().Find(query.name, query.countryCode, 5);
  if (similar.empty()) similar = TownIndex::Instance().SpeltLike(query.name, query.countryCode);
  if (similar.empty()) return Utf8(message);
  QStringList labels;
  for (const Town* town : similar) labels << TownLabel(*town);
  return Utf8(Exporter::tr("%1; forse: %2").arg(message, labels.join(QStringLiteral("; "))));
}

// The site's texts for the boxes and the meridian they are drawn for; says
// how the offset was reckoned.
int Take(const SiteOffset& found, ProjectSite& site, std::ostream& err) {
  site.latitude = found.LatitudeText();
  site.offset = found.OffsetText();
  site.meridian = found.MeridianMoved() ? std::optional(found.meridian) : std::nullopt;
  err << "quindal-export: " << Utf8(found.Arithmetic(LanguageLocale())) << "\n";
  if (found.MeridianMoved())
    err << "quindal-export: " << Utf8(found.MeridianNote(LanguageLocale())) << "\n";
  return kExportOk;
}

// --place: the most populous town of that very name.
int TakeTown(const SiteRequest& request, ProjectSite& site, std::ostream& err) {
  if (!TownIndex::Available()) {
    err << NoTownList();
    return kExportUsage;
  }
  const PlaceQuery query = SplitPlaceQuery(*request.place);
  // Only a town of that very name: a script must never draw another town
  // whose name merely holds the word.
  const auto towns = TownIndex::Instance().Named(query.name, query.countryCode, 4);
  if (towns.empty()) {
    err << "quindal-export: "
        << WithMaybe(Exporter::tr("nessuna località si chiama %1").arg(ShownValue(*request.place)),
                     query)
        << "\n";
    return kExportUsage;
  }

  const Town& town = *towns.front();
  // A zone given beside the town is the one used for everything: the
  // instant, the meridian and the offset reckoned from it, the reading.
  const QString used = request.timezone.value_or(town.zone);
  const QString latitude = PlainDecimalText(town.latitude, LanguageLocale());
  err << "quindal-export: "
      << Utf8(request.timezone
                  ? Exporter::tr("località %1, latitudine %2°, fuso %3 (da --timezone; quello "
                                 "della località è %4)")
                        .arg(TownLabel(town), latitude, used, town.zone)
                  : Exporter::tr("località %1, latitudine %2°, fuso %3")
                        .arg(TownLabel(town), latitude, used))
      << "\n";
  // A name several towns share: the most populous, and the others named.
  QStringList others;
  for (std::size_t k = 1; k < towns.size(); ++k) others << TownLabel(*towns[k]);
  if (!others.isEmpty())
    err << "quindal-export: "
        << Utf8(Exporter::tr("anche: %1").arg(others.join(QStringLiteral("; ")))) << "\n";
  const auto found = SiteFromCoordinates(town.Name(), town.latitude, town.longitude, used);
  if (!found) {
    err << "quindal-export: "
        << Utf8(Exporter::tr("fuso orario sconosciuto: %1").arg(ShownValue(used))) << "\n";
    return kExportUsage;
  }
  site = ProjectSite{TownLabel(town), {}, {}, used, {}, {}};
  return Take(*found, site, err);
}

// --site-longitude with --timezone: the offset from the zone's meridian.
int TakeSiteLongitude(const SiteRequest& request, ProjectSite& site, std::ostream& err) {
  const std::optional<double> east = ReadAngle(*request.siteLongitude, AngleKind::Longitude);
  if (!east) {
    err << "quindal-export: "
        << Utf8(Exporter::tr("longitudine non valida: %1").arg(ShownValue(*request.siteLongitude)))
        << "\n";
    return kExportUsage;
  }
  if (!KnownZone(*request.timezone)) {
    err << "quindal-export: "
        << Utf8(Exporter::tr("fuso orario sconosciuto: %1").arg(ShownValue(*request.timezone)))
        << "\n";
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
    problem = Said(
        Exporter::tr("--place non va con --latitude, --longitude, --site-longitude o --timezone"));
  } else if (place) {
    return true;
  } else if (siteLongitude || siteZone) {
    if (longitude) {
      problem = Said(Exporter::tr("--longitude non va con --site-longitude e --timezone"));
    } else if (!siteLongitude || !siteZone) {
      problem = Said(Exporter::tr("--site-longitude e --timezone vanno insieme"));
    } else if (!latitude && !fromFile) {
      problem = Said(Exporter::tr("manca --latitude"));
    } else {
      return true;
    }
  } else if ((!latitude || !longitude) && !fromFile) {
    problem = Said(Exporter::tr("mancano --latitude e --longitude (oppure --place)"));
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
    err << NoTownList();
    return kExportUsage;
  }
  const PlaceQuery query = SplitPlaceQuery(text);
  const auto towns = TownIndex::Instance().Find(query.name, query.countryCode, SIZE_MAX);
  if (towns.empty()) {
    err << "quindal-export: "
        << WithMaybe(Exporter::tr("nessuna località trovata per %1").arg(ShownValue(text)), query)
        << "\n";
    return kExportUsage;
  }
  for (const Town* town : towns) {
    const auto site =
        SiteFromCoordinates(town->Name(), town->latitude, town->longitude, town->zone);
    out << Utf8(town->Name()) << '\t' << Utf8(town->Region()) << '\t' << Utf8(town->Country())
        << '\t' << Utf8(PlainDecimalText(town->latitude)) << '\t'
        << Utf8(PlainDecimalText(town->longitude)) << '\t' << Utf8(town->zone) << '\t'
        << (site ? Utf8(site->OffsetText()) : std::string("?")) << '\n';
  }
  return kExportOk;
}
