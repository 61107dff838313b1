#include "place/TownIndex.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#ifdef QUINDAL_HAVE_GEONAMES
#include <geonames.h>
#endif

namespace {

// A word of a town's name as a query meets it: folded to lower case
// ("trévise"), with its plain-ASCII alternate where it has one ("trevise").
struct Word {
  std::string folded, ascii;
  bool StartsWith(const std::string& part) const {
    return folded.compare(0, part.size(), part) == 0 ||
           (!ascii.empty() && ascii.compare(0, part.size(), part) == 0);
  }
  bool Is(const std::string& whole) const { return folded == whole || ascii == whole; }
};

}  // namespace

// Every town's names, word by word (the translated name, then the English
// one), and every word of every name in one sorted list, so that a search
// looks only at the names that hold a word starting with the query's first.
struct TownIndex::Entry {
  std::vector<std::vector<std::vector<Word>>> names;  // town, name, word
  struct Spot {
    std::string text;  // a word, or its ASCII alternate
    std::uint32_t town;
    std::uint16_t name, word;
    bool operator<(const Spot& other) const { return text < other.text; }
  };
  std::vector<Spot> words;  // sorted by text
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
  for (std::string& folded : FoldedWords(name)) {
    std::string ascii;
    const bool plain = std::all_of(folded.begin(), folded.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 128; });
    if (!plain) {  // only a word with other letters has an alternate
      gchar** alternates = nullptr;
      g_strfreev(g_str_tokenize_and_fold(folded.c_str(), nullptr, &alternates));
      if (alternates && alternates[0]) ascii = alternates[0];
      g_strfreev(alternates);
    }
    words.push_back({std::move(folded), std::move(ascii)});
  }
  return words;
}

// Whether the query's words start consecutive words of `name` from word
// `first` on: "monaco di" in "Monaco di Baviera", "san jo" in "Sant Joan
// Despí", "rome" in "Ciudad Nicolás Romero".
bool MatchesFrom(const std::vector<Word>& name, std::size_t first,
                 const std::vector<std::string>& query) {
  if (first + query.size() > name.size()) return false;
  for (std::size_t j = 0; j < query.size(); ++j)
    if (!name[first + j].StartsWith(query[j])) return false;
  return true;
}

// Whether the query is the whole name.
bool IsWholeName(const std::vector<Word>& name, const std::vector<std::string>& query) {
  return name.size() == query.size() &&
         std::equal(query.begin(), query.end(), name.begin(),
                    [](const std::string& q, const Word& w) { return w.Is(q); });
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
  const int count = std::max(geonames_get_n_cities(), 0);
  std::vector<std::pair<Town, std::vector<std::vector<Word>>>> loaded;
  loaded.reserve(static_cast<std::size_t>(count));
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
    std::vector<std::vector<Word>> names = {NameWords(geonames_city_get_name(city))};
    const char* english = EnglishName(city);
    if (english && std::strcmp(english, geonames_city_get_name(city)) != 0)
      names.push_back(NameWords(english));
    geonames_city_free(city);
    loaded.emplace_back(std::move(town), std::move(names));
  }
  std::stable_sort(loaded.begin(), loaded.end(), [](const auto& a, const auto& b) {
    return a.first.population > b.first.population;
  });

  TownIndex index;
  index.entries_ = std::make_unique<Entry>();
  Entry& entry = *index.entries_;
  for (auto& [town, names] : loaded) {
    const auto t = static_cast<std::uint32_t>(index.towns_.size());
    for (std::size_t n = 0; n < names.size(); ++n) {
      for (std::size_t w = 0; w < names[n].size(); ++w) {
        const auto spot = [&](const std::string& text) {
          entry.words.push_back({text, t, static_cast<std::uint16_t>(n), static_cast<std::uint16_t>(w)});
        };
        spot(names[n][w].folded);
        if (!names[n][w].ascii.empty()) spot(names[n][w].ascii);
      }
    }
    index.towns_.push_back(std::move(town));
    entry.names.push_back(std::move(names));
  }
  std::sort(entry.words.begin(), entry.words.end());
  return index;
}

std::vector<const Town*> TownIndex::Find(const QString& query, const QString& countryCode,
                                         std::size_t limit) const {
  const std::vector<std::string> wanted = FoldedWords(query.toUtf8().constData());
  if (wanted.empty() || !entries_) return {};

  // Every name holding a word that starts with the query's first word, then
  // the rest of the query on the words after it.
  std::vector<std::uint8_t> found(towns_.size(), 0);  // 1 matched, 2 the whole name
  const Entry& entry = *entries_;
  const std::string& first = wanted.front();
  auto spot = std::lower_bound(entry.words.begin(), entry.words.end(), Entry::Spot{first, 0, 0, 0});
  for (; spot != entry.words.end() && spot->text.compare(0, first.size(), first) == 0; ++spot) {
    if (found[spot->town] == 2) continue;
    const std::vector<Word>& name = entry.names[spot->town][spot->name];
    if (!MatchesFrom(name, spot->word, wanted)) continue;
    found[spot->town] = spot->word == 0 && IsWholeName(name, wanted) ? 2 : 1;
  }

  // A town called just what was typed comes before the towns whose names
  // merely start with it: "Rome, US" is Rome, Georgia, not Romeoville. Each
  // group keeps the order of population.
  std::vector<const Town*> named, starting;
  for (std::size_t k = 0; k < towns_.size() && named.size() < limit; ++k) {
    if (!found[k]) continue;
    if (!countryCode.isEmpty() && towns_[k].countryCode.compare(countryCode, Qt::CaseInsensitive))
      continue;
    (found[k] == 2 ? named : starting).push_back(&towns_[k]);
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
