#include "app/ExportCommands.h"
#include "app/ExporterWords.h"

bool PlacesCommand::Read(const CommandLine& line, FileSink&, std::string& problem) {
  const QStringList words = line.parser.positionalArguments();
  // The language is not an option of the search: it names the towns.
  QStringList options = line.parser.optionNames();
  options.removeAll(QStringLiteral("lingua"));
  if (words.size() != 2 || !options.isEmpty()) {
    problem = Said(Exporter::tr("places vuole il testo da cercare, e nessuna opzione"));
    return false;
  }
  text_ = words[1];
  return true;
}

int PlacesCommand::Run(ExportIo io) { return ListPlaces(text_, io.out, io.err); }
