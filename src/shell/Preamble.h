#pragma once

#include <QLocale>
#include <QString>
#include <functional>
#include <optional>

// The site data of one drawing, read afresh from the main window each time.
struct DrawingParameters {
  double Latitude = 0;         // degrees, north positive, -90 ... 90
  double LongitudeOffset = 0;  // degrees from the time zone's meridian, east positive, -15 ... 15
  int DateSpacing = 0;         // 1: date lines every ten days ("DECADI"), 0: monthly ("MESI")
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

// The state of the inputs as the window shows them.
struct InputState {
  QString text1;
  QString text4;
  bool option5 = false;
  bool option6 = true;
};

// A check of its own that a drawing adds after the common ones; true accepts.
using ExtraCheck = std::function<bool(const DrawingParameters&)>;

// The seven checks in their order, then `extra`: the parameters, or nothing
// when the input is refused. A plain function of the inputs, so that the
// window and the exporter share it.
std::optional<DrawingParameters> CheckInputs(const InputState& inputs,
                                             const ExtraCheck& extra = {},
                                             const QLocale& locale = QLocale());

// Reads the inputs from `panel` and checks them. On refusal shows the box,
// empties both text boxes, gives the focus to the latitude and returns nothing.
std::optional<DrawingParameters> RunPreamble(InputPanel& panel, const ExtraCheck& extra = {});
