#pragma once

// The vector paths' register operations as a contract, and the blocks the
// stage driver (dsp/fft_stages.h) keeps the points in. Included after a
// path's target macro, like the driver; everything here is in an anonymous
// namespace, so that each processor's copy is its own.

#include <concepts>
#include <cstddef>

#include "dsp/fft_recurrences.h"

namespace nrFFT {
namespace {

/// What a vector path supplies: a register type V of kWidth doubles (2, 4
/// or 8) with lane-wise + - *, and
/// - Load and Store of kWidth consecutive doubles, Set1 of one in every lane;
/// - Clamp: each lane t to C if t > C, to -C if t < -C (C =
///   dsp::kProductClamp), a NaN passing through;
/// - Split of two registers of kWidth interleaved points into their real
///   and their imaginary parts, lane l holding point Order(l) (applied to
///   the parts, it interleaves them again);
/// - Transpose of kWidth registers, row r becoming column r;
/// - Blocks, which turns kWidth steps of the kLanes recurrence lanes into a
///   block per lane: out[l] holds lane l's steps, lane j step Order(j).
template <class Ops>
concept VectorOps =
    requires(typename Ops::V v, const double* from, double* to, double x,
             typename Ops::V (&row)[Ops::kWidth], const Quad (&steps)[Ops::kWidth],
             typename Ops::V (&out)[kLanes]) {
      requires Ops::kWidth == 2 || Ops::kWidth == 4 || Ops::kWidth == 8;
      { v + v } -> std::same_as<typename Ops::V>;
      { v - v } -> std::same_as<typename Ops::V>;
      { v * v } -> std::same_as<typename Ops::V>;
      { Ops::Load(from) } -> std::same_as<typename Ops::V>;
      Ops::Store(to, v);
      { Ops::Set1(x) } -> std::same_as<typename Ops::V>;
      { Ops::Clamp(v) } -> std::same_as<typename Ops::V>;
      { Ops::Order(0) } -> std::same_as<int>;
      Ops::Split(v, v, v, v);
      Ops::Transpose(row);
      Ops::Blocks(steps, out);
    };

/// kWidth points: their real parts, then their imaginary parts.
template <VectorOps Ops>
struct Block {
  typename Ops::V re;
  typename Ops::V im;
};

/// kWidth butterflies, each lane with its own factor, with the plain loop's
/// operations in its order.
template <VectorOps Ops>
[[gnu::always_inline]] inline void Butterflies(Block<Ops>& upper, Block<Ops>& lower,
                                               const Block<Ops>& w) {
  const auto tempr = Ops::Clamp(w.re * lower.re - w.im * lower.im);
  const auto tempi = Ops::Clamp(w.im * lower.re + w.re * lower.im);
  lower.re = upper.re - tempr;
  lower.im = upper.im - tempi;
  upper.re = tempr + upper.re;
  upper.im = tempi + upper.im;
}

/// The block that begins at point p, in the layout between the passes.
template <VectorOps Ops>
Block<Ops> LoadBlock(const double* data, std::ptrdiff_t p) {
  return {Ops::Load(data + 2 * p), Ops::Load(data + 2 * p + Ops::kWidth)};
}
template <VectorOps Ops>
void StoreBlock(double* data, std::ptrdiff_t p, const Block<Ops>& b) {
  Ops::Store(data + 2 * p, b.re);
  Ops::Store(data + 2 * p + Ops::kWidth, b.im);
}

/// Steps of the kLanes lanes, real parts stepR and imaginary parts stepI,
/// turned so that each lane's kWidth factors fill block out[l].
template <VectorOps Ops>
[[gnu::always_inline]] inline void FactorBlocks(const Quad (&stepR)[Ops::kWidth],
                                                const Quad (&stepI)[Ops::kWidth],
                                                Block<Ops> (&out)[kLanes]) {
  typename Ops::V re[kLanes];
  typename Ops::V im[kLanes];
  Ops::Blocks(stepR, re);
  Ops::Blocks(stepI, im);
#pragma GCC unroll 4
  for (int l = 0; l < kLanes; ++l) out[l] = {re[l], im[l]};
}

/// The next kWidth factors of each lane of `w`, lane l's as block out[l].
template <VectorOps Ops>
[[gnu::always_inline]] inline void NextFactors(Recurrences& w, Block<Ops> (&out)[kLanes]) {
  Quad stepR[Ops::kWidth];
  Quad stepI[Ops::kWidth];
#pragma GCC unroll 8
  for (int t = 0; t < Ops::kWidth; ++t) {
    stepR[t] = w.wr;
    stepI[t] = w.wi;
    w.Advance();
  }
  FactorBlocks(stepR, stepI, out);
}

/// One step of the recurrences run ahead (Ahead) every few register
/// butterflies of the passes before the last: about as much time as a
/// step's chain of three dependent operations, so that they are done before
/// the last pass without holding the others up. Spread among the
/// butterflies rather than bunched, so that the processor overlaps them.
template <VectorOps Ops>
[[gnu::always_inline]] inline void Paced(int butterfly, Ahead& ahead) {
  constexpr int kButterfliesPerStep = Ops::kWidth >= 8 ? 1 : 8 / Ops::kWidth;
  if ((butterfly + 1) % kButterfliesPerStep == 0) ahead.Step();
}

/// x with its low `bits` bits in reverse order.
constexpr int Reversed(int x, int bits) {
  int r = 0;
  for (int b = 0; b < bits; ++b) r |= ((x >> b) & 1) << (bits - 1 - b);
  return r;
}

}  // namespace
}  // namespace nrFFT
