#pragma once

#include <QStringList>
#include <ostream>

// Exit statuses of quindal-export.
enum ExportStatus {
  kExportOk = 0,
  kExportRefused = 1,     // the inputs were refused, as the main window would
  kExportUsage = 2,       // the command line is wrong
  kExportWriteFailed = 3  // the file could not be written
};

class FileSink;

// Draws one piece as quindal-export does, without any window: `arguments`
// are the command line after the program name. Messages go to `err`; the
// files go to `files`, the disk unless a caller stands in for it.
int RunExport(const QStringList& arguments, std::ostream& out, std::ostream& err);
int RunExport(const QStringList& arguments, std::ostream& out, std::ostream& err, FileSink& files);
