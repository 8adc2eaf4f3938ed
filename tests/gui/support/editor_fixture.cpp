#include "gui/support/editor_fixture.h"

#include <QTest>
#include <QWindow>

namespace pixlore {

EditorHarness::EditorHarness(std::vector<std::string> arguments, std::string currentDirectory) {
    Editor::Options options;
    options.arguments = std::move(arguments);
    options.currentDirectory = std::move(currentDirectory);
    options.quit = [this] { ++quits; };
    editor = std::make_unique<Editor>(dialogs, options);
    editor->start();
    if (!QTest::qWaitForWindowExposed(&editor->mainWindow())) qWarning("main window not exposed");
}

namespace user {

QPoint WindowPosition(Canvas& canvas, int x, int y) {
    return canvas.mapTo(canvas.window(), QPoint(x + canvas.border(), y + canvas.border()));
}

void Press(Canvas& canvas, Qt::MouseButton button, int x, int y) {
    QTest::mousePress(canvas.window()->windowHandle(), button, Qt::NoModifier,
                      WindowPosition(canvas, x, y));
}

void Release(Canvas& canvas, Qt::MouseButton button, int x, int y) {
    QTest::mouseRelease(canvas.window()->windowHandle(), button, Qt::NoModifier,
                        WindowPosition(canvas, x, y));
}

void Move(Canvas& canvas, int x, int y) {
    QTest::mouseMove(canvas.window()->windowHandle(), WindowPosition(canvas, x, y));
}

void Click(Canvas& canvas, Qt::MouseButton button, int x, int y) {
    Move(canvas, x, y);
    Press(canvas, button, x, y);
    Release(canvas, button, x, y);
}

void Drag(Canvas& canvas, int fromX, int fromY, int toX, int toY) {
    Move(canvas, fromX, fromY);
    Press(canvas, Qt::LeftButton, fromX, fromY);
    Move(canvas, (fromX + toX) / 2, (fromY + toY) / 2);
    Move(canvas, toX, toY);
    Release(canvas, Qt::LeftButton, toX, toY);
}

void KeyClick(Canvas& canvas, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(canvas.window()->windowHandle(), key, modifiers);
}

}  // namespace user

Colour SurfaceColour(Canvas& canvas, int x, int y) {
    return canvas.surface().colourAt(x, y);
}

Shown::Shown(Canvas& canvas) : image_(canvas.grab().toImage()), border_(canvas.border()) {}

Colour Shown::at(int x, int y) const {
    const QRgb rgb = image_.pixel(x + border_, y + border_);
    return RgbColour(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

}  // namespace pixlore
