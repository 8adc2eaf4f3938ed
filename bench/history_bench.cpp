// What the undo history costs per event: the check that nothing changed (most events), and
// recording a one-pixel step (the end of a stroke).
#include <benchmark/benchmark.h>

#include "cases.h"
#include "history/history.h"

namespace pixlore::bench {
namespace {

void UnchangedCheck(benchmark::State& state) {
    Document a, b;
    for (auto _ : state) {
        benchmark::DoNotOptimize(a.charset == b.charset && a.palette == b.palette &&
                                 a.cells == b.cells);
        benchmark::ClobberMemory();
    }
}

void RecordOnePixel(benchmark::State& state) {
    History history;
    Document before, after;
    for (auto _ : state) {
        after.charset[100] ^= 0x80;
        history.record(before, after);
        before = after;
    }
}

}  // namespace

void RegisterHistoryBenchmarks(std::vector<Comparison>& comparisons) {
    benchmark::RegisterBenchmark("history: unchanged check per event", UnchangedCheck)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("history: record a one-pixel step", RecordOnePixel)
        ->Unit(benchmark::kMicrosecond);
    comparisons.push_back({"history: unchanged check per event", "", ""});
    comparisons.push_back({"history: record a one-pixel step", "", ""});
}

}  // namespace pixlore::bench
