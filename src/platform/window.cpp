#include "platform/window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

#include "platform/pointer_relay.h"

namespace pixlore {

Window::Window(int number, const std::string& title, int clientWidth, int clientHeight,
               EventSink sink, Frame frame)
    : QMainWindow(
          nullptr,
          Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
              (frame == Frame::Resizable ? Qt::WindowMaximizeButtonHint : Qt::WindowFlags())),
      number_(number),
      client_(new QWidget(this)),
      sink_(std::move(sink)) {
    setWindowTitle(QString::fromStdString(title));
    setCentralWidget(client_);
    new PointerRelay(client_);
    if (frame == Frame::Fixed)
        setFixedSize(clientWidth, clientHeight);
    else
        resize(clientWidth, clientHeight);
}

void Window::setTitle(const std::string& title) {
    setWindowTitle(QString::fromStdString(title));
}

std::string Window::title() const {
    return windowTitle().toStdString();
}

void Window::centreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void Window::showActive() {
    // Out of the minimised state; a window the user maximised stays so.
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void Window::closeEvent(QCloseEvent* event) {
    event->ignore();
    Event e;
    e.kind = EventKind::WindowClose;
    e.window = number_;
    if (sink_) sink_(e);
}

}  // namespace pixlore
