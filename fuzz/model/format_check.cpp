#include "fuzz/model/format_check.h"

#include <algorithm>

#include "charmap/charmap.h"
#include "files/glyph_file.h"
#include "files/map_file.h"
#include "fuzz/model/format_model.h"

namespace pixlore::model {
namespace {

constexpr std::size_t kHeader = 5;

// What the loaders are given: the content itself, or a blank name, a folder or a missing name.
enum class NameKind { Content, Blank, Folder, Missing };

struct Case {
    int current;
    int width;
    int height;
    std::uint8_t seed;
    NameKind kind;
    Bytes content;
};

Case Decode(const std::uint8_t* data, std::size_t size) {
    auto at = [&](std::size_t i) { return i < size ? data[i] : std::uint8_t{0}; };
    Case c;
    c.current = at(0);
    c.width = 1 + at(1) % CharMap::kMaxWidth;
    c.height = 1 + at(2) % CharMap::kMaxHeight;
    c.seed = at(3);
    c.kind = static_cast<NameKind>(at(4) % 8 < 5 ? 0 : at(4) % 8 - 4);
    if (size > kHeader) c.content.assign(data + kHeader, data + size);
    return c;
}

std::string NameFor(const Case& c, const std::string& folder) {
    return c.kind == NameKind::Blank    ? "  "
           : c.kind == NameKind::Folder ? folder
                                        : folder + "/missing";
}

std::string CheckGlyphs(const Case& c, const std::string& folder) {
    Glyphs before;
    for (std::size_t i = 0; i < before.size(); ++i)
        before[i] = static_cast<std::uint8_t>(i * 7 + c.seed);
    Charset charset = before;
    const bool content = c.kind == NameKind::Content;
    const GlyphLoad refusal = c.kind == NameKind::Blank ? GlyphLoad::BlankName : GlyphLoad::NoFile;
    if (content) LayGlyphRows(charset, c.current, c.content);
    if (!content && pixlore::LoadGlyphs(charset, c.current, NameFor(c, folder)) != refusal)
        return "glyph file: wrong outcome";
    const Glyphs expected = content ? LoadGlyphs(before, c.current, c.content) : before;
    if (charset != expected) return "glyph file: the charset differs from the model";
    for (int count : {768, 1024, 2048}) {
        const std::optional<Bytes> saved = SaveGlyphs(expected, c.current, count);
        if (GlyphFileFits(c.current, count) != saved.has_value() ||
            (saved && GlyphFileBytes(charset, c.current, count) != *saved))
            return "glyph file: a save of " + std::to_string(count) + " bytes differs";
    }
    return {};
}

std::string CheckMap(const Case& c, const std::string& folder) {
    CharMap map;
    InitCharMap(map);
    Cells before;
    for (std::size_t i = 0; i < map.cells.size(); ++i)
        before.cell[i] = map.cells[i] = static_cast<std::uint8_t>(i * 13 + c.seed);
    before.width = map.MapWidth = c.width;
    before.height = map.MapHeight = c.height;
    const bool fits = c.kind == NameKind::Content &&
                      c.content.size() <= static_cast<std::size_t>(c.width * c.height);
    const bool laid = c.kind == NameKind::Content
                          ? LayMapCells(map, c.content)
                          : pixlore::LoadMap(map, NameFor(c, folder)) != MapLoad::CannotOpen;
    if (laid != fits) return "map file: wrong outcome";
    const Cells expected = fits ? LoadMap(before, c.content) : before;
    if (!std::equal(expected.cell.begin(), expected.cell.end(), map.cells.begin()) ||
        map.MapWidth != c.width || map.MapHeight != c.height || map.PopupCellX != -1)
        return "map file: the map differs from the model";
    return MapFileBytes(map) == SaveMap(expected) ? "" : "map file: the save differs";
}

}  // namespace

std::string CheckFileFormats(const std::uint8_t* data, std::size_t size,
                             const std::string& folder) {
    const Case c = Decode(data, size);
    const std::string fault = CheckGlyphs(c, folder);
    return fault.empty() ? CheckMap(c, folder) : fault;
}

}  // namespace pixlore::model
