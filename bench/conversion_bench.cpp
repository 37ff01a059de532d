// One conversion as Convert does it: read the user's separators, read the
// number from the text, convert it, and write both results. Run it in a
// United States region (LC_ALL=en_US.UTF-8).
#include "core/TurnConversion.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void oneConversion(benchmark::State &state)
{
    const std::u16string text = u"1.3";
    for (auto _ : state) {
        const core::Separators separators = core::UserSeparators();
        const core::TurnReading reading =
            core::ConvertToTurns(core::ParseDimension(text, separators));
        std::u16string whole = core::FormatTurns(reading.wholeTurns, separators);
        std::u16string divisions = core::FormatDivisions(reading.divisions, separators);
        benchmark::DoNotOptimize(whole);
        benchmark::DoNotOptimize(divisions);
    }
}
BENCHMARK(oneConversion);

} // namespace

BENCHMARK_MAIN();
