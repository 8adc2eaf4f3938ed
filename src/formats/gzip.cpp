#include "formats/gzip.h"

#include <zlib.h>

#include <algorithm>

namespace pixlore {

bool IsGzip(const std::vector<std::uint8_t>& bytes) {
    return bytes.size() >= 2 && bytes[0] == 0x1F && bytes[1] == 0x8B;
}

Decoded<std::vector<std::uint8_t>> Gunzip(const std::vector<std::uint8_t>& bytes,
                                          std::size_t maxBytes) {
    using Result = Decoded<std::vector<std::uint8_t>>;
    z_stream zs{};
    if (inflateInit2(&zs, 16 + MAX_WBITS) != Z_OK) return Result::Fail("out of memory");
    std::vector<std::uint8_t> out(std::min<std::size_t>(maxBytes, 1 << 16));
    zs.next_in = const_cast<Bytef*>(bytes.data());
    zs.avail_in = static_cast<uInt>(bytes.size());
    int status = Z_OK;
    while (status == Z_OK) {
        if (zs.total_out == out.size()) {
            if (out.size() >= maxBytes) break;
            out.resize(std::min(maxBytes, out.size() * 2));
        }
        zs.next_out = out.data() + zs.total_out;
        zs.avail_out = static_cast<uInt>(out.size() - zs.total_out);
        status = inflate(&zs, Z_NO_FLUSH);
    }
    const std::size_t produced = zs.total_out;
    inflateEnd(&zs);
    if (status == Z_OK) return Result::Fail("it unpacks to more than any font holds");
    if (status != Z_STREAM_END) return Result::Fail("its gzip data is damaged or cut short");
    out.resize(produced);
    return Result::Ok(std::move(out));
}

Decoded<std::vector<std::uint8_t>> Gzip(const std::vector<std::uint8_t>& bytes) {
    using Result = Decoded<std::vector<std::uint8_t>>;
    z_stream zs{};
    if (deflateInit2(&zs, Z_BEST_COMPRESSION, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY) !=
        Z_OK)
        return Result::Fail("out of memory");
    // The bound holds the whole output, so one call with Z_FINISH ends the stream.
    std::vector<std::uint8_t> out(deflateBound(&zs, static_cast<uLong>(bytes.size())));
    zs.next_in = const_cast<Bytef*>(bytes.data());
    zs.avail_in = static_cast<uInt>(bytes.size());
    zs.next_out = out.data();
    zs.avail_out = static_cast<uInt>(out.size());
    const int status = deflate(&zs, Z_FINISH);
    out.resize(zs.total_out);
    deflateEnd(&zs);
    if (status != Z_STREAM_END) return Result::Fail("packing it failed");
    return Result::Ok(std::move(out));
}

}  // namespace pixlore
