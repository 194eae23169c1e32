#include "Framecore/Decimal.h"

#include <benchmark/benchmark.h>

#include <string>

using framecore::Decimal;
using framecore::RoundingMode;

namespace {

// Full-width operands (38 significant digits, as after a division) and the small values the
// calculator mostly sees (frame rates, frame counts, seconds).
const Decimal kWideA = Decimal::fromString("33.333333333333333333333333333333333333");
const Decimal kWideB = Decimal::fromString("0.041708375041708375041708375041708375042");
const Decimal kSmallA = Decimal::fromString("86400");
const Decimal kSmallB = Decimal::fromString("29.97");

void BM_AddWide(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(kWideA + kWideB);
}
void BM_AddSmall(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(kSmallA + kSmallB);
}
void BM_MultiplyWide(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(kWideA * kWideB);
}
void BM_MultiplySmall(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(kSmallA * kSmallB);
}
void BM_DivideWide(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(kWideA / kWideB);
}
void BM_DivideSmallInexact(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(kSmallA / kSmallB);
}
void BM_DivideSmallExact(benchmark::State& state) {
    const Decimal four(4);
    for (auto _ : state) benchmark::DoNotOptimize(kSmallA / four);
}
void BM_RoundToScale(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(kWideA.rounded(RoundingMode::down, 0));
}
void BM_Remainder(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(kSmallA % kSmallB);
}
void BM_ParseWide(benchmark::State& state) {
    const std::string text = "33.333333333333333333333333333333333333";
    for (auto _ : state) benchmark::DoNotOptimize(Decimal::parse(text));
}
void BM_ParseSmall(benchmark::State& state) {
    const std::string text = "29.97";
    for (auto _ : state) benchmark::DoNotOptimize(Decimal::parse(text));
}
void BM_ToStringWide(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(kWideA.toString());
}
void BM_ToStringSmall(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(kSmallB.toString());
}
void BM_FromDouble(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Decimal::fromDouble(3.28083989501));
}

} // namespace

BENCHMARK(BM_AddWide);
BENCHMARK(BM_AddSmall);
BENCHMARK(BM_MultiplyWide);
BENCHMARK(BM_MultiplySmall);
BENCHMARK(BM_DivideWide);
BENCHMARK(BM_DivideSmallInexact);
BENCHMARK(BM_DivideSmallExact);
BENCHMARK(BM_RoundToScale);
BENCHMARK(BM_Remainder);
BENCHMARK(BM_ParseWide);
BENCHMARK(BM_ParseSmall);
BENCHMARK(BM_ToStringWide);
BENCHMARK(BM_ToStringSmall);
BENCHMARK(BM_FromDouble);
