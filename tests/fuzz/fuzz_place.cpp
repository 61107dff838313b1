// The site finder's readers take any text: the "TEXT, CC" split, the
// reader of degrees, minutes and seconds, the zone name, and the town
// search itself. Nothing may crash or hang, and what comes back must be
// what each reader promises.
#include <QCoreApplication>
#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "place/AngleReader.h"
#include "place/PlaceQuery.h"
#include "place/SiteOffset.h"
#include "place/TownIndex.h"
#include "place/ZoneMeridian.h"

namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "fuzz_place: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  static int argc = 1;
  static char name[] = "fuzz_place";
  static char* argv[] = {name, nullptr};
  static QCoreApplication app(argc, argv);
  TownIndex::Instance();  // loaded once, not in every run
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QString text =
      QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

  const PlaceQuery query = SplitPlaceQuery(text);
  if (query.name.size() > text.size()) Fail("the name grew");
  if (!query.countryCode.isEmpty() &&
      (query.countryCode.size() != 2 || query.countryCode != query.countryCode.toUpper()))
    Fail("a country code that is not two capital letters");

  for (const AngleKind kind : {AngleKind::Latitude, AngleKind::Longitude}) {
    if (const auto angle = ReadAngle(text, kind)) {
      const double limit = kind == AngleKind::Latitude ? 90 : 180;
      if (!std::isfinite(*angle) || std::fabs(*angle) > limit) Fail("an angle out of range");
    }
  }

  if (const auto meridian = ZoneMeridianDeg(text)) {
    if (!std::isfinite(*meridian) || std::fabs(*meridian) > 14 * 15)
      Fail("a meridian off the globe");
    const auto site = SiteFromCoordinates(QString(), 45, 12, text);
    if (!site || std::fabs(site->offset) > 180) Fail("an offset off the globe");
    // Any zone's meridian, moved by whole hours where it must be, is within
    // plate B's 15 degrees of the site.
    if (std::fabs(std::round(site->offset * 1000) / 1000) > 15) Fail("an offset beyond 15");
  }

  const auto towns = TownIndex::Instance().Find(query.name, query.countryCode, 50);
  if (towns.size() > 50) Fail("more towns than asked for");
  for (const Town* town : towns) {
    if (!town) Fail("a missing town");
    if (!query.countryCode.isEmpty() && town->countryCode.toUpper() != query.countryCode)
      Fail("a town of another country");
  }
  const auto named = TownIndex::Instance().Named(query.name, query.countryCode, 5);
  if (named.size() > 5) Fail("more named towns than asked for");
  for (const Town* town : named)
    if (!query.countryCode.isEmpty() && town->countryCode.toUpper() != query.countryCode)
      Fail("a named town of another country");
  return 0;
}
