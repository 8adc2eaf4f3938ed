// Long random sequences of everything that edits the map, checked after every step: each cell
// holds a code 0..255, and a step changes no cell outside the cells it may touch. Debug builds
// also stop on any access outside the 81 x 51 array (CharMap::at), and the sanitizer build
// runs this on a map with nothing else around it on the heap.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>

#include "charmap/charmap.h"
#include "charset/cell.h"

namespace pixlore {
namespace {

constexpr int kCanvasWidth = CharMap::kMaxWidth * 16;
constexpr int kCanvasHeight = CharMap::kMaxHeight * 16;

using MayChange = std::function<bool(int x, int y)>;

class RandomMapEditor {
  public:
    explicit RandomMapEditor(unsigned seed) : random_(seed), map_(std::make_unique<CharMap>()) {
        InitCharMap(*map_);
    }

    // One random edit; returns the cells it may have changed.
    MayChange step() {
        const int w = map_->MapWidth, h = map_->MapHeight;
        switch (pick(0, 9)) {
            case 0: {
                static constexpr std::pair<int, int> kSizes[] = {
                    {32, 24}, {40, 24}, {80, 50}, {64, 30}};
                const auto [width, height] = kSizes[pick(0, 3)];
                SetMapSize(*map_, width, height);
                return [](int, int) { return false; };
            }
            case 1:
                FillMap(*map_, pick(0, 255));
                return [w, h](int x, int y) { return x < w && y < h; };
            case 2:
            case 3: {
                const Cell cell = CellUnder(pointerX(), pointerY());
                PaintMapCell(*map_, cell.x, cell.y, pick(0, 255));
                return [cell](int x, int y) { return x == cell.x && y == cell.y; };
            }
            case 4:
            case 5:
                setPopupCell();
                return [](int, int) { return false; };
            default:
                return popupCommand(w, h);
        }
    }

    const CharMap& map() const { return *map_; }

  private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    // Mostly on the canvas, sometimes far off it (a pointer held while dragging out).
    int pointerX() { return pick(0, 3) ? pick(-20, kCanvasWidth + 20) : pick(-100000, 100000); }
    int pointerY() { return pick(0, 3) ? pick(-20, kCanvasHeight + 20) : pick(-100000, 100000); }

    void setPopupCell() {
        if (pick(0, 4)) {  // a right click on the canvas
            const Cell cell = CellUnder(pick(0, kCanvasWidth - 1), pick(0, kCanvasHeight - 1));
            map_->PopupCellX = cell.x;
            map_->PopupCellY = cell.y;
        } else {  // whatever else the two numbers may hold
            map_->PopupCellX = pick(-3, 3) * pick(0, 1000);
            map_->PopupCellY = pick(-3, 3) * pick(0, 1000);
        }
    }

    MayChange popupCommand(int w, int h) {
        const int px = map_->PopupCellX, py = map_->PopupCellY;
        const bool hasCell = px >= 0 && py >= 0;
        const bool usable = hasCell && CharMap::Contains(px, py);
        MayChange footprint = [](int, int) { return false; };
        bool changed = false;
        switch (pick(0, 5)) {
            case 0:
                changed = InsertChar(*map_);
                if (usable)
                    footprint = [=](int x, int y) {
                        return y == py && (px < w ? x >= px && x <= w : x == px);
                    };
                break;
            case 1:
                changed = DeleteChar(*map_);
                if (usable)
                    footprint = [=](int x, int y) {
                        return y == py && (px < w ? x >= px && x <= w - 1 : x == w - 1);
                    };
                break;
            case 2:
                changed = InsertRow(*map_);
                if (usable) footprint = [=](int x, int y) { return y >= py && y <= h && x <= w; };
                break;
            case 3:
                changed = DeleteRow(*map_);
                if (usable)
                    footprint = [=](int x, int y) { return y >= py && y <= h - 1 && x <= w; };
                break;
            case 4:
                changed = InsertColumn(*map_);
                if (usable) footprint = [=](int x, int y) { return x >= px && x <= w && y <= h; };
                break;
            default:
                changed = DeleteColumn(*map_);
                if (usable)
                    footprint = [=](int x, int y) { return x >= px && x <= w - 1 && y <= h; };
                break;
        }
        EXPECT_EQ(changed, usable) << "popup cell " << px << "," << py;
        if (hasCell) {
            EXPECT_EQ(map_->PopupCellX, -1);
            EXPECT_EQ(map_->PopupCellY, -1);
        } else {
            EXPECT_EQ(map_->PopupCellX, px);
            EXPECT_EQ(map_->PopupCellY, py);
        }
        return footprint;
    }

    std::mt19937 random_;
    std::unique_ptr<CharMap> map_;
};

bool KnownSize(const CharMap& map) {
    for (auto [w, h] : {std::pair{32, 24}, std::pair{40, 24}, std::pair{80, 50}, std::pair{64, 30}})
        if (map.MapWidth == w && map.MapHeight == h) return true;
    return false;
}

// The first cell that breaks the rules, or nothing.
testing::AssertionResult SoundStep(const CharMap& before, const CharMap& after,
                                   const MayChange& mayChange) {
    if (!KnownSize(after))
        return testing::AssertionFailure() << "size " << after.MapWidth << "x" << after.MapHeight;
    for (int y = 0; y < CharMap::kRows; ++y)
        for (int x = 0; x < CharMap::kColumns; ++x) {
            const int code = after.at(x, y);
            if (code < 0 || code > 255)
                return testing::AssertionFailure() << "cell " << x << "," << y << " holds " << code;
            if (code != before.at(x, y) && !mayChange(x, y))
                return testing::AssertionFailure() << "changed cell " << x << "," << y;
        }
    return testing::AssertionSuccess();
}

TEST(CharMapRandomEdits, KeepEveryCellACodeAndTouchOnlyTheirOwnCells) {
    for (unsigned seed : {1u, 2u, 3u, 4u, 5u}) {
        RandomMapEditor editor(seed);
        for (int step = 0; step < 3000; ++step) {
            const CharMap before = editor.map();
            const MayChange mayChange = editor.step();
            ASSERT_TRUE(SoundStep(before, editor.map(), mayChange))
                << "seed " << seed << " step " << step;
        }
    }
}

}  // namespace
}  // namespace pixlore
