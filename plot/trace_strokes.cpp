#include "plot/trace_strokes.h"

#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "base/numeric.h"
#include "plot/constants.h"

// A trace is 40 KB of strokes, rewritten at every edit. Four samples are
// worked at a time in vectors: their points in double precision, exactly as
// one at a time, then as single precision, then shuffled into the strokes'
// layout and stored 16 bytes at a time. Point by point, the stores alone
// would cost more than the whole transform.

namespace plot {
namespace {

using Doubles = double __attribute__((vector_size(16)));
using Bits = std::uint64_t __attribute__((vector_size(16)));
using Floats = float __attribute__((vector_size(16)));
using FloatPair = float __attribute__((vector_size(8)));
using Lanes = std::int32_t __attribute__((vector_size(16)));

// Four values, two by two, as single precision (nearest float).
Floats ToSingles(Doubles low, Doubles high) {
#if defined(__SSE2__)
  // Said directly: the compiler takes the pairs apart value by value.
  return _mm_movelh_ps(_mm_cvtpd_ps(low), _mm_cvtpd_ps(high));
#else
  const FloatPair a = __builtin_convertvector(low, FloatPair);
  const FloatPair b = __builtin_convertvector(high, FloatPair);
  return Floats{a[0], a[1], b[0], b[1]};
#endif
}

// Strokes are written as raw bytes: four floats, or three and a colour, at a
// time.
void Store(unsigned char* at, Floats value) { std::memcpy(at, &value, sizeof value); }

// Two segments a-b and b-c, given as (xa ya xb yb), (xa la xb lb),
// (xb yb xc yc) and (xb lb xc lc), where l is a height 15 units lower: four
// strokes of five values, the fifth the colour `c`, in five stores.
[[gnu::always_inline]] inline void StorePair(unsigned char* out, Floats ab, Floats abLow, Floats bc, Floats bcLow, Floats c) {
  Store(out, ab);
  Store(out + 16, __builtin_shuffle(c, abLow, Lanes{0, 4, 5, 6}));
  Store(out + 32, __builtin_shuffle(__builtin_shuffle(abLow, c, Lanes{3, 4, 3, 4}), bc,
                                   Lanes{0, 1, 4, 5}));
  Store(out + 48, __builtin_shuffle(bc, c, Lanes{2, 3, 4, 0}));
  Store(out + 64, __builtin_shuffle(bcLow, c, Lanes{1, 2, 3, 4}));
}

}  // namespace

#if defined(__x86_64__)
[[gnu::target_clones("avx2", "default")]]
#endif
bool WriteTraceStrokes(std::span<app::Stroke, 2048> out, const double* samples, double width,
                       TracePoint start, double yZero, double yScale, app::Colour colour) {
  static_assert(sizeof(app::Stroke) == 5 * sizeof(float));
  static_assert(kPlotSamples % 4 == 0);
  // The test of base::AllFitSingle, lane by lane. Only the heights need it:
  // x lies within the box's width, and adding 15 to a height that fits
  // cannot take it past the limit, 15 being far below a unit in the last
  // place there.
  constexpr std::uint64_t kMagnitude = 0x7fffffffffffffff;
  const std::uint64_t limit = std::bit_cast<std::uint64_t>(base::kFloatLimit);
  // The start's height in one lane, and zero, which fits, in the other.
  const Bits startBits{std::bit_cast<std::uint64_t>(start.y), 0};
  Bits below = (startBits & kMagnitude) - limit;

  const float c = std::bit_cast<float>(colour);
  const Floats colours{c, c, c, c};
  const float startX = static_cast<float>(start.x);
  // The previous point, in lanes 2 and 3.
  Floats before{0, 0, startX, static_cast<float>(start.y)};
  Floats beforeLow{0, 0, startX, static_cast<float>(start.y + kTraceDoubling)};
  auto* stroke = reinterpret_cast<unsigned char*>(out.data());
  Doubles k01{0, 1};
  Doubles k23{2, 3};
  for (int i = 0; i < kPlotSamples; i += 4, stroke += 8 * sizeof(app::Stroke)) {
    Doubles s01;
    Doubles s23;
    std::memcpy(&s01, samples + i, sizeof s01);
    std::memcpy(&s23, samples + i + 2, sizeof s23);
    const Doubles y01 = yZero - yScale * s01;
    const Doubles y23 = yZero - yScale * s23;
    below &= ((Bits)y01 & kMagnitude) - limit;  // the bits of the heights
    below &= ((Bits)y23 & kMagnitude) - limit;
    // A height beyond the float range becomes infinite here; it is caught
    // by the test above and its strokes are never shown.
    const Floats xs = ToSingles(width * k01 / static_cast<double>(kPlotSamples),
                                width * k23 / static_cast<double>(kPlotSamples));
    const Floats ys = ToSingles(y01, y23);
    const Floats lows = ToSingles(y01 + kTraceDoubling, y23 + kTraceDoubling);
    k01 += 4.0;
    k23 += 4.0;
    const Floats first = __builtin_shuffle(xs, ys, Lanes{0, 4, 1, 5});
    const Floats second = __builtin_shuffle(xs, ys, Lanes{2, 6, 3, 7});
    const Floats firstLow = __builtin_shuffle(xs, lows, Lanes{0, 4, 1, 5});
    const Floats secondLow = __builtin_shuffle(xs, lows, Lanes{2, 6, 3, 7});
    StorePair(stroke, __builtin_shuffle(before, first, Lanes{2, 3, 4, 5}),
              __builtin_shuffle(beforeLow, firstLow, Lanes{2, 3, 4, 5}), first, firstLow, colours);
    StorePair(stroke + 4 * sizeof(app::Stroke), __builtin_shuffle(first, second, Lanes{2, 3, 4, 5}),
              __builtin_shuffle(firstLow, secondLow, Lanes{2, 3, 4, 5}), second, secondLow,
              colours);
    before = second;
    beforeLow = secondLow;
  }
  return ((below[0] & below[1]) >> 63) != 0;
}

}  // namespace plot
