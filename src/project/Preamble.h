#pragma once

#include <optional>

#include "project/InputPanel.h"
#include "project/ProjectCheck.h"

// Reads what `panel` holds once and checks it for its sheets (a drawing
// button's one, or all the booklet's): the project accepted, or, on
// refusal, the box with the reason, both text boxes emptied, the focus on
// the latitude, and nothing.
std::optional<CheckedProject> RunPreamble(InputPanel& panel,
                                          const std::vector<SheetRule>& sheets = {});
