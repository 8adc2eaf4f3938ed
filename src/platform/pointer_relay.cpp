#include "platform/pointer_relay.h"

#include <QMouseEvent>

#include "platform/canvas.h"

namespace pixlore {

PointerRelay::PointerRelay(QWidget* background) : QObject(background), background_(background) {
    background->installEventFilter(this);
}

Canvas* PointerRelay::canvasAt(QPointF globalPosition) const {
    QWidget* window = background_->window();
    QWidget* under = window->childAt(window->mapFromGlobal(globalPosition.toPoint()));
    return qobject_cast<Canvas*>(under);
}

bool PointerRelay::eventFilter(QObject*, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress &&
        type != QEvent::MouseButtonDblClick && type != QEvent::MouseButtonRelease)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    // Moves without a button are hover moves of the background itself, not a held pointer.
    if (type == QEvent::MouseMove && mouse->buttons() == Qt::NoButton) return false;

    Canvas* canvas = canvasAt(mouse->globalPosition());
    if (canvas != over_) {
        if (over_) over_->pointerLeft();
        over_ = canvas;
        if (canvas) canvas->pointerEntered();
    }
    if (canvas) canvas->pointerAction(*mouse);
    // With the last button up the toolkit tracks the pointer itself again.
    if (type == QEvent::MouseButtonRelease && mouse->buttons() == Qt::NoButton) over_ = nullptr;
    return false;
}

}  // namespace pixlore
