#pragma once

#include <QObject>
#include <QPointer>

namespace pixlore {

class Canvas;

// A button pressed on a window's bare background (or on a label) captures nothing: the
// canvases the pointer then moves over report those moves, and a release over them, as
// their own. Qt instead lets the widget under every press grab the pointer until the
// buttons are up; this filter, on a window's background widget, receives what that grab
// holds and passes it to the canvas under the pointer.
class PointerRelay : public QObject {
    Q_OBJECT

  public:
    explicit PointerRelay(QWidget* background);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Canvas* canvasAt(QPointF globalPosition) const;

    QWidget* background_;
    QPointer<Canvas> over_;  // the canvas the relayed pointer is over
};

}  // namespace pixlore
