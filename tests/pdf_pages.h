#pragma once

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <vector>

// Renders page `page` of a PDF file at 254 dots per inch: 10 dots per
// millimetre, so lengths can be read off in millimetres.
inline QImage RenderPdfPage(const QString& pdfPath, int page = 1) {
  QTemporaryDir dir;
  QProcess::execute("pdftoppm",
                    {"-r", "254", "-f", QString::number(page), "-l", QString::number(page),
                     "-singlefile", "-png", pdfPath, dir.filePath("out")});
  return QImage(dir.filePath("out.png"));
}

inline QImage RenderPdfBytes(const QByteArray& pdf, int page = 1) {
  QTemporaryDir dir;
  QFile file(dir.filePath("in.pdf"));
  file.open(QIODevice::WriteOnly);
  file.write(pdf);
  file.close();
  return RenderPdfPage(file.fileName(), page);
}

// A horizontal run of dark pixels: its row and its first and last column.
struct DarkRun {
  int row, first, last;
  double LengthMm() const { return (last - first) / 10.0; }
};

// The runs of dark pixels at least `minimum` long, top to bottom.
inline std::vector<DarkRun> LongDarkRuns(const QImage& page, int minimum) {
  std::vector<DarkRun> runs;
  for (int y = 0; y < page.height(); ++y) {
    int start = -1;
    for (int x = 0; x <= page.width(); ++x) {
      const bool dark = x < page.width() && qGray(page.pixel(x, y)) < 128;
      if (dark && start < 0) start = x;
      if (!dark && start >= 0) {
        if (x - start >= minimum) runs.push_back({y, start, x - 1});
        start = -1;
      }
    }
  }
  return runs;
}

// One field of a PDF file's information, as pdfinfo reads it ("Pages", "Title").
inline QString PdfInfo(const QString& pdfPath, const QString& field) {
  QProcess info;
  info.start("pdfinfo", {"-enc", "UTF-8", pdfPath});
  info.waitForFinished();
  for (const QString& line : QString::fromUtf8(info.readAllStandardOutput()).split('\n'))
    if (line.startsWith(field + ":")) return line.mid(field.size() + 1).trimmed();
  return {};
}

// How many pages a PDF file has.
inline int PdfPageCount(const QString& pdfPath) {
  const QString pages = PdfInfo(pdfPath, "Pages");
  return pages.isEmpty() ? -1 : pages.toInt();
}

inline QString PdfTitle(const QString& pdfPath) { return PdfInfo(pdfPath, "Title"); }
