#include "app/ExportCommands.h"

bool PlacesCommand::Read(const CommandLine& line, FileSink&, std::string& problem) {
  const QStringList words = line.parser.positionalArguments();
  if (words.size() != 2 || !line.parser.optionNames().isEmpty()) {
    problem = "places vuole il testo da cercare, e nessuna opzione";
    return false;
  }
  text_ = words[1];
  return true;
}

int PlacesCommand::Run(ExportIo io) { return ListPlaces(text_, io.out, io.err); }
