#include "devices/CutSvg.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>

#include "devices/CutLayers.h"
#include "devices/SvgCanvas.h"
#include "devices/VisibleGeometry.h"
#include "drawing/DrawingUnits.h"

namespace {

using DrawingUnits::kMillimetresAcross;
using DrawingUnits::kMillimetresDown;

// Millimetres to a tenth of a micrometre, without trailing zeros.
std::string Mm(double millimetres) {
  char text[32];
  std::snprintf(text, sizeof text, "%.4f", millimetres);
  std::string s = text;
  s.erase(s.find_last_not_of('0') + 1);
  if (s.back() == '.') s.pop_back();
  return s == "-0" ? "0" : s;
}
std::string X(double x) { return Mm(DrawingUnits::MillimetresAcross(x)); }
std::string Y(double y) { return Mm(DrawingUnits::MillimetresDown(y)); }

std::string Hex(std::uint32_t rgb) {
  char text[8];
  std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(rgb));
  return text;
}

// A hairline for the cutter and the scorer: 0.025 mm, the width laser
// software takes for a vector line to follow, not to burn as an area.
const std::string kHairline = "0.025";
// One screen pixel, 0.2646 mm: an engraved line's width, and a point's.
const std::string kPixel = Mm(1 / DrawingUnits::kPixelsAcross * kMillimetresAcross);
// The window font's size and its ascent, in millimetres.
const std::string kFontSize = Mm(58 * kMillimetresDown);
const std::string kTextDrop = Mm(52.98 * kMillimetresDown);

// How each layer's group draws what it holds.
std::string GroupStyle(const CutLayer& layer) {
  const std::string colour = Hex(layer.shown);
  const std::string name = layer.name;
  if (name == "taglio" || name == "piega")
    return "fill=\"none\" stroke=\"" + colour + "\" stroke-width=\"" + kHairline + "\"";
  if (name == "testi")
    return "fill=\"" + colour +
           "\" font-family=\"MS Sans Serif, Liberation Sans, Arial, sans-serif\" font-size=\"" +
           kFontSize + "\" font-weight=\"bold\" xml:space=\"preserve\"";
  return "fill=\"" + colour + "\" stroke=\"" + colour + "\" stroke-width=\"" + kPixel +
         "\" stroke-linecap=\"square\"";
}

std::string LineElement(double x1, double y1, double x2, double y2) {
  return "<line x1=\"" + X(x1) + "\" y1=\"" + Y(y1) + "\" x2=\"" + X(x2) + "\" y2=\"" + Y(y2) +
         "\"/>\n";
}

}  // namespace

QByteArray RenderCutSvg(const CallList& calls, const QString& title, const PieceCut* cut) {
  const VisibleDrawing drawing = Visible(calls);
  std::map<std::string, std::string> content;  // a layer's elements, in the order drawn

  if (cut && !cut->outline.empty()) {
    std::string d;
    for (const CutPoint& p : cut->outline) d += (d.empty() ? "M" : " L") + X(p.x) + "," + Y(p.y);
    content["taglio"] += "<path id=\"contorno\" d=\"" + d + " Z\"/>\n";
    for (const CutSegment& f : cut->folds)
      content["piega"] += LineElement(f.a.x, f.a.y, f.b.x, f.b.y);
  }
  for (const VisibleFill& fill : drawing.fills) {
    std::string d;
    for (const auto& loop : fill.loops) {
      for (std::size_t k = 0; k < loop.size(); ++k)
        d +=
            (k == 0 ? (d.empty() ? "M" : " M") : " L") + X(loop[k].first) + "," + Y(loop[k].second);
      d += " Z";
    }
    content[FillLayerOf(fill.colour)] +=
        "<path d=\"" + d + "\" fill-rule=\"evenodd\" stroke=\"none\"/>\n";
  }
  const std::vector<CutSegment> cutLines = cut ? CutLines(*cut) : std::vector<CutSegment>{};
  for (const VisibleLine& l : drawing.lines)
    if (!OnCutLine(l, cutLines))
      content[LineLayerOf(l.colour)] += LineElement(l.x1, l.y1, l.x2, l.y2);
  for (const VisiblePoint& p : drawing.points)
    content[LineLayerOf(p.colour)] += "<rect x=\"" + X(p.x) + "\" y=\"" + Y(p.y) + "\" width=\"" +
                                      kPixel + "\" height=\"" + kPixel + "\" stroke=\"none\"/>\n";
  for (const VisibleText& t : drawing.texts)
    content["testi"] += "<text x=\"" + X(t.x) + "\" y=\"" + Y(t.y) + "\" dy=\"" + kTextDrop +
                        "\">" + XmlEscaped(t.text) + "</text>\n";

  const std::string width = X(DrawingUnits::kScreenWidth), height = Y(DrawingUnits::kScreenHeight);
  std::string svg =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" "
      "xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\" width=\"" +
      width + "mm\" height=\"" + height + "mm\" viewBox=\"0 0 " + width + " " + height + "\">\n";
  if (!title.isEmpty()) svg += "<title>" + XmlEscaped(title.toStdString()) + "</title>\n";
  // The fills under the lines; the cut and the folds on top, where a
  // viewer sees them whole.
  for (const char* name :
       {"grigio", "giallo", "oliva", "nero", "incisione", "testi", "piega", "taglio"}) {
    const CutLayer& layer =
        *std::find_if(kCutLayers.begin(), kCutLayers.end(),
                      [&](const CutLayer& l) { return std::string(l.name) == name; });
    svg += "<g id=\"" + std::string(name) + "\" inkscape:label=\"" + name +
           "\" inkscape:groupmode=\"layer\" " + GroupStyle(layer) + ">\n" + content[name] +
           "</g>\n";
  }
  svg += "</svg>\n";
  return QByteArray(svg.data(), static_cast<qsizetype>(svg.size()));
}
