#pragma once

#include <functional>
#include <string>

namespace pixlore {

// What the windows report, copied into plain records at the toolkit's edge so that the
// dispatch is a plain function of them.
enum class EventKind { FilesDropped, MenuCommand, WindowClose, ControlEvent };

enum class CanvasEventType {
    LeftButtonDown,
    LeftButtonUp,
    LeftClick,
    RightButtonDown,
    RightClick,
    MouseMove,
    MouseEnter,
    KeyUp,
    // Reported too, and ignored by every handler.
    MouseLeave,
    RightButtonUp,
    MiddleButtonDown,
    MiddleButtonUp,
    Wheel,
    KeyDown,
    None,  // controls other than canvases: a click, a moved track bar
    // A popup menu or a modal dialog took the pointer, and with it the release of any button
    // held on the canvas. Last, so that the numbers of the others stay as they were.
    PointerLost,
};

// Mouse buttons as summed in Buttons.
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kMiddleButton = 4;

struct Event {
    EventKind kind = EventKind::ControlEvent;
    int window = -1;   // WindowClose
    int control = -1;  // ControlEvent, FilesDropped
    int command = -1;  // MenuCommand
    CanvasEventType type = CanvasEventType::None;
    int MouseX = 0;  // surface pixels, negative or beyond the surface while captured
    int MouseY = 0;
    int Buttons = 0;
    int Key = 0;           // KeyUp, KeyDown: virtual-key code
    bool Control = false;  // the Control key was held
    std::string text;      // FilesDropped: the names joined by line feeds; KeyDown: what it typed
};

// A canvas event as a canvas reports it.
inline Event CanvasEvent(int control, CanvasEventType type, int x, int y, int buttons = 0,
                         int key = 0) {
    Event e;
    e.kind = EventKind::ControlEvent;
    e.control = control;
    e.type = type;
    e.MouseX = x;
    e.MouseY = y;
    e.Buttons = buttons;
    e.Key = key;
    return e;
}

using EventSink = std::function<void(const Event&)>;

}  // namespace pixlore
