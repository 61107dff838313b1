#pragma once

#include <optional>

#include "drawing/Checks.h"
#include "drawing/InputPanel.h"

// Reads the inputs from `panel` and checks them. On refusal shows the box,
// empties both text boxes, gives the focus to the latitude and returns nothing.
std::optional<DrawingParameters> RunPreamble(InputPanel& panel, const ExtraCheck& extra = {});
