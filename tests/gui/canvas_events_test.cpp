// The canvas event model, through a real canvas in a real window: what each press, release,
// move and key becomes.
#include <QEnterEvent>
#include <QTest>

#include "gui/support/canvas_probe.h"
#include "gui/support/editor_fixture.h"

using namespace pixlore;

namespace {

// The pointer comes into the canvas the way the platform announces it.
void Enter(Canvas& canvas, int x, int y) {
    const QPointF local(x + canvas.border(), y + canvas.border());
    QEnterEvent enter(local, canvas.mapTo(canvas.window(), local), canvas.mapToGlobal(local));
    QCoreApplication::sendEvent(&canvas, &enter);
}

// A held key as the platform repeats it: presses and releases marked as repeats, then the
// real release.
void HoldKey(Canvas& canvas, Qt::Key key, int repeats) {
    QWindow* window = canvas.window()->windowHandle();
    QTest::simulateEvent(window, true, key, Qt::NoModifier, QString(), false);
    for (int i = 0; i < repeats; ++i) {
        QTest::simulateEvent(window, false, key, Qt::NoModifier, QString(), true);
        QTest::simulateEvent(window, true, key, Qt::NoModifier, QString(), true);
    }
    QTest::simulateEvent(window, false, key, Qt::NoModifier, QString(), false);
}

}  // namespace

class CanvasEventsTest : public QObject {
    Q_OBJECT

  private slots:
    void leftClickInside_data() {
        QTest::addColumn<bool>("border");
        QTest::newRow("no border") << false;
        QTest::newRow("sunken border") << true;
    }
    // Positions are surface pixels, inside any border.
    void leftClickInside() {
        QFETCH(bool, border);
        CanvasProbe probe({border, false});
        user::Move(probe.canvas(), 10, 10);
        probe.take();
        user::Press(probe.canvas(), Qt::LeftButton, 10, 10);
        QCOMPARE(probe.takeActed().join("; "), QString("LeftButtonDown 10,10 1"));
        user::Move(probe.canvas(), 0, 95);
        QCOMPARE(probe.takeActed().join("; "), QString("MouseMove 0,95 1"));
        user::Release(probe.canvas(), Qt::LeftButton, 0, 95);
        QCOMPARE(probe.takeActed().join("; "), QString("LeftButtonUp 0,95 0; LeftClick 0,95 0"));
    }

    // While the button is held the canvas keeps the pointer: moves and the release reach it
    // with coordinates outside its surface, and a release outside is no click.
    void captureReportsOutsidePositions() {
        CanvasProbe probe({true, false});
        Canvas& canvas = probe.canvas();
        user::Move(canvas, 5, 5);
        user::Press(canvas, Qt::LeftButton, 5, 5);
        probe.take();
        user::Move(canvas, -30, 250);
        user::Move(canvas, 300, -20);    // over the neighbour widget
        user::Move(canvas, 5000, 5000);  // far beyond the window
        QCOMPARE(probe.takeActed().join("; "),
                 QString("MouseMove -30,250 1; MouseMove 300,-20 1; MouseMove 5000,5000 1"));
        user::Move(canvas, -7, -9);
        probe.take();
        user::Release(canvas, Qt::LeftButton, -7, -9);
        QCOMPARE(probe.takeActed().join("; "), QString("LeftButtonUp -7,-9 0"));
        // With the button up again, moves elsewhere are not the canvas's.
        user::Move(canvas, 300, 20);
        QCOMPARE(probe.takeActed().join("; "), QString(""));
    }

