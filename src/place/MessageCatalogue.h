#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

// A compiled gettext catalogue (a GNU .mo file) read from its file, so that
// its translations can be had in one language whatever the process's locale:
// under the C locale gettext itself translates nothing, LANGUAGE or not.
class MessageCatalogue {
 public:
  // The catalogue `domain` for `language` under `localeDir`
  // ("/usr/share/locale/it/LC_MESSAGES/geonames.mo"); empty when the file is
  // missing or not a catalogue.
  static MessageCatalogue Load(const QString& localeDir, const QString& language,
                               const QString& domain);
  // The bytes of that file, or empty.
  static std::string FileBytes(const QString& localeDir, const QString& language,
                               const QString& domain);
  // The same, from a file's bytes; empty for anything that is not a catalogue.
  static MessageCatalogue FromBytes(const std::string& bytes);

  // Every key and its translation in a catalogue's bytes, header and empty
  // translations left out, viewed in `bytes`; nothing for a damaged table.
  using Entries = std::vector<std::pair<std::string_view, std::string_view>>;
  static std::optional<Entries> EntriesOf(const std::string& bytes);

  // The translation of `key`, or empty when the catalogue has none.
  QString Translate(const std::string& key) const;

  std::size_t size() const { return translations_.size(); }

 private:
  std::unordered_map<std::string, std::string> translations_;
};
