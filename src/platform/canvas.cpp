#include "platform/canvas.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>
#include <algorithm>
#include <cmath>

#include "platform/key_codes.h"

namespace pixlore {
namespace {

int ButtonsOf(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? kLeftButton : 0) |
           (buttons & Qt::RightButton ? kRightButton : 0) |
           (buttons & Qt::MiddleButton ? kMiddleButton : 0);
}

// The sunken edge of a classic client-edge control: two rings, dark above and left.
void DrawSunkenBorder(QPainter& p, QRect r) {
    const QColor shadow(160, 160, 160), light(255, 255, 255);
    const QColor darkShadow(105, 105, 105), face(227, 227, 227);
    auto ring = [&p](QRect q, QColor topLeft, QColor bottomRight) {
        p.fillRect(q.left(), q.top(), q.width(), 1, topLeft);
        p.fillRect(q.left(), q.top(), 1, q.height(), topLeft);
        p.fillRect(q.left(), q.bottom(), q.width(), 1, bottomRight);
        p.fillRect(q.right(), q.top(), 1, q.height(), bottomRight);
    };
    ring(r, shadow, light);
    ring(r.adjusted(1, 1, -1, -1), darkShadow, face);
}

}  // namespace

Canvas::Canvas(const Options& options, EventSink sink, QWidget* parent)
    : QWidget(parent),
      control_(options.control),
      border_(options.sunkenBorder ? 2 : 0),
      acceptsDrops_(options.acceptsDrops),
      surface_(options.width, options.height, options.initial),
      view_(reinterpret_cast<uchar*>(surface_.data()), options.width, options.height,
            options.width * static_cast<int>(sizeof(Pixel)), QImage::Format_RGB32),
      sink_(std::move(sink)) {
    setFixedSize(options.width + 2 * border_, options.height + 2 * border_);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(options.takesFocus ? Qt::StrongFocus : Qt::NoFocus);
    setAcceptDrops(options.acceptsDrops);
}

void Canvas::present() {
    update(border_, border_, surface_.width(), surface_.height());
}

void Canvas::present(const Damage& areas) {
    for (const Rect& area : areas) {
        const Rect r = ClipRect(area.x, area.y, area.w, area.h, surface_.bounds());
        if (!r.empty()) update(r.x + border_, r.y + border_, r.w, r.h);
    }
}

QPoint Canvas::screenPosition(int x, int y) const {
    // A position handed in from anywhere in the range of int is held to the control's edges,
    // which every real click lies within, before anything is added to it.
    x = std::clamp(x, -border_, surface_.width() + border_);
    y = std::clamp(y, -border_, surface_.height() + border_);
    return mapToGlobal(QPoint(x + border_, y + border_));
}

bool Canvas::event(QEvent* event) {
    // A popup menu takes the focus, which a press on the canvas gave it; a modal dialog blocks
    // the window. Either way the release of a held button goes there.
    const bool popup = event->type() == QEvent::FocusOut &&
                       static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason;
    if (popup || event->type() == QEvent::WindowBlocked)
        report(CanvasEventType::PointerLost, lastPosition_, Qt::NoButton);
    return QWidget::event(event);
}

void Canvas::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect picture(border_, border_, surface_.width(), surface_.height());
    if (border_ > 0 && !picture.contains(event->rect())) DrawSunkenBorder(p, rect());
    // Each damaged area on its own: their bounding box may be far larger.
    for (const QRect& area : event->region()) {
        const QRect target = area & picture;
        if (!target.isEmpty()) p.drawImage(target, view_, target.translated(-border_, -border_));
    }
}

void Canvas::report(CanvasEventType type, QPointF position, Qt::MouseButtons buttons, int key,
                    const QString& text) {
    if (!sink_) return;
    Event e =
        CanvasEvent(control_, type, static_cast<int>(std::floor(position.x())) - border_,
                    static_cast<int>(std::floor(position.y())) - border_, ButtonsOf(buttons), key);
    // The state of the input event being delivered, not of the keyboard by now.
    e.Control = QGuiApplication::keyboardModifiers().testFlag(Qt::ControlModifier);
    e.text = text.toStdString();
    sink_(e);
}

void Canvas::onPress(Qt::MouseButton button, QPointF position, Qt::MouseButtons buttons) {
    lastPosition_ = position;
    switch (button) {
        case Qt::LeftButton:
            report(CanvasEventType::LeftButtonDown, position, buttons);
            break;
        case Qt::RightButton:
            report(CanvasEventType::RightButtonDown, position, buttons);
            break;
        case Qt::MiddleButton:
            report(CanvasEventType::MiddleButtonDown, position, buttons);
            break;
        default:
            break;
    }
}