    // The click needs the release on the control: its border counts, beyond it does not.
    void clickOnTheBorder_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("click");
        QTest::newRow("right border") << 129 << 10 << true;
        QTest::newRow("left border") << -2 << 10 << true;
        QTest::newRow("bottom border") << 10 << 97 << true;
        QTest::newRow("past right border") << 130 << 10 << false;
        QTest::newRow("past left border") << -3 << 10 << false;
        QTest::newRow("past top border") << 10 << -3 << false;
    }
    void clickOnTheBorder() {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(bool, click);
        CanvasProbe probe({true, false});
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
            user::Move(probe.canvas(), 64, 48);
            user::Press(probe.canvas(), button, 64, 48);
            user::Move(probe.canvas(), x, y);
            probe.take();
            user::Release(probe.canvas(), button, x, y);
            const QString where = QString("%1,%2 0").arg(x).arg(y);
            const QString name = button == Qt::LeftButton ? "Left" : "Right";
            QStringList expected{(button == Qt::LeftButton ? "LeftButtonUp " : "RightButtonUp ") +
                                 where};
            if (click) expected << name + "Click " + where;
            QCOMPARE(probe.take().filter(QRegularExpression("Up|Click")), expected);
        }
    }

    void rightAndMiddleButtons() {
        CanvasProbe probe({false, false});
        Canvas& canvas = probe.canvas();
        user::Move(canvas, 20, 30);
        probe.take();
        user::Press(canvas, Qt::RightButton, 20, 30);
        user::Release(canvas, Qt::RightButton, 20, 30);
        QCOMPARE(probe.take().join("; "),
                 QString("RightButtonDown 20,30 2; RightButtonUp 20,30 0; RightClick 20,30 0"));
        user::Press(canvas, Qt::MiddleButton, 20, 30);
        user::Move(canvas, 22, 31);
        user::Release(canvas, Qt::MiddleButton, 22, 31);
        QCOMPARE(probe.take().join("; "),
                 QString("MiddleButtonDown 20,30 4; MouseMove 22,31 4; MiddleButtonUp 22,31 0"));
    }

    // Buttons is the sum of the buttons held as the event happens.
    void bothButtonsHeld() {
        CanvasProbe probe({false, false});
        Canvas& canvas = probe.canvas();
        user::Move(canvas, 20, 30);
        probe.take();
        user::Press(canvas, Qt::LeftButton, 20, 30);
        user::Press(canvas, Qt::RightButton, 20, 30);
        user::Move(canvas, 200, 31);
        user::Release(canvas, Qt::RightButton, 200, 31);
        user::Move(canvas, 40, 31);
        user::Release(canvas, Qt::LeftButton, 40, 31);
        QCOMPARE(probe.takeActed().join("; "),
                 QString("LeftButtonDown 20,30 1; RightButtonDown 20,30 3; MouseMove 200,31 3; "
                         "RightButtonUp 200,31 1; MouseMove 40,31 1; LeftButtonUp 40,31 0; "
                         "LeftClick 40,31 0"));
    }

    // The second press of a double click is a press like the first.
    void doubleClick() {
        CanvasProbe probe({false, false});
        user::Move(probe.canvas(), 9, 9);
        probe.take();
        QTest::mouseDClick(probe.canvas().window()->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                           user::WindowPosition(probe.canvas(), 9, 9));
        QCOMPARE(probe.takeActed().join("; "),
                 QString("LeftButtonDown 9,9 1; LeftButtonUp 9,9 0; LeftClick 9,9 0; "
                         "LeftButtonDown 9,9 1; LeftButtonUp 9,9 0; LeftClick 9,9 0"));
    }

    // The first move after the pointer came in is MouseEnter; the moves after it are moves.
    void firstMoveAfterEnteringIsMouseEnter() {
        CanvasProbe probe({true, false});
        Canvas& canvas = probe.canvas();
        user::Move(canvas, 300, 50);  // elsewhere first
        probe.take();
        for (int round = 0; round < 2; ++round) {
            Enter(canvas, 3, 4);
            user::Move(canvas, 3, 4);
            user::Move(canvas, 5, 4);
            user::Move(canvas, 6, 7);
            QCOMPARE(probe.takeActed().join("; "),
                     QString("MouseEnter 3,4 0; MouseMove 5,4 0; MouseMove 6,7 0"));
            QEvent leave(QEvent::Leave);
            QCoreApplication::sendEvent(&canvas, &leave);
            probe.take();
        }
        // Entering with a button held makes the first move MouseEnter all the same.
        Enter(canvas, 6, 7);
        user::Press(canvas, Qt::LeftButton, 6, 7);
        user::Move(canvas, 9, 9);
        user::Move(canvas, 10, 9);
        user::Release(canvas, Qt::LeftButton, 10, 9);
        QCOMPARE(probe.takeActed().join("; "),
                 QString("LeftButtonDown 6,7 1; MouseEnter 9,9 1; MouseMove 10,9 1; LeftButtonUp "
                         "10,9 0; LeftClick 10,9 0"));
    }

    // A button pressed on the window's background captures nothing: the canvas reports the
    // moves over it (the first as MouseEnter) and a release over it, but no click.
    void strokeFromTheBackground_data() {
        QTest::addColumn<int>("startX");
        QTest::addColumn<int>("startY");
        QTest::newRow("bare background") << -20 << 10;
        QTest::newRow("plain child widget") << 230 << 10;
    }
    void strokeFromTheBackground() {
        QFETCH(int, startX);
        QFETCH(int, startY);
        CanvasProbe probe({false, false, true});
        Canvas& canvas = probe.canvas();
        user::Move(canvas, startX, startY);
        user::Press(canvas, Qt::LeftButton, startX, startY);
        user::Move(canvas, startX + 1, startY);
        QCOMPARE(probe.take().join("; "), QString());
        user::Move(canvas, 5, 5);
        user::Move(canvas, 6, 7);
        user::Press(canvas, Qt::RightButton, 6, 7);
        user::Release(canvas, Qt::RightButton, 6, 7);
        QCOMPARE(probe.takeActed().join("; "),
                 QString("MouseEnter 5,5 1; MouseMove 6,7 1; RightButtonDown 6,7 3; "
                         "RightButtonUp 6,7 1"));
        // Out and back in again while still held.
        user::Move(canvas, -5, 7);
        user::Move(canvas, 8, 9);
        user::Move(canvas, 10, 9);
        user::Release(canvas, Qt::LeftButton, 10, 9);
        QCOMPARE(probe.take().join("; "),
                 QString("MouseLeave 6,7 0; MouseEnter 8,9 1; MouseMove 10,9 1; "
                         "LeftButtonUp 10,9 0"));
        // The pointer is still over the canvas: the next move is a move.
        user::Move(canvas, 11, 9);
        QCOMPARE(probe.takeActed().join("; "), QString("MouseMove 11,9 0"));
    }

    // Keys are reported on release with their virtual-key codes.
    void keyUpCarriesVirtualKeyCodes_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("code");
        QTest::newRow("Left") << int(Qt::Key_Left) << 37;
        QTest::newRow("Up") << int(Qt::Key_Up) << 38;
        QTest::newRow("Right") << int(Qt::Key_Right) << 39;
        QTest::newRow("Down") << int(Qt::Key_Down) << 40;
        QTest::newRow("Insert") << int(Qt::Key_Insert) << 45;
        QTest::newRow("Delete") << int(Qt::Key_Delete) << 46;
        QTest::newRow("A") << int(Qt::Key_A) << 65;
        QTest::newRow("7") << int(Qt::Key_7) << 55;
        QTest::newRow("F5") << int(Qt::Key_F5) << 116;
        QTest::newRow("Home") << int(Qt::Key_Home) << 36;
        QTest::newRow("Space") << int(Qt::Key_Space) << 32;
        QTest::newRow("Return") << int(Qt::Key_Return) << 13;
    }
    void keyUpCarriesVirtualKeyCodes() {
        QFETCH(int, key);
        QFETCH(int, code);
        CanvasProbe probe({true, true});
        QVERIFY(probe.canvas().hasFocus());
        QTest::keyPress(probe.canvas().window()->windowHandle(), Qt::Key(key));
        QCOMPARE(probe.takeActed().join("; "), QString(""));
        QTest::keyRelease(probe.canvas().window()->windowHandle(), Qt::Key(key));
        const QStringList events = probe.takeActed();
        QCOMPARE(events.size(), 1);
        QVERIFY2(events[0].startsWith("KeyUp ") && events[0].endsWith(QString(" key %1").arg(code)),
                 qPrintable(events[0]));
    }

    // A held key repeats its press and release; only the real release is a KeyUp.
    void heldKeyIsOneKeyUp() {
        CanvasProbe probe({true, true});
        HoldKey(probe.canvas(), Qt::Key_Insert, 5);
        const QStringList events = probe.takeActed();
        QCOMPARE(events.size(), 1);
        QVERIFY2(events[0].endsWith(" key 45"), qPrintable(events[0]));
    }

    // Without the focus the canvas reports no keys.
    void noKeysWithoutFocus() {
        CanvasProbe probe({false, false});
        QVERIFY(!probe.canvas().hasFocus());
        QTest::keyClick(probe.canvas().window()->windowHandle(), Qt::Key_Insert);
        QCOMPARE(probe.take().join("; "), QString(""));
    }
};

QTEST_MAIN(CanvasEventsTest)
#include "canvas_events_test.moc"
