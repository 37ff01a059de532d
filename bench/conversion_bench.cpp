// One conversion as Convert does it: read the number from the text, convert
// it, and write both results, all with the user's separators. Run it in a
// United States region (LC_ALL=en_US.UTF-8).
#include "core/TurnConversion.h"

#include <benchmark/benchmark.h>

#include <QString>

namespace {

void oneConversion(benchmark::State &state)
{
    const QString text = QStringLiteral("1.3");
    for (auto _ : state) {
        const core::TurnReading reading = core::ConvertToTurns(core::ParseDimension(text));
        QString whole = core::FormatTurns(reading.wholeTurns);
        QString divisions = core::FormatDivisions(reading.divisions);
        benchmark::DoNotOptimize(whole);
        benchmark::DoNotOptimize(divisions);
    }
}
BENCHMARK(oneConversion);

} // namespace

BENCHMARK_MAIN();
