#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace pixlore {

// The bytes of one of the machine charsets kept as test data; empty when the file is missing.
inline std::vector<std::uint8_t> ReadReferenceCharset(const std::string& name) {
    std::ifstream file(std::string(PIXLORE_TEST_DATA) + "/reference-charsets/" + name,
                       std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace pixlore
