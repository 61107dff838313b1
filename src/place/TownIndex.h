#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "place/Town.h"

// Every town of the offline list in memory, found by name as the list's own
// library finds it (each word of the query starts a word of the Italian or
// the English name, accents and case aside), most populous first. The towns,
// their regions and countries are named in Italian whatever the system's
// language. Loading takes about a third of a second; a search then well
// under a millisecond.
class TownIndex {
 public:
  // Whether this build has the town list at all.
  static bool Available();

  // The towns of the list, loaded on first use; an empty index where the
  // list is not available. Safe to call from any thread.
  static const TownIndex& Instance();

  // Loads the whole list now (an empty index where it is not available).
  static TownIndex Load();

  // The towns whose name matches `query`, most populous first, at most
  // `limit`; only those of `countryCode` ("IT", any case) when it is given.
  std::vector<const Town*> Find(const QString& query, const QString& countryCode = {},
                                std::size_t limit = 500) const;

  // The towns one of whose names is `name`, case and accents aside, most
  // populous first, at most `limit`; only those of `countryCode` when given.
  std::vector<const Town*> Named(const QString& name, const QString& countryCode = {},
                                 std::size_t limit = 500) const;

  // Up to `limit` towns one of whose names is spelt nearly as `name` (a
  // letter or two wrong, missing, extra or swapped: "trevsio" for Treviso),
  // nearest first, then most populous; only those of `countryCode` when given.
  std::vector<const Town*> SpeltLike(const QString& name, const QString& countryCode = {},
                                     std::size_t limit = 3) const;

  std::size_t size() const { return towns_.size(); }

  struct Entry;  // how a town is found

  TownIndex();
  TownIndex(TownIndex&&) noexcept;
  TownIndex& operator=(TownIndex&&) noexcept;
  ~TownIndex();

 private:
  std::vector<Town> towns_;         // most populous first
  std::unique_ptr<Entry> entries_;  // how each town is found
};
