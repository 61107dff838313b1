#pragma once

// The world coordinate system of the drawing window. The window's design
// client area of 9480 x 6795 twips is given the coordinates (0, 0) - (3200,
// 2400), so a drawing unit is 2.9625 twips across and 2.83125 twips down; it
// keeps that size on every screen and every device.
namespace DrawingUnits {

constexpr double kTwipsAcross = 9480.0 / 3200.0;  // 2.9625
constexpr double kTwipsDown = 6795.0 / 2400.0;    // 2.83125
constexpr double kTwipsPerInch = 1440.0;
constexpr double kTwipsPerPixel = 15.0;  // a device-independent pixel
constexpr double kMillimetresPerInch = 25.4;

// Pixels per drawing unit on a screen of 15 twips per pixel.
constexpr double kPixelsAcross = kTwipsAcross / kTwipsPerPixel;  // 0.1975
constexpr double kPixelsDown = kTwipsDown / kTwipsPerPixel;      // 0.18875

// Millimetres per drawing unit on paper.
constexpr double kMillimetresAcross = kTwipsAcross / kTwipsPerInch * kMillimetresPerInch;
constexpr double kMillimetresDown = kTwipsDown / kTwipsPerInch * kMillimetresPerInch;
constexpr double MillimetresAcross(double units) { return units * kMillimetresAcross; }
constexpr double MillimetresDown(double units) { return units * kMillimetresDown; }

// The recommended screen the drawings are laid out for, in pixels.
constexpr int kScreenPixelsWide = 800;
constexpr int kScreenPixelsHigh = 600;

// The same screen in drawing units.
constexpr double kScreenWidth = kScreenPixelsWide / kPixelsAcross;  // 4050.633
constexpr double kScreenHeight = kScreenPixelsHigh / kPixelsDown;   // 3178.808

// The windows' font on paper: "MS Sans Serif" at 8.25 points.
constexpr double kPaperFontPoints = 8.25;

}  // namespace DrawingUnits
