#include <gtest/gtest.h>

#include "devices/CompactRecording.h"
#include "devices/RecordingCanvas.h"
#include "piece_recorder.h"

namespace {

TEST(RecordingCanvasTest, KeepsEveryCallInOrderAndReplaysIdentically) {
  RecordingCanvas first;
  first.DrawLine(100, 12, 3900, 12);
  first.DrawLine(0.1f, 0.2f, 0.3f, 0.4f, Colour::LightGrey);
  first.PlotPoint(5, 6);
  first.PlotPoint(7, 8, Colour::Yellow);
  first.PlaceText(3335, 1265, "base");
  first.PlaceText(1670, 2060, "ORBELAN", Colour::Yellow);
  first.PlaceText(120, 95, 12LL);
  first.PlaceText(120, 95, -3LL);

  const CallList& calls = first.Calls();
  ASSERT_EQ(calls.size(), 8u);
  EXPECT_EQ(calls[0], DrawCall(LineCall{100, 12, 3900, 12, Colour::Foreground}));
  EXPECT_EQ(calls[3], DrawCall(PointCall{7, 8, Colour::Yellow}));
  EXPECT_EQ(calls[4], DrawCall(TextCall{3335, 1265, "base", Colour::White}));
  EXPECT_EQ(calls[6], DrawCall(TextCall{120, 95, " 12 ", Colour::White}));
  EXPECT_EQ(calls[7], DrawCall(TextCall{120, 95, "-3 ", Colour::White}));

  RecordingCanvas second;
  Replay(calls, second);
  EXPECT_EQ(second.Calls(), calls);
}

TEST(RecordingCanvasTest, TeeSendsEachCallToBoth) {
  RecordingCanvas a, b;
  TeeCanvas tee(a, b);
  tee.DrawLine(1, 2, 3, 4, Colour::DarkYellow);
  tee.PlaceText(1, 2, "x");
  EXPECT_EQ(a.Calls().size(), 2u);
  EXPECT_EQ(a.Calls(), b.Calls());
}

}  // namespace

namespace {

// The drawing window's compact record gives back, call for call, what the
// plain recorder keeps, for every piece.
TEST(CompactRecordingTest, EveryPieceComesBackCallForCall) {
  struct Into final : DrawingTarget {
    Canvas& PrepareWindow(const QString&) override { return record; }
    CompactRecording record;
  };
  for (const Piece& piece : kPieces) {
    for (const HourSystem hours : {HourSystem::Astronomical, HourSystem::Temporary}) {
      for (const auto& [latitude, decadi] : {std::pair{"45", false}, std::pair{"-33,25", true}}) {
        ScriptedPanel panel(latitude, "7,5", decadi);
        Into window;
        ProcedureOf(piece, hours)(panel, window);
        const auto plain = DrawPiece(piece.DrawingFor(hours), latitude, "7,5", decadi);
        ASSERT_TRUE(plain) << piece.name;
        EXPECT_EQ(window.record.size(), plain->size()) << piece.name;
        EXPECT_TRUE(window.record.Calls() == *plain) << piece.name << " " << latitude;
        RecordingCanvas replayed;
        window.record.Replay(replayed);
        EXPECT_TRUE(replayed.Calls() == *plain) << piece.name;
      }
    }
  }
}

}  // namespace
