#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "devices/RecordingCanvas.h"

// A figure drawn again and again, each copy shifted a hair from the one
// before, paints the area its lines sweep: plate D's emblem, 467 copies
// 0.05 units apart, stands in relief that way. A laser should engrave that
// area once, not trace thousands of lines next to each other.
//
// A sweep is found line by line: at least 100 copies of one line in one
// colour, each shifted from the copy before by one and the same step of at
// most a tenth of a unit (lines drawn over themselves, or side by side
// farther apart, are no sweep). The sweeps of one colour whose calls
// interleave are one figure.
struct SweptFigure {
  Colour colour;
  std::size_t firstCall, lastCall;  // of its lines, in the call list
  std::size_t period;               // calls from one copy to the next
  std::vector<std::size_t> calls;   // every line call it takes, in order
  // The area, as parallelograms (corners in order), and the lines that
  // sweep along themselves, as the one line they cover.
  std::vector<std::array<double, 8>> parallelograms;
  std::vector<std::array<double, 4>> lines;
};

std::vector<SweptFigure> SweptFigures(const CallList& calls);
