#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <vector>

#include "devices/FileFormats.h"
#include "devices/RecordingCanvas.h"

class QPainter;

// The picture the drawing window shows on an 800 x 600 screen, as PNG;
// `over`, when given, paints on it afterwards with the painter in pixels.
QByteArray RenderPng(const CallList& calls, const std::function<void(QPainter&)>& over = {});
// SVG at true scale, one element per call, titled `title`; `over`, SVG
// elements in drawing units, laid over the drawing.
QByteArray RenderSvg(const CallList& calls, const QString& title = {}, const QString& over = {});
// PDF, one A4 landscape page per drawing, each at true scale, titled `title`;
// `over`, when given, paints on each page afterwards with the painter in
// drawing units and the PDF's dots per screen pixel.
QByteArray RenderPdf(const std::vector<const CallList*>& pages, const QString& title = {},
                     const std::function<void(QPainter&, double pixel)>& over = {});

// In `format`; `cut`, the piece's outline and folds, for the formats that cut.
QByteArray Render(FileFormat format, const CallList& calls, const QString& title = {},
                  const PieceCut* cut = nullptr);
