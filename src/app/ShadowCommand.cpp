#include "app/ShadowCommand.h"

#include <QPainter>
#include <QRegularExpression>

#include "devices/ExportDevices.h"
#include "devices/WindowFont.h"
#include "drawing/DrawingUnits.h"
#include "shadow/ShadowOverlay.h"
#include "shadow/ShadowWords.h"

std::optional<ClockReading> ReadClockReading(const QString& text) {
  static const QRegularExpression kForm(QStringLiteral(R"(^(\d{4}-\d{2}-\d{2}) (\d{2}:\d{2})$)"));
  const QRegularExpressionMatch m = kForm.match(text.trimmed());
  if (!m.hasMatch()) return std::nullopt;
  const ClockReading reading{QDate::fromString(m.captured(1), QStringLiteral("yyyy-MM-dd")),
                             QTime::fromString(m.captured(2), QStringLiteral("HH:mm"))};
  if (!reading.date.isValid() || !reading.time.isValid()) return std::nullopt;
  return reading;
}

void PrintShadow(const ShadowReading& r, std::ostream& out, std::ostream& err) {
  const auto line = [&](const char* key, const QString& value) {
    out << key << '\t' << value.toStdString() << '\n';
  };
  const auto number = [](double value) { return QString::number(value, 'f', 3); };
  if (const QString note = RepeatedHourNote(r); !note.isEmpty())
    err << "quindal-export: " << note.toStdString() << "\n";
  line("data", r.query.date.toString(QStringLiteral("yyyy-MM-dd")));
  line("ora", r.query.clock.toString(QStringLiteral("HH:mm")));
  line("fuso", r.query.zone());
  line("ora_legale", QString::number(r.summerMinutes));
  line("meridiano", number(r.meridianDeg));
  line("scarto_fuso", QString::number(r.zoneShiftMinutes));
  line("tmf", ClockTimeText(r.tmfMs));
  line("delta", number(r.deltaMinutes));
  line("tsvl", ClockTimeText(r.tsvlMs));
  line("angolo_orario", number(r.hourAngleDeg));
  line("altezza", number(r.altitudeDeg));
  if (!r.shadow) {
    line("lettura", SunDownWords());
    return;
  }
  line("x", number(r.shadow->x));
  line("y", number(r.shadow->y));
  line("mm", number(MillimetresBelowTop(r.shadow->y)));
  line("lettura", ReadingWords(r));
  if (r.temporaryHour) line("ora_temporaria", number(*r.temporaryHour));
}

QByteArray ShadowFile(FileFormat format, const CallList& calls, const ShadowReading& r, bool plateB,
                      const QString& title) {
  const ShadowMarks marks = ShadowMarksFor(r, plateB);
  if (format == FileFormat::Svg) return RenderSvg(calls, title, ShadowMarksSvg(marks));
  if (format == FileFormat::Pdf)
    return RenderPdf({&calls}, title, [&](QPainter& painter, double pixel) {
      PaintShadowMarks(painter, marks, pixel);
    });
  return RenderPng(calls, [&](QPainter& painter) {
    painter.setFont(WindowFont());
    painter.save();
    painter.scale(DrawingUnits::kPixelsAcross, DrawingUnits::kPixelsDown);
    PaintShadowMarks(painter, marks);
    painter.restore();
    PaintSentence(painter, QRect(0, 0, painter.device()->width(), painter.device()->height()),
                  ShadowSentence(r, plateB, QLocale()));
  });
}
