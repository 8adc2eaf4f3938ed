#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace pixlore::bench {

// Shows every run as usual and keeps the median of each benchmark, so that ratios measured
// side by side in one run can be printed at the end.
class MedianCollector : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override;
    // Median real time in nanoseconds; 0 when the benchmark did not run.
    double medianNs(const std::string& name) const;

  private:
    std::map<std::string, double> medians_;
};

struct Comparison {
    std::string name;   // the case
    std::string floor;  // memset of the same pixel bytes; empty for none
    std::string port;   // the one-fillRect-per-block port; empty for none
};

void PrintRatios(const MedianCollector& medians, const std::vector<Comparison>& comparisons);

}  // namespace pixlore::bench
