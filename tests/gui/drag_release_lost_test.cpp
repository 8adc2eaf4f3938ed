// A drag between characters whose left release the charset canvas never sees: it ends without
// changing anything, so the next click cannot drop the old glyph onto another.
#include <QTest>
#include <functional>

#include "gui/support/editor_fixture.h"
#include "gui/support/menu_user.h"

using namespace pixlore;
using Gesture = std::function<void(EditorHarness&)>;
Q_DECLARE_METATYPE(Gesture)

namespace {

constexpr int kAx = 16 * 1 + 8, kBx = 16 * 2 + 8, kY = 8;  // codes 1 and 2

// The right button on the window's bare background, beyond every control.
void OnBackground(EditorHarness& e, bool press) {
    QWindow* window = e->mainWindow().windowHandle();
    const QPoint at = user::WindowPosition(e->charsetCanvas(), 500, 100);
    press ? QTest::mousePress(window, Qt::RightButton, {}, at)
          : QTest::mouseRelease(window, Qt::RightButton, {}, at);
}

}  // namespace

class DragReleaseLostTest : public QObject {
    Q_OBJECT

  private slots:
    void nextClickDropsNothing_data() {
        QTest::addColumn<Gesture>("gesture");
        // The left button goes up on an item of the popup that the right button opened.
        QTest::newRow("popup") << Gesture([](EditorHarness& e) {
            Canvas& c = e->charsetCanvas();
            user::Drag(c, kAx, kY, kBx, kY);  // an ordinary drag first: glyphs 1 and 2 swap
            user::Move(c, kAx, kY);
            user::Press(c, Qt::LeftButton, kAx, kY);
            user::Move(c, kBx, kY);
            user::PopupAnswer answer("Set begin range", Qt::LeftButton);
            user::Click(c, Qt::RightButton, kBx, kY);
            QVERIFY(answer.seen());
        });
        // Pressed over the canvas while the right button holds the window: the left button
        // goes up off the canvas, and the pointer comes back without it.
        QTest::newRow("off the canvas") << Gesture([](EditorHarness& e) {
            Canvas& c = e->charsetCanvas();
            user::Drag(c, kAx, kY, kBx, kY);
            OnBackground(e, true);
            user::Move(c, kAx, kY);
            user::Press(c, Qt::LeftButton, kAx, kY);
            user::Move(c, 500, 100);
            user::Release(c, Qt::LeftButton, 500, 100);
            OnBackground(e, false);
            user::Move(c, kBx, kY);
        });
    }
    void nextClickDropsNothing() {
        QFETCH(Gesture, gesture);
        EditorHarness editor;
        GlyphAt(editor.state().charset, 1)[0] = 0xAA;
        Charset swapped{};
        GlyphAt(swapped, 2)[0] = 0xAA;
        gesture(editor);
        user::Press(editor->charsetCanvas(), Qt::LeftButton, kBx, kY);
        user::Release(editor->charsetCanvas(), Qt::LeftButton, kBx, kY);
        QVERIFY(editor.state().charset == swapped);
        QCOMPARE(editor.state().drag.DragState, 0);
    }
};

QTEST_MAIN(DragReleaseLostTest)
#include "drag_release_lost_test.moc"
