#include "place/TownIndex.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

#ifdef QUINDAL_HAVE_GEONAMES
#include <geonames.h>
#include <libintl.h>

#include "place/MessageCatalogue.h"
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

// One record of the list as the library keeps it: the GeoNames id, then the
// English names of the town, its region and its country, with their codes.
struct Record {
  const char *id, *english, *regionCode, *region, *countryCode, *country, *zone;
  guint32 population;
  double latitude, longitude;
};

std::optional<Record> ReadRecord(GeonamesCity* city) {
  if (std::strcmp(g_variant_get_type_string(city), "(sssssssudd)") != 0) return std::nullopt;
  Record r{};
  g_variant_get(city, "(&s&s&s&s&s&s&sudd)", &r.id, &r.english, &r.regionCode, &r.region,
                &r.countryCode, &r.country, &r.zone, &r.population, &r.latitude, &r.longitude);
  return r;
}

// The library translates through gettext, in the process's language, and not
// at all under the C locale. The program speaks Italian: read the Italian
// catalogue itself. Its keys are GeoNames ids for towns, "IT" for countries
// and "IT.20" for regions.
MessageCatalogue ItalianNames() {
  const char* dir = bindtextdomain("geonames", nullptr);
  return MessageCatalogue::Load(QString::fromUtf8(dir ? dir : "/usr/share/locale"),
                                QStringLiteral("it"), QStringLiteral("geonames"));
}

// The Italian word for `key`, or `english` where the catalogue has none.
QString Italian(const MessageCatalogue& italian, const std::string& key, const char* english) {
  const QString translated = italian.Translate(key);
  return translated.isEmpty() ? QString::fromUtf8(english) : translated;
}

}  // namespace

bool TownIndex::Available() { return true; }

TownIndex TownIndex::Load() {
  const MessageCatalogue italian = ItalianNames();
  const int count = std::max(geonames_get_n_cities(), 0);
  std::vector<std::pair<Town, std::vector<std::vector<Word>>>> loaded;
  loaded.reserve(static_cast<std::size_t>(count));
  for (int k = 0; k < count; ++k) {
    GeonamesCity* city = geonames_get_city(k);
    if (!city) continue;
    const std::optional<Record> record = ReadRecord(city);
    if (!record) {  // a list of another shape: nothing of it can be trusted
      geonames_city_free(city);
      continue;
    }
    const Record& r = *record;
    Town town;
    town.name = Italian(italian, r.id, r.english);
    town.region = Italian(italian, std::string(r.countryCode) + '.' + r.regionCode, r.region);
    town.country = Italian(italian, r.countryCode, r.country);
    town.countryCode = QString::fromUtf8(r.countryCode);
    town.zone = QString::fromUtf8(r.zone);
    town.latitude = r.latitude;
    town.longitude = r.longitude;
    town.population = r.population;
    // Found by its Italian and English names, and by the name in the
    // system's language where that is a third one.
    std::vector<QByteArray> texts = {town.name.toUtf8()};
    for (const char* other : {r.english, geonames_city_get_name(city)})
      if (std::find(texts.begin(), texts.end(), QByteArray(other)) == texts.end())
        texts.emplace_back(other);
    std::vector<std::vector<Word>> names;
    for (const QByteArray& text : texts) names.push_back(NameWords(text.constData()));
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
          entry.words.push_back(
              {text, t, static_cast<std::uint16_t>(n), static_cast<std::uint16_t>(w)});
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

namespace {

// Each town's mark for the query `wanted`: 0 no match, 1 a word of a name
// starts with the query, 2 a name is the query. The index looks only at the
// names holding a word that starts with the query's first word, then matches
// the rest of the query on the words after it.
std::vector<std::uint8_t> Marks(const TownIndex::Entry& entry,
                                const std::vector<std::string>& wanted) {
  std::vector<std::uint8_t> found(entry.names.size(), 0);
  if (wanted.empty()) return found;
  const std::string& first = wanted.front();
  auto spot = std::lower_bound(entry.words.begin(), entry.words.end(),
                               TownIndex::Entry::Spot{first, 0, 0, 0});
  for (; spot != entry.words.end() && spot->text.compare(0, first.size(), first) == 0; ++spot) {
    if (found[spot->town] == 2) continue;
    const std::vector<Word>& name = entry.names[spot->town][spot->name];
    if (!MatchesFrom(name, spot->word, wanted)) continue;
    found[spot->town] = spot->word == 0 && IsWholeName(name, wanted) ? 2 : 1;
  }
  return found;
}

// The query's words with their accents taken off, where that changes them.
std::vector<std::string> PlainWords(const std::vector<std::string>& words) {
  std::vector<std::string> plain;
  for (const std::string& word : words) {
    const std::vector<Word> alternate = NameWords(word.c_str());
    plain.push_back(alternate.size() == 1 && !alternate[0].ascii.empty() ? alternate[0].ascii
                                                                         : word);
  }
  return plain;
}

}  // namespace

std::vector<const Town*> TownIndex::Find(const QString& query, const QString& countryCode,
                                         std::size_t limit) const {
  if (!entries_) return {};
  const std::vector<std::uint8_t> found = Marks(*entries_, FoldedWords(query.toUtf8().constData()));

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

std::vector<const Town*> TownIndex::Named(const QString& name, const QString& countryCode,
                                          std::size_t limit) const {
  if (!entries_) return {};
  // Accents aside both ways: "Citta" names Città, and "Città" a Citta.
  const std::vector<std::string> wanted = FoldedWords(name.toUtf8().constData());
  std::vector<std::uint8_t> found = Marks(*entries_, wanted);
  if (const std::vector<std::string> plain = PlainWords(wanted); plain != wanted) {
    const std::vector<std::uint8_t> more = Marks(*entries_, plain);
    for (std::size_t k = 0; k < found.size(); ++k) found[k] = std::max(found[k], more[k]);
  }
  std::vector<const Town*> towns;
  for (std::size_t k = 0; k < towns_.size() && towns.size() < limit; ++k) {
    if (found[k] != 2) continue;
    if (!countryCode.isEmpty() && towns_[k].countryCode.compare(countryCode, Qt::CaseInsensitive))
      continue;
    towns.push_back(&towns_[k]);
  }
  return towns;
}

#else  // no town list in this build

bool TownIndex::Available() { return false; }
TownIndex TownIndex::Load() { return {}; }
std::vector<const Town*> TownIndex::Find(const QString&, const QString&, std::size_t) const {
  return {};
}
std::vector<const Town*> TownIndex::Named(const QString&, const QString&, std::size_t) const {
  return {};
}

#endif
