// The transform: its refusals and its results through every implementation
// the processor has, and each implementation against the plain loop.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <numbers>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "base/errors.h"
#include "dsp/fft.h"
#include "dsp/fft_paths.h"
#include "tests/dsp/recording_sink.h"

namespace nrFFT {

// The test list names an implementation, not its address.
void PrintTo(const FftPath* path, std::ostream* out) { *out << path->name; }

}  // namespace nrFFT

namespace {

using testing_support::RecordingSink;
using nrFFT::FftPath;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

std::vector<double> RandomParts(std::size_t count, std::uint64_t seed) {
  std::mt19937_64 engine(seed);
  std::uniform_real_distribution<double> part(-1.0, 1.0);
  std::vector<double> values(count);
  for (double& value : values) value = part(engine);
  return values;
}

bool SameBits(const std::vector<double>& a, const std::vector<double>& b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0;
}

std::string PathName(const ::testing::TestParamInfo<const FftPath*>& info) {
  return std::string(info.param->name);
}

// Every behaviour runs through each implementation the processor has; the
// others are skipped, by name.
class EveryPath : public ::testing::TestWithParam<const FftPath*> {
 protected:
  void SetUp() override {
    if (!GetParam()->Supported()) GTEST_SKIP() << GetParam()->name << " not on this processor";
  }
  void Run(std::vector<double>& data, std::int32_t points, bool inverse) {
    nrFFT::TransformWith(*GetParam(), data, points, inverse, sink);
  }
  RecordingSink sink;
};

std::vector<const FftPath*> AllPaths() {
  std::vector<const FftPath*> paths;
  for (const FftPath& path : nrFFT::FftPaths()) paths.push_back(&path);
  return paths;
}

INSTANTIATE_TEST_SUITE_P(, EveryPath, ::testing::ValuesIn(AllPaths()), PathName);

TEST(ComplexFFT, RunsTheBestImplementationTheProcessorHas) {
  const FftPath& selected = nrFFT::SelectedFftPath();
  RecordProperty("implementation", std::string(selected.name));
  ASSERT_TRUE(selected.Supported());
  for (const FftPath& path : nrFFT::FftPaths()) {
    if (&path == &selected) break;
    EXPECT_FALSE(path.Supported()) << path.name << " is better and supported";
  }
}

TEST_P(EveryPath, RefusesLengthsThatAreNotPowersOfTwoWithOneMessage) {
  for (const std::int32_t points : {0, 1, 3, 12, -1, -8, std::numeric_limits<std::int32_t>::min()}) {
    SCOPED_TRACE(points);
    // A NaN in the array: a refused length must not get as far as the scan.
    std::vector<double> data = RandomParts(32, 1);
    data[5] = kNaN;
    const std::vector<double> before = data;
    sink.messages.clear();
    Run(data, points, true);
    EXPECT_EQ(sink.messages, std::vector<std::string>{"This FFT only does powers of two."});
    EXPECT_TRUE(SameBits(data, before));
  }
}

TEST_P(EveryPath, RaisesOverflowFromTwoToTheThirtyOnBeforeTouchingAnything) {
  // The length checks come before the array's size is looked at, so a tiny
  // array is enough and no huge allocation is needed.
  for (const std::int32_t points :
       {std::int32_t{1} << 30, (std::int32_t{1} << 30) + 1, std::numeric_limits<std::int32_t>::max()}) {
    std::vector<double> data = RandomParts(8, 2);
    const std::vector<double> before = data;
    EXPECT_THROW(Run(data, points, false), base::OverflowError) << points;
    EXPECT_TRUE(SameBits(data, before));
  }
  EXPECT_TRUE(sink.messages.empty());
}

TEST_P(EveryPath, RaisesSubscriptErrorForAShortArrayUnchanged) {
  std::vector<double> data = RandomParts(2 * 64 - 1, 3);
  const std::vector<double> before = data;
  EXPECT_THROW(Run(data, 64, true), base::SubscriptError);
  EXPECT_TRUE(SameBits(data, before));
}

TEST_P(EveryPath, RaisesFloatingPointErrorForNonFiniteInputUnchanged) {
  for (const double bad : {kNaN, -kNaN, kInf, -kInf}) {
    for (const std::size_t where : {std::size_t{0}, std::size_t{1}, std::size_t{130}, std::size_t{255}}) {
      std::vector<double> data = RandomParts(256, 4);
      data[where] = bad;
      const std::vector<double> before = data;
      EXPECT_THROW(Run(data, 128, false), base::FloatingPointError) << bad << " at " << where;
      EXPECT_TRUE(SameBits(data, before));
    }
  }
}

TEST_P(EveryPath, TwoPointsAddAndSubtract) {
  std::vector<double> data{1.0, 2.0, 3.0, 5.0};
  Run(data, 2, false);
  EXPECT_EQ(data, (std::vector<double>{4.0, 7.0, -2.0, -3.0}));
  Run(data, 2, true);
  EXPECT_EQ(data, (std::vector<double>{1.0, 2.0, 3.0, 5.0}));
  EXPECT_TRUE(sink.messages.empty());
}

TEST_P(EveryPath, ClampsButterflyProductsAtOneE200) {
  // x0 = 0, x1 = (1e300, -1e300): both products pass the clamp value.
  std::vector<double> data{0.0, 0.0, 1e300, -1e300};
  Run(data, 2, false);
  EXPECT_EQ(data, (std::vector<double>{1e200, -1e200, -1e200, 1e200}));
}

TEST_P(EveryPath, UnitImpulsesGiveConstantsAndPureTones) {
  constexpr std::int32_t kPoints = 1024;
  for (const bool inverse : {false, true}) {
    SCOPED_TRACE(inverse);
    const double scale = inverse ? 1.0 / kPoints : 1.0;
    std::vector<double> data(2 * kPoints, 0.0);
    data[0] = 1.0;
    Run(data, kPoints, inverse);
    for (int k = 0; k < kPoints; ++k) {
      ASSERT_EQ(data[2 * k], scale) << k;
      ASSERT_EQ(data[2 * k + 1], 0.0) << k;
    }
    std::fill(data.begin(), data.end(), 0.0);
    data[2] = 1.0;
    Run(data, kPoints, inverse);
    const double sign = inverse ? -1.0 : 1.0;
    for (int k = 0; k < kPoints; ++k) {
      const double angle = sign * 2 * std::numbers::pi * k / kPoints;
      ASSERT_NEAR(data[2 * k], scale * std::cos(angle), 1e-14) << k;
      ASSERT_NEAR(data[2 * k + 1], scale * std::sin(angle), 1e-14) << k;
    }
  }
}

TEST_P(EveryPath, ForwardThenInverseGivesBackTheInput) {
  const std::vector<double> input = RandomParts(2048, 5);
  std::vector<double> data = input;
  Run(data, 1024, false);
  Run(data, 1024, true);
  for (std::size_t k = 0; k < input.size(); ++k) ASSERT_NEAR(data[k], input[k], 1e-14) << k;
}

TEST_P(EveryPath, RealEvenInputStaysRealAndAgreesInBothDirections) {
  constexpr int kPoints = 1024;
  const std::vector<double> halves = RandomParts(kPoints / 2 + 1, 6);
  std::vector<double> even(2 * kPoints, 0.0);
  for (int n = 0; n < kPoints; ++n) even[2 * n] = halves[n <= kPoints / 2 ? n : kPoints - n];
  std::vector<double> forward = even;
  std::vector<double> inverse = even;
  Run(forward, kPoints, false);
  Run(inverse, kPoints, true);
  for (int k = 0; k < kPoints; ++k) {
    ASSERT_NEAR(forward[2 * k + 1], 0.0, 1e-12) << k;
    ASSERT_NEAR(inverse[2 * k + 1], 0.0, 1e-15) << k;
    ASSERT_NEAR(inverse[2 * k] * kPoints, forward[2 * k], 1e-12) << k;
  }
}

TEST_P(EveryPath, AgreesWithADirectSumInLongDouble) {
  for (const std::int32_t points : {2, 4, 8, 64, 512, 4096}) {
    for (const bool inverse : {false, true}) {
      SCOPED_TRACE(::testing::Message() << points << (inverse ? " inverse" : " forward"));
      const std::vector<double> input = RandomParts(2 * points, 7 + points);
      std::vector<double> data = input;
      Run(data, points, inverse);
      // The powers of e^(+-2 pi i / N) to long double, indexed by k*n mod N.
      const long double sign = inverse ? -1.0L : 1.0L;
      const long double scale = inverse ? 1.0L / points : 1.0L;
      std::vector<long double> cosine(points);
      std::vector<long double> sine(points);
      for (int r = 0; r < points; ++r) {
        const long double angle = sign * 2 * std::numbers::pi_v<long double> * r / points;
        cosine[r] = std::cos(angle);
        sine[r] = std::sin(angle);
      }
      // Every bin up to 512 points; beyond, the first 64 and a spread of the
      // rest, which keeps the direct sums quick in the sanitizer build.
      std::vector<int> bins;
      for (int k = 0; k < points; ++k) {
        if (points <= 512 || k < 64 || k % 61 == 0) bins.push_back(k);
      }
      std::vector<long double> exact(2 * bins.size());
      for (std::size_t b = 0; b < bins.size(); ++b) {
        long double re = 0;
        long double im = 0;
        for (int n = 0; n < points; ++n) {
          const int r = static_cast<int>((static_cast<long>(bins[b]) * n) % points);
          re += input[2 * n] * cosine[r] - input[2 * n + 1] * sine[r];
          im += input[2 * n] * sine[r] + input[2 * n + 1] * cosine[r];
        }
        exact[2 * b] = re * scale;
        exact[2 * b + 1] = im * scale;
      }
      // The unscaled direction grows to about sqrt(N) and its errors with it
      // (mostly from the 15-digit value of 2 pi).
      long double largest = 0;
      for (const long double value : exact) largest = std::max(largest, std::fabs(value));
      const double tolerance = inverse ? 1e-12 : 2e-14 * static_cast<double>(largest);
      for (std::size_t b = 0; b < bins.size(); ++b) {
        const int k = bins[b];
        ASSERT_NEAR(data[2 * k], static_cast<double>(exact[2 * b]), tolerance) << k;
        ASSERT_NEAR(data[2 * k + 1], static_cast<double>(exact[2 * b + 1]), tolerance) << k;
      }
    }
  }
}

TEST_P(EveryPath, NeverReadsOrWritesFromElement2NOn) {
  // A NaN guard: the scan for non-finite input must not reach it either.
  for (const std::int32_t points : {2, 16, 1024}) {
    std::vector<double> data = RandomParts(2 * points, 8);
    data.insert(data.end(), {kNaN, -kInf, 1.5});
    const std::vector<double> guard(data.end() - 3, data.end());
    Run(data, points, true);
    EXPECT_TRUE(SameBits(std::vector<double>(data.end() - 3, data.end()), guard)) << points;
  }
}

// Every implementation keeps every operation of the plain loop in its order,
// so the results agree to the last bit, clamps, denormals and signed zeros
// included. Rounds: plain values; a mixture of huge values (products beyond
// the clamps), the largest double, denormals and zeros of both signs; only
// signed zeros, whose signs survive only where each operation is the same;
// signed zeros with a few scattered values.
TEST_P(EveryPath, MatchesThePlainLoopBitForBit) {
  if (GetParam()->Run == &nrFFT::RunPlain) GTEST_SKIP() << "the plain loop is the reference";
  std::mt19937_64 engine(9);
  std::uniform_real_distribution<double> part(-1.0, 1.0);
  std::uniform_int_distribution<int> kind(0, 9);
  auto mixed = [&] {
    switch (kind(engine)) {
      case 0: return part(engine) * 1e300;
      case 1: return std::numeric_limits<double>::max() * (part(engine) < 0 ? -1 : 1);
      case 2: return part(engine) * 1e-310;
      case 3: return std::numeric_limits<double>::denorm_min();
      case 4: return -0.0;
      case 5: return 0.0;
      default: return part(engine);
    }
  };
  auto signedZero = [&] { return part(engine) < 0 ? -0.0 : 0.0; };
  auto sparse = [&] { return kind(engine) == 0 && kind(engine) < 3 ? mixed() : signedZero(); };
  int compared = 0;
  for (std::int32_t points = 2; points <= 4096; points *= 2) {
    for (int round = 0; round < 8; ++round) {
      std::vector<double> input(2 * points);
      for (double& value : input) {
        value = round < 2 ? part(engine) : round < 5 ? mixed() : round < 6 ? signedZero() : sparse();
      }
      for (const bool inverse : {false, true}) {
        std::vector<double> fast = input;
        std::vector<double> plain = input;
        GetParam()->Run(fast.data(), points, inverse);
        nrFFT::RunPlain(plain.data(), points, inverse);
        ASSERT_TRUE(SameBits(fast, plain)) << points << " points, round " << round << ", "
                                           << (inverse ? "inverse" : "forward");
        ++compared;
      }
    }
  }
  EXPECT_EQ(compared, 12 * 8 * 2);
}

}  // namespace
