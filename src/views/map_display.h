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
// and the cells a hover outline or the text cursor leaves. New colours redraw them all. The
// picture comes out exactly as a full render with the text cursor and then the hover outline
// drawn over it makes it.
class MapDisplay {
  public:
    // Has the next update draw the cells first..last (corners, inclusive) afresh, for example
    // to take off something drawn over them.
    void markStale(Cell first, Cell last);
    // Makes the active area of the surface show the map, with the text cursor's outline round
    // `textCursor` and the hover outline round `outline` on top when given (also outside the
    // active area, where no update takes them off again). Nothing else outside the active area
    // is drawn. Returns the areas drawn.
    Damage update(Image& surface, const CharMap& map, const Charset& charset, Palette palette,
                  std::optional<Cell> outline = std::nullopt,
                  std::optional<Cell> textCursor = std::nullopt);

    // The smallest rectangle holding all that was drawn since the display was made: blanking
    // it blanks the canvas without writing the whole of it.
    Rect drawnArea() const { return drawnArea_; }

  private:
    static constexpr int kCells = CharMap::kColumns * CharMap::kRows;

    Rect drawnArea_;
    Charset charset_{};
    Palette palette_;
    int width_ = 0;  // the active area last drawn
    int height_ = 0;
    std::array<std::int32_t, kCells> codes_{};  // the codes its cells show
    std::array<bool, kCells> stale_{};
    std::optional<Cell> outline_;  // the outlines last drawn
    std::optional<Cell> textCursor_;
};

}  // namespace pixlore
