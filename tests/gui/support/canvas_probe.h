#pragma once

#include <QStringList>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace pixlore {

// A canvas alone in a window of its own, recording every event it reports.
class CanvasProbe {
  public:
    struct Options {
        bool sunkenBorder = false;
        bool takesFocus = false;
        bool relay = false;  // a PointerRelay on the window's background
    };
    explicit CanvasProbe(Options options);

    Canvas& canvas() { return *canvas_; }
    // A plain widget beside the canvas in the same window, for pointers outside the canvas.
    QWidget& neighbour() { return *neighbour_; }

    // What was reported since the last take(), as "Type x,y buttons" (and " key k" for keys).
    QStringList take();
    // The same, without MouseLeave and KeyDown, which every handler ignores.
    QStringList takeActed();

  private:
    std::unique_ptr<QWidget> window_;
    Canvas* canvas_ = nullptr;
    QWidget* neighbour_ = nullptr;
    std::vector<Event> events_;
};

std::string Describe(const Event& event);

}  // namespace pixlore
