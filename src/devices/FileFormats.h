#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "devices/RecordingCanvas.h"
#include "drawing/PieceCut.h"

// The file formats a drawing can be written in, each from its recorded calls.
// CutSvg shares the .svg extension and the word "svg" with Svg, which both
// mean when alone: it is asked for by --taglio or the save dialog's choice.
enum class FileFormat { Svg, Pdf, Png, Dxf, CutSvg };

// One format, as every reader of formats sees it: the exporter, the file
// writer, the save dialog and --help.
struct FileFormatInfo {
  FileFormat format;
  const char* name;    // "svg": the file's extension, and the word --format takes
  const char* filter;  // the save dialog's words: "SVG in scala reale"
  // How it is made; `cut`, the piece's outline and folds, where the format
  // has a use for them.
  QByteArray (*render)(const CallList& calls, const QString& title, const PieceCut* cut);
  bool forCutting = false;  // a file a cutter runs: made of the pieces that are cut
};

// Every format, in the order --help names them.
const std::vector<FileFormatInfo>& FileFormats();
const FileFormatInfo& InfoOf(FileFormat format);

// The format of that name ("svg", "PDF"), or nothing.
std::optional<FileFormat> FormatNamed(const QString& name);

// The format a file name asks for by its extension (.svg, .pdf, .png, .dxf,
// in any case), or nothing.
std::optional<FileFormat> FormatOfPath(const QString& path);

// The extension of a format, without the dot.
QString ExtensionOf(FileFormat format);

// Every format's name, once, joined: "svg|png|pdf|dxf".
QString FormatNames(const QString& separator);
