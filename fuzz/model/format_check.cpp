#include "fuzz/model/format_check.h"

#include <algorithm>

#include "charmap/charmap.h"
#include "files/glyph_file.h"
#include "files/map_file.h"
#include "formats/lay_glyphs.h"
#include "fuzz/model/format_model.h"

namespace pixlore::model {

// From the input's first five bytes: the current character, the map's size, a seed for what
// the charset and the map hold before, and what the loaders get: the rest of the input (kind
// 0, five times in eight), a blank name (1), the folder (2) or a missing name in it (3).
std::string CheckFileFormats(const std::uint8_t* data, std::size_t size,
                             const std::string& folder) {
    auto at = [&](std::size_t i) { return i < size ? data[i] : std::uint8_t{0}; };
    const int current = at(0), seed = at(3), kind = at(4) % 8 < 5 ? 0 : at(4) % 8 - 4;
    const Bytes content(data + std::min<std::size_t>(5, size), data + size);
    const std::string name = kind == 1 ? "  " : kind == 2 ? folder : folder + "/missing";
    Glyphs before;
    for (std::size_t i = 0; i < before.size(); ++i)
        before[i] = static_cast<std::uint8_t>(i * 7 + seed);
    Charset charset = before;
    if (kind == 0)
        LayGlyphRows(charset, current, content);
    else if (pixlore::LoadGlyphs(charset, current, name) !=
             (kind == 1 ? GlyphLoad::BlankName : GlyphLoad::NoFile))
        return "glyph file: wrong outcome";
    const Glyphs glyphs = kind == 0 ? model::LoadGlyphs(before, current, content) : before;
    if (charset != glyphs) return "glyph file: the charset differs from the model";
    for (int count : {768, 1024, 2048}) {
        const std::optional<Bytes> saved = model::SaveGlyphs(glyphs, current, count);
        if (GlyphFileFits(current, count) != saved.has_value() ||
            (saved && GlyphFileBytes(charset, current, count) != *saved))
            return "glyph file: a save of " + std::to_string(count) + " bytes differs";
    }
    CharMap map;
    InitCharMap(map);
    Cells cells;
    for (std::size_t i = 0; i < map.cells.size(); ++i)
        cells.cell[i] = map.cells[i] = static_cast<std::uint8_t>(i * 13 + seed);
    cells.width = map.MapWidth = 1 + at(1) % CharMap::kMaxWidth;
    cells.height = map.MapHeight = 1 + at(2) % CharMap::kMaxHeight;
    const bool fits = kind == 0 && content.size() <= std::size_t(map.MapWidth * map.MapHeight);
    if ((kind == 0 ? LayMapCells(map, content)
                   : pixlore::LoadMap(map, name) != MapLoad::CannotOpen) != fits)
        return "map file: wrong outcome";
    const Cells expected = fits ? model::LoadMap(cells, content) : cells;
    if (!std::equal(expected.cell.begin(), expected.cell.end(), map.cells.begin()) ||
        map.MapWidth != cells.width || map.MapHeight != cells.height || map.PopupCellX != -1)
        return "map file: the map differs from the model";
    return MapFileBytes(map) == model::SaveMap(expected) ? "" : "map file: the save differs";
}

}  // namespace pixlore::model
