// Every event, handed to its owner.
#include "app/editor.h"
#include "app/ids.h"
#include "charmap/charmap.h"
#include "charset/cell.h"

namespace pixlore {
namespace {

GlyphOp ShiftOfButton(int control) {
    switch (control) {
        case ShiftLeftButton:
            return GlyphOp::ShiftLeft;
        case ShiftRightButton:
            return GlyphOp::ShiftRight;
        case ShiftUpButton:
            return GlyphOp::ShiftUp;
        default:
            return GlyphOp::ShiftDown;
    }
}

// Presses on the two painted canvases, and moves over them with a button held.
bool IsPaintStroke(const Event& e) {
    if (e.kind != EventKind::ControlEvent || (e.control != GlyphCanvas && e.control != MapCanvas))
        return false;
    switch (e.type) {
        case CanvasEventType::LeftButtonDown:
        case CanvasEventType::RightButtonDown:
            return true;
        case CanvasEventType::MouseMove:
        case CanvasEventType::MouseEnter:
            return (e.Buttons & (kLeftButton | kRightButton)) != 0;
        default:
            return false;
    }
}

// Whether the event tells that the left button came up where the canvas did not see it: a
// popup or a dialog took the pointer, or a pointer event arrives without the button. Keys and
// leaving carry no buttons, and the left button's own events end a drag themselves.
bool LeftReleaseMissed(const Event& e) {
    switch (e.type) {
        case CanvasEventType::PointerLost:
            return true;
        case CanvasEventType::MouseMove:
        case CanvasEventType::MouseEnter:
        case CanvasEventType::RightButtonDown:
        case CanvasEventType::RightButtonUp:
        case CanvasEventType::RightClick:
        case CanvasEventType::MiddleButtonDown:
        case CanvasEventType::MiddleButtonUp:
        case CanvasEventType::Wheel:
            return (e.Buttons & kLeftButton) == 0;
        default:
            return false;
    }
}

}  // namespace

void Editor::dispatch(const Event& event) {
    if (options_.watch) options_.watch(event);
    if (quitting_) return;
    // A paint stroke is one step from press to release; anything else closes it first, so
    // that an undo never meets half a stroke.
    const bool stroke = IsPaintStroke(event);
    if (!stroke) recordChange();
    handle(event);
    if (!stroke) recordChange();
    updateHistoryItems();
    if (!quitting_) noteSessionChange();
}

void Editor::handle(const Event& event) {
    switch (event.kind) {
        case EventKind::FilesDropped:
            // Several names arrive joined by line feeds and are passed on as one name.
            if (event.control == CharsetCanvas) {
                LoadGlyphFile(event.text);
                RefreshViews();
            } else if (event.control == MapCanvas) {
                LoadMapFile(event.text);
                RenderCharMap();
            }
            break;
        case EventKind::MenuCommand:
            DispatchCommand(event.command);
            break;
        case EventKind::WindowClose:
            if (event.window == MainWindow)
                QuitProgram();
            else if (event.window == MapWindow)
                mapWindow_->hide();
            break;
        case EventKind::ControlEvent:
            switch (event.control) {
                case CharsetCanvas:
                    onCharsetCanvas(event);
                    break;
                case GlyphCanvas:
                    onGlyphCanvas(event);
                    break;
                case MapCanvas:
                    onMapCanvas(event);
                    break;
                case ShiftLeftButton:
                case ShiftRightButton:
                case ShiftUpButton:
                case ShiftDownButton:
                    ApplyGlyphOperation(ShiftOfButton(event.control));
                    break;
                case BeginRangeTrackBar:
                case EndRangeTrackBar:
                    UpdateRangeLabels();
                    break;
                default:
                    break;
            }
            break;
    }
}

void Editor::onCharsetCanvas(const Event& e) {
    // Such a drag would otherwise drop onto whatever is clicked next.
    if (LeftReleaseMissed(e) && AbandonDrag(state_.drag)) RenderCharset();
    switch (e.type) {
        case CanvasEventType::LeftClick:
            selectCharAt(e.MouseX, e.MouseY);
            break;
        case CanvasEventType::RightClick: {
            selectCharAt(e.MouseX, e.MouseY);
            showPopup(charsetPopup_, *charsetCanvas_, e);
            break;
        }
        case CanvasEventType::LeftButtonDown:
            StartDrag(state_.drag, e.MouseX, e.MouseY);
            break;
        case CanvasEventType::LeftButtonUp: {
            const DropMode mode =
                mainMenu_.checked(Command::DragModeSwap) ? DropMode::Swap : DropMode::Copy;
            if (EndDrag(state_.drag, state_.charset, e.MouseX, e.MouseY, mode)) RefreshViews();
            break;
        }
        case CanvasEventType::KeyUp:
            if (e.Key == kKeyInsert) {
                InsertGlyph(state_.charset, state_.selection.CurrentChar);
                RefreshViews();
            } else if (e.Key == kKeyDelete) {
                DeleteGlyph(state_.charset, state_.selection.CurrentChar);
                RefreshViews();
            } else if (ArrowKey(state_.selection, e.Key)) {
                afterCursorMove();
            }
            break;
        case CanvasEventType::MouseMove:
            if (state_.drag.DragState == 0)
                ShowCharsetHover(e.MouseX, e.MouseY);
            else
                ShowDragPreview(e.MouseX, e.MouseY);
            break;
        default:
            break;
    }
}

void Editor::onGlyphCanvas(const Event& e) {
    bool ink;
    if (e.type == CanvasEventType::LeftButtonDown ||
        (e.type == CanvasEventType::MouseMove && (e.Buttons & kLeftButton)))
        ink = true;
    else if (e.type == CanvasEventType::RightButtonDown ||
             (e.type == CanvasEventType::MouseMove && (e.Buttons & kRightButton)))
        ink = false;
    else
        return;
    const Cell cell = CellUnder(e.MouseX, e.MouseY);
    if (PaintGlyphPixel(state_.charset, state_.selection.CurrentChar, cell.x, cell.y, ink))
        RefreshViews();
}

void Editor::onMapCanvas(const Event& e) {
    switch (e.type) {
        case CanvasEventType::RightClick: {
            const Cell cell = CellUnder(e.MouseX, e.MouseY);
            if (!mapPopup_.popupMenu() || !CharMap::Contains(cell.x, cell.y)) break;
            state_.map.PopupCellX = cell.x;
            state_.map.PopupCellY = cell.y;
            showPopup(mapPopup_, *mapCanvas_, e);
            break;
        }
        // As in tile editors, the middle button, or Control with the left one for mice
        // without it, picks the cell's code as the current character and paints nothing.
        case CanvasEventType::MiddleButtonDown:
            pickMapCharAt(e.MouseX, e.MouseY);
            break;
        case CanvasEventType::LeftButtonDown:
            endTyping();
            mapPickPress_ = e.Control;
            if (mapPickPress_)
                pickMapCharAt(e.MouseX, e.MouseY);
            else
                paintMapAt(e.MouseX, e.MouseY);
            break;
        case CanvasEventType::KeyDown:
            typeKey(e);
            break;
        case CanvasEventType::MouseMove:
            ShowMapHover(e.MouseX, e.MouseY);
            if ((e.Buttons & kLeftButton) && !mapPickPress_) paintMapAt(e.MouseX, e.MouseY);
            break;
        default:
            break;
    }
}

// The pointer of the event, not wherever it is by now, places the menu. The chosen command
// arrives as any other once the menu has closed.
void Editor::showPopup(Menu& menu, const Canvas& canvas, const Event& e) {
    const std::optional<int> chosen = menu.popup(canvas.screenPosition(e.MouseX, e.MouseY));
    if (!chosen) return;
    Event command;
    command.kind = EventKind::MenuCommand;
    command.command = *chosen;
    dispatch(command);
}

void Editor::paintMapAt(int x, int y) {
    const Cell cell = CellUnder(x, y);
    if (PaintMapCell(state_.map, cell.x, cell.y, state_.selection.CurrentChar)) RenderCharMap();
}

void Editor::pickMapCharAt(int x, int y) {
    const std::optional<int> code = CodeUnderPointer(state_.map, x, y);
    if (!code) return;
    SelectChar(state_.selection, *code);
    afterCursorMove();
}

void Editor::selectCharAt(int x, int y) {
    if (SelectCharAt(state_.selection, x, y)) afterCursorMove();
}

void Editor::afterCursorMove() {
    RenderCharset();
    RenderGlyph();
    mainWindow_->setTitle(state_.WindowTitle + " " + StatusText(state_.selection.CurrentChar));
}

}  // namespace pixlore