void Canvas::onRelease(Qt::MouseButton button, QPointF position, Qt::MouseButtons buttons,
                       bool captured) {
    lastPosition_ = position;
    // A click needs the capture and the release inside the control, border included.
    const QPoint pixel(static_cast<int>(std::floor(position.x())),
                       static_cast<int>(std::floor(position.y())));
    const bool click = captured && rect().contains(pixel);
    switch (button) {
        case Qt::LeftButton:
            report(CanvasEventType::LeftButtonUp, position, buttons);
            if (click) report(CanvasEventType::LeftClick, position, buttons);
            break;
        case Qt::RightButton:
            report(CanvasEventType::RightButtonUp, position, buttons);
            if (click) report(CanvasEventType::RightClick, position, buttons);
            break;
        case Qt::MiddleButton:
            report(CanvasEventType::MiddleButtonUp, position, buttons);
            break;
        default:
            break;
    }
}

void Canvas::onMove(QPointF position, Qt::MouseButtons buttons) {
    // Some platforms repeat a move without motion; the user did nothing.
    if (position == lastPosition_ && !justEntered_) return;
    lastPosition_ = position;
    const auto type = justEntered_ ? CanvasEventType::MouseEnter : CanvasEventType::MouseMove;
    justEntered_ = false;
    report(type, position, buttons);
}

void Canvas::mousePressEvent(QMouseEvent* event) {
    onPress(event->button(), event->position(), event->buttons());
}

// The second press of a double click is a press like any other.
void Canvas::mouseDoubleClickEvent(QMouseEvent* event) {
    onPress(event->button(), event->position(), event->buttons());
}

// The toolkit sends a release only to the canvas the press went to, which therefore holds
// the capture.
void Canvas::mouseReleaseEvent(QMouseEvent* event) {
    onRelease(event->button(), event->position(), event->buttons(), true);
}

void Canvas::mouseMoveEvent(QMouseEvent* event) {
    onMove(event->position(), event->buttons());
}

void Canvas::pointerEntered() {
    relayedInside_ = true;
    justEntered_ = true;
}

void Canvas::pointerLeft() {
    relayedInside_ = false;
    justEntered_ = false;
    report(CanvasEventType::MouseLeave, lastPosition_, Qt::NoButton);
}

void Canvas::pointerAction(const QMouseEvent& event) {
    const QPointF position = mapFromGlobal(event.globalPosition());
    switch (event.type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            onPress(event.button(), position, event.buttons());
            break;
        case QEvent::MouseButtonRelease:
            onRelease(event.button(), position, event.buttons(), false);
            break;
        case QEvent::MouseMove:
            onMove(position, event.buttons());
            break;
        default:
            break;
    }
}

void Canvas::enterEvent(QEnterEvent* event) {
    // After a relayed stroke ends over the canvas the toolkit announces an entry that the
    // relay has already reported.
    if (relayedInside_) {
        relayedInside_ = false;
        return;
    }
    justEntered_ = true;
    lastPosition_ = event->position();
}

void Canvas::leaveEvent(QEvent*) {
    relayedInside_ = false;
    justEntered_ = false;
    report(CanvasEventType::MouseLeave, lastPosition_, Qt::NoButton);
}

void Canvas::wheelEvent(QWheelEvent* event) {
    report(CanvasEventType::Wheel, event->position(), event->buttons());
    event->ignore();  // let a scroll area scroll
}

void Canvas::keyPressEvent(QKeyEvent* event) {
    report(CanvasEventType::KeyDown, lastPosition_, Qt::NoButton, VirtualKeyOf(event->key()),
           event->text());
}

void Canvas::keyReleaseEvent(QKeyEvent* event) {
    // A held key repeats its press and release; only the real release counts.
    if (event->isAutoRepeat()) return;
    report(CanvasEventType::KeyUp, lastPosition_, Qt::NoButton, VirtualKeyOf(event->key()));
}

void Canvas::dragEnterEvent(QDragEnterEvent* event) {
    if (acceptsDrops_ && event->mimeData()->hasUrls()) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    }
}

void Canvas::dragMoveEvent(QDragMoveEvent* event) {
    if (acceptsDrops_ && event->mimeData()->hasUrls()) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    }
}

void Canvas::dropEvent(QDropEvent* event) {
    if (!acceptsDrops_ || !event->mimeData()->hasUrls()) return;
    QStringList names;
    for (const QUrl& url : event->mimeData()->urls())
        names << (url.isLocalFile() ? url.toLocalFile() : url.toString());
    event->setDropAction(Qt::CopyAction);
    event->accept();
    Event e;
    e.kind = EventKind::FilesDropped;
    e.control = control_;
    e.text = names.join(QChar('\n')).toStdString();
    if (sink_) sink_(e);
}

}  // namespace pixlore
