#pragma once

#include <QString>

// How far apart plate B and plate C draw their date lines.
enum class DateLineSpacing {
  Unset,    // neither option selected: the checks refuse it
  Months,   // "MESI": the month ends
  TenDays,  // "DECADI": the month ends, the 10th and the 20th
};

// The site data of one drawing, read afresh from the main window each time.
struct DrawingParameters {
  double Latitude = 0;         // degrees, north positive, -90 ... 90
  double LongitudeOffset = 0;  // degrees from the time zone's meridian, east positive, -15 ... 15
  DateLineSpacing DateSpacing = DateLineSpacing::Months;
};

// What a drawing procedure needs of the main window: its two text boxes, the
// date-spacing options, the focus and the refusal box.
class InputPanel {
 public:
  virtual ~InputPanel() = default;
  virtual QString Text1() const = 0;  // latitude
  virtual QString Text4() const = 0;  // longitude offset
  virtual bool Option5() const = 0;   // "DECADI"
  virtual bool Option6() const = 0;   // "MESI"
  virtual void SetText1(const QString& text) = 0;
  virtual void SetText4(const QString& text) = 0;
  virtual void FocusText1() = 0;
  // A modal box with kRefusalMessage, titled kRefusalTitle, one OK button, no
  // icon; returns when it is closed.
  virtual void ShowRefusal() = 0;
};

inline const QString kRefusalMessage = QStringLiteral("Valori non consentiti !!!");
inline const QString kRefusalTitle = QStringLiteral("Quindal");
