#include "files/map_file.h"

#include "files/file_read.h"

namespace pixlore {

std::vector<std::uint8_t> MapFileBytes(const CharMap& map) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(map.MapWidth) * map.MapHeight);
    for (int y = 0; y < map.MapHeight; ++y)
        for (int x = 0; x < map.MapWidth; ++x)
            bytes.push_back(static_cast<std::uint8_t>(map.at(x, y) & 0xFF));
    return bytes;
}

bool LayMapCells(CharMap& map, const std::vector<std::uint8_t>& cells) {
    if (cells.size() > static_cast<std::size_t>(map.MapWidth) * map.MapHeight) return false;
    for (std::size_t i = 0; i < cells.size(); ++i)
        map.at(static_cast<int>(i) % map.MapWidth, static_cast<int>(i) / map.MapWidth) = cells[i];
    return true;
}

MapLoad LoadMap(CharMap& map, const std::string& name) {
    // A missing file, a folder and anything else that is not a regular file have no size,
    // so they pass the size test and are refused as unable to open.
    const FileInfo info = QueryFile(name);
    if (info.size > static_cast<std::int64_t>(map.MapWidth) * map.MapHeight) return MapLoad::TooBig;
    if (info.kind != FileKind::Regular) return MapLoad::CannotOpen;
    const ReadResult read = ReadFileStart(name, static_cast<std::size_t>(info.size));
    if (read.status == ReadStatus::ShortRead) return MapLoad::ShortRead;
    if (read.status != ReadStatus::Read) return MapLoad::CannotOpen;
    return LayMapCells(map, read.bytes) ? MapLoad::Loaded : MapLoad::TooBig;
}

}  // namespace pixlore
