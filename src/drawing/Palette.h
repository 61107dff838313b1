#pragma once

#include <cstdint>

// The colours a drawing may ask for: the foreground (the window-text colour)
// or one index of the classic 16-colour palette. Only four indices are used.
enum class Colour : int {
  Foreground = -1,
  DarkYellow = 6,
  LightGrey = 7,
  Yellow = 14,
  White = 15,
};

// 0xRRGGBB of a colour; the foreground is black and the window white.
constexpr std::uint32_t RgbOf(Colour c) {
  switch (c) {
    case Colour::DarkYellow: return 0x808000;
    case Colour::LightGrey: return 0xC0C0C0;
    case Colour::Yellow: return 0xFFFF00;
    case Colour::White: return 0xFFFFFF;
    case Colour::Foreground: break;
  }
  return 0x000000;
}

constexpr std::uint32_t kWindowRgb = 0xFFFFFF;
