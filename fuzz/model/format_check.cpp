#include "fuzz/model/format_check.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "charmap/charmap.h"
#include "files/glyph_file.h"
#include "files/map_file.h"
#include "files/safe_write.h"
#include "fuzz/model/format_model.h"

namespace pixlore::model {
namespace {

constexpr std::size_t kHeader = 5;

// How the file is named: a plain file, a blank name, a folder or a missing name.
enum class NameKind { File, Blank, Folder, Missing };

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
    switch (c.kind) {
        case NameKind::File: {
            const std::string name = folder + "/input";
            std::ofstream(name, std::ios::binary)
                .write(reinterpret_cast<const char*>(c.content.data()),
                       static_cast<std::streamsize>(c.content.size()));
            return name;
        }
        case NameKind::Blank:
            return "  ";
        case NameKind::Folder:
            return folder;
        case NameKind::Missing:
            return folder + "/missing";
    }
    return {};
}

std::string CheckGlyphs(const Case& c, const std::string& name) {
    Charset charset;
    for (std::size_t i = 0; i < charset.size(); ++i)
        charset[i] = static_cast<std::uint8_t>(i * 7 + c.seed);
    Glyphs before;
    std::copy(charset.begin(), charset.end(), before.begin());
    const GlyphLoad status = pixlore::LoadGlyphs(charset, c.current, name);
    const bool readable = c.kind == NameKind::File && !c.content.empty();
    const GlyphLoad wanted = c.kind == NameKind::Blank ? GlyphLoad::BlankName
                             : readable                ? GlyphLoad::Loaded
                                                       : GlyphLoad::NoFile;
    if (status != wanted) return "glyph file: wrong outcome";
    const Glyphs expected = readable ? LoadGlyphs(before, c.current, c.content) : before;
    if (!std::equal(expected.begin(), expected.end(), charset.begin()))
        return "glyph file: the charset differs from the model";
    for (int count : {768, 1024, 2048}) {
        const std::optional<Bytes> saved = SaveGlyphs(expected, c.current, count);
        if (GlyphFileFits(c.current, count) != saved.has_value())
            return "glyph file: wrong room for " + std::to_string(count) + " bytes";
        if (saved && GlyphFileBytes(charset, c.current, count) != *saved)
            return "glyph file: saved bytes differ from the model";
    }
    return {};
}

CharMap MapFor(const Case& c, Cells& model) {
    CharMap map;
    InitCharMap(map);
    for (std::size_t i = 0; i < map.cells.size(); ++i)
        map.cells[i] = static_cast<std::uint8_t>(i * 13 + c.seed);
    map.MapWidth = c.width;
    map.MapHeight = c.height;
    std::copy(map.cells.begin(), map.cells.end(), model.cell.begin());
    model.width = c.width;
    model.height = c.height;
    return map;
}

bool SameMap(const CharMap& map, const Cells& model) {
    return std::equal(model.cell.begin(), model.cell.end(), map.cells.begin()) &&
           map.MapWidth == model.width && map.MapHeight == model.height && map.PopupCellX == -1 &&
           map.PopupCellY == -1;
}

std::string CheckMap(const Case& c, const std::string& name, const std::string& folder) {
    Cells before;
    CharMap map = MapFor(c, before);
    const MapLoad status = pixlore::LoadMap(map, name);
    const bool fits = c.content.size() <= static_cast<std::size_t>(c.width * c.height);
    const MapLoad wanted = c.kind != NameKind::File ? MapLoad::CannotOpen
                           : fits                   ? MapLoad::Loaded
                                                    : MapLoad::TooBig;
    if (status != wanted) return "map file: wrong outcome";
    const Cells expected = status == MapLoad::Loaded ? LoadMap(before, c.content) : before;
    if (!SameMap(map, expected)) return "map file: the map differs from the model";
    // Saved and read back at the same size, every active cell returns.
    const Bytes saved = SaveMap(expected);
    if (MapFileBytes(map) != saved) return "map file: saved bytes differ from the model";
    const std::string copy = folder + "/copy.map";
    if (SafeWrite(copy, MapFileBytes(map)) != WriteStatus::Written ||
        ReadRegularFile(copy) != saved)
        return "map file: the written file differs from its bytes";
    Cells scrambled;
    CharMap reread = MapFor(
        Case{c.current, c.width, c.height, static_cast<std::uint8_t>(c.seed + 1), c.kind, {}},
        scrambled);
    if (pixlore::LoadMap(reread, copy) != MapLoad::Loaded ||
        !SameMap(reread, LoadMap(scrambled, saved)))
        return "map file: a saved map does not read back";
    return {};
}

}  // namespace

std::string CheckFileFormats(const std::uint8_t* data, std::size_t size,
                             const std::string& folder) {
    const Case c = Decode(data, size);
    const std::string name = NameFor(c, folder);
    std::string fault = CheckGlyphs(c, name);
    if (fault.empty()) fault = CheckMap(c, name, folder);
    std::error_code ignored;
    std::filesystem::remove(folder + "/input", ignored);
    std::filesystem::remove(folder + "/copy.map", ignored);
    return fault;
}

}  // namespace pixlore::model
