// Every event, handed to its owner.
#include "app/editor.h"
#include "app/ids.h"
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

}  // namespace

void Editor::dispatch(const Event& event) {
    if (options_.watch) options_.watch(event);
    if (quitting_) return;
    // A paint stroke is one step from press to release; anything else closes it first, so
    // that an undo never meets half a stroke.
    const bool stroke = IsPaintStroke(event);
    if (!stroke) recordChange();
    handle(event);
    if (stroke)
        strokeOpen_ = true;
    else
        recordChange();
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
        case CanvasEventType::LeftButtonDown:
            endTyping();
            paintMapAt(e.MouseX, e.MouseY);
            break;
        case CanvasEventType::KeyDown:
            typeKey(e);
            break;
        case CanvasEventType::MouseMove:
            ShowMapHover(e.MouseX, e.MouseY);
            if (e.Buttons & kLeftButton) paintMapAt(e.MouseX, e.MouseY);
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

void Editor::selectCharAt(int x, int y) {
    if (SelectCharAt(state_.selection, x, y)) afterCursorMove();
}

void Editor::afterCursorMove() {
    RenderCharset();
    RenderGlyph();
    mainWindow_->setTitle(state_.WindowTitle + " " + StatusText(state_.selection.CurrentChar));
}

}  // namespace pixlore
