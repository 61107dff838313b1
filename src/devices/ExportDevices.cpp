#include "devices/ExportDevices.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "devices/RasterCanvas.h"
#include "devices/SvgCanvas.h"
#include "devices/TrueScalePage.h"
#include "drawing/Palette.h"

QByteArray RenderPng(const CallList& calls) {
  QImage image(800, 600, QImage::Format_RGB32);
  image.fill(QColor::fromRgb(kWindowRgb));
  RasterCanvas canvas(image);
  Replay(calls, canvas);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

QByteArray RenderSvg(const CallList& calls, const QString& title) {
  SvgCanvas canvas(title.toStdString());
  Replay(calls, canvas);
  const std::string svg = canvas.Finish();
  return QByteArray(svg.data(), static_cast<qsizetype>(svg.size()));
}

QByteArray RenderPdf(const std::vector<const CallList*>& pages, const QString& title) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setCreator(QStringLiteral("Quindal"));
  writer.setTitle(title);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                   QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
  QPainter painter(&writer);
  for (std::size_t k = 0; k < pages.size(); ++k) {
    if (k > 0) writer.newPage();
    PaintTrueScalePage(painter, writer.resolution(), *pages[k]);
  }
  painter.end();
  return bytes;
}

QByteArray Render(FileFormat format, const CallList& calls, const QString& title) {
  switch (format) {
    case FileFormat::Png: return RenderPng(calls);
    case FileFormat::Pdf: return RenderPdf({&calls}, title);
    case FileFormat::Svg: break;
  }
  return RenderSvg(calls, title);
}
