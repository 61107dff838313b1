// The site finder's arithmetic against figures worked by hand, on the real
// town list and the system's time-zone database. Runs under an Italian
// locale, as the program's users do: translated names, decimal commas.
#include <gtest/gtest.h>

#include <geonames.h>

#include <QFile>
#include <QTimeZone>

#include <algorithm>
#include <clocale>
#include <iterator>
#include <set>

#include "italian_locale.h"
#include "place/AngleReader.h"
#include "place/MessageCatalogue.h"
#include "place/PlaceQuery.h"
#include "place/SiteOffset.h"
#include "place/TownIndex.h"
#include "place/ZoneMeridian.h"

namespace {

// The towns' Italian names come through the C library's Italian locale,
// taken before the town list first loads.
class PlaceTest : public ItalianLocaleTest {
 protected:
  static void SetUpTestSuite() { std::setlocale(LC_ALL, "it_IT.UTF-8"); }
};

std::optional<SiteOffset> FirstTown(const QString& text) {
  const PlaceQuery query = SplitPlaceQuery(text);
  const auto towns = TownIndex::Instance().Find(query.name, query.countryCode, 1);
  if (towns.empty()) return std::nullopt;
  const Town& t = *towns.front();
  return SiteFromCoordinates(t.name, t.latitude, t.longitude, t.zone);
}

TEST_F(PlaceTest, OffsetsOfKnownPlaces) {
  const struct {
    const char* query;
    const char* name;
    const char* zone;
    const char* offset;
    double meridian;   // the plates'
    int shiftMinutes;  // the zone's standard time less that meridian's mean time
  } cases[] = {
      {"Treviso", "Treviso", "Europe/Rome", "-2,758", 15, 0},
      {"Sydney", "Sydney", "Australia/Sydney", "1,207", 150, 0},  // +10 h, south: July's offset
      {"Mumbai", "Mumbai", "Asia/Kolkata", "-9,617", 82.5, 0},    // +5:30
      {"Rome, US", "Rome", "America/New_York", "-10,165", -75,
       0},  // Rome, Georgia: west of a west meridian
      {"Venezia", "Venezia", "Europe/Rome", "-2,667", 15, 0},  // the Italian name
      {"Monaco di Baviera", "Monaco di Baviera", "Europe/Berlin", "-3,425", 15, 0},
      // Far from their zones' meridians, a town a continent: drawn for the
      // meridian whole hours nearer.
      {"Madrid", "Madrid", "Europe/Madrid", "-3,703", 0, 60},
      {"Reykjavik", "Reykjavík", "Atlantic/Reykjavik", "-6,895", -15, 60},
      {"Dakar", "Dakar", "Africa/Dakar", "-2,444", -15, 60},
      {"Mendoza", "Mendoza", "America/Argentina/Mendoza", "6,173", -75, 120},
      {"Chengdu", "Chengdu", "Asia/Shanghai", "-0,933", 105, 60},
      {"Vladivostok", "Vladivostok", "Asia/Vladivostok", "-3,126", 135, 60},
  };
  for (const auto& c : cases) {
    const auto site = FirstTown(c.query);
    ASSERT_TRUE(site) << c.query;
    EXPECT_EQ(site->name, c.name) << c.query;
    EXPECT_EQ(site->zone, c.zone) << c.query;
    EXPECT_EQ(site->OffsetText(), c.offset) << c.query;
    EXPECT_EQ(site->meridian, c.meridian) << c.query;
    EXPECT_EQ(site->ZoneShiftMinutes(), c.shiftMinutes) << c.query;
    EXPECT_EQ(site->MeridianMoved(), c.shiftMinutes != 0) << c.query;
  }
  const auto treviso = FirstTown("trev, it");
  EXPECT_EQ(treviso->LatitudeText(), "45,667");
  EXPECT_EQ(treviso->Arithmetic(),
            "Longitudine 12,242° E - meridiano del fuso Europe/Rome 15° E = scostamento -2,758°");

  const auto madrid = FirstTown("Madrid");
  EXPECT_EQ(madrid->Arithmetic(),
            "Longitudine 3,703° O - meridiano 0° (fuso Europe/Madrid, 15° E) = scostamento "
            "-3,703°");
  EXPECT_EQ(madrid->MeridianNote(), "meridiano 0°: all'ora letta aggiungere 1 ora");
  EXPECT_EQ(FirstTown("Mendoza")->MeridianNote(),
            "meridiano 75° O: all'ora letta aggiungere 2 ore");
  EXPECT_EQ(treviso->MeridianNote(), "");
  EXPECT_FALSE(FirstTown("xyzzyq"));
}

// The meridian is the zone's smallest offset of the year, whatever the
// season of its summer: Troll keeps European summer time in the south, and
// Dublin's "winter time" is the one that moves its clocks.
TEST_F(PlaceTest, SummerTimeNeverCounts) {
  const struct {
    const char* zone;
    double meridian;
  } zones[] = {{"Europe/Rome", 15},       {"Asia/Kolkata", 82.5},         {"America/New_York", -75},
               {"Australia/Sydney", 150}, {"America/Santiago", -60},      {"UTC", 0},
               {"Europe/Dublin", 0},      {"Australia/Lord_Howe", 157.5}, {"Antarctica/Troll", 0}};
  for (const auto& z : zones) {
    for (const QDate today : {QDate(2026, 1, 10), QDate(2026, 7, 10), QDate(2031, 10, 30)})
      EXPECT_EQ(ZoneMeridianDeg(z.zone, today), z.meridian) << z.zone;
  }
  EXPECT_FALSE(ZoneMeridianDeg("Europe/Nowhere"));
  EXPECT_FALSE(ZoneMeridianDeg(""));
  // The station itself is drawn, 2.53 degrees east of its meridian.
  const auto troll = SiteFromCoordinates("Troll", -72.012, 2.535, "Antarctica/Troll");
  ASSERT_TRUE(troll);
  EXPECT_FALSE(troll->MeridianMoved());
  EXPECT_EQ(troll->OffsetText(QLocale::c()), "2.535");
  EXPECT_DOUBLE_EQ(OffsetFromMeridian(179, -165), -16);  // across the date line
  EXPECT_DOUBLE_EQ(OffsetFromMeridian(-179, 180), 1);
}

// The list's towns, regions and countries in Italian, found by their Italian
// and English names, whatever the process's language and whether or not an
// Italian locale exists: under C, gettext translates nothing, LANGUAGE or not.
TEST(TownNamesTest, ItalianAndEnglishUnderAnyLocale) {
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  const QByteArray savedLanguage = qgetenv("LANGUAGE");
  qputenv("LANGUAGE", "it");
  for (const char* locale : {"C.UTF-8", "it_IT.UTF-8"}) {
    ASSERT_TRUE(std::setlocale(LC_ALL, locale)) << locale;
    const TownIndex index = TownIndex::Load();
    const struct {
      const char *query, *name, *region, *country;
    } cases[] = {
        {"Roma", "Roma", "Lazio", "Italia"},
        {"rome", "Roma", "Lazio", "Italia"},
        {"Milano", "Milano", "Lombardia", "Italia"},
        {"Milan", "Milano", "Lombardia", "Italia"},
        {"Venezia", "Venezia", "Veneto", "Italia"},
        {"Firenze", "Firenze", "Toscana", "Italia"},
        {"Monaco di Baviera", "Monaco di Baviera", "Baviera", "Germania"},
        {"Munich", "Monaco di Baviera", "Baviera", "Germania"},
        {"Forlì", "Forlì", "Regione Emilia-Romagna", "Italia"},
        {"forli", "Forlì", "Regione Emilia-Romagna", "Italia"},
        // The names of every catalogue the library ships, shown in Italian.
        {"Lisboa", "Lisbona", "Lisbona", "Portogallo"},
        {"Warszawa", "Varsavia", "Voivodato della Masovia", "Polonia"},
        {"München", "Monaco di Baviera", "Baviera", "Germania"},
        {"Bozen", "Bolzano", "Trentino-Alto Adige", "Italia"},
        {"Sevilla", "Siviglia", "Andalusia", "Spagna"},  // not Sevilla, Colombia
        {"Wien", "Vienna", "Vienna", "Austria"},
        {"Praha", "Praga", "Hlavní město Praha", "Cechia"},
        {"København", "Copenaghen", "Capital Region", "Danimarca"},
        {"Rom", "Roma", "Lazio", "Italia"},  // German
    };
    for (const auto& c : cases) {
      const auto named = index.Named(QString::fromUtf8(c.query));
      ASSERT_FALSE(named.empty()) << locale << ": " << c.query;
      EXPECT_EQ(named.front()->name, QString::fromUtf8(c.name)) << locale;
      EXPECT_EQ(named.front()->region, QString::fromUtf8(c.region)) << locale;
      EXPECT_EQ(named.front()->country, QString::fromUtf8(c.country)) << locale;
      // The search of the window and of `places` starts with the same town.
      EXPECT_EQ(index.Find(QString::fromUtf8(c.query), {}, 1).front(), named.front()) << locale;
    }
    // A name only starting so, or holding the word, names no town.
    EXPECT_TRUE(index.Named("Trevis").empty()) << locale;
    EXPECT_TRUE(index.Named("Reggio").empty()) << locale;
    EXPECT_EQ(index.Named("Rome", "US").front()->region, "Georgia") << locale;
  }
  std::setlocale(LC_ALL, saved.c_str());
  qputenv("LANGUAGE", savedLanguage);
}

// The catalogue is read from its file: a damaged one gives no translation
// and no fault.
TEST(TownNamesTest, DamagedCatalogueTranslatesNothing) {
  QFile file("/usr/share/locale/it/LC_MESSAGES/geonames.mo");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const std::string bytes = file.readAll().toStdString();
  const MessageCatalogue whole = MessageCatalogue::FromBytes(bytes);
  EXPECT_GT(whole.size(), 4000u);
  EXPECT_EQ(whole.Translate("3169070"), "Roma");
  EXPECT_EQ(whole.Translate("IT.20"), "Veneto");
  EXPECT_EQ(whole.Translate("no such key"), "");
  for (const std::size_t length :
       {std::size_t{0}, std::size_t{3}, std::size_t{19}, std::size_t{1000}, bytes.size() / 2})
    EXPECT_EQ(MessageCatalogue::FromBytes(bytes.substr(0, length)).size(), 0u) << length;
  std::string wrongMagic = bytes;
  wrongMagic[0] = 'x';
  EXPECT_EQ(MessageCatalogue::FromBytes(wrongMagic).size(), 0u);
}

// Every zone Qt reads, and the system's own, which on a fresh machine is
// often one the list of available zones lacks.
TEST(ZoneTest, EveryZoneQtReads) {
  const struct {
    const char* zone;
    std::optional<double> meridian;
  } zones[] = {
      {"Etc/UTC", 0.0},         {"UTC", 0.0},          {"GMT", 0.0},           {"Etc/GMT-1", 15.0},
      {"Etc/GMT+5", -75.0},     {"Europe/Rome", 15.0}, {"Europe/Nowhere", {}}, {"", {}},
      {"../../etc/passwd", {}}, {"xyzzy", {}} /* Qt alone would read it as a POSIX rule, UTC */};
  for (const auto& z : zones) {
    EXPECT_EQ(KnownZone(z.zone), z.meridian.has_value()) << z.zone;
    EXPECT_EQ(ZoneMeridianDeg(z.zone), z.meridian) << z.zone;
  }
  EXPECT_TRUE(KnownZone(QString::fromUtf8(QTimeZone::systemTimeZoneId())));
}

// A site exactly 15° from its zone's meridian is what the boxes accept.
TEST(SiteOffsetTest, TheLastDegreeIsIn) {
  const struct {
    double longitude;
    const char* zone;
    int shiftMinutes;  // 0: the zone's own meridian
    const char* offset;
  } sites[] = {{30, "Europe/Rome", 0, "15"},
               {0, "Etc/GMT-1", 0, "-15"},
               {30.0004, "Europe/Rome", 0, "15"},
               // Just over 15 degrees: the next meridian, an hour on.
               {30.0006, "Europe/Rome", -60, "0,001"},
               {-0.0006, "Etc/GMT-1", 60, "-0,001"},
               {-179.9, "Pacific/Kiritimati", 120, "0,1"}};  // +14 h: over the date line
  for (const auto& c : sites) {
    const auto site = SiteFromCoordinates({}, 45, c.longitude, c.zone);
    ASSERT_TRUE(site) << c.zone;
    EXPECT_EQ(site->ZoneShiftMinutes(), c.shiftMinutes) << c.longitude;
    EXPECT_EQ(site->OffsetText(QLocale(QLocale::Italian, QLocale::Italy)), c.offset) << c.longitude;
  }
}

// The index finds whatever the library's own query finds, and more: the
// library looks only at the names in the process's language.
TEST_F(PlaceTest, IndexFindsWhatTheLibraryFinds) {
  for (const char* query : {"trev", "rom", "new y", "san jo", "mün", "venez", "sao", "xi an", "zzq",
                            "Monaco di", "ÉVRY", "saint-am", "trevise", "ri de ja"}) {
    guint length = 0;
    gint* indices =
        geonames_query_cities_sync(query, GEONAMES_QUERY_DEFAULT, &length, nullptr, nullptr);
    std::multiset<std::string> library, ours;
    for (guint k = 0; k < length; ++k) {
      GeonamesCity* city = geonames_get_city(indices[k]);
      library.insert(std::string(geonames_city_get_name(city)) + ", " +
                     geonames_city_get_state(city));
      geonames_city_free(city);
    }
    g_free(indices);
    for (const Town* town : TownIndex::Instance().Find(query, {}, SIZE_MAX))
      ours.insert((town->name + ", " + town->region).toStdString());
    std::vector<std::string> onlyOurs, onlyLibrary;
    std::set_difference(ours.begin(), ours.end(), library.begin(), library.end(),
                        std::back_inserter(onlyOurs));
    std::set_difference(library.begin(), library.end(), ours.begin(), ours.end(),
                        std::back_inserter(onlyLibrary));
    EXPECT_TRUE(onlyLibrary.empty())
        << query << ": " << onlyLibrary.size() << " only by the library (" << onlyLibrary[0] << ")";
  }
}

TEST(AngleReaderTest, UsualFormsBothLanguages) {
  const struct {
    const char* text;
    AngleKind kind;
    std::optional<double> degrees;
  } cases[] = {
      {"45,667", AngleKind::Latitude, 45.667},
      {"-12.24", AngleKind::Longitude, -12.24},
      {"45°40'0\" N", AngleKind::Latitude, 45 + 40 / 60.0},
      {"45°40'0\" S", AngleKind::Latitude, -(45 + 40 / 60.0)},
      {"12 14 30 E", AngleKind::Longitude, 12 + 14 / 60.0 + 30 / 3600.0},
      {"12 14 30 O", AngleKind::Longitude, -(12 + 14 / 60.0 + 30 / 3600.0)},
      {"w 85 9 53", AngleKind::Longitude, -(85 + 9 / 60.0 + 53 / 3600.0)},
      {"45° 40,5′ n", AngleKind::Latitude, 45 + 40.5 / 60},
      {"0", AngleKind::Latitude, 0.0},
      {"180 W", AngleKind::Longitude, -180.0},
      // Refused: minutes or seconds of 60, a fraction before the last part,
      // a sign with a letter, a letter of the other axis, out of range.
      {"45 60 N", AngleKind::Latitude, std::nullopt},
      {"45 10 60", AngleKind::Latitude, std::nullopt},
      {"45,5 10", AngleKind::Latitude, std::nullopt},
      {"-45 S", AngleKind::Latitude, std::nullopt},
      {"45 E", AngleKind::Latitude, std::nullopt},
      {"12 N", AngleKind::Longitude, std::nullopt},
      {"90,001", AngleKind::Latitude, std::nullopt},
      {"181", AngleKind::Longitude, std::nullopt},
      {"", AngleKind::Latitude, std::nullopt},
      {"N", AngleKind::Latitude, std::nullopt},
      {"45 N N", AngleKind::Latitude, std::nullopt},
      {"1e3", AngleKind::Longitude, std::nullopt},
  };
  for (const auto& c : cases) {
    const auto read = ReadAngle(QString::fromUtf8(c.text), c.kind);
    ASSERT_EQ(read.has_value(), c.degrees.has_value()) << c.text;
    if (read) {
      EXPECT_NEAR(*read, *c.degrees, 1e-12) << c.text;
    }
  }
}

TEST(PlaceQueryTest, CountryCodeAfterTheLastComma) {
  const struct {
    const char* text;
    const char* name;
    const char* code;
  } cases[] = {{"Rome, US", "Rome", "US"}, {"rome,us", "rome", "US"},
               {"Treviso", "Treviso", ""}, {"Washington, D.C.", "Washington, D.C.", ""},
               {"a, b, it", "a, b", "IT"}, {"Rome, USA", "Rome, USA", ""},
               {" , IT", "", "IT"},        {"Rome, 1A", "Rome, 1A", ""}};
  for (const auto& c : cases) {
    const PlaceQuery q = SplitPlaceQuery(QString::fromUtf8(c.text));
    EXPECT_EQ(q.name, c.name) << c.text;
    EXPECT_EQ(q.countryCode, c.code) << c.text;
  }
}

}  // namespace
