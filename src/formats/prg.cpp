#include "formats/prg.h"

namespace pixlore {

std::vector<std::uint8_t> EncodePrg(int loadAddress, const std::vector<std::uint8_t>& data) {
    std::vector<std::uint8_t> out;
    out.reserve(data.size() + 2);
    out.push_back(static_cast<std::uint8_t>(loadAddress & 0xFF));
    out.push_back(static_cast<std::uint8_t>((loadAddress >> 8) & 0xFF));
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

Decoded<Prg> DecodePrg(const std::vector<std::uint8_t>& file) {
    if (file.size() < 3) return Decoded<Prg>::Fail("too short for a PRG file");
    Prg prg;
    prg.loadAddress = file[0] | file[1] << 8;
    if (prg.loadAddress + file.size() - 2 > 0x10000)
        return Decoded<Prg>::Fail("the data runs past the end of the C64's memory");
    prg.data.assign(file.begin() + 2, file.end());
    return Decoded<Prg>::Ok(std::move(prg));
}

}  // namespace pixlore
