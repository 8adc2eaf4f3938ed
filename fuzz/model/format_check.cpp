#include "fuzz/model/format_check.h"

#include <algorithm>

#include "charmap/charmap.h"
#include "files/glyph_file.h"
#include "formats/lay_glyphs.h"
#include "files/map_file.h"
#include "fuzz/model/format_model.h"

namespace pixlore::model {
namespace {

// From the input's first five bytes: the current character, the map's size, a seed for what
// the charset and the map hold before, and what the loaders get: the rest of the input (kind
// 0, five times in eight), a blank name (1), a folder (2) or a missing name (3).
struct Case {
    int current, width, height, seed, kind;
    Bytes content;
    std::string name;
};

std::string CheckGlyphs(const Case& c) {
    Glyphs before;
    for (std::size_t i = 0; i < before.size(); ++i)
        before[i] = static_cast<std::uint8_t>(i * 7 + c.seed);
    Charset charset = before;
    if (c.kind == 0)
        LayGlyphRows(charset, c.current, c.content);
    else if (pixlore::LoadGlyphs(charset, c.current, c.name) !=
             (c.kind == 1 ? GlyphLoad::BlankName : GlyphLoad::NoFile))
        return "glyph file: wrong outcome";
    const Glyphs expected = c.kind == 0 ? LoadGlyphs(before, c.current, c.content) : before;
    if (charset != expected) return "glyph file: the charset differs from the model";
    for (int count : {768, 1024, 2048}) {
        const std::optional<Bytes> saved = SaveGlyphs(expected, c.current, count);
        if (GlyphFileFits(c.current, count) != saved.has_value() ||
            (saved && GlyphFileBytes(charset, c.current, count) != *saved))
            return "glyph file: a save of " + std::to_string(count) + " bytes differs";
    }
    return {};
}

std::string CheckMap(const Case& c) {
    CharMap map;
    InitCharMap(map);
    Cells before;
    for (std::size_t i = 0; i < map.cells.size(); ++i)
        before.cell[i] = map.cells[i] = static_cast<std::uint8_t>(i * 13 + c.seed);
    before.width = map.MapWidth = c.width;
    before.height = map.MapHeight = c.height;
    const bool fits = c.kind == 0 && c.content.size() <= std::size_t(c.width * c.height);
    if ((c.kind == 0 ? LayMapCells(map, c.content)
                     : pixlore::LoadMap(map, c.name) != MapLoad::CannotOpen) != fits)
        return "map file: wrong outcome";
    const Cells expected = fits ? LoadMap(before, c.content) : before;
    if (!std::equal(expected.cell.begin(), expected.cell.end(), map.cells.begin()) ||
        map.MapWidth != c.width || map.MapHeight != c.height || map.PopupCellX != -1)
        return "map file: the map differs from the model";
    return MapFileBytes(map) == SaveMap(expected) ? "" : "map file: the save differs";
}

}  // namespace

std::string CheckFileFormats(const std::uint8_t* data, std::size_t size,
                             const std::string& folder) {
    auto at = [&](std::size_t i) { return i < size ? data[i] : std::uint8_t{0}; };
    Case c{at(0),
           1 + at(1) % CharMap::kMaxWidth,
           1 + at(2) % CharMap::kMaxHeight,
           at(3),
           at(4) % 8 < 5 ? 0 : at(4) % 8 - 4,
           Bytes(data + std::min<std::size_t>(5, size), data + size),
           ""};
    c.name = c.kind == 1 ? "  " : c.kind == 2 ? folder : folder + "/missing";
    const std::string fault = CheckGlyphs(c);
    return fault.empty() ? CheckMap(c) : fault;
}

}  // namespace pixlore::model
