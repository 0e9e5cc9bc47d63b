// Throughput of the number rules, with the x87 unit's own long double
// arithmetic alongside as the yardstick for the software extended type.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "numbers/number_rules.h"

namespace pelorin {
namespace {

// A power of two, so that the index wraps with a mask; small enough that the
// operands stay in the first-level cache and the loop measures the operation.
constexpr std::size_t kCount = 1024;

std::size_t Next(std::size_t i) {
  return (i + 1) & (kCount - 1);
}

struct Operands {
  std::vector<std::int64_t> integers;
  std::vector<std::string> texts;
  std::vector<Extended> a;
  std::vector<Extended> b;
  std::vector<Extended> roundable;
  std::vector<long double> hardwareA;
  std::vector<long double> hardwareB;
  std::vector<long double> hardwareRoundable;
};

// Magnitudes the pages meet: prices, quantities and percentages, between
// about 2^-20 and 2^40, of both signs; no operation on them overflows.
double PageValue(std::mt19937_64& engine) {
  const double mantissa = static_cast<double>(engine() >> 11) * 0x1p-53;
  const int exponent = static_cast<int>(engine() % 61) - 20;
  const double value = std::ldexp(1.0 + mantissa, exponent);
  return (engine() & 1) != 0 ? -value : value;
}

std::int64_t SpreadInteger(std::mt19937_64& engine) {
  // Uniform over digit counts rather than over values, which would make
  // almost every value nineteen digits long.
  const unsigned bitsKept = static_cast<unsigned>(engine() % 64);
  return static_cast<std::int64_t>(engine() >> bitsKept);
}

const Operands& Data() {
  static const Operands operands = [] {
    std::mt19937_64 engine(20240611);
    Operands o;
    for (std::size_t i = 0; i < kCount; ++i) {
      const std::int64_t n = SpreadInteger(engine);
      o.integers.push_back(n);
      char text[32];
      if (i % 4 == 3) {
        std::snprintf(text, sizeof text, "$%llX", static_cast<unsigned long long>(n & 0xFFFFFFFF));
      } else {
        std::snprintf(text, sizeof text, "%s%lld", i % 4 == 1 ? "  " : "",
                      static_cast<long long>(n));
      }
      o.texts.emplace_back(text);
      const double a = PageValue(engine);
      const double b = PageValue(engine);
      const double r = PageValue(engine) * 0x1p20;
      o.a.push_back(Extended::FromDouble(a));
      o.b.push_back(Extended::FromDouble(b));
      o.roundable.push_back(Extended::FromDouble(r));
      o.hardwareA.push_back(a);
      o.hardwareB.push_back(b);
      o.hardwareRoundable.push_back(r);
    }
    return o;
  }();
  return operands;
}

void BM_ParseInt64(benchmark::State& state) {
  const Operands& d = Data();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ParseInt64(d.texts[i]));
    i = Next(i);
  }
}
BENCHMARK(BM_ParseInt64);

void BM_FormatGrouped(benchmark::State& state) {
  const Operands& d = Data();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(FormatGrouped(d.integers[i]));
    i = Next(i);
  }
}
BENCHMARK(BM_FormatGrouped);

void BM_ExtendedAdd(benchmark::State& state) {
  const Operands& d = Data();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(d.a[i] + d.b[i]);
    i = Next(i);
  }
}
BENCHMARK(BM_ExtendedAdd);

void BM_ExtendedSubtract(benchmark::State& state) {
  const Operands& d = Data();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(d.a[i] - d.b[i]);
    i = Next(i);
  }
}
BENCHMARK(BM_ExtendedSubtract);

void BM_ExtendedMultiply(benchmark::State& state) {
  const Operands& d = Data();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(d.a[i] * d.b[i]);
    i = Next(i);
  }
}
BENCHMARK(BM_ExtendedMultiply);

void BM_ExtendedFromInt64(benchmark::State& state) {
  const Operands& d = Data();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(Extended::FromInt64(d.integers[i]));
    i = Next(i);
  }
}
BENCHMARK(BM_ExtendedFromInt64);

void BM_ExtendedRoundToInt64(benchmark::State& state) {
  const Operands& d = Data();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(RoundToInt64(d.roundable[i]));
    i = Next(i);
  }
}
BENCHMARK(BM_ExtendedRoundToInt64);

void BM_HardwareAdd(benchmark::State& state) {
  const Operands& d = Data();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(d.hardwareA[i] + d.hardwareB[i]);
    i = Next(i);
  }
}
BENCHMARK(BM_HardwareAdd);

void BM_HardwareSubtract(benchmark::State& state) {
  const Operands& d = Data();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(d.hardwareA[i] - d.hardwareB[i]);
    i = Next(i);
  }
}
BENCHMARK(BM_HardwareSubtract);

void BM_HardwareMultiply(benchmark::State& state) {
  const Operands& d = Data();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(d.hardwareA[i] * d.hardwareB[i]);
    i = Next(i);
  }
}
BENCHMARK(BM_HardwareMultiply);

void BM_HardwareFromInt64(benchmark::State& state) {
  const Operands& d = Data();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(static_cast<long double>(d.integers[i]));
    i = Next(i);
  }
}
BENCHMARK(BM_HardwareFromInt64);

void BM_HardwareRoundToInt64(benchmark::State& state) {
  const Operands& d = Data();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(std::llrintl(d.hardwareRoundable[i]));
    i = Next(i);
  }
}
BENCHMARK(BM_HardwareRoundToInt64);

}  // namespace
}  // namespace pelorin

BENCHMARK_MAIN();
