#include "place/TownIndex.h"

#include <algorithm>
#include <cstring>
#include <string>

#ifdef QUINDAL_HAVE_GEONAMES
#include <geonames.h>
#endif

// The words of a town's names, folded to lower case, with their plain-ASCII
// alternates ("trévise" and "trevise"): what a query's words must start.
struct TownIndex::Entry {
  std::vector<std::string> words;
  std::vector<std::string> wholeNames;  // each name's folded words, joined by blanks
};

TownIndex::TownIndex() = default;
TownIndex::TownIndex(TownIndex&&) noexcept = default;
TownIndex& TownIndex::operator=(TownIndex&&) noexcept = default;
TownIndex::~TownIndex() = default;

const TownIndex& TownIndex::Instance() {
  static const TownIndex index = Load();  // thread-safe initialisation
  return index;
}

#ifdef QUINDAL_HAVE_GEONAMES

namespace {

// The folded words of `text`, joined by blanks.
std::string Joined(gchar** tokens) {
  std::string joined;
  for (gchar** t = tokens; t && *t; ++t) {
    if (!joined.empty()) joined += ' ';
    joined += *t;
  }
  return joined;
}

// Folds `text` into words as GLib's string matching does, alternates too.
void AddName(const char* text, TownIndex::Entry& entry) {
  if (!text) return;
  gchar** alternates = nullptr;
  gchar** tokens = g_str_tokenize_and_fold(text, nullptr, &alternates);
  for (gchar** t = tokens; t && *t; ++t) entry.words.emplace_back(*t);
  for (gchar** t = alternates; t && *t; ++t) entry.words.emplace_back(*t);
  entry.wholeNames.push_back(Joined(tokens));
  g_strfreev(tokens);
  g_strfreev(alternates);
}

// The town's English name. The accessor gives the name in the language of
// the locale; the record itself keeps the English one second, after the id.
const char* EnglishName(GeonamesCity* city) {
  if (std::strcmp(g_variant_get_type_string(city), "(sssssssudd)") != 0) return nullptr;
  const char* name = nullptr;
  g_variant_get_child(city, 1, "&s", &name);
  return name;
}

}  // namespace

bool TownIndex::Available() { return true; }

TownIndex TownIndex::Load() {
  const int count = geonames_get_n_cities();
  std::vector<std::pair<Town, Entry>> loaded;
  loaded.reserve(static_cast<std::size_t>(std::max(count, 0)));
  for (int k = 0; k < count; ++k) {
    GeonamesCity* city = geonames_get_city(k);
    if (!city) continue;
    Town town;
    town.name = QString::fromUtf8(geonames_city_get_name(city));
    town.region = QString::fromUtf8(geonames_city_get_state(city));
    town.country = QString::fromUtf8(geonames_city_get_country(city));
    town.countryCode = QString::fromUtf8(geonames_city_get_country_code(city));
    town.zone = QString::fromUtf8(geonames_city_get_timezone(city));
    town.latitude = geonames_city_get_latitude(city);
    town.longitude = geonames_city_get_longitude(city);
    town.population = geonames_city_get_population(city);
    Entry entry;
    AddName(geonames_city_get_name(city), entry);
    AddName(EnglishName(city), entry);
    geonames_city_free(city);
    loaded.emplace_back(std::move(town), std::move(entry));
  }
  std::stable_sort(loaded.begin(), loaded.end(), [](const auto& a, const auto& b) {
    return a.first.population > b.first.population;
  });
  TownIndex index;
  for (auto& [town, entry] : loaded) {
    index.towns_.push_back(std::move(town));
    index.entries_.push_back(std::move(entry));
  }
  return index;
}

std::vector<const Town*> TownIndex::Find(const QString& query, const QString& countryCode,
                                         std::size_t limit) const {
  const QByteArray utf8 = query.toUtf8();
  gchar** tokens = g_str_tokenize_and_fold(utf8.constData(), nullptr, nullptr);
  std::vector<std::string> wanted;
  for (gchar** t = tokens; t && *t; ++t) wanted.emplace_back(*t);
  const std::string whole = Joined(tokens);
  g_strfreev(tokens);
  if (wanted.empty()) return {};

  // A town called just what was typed comes before the towns whose names
  // merely start with it: "Rome, US" is Rome, Georgia, not Romeoville.
  std::vector<const Town*> named, starting;
  for (std::size_t k = 0; k < towns_.size() && named.size() < limit; ++k) {
    if (!countryCode.isEmpty() && towns_[k].countryCode.compare(countryCode, Qt::CaseInsensitive))
      continue;
    const Entry& entry = entries_[k];
    const bool all = std::all_of(wanted.begin(), wanted.end(), [&](const std::string& w) {
      return std::any_of(entry.words.begin(), entry.words.end(),
                         [&](const std::string& word) { return word.compare(0, w.size(), w) == 0; });
    });
    if (!all) continue;
    const bool exact =
        std::find(entry.wholeNames.begin(), entry.wholeNames.end(), whole) != entry.wholeNames.end();
    (exact ? named : starting).push_back(&towns_[k]);
  }
  named.insert(named.end(), starting.begin(), starting.end());
  if (named.size() > limit) named.resize(limit);
  return named;
}

#else  // no town list in this build

bool TownIndex::Available() { return false; }
TownIndex TownIndex::Load() { return {}; }
std::vector<const Town*> TownIndex::Find(const QString&, const QString&, std::size_t) const {
  return {};
}

#endif
