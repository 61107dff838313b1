#include "place/MessageCatalogue.h"

#include <QFile>
#include <algorithm>
#include <cstdint>
#include <optional>

namespace {

// The file's words are in the byte order of the machine that compiled it; the
// magic number says which.
constexpr std::uint32_t kMagic = 0x950412de;
constexpr std::uint32_t kMagicSwapped = 0xde120495;

class Reader {
 public:
  explicit Reader(const std::string& bytes) : bytes_(bytes) {}

  std::optional<std::uint32_t> Word(std::size_t at) const {
    if (at > bytes_.size() || bytes_.size() - at < 4) return std::nullopt;
    std::uint32_t w = 0;
    for (int k = 0; k < 4; ++k) {
      const auto byte = static_cast<std::uint8_t>(bytes_[at + static_cast<std::size_t>(k)]);
      w |= std::uint32_t{byte} << (swapped_ ? 8 * (3 - k) : 8 * k);
    }
    return w;
  }

  // The string whose length and offset stand at `at` in a table.
  std::optional<std::string_view> String(std::size_t at) const {
    const auto length = Word(at), offset = Word(at + 4);
    if (!length || !offset || *offset > bytes_.size() || bytes_.size() - *offset < *length)
      return std::nullopt;
    return std::string_view(bytes_).substr(*offset, *length);
  }

  bool ReadMagic() {
    const auto magic = Word(0);
    if (magic == kMagicSwapped) {
      swapped_ = true;
      return true;
    }
    return magic == kMagic;
  }

 private:
  const std::string& bytes_;
  bool swapped_ = false;
};

}  // namespace

std::optional<MessageCatalogue::Entries> MessageCatalogue::EntriesOf(const std::string& bytes) {
  Reader reader(bytes);
  if (!reader.ReadMagic()) return std::nullopt;
  const auto count = reader.Word(8), originals = reader.Word(12), translations = reader.Word(16);
  if (!count || !originals || !translations) return std::nullopt;
  Entries entries;
  entries.reserve(std::min<std::size_t>(*count, bytes.size() / 16));
  for (std::uint32_t k = 0; k < *count; ++k) {
    const auto key = reader.String(std::size_t{*originals} + 8 * std::size_t{k});
    const auto text = reader.String(std::size_t{*translations} + 8 * std::size_t{k});
    if (!key || !text) return std::nullopt;  // a damaged table: trust none of it
    // The empty key holds the catalogue's header, not a translation.
    if (!key->empty() && !text->empty()) entries.emplace_back(*key, *text);
  }
  return entries;
}

MessageCatalogue MessageCatalogue::FromBytes(const std::string& bytes) {
  MessageCatalogue catalogue;
  if (const std::optional<Entries> entries = EntriesOf(bytes))
    for (const auto& [key, text] : *entries) catalogue.translations_.emplace(key, text);
  return catalogue;
}

std::string MessageCatalogue::FileBytes(const QString& localeDir, const QString& language,
                                        const QString& domain) {
  QFile file(localeDir + u'/' + language + QStringLiteral("/LC_MESSAGES/") + domain +
             QStringLiteral(".mo"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll().toStdString();
}

MessageCatalogue MessageCatalogue::Load(const QString& localeDir, const QString& language,
                                        const QString& domain) {
  return FromBytes(FileBytes(localeDir, language, domain));
}

QString MessageCatalogue::Translate(const std::string& key) const {
  const auto found = translations_.find(key);
  return found == translations_.end() ? QString() : QString::fromStdString(found->second);
}
