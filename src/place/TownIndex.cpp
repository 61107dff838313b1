#include "place/TownIndex.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <thread>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#ifdef QUINDAL_HAVE_GEONAMES
#include <QDir>
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
    std::string_view text;  // a word, or its ASCII alternate, in `names`
    std::uint32_t town;
    std::uint16_t name, word;
    bool operator<(const Spot& other) const { return text < other.text; }
  };
  std::vector<Spot> words;  // sorted by text
  // Every name whole, words joined by a blank, for the spelling
  // suggestions: made the first time one is asked for.
  struct Spelling {
    std::string text;
    std::uint32_t town;
  };
  std::once_flag spelled;
  std::vector<Spelling> spellings;
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

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 128; });
}

// Whether a folded word is written in Latin letters, the only ones whose
// plain-ASCII alternate says anything: up to U+024F, and U+1E00 ... U+1EFF.
bool IsLatin(std::string_view word) {
  for (std::size_t k = 0; k < word.size(); ++k) {
    const auto byte = static_cast<unsigned char>(word[k]);
    if (byte < 0xC0) continue;  // ASCII, or a continuation byte
    if (byte >= 0xC2 && byte <= 0xC9) continue;
    if (byte == 0xE1 && k + 1 < word.size() && static_cast<unsigned char>(word[k + 1]) >= 0xB8 &&
        static_cast<unsigned char>(word[k + 1]) <= 0xBB)
      continue;
    return false;
  }
  return true;
}

// The words of `text`, split and folded by GLib as the library's own matching
// does: "Xi'an" is "xi" and "an". Plain ASCII, the most of the names, is
// split at every character that is no letter or digit and put in lower case
// here, as GLib would, without its Unicode tables.
std::vector<std::string> FoldedWords(const char* text) {
  std::vector<std::string> words;
  if (IsAscii(text)) {
    std::string word;
    for (const char* c = text;; ++c) {
      if (*c && std::isalnum(static_cast<unsigned char>(*c))) {
        word += char(std::tolower(static_cast<unsigned char>(*c)));
      } else {
        if (!word.empty()) words.push_back(std::move(word));
        word.clear();
        if (!*c) return words;
      }
    }
  }
  gchar** tokens = g_str_tokenize_and_fold(text, nullptr, nullptr);
  for (gchar** t = tokens; t && *t; ++t) words.emplace_back(*t);
  g_strfreev(tokens);
  return words;
}

