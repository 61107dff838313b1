#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <limits>
#include <vector>

#include "devices/RasterCanvas.h"
#include "piece_recorder.h"

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

QImage Screen() {
  QImage image(800, 600, QImage::Format_RGB32);
  image.fill(kWhite);
  return image;
}

// The pixels of `image` that are not white.
std::vector<QPoint> Inked(const QImage& image) {
  std::vector<QPoint> points;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != kWhite) points.emplace_back(x, y);
  return points;
}

TEST(RasterCanvasTest, MapsDrawingUnitsToPixelsAtFifteenTwipsPerPixel) {
  EXPECT_EQ(RasterCanvas::PixelOf(0, 0), QPoint(0, 0));
  EXPECT_EQ(RasterCanvas::PixelOf(3200, 2400), QPoint(632, 453));
  EXPECT_EQ(RasterCanvas::PixelOf(100, 12), QPoint(20, 2));
  EXPECT_EQ(RasterCanvas::PixelOf(3900, 12), QPoint(770, 2));
  EXPECT_EQ(RasterCanvas::PixelOf(4100, 3200), QPoint(810, 604));  // off an 800 x 600 screen
}

TEST(RasterCanvasTest, HorizontalLineCoversBothEnds) {
  QImage image = Screen();
  RasterCanvas canvas(image);
  canvas.DrawLine(100, 12, 3900, 12);
  const auto inked = Inked(image);
  ASSERT_EQ(inked.size(), 751u);  // columns 20 to 770
  EXPECT_EQ(inked.front(), QPoint(20, 2));
  EXPECT_EQ(inked.back(), QPoint(770, 2));
}

TEST(RasterCanvasTest, HandWorkedLines) {
  // (0, 0)-(50, 50) maps to (0, 0)-(10, 9): eleven pixels, one per column.
  QImage image = Screen();
  RasterCanvas canvas(image);
  canvas.DrawLine(50, 50, 0, 0);
  auto inked = Inked(image);
  ASSERT_EQ(inked.size(), 11u);
  EXPECT_EQ(inked.front(), QPoint(0, 0));
  EXPECT_EQ(inked.back(), QPoint(10, 9));

  // A vertical line from (250, 25) to (250, 2725): column 49, rows 5 to 514.
  image = Screen();
  RasterCanvas vertical(image);
  vertical.DrawLine(250, 25, 250, 2725);
  inked = Inked(image);
  ASSERT_EQ(inked.size(), 510u);
  EXPECT_EQ(inked.front(), QPoint(49, 5));
  EXPECT_EQ(inked.back(), QPoint(49, 514));

  // A steep line (0, 0)-(10, 100): pixel (0, 0) to (2, 19), one pixel per row.
  image = Screen();
  RasterCanvas steep(image);
  steep.DrawLine(0, 0, 10, 100);
  inked = Inked(image);
  ASSERT_EQ(inked.size(), 20u);
  EXPECT_EQ(inked.back(), QPoint(2, 19));
}

TEST(RasterCanvasTest, ClippedLinesKeepTheirPixels) {
  // The same lines on a large image and on a small one that shows only a
  // window of it (the origin moved up and left): the small image is exactly
  // that window of the large one, at every scale.
  struct View {
    double scale;
    int width, height;  // the large image, holding the whole drawing
    QPoint window;      // the small image's top-left corner in the large one
  };
  for (const View& v : {View{1, 800, 600, {0, 0}}, View{1, 800, 600, {450, 380}},
                        View{2.5, 2000, 1500, {700, 300}}, View{8, 6400, 4800, {3000, 2150}}}) {
    QImage large(v.width, v.height, QImage::Format_RGB32), small(300, 200, QImage::Format_RGB32);
    large.fill(kWhite);
    small.fill(kWhite);
    RasterCanvas onLarge(large, {v.scale, {0, 0}}), onSmall(small, {v.scale, -v.window});
    for (int k = 0; k < 60; ++k) {
      const float x1 = 37.0f * k, y1 = 3000 - 51.0f * k, x2 = 4000 - 61.0f * k, y2 = 23.0f * k;
      onLarge.DrawLine(x1, y1, x2, y2);
      onSmall.DrawLine(x1, y1, x2, y2);
      onLarge.DrawLine(x2, y1, x1, y2 + 7 * k);
      onSmall.DrawLine(x2, y1, x1, y2 + 7 * k);
    }
    EXPECT_EQ(small, large.copy(QRect(v.window, small.size()))) << "scale " << v.scale;
    EXPECT_GT(Inked(small).size(), 100u) << "scale " << v.scale;
  }
}

TEST(RasterCanvasTest, ScaledLinesStayOnePixelWideAndPointsFillAScreenPixel) {
  QImage image(1600, 1200, QImage::Format_RGB32);
  image.fill(kWhite);
  RasterCanvas canvas(image, {2, {0, 0}});
  canvas.DrawLine(0, 0, 4050, 0);
  EXPECT_EQ(Inked(image).size(), 1600u);  // twice the 800 of one row at scale 1
  image.fill(kWhite);
  canvas.PlotPoint(400, 400);  // screen pixel (79, 76): image pixels 158-159, 151-152
  const std::vector<QPoint> square = {{158, 151}, {159, 151}, {158, 152}, {159, 152}};
  EXPECT_EQ(Inked(image), square);
}

