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

Glyphs LoadGlyphs(const Glyphs& before, int current, const Bytes& file) {
    Glyphs after = before;
    for (std::size_t i = 0, at = current * 8u; i < file.size() && at + i < after.size(); ++i)
        after[at + i] = file[i];
    return after;
}

Cells LoadMap(const Cells& before, const Bytes& file) {
    Cells after = before;
    if (file.size() > std::size_t(before.width * before.height)) return after;
    for (std::size_t i = 0; i < file.size(); ++i)
        after.cell[i / before.width * Cells::kColumns + i % before.width] = file[i];
    return after;
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
