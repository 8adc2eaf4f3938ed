#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A small model of the glyph and map file formats, written from their description and apart
// from the program's own readers and writers, so that the two can be held against each other.
namespace pixlore::model {

using Bytes = std::vector<std::uint8_t>;
using Glyphs = std::array<std::uint8_t, 2048>;

// The map as the model sees it: 81 x 51 cells, row after row.
struct Cells {
    static constexpr int kColumns = 81, kRows = 51;
    std::array<std::int32_t, kColumns * kRows> cell{};
    int width = 40, height = 24;

    std::int32_t at(int x, int y) const { return cell[static_cast<std::size_t>(y * kColumns + x)]; }
};

// The whole content of a regular file, or nothing for a missing name, a folder or anything
// else that is no regular file.
std::optional<Bytes> ReadRegularFile(const std::string& name);

// A glyph file read from glyph `current` on: byte i is row i % 8 of glyph current + i / 8, as
// far as the charset reaches. An empty file is refused and changes nothing.
Glyphs LoadGlyphs(Glyphs glyphs, int current, const Bytes& file);

// A map file laid out by the active width: byte i goes to cell (i % width, i / width). A file
// longer than width x height is refused and changes nothing.
Cells LoadMap(Cells cells, const Bytes& file);

// What the saves write: count bytes of glyphs from `current` on, nothing when they run past
// glyph 255; the low byte of every active cell, row after row.
std::optional<Bytes> SaveGlyphs(const Glyphs& glyphs, int current, int count);
Bytes SaveMap(const Cells& cells);

// The saved name: the extension is added unless the name's last four characters, in lower
// case, are it already.
std::string SavedName(const std::string& chosen, const std::string& extension);

}  // namespace pixlore::model
