#pragma once

#include <optional>
#include <string>

#include "charmap/charmap.h"
#include "charset/cell.h"
#include "charset/charset.h"
#include "charset/palette.h"
#include "views/image.h"

namespace pixlore {

constexpr int kMapCanvasWidth = CharMap::kMaxWidth * 16;    // 1280
constexpr int kMapCanvasHeight = CharMap::kMaxHeight * 16;  // 800
constexpr Colour kMapHoverColour = 0x0000FF;

// Draws the active area of the map; whatever lies outside it on the surface stays.
void RenderCharMapImage(Image& surface, const CharMap& map, const Charset& charset,
                        Palette palette);

// The active area alone, 16 x 16 pixels a cell, as a picture of its own.
Image MapPicture(const CharMap& map, const Charset& charset, Palette palette);

// The cell a pointer at (x, y) hovers over, when it lies in the active area or the spare
// column or row.
std::optional<Cell> MapHoverCell(const CharMap& map, int x, int y);

void DrawMapHoverOutline(Image& surface, Cell cell);

// The text cursor of typing on the map: an outline in the colour of the charset view's cursor.
void DrawMapTextCursor(Image& surface, Cell cell);

// "Character map (3,5):65".
std::string MapHoverTitle(const CharMap& map, Cell cell);

}  // namespace pixlore
