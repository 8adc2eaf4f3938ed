// Random bytes as a recovery file, as they come and with the checksum made to fit, so that
// the checks behind it are reached too. What the decoder takes must encode to the same bytes.
#include <zlib.h>

#include <cstdlib>

#include "files/recovery_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> bytes(data, data + size);
    for (int pass = 0; pass < 2; ++pass) {
        const pixlore::Decoded<pixlore::Session> session =
            pixlore::DecodeSession(bytes.data(), size);
        if (session.ok() && pixlore::EncodeSession(*session.value) != bytes) std::abort();
        if (size < 4) break;
        const uLong crc = crc32(0, bytes.data(), static_cast<uInt>(size - 4));
        for (int i = 0; i < 4; ++i)
            bytes[size - 4 + i] = static_cast<std::uint8_t>(crc >> (8 * i));
    }
    return 0;
}
