#pragma once

#include <iosfwd>

#include "convert/options.h"

namespace pixlore::convert {

enum ExitCode { kSuccess = 0, kFailed = 1, kUsage = 2 };

// Reads the input, converts it and writes the output; messages go to err.
ExitCode Convert(const Options& options, std::ostream& out, std::ostream& err);

}  // namespace pixlore::convert
