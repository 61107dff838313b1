#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "ExportDevices.h"

// The format a file name asks for by its extension (.svg, .pdf, .png, in any
// case), or nothing.
std::optional<FileFormat> FormatOfPath(const QString& path);

// The extension of a format, without the dot.
QString ExtensionOf(FileFormat format);

// Writes `bytes` to a temporary file beside `path` and renames it into place,
// so that no half-written file is ever left and an existing file is replaced
// only by a whole one. On failure returns false with the reason.
bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString& reason);
