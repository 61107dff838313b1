// Every piece's call list over a grid of inputs, kept as a digest: every
// coordinate as its float bits, every text, every colour, in order. A change
// that moves one line end by one bit, swaps two calls or turns a colour shows
// here. A change of the drawings made on purpose updates the table.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "italian_locale.h"
#include "piece_recorder.h"

namespace {

// FNV-1a, 64 bits: small, stable across machines, and enough to tell lists apart.
class Fnv1a {
 public:
  void Bytes(const void* data, std::size_t size) {
    for (std::size_t k = 0; k < size; ++k) {
      hash_ ^= static_cast<const unsigned char*>(data)[k];
      hash_ *= 0x100000001b3ull;
    }
  }
  void Float(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    Bytes(&bits, sizeof bits);
  }
  void Int(std::int64_t value) { Bytes(&value, sizeof value); }
  std::uint64_t value() const { return hash_; }

 private:
  std::uint64_t hash_ = 0xcbf29ce484222325ull;
};

void Add(Fnv1a& h, const CallList& calls) {
  h.Int(static_cast<std::int64_t>(calls.size()));
  for (const DrawCall& call : calls) {
    h.Int(static_cast<std::int64_t>(call.index()));
    if (const auto* l = std::get_if<LineCall>(&call)) {
      for (float v : {l->x1, l->y1, l->x2, l->y2}) h.Float(v);
      h.Int(static_cast<int>(l->colour));
    } else if (const auto* p = std::get_if<PointCall>(&call)) {
      h.Float(p->x);
      h.Float(p->y);
      h.Int(static_cast<int>(p->colour));
    } else {
      const auto& t = std::get<TextCall>(call);
      h.Float(t.x);
      h.Float(t.y);
      h.Int(static_cast<std::int64_t>(t.text.size()));
      h.Bytes(t.text.data(), t.text.size());
      h.Int(static_cast<int>(t.anchor));
    }
  }
}

const char* const kLatitudes[] = {"-90",       "-66,5", "-45",  "-33,25", "-23,45", "0",
                                  "0,0000005", "23,45", "41,9", "45",     "66,5",   "90"};
const char* const kOffsets[] = {"-15", "-7,5", "0", "7,5", "15"};

// One digest of a piece's lists over the grid, in grid order; a refused
// input counts as such. Plate A, the heaviest, depends on the latitude only
// and walks the latitudes; every other piece walks the whole grid.
std::uint64_t PieceDigest(Procedure procedure, bool wholeGrid) {
  Fnv1a h;
  for (const char* latitude : kLatitudes) {
    for (const char* offset : kOffsets) {
      for (bool decadi : {false, true}) {
        if (!wholeGrid && (std::strcmp(offset, "0") != 0 || decadi)) continue;
        const auto calls = DrawPiece(procedure, latitude, offset, decadi);
        if (calls) {
          Add(h, *calls);
        } else {
          h.Int(-1);
        }
      }
    }
  }
  return h.value();
}

using CallDigestTest = ItalianLocaleTest;

TEST_F(CallDigestTest, EveryPieceDrawsTheCallsItAlwaysDrew) {
  const struct {
    const char* name;
    Procedure procedure;
    bool wholeGrid;
    std::uint64_t digest;
  } pieces[] = {
      {"A", GRAPH1::DrawPlateA, false, 0xe3ec0287b07447d7},
      {"B", GRAPH1::DrawPlateB, true, 0x84a6b7f7fc5b7915},
      {"C astronomiche", GRAPH1::DrawPlateC_Astronomical, true, 0x35e6f55a69bee5d3},
      {"C temporarie", GRAPH1::DrawPlateC_Temporary, true, 0x86aeb19f87c587ac},
      {"D", GRAPH1::DrawPlateD, true, 0x19451f2344919625},
      {"base", GRAPH1::DrawBase, true, 0x799c9254e1a05f35},
      {"istruzioni", GRAPH1::DrawInstructions, true, 0x3947a7974f75b17d},
  };
  for (const auto& piece : pieces) {
    const std::uint64_t digest = PieceDigest(piece.procedure, piece.wholeGrid);
    char text[32];
    std::snprintf(text, sizeof text, "0x%016llx", static_cast<unsigned long long>(digest));
    EXPECT_EQ(digest, piece.digest) << piece.name << " now draws " << text;
  }
}

}  // namespace
