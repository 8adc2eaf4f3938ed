#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "charmap/charmap.h"
#include "charset/charset.h"
#include "charset/palette.h"
#include "files/decoded.h"

namespace pixlore {

// Everything a recovery file brings back: the work and the choices around it, so that the
// views show it as they did.
struct Session {
    Charset charset{};
    Palette palette;
    std::array<std::int32_t, CharMap::kColumns * CharMap::kRows> cells{};
    int MapWidth = 40;
    int MapHeight = 24;
    int CurrentChar = 0;
    int BeginRange = 0;
    int EndRange = 0;
    bool RangeEnabled = false;
    bool DragSwap = true;

    friend bool operator==(const Session&, const Session&) = default;
};

// The recovery file: a magic, a version, the session, and a CRC-32 of all that before it.
constexpr int kRecoveryVersion = 1;
constexpr std::size_t kRecoveryFileBytes =
    8 + 2 + kCharsetBytes + 8 + 6 + 4 * CharMap::kColumns * CharMap::kRows + 4;

std::vector<std::uint8_t> EncodeSession(const Session& session);

// A session from a file's bytes, or the reason there is none: a file of another kind, one
// cut short, damaged, or of a newer version.
Decoded<Session> DecodeSession(const std::uint8_t* data, std::size_t size);

}  // namespace pixlore
