#include "ratio_report.h"

#include <cstdio>

namespace pixlore::bench {
namespace {

double ToNs(double value, benchmark::TimeUnit unit) {
    switch (unit) {
        case benchmark::kSecond:
            return value * 1e9;
        case benchmark::kMillisecond:
            return value * 1e6;
        case benchmark::kMicrosecond:
            return value * 1e3;
        default:
            return value;
    }
}

std::string Time(double ns) {
    char text[32];
    if (ns >= 1e6)
        std::snprintf(text, sizeof text, "%.2f ms", ns / 1e6);
    else
        std::snprintf(text, sizeof text, "%.1f us", ns / 1e3);
    return text;
}

}  // namespace

void MedianCollector::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs)
        if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
            medians_[run.run_name.function_name] = ToNs(run.GetAdjustedRealTime(), run.time_unit);
    ConsoleReporter::ReportRuns(runs);
}

double MedianCollector::medianNs(const std::string& name) const {
    const auto it = medians_.find(name);
    return it == medians_.end() ? 0 : it->second;
}

void PrintRatios(const MedianCollector& medians, const std::vector<Comparison>& comparisons) {
    std::printf("\n%-44s %10s %10s %8s %10s %9s\n", "case (median of repetitions)", "time", "floor",
                "x floor", "port", "x faster");
    for (const Comparison& c : comparisons) {
        const double t = medians.medianNs(c.name);
        if (t <= 0) continue;
        std::printf("%-44s %10s", c.name.c_str(), Time(t).c_str());
        const double floor = c.floor.empty() ? 0 : medians.medianNs(c.floor);
        if (floor > 0)
            std::printf(" %10s %7.2fx", Time(floor).c_str(), t / floor);
        else
            std::printf(" %10s %8s", "-", "-");
        const double port = c.port.empty() ? 0 : medians.medianNs(c.port);
        if (port > 0)
            std::printf(" %10s %8.0fx", Time(port).c_str(), port / t);
        else
            std::printf(" %10s %9s", "-", "-");
        std::printf("\n");
    }
}

}  // namespace pixlore::bench
