#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "charmap/charmap.h"
#include "charset/cell.h"
#include "charset/charset.h"
#include "charset/palette.h"
#include "views/image.h"

namespace pixlore {

// What the map canvas shows, remembered so that a redraw draws only the cells that changed:
// painted and edited cells, the cells of edited glyphs, cells that came into the active area,
// and the cell a hover outline leaves. New colours redraw them all. The picture comes out
// exactly as a full render with the outline drawn over it makes it.
class MapDisplay {
  public:
    // Has the next update draw the cells first..last (corners, inclusive) afresh, for example
    // to take off something drawn over them.
    void markStale(Cell first, Cell last);
    // Makes the active area of the surface show the map, with the hover outline round the
    // cell `outline` on top when one is given (also in the spare column or row, outside the
    // active area, where no update takes it off again). Nothing else outside the active area
    // is drawn. Returns the areas drawn.
    Damage update(Image& surface, const CharMap& map, const Charset& charset, Palette palette,
                  std::optional<Cell> outline = std::nullopt);

  private:
    static constexpr int kCells = CharMap::kColumns * CharMap::kRows;

    bool drawn_ = false;
    Charset charset_{};
    Palette palette_;
    int width_ = 0;  // the active area last drawn
    int height_ = 0;
    std::array<std::int32_t, kCells> codes_{};  // the codes its cells show
    std::array<bool, kCells> stale_{};
    std::optional<Cell> outline_;  // an outline drawn inside it
};

}  // namespace pixlore
