#include "booklet/ReadingTable.h"

#include <QTime>

#include "shadow/ShadowAtInstant.h"
#include "shadow/ShadowWords.h"

std::vector<ReadingRow> ReadingTable(const DrawingParameters& site, HourSystem hours,
                                     const QString& zone, int year) {
  std::vector<ReadingRow> rows;
  for (int month = 1; month <= 12; ++month) {
    for (int day : {1, 15}) {
      ReadingRow row{QDate(year, month, day), {}};
      for (std::size_t k = 0; k < kReadingHours.size(); ++k) {
        const ShadowOutcome outcome =
            ShadowAt({site, hours, zone, row.date, QTime(kReadingHours[k], 0)});
        row.shown[k] = outcome.reading && outcome.reading->SunUp()
                           ? MinuteText(outcome.reading->tsvlMs)
                           : QStringLiteral("—");
      }
      rows.push_back(std::move(row));
    }
  }
  return rows;
}
