#include "charset/selection.h"

#include <cstdio>

#include "charset/cell.h"
#include "charset/text_1252.h"

namespace pixlore {

bool SelectCharAt(Selection& selection, int x, int y) {
    const Cell cell = CellUnder(x, y);
    if (cell.x < 0 || cell.x > 15 || cell.y < 0 || cell.y > 15) return false;
    selection.CurrentColumn = cell.x;
    selection.CurrentRow = cell.y;
    MoveCursor(selection, 0, 0);
    return true;
}

void SelectChar(Selection& selection, int code) {
    selection.CurrentColumn = code % 16;
    selection.CurrentRow = code / 16;
    MoveCursor(selection, 0, 0);
}

void MoveCursor(Selection& selection, int dx, int dy) {
    selection.CurrentColumn += dx;
    selection.CurrentRow += dy;
    selection.CurrentChar =
        static_cast<std::uint8_t>((selection.CurrentRow * 16 + selection.CurrentColumn) & 0xFF);
}

bool ArrowKey(Selection& selection, int key) {
    switch (key) {
        case kKeyUp:
            if (selection.CurrentRow == 0) return false;
            MoveCursor(selection, 0, -1);
            return true;
        case kKeyDown:
            if (selection.CurrentRow == 15) return false;
            MoveCursor(selection, 0, 1);
            return true;
        case kKeyLeft:
            if (selection.CurrentColumn == 0) return false;
            MoveCursor(selection, -1, 0);
            return true;
        case kKeyRight:
            if (selection.CurrentColumn == 15) return false;
            MoveCursor(selection, 1, 0);
            return true;
        default:
            return false;
    }
}

std::string StatusText(int code) {
    char text[16];
    std::snprintf(text, sizeof text, "%d($%02X)", code & 0xFF, code & 0xFF);
    std::string status = text;
    if ((code & 0xFF) >= 32)
        status += "'" + Windows1252ToUtf8(static_cast<std::uint8_t>(code)) + "'";
    return status;
}

}  // namespace pixlore
