#include <benchmark/benchmark.h>
#include <QApplication>

#include "cases.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    std::vector<pixlore::bench::Comparison> comparisons;
    pixlore::bench::RegisterRenderBenchmarks(comparisons);
    pixlore::bench::RegisterDispatchBenchmarks(comparisons);
    pixlore::bench::RegisterHistoryBenchmarks(comparisons);

    // Repetitions give medians, which resist this machine's noise better than means.
    std::vector<char*> args(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=9";
    std::string aggregates = "--benchmark_report_aggregates_only=true";
    args.push_back(repetitions.data());
    args.push_back(aggregates.data());
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());

    pixlore::bench::MedianCollector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    pixlore::bench::PrintRatios(collector, comparisons);
    benchmark::Shutdown();
    return 0;
}
