#pragma once

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>

// The words of argv as text. A word whose bytes are not text in the
// system's encoding (a file name in Latin-1 under UTF-8) would come back as
// another name: nothing, with the mistake in `problem`.
std::optional<QStringList> TextArguments(int argc, char* argv[], std::string& problem);

// The exporter's command line, read by Qt's own parser: options as
// "--name value" or "--name=value", -h/--help, -v/--version. A repeated
// option is a mistake too (the parser would keep the last).
class CommandLine {
  Q_DECLARE_TR_FUNCTIONS(CommandLine)

 public:
  enum Outcome { Understood, Help, Version, Mistake };

  CommandLine();

  // Reads `arguments` (without the program's name); on a mistake `problem`
  // says what it is, in the user's language.
  Outcome Read(const QStringList& arguments);

  // The usage, the options and the arguments, for --help and after a mistake.
  QString HelpText() const;

  // The value of the long option `name`, when given.
  std::optional<QString> Value(const QString& name) const;

  QCommandLineParser parser;
  QString problem;
};

// Every option the exporter takes, in order, as --help lists them.
QStringList ExporterOptionNames();
