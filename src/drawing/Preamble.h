#pragma once

#include <optional>

#include "drawing/Checks.h"
#include "drawing/InputPanel.h"

// Reads the inputs from `panel` and checks them. On refusal shows the box with
// the reason (`ownReason` when `extra` refused), empties both text boxes,
// gives the focus to the latitude and returns nothing.
std::optional<DrawingParameters> RunPreamble(InputPanel& panel, const ExtraCheck& extra = {},
                                             const QString& ownReason = kNotForThisPiece);
