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
    if (!in) return std::nullopt;
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Glyphs LoadGlyphs(const Glyphs& before, int current, const Bytes& file) {
    Glyphs after = before;
    const std::size_t start = static_cast<std::size_t>(current) * 8;
    for (std::size_t i = 0; i < file.size() && start + i < after.size(); ++i)
        after[start + i] = file[i];
    return after;
}

Cells LoadMap(const Cells& before, const Bytes& file) {
    Cells after = before;
    if (file.size() > static_cast<std::size_t>(before.width * before.height)) return after;
    for (std::size_t i = 0; i < file.size(); ++i)
        after.at(static_cast<int>(i % before.width), static_cast<int>(i / before.width)) = file[i];
    return after;
}

std::optional<Bytes> SaveGlyphs(const Glyphs& glyphs, int current, int count) {
    const std::size_t start = static_cast<std::size_t>(current) * 8;
    if (start + count > glyphs.size()) return std::nullopt;
    return Bytes(glyphs.begin() + start, glyphs.begin() + start + count);
}

Bytes SaveMap(const Cells& cells) {
    Bytes bytes;
    for (int y = 0; y < cells.height; ++y)
        for (int x = 0; x < cells.width; ++x)
            bytes.push_back(static_cast<std::uint8_t>(cells.at(x, y)));
    return bytes;
}

std::string SavedName(const std::string& chosen, const std::string& extension) {
    std::string tail = chosen.size() > 4 ? chosen.substr(chosen.size() - 4) : chosen;
    for (char& c : tail)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return tail == extension ? chosen : chosen + extension;
}

}  // namespace pixlore::model
