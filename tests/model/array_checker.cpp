#include "tests/model/array_checker.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <span>

#include "base/bit_cast.h"
#include "dsp/impulse.h"

namespace testing_support {
namespace {

constexpr int kPoints = 1024;

std::string Fault(const std::string& what, int index, double value) {
  char text[64];
  std::snprintf(text, sizeof text, " at %d: %.17g", index, value);
  return what + text;
}

// Raw pointers and arithmetic rather than checked indexing and std::isfinite,
// so that the scans stay quick in an unoptimised, instrumented build: v * 0
// is 0 for every finite v and NaN for an infinity or a NaN.
template <class Value>
bool AllFinite(const Value* values, std::size_t count) {
  Value sum = 0;
  for (std::size_t i = 0; i < count; ++i) sum += values[i] * 0;
  return sum == 0;
}

int FirstNonFinite(std::span<const double> values) {
  if (AllFinite(values.data(), values.size())) return -1;
  int i = 0;
  while (AllFinite(values.data() + i, 1)) ++i;
  return i;
}

bool SameBytes(std::span<const double> a, std::span<const double> b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size_bytes()) == 0;
}

std::string CheckFinite(const app::Form1& form) {
  const std::pair<const char*, std::span<const double>> arrays[] = {
      {"dSpectrum", form.dSpectrum.Span()},
      {"dFFTData", form.dFFTData.Span()},
      {"dRawImpulse", form.dRawImpulse.Span()},
      {"dImpulseResponse", form.dImpulseResponse.Span()},
      {"dMemory", form.dMemory.Span()}};
  for (const auto& [name, values] : arrays) {
    const int bad = FirstNonFinite(values);
    if (bad >= 0) return Fault(std::string(name) + " not finite", bad, values[bad]);
  }
  if (form.dMemory.Span()[kPoints] != 0)
    return Fault("dMemory written", kPoints, form.dMemory.Span()[kPoints]);
  return {};
}

std::string CheckTransform(const app::Form1& form) {
  const double* spectrum = form.dSpectrum.Span().data();
  const double* fft = form.dFFTData.Span().data();
  const double* raw = form.dRawImpulse.Span().data();
  const double* response = form.dImpulseResponse.Span().data();

  double gain[9];
  for (int k = 0; k <= 8; ++k) gain[k] = (3960.0 - form.cmdSource(k).Top) / 2700.0;
  for (int bin = 0; bin <= kPoints; ++bin) {
    const double wanted = bin <= 8                              ? gain[bin]
                          : bin >= kPoints - 8 && bin < kPoints ? gain[kPoints - bin]
                                                                : 0.0;
    if (spectrum[bin] != wanted)
      return Fault("dSpectrum is not the gains of the points", bin, spectrum[bin]);
  }

  double energy = 0;
  for (int n = 0; n < kPoints; ++n) {
    if (std::fabs(fft[2 * n + 1]) > 1e-12)
      return Fault("transform of an even spectrum not real", n, fft[2 * n + 1]);
    if (raw[n] != fft[2 * n])
      return Fault("dRawImpulse is not the real part of dFFTData", n, raw[n]);
    energy += fft[2 * n] * fft[2 * n] + fft[2 * n + 1] * fft[2 * n + 1];
  }
  if (fft[2 * kPoints] != 0 || raw[kPoints] != 0 || spectrum[kPoints] != 0 ||
      response[kPoints] != 0)
    return "top element of an impulse array written";
  double mean = gain[0];
  double spectrumEnergy = gain[0] * gain[0];
  for (int k = 1; k <= 8; ++k) {
    mean += 2 * gain[k];
    spectrumEnergy += 2 * gain[k] * gain[k];
  }
  mean /= kPoints;
  spectrumEnergy /= kPoints;
  if (std::fabs(raw[0] - mean) > 1e-13)
    return Fault("time 0 of dRawImpulse is not the spectrum's mean", 0, raw[0]);
  if (std::fabs(energy - spectrumEnergy) > 1e-9 * spectrumEnergy + 1e-300)
    return Fault("dRawImpulse energy differs from the spectrum's", 0, energy - spectrumEnergy);

  double peak = 0;
  for (int n = 0; n < kPoints; ++n) peak = raw[n] > peak ? raw[n] : peak;
  if (peak == 0) return {};  // nothing to scale by: any finite display will do
  double largest = response[0];
  for (int i = 0; i < kPoints; ++i) {
    const double wanted = raw[(i + kPoints / 2) % kPoints] / peak;
    if (response[i] != wanted)
      return Fault("dImpulseResponse is not dRawImpulse centred and scaled", i, response[i]);
    largest = response[i] > largest ? response[i] : largest;
  }
  if (largest != 1.0) return Fault("largest sample of dImpulseResponse is not 1", 0, largest);
  return {};
}

std::string CheckPlot(const app::Form1& form) {
  const auto& strokes = form.picSpectrum.Strokes();
  const std::size_t traces = form.bMemoryHeld ? 2 : 1;
  if (strokes.size() != 8 + traces * 2 * kPoints)
    return Fault("picSpectrum stroke count", 0, static_cast<double>(strokes.size()));
  const app::Stroke* s = strokes.data();
  float sum = 0;
  for (std::size_t i = 0; i < strokes.size(); ++i)
    sum += s[i].X1 * 0 + s[i].Y1 * 0 + s[i].X2 * 0 + s[i].Y2 * 0;
  if (sum != 0) return "a picSpectrum stroke is not finite";
  return {};
}

}  // namespace

