#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>

#include "devices/WindowFont.h"

// The exporter's own words, in the user's language. The command line's
// words (commands, options, their values, ombra's keys) are not among them:
// scripts depend on them.
class Exporter {
  Q_DECLARE_TR_FUNCTIONS(Exporter)
};

// A message as the exporter's streams take it.
inline std::string Said(const QString& text) { return text.toStdString(); }

// The window font is missing: nothing was written.
inline std::string NoWindowFont() {
  return "quindal-export: " +
         Said(Exporter::tr("%1; nessun file scritto").arg(MissingWindowFont())) + "\n";
}

// After a usage mistake, one line that says where the whole usage is.
inline std::string HelpHint() {
  return Said(Exporter::tr("Per l'aiuto: quindal-export --help")) + "\n";
}
