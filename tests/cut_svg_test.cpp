// The SVG for cutters as Inkscape (Debian's inkscape) and an XML reader see
// it: every layer a labelled group, one closed red outline at the piece's
// true size, the folds in blue, the fills as filled paths.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRectF>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <algorithm>
#include <map>
#include <optional>
#include <string_view>

#include "devices/CutSvg.h"
#include "drawing/DrawingUnits.h"
#include "piece_recorder.h"

namespace {

// A layer's group: its label, how it strokes, and what it holds.
struct Group {
  QString id, label, stroke;
  int paths = 0, closedPaths = 0, lines = 0;
};

std::vector<Group> GroupsOf(const QByteArray& svg) {
  std::vector<Group> groups;
  QXmlStreamReader xml(svg);
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const auto a = xml.attributes();
    if (xml.name() == u"g") {
      groups.push_back({a.value("id").toString(),
                        a.value("http://www.inkscape.org/namespaces/inkscape", "label").toString(),
                        a.value("stroke").toString()});
    } else if (!groups.empty() && xml.name() == u"path") {
      ++groups.back().paths;
      const QStringView d = a.value("d");
      groups.back().closedPaths += d.startsWith(u'M') && d.endsWith(u'Z');
    } else if (!groups.empty() && xml.name() == u"line") {
      ++groups.back().lines;
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return groups;
}

// The bounding box of every element Inkscape finds, by id, in millimetres.
std::map<QString, QRectF> InkscapeBoxes(const QString& path, const QString& home) {
  QProcess inkscape;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("HOME", home);  // its preferences, away from the user's
  inkscape.setProcessEnvironment(environment);
  inkscape.start("inkscape", {"--query-all", path});
  EXPECT_TRUE(inkscape.waitForFinished(120000));
  EXPECT_EQ(inkscape.exitCode(), 0) << inkscape.readAllStandardError().toStdString();
  constexpr double kMmPerPx = 25.4 / 96;  // Inkscape answers in CSS pixels
  std::map<QString, QRectF> boxes;
  for (const QString& row : QString::fromUtf8(inkscape.readAllStandardOutput()).split('\n')) {
    const QStringList f = row.split(',');
    if (f.size() != 5) continue;
    boxes[f[0]] = QRectF(f[1].toDouble() * kMmPerPx, f[2].toDouble() * kMmPerPx,
                         f[3].toDouble() * kMmPerPx, f[4].toDouble() * kMmPerPx);
  }
  return boxes;
}

TEST(CutSvgTest, LayersOutlineAndFoldsAsInkscapeReadsThem) {
  const QStringList kLayers = {"grigio",    "giallo", "oliva", "nero",
                               "incisione", "testi",  "piega", "taglio"};
  // The fills each piece has, as filled paths on their colour's layer.
  const std::map<std::string_view, std::map<QString, int>> kFills = {
      {"A", {{"grigio", 2}, {"nero", 36}}},
      {"C", {{"grigio", 1}}},
      {"D", {{"nero", 1}}},
      {"istruzioni", {{"grigio", 3}, {"oliva", 2}, {"giallo", 2}}},
  };
  QTemporaryDir folder;
  for (const Piece& piece : kPieces) {
    SCOPED_TRACE(piece.name);
    const auto calls = DrawPiece(piece.drawing, "45");
    ASSERT_TRUE(calls);
    const std::optional<PieceCut> cut = piece.cut ? std::optional(piece.cut({})) : std::nullopt;
    const QByteArray svg = RenderCutSvg(*calls, "Quindal - prova", cut ? &*cut : nullptr);

    const std::vector<Group> groups = GroupsOf(svg);
    ASSERT_EQ(groups.size(), static_cast<std::size_t>(kLayers.size()));
    std::map<QString, Group> byId;
    for (std::size_t k = 0; k < groups.size(); ++k) {
      EXPECT_EQ(groups[k].id, kLayers[qsizetype(k)]);  // the fills under the lines, the cut on top
      EXPECT_EQ(groups[k].label, groups[k].id);
      byId[groups[k].id] = groups[k];
    }
    EXPECT_EQ(byId["taglio"].stroke, "#ff0000");
    EXPECT_EQ(byId["piega"].stroke, "#0000ff");
    EXPECT_EQ(byId["taglio"].paths, cut ? 1 : 0);
    EXPECT_EQ(byId["taglio"].closedPaths, byId["taglio"].paths);
    EXPECT_EQ(byId["piega"].lines, cut ? static_cast<int>(cut->folds.size()) : 0);
    const auto fills = kFills.find(piece.name);
    for (const char* layer : {"grigio", "giallo", "oliva", "nero"}) {
      const auto* found = fills == kFills.end() ? nullptr : &fills->second;
      const int expected = found && found->count(layer) ? found->at(layer) : 0;
      EXPECT_EQ(byId[layer].closedPaths, expected) << layer;
    }

    const QString path = folder.filePath(QString::fromUtf8(piece.fileStem) + ".svg");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(svg);
    file.close();
    const std::map<QString, QRectF> boxes = InkscapeBoxes(path, folder.path());
    EXPECT_TRUE(boxes.count("incisione") && boxes.count("testi"));
    if (!cut) continue;
    ASSERT_TRUE(boxes.count("taglio") && boxes.count("contorno"));
    // The outline's true size: its corners in millimetres, and Inkscape's
    // box of it, hairline included.
    double left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
    for (const CutPoint& p : cut->outline) {
      left = std::min(left, p.x * DrawingUnits::kMillimetresAcross);
      right = std::max(right, p.x * DrawingUnits::kMillimetresAcross);
      top = std::min(top, p.y * DrawingUnits::kMillimetresDown);
      bottom = std::max(bottom, p.y * DrawingUnits::kMillimetresDown);
    }
    const QRectF found = boxes.at("contorno");
    EXPECT_NEAR(found.width(), right - left, 0.05);
    EXPECT_NEAR(found.height(), bottom - top, 0.05);
    EXPECT_NEAR(found.left(), left, 0.05);
    EXPECT_NEAR(found.top(), top, 0.05);
    EXPECT_EQ(boxes.count("piega"), cut->folds.empty() ? 0u : 1u);
  }
}

}  // namespace
