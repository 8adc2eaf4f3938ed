#pragma once

#include <QImage>
#include <QPoint>
#include <memory>
#include <string>
#include <vector>

#include "app/editor.h"
#include "gui/support/fake_dialogs.h"

namespace pixlore {

// A freshly started editor with recording dialogs; QuitProgram is counted, not acted on.
struct EditorHarness {
    explicit EditorHarness(std::vector<std::string> arguments = {},
                           std::string currentDirectory = "/tmp");

    Editor& operator*() { return *editor; }
    Editor* operator->() { return editor.get(); }
    EditorState& state() { return editor->state(); }

    FakeDialogs dialogs;
    int quits = 0;
    std::unique_ptr<Editor> editor;
};

// The user's pointer and keys on a canvas, sent through its window as the platform would
// deliver them (so capture, enter and focus behave as for real). Positions are in surface
// pixels, inside any border.
namespace user {
QPoint WindowPosition(Canvas& canvas, int x, int y);
void Press(Canvas& canvas, Qt::MouseButton button, int x, int y);
void Release(Canvas& canvas, Qt::MouseButton button, int x, int y);
void Move(Canvas& canvas, int x, int y);
void Click(Canvas& canvas, Qt::MouseButton button, int x, int y);
void Drag(Canvas& canvas, int fromX, int fromY, int toX, int toY);
void KeyClick(Canvas& canvas, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
}  // namespace user

// The colour of a canvas surface pixel, 0x00BBGGRR.
Colour SurfaceColour(Canvas& canvas, int x, int y);
// What the canvas shows on screen, read back from a grab of the widget.
class Shown {
  public:
    explicit Shown(Canvas& canvas);
    // The colour shown at surface pixel (x, y), 0x00BBGGRR.
    Colour at(int x, int y) const;

  private:
    QImage image_;
    int border_;
};

}  // namespace pixlore
