#include "fuzz/driver/view_check.h"

#include <cstring>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

#include "app/ids.h"
#include "views/charset_view.h"
#include "views/glyph_view.h"
#include "views/map_view.h"

namespace pixlore::fuzz {
namespace {

// Fresh renders, made again only when what they are drawn from has changed: renders cost
// more than the events themselves, and a 4 MB map picture made anew per event more still.
struct FreshRenders {
    Image charset{kCharsetImageSize, kCharsetImageSize};
    Image frame{kCharsetImageSize, kCharsetImageSize};
    Image glyph{kGlyphViewSize, kGlyphViewSize};
    Image map{kMapCanvasWidth, kMapCanvasHeight};
    std::optional<std::pair<Charset, Palette>> charsetFrom;
    std::optional<std::tuple<Charset, Palette, CharMap>> mapFrom;
    std::optional<Cell> textCursorFrom;

    const Image& charsetOf(const EditorState& s) {
        if (charsetFrom != std::pair(s.charset, s.palette)) {
            RenderCharsetImage(charset, s.charset, s.palette);
            charsetFrom = std::pair(s.charset, s.palette);
        }
        return charset;
    }
    // Only the active area is compared, and the render rewrites all of it.
    Image& mapOf(const EditorState& s) {
        if (!mapFrom || std::get<0>(*mapFrom) != s.charset || std::get<1>(*mapFrom) != s.palette ||
            !SameMap(std::get<2>(*mapFrom), s.map) || textCursorFrom != s.TextCursor) {
            RenderCharMapImage(map, s.map, s.charset, s.palette);
            if (s.TextCursor) DrawMapTextCursor(map, *s.TextCursor);
            mapFrom = std::tuple(s.charset, s.palette, s.map);
            textCursorFrom = s.TextCursor;
        }
        return map;
    }
    static bool SameMap(const CharMap& a, const CharMap& b) {
        return a.cells == b.cells && a.MapWidth == b.MapWidth && a.MapHeight == b.MapHeight;
    }
};

FreshRenders& Fresh() {
    static FreshRenders renders;
    return renders;
}

bool Blank(const Image& image) {
    static const std::vector<Pixel> white(kMapCanvasWidth, PixelOf(kWhite));
    for (int y = 0; y < image.height(); ++y)
        if (std::memcmp(image.row(y), white.data(), image.width() * sizeof(Pixel)) != 0)
            return false;
    return true;
}

std::string CheckCharsetCanvas(Editor& editor, Feedback& feedback) {
    const EditorState& s = editor.state();
    if (!(Fresh().charsetOf(s) == s.CharsetImage)) return "CharsetImage does not show the charset";
    const Image& shown = editor.charsetCanvas().surface();
    Image& frame = Fresh().frame;
    ComposeCharsetCanvas(frame, s.CharsetImage, s.selection);
    if (shown == frame) {
        feedback.charsetFrame = Feedback::Frame::None;
        return {};
    }
    if (feedback.charsetFrame == Feedback::Frame::Hover) {
        ShowCharsetHover(frame, s.CharsetImage, s.selection, feedback.x, feedback.y);
    } else if (feedback.charsetFrame == Feedback::Frame::Drag) {
        Drag drag;
        drag.DragState = 1;
        drag.DragSource = feedback.dragSource;
        ShowDragPreview(frame, s.CharsetImage, s.selection, drag, feedback.x, feedback.y);
    } else {
        return "charset canvas is not the charset picture with the cursor";
    }
    if (shown == frame) return {};
    return "charset canvas is neither the picture with the cursor nor the last mouse frame";
}

std::string CheckGlyphView(Editor& editor) {
    const EditorState& s = editor.state();
    const std::uint8_t* glyph = GlyphAt(s.charset, s.selection.CurrentChar);
    Image& fresh = Fresh().glyph;
    RenderGlyphImage(fresh, glyph, s.palette);
    if (!(fresh == editor.glyphCanvas().surface())) return "glyph canvas is stale";
    if (editor.glyphDataField().toPlainText().toStdString() != GlyphDataText(glyph))
        return "glyph data field is stale";
    return {};
}

bool SameActiveArea(const Image& a, const Image& b, const CharMap& map) {
    const std::size_t bytes = static_cast<std::size_t>(16 * map.MapWidth) * sizeof(Pixel);
    for (int y = 0; y < 16 * map.MapHeight; ++y)
        if (std::memcmp(a.row(y), b.row(y), bytes) != 0) return false;
    return true;
}

std::string CheckMapCanvas(Editor& editor, Feedback& feedback) {
    const EditorState& s = editor.state();
    if (!s.MapAvailable) return {};
    const Image& shown = editor.mapCanvas().surface();
    if (feedback.mapStillBlank) {
        if (Blank(shown)) return {};
        feedback.mapStillBlank = false;
    }
    Image& fresh = Fresh().mapOf(s);
    if (SameActiveArea(shown, fresh, s.map)) {
        feedback.mapHover.reset();
        return {};
    }
    if (!feedback.mapHover) return "map canvas is stale";
    // The outline goes on the fresh render for the comparison and comes off again after.
    const Cell cell = *feedback.mapHover;
    const Image under = CopyRect(fresh, 16 * cell.x, 16 * cell.y, 16, 16);
    DrawMapHoverOutline(fresh, cell);
    const bool same = SameActiveArea(shown, fresh, s.map);
    DrawImage(fresh, under, 16 * cell.x, 16 * cell.y);
    if (same) return {};
    return "map canvas is neither the map nor the map with the last hover outline";
}

}  // namespace

void Feedback::note(const Event& event, const EditorState& state) {
    if (event.kind != EventKind::ControlEvent || event.type != CanvasEventType::MouseMove) return;
    if (event.control == CharsetCanvas) {
        charsetFrame = state.drag.DragState == 1 ? Frame::Drag : Frame::Hover;
        x = event.MouseX;
        y = event.MouseY;
        dragSource = state.drag.DragSource;
    } else if (event.control == MapCanvas) {
        // The outline goes round the cell under the pointer when it lies in the active area
        // or the column or row just beyond it.
        const Cell cell = CellUnder(event.MouseX, event.MouseY);
        if (cell.x >= 0 && cell.x <= state.map.MapWidth && cell.y >= 0 &&
            cell.y <= state.map.MapHeight)
            mapHover = cell;
    }
}

std::string CheckViews(Editor& editor, Feedback& feedback) {
    for (const std::string& fault : {CheckCharsetCanvas(editor, feedback), CheckGlyphView(editor),
                                     CheckMapCanvas(editor, feedback)})
        if (!fault.empty()) return fault;
    return {};
}

}  // namespace pixlore::fuzz
