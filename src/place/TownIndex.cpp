#include "place/TownIndex.h"

#include <algorithm>
#include <cstring>
#include <string>

#ifdef QUINDAL_HAVE_GEONAMES
#include <geonames.h>
#endif

// A town's names as a query meets them: the words of each name folded to
// lower case ("trévise"), each with its plain-ASCII alternate where it has
// one ("trevise").
struct Word {
  std::string folded, ascii;
  bool StartsWith(const std::string& part) const {
    return folded.compare(0, part.size(), part) == 0 ||
           (!ascii.empty() && ascii.compare(0, part.size(), part) == 0);
  }
  bool Is(const std::string& whole) const { return folded == whole || ascii == whole; }
};

struct TownIndex::Entry {
  std::vector<std::vector<Word>> names;  // the translated name, then the English one
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

// The words of `text`, split and folded by GLib as the library's own matching
// does: "Xi'an" is "xi" and "an".
std::vector<std::string> FoldedWords(const char* text) {
  std::vector<std::string> words;
  gchar** tokens = g_str_tokenize_and_fold(text, nullptr, nullptr);
  for (gchar** t = tokens; t && *t; ++t) words.emplace_back(*t);
  g_strfreev(tokens);
  return words;
}

std::vector<Word> NameWords(const char* name) {
  std::vector<Word> words;
  for (const std::string& folded : FoldedWords(name)) {
    gchar** alternates = nullptr;
    gchar** again = g_str_tokenize_and_fold(folded.c_str(), nullptr, &alternates);
    words.push_back({folded, alternates && alternates[0] ? alternates[0] : ""});
    g_strfreev(again);
    g_strfreev(alternates);
  }
  return words;
}

// Whether the query's words start consecutive words of the name: "monaco di"
// in "Monaco di Baviera", "san jo" in "Sant Joan Despí", "rome" in "Ciudad
// Nicolás Romero"; `exact` when they are the whole name.
bool Matches(const std::vector<Word>& name, const std::vector<std::string>& query, bool& exact) {
  if (query.size() > name.size()) return false;
  for (std::size_t start = 0; start + query.size() <= name.size(); ++start) {
    bool all = true;
    for (std::size_t j = 0; j < query.size() && all; ++j)
      all = name[start + j].StartsWith(query[j]);
    if (!all) continue;
    exact = query.size() == name.size() &&
            std::equal(query.begin(), query.end(), name.begin(),
                       [](const std::string& q, const Word& w) { return w.Is(q); });
    return true;
  }
  return false;
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
    entry.names.push_back(NameWords(geonames_city_get_name(city)));
    if (const char* english = EnglishName(city)) entry.names.push_back(NameWords(english));
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
  const std::vector<std::string> wanted = FoldedWords(query.toUtf8().constData());
  if (wanted.empty()) return {};

  // A town called just what was typed comes before the towns whose names
  // merely start with it: "Rome, US" is Rome, Georgia, not Romeoville.
  std::vector<const Town*> named, starting;
  for (std::size_t k = 0; k < towns_.size() && named.size() < limit; ++k) {
    if (!countryCode.isEmpty() && towns_[k].countryCode.compare(countryCode, Qt::CaseInsensitive))
      continue;
    bool found = false, exact = false;
    for (const std::vector<Word>& name : entries_[k].names) {
      bool whole = false;
      if (Matches(name, wanted, whole)) {
        found = true;
        exact = exact || whole;
      }
    }
    if (found) (exact ? named : starting).push_back(&towns_[k]);
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
