#include "gui/support/canvas_probe.h"

#include <QTest>

#include "platform/pointer_relay.h"

namespace pixlore {
namespace {

const char* TypeName(CanvasEventType type) {
    switch (type) {
        case CanvasEventType::LeftButtonDown:
            return "LeftButtonDown";
        case CanvasEventType::LeftButtonUp:
            return "LeftButtonUp";
        case CanvasEventType::LeftClick:
            return "LeftClick";
        case CanvasEventType::RightButtonDown:
            return "RightButtonDown";
        case CanvasEventType::RightClick:
            return "RightClick";
        case CanvasEventType::MouseMove:
            return "MouseMove";
        case CanvasEventType::MouseEnter:
            return "MouseEnter";
        case CanvasEventType::KeyUp:
            return "KeyUp";
        case CanvasEventType::MouseLeave:
            return "MouseLeave";
        case CanvasEventType::RightButtonUp:
            return "RightButtonUp";
        case CanvasEventType::MiddleButtonDown:
            return "MiddleButtonDown";
        case CanvasEventType::MiddleButtonUp:
            return "MiddleButtonUp";
        case CanvasEventType::Wheel:
            return "Wheel";
        case CanvasEventType::KeyDown:
            return "KeyDown";
        case CanvasEventType::None:
            return "None";
        case CanvasEventType::PointerLost:
            return "PointerLost";
    }
    return "?";
}

}  // namespace

std::string Describe(const Event& e) {
    std::string text = std::string(TypeName(e.type)) + " " + std::to_string(e.MouseX) + "," +
                       std::to_string(e.MouseY) + " " + std::to_string(e.Buttons);
    if (e.type == CanvasEventType::KeyUp || e.type == CanvasEventType::KeyDown)
        text += " key " + std::to_string(e.Key);
    return text;
}

CanvasProbe::CanvasProbe(Options options) : window_(std::make_unique<QWidget>()) {
    window_->setFixedSize(400, 320);
    Canvas::Options canvas;
    canvas.control = 7;
    canvas.width = 128;
    canvas.height = 96;
    canvas.sunkenBorder = options.sunkenBorder;
    canvas.takesFocus = options.takesFocus;
    canvas_ = new Canvas(
        canvas, [this](const Event& e) { events_.push_back(e); }, window_.get());
    canvas_->move(40, 30);
    neighbour_ = new QWidget(window_.get());
    neighbour_->setGeometry(250, 30, 100, 100);
    if (options.relay) new PointerRelay(window_.get());
    window_->show();
    if (!QTest::qWaitForWindowExposed(window_.get())) qWarning("probe window not exposed");
    window_->activateWindow();
    if (options.takesFocus) canvas_->setFocus();
}

QStringList CanvasProbe::take() {
    QStringList described;
    for (const Event& e : events_)
        described << QString::fromStdString(Describe(e));
    events_.clear();
    return described;
}

QStringList CanvasProbe::takeActed() {
    QStringList described;
    for (const Event& e : events_)
        if (e.type != CanvasEventType::MouseLeave && e.type != CanvasEventType::KeyDown)
            described << QString::fromStdString(Describe(e));
    events_.clear();
    return described;
}

}  // namespace pixlore
