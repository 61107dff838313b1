#pragma once

#include <QFile>
#include <QXmlStreamReader>
#include <charconv>
#include <string>

#include "devices/RecordingCanvas.h"

// Reads an exported SVG back into the calls it was written from: a line per
// <line>, a point per <rect> (the background aside), and a text per <text>
// together with the <rect> of its anchor just before it.
inline float ReadFloat(QStringView text) {
  const std::string s = text.toString().toStdString();
  float value = 0;
  std::from_chars(s.data(), s.data() + s.size(), value);
  return value;
}

inline Colour ReadColour(QStringView hex) {
  const QString h = hex.toString();
  for (Colour c :
       {Colour::Foreground, Colour::DarkYellow, Colour::LightGrey, Colour::Yellow, Colour::White}) {
    if (h == QString::asprintf("#%06x", RgbOf(c))) return c;
  }
  return static_cast<Colour>(-99);
}

inline CallList ReadSvgCalls(const QByteArray& svg, QString* rootAttributes = nullptr) {
  CallList calls;
  QXmlStreamReader xml(svg);
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const auto a = xml.attributes();
    if (xml.name() == u"svg" && rootAttributes) {
      for (const auto& attribute : a)
        *rootAttributes += attribute.name().toString() + "=" + attribute.value().toString() + ";";
    } else if (xml.name() == u"line") {
      calls.push_back(LineCall{ReadFloat(a.value("x1")), ReadFloat(a.value("y1")),
                               ReadFloat(a.value("x2")), ReadFloat(a.value("y2")),
                               ReadColour(a.value("stroke"))});
    } else if (xml.name() == u"rect" && a.value("id") != u"background") {
      calls.push_back(
          PointCall{ReadFloat(a.value("x")), ReadFloat(a.value("y")), ReadColour(a.value("fill"))});
    } else if (xml.name() == u"text") {
      const auto anchor = std::get<PointCall>(calls.back());
      calls.pop_back();
      const float x = ReadFloat(a.value("x"));
      const float y = ReadFloat(a.value("y"));
      const QString text = xml.readElementText();
      if (anchor.x != x || anchor.y != y) return {};  // an anchor must stand at its text
      calls.push_back(TextCall{x, y, text.toStdString(), anchor.colour});
    }
  }
  return xml.hasError() ? CallList{} : calls;
}
