#include "language/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

Language inUse = Language::Italian;

// The translators installed now, so that the next language replaces them.
std::vector<QTranslator*>& Installed() {
  static std::vector<QTranslator*> installed;
  return installed;
}

void Install(const QString& name, const QString& folder) {
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (!translator->load(name, folder) || !QCoreApplication::installTranslator(translator)) {
    delete translator;
    return;
  }
  Installed().push_back(translator);
}

}  // namespace

Language LanguageOf(const QStringList& uiLanguages) {
  for (const QString& wanted : uiLanguages) {
    const QString code = wanted.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
    if (code == u"it") return Language::Italian;
    if (code == u"en") return Language::English;
  }
  return Language::Italian;
}

Language LanguageOfSystem() {
  // Qt answers "en-US" for the C locale, which names no language at all.
  const QLocale system = QLocale::system();
  if (system.language() == QLocale::C && qEnvironmentVariableIsEmpty("LANGUAGE"))
    return Language::Italian;
  return LanguageOf(system.uiLanguages());
}

std::optional<Language> LanguageNamed(const QString& word) {
  if (word == u"it") return Language::Italian;
  if (word == u"en") return Language::English;
  return std::nullopt;
}

LanguageOption ReadLanguageOption(const QStringList& words) {
  LanguageOption read;
  for (qsizetype k = 0; k < words.size(); ++k) {
    const QString& word = words[k];
    std::optional<QString> value;
    if (word == u"--lingua") value = k + 1 < words.size() ? words[++k] : QString();
    if (word.startsWith(u"--lingua=")) value = word.mid(9);
    if (!value) {
      read.rest << word;
      continue;
    }
    const std::optional<Language> named = LanguageNamed(*value);
    if (named) read.language = named;
    read.wrong = read.wrong || !named;
  }
  return read;
}

QString LanguageCode(Language language) {
  return language == Language::English ? QStringLiteral("en") : QStringLiteral("it");
}

QString LanguageName(Language language) {
  return language == Language::English ? QStringLiteral("English") : QStringLiteral("Italiano");
}

void UseLanguage(Language language) {
  if (!QCoreApplication::instance()) return;
  for (QTranslator* translator : Installed()) {
    QCoreApplication::removeTranslator(translator);
    delete translator;
  }
  Installed().clear();
  inUse = language;
  const QString code = LanguageCode(language);
  // Italian needs its plural forms only; English, every word.
  Install(QStringLiteral("quindal_") + code, QStringLiteral(":/translations"));
  // Qt's own words (the print and file dialogs, the command line's parser)
  // are English already.
  if (language != Language::English)
    Install(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

Language LanguageInUse() { return inUse; }

QLocale LanguageLocale() {
  // The desktop's numbers as the C library reads them: LC_ALL, else
  // LC_NUMERIC, else LANG. Qt's system locale would mix in LANGUAGE's name.
  QString name;
  for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"})
    if (name.isEmpty()) name = qEnvironmentVariable(variable);
  name = name.section(u'.', 0, 0).section(u'@', 0, 0);
  if (!name.isEmpty() && name != u"C" && name != u"POSIX") return QLocale(name);
  return inUse == Language::English ? QLocale(QLocale::English, QLocale::UnitedStates)
                                    : QLocale(QLocale::Italian, QLocale::Italy);
}
