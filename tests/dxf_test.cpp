// The DXF files as an independent reader (ezdxf, Debian's python3-ezdxf)
// sees them: no audit errors, millimetres at the printed page's scale, every
// visible line, the texts intact, and what white hides gone.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <set>

#include "devices/DxfFile.h"
#include "drawing/DrawingUnits.h"
#include "devices/ExportDevices.h"
#include "devices/SweptCopies.h"
#include "devices/VisibleGeometry.h"
#include "instrument/AssembledInstrument.h"
#include "pdf_pages.h"
#include "piece_recorder.h"
#include "pieces/LatticePlate.h"

namespace {

// What ezdxf reads back from the DXF of `calls`.
// With `picture`, the reader also draws the DXF there, placed as on the PDF
// page, at 10 dots a millimetre.
QJsonObject ReadBack(const CallList& calls, const QString& title = "Quindal - prova",
                     const QString& picture = {}, const PieceCut* cut = nullptr) {
  QTemporaryDir folder;
  const QString path = folder.filePath("prova.dxf");
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(RenderDxf(calls, title, cut));
  file.close();
  QProcess reader;
  QStringList arguments{QUINDAL_DXF_READER, path};
  if (!picture.isEmpty())
    arguments << picture << "254"
              << QString::number(DrawingUnits::kScreenHeight * DrawingUnits::kMillimetresDown);
  reader.start("/usr/bin/python3", arguments);
  EXPECT_TRUE(reader.waitForFinished(120000));
  EXPECT_EQ(reader.exitCode(), 0) << reader.readAllStandardError().toStdString();
  return QJsonDocument::fromJson(reader.readAllStandardOutput()).object();
}

double MmX(double x) { return x * DrawingUnits::kMillimetresAcross; }
double MmY(double y) { return (DrawingUnits::kScreenHeight - y) * DrawingUnits::kMillimetresDown; }

struct Drawn {
  std::vector<LineCall> lines;  // not white
  QStringList texts;
};
Drawn VisibleCalls(const CallList& calls) {
  Drawn drawn;
  for (const DrawCall& call : calls) {
    if (const auto* l = std::get_if<LineCall>(&call); l && l->colour != Colour::White)
      drawn.lines.push_back(*l);
    if (const auto* t = std::get_if<TextCall>(&call))
      drawn.texts << QString::fromStdString(t->text);
  }
  return drawn;
}

// Whether (x, y) lies inside the loops of a hatch by the even-odd rule, or
// on one of its edges (a fill's first and last lines are its border).
bool InHatch(double x, double y, const QJsonArray& loops) {
  bool inside = false;
  for (const QJsonValue loop : loops) {
    const QJsonArray corners = loop.toArray();
    for (qsizetype k = 0, j = corners.size() - 1; k < corners.size(); j = k++) {
      const double xk = corners[k][0].toDouble(), yk = corners[k][1].toDouble();
      const double xj = corners[j][0].toDouble(), yj = corners[j][1].toDouble();
      if ((yk > y) != (yj > y) && x < (xj - xk) * (y - yk) / (yj - yk) + xk) inside = !inside;
      const double ex = xj - xk, ey = yj - yk, length2 = ex * ex + ey * ey;
      const double t =
          length2 > 0 ? std::clamp(((x - xk) * ex + (y - yk) * ey) / length2, 0.0, 1.0) : 0;
      if (std::hypot(x - xk - t * ex, y - yk - t * ey) < 1e-3) return true;
    }
  }
  return inside;
}

// How many distinct drawn lines the DXF has neither as a line nor inside a
// fill, and how many it has twice.
int LinesMissing(const Drawn& drawn, const QJsonObject& dxf) {
  using Ends = std::array<long long, 4>;  // micrometres, the smaller end first
  const auto ends = [](double x1, double y1, double x2, double y2) {
    Ends e{std::llround(x1 * 1000), std::llround(y1 * 1000), std::llround(x2 * 1000),
           std::llround(y2 * 1000)};
    if (std::pair(e[2], e[3]) < std::pair(e[0], e[1])) e = {e[2], e[3], e[0], e[1]};
    return e;
  };
  std::multiset<Ends> written;
  for (const QJsonValue v : dxf["lines"].toArray()) {
    const QJsonArray l = v.toArray();
    written.insert(ends(l[0].toDouble(), l[1].toDouble(), l[2].toDouble(), l[3].toDouble()));
  }
  std::set<Ends> asked;
  int missing = 0;
  for (const LineCall& l : drawn.lines) {
    const Ends e = ends(MmX(l.x1), MmY(l.y1), MmX(l.x2), MmY(l.y2));
    if (!asked.insert(e).second) continue;
    if (written.count(e) == 1) continue;
    const double mx = MmX((l.x1 + l.x2) / 2), my = MmY((l.y1 + l.y2) / 2);
    const QJsonArray hatches = dxf["hatches"].toArray();
    if (written.count(e) == 0 && std::any_of(hatches.begin(), hatches.end(), [&](const auto& h) {
          return InHatch(mx, my, h.toArray()[2].toArray());
        }))
      continue;
    ++missing;
  }
  return missing;
}

TEST(DxfTest, EveryPieceReadsBackWithoutErrorsInMillimetres) {
  struct Input {
    const char *latitude, *longitude;
    bool decadi;
  };
  for (const Input& input : {Input{"45", "0", false}, Input{"-33,25", "7,5", true}}) {
    for (const Piece& piece : kPieces) {
      for (const HourSystem hours : {HourSystem::Astronomical, HourSystem::Temporary}) {
        if (hours == HourSystem::Temporary && !piece.temporaryDrawing.body) continue;
        SCOPED_TRACE(std::string(piece.name) + " at " + input.latitude);
        const auto calls =
            DrawPiece(piece.DrawingFor(hours), input.latitude, input.longitude, input.decadi);
        ASSERT_TRUE(calls);
        const QJsonObject dxf = ReadBack(*calls, "Quindal - Grafico, latitudine 45°");
        // Read back as written: nothing to report and nothing to repair.
        for (const char* what : {"errors", "fixes"})
          EXPECT_EQ(dxf[what].toArray().size(), 0)
              << what << QJsonDocument(dxf[what].toArray()).toJson().toStdString();
        EXPECT_EQ(dxf["insunits"].toInt(), 4);
        EXPECT_EQ(dxf["measurement"].toInt(), 1);
        EXPECT_EQ(dxf["codepage"].toString(), "ANSI_1252");
        EXPECT_EQ(dxf["name"].toString(), "Quindal - Grafico, latitudine 45°");
        for (const QJsonValue line : dxf["lines"].toArray())
          EXPECT_TRUE(line.toArray()[5].toBool());
        // Without white fills nothing is hidden: every line drawn comes back
        // once, as a line or inside a fill, and every text.
        const std::string name(piece.name);
        if (name == "A" || name == "D") continue;
        const Drawn drawn = VisibleCalls(*calls);
        EXPECT_EQ(LinesMissing(drawn, dxf), 0);
        QStringList texts;
        for (const QJsonValue text : dxf["texts"].toArray()) texts << text.toArray()[0].toString();
        EXPECT_EQ(texts, drawn.texts);
      }
    }
  }
}

TEST(DxfTest, LayersTextsAndPointsAsACutterNeedsThem) {
  const CallList calls = {
      LineCall{100, 100, 200, 100, Colour::Foreground},
      LineCall{100, 200, 200, 200, Colour::LightGrey},
      LineCall{100, 300, 200, 300, Colour::Yellow},
      LineCall{100, 400, 200, 400, Colour::DarkYellow},
      LineCall{100, 500, 200, 500, Colour::White},
      PointCall{300, 300, Colour::Foreground},
      PointCall{300, 400, Colour::White},
      TextCall{400, 500, "Città 45° € Ω", Colour::White},
      TextCall{400, 600, "x", Colour::Yellow},
  };
  const QJsonObject dxf = ReadBack(calls);
  const QJsonObject layers = dxf["layers"].toObject();
  // Indexed colours as laser software maps them (red cuts, blue folds,
  // black 7 engraves), a true colour only where the index is not exact.
  const QJsonObject expected = {
      {"0", QJsonArray{7, QJsonValue()}},
      {"taglio", QJsonArray{1, QJsonValue()}},
      {"piega", QJsonArray{5, QJsonValue()}},
      {"incisione", QJsonArray{7, QJsonValue()}},
      {"testi", QJsonArray{7, QJsonValue()}},
      {"grigio", QJsonArray{9, QJsonArray{192, 192, 192}}},
      {"giallo", QJsonArray{2, QJsonArray{255, 255, 0}}},
      {"oliva", QJsonArray{54, QJsonArray{128, 128, 0}}},
      {"nero", QJsonArray{7, QJsonValue()}},
  };
  for (auto layer = expected.begin(); layer != expected.end(); ++layer)
    EXPECT_EQ(layers[layer.key()], layer.value()) << layer.key().toStdString();
  EXPECT_FALSE(layers.contains("linee"));
  QStringList lineLayers;
  for (const QJsonValue line : dxf["lines"].toArray()) lineLayers << line.toArray()[4].toString();
  EXPECT_EQ(lineLayers, (QStringList{"incisione", "grigio", "giallo", "oliva"}));  // no white
  // The black point and the yellow anchor, as squares of a screen pixel.
  const QJsonArray solids = dxf["solids"].toArray();
  ASSERT_EQ(solids.size(), 2);
  const QJsonArray square = solids[0].toArray();
  EXPECT_NEAR(square[0].toArray()[0].toDouble(), MmX(300), 1e-9);
  EXPECT_NEAR(square[0].toArray()[1].toDouble(), MmY(300), 1e-9);
  EXPECT_NEAR(square[3].toArray()[0].toDouble() - square[0].toArray()[0].toDouble(), 25.4 / 96,
              1e-6);
  EXPECT_NEAR(square[0].toArray()[1].toDouble() - square[3].toArray()[1].toDouble(), 25.4 / 96,
              1e-6);
  EXPECT_EQ(solids[1].toArray()[4].toString(), "giallo");
  // Texts: every character back, top-left at the anchor, on "testi".
  const QJsonArray text = dxf["texts"].toArray()[0].toArray();
  EXPECT_EQ(text[0].toString(), "Città 45° € Ω");
  EXPECT_NEAR(text[1].toDouble(), MmX(400), 1e-9);
  EXPECT_NEAR(text[2].toDouble(), MmY(500), 1e-9);
  EXPECT_GT(text[3].toDouble(), 1.5);  // the capitals of 8.25 pt
  EXPECT_LT(text[3].toDouble(), 2.5);
  EXPECT_EQ(text[4].toInt(), 3);  // top
  EXPECT_EQ(text[5].toInt(), 0);  // left
  EXPECT_EQ(text[6].toString(), "testi");
  EXPECT_EQ(DxfText("45° € Ω"), "45\xB0 \x80 \\U+03A9");
}

// A cut piece as laser software takes it: one closed outline on "taglio",
// its folds on "piega", and neither drawn again among the engraved lines.
TEST(DxfTest, EachCutPieceHasItsOutlineAndFoldsOnTheirLayers) {
  const Instrument instrument = AssembleInstrument({});
  for (const Piece& piece : kPieces) {
    if (!piece.cut) continue;
    SCOPED_TRACE(std::string(piece.name));
    const auto calls = DrawPiece(piece.drawing, "45");
    ASSERT_TRUE(calls);
    const PieceCut cut = piece.cut({});
    const QJsonObject dxf = ReadBack(*calls, "Quindal - prova", {}, &cut);
    for (const char* what : {"errors", "fixes"}) EXPECT_EQ(dxf[what].toArray().size(), 0) << what;
    const QJsonArray outlines = dxf["polylines"].toArray();
    ASSERT_EQ(outlines.size(), 1);
    const QJsonArray outline = outlines[0].toArray();
    EXPECT_EQ(outline[0].toString(), "taglio");
    EXPECT_TRUE(outline[1].toBool()) << "closed";
    const QJsonArray corners = outline[2].toArray();
    ASSERT_EQ(corners.size(), static_cast<qsizetype>(cut.outline.size()));
    // The piece in the assembled instrument has the size it is cut at: each
    // side of its outline, tabs folded, as long as in the DXF.
    const std::vector<Vector3> assembled = instrument.Named(piece.name).Outline();
    ASSERT_EQ(assembled.size(), cut.outline.size());
    for (qsizetype k = 0; k < corners.size(); ++k) {
      EXPECT_NEAR(corners[k].toArray()[0].toDouble(), MmX(cut.outline[std::size_t(k)].x), 1e-9);
      EXPECT_NEAR(corners[k].toArray()[1].toDouble(), MmY(cut.outline[std::size_t(k)].y), 1e-9);
      const QJsonArray p = corners[k].toArray(), q = corners[(k + 1) % corners.size()].toArray();
      const std::size_t a = std::size_t(k), b = (a + 1) % assembled.size();
      EXPECT_NEAR(Length(assembled[b] - assembled[a]),
                  std::hypot(q[0].toDouble() - p[0].toDouble(), q[1].toDouble() - p[1].toDouble()),
                  1e-9)
          << "side " << k;
    }
    // An engraved line with both ends on one edge of the outline would be
    // the outline cut, or burnt, a second time.
    const auto alongAnEdge = [&](double x1, double y1, double x2, double y2) {
      for (qsizetype k = 0; k < corners.size(); ++k) {
        const QJsonArray p = corners[k].toArray(), q = corners[(k + 1) % corners.size()].toArray();
        const auto offEdge = [&](double x, double y) {
          const double ex = q[0].toDouble() - p[0].toDouble(),
                       ey = q[1].toDouble() - p[1].toDouble();
          return std::fabs((x - p[0].toDouble()) * ey - (y - p[1].toDouble()) * ex) /
                 std::hypot(ex, ey);
        };
        if (offEdge(x1, y1) < 1e-3 && offEdge(x2, y2) < 1e-3) return true;
      }
      return false;
    };
    qsizetype folds = 0, again = 0;
    for (const QJsonValue line : dxf["lines"].toArray()) {
      const QJsonArray l = line.toArray();
      folds += l[4].toString() == "piega";
      again += l[4].toString() == "incisione" &&
               alongAnEdge(l[0].toDouble(), l[1].toDouble(), l[2].toDouble(), l[3].toDouble());
    }
    EXPECT_EQ(again, 0);
    EXPECT_EQ(folds, static_cast<qsizetype>(cut.folds.size()));
  }
}

TEST(DxfTest, BaseTopEdgeIsTrueScaleAtTheTop) {
  const auto calls = DrawPiece(PieceNamed("base")->drawing, "45");
  ASSERT_TRUE(calls);
  const QJsonArray lines = ReadBack(*calls)["lines"].toArray();
  double top = -1e9;
  QJsonArray found;
  for (const QJsonValue value : lines) {
    const QJsonArray line = value.toArray();
    top = std::max({top, line[1].toDouble(), line[3].toDouble()});
    const QJsonArray expected{MmX(100), MmY(12), MmX(3900), MmY(12)};
    bool same = true;
    for (int k = 0; k < 4; ++k)
      same = same && std::abs(line[k].toDouble() - expected[k].toDouble()) < 1e-6;
    if (same) found = line;
  }
  ASSERT_FALSE(found.isEmpty());
  EXPECT_NEAR(found[2].toDouble() - found[0].toDouble(), 198.57, 0.01);
  EXPECT_DOUBLE_EQ(found[1].toDouble(), found[3].toDouble());
  EXPECT_DOUBLE_EQ(found[1].toDouble(), top);  // the top edge, not mirrored to the bottom
}

// A second, independent reader: LibreCAD prints the base's DXF at 1:1 and
// its page is measured like a print. The top edge, cut in red, is 198.57 mm.
TEST(DxfTest, LibreCadPrintsTheBaseAtTrueScale) {
  const Piece& base = *PieceNamed("base");
  const auto calls = DrawPiece(base.drawing, "45");
  ASSERT_TRUE(calls);
  const PieceCut cut = base.cut({});
  QTemporaryDir folder;
  QFile file(folder.filePath("base.dxf"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(RenderDxf(*calls, "Quindal - base", &cut));
  file.close();
  QProcess librecad;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", "offscreen");  // it prints without a screen
  environment.insert("XDG_RUNTIME_DIR", folder.path());
  librecad.setProcessEnvironment(environment);
  librecad.start("librecad", {"dxf2pdf", "-s", "1", "-t", folder.path(), file.fileName()});
  ASSERT_TRUE(librecad.waitForFinished(60000));
  ASSERT_EQ(librecad.exitCode(), 0) << librecad.readAllStandardError().toStdString();
  const QImage page = RenderPdfPage(folder.filePath("base.pdf"));
  ASSERT_FALSE(page.isNull());
  const std::vector<DarkRun> runs = LongDarkRuns(page, 1500);
  ASSERT_FALSE(runs.empty());
  const QRgb top = page.pixel((runs[0].first + runs[0].last) / 2, runs[0].row);
  EXPECT_GT(qRed(top), 200);  // the cut, in the layer's red
  EXPECT_LT(qGreen(top), 80);
  std::printf("LibreCAD, the base's top edge: %.2f mm\n", runs[0].LengthMm());
  EXPECT_NEAR(runs[0].LengthMm(), 198.57, 0.3);
}

// Plate D's white disc hides the lattice; the sky globe drawn over it stays.
TEST(DxfTest, PlateDKeepsNoLatticeInsideTheDisc) {
  const auto calls = DrawPiece(PieceNamed("D")->drawing, "45");
  ASSERT_TRUE(calls);
  const double Hd = 1909.188;
  const GRAPH1::LatticePlate plate{1500 - (Hd - 100) / 2, (Hd - 100) / 2 + 1500};
  const double radius = 12 * plate.dy();  // in drawing units: an ellipse in millimetres
  const auto inDisc = [&](double x, double y) {
    return std::hypot(x / DrawingUnits::kMillimetresAcross - plate.cx(),
                      DrawingUnits::kScreenHeight - y / DrawingUnits::kMillimetresDown -
                          plate.cy()) < radius - 2;
  };
  // The lines drawn before the disc (the lattice, the letters) and after it
  // (the globe, the cartouche, the emblem), in millimetres.
  std::vector<std::array<double, 4>> before, afterLines;
  std::set<std::array<long long, 4>> after;
  const auto key = [](double x1, double y1, double x2, double y2) {
    return std::array<long long, 4>{std::llround(x1 * 1e6), std::llround(y1 * 1e6),
                                    std::llround(x2 * 1e6), std::llround(y2 * 1e6)};
  };
  bool disc = false;
  for (const DrawCall& call : *calls) {
    const auto* l = std::get_if<LineCall>(&call);
    if (!l) continue;
    disc = disc || l->colour == Colour::White;
    if (l->colour == Colour::White) continue;
    if (disc) {
      after.insert(key(MmX(l->x1), MmY(l->y1), MmX(l->x2), MmY(l->y2)));
      afterLines.push_back({MmX(l->x1), MmY(l->y1), MmX(l->x2), MmY(l->y2)});
    } else {
      before.push_back({MmX(l->x1), MmY(l->y1), MmX(l->x2), MmY(l->y2)});
    }
  }
  // Whether (x, y) lies on segment s.
  const auto on = [](const std::array<double, 4>& s, double x, double y) {
    const double dx = s[2] - s[0], dy = s[3] - s[1], length = std::hypot(dx, dy);
    const double across = std::abs((x - s[0]) * dy - (y - s[1]) * dx) / length;
    const double along = ((x - s[0]) * dx + (y - s[1]) * dy) / length;
    return across < 1e-6 && along > -1e-6 && along < length + 1e-6;
  };
  int inside = 0, whole = 0, lattice = 0;
  for (const QJsonValue value : ReadBack(*calls)["lines"].toArray()) {
    const QJsonArray l = value.toArray();
    const double x1 = l[0].toDouble(), y1 = l[1].toDouble(), x2 = l[2].toDouble(),
                 y2 = l[3].toDouble();
    if (!inDisc((x1 + x2) / 2, (y1 + y2) / 2)) continue;
    ++inside;
    whole += static_cast<int>(after.count(key(x1, y1, x2, y2)));
    if (after.count(key(x1, y1, x2, y2))) continue;
    // A clipped piece: of a later line (the cartouche clips the globe), or
    // of the lattice, which the disc should have hidden.
    const auto under = [&](const std::vector<std::array<double, 4>>& lines) {
      return std::any_of(lines.begin(), lines.end(),
                         [&](const auto& s) { return on(s, x1, y1) && on(s, x2, y2); });
    };
    lattice += under(before) && !under(afterLines);
  }
  EXPECT_EQ(lattice, 0);
  EXPECT_GT(inside, 10000);
  // The globe comes back whole, but where the cartouche, drawn later still,
  // covers it.
  EXPECT_GT(whole, inside * 9 / 10);
}

// Drawn by ezdxf, the DXFs of plates D, A and C ink what the PDF page inks: almost
// every dark pixel of either lies within two pixels (0.2 mm) of a dark
// pixel of the other. Only the page's calibration rules, below and right of
// the drawing, are the PDF's own.
TEST(DxfTest, PlatesDACInkWhatThePdfPageInks) {
  // The shares measured, DXF's ink on the page and the page's in the DXF:
  // D 0.9989 and 0.9711, A 0.9985 and 0.9807, C 0.9855 and 0.9271 (C's 27
  // words are fuller in the PDF; with its grey drawn as lines, 0.9005).
  const struct {
    const char* name;
    double fromDxf, fromPdf;
  } kPlates[] = {{"D", 0.99, 0.95}, {"A", 0.99, 0.95}, {"C", 0.98, 0.92}};
  for (const auto& [name, leastFromDxf, leastFromPdf] : kPlates) {
    SCOPED_TRACE(name);
    const auto calls = DrawPiece(PieceNamed(name)->drawing, "45");
    ASSERT_TRUE(calls);
    QTemporaryDir folder;
    ReadBack(*calls, name, folder.filePath("dxf.png"));
    const QImage dxf(folder.filePath("dxf.png"));
    const QImage pdf = RenderPdfBytes(RenderPdf({&*calls}));
    ASSERT_LE(std::abs(dxf.width() - pdf.width()), 1);  // 297 mm at 254 dpi, rounded either way
    // Up to the drawing's right edge: the rule down beside it is the page's own.
    const int width = std::min({dxf.width(), pdf.width(), int((10 + 211.667) * 10) + 20});
    const int bottom = static_cast<int>((10 + 158.75) * 10);  // the drawing's lower edge, in dots
    const auto dark = [](const QImage& image, int x, int y) {
      return qGray(image.pixel(x, y)) < 128;
    };
    const auto near = [&](const QImage& image, int x, int y) {
      for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
          if (image.valid(x + dx, y + dy) && dark(image, x + dx, y + dy)) return true;
      return false;
    };
    const auto share = [&](const QImage& from, const QImage& to) {
      long inked = 0, matched = 0;
      for (int y = 0; y < bottom; ++y)
        for (int x = 0; x < width; ++x)
          if (dark(from, x, y)) {
            ++inked;
            matched += near(to, x, y);
          }
      return inked ? static_cast<double>(matched) / inked : 0.0;
    };
    const double fromDxf = share(dxf, pdf), fromPdf = share(pdf, dxf);
    std::printf("%s, ink matched: DXF %.4f, PDF %.4f\n", name, fromDxf, fromPdf);
    EXPECT_GT(fromDxf, leastFromDxf);  // nothing the page leaves blank
    EXPECT_GT(fromPdf, leastFromPdf);  // the PDF's glyphs and points are fuller
  }
}

// The areas many lines paint are hatches, not the lines: plate A's star
// points and grey discs (100,000 lines), plate C's grey band, plate D's
// emblem in relief (467 copies 0.05 units apart), the sheet's faces.
TEST(DxfTest, FilledAreasAreHatches) {
  const struct {
    const char* name;
    int largestFile;
    std::map<QString, std::pair<int, int>> hatches;  // a layer's least and most
  } kPieces[] = {
      {"A", 3'000'000, {{"grigio", {2, 2}}, {"nero", {32, 40}}}},
      {"C", 3'000'000, {{"grigio", {1, 1}}}},
      {"D", 5'000'000, {{"nero", {1, 1}}}},
      {"istruzioni", 100'000, {{"grigio", {3, 3}}, {"oliva", {2, 2}}, {"giallo", {2, 2}}}},
  };
  for (const auto& [name, largestFile, expected] : kPieces) {
    SCOPED_TRACE(name);
    const auto calls = DrawPiece(PieceNamed(name)->drawing, "45");
    ASSERT_TRUE(calls);
    EXPECT_LE(RenderDxf(*calls).size(), largestFile);
    std::map<QString, int> hatches;
    for (const QJsonValue h : ReadBack(*calls)["hatches"].toArray()) {
      ++hatches[h.toArray()[0].toString()];
      EXPECT_TRUE(h.toArray()[1].toBool()) << "solid";
    }
    EXPECT_EQ(hatches.size(), expected.size());
    for (const auto& [layer, range] : expected) {
      EXPECT_GE(hatches[layer], range.first) << layer.toStdString();
      EXPECT_LE(hatches[layer], range.second) << layer.toStdString();
    }
  }
}

// Copies of a line a hair apart sweep an area, or a longer line when they
// move along it; too few copies, or copies farther apart, stay lines.
TEST(DxfTest, CopiesAHairApartSweepTheirArea) {
  // Each copy: a corner point, a line across and one down from its end.
  const struct {
    int copies;
    double stepX, stepY;
    std::size_t parallelograms, lines;  // of the one figure, if any
  } kCases[] = {
      {467, -0.05, -0.05, 2, 0},  // the emblem's step: both lines sweep an area
      {150, 0.05, 0, 1, 1},       // along the line across: that one stays a line
      {99, -0.05, -0.05, 0, 0},   // too few
      {150, -0.2, 0, 0, 0},       // too far apart: lines side by side
  };
  for (const auto& [copies, stepX, stepY, parallelograms, lines] : kCases) {
    SCOPED_TRACE(copies);
    CallList calls;
    for (int k = 0; k < copies; ++k) {
      // Floats, as a piece's calls carry them.
      const float x = 1950 + k * static_cast<float>(stepX),
                  y = 1950 + k * static_cast<float>(stepY);
      // Built in place: GCC 12 at -O3 takes moving a call for a read of an
      // uninitialised string.
      calls.emplace_back(std::in_place_type<PointCall>, PointCall{x, y, Colour::Foreground});
      calls.emplace_back(std::in_place_type<LineCall>,
                         LineCall{x, y, x + 70, y, Colour::Foreground});
      calls.emplace_back(std::in_place_type<LineCall>,
                         LineCall{x + 70, y, x + 70, y + 70, Colour::Foreground});
    }
    const std::vector<SweptFigure> figures = SweptFigures(calls);
    const VisibleDrawing seen = Visible(calls);
    if (parallelograms == 0) {
      EXPECT_TRUE(figures.empty());
      EXPECT_EQ(seen.points.size(), static_cast<std::size_t>(copies));
      continue;
    }
    ASSERT_EQ(figures.size(), 1u);
    EXPECT_EQ(figures[0].calls.size(), 2u * copies);
    EXPECT_EQ(figures[0].parallelograms.size(), parallelograms);
    EXPECT_EQ(figures[0].lines.size(), lines);
    if (lines) {  // the line across, from the first copy's start to the last's end
      EXPECT_NEAR(figures[0].lines[0][0], 1950, 1e-3);
      EXPECT_NEAR(figures[0].lines[0][2], 1950 + 70 + (copies - 1) * stepX, 1e-2);
    }
    EXPECT_EQ(seen.fills.size(), 1u);
    EXPECT_EQ(seen.lines.size(), lines);
    EXPECT_EQ(seen.points.size(), 0u);  // each copy's corner lies in the area
  }
  // One straight line drawn in 120 pieces, end to end, across and aslant:
  // pieces of a line lie side by side at no distance, and stay a line.
  for (const auto& [dx, dy] : {std::pair{10.0f, 0.0f}, std::pair{6.0f, 8.0f}}) {
    CallList pieces;
    for (int k = 0; k < 120; ++k)
      pieces.emplace_back(std::in_place_type<LineCall>,
                          LineCall{1000 + k * dx, 500 + k * dy, 1000 + (k + 1) * dx,
                                   500 + (k + 1) * dy, Colour::Foreground});
    const VisibleDrawing seen = Visible(pieces);
    EXPECT_TRUE(seen.fills.empty()) << dx << ", " << dy;
    EXPECT_FALSE(seen.lines.empty());
  }
}

}  // namespace
