#include "fuzz/model/format_model.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace pixlore::model {

std::optional<Bytes> ReadRegularFile(const std::string& name) {
    std::error_code error;
    if (name.empty() || !std::filesystem::is_regular_file(name, error)) return std::nullopt;
    std::ifstream in(name, std::ios::binary);
    return in ? std::optional(Bytes(std::istreambuf_iterator<char>(in), {})) : std::nullopt;
}

Glyphs LoadGlyphs(Glyphs glyphs, int current, const Bytes& file) {
    for (std::size_t i = 0, at = current * 8u; i < file.size() && at + i < glyphs.size(); ++i)
        glyphs[at + i] = file[i];
    return glyphs;
}

Cells LoadMap(Cells cells, const Bytes& file) {
    if (file.size() > std::size_t(cells.width * cells.height)) return cells;
    for (std::size_t i = 0; i < file.size(); ++i)
        cells.cell[i / cells.width * Cells::kColumns + i % cells.width] = file[i];
    return cells;
}

std::optional<Bytes> SaveGlyphs(const Glyphs& glyphs, int current, int count) {
    const std::size_t at = current * 8u;
    if (at + count > glyphs.size()) return std::nullopt;
    return Bytes(glyphs.begin() + at, glyphs.begin() + at + count);
}

Bytes SaveMap(const Cells& cells) {
    Bytes bytes;
    for (int i = 0; i < cells.width * cells.height; ++i)
        bytes.push_back(static_cast<std::uint8_t>(cells.at(i % cells.width, i / cells.width)));
    return bytes;
}

std::string SavedName(const std::string& chosen, const std::string& extension) {
    std::string tail = chosen.size() > 4 ? chosen.substr(chosen.size() - 4) : chosen;
    for (char& c : tail)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return tail == extension ? chosen : chosen + extension;
}

}  // namespace pixlore::model
