// RangeText as the event table computes it on every record fetch: one million calls over a mix
// of unit systems, NULL fields, single points and ranges.
#include "time/TmLnDateUtils.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

struct TRangeArgs {
    bool StartIsNull;
    bool EndIsNull;
    TUnitSystem Unit;
    double Start;
    double End;
};

std::vector<TRangeArgs> MixedRanges() {
    std::vector<TRangeArgs> ranges;
    quint64 state = 42;
    auto next = [&state] {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return double(state >> 11) / double(1ULL << 53);
    };
    for (int i = 0; i < 4096; ++i) {
        const TUnitSystem unit = TUnitSystem(i % UnitSystemCount);
        double start, end;
        if (unit == usCalendarDates) {
            start = std::floor(next() * 60000) - 10000;
            end = start + std::floor(next() * 400);
        } else {
            start = ParseTimeValue(QString::number(int(next() * 4000) - 1000),
                                   i % 3 ? QString::number(int(next() * 12) + 1) : QString(), unit);
            end = start + next() * 30;
        }
        ranges.push_back({i % 17 == 0, i % 4 == 0, unit, start, end});
    }
    return ranges;
}

void BM_RangeTextMillionMixed(benchmark::State& state) {
    const std::vector<TRangeArgs> ranges = MixedRanges();
    qsizetype total = 0;
    for (auto _ : state) {
        for (int i = 0; i < 1000000; ++i) {
            const TRangeArgs& r = ranges[i & 4095];
            total += RangeText(r.StartIsNull, r.EndIsNull, r.Unit, r.Start, r.End).size();
        }
    }
    benchmark::DoNotOptimize(total);
    state.counters["calls"] = 1000000;
}
BENCHMARK(BM_RangeTextMillionMixed)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// One call per unit system, to see where the time goes.
void BM_RangeTextPerUnit(benchmark::State& state) {
    const TUnitSystem unit = TUnitSystem(state.range(0));
    const double start = unit == usCalendarDates ? 36971.0 : 1990 + 2.0 / 12;
    const double end = unit == usCalendarDates ? 37000.0 : 1995 + 5.0 / 12;
    for (auto _ : state)
        benchmark::DoNotOptimize(RangeText(false, false, unit, start, end));
    state.SetLabel(UnitSystemListName(unit).toStdString());
}
BENCHMARK(BM_RangeTextPerUnit)->DenseRange(0, UnitSystemCount - 1);

} // namespace
