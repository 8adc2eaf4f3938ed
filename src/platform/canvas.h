#pragma once

#include <QImage>
#include <QWidget>

#include "platform/events.h"
#include "views/image.h"

namespace pixlore {

// A drawing surface that keeps its picture and reports the user's mouse and key actions as
// canvas events: buttons on press, clicks on a release inside, moves (the first one after
// the pointer came in as MouseEnter), key releases with virtual-key codes. While a button is
// held the canvas holds the pointer capture and reports positions outside itself, until a
// popup menu or a modal dialog takes the pointer (PointerLost).
class Canvas : public QWidget {
    Q_OBJECT

  public:
    struct Options {
        int control = 0;
        int width = 0;  // of the drawing surface, inside the border
        int height = 0;
        bool sunkenBorder = false;  // 2 pixels on each side
        bool takesFocus = false;
        bool acceptsDrops = false;
        Colour initial = kWhite;
    };

    Canvas(const Options& options, EventSink sink, QWidget* parent);

    int control() const { return control_; }
    int border() const { return border_; }
    // The picture; draw on it, then present() what was drawn.
    Image& surface() { return surface_; }
    const Image& surface() const { return surface_; }
    // Puts the drawn picture on screen before the next input is handled: all of it, or only
    // the areas given (in surface pixels), so that only they are painted and sent on.
    void present();
    void present(const Damage& areas);
    // Where surface pixel (x, y) lies on the screen.
    QPoint screenPosition(int x, int y) const;

    // The pointer over the canvas while another part of its window holds the pointer, after
    // a button went down on the window's background (see PointerRelay). The canvas holds no
    // capture then, so a release is never a click.
    void pointerEntered();
    void pointerLeft();
    void pointerAction(const QMouseEvent& event);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void report(CanvasEventType type, QPointF position, Qt::MouseButtons buttons, int key = 0,
                const QString& text = {});
    void onPress(Qt::MouseButton button, QPointF position, Qt::MouseButtons buttons);
    void onRelease(Qt::MouseButton button, QPointF position, Qt::MouseButtons buttons,
                   bool captured);
    void onMove(QPointF position, Qt::MouseButtons buttons);

    int control_;
    int border_;
    bool acceptsDrops_;
    Image surface_;
    QImage view_;  // shares surface_'s memory
    EventSink sink_;
    bool justEntered_ = false;
    bool relayedInside_ = false;  // the relay has had the pointer come in
    QPointF lastPosition_;
};

}  // namespace pixlore
