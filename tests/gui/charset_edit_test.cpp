// Selection, range and dragging on the charset grid, through the main window as a user works.
#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include "app/ids.h"
#include "gui/support/editor_fixture.h"
#include "gui/support/menu_user.h"

using namespace pixlore;

namespace {

// Every glyph distinct: row r of glyph n holds n + 37 * r.
void NumberGlyphs(EditorHarness& editor) {
    for (int n = 0; n < kGlyphCount; ++n)
        for (int r = 0; r < kGlyphBytes; ++r)
            GlyphAt(editor.state().charset, n)[r] = static_cast<std::uint8_t>(n + 37 * r);
    editor->RefreshViews();
}

bool SameGlyph(const Charset& a, int n, const Charset& b, int m) {
    return std::equal(GlyphAt(a, n), GlyphAt(a, n) + kGlyphBytes, GlyphAt(b, m));
}

// The middle of the cell of code n.
QPoint CellMiddle(int n) {
    return {16 * (n % 16) + 8, 16 * (n / 16) + 8};
}

void ClickCode(EditorHarness& editor, int n) {
    user::Click(editor->charsetCanvas(), Qt::LeftButton, CellMiddle(n).x(), CellMiddle(n).y());
}

void DragCode(EditorHarness& editor, int from, QPoint to) {
    user::Drag(editor->charsetCanvas(), CellMiddle(from).x(), CellMiddle(from).y(), to.x(), to.y());
}

QString Title(EditorHarness& editor) {
    return editor->mainWindow().windowTitle();
}

bool SetDragMode(EditorHarness& editor, const QString& item) {
    return user::ChooseFromMenuBar(*editor->mainMenu().menuBar(), {"Char", item});
}

}  // namespace

class CharsetEditTest : public QObject {
    Q_OBJECT

