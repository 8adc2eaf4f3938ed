// The character map's edits on a map whose cells (0..5, 0..4) show as letters, row after row:
// "abcdef ghijkl mnopqr stuvwx yzABCD". On a 4 x 3 map they are the active area, the spare
// column and row, and a column and row beyond. Other cells that change follow as "x,y:code".
#include <functional>

#include "charmap/charmap.h"
#include "support.h"

namespace pixlore {
namespace {

using Edit = std::function<void(CharMap&)>;

CharMap Lettered(int width, int height) {
    CharMap map;
    InitCharMap(map);
    for (int i = 0; i < CharMap::kColumns * CharMap::kRows; ++i)
        map.cells[i] = i % 81 < 6 && i / 81 < 5 ? i / 81 * 6 + i % 81 + 1 : i * 7 & 0xFF;
    SetMapSize(map, width, height);
    return map;
}

std::string Shown(const CharMap& map) {
    const CharMap before = Lettered(1, 1);
    std::string shown = std::to_string(map.MapWidth) + "x" + std::to_string(map.MapHeight);
    for (int i = 0; i < CharMap::kColumns * CharMap::kRows; ++i) {
        const int x = i % 81, y = i / 81, code = map.cells[i];
        if (x < 6 && y < 5)
            shown +=
                std::string(x == 0, ' ') + ".abcdefghijklmnopqrstuvwxyzABCD#"[std::min(code, 31)];
        if ((x >= 6 || y >= 5) && code != before.cells[i])
            shown += " " + std::to_string(x) + "," + std::to_string(y) + ":" + std::to_string(code);
    }
    return shown;
}

Edit Popup(bool (*command)(CharMap&), int x, int y) {
    return [=](CharMap& map) {
        map.PopupCellX = x, map.PopupCellY = y;
        EXPECT_EQ(command(map), x >= 0 && y >= 0);
        EXPECT_EQ(map.PopupCellX + map.PopupCellY, x >= 0 && y >= 0 ? -2 : x + y);
    };
}

TEST(CharMap, Edits) {
    const struct {
        int width, height;
        Edit edit;
        const char* after;
    } rows[] = {
        {4, 3, Popup(InsertChar, 1, 1), "4x3 abcdef g.hijl mnopqr stuvwx yzABCD"},
        {4, 3, Popup(InsertChar, 4, 1), "4x3 abcdef ghij.l mnopqr stuvwx yzABCD"},
        {80, 50, Popup(InsertChar, 79, 49),
         "80x50 abcdef ghijkl mnopqr stuvwx yzABCD 79,49:0 80,49:176"},
        {4, 3, Popup(DeleteChar, 1, 1), "4x3 abcdef gij.kl mnopqr stuvwx yzABCD"},
        {80, 50, Popup(DeleteChar, 78, 50),
         "80x50 abcdef ghijkl mnopqr stuvwx yzABCD 78,50:231 79,50:0"},
        {4, 3, Popup(InsertRow, 0, 1), "4x3 abcdef .....l ghijkr mnopqx yzABCD"},
        {4, 3, Popup(InsertRow, 0, 4), "4x3 abcdef ghijkl mnopqr stuvwx yzABCD"},
        {4, 3, Popup(DeleteRow, 0, 1), "4x3 abcdef mnopql .....r stuvwx yzABCD"},
        {4, 3, Popup(DeleteRow, 0, 3), "4x3 abcdef ghijkl mnopqr stuvwx yzABCD"},
        {4, 3, Popup(InsertColumn, 1, 2), "4x3 a.bcdf g.hijl m.nopr s.tuvx yzABCD"},
        {4, 3, Popup(InsertColumn, 5, 0), "4x3 abcdef ghijkl mnopqr stuvwx yzABCD"},
        {4, 3, Popup(DeleteColumn, 1, 4), "4x3 acd.ef gij.kl mop.qr suv.wx yzABCD"},
        {4, 3, Popup(DeleteColumn, 80, 0), "4x3 abcdef ghijkl mnopqr stuvwx yzABCD"},
        {4, 3, Popup(InsertRow, -1, 2), "4x3 abcdef ghijkl mnopqr stuvwx yzABCD"},
        {4, 3, Popup(DeleteColumn, 2, -1), "4x3 abcdef ghijkl mnopqr stuvwx yzABCD"},
        // Painting reaches the spare column and row and no further; fill covers the active
        // area; a size changes nothing else, and only the four sizes of screens are taken.
        {4, 3, [](CharMap& m) { PaintMapCell(m, 2, 1, 259); },
         "4x3 abcdef ghcjkl mnopqr stuvwx yzABCD"},
        {4, 3, [](CharMap& m) { PaintMapCell(m, 4, 3, 3); },
         "4x3 abcdef ghijkl mnopqr stuvcx yzABCD"},
        {4, 3,
         [](CharMap& m) { EXPECT_FALSE(PaintMapCell(m, 5, 0, 3) || PaintMapCell(m, 0, 4, 3)); },
         "4x3 abcdef ghijkl mnopqr stuvwx yzABCD"},
        {4, 3, [](CharMap& m) { FillMap(m, 256 + 5); }, "4x3 eeeeef eeeekl eeeeqr stuvwx yzABCD"},
        {4, 3, [](CharMap& m) { SetMapSize(m, 80, 50); },
         "80x50 abcdef ghijkl mnopqr stuvwx yzABCD"},
        {4, 3, [](CharMap& m) { SetMapSize(m, 81, 50), SetMapSize(m, 0, 3), SetMapSize(m, 8, 51); },
         "4x3 abcdef ghijkl mnopqr stuvwx yzABCD"},
    };
    for (const auto& r : rows) {
        CharMap map = Lettered(r.width, r.height);
        r.edit(map);
        EXPECT_EQ(Shown(map), r.after);
    }
}

}  // namespace
}  // namespace pixlore
