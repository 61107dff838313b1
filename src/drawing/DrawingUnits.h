#pragma once

// The world coordinate system of the drawing window. The window's design
// client area of 9480 x 6795 twips is given the coordinates (0, 0) - (3200,
// 2400), so a drawing unit is 2.9625 twips across and 2.83125 twips down; it
// keeps that size on every screen and every device.
namespace DrawingUnits {

constexpr double kTwipsAcross = 9480.0 / 3200.0;  // 2.9625
constexpr double kTwipsDown = 6795.0 / 2400.0;    // 2.83125
constexpr double kTwipsPerInch = 1440.0;
constexpr double kTwipsPerPixel = 15.0;            // a device-independent pixel

// Pixels per drawing unit on a screen of 15 twips per pixel.
constexpr double kPixelsAcross = kTwipsAcross / kTwipsPerPixel;  // 0.1975
constexpr double kPixelsDown = kTwipsDown / kTwipsPerPixel;      // 0.18875

// Millimetres per drawing unit on paper.
constexpr double kMillimetresAcross = kTwipsAcross / kTwipsPerInch * 25.4;
constexpr double kMillimetresDown = kTwipsDown / kTwipsPerInch * 25.4;

// The recommended 800 x 600 screen, in drawing units.
constexpr double kScreenWidth = 800 / kPixelsAcross;   // 4050.633
constexpr double kScreenHeight = 600 / kPixelsDown;    // 3178.808

}  // namespace DrawingUnits
