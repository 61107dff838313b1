#include "devices/FileFormats.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include "devices/CutSvg.h"
#include "devices/DxfFile.h"
#include "devices/ExportDevices.h"

const std::vector<FileFormatInfo>& FileFormats() {
  static const std::vector<FileFormatInfo> formats = {
      {FileFormat::Svg, "svg", QT_TRANSLATE_NOOP("FileFormats", "SVG in scala reale"),
       [](const CallList& calls, const QString& title, const PieceCut*) {
         return RenderSvg(calls, title);
       }},
      {FileFormat::Png, "png", QT_TRANSLATE_NOOP("FileFormats", "Immagine PNG 800 x 600"),
       [](const CallList& calls, const QString&, const PieceCut*) { return RenderPng(calls); }},
      {FileFormat::Pdf, "pdf", QT_TRANSLATE_NOOP("FileFormats", "PDF in scala reale"),
       [](const CallList& calls, const QString& title, const PieceCut*) {
         return RenderPdf({&calls}, title);
       }},
      {FileFormat::Dxf, "dxf",
       QT_TRANSLATE_NOOP("FileFormats", "DXF in scala reale, per il taglio"), RenderDxf, true},
      {FileFormat::CutSvg, "svg", QT_TRANSLATE_NOOP("FileFormats", "SVG per il taglio"),
       RenderCutSvg, true},
  };
  return formats;
}

const FileFormatInfo& InfoOf(FileFormat format) {
  for (const FileFormatInfo& info : FileFormats())
    if (info.format == format) return info;
  return FileFormats().front();
}

std::optional<FileFormat> FormatNamed(const QString& name) {
  for (const FileFormatInfo& info : FileFormats())
    if (name.compare(QString::fromUtf8(info.name), Qt::CaseInsensitive) == 0) return info.format;
  return std::nullopt;
}

std::optional<FileFormat> FormatOfPath(const QString& path) {
  return FormatNamed(QFileInfo(path).suffix());
}

QString ExtensionOf(FileFormat format) { return QString::fromUtf8(InfoOf(format).name); }

QString FormatNames(const QString& separator) {
  QStringList names;
  for (const FileFormatInfo& info : FileFormats())
    if (!names.contains(QString::fromUtf8(info.name))) names << QString::fromUtf8(info.name);
  return names.join(separator);
}
