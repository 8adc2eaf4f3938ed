#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "charmap/charmap.h"

namespace pixlore {

// A map file is one byte per cell of the active area, row after row, with no size of its
// own: it is laid out by the map size active when it is read.

// The file's bytes: the low 8 bits of every active cell.
std::vector<std::uint8_t> MapFileBytes(const CharMap& map);

// Lays the bytes into the active area by its width, row after row. Bytes more than the area
// holds are refused (false) and change nothing.
bool LayMapCells(CharMap& map, const std::vector<std::uint8_t>& cells);

enum class MapLoad {
    Loaded,
    TooBig,      // longer than the active area
    CannotOpen,  // missing, a folder, not a regular file, or the open failed
    ShortRead,   // it gave fewer bytes than its size promised
};

// Reads the file into the active area; cells beyond the file's end keep their content. A
// load that is not Loaded changes nothing.
MapLoad LoadMap(CharMap& map, const std::string& name);

}  // namespace pixlore
