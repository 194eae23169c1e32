// Typed timecode → Timecode, Timecode → its text, and count → fields, at a whole rate and at a
// drop-frame rate. The inputs rotate through a small table so nothing is folded away.

#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <string_view>

#include "Framecore/Timecode.h"

using namespace framecore;

namespace {

constexpr std::array<std::string_view, 8> wholeRateTexts = {
    "01:23:45:12", "00:00:00:00", "10:59:59:24", "23:12:01:07",
    "00:10:00:00", "05:30:15:18", "12:00:00:01", "99:45:30:09"};
constexpr std::array<std::string_view, 8> dropRateTexts = {
    "01:23:45;12", "00:00:00;00", "10:59:59;29", "23:12:01;07",
    "00:10:00;00", "05:30:15;18", "12:00:00;02", "99:45:30;09"};

void parse(benchmark::State& state, FrameRate rate, const std::array<std::string_view, 8>& texts) {
    std::size_t i = 0;
    for (auto _ : state) {
        const Timecode t = Timecode::withTimecodeString(texts[i++ & 7], rate);
        benchmark::DoNotOptimize(t.frameCount());
    }
}

void format(benchmark::State& state, FrameRate rate, const std::array<std::string_view, 8>& texts) {
    std::array<Timecode, 8> values = {
        Timecode::withTimecodeString(texts[0], rate), Timecode::withTimecodeString(texts[1], rate),
        Timecode::withTimecodeString(texts[2], rate), Timecode::withTimecodeString(texts[3], rate),
        Timecode::withTimecodeString(texts[4], rate), Timecode::withTimecodeString(texts[5], rate),
        Timecode::withTimecodeString(texts[6], rate), Timecode::withTimecodeString(texts[7], rate)};
    std::size_t i = 0;
    for (auto _ : state) {
        std::string text = values[i++ & 7].description();
        benchmark::DoNotOptimize(text.data());
    }
}

void roundTrip(benchmark::State& state, FrameRate rate, const std::array<std::string_view, 8>& texts) {
    std::size_t i = 0;
    for (auto _ : state) {
        std::string text = Timecode::withTimecodeString(texts[i++ & 7], rate).description();
        benchmark::DoNotOptimize(text.data());
    }
}

void fieldsFromCount(benchmark::State& state, FrameRate rate) {
    std::int64_t n = 123'456;
    for (auto _ : state) {
        const Timecode::Fields f = Timecode::withFrameCount(n, rate).fields();
        benchmark::DoNotOptimize(f);
        n += 7919;
    }
}

void BM_Parse_25(benchmark::State& s) { parse(s, FrameRate::fps25, wholeRateTexts); }
void BM_Parse_29_97DF(benchmark::State& s) { parse(s, FrameRate::fps29_97Drop, dropRateTexts); }
void BM_Description_25(benchmark::State& s) { format(s, FrameRate::fps25, wholeRateTexts); }
void BM_Description_29_97DF(benchmark::State& s) { format(s, FrameRate::fps29_97Drop, dropRateTexts); }
void BM_TextToDescription_25(benchmark::State& s) { roundTrip(s, FrameRate::fps25, wholeRateTexts); }
void BM_TextToDescription_29_97DF(benchmark::State& s) { roundTrip(s, FrameRate::fps29_97Drop, dropRateTexts); }
void BM_FieldsFromCount_25(benchmark::State& s) { fieldsFromCount(s, FrameRate::fps25); }
void BM_FieldsFromCount_29_97DF(benchmark::State& s) { fieldsFromCount(s, FrameRate::fps29_97Drop); }

} // namespace

BENCHMARK(BM_Parse_25);
BENCHMARK(BM_Parse_29_97DF);
BENCHMARK(BM_Description_25);
BENCHMARK(BM_Description_29_97DF);
BENCHMARK(BM_TextToDescription_25);
BENCHMARK(BM_TextToDescription_29_97DF);
BENCHMARK(BM_FieldsFromCount_25);
BENCHMARK(BM_FieldsFromCount_29_97DF);
