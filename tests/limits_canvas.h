#pragma once

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "drawing/Canvas.h"

// Checks every call of one drawing, as it comes, against the range its piece
// can reach: every coordinate finite and within x 0 ... 3940, y 0 ... 2990
// (text anchors included); plate C's hour-line points between its top edge
// (y = 125) and its bottom edge (2725); plate B's curve inside its grid
// (y = 200 ... 1520). Keeps no calls, so that long sweeps stay cheap.
class LimitsCanvas final : public Canvas {
 public:
  // `piece` as the list of the pieces names it: "C" and "B" get their own checks.
  explicit LimitsCanvas(std::string_view piece) : plateC_(piece == "C"), plateB_(piece == "B") {}

  bool ok() const { return problems.empty(); }

  long calls = 0;
  std::vector<std::string> problems;  // the first few

 private:
  void Line(float x1, float y1, float x2, float y2, Colour c) override {
    Take(x1, y1);
    Take(x2, y2);
    if (plateC_ && calls > kPlateCSheetCalls) CheckPlateC(x1, y1, x2, y2, c);
    if (plateB_ && std::fabs(x2 - x1 - kPlateBDayWidth) < 1e-3) CheckPlateBCurve(y1, y2);
  }
  void Point(float x, float y, Colour) override { Take(x, y); }
  void Text(float x, float y, std::string_view, Colour) override { Take(x, y); }

  static constexpr long kPlateCSheetCalls = 36;
  static constexpr double kPlateBDayWidth = 3818.0 / 365 * 0.5;

  void Problem(const std::string& what, float a, float b) {
    if (problems.size() < 5)
      problems.push_back(what + " (" + std::to_string(a) + ", " + std::to_string(b) + ") at call " +
                         std::to_string(calls));
  }

  void Take(float x, float y) {
    ++calls;
    if (!std::isfinite(x) || !std::isfinite(y)) return Problem("not finite", x, y);
    if (x < 0 || x > 3940 || y < 0 || y > 2990) Problem("outside the sheet", x, y);
  }

  // After the sheet every line ends on the row's point of an hour line,
  // except the border redraws; the grey shading starts from it.
  void CheckPlateC(float x1, float y1, float x2, float y2, Colour c) {
    const bool border = x1 == x2 && y1 == 25 && y2 == 2725 && (x1 == 250 || x1 == 3750);
    if (border) return;
    const float point = c == Colour::LightGrey ? y1 : y2;
    if (point < 125 || point > 2725) Problem("hour line off the plate", x2, point);
  }

  void CheckPlateBCurve(float y1, float y2) {
    if (y1 < 200 || y1 > 1520 || y2 < 200 || y2 > 1520) Problem("curve outside its grid", y1, y2);
  }

  bool plateC_, plateB_;
};
