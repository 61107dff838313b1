#include "project/ProjectFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStringDecoder>
#include <cmath>

namespace {

class ProjectFile {
  Q_DECLARE_TR_FUNCTIONS(ProjectFile)
};

const QString kHours[] = {QStringLiteral("astronomiche"), QStringLiteral("temporarie")};
const QString kDates[] = {QStringLiteral("mesi"), QStringLiteral("decadi")};

// Reads one key of `object`; every miss says which key and why.
class Keys {
 public:
  Keys(const QJsonObject& object, QString where, QString& problem)
      : object_(object), where_(std::move(where)), problem_(problem) {}

  std::optional<double> Number(const QString& key) {
    const QJsonValue value = object_.value(key);
    if (value.isUndefined()) return Fail(key, ProjectFile::tr("\"%1\" manca")), std::nullopt;
    if (!value.isDouble())
      return Fail(key, ProjectFile::tr("\"%1\" non è un numero")), std::nullopt;
    return value.toDouble();
  }
  // Absent: `fallback`.
  std::optional<QString> Text(const QString& key, const QString& fallback = {}) {
    const QJsonValue value = object_.value(key);
    if (value.isUndefined()) return fallback;
    if (!value.isString()) return Fail(key, ProjectFile::tr("\"%1\" non è un testo")), std::nullopt;
    return value.toString();
  }
  // One of `words`, as its index; absent: the first.
  template <std::size_t N>
  std::optional<int> Word(const QString& key, const QString (&words)[N]) {
    const std::optional<QString> text = Text(key, words[0]);
    if (!text) return std::nullopt;
    for (std::size_t k = 0; k < N; ++k)
      if (*text == words[k]) return int(k);
    Fail(key,
         ProjectFile::tr("\"%1\" vuole %2 o %3").arg(QStringLiteral("%1"), words[0], words[1]));
    return std::nullopt;
  }
  // What the reader does not know, to be written back.
  QJsonObject Rest(std::initializer_list<const char*> known) const {
    QJsonObject rest = object_;
    for (const char* key : known) rest.remove(QString::fromUtf8(key));
    return rest;
  }

 private:
  // `why` names the key as %1.
  void Fail(const QString& key, const QString& why) { problem_ = why.arg(where_ + key); }
  const QJsonObject& object_;
  QString where_;
  QString& problem_;
};

std::optional<QJsonObject> ProjectObject(const QByteArray& bytes, QString& problem) {
  if (bytes.size() > kLargestProjectFile) {
    problem = ProjectFile::tr("è troppo grande per un progetto (più di 1 MB)");
    return std::nullopt;
  }
  QStringDecoder utf8(QStringDecoder::Utf8);
  (void)QString(utf8.decode(bytes));
  if (utf8.hasError()) {
    problem = ProjectFile::tr("non è testo UTF-8");
    return std::nullopt;
  }
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
  if (error.error != QJsonParseError::NoError || !document.isObject()) {
    problem =
        ProjectFile::tr("non è un progetto del quindal (%1)")
            .arg(document.isNull()
                     ? ProjectFile::tr("non è JSON: errore vicino al byte %1").arg(error.offset)
                     : ProjectFile::tr("non è un oggetto JSON"));
    return std::nullopt;
  }
  const QJsonObject object = document.object();
  const QJsonValue version = object.value(QStringLiteral("quindal"));
  if (!version.isDouble() || version.toDouble() != std::floor(version.toDouble()) ||
      version.toDouble() < 1) {
    problem = ProjectFile::tr("non è un progetto del quindal (manca \"quindal\": 1)");
    return std::nullopt;
  }
  if (version.toDouble() > kProjectFileVersion) {
    problem = ProjectFile::tr(
                  "è un progetto di una versione più recente del quindal (\"quindal\": "
                  "%1): aggiornare il programma")
                  .arg(version.toDouble());
    return std::nullopt;
  }
  return object;
}

std::optional<ProjectSite> ReadSite(const QJsonObject& top, QString& problem,
                                    const QLocale& locale) {
  const QJsonValue value = top.value(QStringLiteral("luogo"));
  if (!value.isObject()) {
    problem = value.isUndefined() ? ProjectFile::tr("\"luogo\" manca")
                                  : ProjectFile::tr("\"luogo\" non è un oggetto");
    return std::nullopt;
  }
  const QJsonObject object = value.toObject();
  Keys keys(object, QStringLiteral("luogo."), problem);
  const std::optional<QString> town = keys.Text(QStringLiteral("nome"));
  if (!town) return std::nullopt;
  const std::optional<double> latitude = keys.Number(QStringLiteral("latitudine"));
  if (!latitude) return std::nullopt;
  const std::optional<double> offset = keys.Number(QStringLiteral("scostamento"));
  if (!offset) return std::nullopt;
  const std::optional<QString> zone = keys.Text(QStringLiteral("fuso"));
  if (!zone) return std::nullopt;
  std::optional<double> meridian;
  if (object.contains(QStringLiteral("meridiano"))) {
    meridian = keys.Number(QStringLiteral("meridiano"));
    if (!meridian || std::fabs(*meridian) > 180 || std::fmod(*meridian * 4, 1) != 0) {
      if (meridian)
        problem = ProjectFile::tr(
            "\"luogo.meridiano\" vuole i gradi di un meridiano, "
            "da -180 a 180, in minuti d'ora interi");
      return std::nullopt;
    }
  }
  return ProjectSite{*town,
                     BoxText(*latitude, locale),
                     BoxText(*offset, locale),
                     *zone,
                     keys.Rest({"nome", "latitudine", "scostamento", "fuso", "meridiano"}),
                     meridian};
}

}  // namespace

