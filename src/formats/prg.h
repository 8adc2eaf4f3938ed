#pragma once

#include <cstdint>
#include <vector>

#include "files/decoded.h"

namespace pixlore {

// A C64 program file: the load address, two bytes low first, then the bytes to load there.
struct Prg {
    int loadAddress = 0;
    std::vector<std::uint8_t> data;
};

// loadAddress must lie in 0..65535.
std::vector<std::uint8_t> EncodePrg(int loadAddress, const std::vector<std::uint8_t>& data);

// Refuses a file too short for its address or with no bytes after it, and one whose data
// would run past the end of memory.
Decoded<Prg> DecodePrg(const std::vector<std::uint8_t>& file);

}  // namespace pixlore