std::vector<Word> NameWords(const char* name) {
  std::vector<Word> words;
  for (std::string& folded : FoldedWords(name)) {
    std::string ascii;
    // Only a word with other Latin letters has an alternate.
    if (!IsAscii(folded) && IsLatin(folded)) {
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

// The folder of the library's catalogues, one a language.
QString CatalogueFolder() {
  const char* dir = bindtextdomain("geonames", nullptr);
  return QString::fromUtf8(dir ? dir : "/usr/share/locale");
}

// The library translates through gettext, in the process's language, and not
// at all under the C locale. The program speaks Italian: read the Italian
// catalogue itself. Its keys are GeoNames ids for towns, "IT" for countries
// and "IT.20" for regions.
MessageCatalogue ItalianNames() {
  return MessageCatalogue::Load(CatalogueFolder(), QStringLiteral("it"),
                                QStringLiteral("geonames"));
}

// The Italian word for `key`, or `english` where the catalogue has none.
QString Italian(const MessageCatalogue& italian, const std::string& key, const char* english) {
  const QString translated = italian.Translate(key);
  return translated.isEmpty() ? QString::fromUtf8(english) : translated;
}

// A town as it is read, with every name it is found by.
struct LoadedTown {
  Town town;
  std::vector<std::string> names;  // each once

  void AddName(std::string_view name) {
    if (std::find(names.begin(), names.end(), name) == names.end()) names.emplace_back(name);
  }
};

// The town of one record of the list, named in Italian; found by its Italian
// and English names (and, later, by those of every other language).
LoadedTown ReadTown(const Record& r, const MessageCatalogue& italian) {
  LoadedTown loaded;
  Town& town = loaded.town;
  town.name = Italian(italian, r.id, r.english);
  town.region = Italian(italian, std::string(r.countryCode) + '.' + r.regionCode, r.region);
  town.country = Italian(italian, r.countryCode, r.country);
  town.englishName = QString::fromUtf8(r.english);
  town.englishRegion = QString::fromUtf8(r.region);
  town.englishCountry = QString::fromUtf8(r.country);
  town.countryCode = QString::fromUtf8(r.countryCode);
  town.zone = QString::fromUtf8(r.zone);
  town.latitude = r.latitude;
  town.longitude = r.longitude;
  town.population = r.population;
  loaded.AddName(town.name.toStdString());
  loaded.AddName(r.english);
  return loaded;
}

// Every town's names in every language the library has a catalogue for
// ("Lisboa", "München", "Bozen"): a catalogue's keys of digits alone are
// GeoNames ids of towns.
void AddEveryLanguage(std::vector<LoadedTown>& towns,
                      const std::unordered_map<std::string_view, std::size_t>& byId) {
  const QString folder = CatalogueFolder();
  for (const QString& language : QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    const std::string bytes =
        MessageCatalogue::FileBytes(folder, language, QStringLiteral("geonames"));
    const std::optional<MessageCatalogue::Entries> entries = MessageCatalogue::EntriesOf(bytes);
    if (!entries) continue;
    for (const auto& [key, name] : *entries) {
      if (key.empty() ||
          !std::all_of(key.begin(), key.end(), [](char c) { return c >= '0' && c <= '9'; }))
        continue;
      if (const auto town = byId.find(key); town != byId.end()) towns[town->second].AddName(name);
    }
  }
}

// Every town's names split into words and folded, town by town; every other
// town on a second thread, since folding is most of the loading and the
// large towns, first, have the most names.
std::vector<std::vector<std::vector<Word>>> FoldedNames(const std::vector<LoadedTown>& towns) {
  std::vector<std::vector<std::vector<Word>>> folded(towns.size());
  const auto fold = [&](std::size_t first) {
    for (std::size_t t = first; t < towns.size(); t += 2)
      for (const std::string& name : towns[t].names) folded[t].push_back(NameWords(name.c_str()));
  };
  std::thread other(fold, 1);
  fold(0);
  other.join();
  return folded;
}

}  // namespace

bool TownIndex::Available() { return true; }

TownIndex TownIndex::Load() {
  const MessageCatalogue italian = ItalianNames();
  const int count = std::max(geonames_get_n_cities(), 0);
  std::vector<LoadedTown> loaded;
  std::vector<std::string> ids;  // each town's GeoNames id, in the order read
  loaded.reserve(static_cast<std::size_t>(count));
  ids.reserve(static_cast<std::size_t>(count));
  for (int k = 0; k < count; ++k) {
    GeonamesCity* city = geonames_get_city(k);
    if (!city) continue;
    if (const std::optional<Record> record = ReadRecord(city)) {
      loaded.push_back(ReadTown(*record, italian));
      ids.emplace_back(record->id);
    }  // else a list of another shape: nothing of it can be trusted
    geonames_city_free(city);
  }
  std::unordered_map<std::string_view, std::size_t> byId;
  for (std::size_t k = 0; k < ids.size(); ++k) byId.emplace(ids[k], k);
  AddEveryLanguage(loaded, byId);
  std::stable_sort(loaded.begin(), loaded.end(), [](const LoadedTown& a, const LoadedTown& b) {
    return a.town.population > b.town.population;
  });

  TownIndex index;
  index.entries_ = std::make_unique<Entry>();
  Entry& entry = *index.entries_;
  entry.names = FoldedNames(loaded);
  for (LoadedTown& town : loaded) {
    const auto t = static_cast<std::uint32_t>(index.towns_.size());
    // The words stay where they are from now on: the spots look at them.
    const std::vector<std::vector<Word>>& names = entry.names[t];
    for (std::size_t n = 0; n < names.size(); ++n) {
      for (std::size_t w = 0; w < names[n].size(); ++w) {
        const auto spot = [&](std::string_view text) {
          entry.words.push_back(
              {text, t, static_cast<std::uint16_t>(n), static_cast<std::uint16_t>(w)});
        };
        spot(names[n][w].folded);
        if (!names[n][w].ascii.empty()) spot(names[n][w].ascii);
      }
    }
    index.towns_.push_back(std::move(town.town));
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

namespace {

// The distance between `a` and `b` counting a letter changed, added, taken
// away or two swapped as one step, or `bound` + 1 once it is over `bound`:
// only the band of cells within `bound` of the diagonal is worked out.
std::size_t SpellingDistance(std::string_view a, std::string_view b, std::size_t bound) {
  const std::size_t over = bound + 1;
  if ((a.size() > b.size() ? a.size() - b.size() : b.size() - a.size()) > bound) return over;
  std::vector<std::size_t> before(b.size() + 1, over), previous(b.size() + 1), row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) previous[j] = std::min(j, over);
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::fill(row.begin(), row.end(), over);
    row[0] = std::min(i, over);
    std::size_t best = row[0];
    const std::size_t from = i > bound ? i - bound : 1, to = std::min(b.size(), i + bound);
    for (std::size_t j = from; j <= to; ++j) {
      std::size_t d = std::min(
          {previous[j] + 1, row[j - 1] + 1, previous[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
        d = std::min(d, before[j - 2] + 1);
      row[j] = std::min(d, over);
      best = std::min(best, row[j]);
    }
    if (best > bound) return over;
    before.swap(previous);
    previous.swap(row);
  }
  return std::min(previous[b.size()], over);
}

std::string Joined(const std::vector<std::string>& words) {
  std::string text;
  for (const std::string& word : words) text += (text.empty() ? "" : " ") + word;
  return text;
}

}  // namespace

std::vector<const Town*> TownIndex::SpeltLike(const QString& name, const QString& countryCode,
                                              std::size_t limit) const {
  if (!entries_) return {};
  Entry& entry = *entries_;
  std::call_once(entry.spelled, [&] {
    for (std::size_t t = 0; t < entry.names.size(); ++t) {
      for (const std::vector<Word>& words : entry.names[t]) {
        std::vector<std::string> folded, plain;
        for (const Word& w : words) {
          folded.push_back(w.folded);
          plain.push_back(w.ascii.empty() ? w.folded : w.ascii);
        }
        entry.spellings.push_back({Joined(folded), std::uint32_t(t)});
        if (plain != folded) entry.spellings.push_back({Joined(plain), std::uint32_t(t)});
      }
    }
  });
  const std::string wanted = Joined(PlainWords(FoldedWords(name.toUtf8().constData())));
  if (wanted.empty()) return {};
  const std::size_t bound = wanted.size() <= 4 ? 1 : 2;
  std::vector<std::size_t> nearest(towns_.size(), bound + 1);
  for (const Entry::Spelling& s : entry.spellings)
    nearest[s.town] = std::min(nearest[s.town], SpellingDistance(wanted, s.text, bound));
  std::vector<const Town*> towns;
  for (std::size_t distance = 1; distance <= bound; ++distance) {
    for (std::size_t k = 0; k < towns_.size() && towns.size() < limit; ++k) {
      if (nearest[k] != distance) continue;
      if (!countryCode.isEmpty() && towns_[k].countryCode.compare(countryCode, Qt::CaseInsensitive))
        continue;
      towns.push_back(&towns_[k]);
    }
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
std::vector<const Town*> TownIndex::SpeltLike(const QString&, const QString&, std::size_t) const {
  return {};
}

#endif
