#include <cmath>
#include <string>

#include "drawing/AngleConstants.h"
#include "pieces/KitWords.h"
#include "pieces/PieceBodies.h"

namespace GRAPH1 {

namespace {

// The assembled instrument in oblique projection, top right: each face is
// filled with lines one drawing unit apart, its back edge displaced up and
// to the left of its front edge.
void DrawOverallView(Canvas& c) {
  const double S = 500;
  const double X0 = 6 * S, Y0 = 1.5 * S;              // front edge of plate D
  const double Xb = X0 - S / 3, Yb = Y0 - 4 * S / 3;  // the same edge at the back
  const double T = std::tan(30 * RadPerDeg);
  const double k = S * T * 26 / 27;  // horizontal reach of plate A
  const double h = S * 26 / 27;      // height of plate B

  // Loops run over whole steps: a fractional end stops at its last whole step.
  for (int i = 0; i <= S; ++i) {
    c.DrawLine(X0 + S - i, Y0 + S, X0 + S - i, Y0 + S - i, Colour::DarkYellow);
  }
  for (int i = 0; i <= k; ++i) {
    c.DrawLine(X0 + S + k - i, Y0 + S, X0 + S + k - i, Y0 + S - i / T, Colour::DarkYellow);
  }
  for (int i = 0; i <= k; ++i) {
    c.DrawLine(X0 + S + k - i, Y0 + S - i / T, Xb + S + k - i, Yb + S - i / T, Colour::Yellow);
  }
  c.PlaceText(3550, 650, "A", Colour::Yellow);
  for (int i = 0; i <= h; ++i) {
    c.DrawLine(X0 + S, Y0 + S - i, Xb + S, Yb + S - i, Colour::LightGrey);
  }
  c.PlaceText(3400, 650, "B", Colour::LightGrey);
  // Plate C in two halves; the line at i = 250 is drawn by both, yellow last.
  for (int i = S; i >= S / 2; --i) {
    c.DrawLine(X0 + i, Y0 + i, Xb + i, Yb + i, Colour::LightGrey);
  }
  for (int i = S / 2; i >= 0; --i) {
    c.DrawLine(X0 + i, Y0 + i, Xb + i, Yb + i, Colour::Yellow);
  }
  c.PlaceText(3150, 650, "C", Colour::Yellow);
  for (int i = S; i >= 0; --i) {
    c.DrawLine(X0, Y0 + i, Xb, Yb + i, Colour::LightGrey);
  }
  c.PlaceText(2900, 650, "D", Colour::LightGrey);
  c.PlaceText(3335, 1265, Drawn(KitWords::tr("base")));

  c.DrawLine(X0, Y0, X0, Y0 + S);
  c.DrawLine(X0, Y0, X0 + S, Y0 + S);
  c.DrawLine(X0, Y0 + S, X0 + S + k, Y0 + S);
  c.DrawLine(X0 + S, Y0 + S - h, X0 + S + k, Y0 + S);
  c.DrawLine(X0 + S, Y0 + S - h, X0 + S, Y0 + S);
  c.DrawLine(Xb, Yb, Xb, Yb + S);
  c.DrawLine(Xb, Yb, Xb + S, Yb + S);
  c.DrawLine(Xb + S, Yb + S - h, Xb + S + k, Yb + S);
  c.DrawLine(Xb + S, Yb + S - h, Xb + S, Yb + S);
  c.DrawLine(X0 + S + k, Y0 + S, Xb + S + k, Yb + S);
  c.DrawLine(X0 + S, Y0 + S, Xb + S, Yb + S);
  c.DrawLine(X0, Y0, Xb, Yb);
  c.DrawLine(X0, Y0 + S, Xb, Yb + S);
  c.DrawLine(X0 + S, Y0 + S - h, Xb + S, Yb + S - h);
  PlaceRows(c, 3200, 1400, 100, KitWords::tr("Visione d'insieme\n  dello strumento"));
}

// The assembly seen from the side: each plate a line with its tabs.
void DrawProfile(Canvas& c) {
  const double L = 2000;  // length of plates D and B
  const double g = 150;   // spacing between the plates
  const double X2 = 0.1 * L, Y2 = 0.4 * L - g;
  const double T = std::tan(30 * RadPerDeg);
  const double reachA = L * 26 * T / 27;  // plate A leans at 60 degrees

  c.DrawLine(X2, Y2, X2, Y2 + L);
  c.DrawLine(X2, Y2, X2 + L / 10, Y2 + L / 10);
  c.DrawLine(X2, Y2 + L, X2 + L / 7, Y2 + L);
  c.PlaceText(80, 1600, "D");
  c.PlaceText(320, 680, "D1");
  c.PlaceText(300, 2680, "D2");

  c.DrawLine(X2, Y2 - g - 50, X2 + L, Y2 + L - g - 50);
  c.DrawLine(X2 + L - L / 7, Y2 + L - g - 50, X2 + L, Y2 + L - g - 50);
  c.PlaceText(1350, 1450, "C");
  c.PlaceText(2000, 2500, "C1");

  c.DrawLine(X2 + L, Y2 + L / 27 - 2 * g, X2 + L, Y2 + L - 2 * g);
  c.DrawLine(X2 + L, Y2 + L - 2 * g, X2 + L + L / 7, Y2 + L - 2 * g);
  c.PlaceText(2080, 1300, "B");
  c.PlaceText(2300, 2400, "B1");

  c.DrawLine(X2 + L + g, Y2 + L / 27 - g, X2 + L + reachA + g, Y2 + L - g);
  c.DrawLine(X2 + L + g, Y2 + L / 27 - g, X2 + L + g, Y2 + L / 27 + 1.4 * g);
  c.DrawLine(X2 + L + reachA + g, Y2 + L - g, X2 + L + reachA - 0.9 * g, Y2 + L - g);
  c.PlaceText(2970, 1450, "A");
  c.PlaceText(2235, 750, "A1");
  c.PlaceText(3270, 2550, "A2");

  c.DrawLine(X2 + g / 2, Y2 + L + g, X2 + L + reachA + g / 2, Y2 + L + g);
  c.PlaceText(1600, 2665, Drawn(KitWords::tr("base")));
}

}  // namespace

// The assembly sheet: how the four plates and the base go together. The same
// for every site.
void InstructionsBody(Canvas& c, const DrawingParameters&) {
  c.PlaceText(400, 150, Drawn(KitWords::tr("ISTRUZIONI PER IL MONTAGGIO DEL QUINDAL")));
  DrawOverallView(c);
  DrawProfile(c);
}

}  // namespace GRAPH1
