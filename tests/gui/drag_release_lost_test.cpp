// A drag between characters whose left release the charset canvas never sees ends without
// changing anything: the next click must not drop the old glyph onto another.
#include <QTest>

#include "app/ids.h"
#include "gui/support/editor_fixture.h"
#include "gui/support/menu_user.h"

using namespace pixlore;

constexpr int kA = 24, kB = 40, kY = 8;  // the middles of glyphs 1 and 2

class DragReleaseLostTest : public QObject {
    Q_OBJECT

  private slots:
    void nextClickDropsNothing_data() {
        QTest::addColumn<bool>("popup");
        // The right button opens the popup, and the left one goes up on its first item.
        QTest::newRow("popup took the release") << true;
        // The release went where the canvas did not see it; the pointer comes back without it.
        QTest::newRow("move without the button") << false;
    }
    void nextClickDropsNothing() {
        QFETCH(bool, popup);
        EditorHarness editor;
        Canvas& canvas = editor->charsetCanvas();
        GlyphAt(editor.state().charset, 1)[0] = 0xAA;
        const Charset before = editor.state().charset;
        if (popup) {
            user::Move(canvas, kA, kY);
            user::Press(canvas, Qt::LeftButton, kA, kY);
            user::Move(canvas, kB, kY);
            user::PopupAnswer answer("Set begin range", Qt::LeftButton);
            user::Click(canvas, Qt::RightButton, kB, kY);
            QVERIFY(answer.seen());
        } else {
            editor->dispatch(
                CanvasEvent(CharsetCanvas, CanvasEventType::LeftButtonDown, kA, kY, 1));
            editor->dispatch(CanvasEvent(CharsetCanvas, CanvasEventType::MouseMove, kB, kY, 0));
        }
        user::Press(canvas, Qt::LeftButton, kB, kY);
        user::Release(canvas, Qt::LeftButton, kB, kY);
        QVERIFY(editor.state().charset == before);
        QCOMPARE(editor.state().drag.DragState, 0);
    }
};

QTEST_MAIN(DragReleaseLostTest)
#include "drag_release_lost_test.moc"
