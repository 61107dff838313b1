#include "devices/ExportDevices.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <optional>
#include <unordered_map>

#include "devices/DxfFile.h"
#include "devices/PaperCanvas.h"
#include "devices/WindowFont.h"
#include "drawing/DrawingUnits.h"
#include "devices/RasterCanvas.h"
#include "devices/SvgCanvas.h"
#include "devices/TrueScalePage.h"
#include "drawing/Palette.h"

namespace {

// The same pixels with one byte each, when the image has no more than 256
// colours (a drawing has a handful, and the greys of its smoothed type): the
// PNG encoder then filters and compresses a quarter of the bytes. Lossless;
// nothing when there are more colours.
std::optional<QImage> WithPalette(const QImage& image) {
  QList<QRgb> colours;
  std::unordered_map<QRgb, uchar> index;
  QImage indexed(image.size(), QImage::Format_Indexed8);
  for (int y = 0; y < image.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    uchar* out = indexed.scanLine(y);
    QRgb last = 0;
    uchar lastIndex = 0;
    bool known = false;
    for (int x = 0; x < image.width(); ++x) {
      if (!known || in[x] != last) {  // runs of one colour are the rule
        auto [at, added] = index.try_emplace(in[x], static_cast<uchar>(colours.size()));
        if (added) {
          if (colours.size() == 256) return std::nullopt;
          colours.append(in[x]);
        }
        last = in[x];
        lastIndex = at->second;
        known = true;
      }
      out[x] = lastIndex;
    }
  }
  indexed.setColorTable(colours);
  return indexed;
}

}  // namespace

QByteArray RenderPng(const CallList& calls, const std::function<void(QPainter&)>& over) {
  QImage image(800, 600, QImage::Format_RGB32);
  image.fill(QColor::fromRgb(kWindowRgb));
  RasterCanvas canvas(image);
  Replay(calls, canvas);
  if (over) {
    QPainter painter(&image);
    over(painter);
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  WithPalette(image).value_or(image).save(&buffer, "PNG");
  return bytes;
}

QByteArray RenderSvg(const CallList& calls, const QString& title, const QString& over) {
  SvgCanvas canvas(title.toStdString());
  Replay(calls, canvas);
  const std::string svg = canvas.Finish();
  QByteArray bytes(svg.data(), static_cast<qsizetype>(svg.size()));
  if (!over.isEmpty()) bytes.insert(bytes.lastIndexOf("</svg>"), over.toUtf8());
  return bytes;
}

QByteArray RenderPdf(const std::vector<const CallList*>& pages, const QString& title,
                     const std::function<void(QPainter&, double pixel)>& over) {
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
    if (over) {
      // The drawing's units on the page: its origin, then true scale.
      const double dotsPerMm = writer.resolution() / DrawingUnits::kMillimetresPerInch;
      painter.save();
      painter.translate(PaperCanvas::kOriginMillimetres * dotsPerMm,
                        PaperCanvas::kOriginMillimetres * dotsPerMm);
      painter.scale(DrawingUnits::kMillimetresAcross * dotsPerMm,
                    DrawingUnits::kMillimetresDown * dotsPerMm);
      painter.setFont(WindowFont());
      over(painter, DrawingUnits::kMillimetresAcross * dotsPerMm / DrawingUnits::kPixelsAcross);
      painter.restore();
    }
  }
  painter.end();
  return bytes;
}

QByteArray Render(FileFormat format, const CallList& calls, const QString& title,
                  const PieceCut* cut) {
  return InfoOf(format).render(calls, title, cut);
}
