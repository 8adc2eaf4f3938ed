// pixlore-convert: the charset and map formats of the editor, for build scripts.
#include <iostream>

#include "convert/convert.h"
#include "convert/options.h"

int main(int argc, char** argv) {
    using namespace pixlore::convert;
    const auto options = ParseOptions(argc - 1, argv + 1);
    if (!options.ok()) {
        std::cerr << "pixlore-convert: " << options.reason << "\n";
        return kUsage;
    }
    if (options.value->help) {
        std::cout << kHelpText;
        return kSuccess;
    }
    if (options.value->version) {
        std::cout << "pixlore-convert " PIXLORE_VERSION "\n";
        return kSuccess;
    }
    return Convert(*options.value, std::cout, std::cerr);
}
