// The recovery file is this program's own format, so no library reads it: the decoder is
// written by hand. It is small on purpose: every field has a fixed place, the size is checked
// once before anything is read, a checksum guards the rest, and every value is held to what
// the editor itself can reach, so a recovered session is one the user could have made.
#include "files/recovery_file.h"

#include <zlib.h>

#include <algorithm>

namespace pixlore {
namespace {

constexpr std::uint8_t kMagic[8] = {'P', 'X', 'L', 'R', 'E', 'C', 'V', 0x1A};
constexpr std::size_t kHeaderBytes = sizeof kMagic + 2;
constexpr std::uint8_t kRangeEnabled = 1;
constexpr std::uint8_t kDragSwap = 2;

std::uint32_t Checksum(const std::uint8_t* data, std::size_t size) {
    return static_cast<std::uint32_t>(crc32(0, data, static_cast<uInt>(size)));
}

void PutLittle(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// Reads fields in order from bytes whose size was checked beforehand.
struct Reader {
    const std::uint8_t* at;
    std::uint32_t little(int bytes) {
        std::uint32_t value = 0;
        for (int i = 0; i < bytes; ++i)
            value |= static_cast<std::uint32_t>(*at++) << (8 * i);
        return value;
    }
};

bool InRange(const Session& s) {
    const auto code = [](std::int32_t c) { return c >= 0 && c <= 255; };
    return s.palette.InkColor <= 0xFFFFFF && s.palette.PaperColor <= 0xFFFFFF && s.MapWidth >= 1 &&
           s.MapWidth <= CharMap::kMaxWidth && s.MapHeight >= 1 &&
           s.MapHeight <= CharMap::kMaxHeight && std::all_of(s.cells.begin(), s.cells.end(), code);
}

}  // namespace

std::vector<std::uint8_t> EncodeSession(const Session& s) {
    std::vector<std::uint8_t> out(std::begin(kMagic), std::end(kMagic));
    out.reserve(kRecoveryFileBytes);
    PutLittle(out, kRecoveryVersion, 2);
    out.insert(out.end(), s.charset.begin(), s.charset.end());
    PutLittle(out, s.palette.InkColor, 4);
    PutLittle(out, s.palette.PaperColor, 4);
    for (int small : {s.MapWidth, s.MapHeight, s.CurrentChar, s.BeginRange, s.EndRange})
        out.push_back(static_cast<std::uint8_t>(small));
    out.push_back((s.RangeEnabled ? kRangeEnabled : 0) | (s.DragSwap ? kDragSwap : 0));
    for (std::int32_t cell : s.cells)
        PutLittle(out, static_cast<std::uint32_t>(cell), 4);
    PutLittle(out, Checksum(out.data(), out.size()), 4);
    return out;
}

Decoded<Session> DecodeSession(const std::uint8_t* data, std::size_t size) {
    using D = Decoded<Session>;
    const std::size_t magic = std::min(size, sizeof kMagic);
    if (!std::equal(data, data + magic, kMagic))
        return D::Fail("it is not a recovery file of pixlore");
    if (size < kHeaderBytes) return D::Fail("the file is cut short");
    Reader in{data + sizeof kMagic};
    const std::uint32_t version = in.little(2);
    if (version > kRecoveryVersion) return D::Fail("it was written by a newer version of pixlore");
    if (size < kRecoveryFileBytes) return D::Fail("the file is cut short");
    const std::size_t body = kRecoveryFileBytes - 4;
    if (version == 0 || size > kRecoveryFileBytes ||
        Reader{data + body}.little(4) != Checksum(data, body))
        return D::Fail("the file is damaged");

    Session s;
    std::copy_n(in.at, kCharsetBytes, s.charset.begin());
    in.at += kCharsetBytes;
    s.palette.InkColor = in.little(4);
    s.palette.PaperColor = in.little(4);
    for (int* small : {&s.MapWidth, &s.MapHeight, &s.CurrentChar, &s.BeginRange, &s.EndRange})
        *small = static_cast<int>(in.little(1));
    const std::uint32_t flags = in.little(1);
    s.RangeEnabled = flags & kRangeEnabled;
    s.DragSwap = flags & kDragSwap;
    for (std::int32_t& cell : s.cells)
        cell = static_cast<std::int32_t>(in.little(4));
    if (flags > (kRangeEnabled | kDragSwap) || !InRange(s)) return D::Fail("the file is damaged");
    return D::Ok(s);
}

}  // namespace pixlore
