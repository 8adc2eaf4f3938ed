#pragma once

#include <QMainWindow>
#include <string>

#include "platform/events.h"

namespace pixlore {

// A top-level window opened with a given client size and a frame with title bar, system menu,
// close and minimise boxes. A fixed frame keeps that size and has no maximise box; a
// resizable one can be resized and maximised. A close request is reported, not acted on.
class Window : public QMainWindow {
    Q_OBJECT

  public:
    enum class Frame { Fixed, Resizable };

    Window(int number, const std::string& title, int clientWidth, int clientHeight, EventSink sink,
           Frame frame = Frame::Fixed);

    int number() const { return number_; }
    // The area controls are placed on, in client coordinates (below a menu bar, if any).
    QWidget* client() { return client_; }
    void setTitle(const std::string& title);
    std::string title() const;
    void centreOnScreen();
    // Shows the window, not minimised, and makes it the active one.
    void showActive();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    int number_;
    QWidget* client_;
    EventSink sink_;
};

}  // namespace pixlore
