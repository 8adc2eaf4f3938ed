// One decoder of untrusted input against its model: the build makes one target of this file
// per decoder, naming it in PIXLORE_FUZZ_FORMAT.
#include <cstdio>
#include <cstdlib>

#include "fuzz/model/exchange_model.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string fault = pixlore::model::CheckDecoder(PIXLORE_FUZZ_FORMAT, data, size);
    if (fault.empty()) return 0;
    std::fprintf(stderr, "\nFormat check failed: %s\n", fault.c_str());
    std::abort();
}