  private slots:
    void titleNamesTheClickedCode_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("title");
        QTest::newRow("7") << 7 << "pixlore v2 0.9b 7($07)";
        QTest::newRow("31") << 31 << "pixlore v2 0.9b 31($1F)";
        QTest::newRow("32") << 32 << "pixlore v2 0.9b 32($20)' '";
        QTest::newRow("65") << 65 << "pixlore v2 0.9b 65($41)'A'";
        QTest::newRow("128") << 128 << QString::fromUtf8("pixlore v2 0.9b 128($80)'\u20AC'");
        QTest::newRow("255") << 255 << QString::fromUtf8("pixlore v2 0.9b 255($FF)'\u00FF'");
    }
    void titleNamesTheClickedCode() {
        QFETCH(int, code);
        QFETCH(QString, title);
        EditorHarness editor;
        editor->glyphDataField().setFocus();
        ClickCode(editor, code);
        QCOMPARE(Title(editor), title);
        QCOMPARE(int(editor.state().selection.CurrentChar), code);
        QVERIFY(editor->charsetCanvas().hasFocus());
    }

    void arrowKeysMoveTheCursorAndStopAtTheEdges_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("end");
        const int left = Qt::Key_Left, right = Qt::Key_Right, up = Qt::Key_Up, down = Qt::Key_Down;
        QTest::newRow("one each way") << 65 << QList<int>{left, up, right, right, down} << 66;
        QTest::newRow("left at column 0") << 32 << QList<int>{left, left} << 32;
        QTest::newRow("up at row 0") << 5 << QList<int>{up} << 5;
        QTest::newRow("right at column 15") << 47 << QList<int>{right} << 47;
        QTest::newRow("down at row 15") << 250 << QList<int>{down, down} << 250;
        QTest::newRow("corner 255") << 255 << QList<int>{right, down, left} << 254;
        QTest::newRow("corner 0") << 0 << QList<int>{up, left, down} << 16;
    }
    void arrowKeysMoveTheCursorAndStopAtTheEdges() {
        QFETCH(int, start);
        QFETCH(QList<int>, keys);
        QFETCH(int, end);
        EditorHarness editor;
        ClickCode(editor, start);
        for (int key : keys)
            user::KeyClick(editor->charsetCanvas(), Qt::Key(key));
        const Selection& s = editor.state().selection;
        QCOMPARE(int(s.CurrentChar), end);
        QCOMPARE(s.CurrentColumn, end % 16);
        QCOMPARE(s.CurrentRow, end / 16);
        QCOMPARE(Title(editor), "pixlore v2 0.9b " + QString::fromStdString(StatusText(end)));
        // The cursor is drawn on the new cell: its first checkerboard pixel.
        QCOMPARE(Shown(editor->charsetCanvas()).at(16 * (end % 16) + 1, 16 * (end / 16)),
                 kCursorColour);
    }

    void aHeldArrowKeyMovesOnceWhenReleased() {
        EditorHarness editor;
        ClickCode(editor, 64);
        Canvas& canvas = editor->charsetCanvas();
        const auto send = [&canvas](QEvent::Type type, bool repeat) {
            QKeyEvent key(type, Qt::Key_Right, Qt::NoModifier, QString(), repeat);
            QApplication::sendEvent(&canvas, &key);
        };
        send(QEvent::KeyPress, false);
        for (int i = 0; i < 3; ++i) {
            send(QEvent::KeyRelease, true);
            send(QEvent::KeyPress, true);
        }
        QCOMPARE(int(editor.state().selection.CurrentChar), 64);
        send(QEvent::KeyRelease, false);
        QCOMPARE(int(editor.state().selection.CurrentChar), 65);
    }

    void aClickOnTheBorderPastTheLastCellSelectsNothing() {
        EditorHarness editor;
        NumberGlyphs(editor);
        const Charset before = editor.state().charset;
        ClickCode(editor, 31);
        const QString title = Title(editor);
        Canvas& canvas = editor->charsetCanvas();
        user::Click(canvas, Qt::LeftButton, 257, 20);  // the right border, row 1
        user::Click(canvas, Qt::LeftButton, 20, 257);  // the bottom border
        {
            user::PopupAnswer dismiss("");
            user::Click(canvas, Qt::RightButton, 256, 256);
            QVERIFY(dismiss.seen());
        }
        QCOMPARE(Title(editor), title);
        QCOMPARE(editor.state().selection.CurrentColumn, 15);
        QCOMPARE(editor.state().selection.CurrentRow, 1);
        // The keys and the drag go on from the cell that was current.
        user::KeyClick(canvas, Qt::Key_Right);
        QCOMPARE(int(editor.state().selection.CurrentChar), 31);
        user::KeyClick(canvas, Qt::Key_Down);
        QCOMPARE(int(editor.state().selection.CurrentChar), 47);
        user::Drag(canvas, 257, 40, CellMiddle(3).x(), CellMiddle(3).y());
        QVERIFY(editor.state().charset == before);
        QCOMPARE(int(editor.state().selection.CurrentChar), 3);
    }

    void swapAOntoBThenBOntoARestoresBoth() {
        EditorHarness editor;
        NumberGlyphs(editor);
        const Charset before = editor.state().charset;
        DragCode(editor, 65, CellMiddle(200));
        QVERIFY(SameGlyph(editor.state().charset, 200, before, 65));
        QVERIFY(SameGlyph(editor.state().charset, 65, before, 200));
        // The drop cell is the current one, and the grid shows the moved glyph there.
        QCOMPARE(int(editor.state().selection.CurrentChar), 200);
        QCOMPARE(editor->glyphDataField().toPlainText().section(',', 0, 0), QString("65"));
        DragCode(editor, 200, CellMiddle(65));
        QVERIFY(editor.state().charset == before);
        QCOMPARE(int(editor.state().selection.CurrentChar), 65);
    }

    void copyLeavesTheSource() {
        EditorHarness editor;
        NumberGlyphs(editor);
        const Charset before = editor.state().charset;
        QVERIFY(SetDragMode(editor, "Drag mode:copy"));
        DragCode(editor, 65, CellMiddle(66));
        for (int n = 0; n < kGlyphCount; ++n)
            QVERIFY2(SameGlyph(editor.state().charset, n, before, n == 66 ? 65 : n),
                     qPrintable(QString::number(n)));
        QVERIFY(SetDragMode(editor, "Drag mode:swap"));
        DragCode(editor, 10, CellMiddle(11));
        QVERIFY(SameGlyph(editor.state().charset, 10, before, 11));
    }

    void aReleaseJustLeftOfTheSurfaceDropsOnColumn0WithoutSelectingIt() {
        EditorHarness editor;
        NumberGlyphs(editor);
        const Charset before = editor.state().charset;
        ClickCode(editor, 100);
        DragCode(editor, 37, QPoint(-10, 16 * 2 + 4));
        QVERIFY(SameGlyph(editor.state().charset, 32, before, 37));
        QVERIFY(SameGlyph(editor.state().charset, 37, before, 32));
        QCOMPARE(int(editor.state().selection.CurrentChar), 100);
        QCOMPARE(Title(editor), QString("pixlore v2 0.9b 100($64)'d'"));
        QCOMPARE(editor.state().drag.DragState, 0);
    }

    void aReleaseFarAwayDoesNothing() {
        EditorHarness editor;
        NumberGlyphs(editor);
        const Charset before = editor.state().charset;
        ClickCode(editor, 100);
        for (QPoint far : {QPoint(600, 100), QPoint(100, 420), QPoint(-40, -40)}) {
            DragCode(editor, 37, far);
            QVERIFY(editor.state().charset == before);
            QCOMPARE(int(editor.state().selection.CurrentChar), 100);
            QCOMPARE(editor.state().drag.DragState, 0);
        }
        // The next drag starts afresh.
        DragCode(editor, 1, CellMiddle(2));
        QVERIFY(SameGlyph(editor.state().charset, 2, before, 1));
    }

    void trackBarsRewriteBothLabels() {
        EditorHarness editor;
        QCOMPARE(editor->beginRangeLabel().text(), QString("Begin range:0"));
        QCOMPARE(editor->endRangeLabel().text(), QString("End range:0"));
        editor->beginRangeTrackBar().setFocus();
        QTest::keyClick(&editor->beginRangeTrackBar(), Qt::Key_End);
        QCOMPARE(editor->beginRangeLabel().text(), QString::fromUtf8("BeginRange:255:\u00FF"));
        QCOMPARE(editor->endRangeLabel().text(), QString("End range:0"));
        editor->beginRangeTrackBar().setValue(65);
        editor->endRangeTrackBar().setValue(10);
        QCOMPARE(editor->beginRangeLabel().text(), QString("BeginRange:65:A"));
        QCOMPARE(editor->endRangeLabel().text(), QString("End range:10"));
    }

    void copyRangeThroughTheMenu_data() {
        QTest::addColumn<int>("begin");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("copied");  // -1: the range error
        for (int begin : {70, 65}) {
            const QByteArray bars = begin == 70 ? "70,65 " : "65,70 ";
            QTest::newRow(bars + "64") << begin << 64 << 6;
            QTest::newRow(bars + "65") << begin << 65 << -1;
            QTest::newRow(bars + "67") << begin << 67 << -1;
            QTest::newRow(bars + "70") << begin << 70 << -1;
            QTest::newRow(bars + "252") << begin << 252 << 4;
        }
    }
    void copyRangeThroughTheMenu() {
        QFETCH(int, begin);
        QFETCH(int, current);
        QFETCH(int, copied);
        EditorHarness editor;
        NumberGlyphs(editor);
        const Charset before = editor.state().charset;
        editor->beginRangeTrackBar().setValue(begin);
        editor->endRangeTrackBar().setValue(begin == 70 ? 65 : 70);
        ClickCode(editor, current);
        QVERIFY(user::ChooseFromMenuBar(*editor->mainMenu().menuBar(),
                                        {"Char", "Copy data range to current"}));
        if (copied < 0) {
            QCOMPARE(editor.dialogs.messages.size(), size_t(1));
            QCOMPARE(editor.dialogs.messages[0].title, std::string("Pixlore"));
            QCOMPARE(editor.dialogs.messages[0].text, std::string("Range Error!"));
            QVERIFY(editor.state().charset == before);
            return;
        }
        QVERIFY(editor.dialogs.messages.empty());
        for (int n = 0; n < kGlyphCount; ++n) {
            const bool target = n >= current && n < current + copied;
            QVERIFY2(SameGlyph(editor.state().charset, n, before, target ? 65 + n - current : n),
                     qPrintable(QString::number(n)));
        }
        // The views follow: the current glyph's data is the first copied glyph's.
        QCOMPARE(editor->glyphDataField().toPlainText().section(',', 0, 0), QString("65"));
    }
};

QTEST_MAIN(CharsetEditTest)
#include "charset_edit_test.moc"
