// Conversion costs on the display's path: every key press converts the primary value into three
// secondary slots and re-reads the typed text.

#include <benchmark/benchmark.h>

#include "Framecore/Film.h"
#include "Framecore/FormatConverter.h"
#include "Framecore/Timecode.h"

using namespace framecore;

namespace {

// 35mm at 24 fps to 30 fps timecode: real film seconds to nominal timecode seconds.
void BM_ConvertFilmToVideoViaSeconds(benchmark::State& state) {
    const FrameCountableRef film =
        std::make_shared<const Film>(Film::withFrameCount(123456, FrameRate::fps24, FilmGauge::mm35));
    const FormatDescriptor video(FormatType::Video, std::nullopt, std::nullopt, FrameRate::fps30);
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatConverter::convertFormat(film, FormatDescriptor::mm35, video));
    }
}
BENCHMARK(BM_ConvertFilmToVideoViaSeconds);

// 23.98 film to 29.97 drop video: both rates are 1000/1001 families, still via seconds.
void BM_ConvertPulldownFilmToDropVideo(benchmark::State& state) {
    const FrameCountableRef film =
        std::make_shared<const Film>(Film::withFrameCount(123456, FrameRate::fps23_98, FilmGauge::mm16));
    const FormatDescriptor source(FormatType::Film, FilmGauge::mm16, FootageUnit::Feet, FrameRate::fps23_98);
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatConverter::convertFormat(film, source, FormatDescriptor::ntsc30));
    }
}
BENCHMARK(BM_ConvertPulldownFilmToDropVideo);

// 24 fps to 25 fps timecode: frame for frame.
void BM_ConvertVideoToVideoKeepingTheCount(benchmark::State& state) {
    const FrameCountableRef timecode = std::make_shared<const Timecode>(Timecode::withFrameCount(123456, FrameRate::fps24));
    const FormatDescriptor source(FormatType::Video, std::nullopt, std::nullopt, FrameRate::fps24);
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatConverter::convertFormat(timecode, source, FormatDescriptor::pal25));
    }
}
BENCHMARK(BM_ConvertVideoToVideoKeepingTheCount);

void BM_UnitValueFromText(benchmark::State& state, const char* text, FormatDescriptor descriptor) {
    for (auto _ : state) benchmark::DoNotOptimize(FormatConverter::unitValueFrom(text, descriptor));
}
BENCHMARK_CAPTURE(BM_UnitValueFromText, timecode, "01:23:45;12", FormatDescriptor::ntsc30);
BENCHMARK_CAPTURE(BM_UnitValueFromText, frames, "123456", FormatDescriptor::frames);
BENCHMARK_CAPTURE(BM_UnitValueFromText, feet, "1234.5", FormatDescriptor::mm35);
BENCHMARK_CAPTURE(BM_UnitValueFromText, feetFrames, "1234:05",
                  FormatDescriptor(FormatType::Film, FilmGauge::mm35, FootageUnit::FeetFrames, FrameRate::fps24));
BENCHMARK_CAPTURE(BM_UnitValueFromText, metres, "376.28",
                  FormatDescriptor(FormatType::Film, FilmGauge::mm35, FootageUnit::Metres, FrameRate::fps24));
BENCHMARK_CAPTURE(BM_UnitValueFromText, rolls, "1.5",
                  FormatDescriptor(FormatType::Film, FilmGauge::mm35, FootageUnit::Rolls1000ft, FrameRate::fps24));

// What a secondary slot shows once converted.
void BM_FilmDescription(benchmark::State& state) {
    const Film film = Film::withFrameCount(123456, FrameRate::fps24, FilmGauge::mm35p3);
    for (auto _ : state) benchmark::DoNotOptimize(film.description());
}
BENCHMARK(BM_FilmDescription);

// Feet+frames of a gauge whose feet do not hold a whole number of frames (the foot is searched).
void BM_FilmFeetFramesDescription(benchmark::State& state) {
    const Film film = Film::withFrameCount(123456, FrameRate::fps24, FilmGauge::mm35p3, FootageUnit::FeetFrames);
    for (auto _ : state) benchmark::DoNotOptimize(film.description());
}
BENCHMARK(BM_FilmFeetFramesDescription);

// A negative value converted via seconds (the magnitude is counted, then the sign applied).
void BM_ConvertNegativeVideoViaSeconds(benchmark::State& state) {
    const FrameCountableRef value = FormatConverter::unitValueFrom("-01:23:45:12", FormatDescriptor::pal25);
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatConverter::convertFormat(value, FormatDescriptor::pal25, FormatDescriptor::ntsc30));
    }
}
BENCHMARK(BM_ConvertNegativeVideoViaSeconds);

} // namespace
