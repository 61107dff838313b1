#pragma once

#include <QString>

#include "drawing/Checks.h"
#include "project/Project.h"

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
  // icon, and `reason` below it in smaller words; returns when it is closed.
  virtual void ShowRefusal(const QString& reason) = 0;
  // Everything the user chose. Without a site finder or an hour system of
  // its own, a panel's project is its boxes and options, read in the order
  // the checks take them.
  virtual Project Chosen() const;
};

// The refusal's first line, above its reason.
inline QString RefusalMessage() { return Checks::tr("Valori non consentiti !!!"); }
inline const QString kRefusalTitle = QStringLiteral("Quindal");
