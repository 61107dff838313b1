#include "devices/DxfFile.h"

#include <dxflib/dl_dxf.h>
#include <iconv.h>

#include <QList>
#include <QFontMetricsF>
#include <array>
#include <cstdio>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

#include "devices/CutLayers.h"
#include "devices/DxfObjects.h"
#include "devices/VisibleGeometry.h"
#include "devices/WindowFont.h"
#include "drawing/DrawingUnits.h"

namespace {

// Drawing units to millimetres, the Y axis turned up from the screen's
// bottom edge.
double MmX(double x) { return DrawingUnits::MillimetresAcross(x); }
double MmY(double y) { return DrawingUnits::MillimetresDown(DrawingUnits::kScreenHeight - y); }

// A screen pixel, the size of a point.
constexpr double kPixelWidth = 1 / DrawingUnits::kPixelsAcross;  // 5.0633 units
constexpr double kPixelHeight = 1 / DrawingUnits::kPixelsDown;   // 5.298 units

DL_Attributes OnLayer(const char* layer) {
  return DL_Attributes(layer, 256 /* BYLAYER */, -1, -1, "BYLAYER");
}

// The height of a DXF text is its capitals' height: the window font's on
// the printed page, 8.25 pt at 15 twips a pixel.
double TextHeightMm() {
  const double pixels = QFontMetricsF(WindowFont()).capHeight();
  return pixels * DrawingUnits::kTwipsPerPixel / DrawingUnits::kTwipsPerInch *
         DrawingUnits::kMillimetresPerInch;
}

void WriteTables(DL_Dxf& dxf, DL_WriterA& dw) {
  dxf.writeVPort(dw);
  dw.tableLinetypes(3);
  dxf.writeLinetype(dw, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
  dxf.writeLinetype(dw, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
  dxf.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Continuous", 0, 0, 0.0));
  dw.tableEnd();
  dw.tableLayers(static_cast<int>(kCutLayers.size()) + 1);
  dxf.writeLayer(dw, DL_LayerData("0", 0), DL_Attributes("", 7, -1, 0, "CONTINUOUS"));
  for (const CutLayer& layer : kCutLayers) {
    dxf.writeLayer(dw, DL_LayerData(layer.name, 0),
                   DL_Attributes("", layer.aci, layer.rgb, 0, "CONTINUOUS"));
  }
  dw.tableEnd();
  dw.tableStyle(1);
  DL_StyleData style("Standard", 0, 0.0, 1.0, 0.0, 0, TextHeightMm(), "arialbd.ttf", "");
  style.bold = true;
  dxf.writeStyle(dw, style);
  dw.tableEnd();
  dxf.writeView(dw);
  dxf.writeUcs(dw);
  dw.tableAppid(1);
  dxf.writeAppid(dw, "ACAD");
  dw.tableEnd();
  dxf.writeDimStyle(dw, 1, 1, 1, 1, 1);
  dxf.writeBlockRecord(dw);
  dw.tableEnd();
}

void WriteBlocks(DL_Dxf& dxf, DL_WriterA& dw) {
  for (const char* name : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
    dxf.writeBlock(dw, DL_BlockData(name, 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(dw, name);
  }
}

void WriteCut(DL_Dxf& dxf, DL_WriterA& dw, const PieceCut& cut) {
  dxf.writePolyline(dw, DL_PolylineData(static_cast<int>(cut.outline.size()), 0, 0, 1 /* closed */),
                    OnLayer("taglio"));
  for (const CutPoint& p : cut.outline) dxf.writeVertex(dw, DL_VertexData(MmX(p.x), MmY(p.y), 0));
  dxf.writePolylineEnd(dw);
  for (const CutSegment& f : cut.folds) {
    dxf.writeLine(dw, DL_LineData(MmX(f.a.x), MmY(f.a.y), 0, MmX(f.b.x), MmY(f.b.y), 0),
                  OnLayer("piega"));
  }
}

// A filled area as one solid HATCH of straight edges, on the layer of its
// colour.
void WriteFill(DL_Dxf& dxf, DL_WriterA& dw, const VisibleFill& fill) {
  const DL_Attributes layer = OnLayer(FillLayerOf(fill.colour));
  const DL_HatchData hatch(static_cast<int>(fill.loops.size()), true, 1.0, 0.0, "SOLID");
  dxf.writeHatch1(dw, hatch, layer);
  for (const auto& loop : fill.loops) {
    const DL_HatchLoopData edges(static_cast<int>(loop.size()));
    dxf.writeHatchLoop1(dw, edges);
    for (std::size_t k = 0; k < loop.size(); ++k) {
      const auto& [x1, y1] = loop[k];
      const auto& [x2, y2] = loop[(k + 1) % loop.size()];
      dxf.writeHatchEdge(dw, DL_HatchEdgeData(MmX(x1), MmY(y1), MmX(x2), MmY(y2)));
    }
    dxf.writeHatchLoop2(dw, edges);
  }
  dxf.writeHatch2(dw, hatch, layer);
}

void WriteEntities(DL_Dxf& dxf, DL_WriterA& dw, const VisibleDrawing& drawing,
                   const PieceCut* cut) {
  // Lines and fills in the order drawn, as a reader paints them: a grey disc
  // laid over the lattice hides it on paper and on screen alike.
  auto fill = drawing.fills.begin();
  std::size_t written = 0;
  const auto fillsUpTo = [&](std::size_t lines) {
    for (; fill != drawing.fills.end() && fill->linesBefore <= lines; ++fill)
      WriteFill(dxf, dw, *fill);
  };
  const std::vector<CutSegment> cutLines = cut ? CutLines(*cut) : std::vector<CutSegment>{};
  if (cut) WriteCut(dxf, dw, *cut);
  for (const VisibleLine& l : drawing.lines) {
    fillsUpTo(written++);
    if (OnCutLine(l, cutLines)) continue;
    dxf.writeLine(dw, DL_LineData(MmX(l.x1), MmY(l.y1), 0, MmX(l.x2), MmY(l.y2), 0),
                  OnLayer(LineLayerOf(l.colour)));
  }
  fillsUpTo(drawing.lines.size());
  for (const VisiblePoint& p : drawing.points) {
    // The filled square the screen shows; a solid's corners go 1, 2, 4, 3.
    const double left = MmX(p.x), right = MmX(p.x + kPixelWidth);
    const double top = MmY(p.y), bottom = MmY(p.y + kPixelHeight);
    dxf.writeSolid(dw,
                   DL_SolidData(left, top, 0, right, top, 0, left, bottom, 0, right, bottom, 0, 0),
                   OnLayer(LineLayerOf(p.colour)));
  }
  const double height = TextHeightMm();
  for (const VisibleText& t : drawing.texts) {
    // Left and top justified: the anchor is the text's top-left corner.
    const double x = MmX(t.x), y = MmY(t.y);
    dxf.writeText(dw,
                  DL_TextData(x, y, 0, x, y, 0, height, 1, 0, 0, 3, DxfText(t.text), "Standard", 0),
                  OnLayer("testi"));
  }
}

// dxflib lays the file out through a DL_WriterA, which writes and flushes
// every line to a file; this one keeps the lines in memory instead (800,000
// lines for plate A). Group codes right-aligned in three columns, integers
// in six, reals in the shortest decimals that read back the same number.
class MemoryWriter final : public DL_WriterA {
 public:
  MemoryWriter() : DL_WriterA("/dev/null", DL_Codes::AC1015) {}

  void dxfReal(int gc, double value) const override {
    Code(gc);
    std::array<char, 64> text{};
    const auto end = std::to_chars(text.begin(), text.end(), value, std::chars_format::fixed).ptr;
    bytes_.append(text.begin(), end);
    if (std::find(text.begin(), end, '.') == end) bytes_ += ".0";
    bytes_ += '\n';
  }
  void dxfInt(int gc, int value) const override {
    Code(gc);
    RightAligned(value, 6);
  }
  void dxfHex(int gc, int value) const override {
    Code(gc);
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "%X\n", static_cast<unsigned>(value));
    bytes_ += text.data();
  }
  void dxfString(int gc, const char* value) const override {
    Code(gc);
    bytes_ += value;
    bytes_ += '\n';
  }
  void dxfString(int gc, const std::string& value) const override { dxfString(gc, value.c_str()); }

  QByteArray Bytes() const {
    return QByteArray(bytes_.data(), static_cast<qsizetype>(bytes_.size()));
  }

 private:
  void Code(int gc) const { RightAligned(gc, 3); }
  // Without printf's formatting machinery: most of the file is these lines.
  void RightAligned(int value, std::size_t width) const {
    std::array<char, 16> text{};
    const auto end = std::to_chars(text.begin(), text.end(), value).ptr;
    const auto digits = static_cast<std::size_t>(end - text.begin());
    if (digits < width) bytes_.append(width - digits, ' ');
    bytes_.append(text.begin(), end);
    bytes_ += '\n';
  }
  mutable std::string bytes_;
};

}  // namespace

std::string DxfText(std::string_view utf8) {
  std::string out;
  iconv_t toAnsi = iconv_open("CP1252", "UTF-8");
  if (toAnsi == reinterpret_cast<iconv_t>(-1)) return out;
  const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  for (const char32_t c : text.toUcs4()) {
    QByteArray one = QString::fromUcs4(&c, 1).toUtf8();
    std::array<char, 8> ansi{};
    char* in = one.data();
    char* to = ansi.data();
    std::size_t inLeft = static_cast<std::size_t>(one.size()), outLeft = ansi.size();
    if (iconv(toAnsi, &in, &inLeft, &to, &outLeft) != static_cast<std::size_t>(-1) && inLeft == 0) {
      out.append(ansi.data(), ansi.size() - outLeft);
    } else {
      std::array<char, 16> escape{};
      std::snprintf(escape.data(), escape.size(), "\\U+%04X", static_cast<unsigned>(c));
      out.append(escape.data());
    }
  }
  iconv_close(toAnsi);
  return out;
}

QByteArray RenderDxf(const CallList& calls, const QString& title, const PieceCut* cut) {
  const VisibleDrawing drawing = Visible(calls);
  DL_Dxf dxf;
  MemoryWriter dw;
  dxf.writeHeader(dw);
  dw.dxfString(9, "$INSUNITS");
  dw.dxfInt(70, 4);  // millimetres
  dw.dxfString(9, "$MEASUREMENT");
  dw.dxfInt(70, 1);  // metric
  dw.dxfString(9, "$DWGCODEPAGE");
  dw.dxfString(3, "ANSI_1252");
  dw.dxfString(9, "$PROJECTNAME");
  dw.dxfString(1, DxfText(title.toStdString()));
  dw.sectionEnd();

  dw.sectionTables();
  WriteTables(dxf, dw);
  dw.sectionEnd();
  dw.sectionBlocks();
  WriteBlocks(dxf, dw);
  dw.sectionEnd();
  dw.sectionEntities();
  WriteEntities(dxf, dw, drawing, cut);
  dw.sectionEnd();
  WriteObjects(dw);
  dw.dxfEOF();
  return dw.Bytes();
}