std::optional<Project> ReadProject(const QByteArray& bytes, QString& problem,
                                   const QLocale& locale) {
  const std::optional<QJsonObject> object = ProjectObject(bytes, problem);
  if (!object) return std::nullopt;
  Project project;
  const std::optional<ProjectSite> site = ReadSite(*object, problem, locale);
  if (!site) return std::nullopt;
  project.site = *site;
  Keys keys(*object, QString(), problem);
  const std::optional<int> hours = keys.Word(QStringLiteral("ore"), kHours);
  if (!hours) return std::nullopt;
  const std::optional<int> dates = keys.Word(QStringLiteral("date"), kDates);
  if (!dates) return std::nullopt;
  project.hours = *hours == 1 ? HourSystem::Temporary : HourSystem::Astronomical;
  project.dates = *dates == 1 ? DateLineSpacing::TenDays : DateLineSpacing::Months;
  if (object->contains(QStringLiteral("anno"))) {
    const std::optional<double> year = keys.Number(QStringLiteral("anno"));
    if (!year) return std::nullopt;
    if (*year != std::floor(*year) || std::fabs(*year) > 1e6) {
      problem = ProjectFile::tr("\"anno\" non è un anno");
      return std::nullopt;
    }
    project.year = int(*year);
  }
  project.later = keys.Rest({"quindal", "luogo", "ore", "date", "anno"});
  return project;
}

std::optional<Project> ReadProjectFile(const QString& path, QString& problem,
                                       const QLocale& locale) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    problem = ProjectFile::tr("impossibile leggere il progetto: %1").arg(file.errorString());
    return std::nullopt;
  }
  return ReadProject(file.read(kLargestProjectFile + 1), problem, locale);
}

namespace {

// One JSON value as text, as the document writer would write it.
QByteArray JsonText(const QJsonValue& value) {
  const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
  return array.mid(1, array.size() - 2);
}

// The keys in the order given, then the rest as the writer orders them:
// what a person reads first comes first.
QByteArray OrderedObject(const std::vector<std::pair<QString, QJsonValue>>& first,
                         const QJsonObject& rest, const QByteArray& indent) {
  QByteArrayList lines;
  for (const auto& [key, value] : first)
    if (!value.isUndefined()) lines << JsonText(key) + ": " + JsonText(value);
  for (auto it = rest.begin(); it != rest.end(); ++it)
    lines << JsonText(it.key()) + ": " + JsonText(it.value());
  return "{\n" + indent + "  " + lines.join(",\n" + indent + "  ") + "\n" + indent + "}";
}

}  // namespace

QByteArray ProjectFileBytes(const CheckedProject& checked) {
  const Project& p = checked.project;
  const auto optionalText = [](const QString& text) {
    return text.isEmpty() ? QJsonValue(QJsonValue::Undefined) : QJsonValue(text);
  };
  const QByteArray site = OrderedObject(
      {{QStringLiteral("nome"), optionalText(p.site.town)},
       {QStringLiteral("latitudine"), checked.parameters.Latitude},
       {QStringLiteral("scostamento"), checked.parameters.LongitudeOffset},
       {QStringLiteral("fuso"), optionalText(p.site.zone)},
       {QStringLiteral("meridiano"),
        p.site.meridian ? QJsonValue(*p.site.meridian) : QJsonValue(QJsonValue::Undefined)}},
      p.site.later, "  ");
  const QJsonObject& rest = p.later;  // never a key of the reader's own
  QByteArrayList lines = {"\"quindal\": " + QByteArray::number(kProjectFileVersion),
                          "\"luogo\": " + site,
                          "\"ore\": " + JsonText(kHours[p.hours == HourSystem::Temporary]),
                          "\"date\": " + JsonText(kDates[p.dates == DateLineSpacing::TenDays])};
  if (p.year != 0) lines << "\"anno\": " + QByteArray::number(p.year);
  for (auto it = rest.begin(); it != rest.end(); ++it)
    lines << JsonText(it.key()) + ": " + JsonText(it.value());
  return "{\n  " + lines.join(",\n  ") + "\n}\n";
}
