#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>

// The languages Quindal speaks. Italian is the one its texts are written in.
enum class Language { Italian, English };

// The language the system's interface languages ask for, most wanted first
// (LANGUAGE, else LC_ALL, LC_MESSAGES, LANG): English when the first one the
// program has words for is English, Italian otherwise, "C" and "POSIX"
// included.
Language LanguageOfSystem();
Language LanguageOf(const QStringList& uiLanguages);

// "it" or "en", as --lingua and the settings write it; nothing for any other word.
std::optional<Language> LanguageNamed(const QString& word);
QString LanguageCode(Language language);

// What a command line says with --lingua VALUE or --lingua=VALUE: the last
// language it names, whether a value named none, and the other words.
struct LanguageOption {
  std::optional<Language> language;
  bool wrong = false;
  QStringList rest;
};
LanguageOption ReadLanguageOption(const QStringList& words);
// The language's own name, for the main window's menu: "Italiano", "English".
QString LanguageName(Language language);

// Puts the program's words and those of Qt's dialogs in `language`, in
// place of the ones used so far; the open windows are told to change theirs.
// Call after the application object is made.
void UseLanguage(Language language);
// The language UseLanguage put in place; Italian before any call.
Language LanguageInUse();

// The numbers of the program's sentences: the desktop's ("45,667" under
// it_IT, "45.667" under en_GB, whatever the words' language), and under the
// C locale, which has no numbers of its own, the language's.
QLocale LanguageLocale();
