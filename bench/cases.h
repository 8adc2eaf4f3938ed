#pragma once

#include <vector>

#include "ratio_report.h"

namespace pixlore::bench {

// Each registers its benchmarks and adds the comparisons to print.
void RegisterRenderBenchmarks(std::vector<Comparison>& comparisons);
void RegisterDispatchBenchmarks(std::vector<Comparison>& comparisons);
void RegisterHistoryBenchmarks(std::vector<Comparison>& comparisons);

}  // namespace pixlore::bench