TEST(RasterCanvasTest, PaletteColours) {
  QImage image = Screen();
  RasterCanvas canvas(image);
  canvas.PlotPoint(0, 0);
  canvas.PlotPoint(100, 0, Colour::DarkYellow);
  canvas.PlotPoint(210, 0, Colour::LightGrey);
  canvas.PlotPoint(300, 0, Colour::Yellow);
  canvas.DrawLine(400, 0, 400, 0, Colour::LightGrey);
  EXPECT_EQ(image.pixel(0, 0), kBlack);
  EXPECT_EQ(image.pixel(20, 0), 0xFF808000);
  EXPECT_EQ(image.pixel(41, 0), 0xFFC0C0C0);
  EXPECT_EQ(image.pixel(59, 0), 0xFFFFFF00);
  EXPECT_EQ(image.pixel(79, 0), 0xFFC0C0C0);
  EXPECT_EQ(Inked(image).size(), 5u);
}

TEST(RasterCanvasTest, TextHangsBelowItsAnchorPixel) {
  QImage image = Screen();
  image.fill(0xFF0000FF);  // a blue window, so that the white anchor shows
  RasterCanvas canvas(image);
  canvas.PlaceText(3335, 1265, " ");
  EXPECT_EQ(image.pixel(RasterCanvas::PixelOf(3335, 1265)), kWhite);

  QImage text = Screen();
  RasterCanvas writer(text);
  writer.PlaceText(3335, 1265, "base");
  const QPoint anchor = RasterCanvas::PixelOf(3335, 1265);
  int dark = 0;
  for (const QPoint& p : Inked(text)) {
    EXPECT_GE(p.x(), anchor.x());
    EXPECT_LT(p.x(), anchor.x() + 40);
    EXPECT_GE(p.y(), anchor.y());
    EXPECT_LT(p.y(), anchor.y() + 14);
    dark += qGray(text.pixel(p)) < 96;  // the glyphs' edges are smoothed
  }
  EXPECT_GT(dark, 20);
}

TEST(RasterCanvasTest, ClipsAndSkipsWhatCannotBeShown) {
  QImage image = Screen();
  RasterCanvas canvas(image);
  const float inf = std::numeric_limits<float>::infinity();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  canvas.DrawLine(nan, 0, 100, 100);
  canvas.DrawLine(0, 0, inf, 100);
  canvas.PlotPoint(nan, nan);
  canvas.PlaceText(nan, 0, "x");
  canvas.DrawLine(-1e30f, -1e30f, -1e29f, -1e30f);
  canvas.PlotPoint(5000, 5000);
  EXPECT_TRUE(Inked(image).empty());

  // A line that leaves the screen is drawn up to its edge.
  canvas.DrawLine(0, 12, 1e6f, 12);
  EXPECT_EQ(Inked(image).size(), 800u);
}

}  // namespace

namespace {

// A fresh canvas for every call remembers nothing: the image it gives is the
// one every call traced in full gives.
QImage DrawnAfresh(const CallList& calls, QImage image) {
  for (const DrawCall& call : calls) {
    RasterCanvas fresh(image);
    Replay({call}, fresh);
  }
  return image;
}

QImage DrawnOnOne(const CallList& calls, QImage image) {
  RasterCanvas canvas(image);
  Replay(calls, canvas);
  return image;
}

// Skipping lines whose pixels already hold their colour changes nothing.
TEST(RasterCanvasTest, SkippedLinesGiveTheImageOfEveryLineTraced) {
  QImage background = Screen();
  background.fill(0xFF123456);  // no colour of the palette: every line shows
  const CallList crafted = {
      LineCall{100, 100, 100, 900, Colour::White},
      LineCall{101, 50, 101, 950, Colour::White},
      LineCall{102, 300, 102, 400, Colour::White},
      LineCall{104, 1000, 104, 1200, Colour::White},
      LineCall{104, 1000, 104, 1200, Colour::LightGrey},  // the same pixels, another colour
      LineCall{105, 1190, 105, 1500, Colour::LightGrey},
      LineCall{10, 10, 3000, 2000, Colour::Foreground},
      LineCall{0, 1000, 4000, 1000, Colour::Yellow},
      LineCall{10, 10, 3000, 2000, Colour::Foreground},  // crossed since: traced again
      LineCall{3000, 2000, 10, 10, Colour::Foreground},  // the other way round: other pixels
      PointCall{1500, 1000, Colour::White},              // a point on the crossing
      LineCall{0, 1000, 4000, 1000, Colour::Yellow},     // the row again, over the point
      LineCall{4040, -500, 4040, 4000, Colour::Yellow},  // clipped
      LineCall{4041, -900, 4041, 3500, Colour::Yellow},
      LineCall{-20, 5, -20, 50, Colour::White},
      TextCall{200, 1000, "testo", Colour::White},
      LineCall{0, 1000, 4000, 1000, Colour::Yellow},
  };
  for (std::size_t n = 1; n <= crafted.size(); ++n) {  // a later call may hide a fault
    const CallList first(crafted.begin(), crafted.begin() + static_cast<std::ptrdiff_t>(n));
    EXPECT_EQ(DrawnOnOne(first, background), DrawnAfresh(first, background)) << n << " calls";
  }
  // And the pieces themselves, whose fills, fans and borders are what the
  // skipping is for.
  for (const Piece& piece : kPieces) {
    for (const HourSystem hours : {HourSystem::Astronomical, HourSystem::Temporary}) {
      if (hours == HourSystem::Temporary && !piece.temporaryDrawing.body) continue;
      const auto calls = DrawPiece(piece.DrawingFor(hours), "41,9", "7,5", true);
      ASSERT_TRUE(calls);
      EXPECT_EQ(DrawnOnOne(*calls, background), DrawnAfresh(*calls, background)) << piece.name;
    }
  }
}

}  // namespace