struct ArrayChecker::Copy {
  dsp::ImpulseArrays arrays;
  base::FixedArray<1024> memory;
  std::array<float, 9> tops{};
  bool held = false;
  std::vector<app::Stroke> strokes;

  void Take(const app::Form1& form) {
    arrays.dSpectrum = form.dSpectrum;
    arrays.dFFTData = form.dFFTData;
    arrays.dRawImpulse = form.dRawImpulse;
    arrays.dImpulseResponse = form.dImpulseResponse;
    memory = form.dMemory;
    for (int k = 0; k <= 8; ++k) tops[k] = form.cmdSource(k).Top;
    held = form.bMemoryHeld;
    strokes = form.picSpectrum.Strokes();
  }

  bool Matches(const app::Form1& form) const {
    for (int k = 0; k <= 8; ++k) {
      if (base::BitCast<std::uint32_t>(tops[k]) !=
          base::BitCast<std::uint32_t>(form.cmdSource(k).Top))
        return false;
    }
    const auto& now = form.picSpectrum.Strokes();
    return held == form.bMemoryHeld && SameBytes(arrays.dSpectrum.Span(), form.dSpectrum.Span()) &&
           SameBytes(arrays.dFFTData.Span(), form.dFFTData.Span()) &&
           SameBytes(arrays.dRawImpulse.Span(), form.dRawImpulse.Span()) &&
           SameBytes(arrays.dImpulseResponse.Span(), form.dImpulseResponse.Span()) &&
           SameBytes(memory.Span(), form.dMemory.Span()) && strokes.size() == now.size() &&
           std::memcmp(strokes.data(), now.data(), now.size() * sizeof(app::Stroke)) == 0;
  }
};

ArrayChecker::ArrayChecker() = default;
ArrayChecker::~ArrayChecker() = default;

std::string ArrayChecker::Check(const app::Form1& form) {
  if (passed_ && passed_->Matches(form)) return {};
  std::string fault = CheckFinite(form);
  if (fault.empty()) fault = CheckTransform(form);
  if (fault.empty()) fault = CheckPlot(form);
  if (!fault.empty()) {
    passed_.reset();
    return fault;
  }
  if (!passed_) passed_ = std::make_unique<Copy>();
  passed_->Take(form);
  return {};
}

}  // namespace testing_support
