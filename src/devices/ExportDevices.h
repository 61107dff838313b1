#pragma once

#include <QByteArray>
#include <vector>

#include "devices/RecordingCanvas.h"

// The file formats a drawing can be written in, each from its recorded calls.
enum class FileFormat { Svg, Pdf, Png };

// The picture the drawing window shows on an 800 x 600 screen, as PNG.
QByteArray RenderPng(const CallList& calls);
// SVG at true scale, one element per call.
QByteArray RenderSvg(const CallList& calls);
// PDF, one A4 landscape page per drawing, each at true scale.
QByteArray RenderPdf(const std::vector<const CallList*>& pages);

QByteArray Render(FileFormat format, const CallList& calls);
