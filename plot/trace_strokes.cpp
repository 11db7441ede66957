#include "plot/trace_strokes.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "base/numeric.h"
#include "plot/constants.h"

// A trace is 40 KB of strokes, rewritten at every edit. Eight samples are
// worked at a time in vectors: their points in double precision, exactly as
// one at a time, then as single precision, then shuffled into the strokes'
// layout and stored 32 bytes at a time. Stored value by value, the strokes
// cost more than all the arithmetic of the plot. Each shuffle below is one or
// two AVX2 instructions; the compiler also makes a copy for processors
// without AVX2, whose 16-byte halves it shuffles as best it can.

// The helpers below take and return AVX-sized vectors; they are always
// inlined, so no call ever passes one, and the calling convention for such
// vectors never matters.
#pragma GCC diagnostic ignored "-Wpsabi"

namespace plot {
namespace {

constexpr int kStep = 8;  // samples per round

// Doubles are worked four at a time, floats eight.
using Doubles = double __attribute__((vector_size(4 * sizeof(double))));
using Floats = float __attribute__((vector_size(8 * sizeof(float))));
using HalfFloats = float __attribute__((vector_size(4 * sizeof(float))));
using Lanes = std::int32_t __attribute__((vector_size(8 * sizeof(float))));
using Words = std::uint32_t __attribute__((vector_size(8 * sizeof(float))));

// Eight values, four by four, as single precision (nearest float).
[[gnu::always_inline]] inline Floats ToSingles(Doubles low, Doubles high) {
  return __builtin_shufflevector(__builtin_convertvector(low, HalfFloats),
                                 __builtin_convertvector(high, HalfFloats), 0, 1, 2, 3, 4, 5, 6,
                                 7);
}

// A vector of eight floats is two halves of four; the strokes' layout repeats
// every 80 bytes, two segments, so each half carries two segments: the
// first half segments 0, 1 or 2, 3 of a round, the second half 4, 5 or 6, 7.

// Two segments a-b and b-c per half, given as (xa ya xb yb), (xa la xb lb),
// (xb yb xc yc) and (xb lb xc lc), where l is a height 15 units lower, and
// the colour `c` in every lane: the five 16-byte parts of their four
// strokes of five values.
struct Parts {
  Floats part[5];
};

[[gnu::always_inline]] inline Parts Pair(Floats ab, Floats abLow, Floats bc, Floats bcLow,
                                         Floats c) {
  return {{ab, __builtin_shuffle(c, abLow, Lanes{0, 8, 9, 10, 4, 12, 13, 14}),
           __builtin_shuffle(__builtin_shuffle(abLow, c, Lanes{2, 8, 3, 8, 6, 12, 7, 12}), bc,
                             Lanes{2, 1, 8, 9, 6, 5, 12, 13}),
           __builtin_shuffle(bc, __builtin_shuffle(c, bc, Lanes{0, 8, 1, 9, 4, 12, 5, 13}),
                             Lanes{2, 3, 8, 9, 6, 7, 12, 13}),
           __builtin_shuffle(bcLow, c, Lanes{1, 2, 3, 8, 5, 6, 7, 12})}};
}

[[gnu::always_inline]] inline void Store(unsigned char* at, Floats value) {
  std::memcpy(at, &value, sizeof value);
}

}  // namespace

#if defined(__x86_64__)
[[gnu::target_clones("avx2", "default")]]
#endif
bool WriteTraceStrokes(std::span<app::Stroke, 2048> out, const double* samples, double width,
                       TracePoint start, double yZero, double yScale, app::Colour colour) {
  static_assert(sizeof(app::Stroke) == 5 * sizeof(float));
  static_assert(kPlotSamples % kStep == 0);
  // Whether the heights fit single precision (base::FitsSingle) is read off
  // the floats: a value fits exactly when its nearest float is finite. The
  // exponent bits of one that is not are all ones, and adding one unit of
  // exponent carries into the sign bit. Only the heights need the test: x
  // lies within the box's width, and adding 15 to a height that fits cannot
  // take it past the limit, 15 being far below a unit in the last place
  // there.
  constexpr std::uint32_t kExponent = 0x7f800000;
  constexpr std::uint32_t kExponentUnit = 0x00800000;
  const auto startY = static_cast<float>(start.y);
  Words unfit = (Words{std::bit_cast<std::uint32_t>(startY)} & kExponent) + kExponentUnit;

  const float c = std::bit_cast<float>(colour);
  const Floats colours{c, c, c, c, c, c, c, c};
  const auto startX = static_cast<float>(start.x);
  // The previous round's last two points as (x y x y) pairs, in lanes 4 .. 7.
  Floats before{0, 0, 0, 0, 0, 0, startX, startY};
  Floats beforeLow{0, 0, 0, 0, 0, 0, startX, static_cast<float>(start.y + kTraceDoubling)};
  auto* stroke = reinterpret_cast<unsigned char*>(out.data());
  Doubles k{0, 1, 2, 3};
  Doubles kToo{4, 5, 6, 7};
  constexpr double kSamples = kPlotSamples;
  for (int i = 0; i < kPlotSamples; i += kStep, k += kStep, kToo += kStep) {
    Doubles sample;
    Doubles sampleToo;
    std::memcpy(&sample, samples + i, sizeof sample);
    std::memcpy(&sampleToo, samples + i + 4, sizeof sampleToo);
    const Doubles y = yZero - yScale * sample;
    const Doubles yToo = yZero - yScale * sampleToo;
    // A height beyond the float range becomes infinite here, which the
    // test catches; its strokes are then never shown.
    const Floats xs = ToSingles(width * k / kSamples, width * kToo / kSamples);
    const Floats ys = ToSingles(y, yToo);
    const Floats lows = ToSingles(y + kTraceDoubling, yToo + kTraceDoubling);
    unfit |= ((Words)ys & kExponent) + kExponentUnit;
    // Points 0 1 | 4 5 and 2 3 | 6 7 of the round, then the pairs that end
    // the segments before them: last-of-before 0 | 3 4 and 1 2 | 5 6.
    const Floats near = __builtin_shuffle(xs, ys, Lanes{0, 8, 1, 9, 4, 12, 5, 13});
    const Floats far = __builtin_shuffle(xs, ys, Lanes{2, 10, 3, 11, 6, 14, 7, 15});
    const Floats nearLow = __builtin_shuffle(xs, lows, Lanes{0, 8, 1, 9, 4, 12, 5, 13});
    const Floats farLow = __builtin_shuffle(xs, lows, Lanes{2, 10, 3, 11, 6, 14, 7, 15});
    const Lanes kBefore{2, 3, 8, 9, 6, 7, 12, 13};
    const Lanes kCarry{4, 5, 6, 7, 8, 9, 10, 11};
    const Parts p = Pair(__builtin_shuffle(__builtin_shuffle(before, far, kCarry), near, kBefore),
                         __builtin_shuffle(__builtin_shuffle(beforeLow, farLow, kCarry), nearLow,
                                           kBefore),
                         near, nearLow, colours);
    const Parts q = Pair(__builtin_shuffle(near, far, kBefore),
                         __builtin_shuffle(nearLow, farLow, kBefore), far, farLow, colours);
    // p holds segments 0 1 | 4 5, q 2 3 | 6 7: the first halves in turn, then
    // the second halves.
    const Lanes kFirstHalves{0, 1, 2, 3, 8, 9, 10, 11};
    const Lanes kSecondHalves{4, 5, 6, 7, 12, 13, 14, 15};
    const Floats order[10] = {p.part[0], p.part[1], p.part[2], p.part[3], p.part[4],
                              q.part[0], q.part[1], q.part[2], q.part[3], q.part[4]};
    constexpr std::size_t kHalfRound = kStep * sizeof(app::Stroke);  // segments 0 .. 3
    for (int j = 0; j < 10; j += 2) {
      Store(stroke + sizeof(HalfFloats) * j,
            __builtin_shuffle(order[j], order[j + 1], kFirstHalves));
      Store(stroke + kHalfRound + sizeof(HalfFloats) * j,
            __builtin_shuffle(order[j], order[j + 1], kSecondHalves));
    }
    stroke += 2 * kHalfRound;
    before = far;
    beforeLow = farLow;
  }
  for (int lane = 1; lane < kStep; ++lane) unfit[0] |= unfit[lane];
  return unfit[0] >> 31 == 0;
}

}  // namespace plot
