#include "devices/SvgCanvas.h"

#include <charconv>
#include <cstdio>

#include "drawing/DrawingUnits.h"

namespace {

std::string HexColour(Colour c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(RgbOf(c)));
  return text;
}

// A text hangs from its anchor, as on the screen: its baseline one ascent of
// the window font (10 of its 11 pixels) below. Given as dy rather than by
// dominant-baseline="hanging", which librsvg ignores.
const std::string kTextDrop = "52.98";

// One screen pixel in drawing units: the size of a point's rectangle.
const std::string kPixelWidth = "5.0633";
const std::string kPixelHeight = "5.298";

}  // namespace

std::string FloatText(float value) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

std::string XmlEscaped(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (const char ch : text) {
    switch (ch) {
      case '&': escaped += "&amp;"; break;
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      case '"': escaped += "&quot;"; break;
      case '\'': escaped += "&apos;"; break;
      default: escaped += ch;
    }
  }
  return escaped;
}

SvgCanvas::SvgCanvas(std::string_view title) {
  svg_ =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"211.667mm\" height=\"158.75mm\" "
      "viewBox=\"0 0 4050.633 3178.808\" preserveAspectRatio=\"none\">\n";
  if (!title.empty()) svg_ += "<title>" + XmlEscaped(title) + "</title>\n";
  svg_ +=
      "<rect id=\"background\" x=\"0\" y=\"0\" width=\"4050.633\" height=\"3178.808\" "
      "fill=\"#ffffff\"/>\n"
      "<g stroke-width=\"5.2\" stroke-linecap=\"square\" "
      "font-family=\"MS Sans Serif, Liberation Sans, Arial, sans-serif\" font-size=\"58\" "
      "font-weight=\"bold\" xml:space=\"preserve\">\n";
}

void SvgCanvas::Line(float x1, float y1, float x2, float y2, Colour c) {
  svg_ += "<line x1=\"" + FloatText(x1) + "\" y1=\"" + FloatText(y1) + "\" x2=\"" + FloatText(x2) +
          "\" y2=\"" + FloatText(y2) + "\" stroke=\"" + HexColour(c) + "\"/>\n";
}

void SvgCanvas::Point(float x, float y, Colour c) {
  svg_ += "<rect x=\"" + FloatText(x) + "\" y=\"" + FloatText(y) + "\" width=\"" + kPixelWidth +
          "\" height=\"" + kPixelHeight + "\" fill=\"" + HexColour(c) + "\"/>\n";
}

void SvgCanvas::Text(float x, float y, std::string_view text, Colour anchor) {
  PlotPoint(x, y, anchor);
  svg_ += "<text x=\"" + FloatText(x) + "\" y=\"" + FloatText(y) + "\" dy=\"" + kTextDrop +
          "\" fill=\"" + HexColour(Colour::Foreground) + "\">" + XmlEscaped(text) + "</text>\n";
}

std::string SvgCanvas::Finish() {
  svg_ += "</g>\n</svg>\n";
  return std::move(svg_);
}
