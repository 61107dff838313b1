#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <functional>
#include <optional>

#include "drawing/DrawingParameters.h"

// The checks' words, in the user's language.
class Checks {
  Q_DECLARE_TR_FUNCTIONS(Checks)
};

// Why a drawing's own check refused a latitude, when it says no more.
inline QString NotForThisPiece() { return Checks::tr("non ammessa da questo pezzo"); }

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
std::optional<DrawingParameters> CheckInputs(const InputState& inputs, const ExtraCheck& extra = {},
                                             const QLocale& locale = QLocale());

// Why the common checks refuse `inputs`, in the main window's words: the box
// and the value as typed, then the reason ("latitudine 95: fuori
// dall'intervallo -90 … +90", "scostamento abc: non è un numero"). Empty when
// they accept them (a drawing's own check may still refuse).
QString RefusalReason(const InputState& inputs, const QLocale& locale = QLocale());

// The refusal's second line, as the exporter and the window give it: the
// common checks' reason, else the latitude with `ownReason`, why the
// drawing's own check refused it ("latitudine 80: oltre il circolo polare
// non ci sono ore temporarie").
QString RefusalText(const InputState& inputs, const QString& ownReason,
                    const QLocale& locale = QLocale());
