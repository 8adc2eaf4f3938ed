// The controls, canvases and state as start-up leaves them.
#include <QScrollBar>
#include <QTest>

#include "app/ids.h"
#include "gui/support/editor_fixture.h"

using namespace pixlore;

class StartupLayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void controlsStandWhereTheyBelong() {
        EditorHarness editor;
        QWidget* client = editor->mainWindow().client();
        struct Placed {
            QWidget* widget;
            QRect geometry;
        };
        const Placed controls[] = {
            {&editor->charsetCanvas(), {0, 0, 260, 260}},
            {&editor->beginRangeLabel(), {20, 260, 255, 20}},
            {&editor->beginRangeTrackBar(), {20, 280, 255, 30}},
            {&editor->endRangeLabel(), {20, 310, 255, 20}},
            {&editor->endRangeTrackBar(), {20, 330, 255, 30}},
            {&editor->rangeCheckBox(), {0, 310, 20, 20}},
            {&editor->shiftButton(ShiftLeftButton), {262, 128, 32, 20}},
            {&editor->shiftButton(ShiftUpButton), {294, 128, 32, 20}},
            {&editor->shiftButton(ShiftDownButton), {326, 128, 32, 20}},
            {&editor->shiftButton(ShiftRightButton), {358, 128, 32, 20}},
            {&editor->glyphDataField(), {262, 148, 128, 40}},
            {&editor->glyphCanvas(), {262, 0, 128, 128}},
        };
        for (const Placed& c : controls) {
            QCOMPARE(c.widget->parentWidget(), client);
            QCOMPARE(c.widget->geometry(), c.geometry);
            QVERIFY(c.widget->isVisible());
        }
        // The menu bar takes its height from the 640 x 480 area; the controls fit above 360.
        QCOMPARE(client->width(), 640);
        QVERIFY(client->height() >= 360 && client->height() < 480);
        QCOMPARE(editor->charsetCanvas().border(), 2);
        QCOMPARE(editor->glyphCanvas().border(), 0);
    }

    void controlTextsAndSettings() {
        EditorHarness editor;
        QCOMPARE(editor->beginRangeLabel().text(), QString("Begin range:0"));
        QCOMPARE(editor->endRangeLabel().text(), QString("End range:0"));
        for (QSlider* bar : {&editor->beginRangeTrackBar(), &editor->endRangeTrackBar()}) {
            QCOMPARE(bar->maximum() - bar->minimum(), 255);
            QCOMPARE(bar->value(), 0);
        }
        QVERIFY(!editor->rangeCheckBox().isChecked());
        QCOMPARE(editor->rangeCheckBox().toolTip(), QString("Enable range"));
        const std::tuple<int, const char*, const char*> buttons[] = {
            {ShiftLeftButton, "<", "shift left"},
            {ShiftRightButton, ">", "shift right"},
            {ShiftUpButton, "^", "shift up"},
            {ShiftDownButton, "v", "shift down"}};
        for (auto [control, text, tip] : buttons) {
            QCOMPARE(editor->shiftButton(control).text(), QString(text));
            QCOMPARE(editor->shiftButton(control).toolTip(), QString(tip));
        }
        QCOMPARE(editor->glyphDataField().toolTip(), QString("Data for char"));
        QCOMPARE(editor->glyphDataField().toPlainText(), QString("0,0,0,0,0,0,0,0"));
    }

    // Only the charset canvas takes the focus, also when clicked; Tab moves it on to the next
    // control and Shift+Tab brings it back.
    void focusAndDrops() {
        EditorHarness editor;
        QCOMPARE(editor->charsetCanvas().focusPolicy(), Qt::StrongFocus);
        QCOMPARE(editor->glyphCanvas().focusPolicy(), Qt::NoFocus);
        QCOMPARE(editor->mapCanvas().focusPolicy(), Qt::NoFocus);
        QVERIFY(editor->charsetCanvas().acceptDrops());
        QVERIFY(editor->mapCanvas().acceptDrops());
        QVERIFY(!editor->glyphCanvas().acceptDrops());

        QWindow* window = editor->mainWindow().windowHandle();
        QVERIFY(editor->charsetCanvas().hasFocus());
        QTest::keyClick(window, Qt::Key_Tab);
        QVERIFY(editor->beginRangeTrackBar().hasFocus());
        QTest::keyClick(window, Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(editor->charsetCanvas().hasFocus());
        // Clicking the charset canvas takes the focus back; clicking the glyph canvas does not.
        editor->glyphDataField().setFocus();
        user::Click(editor->glyphCanvas(), Qt::LeftButton, 3, 3);
        QVERIFY(editor->glyphDataField().hasFocus());
        user::Click(editor->charsetCanvas(), Qt::LeftButton, 3, 3);
        QVERIFY(editor->charsetCanvas().hasFocus());
        QCOMPARE(editor.quits, 0);
    }

    // The enlarged empty glyph: paper with the dotted grid, nothing on the right and bottom
    // edges.
    void glyphCanvasShowsTheEmptyGlyph() {
        EditorHarness editor;
        const Shown shown(editor->glyphCanvas());
        for (int y = 0; y < 128; ++y)
            for (int x = 0; x < 128; ++x) {
                Colour expected = kBlack;
                if (x % 16 == 0) expected = y % 2 ? kBlack : kWhite;
                if (y % 16 == 0 && x % 16 != 0) expected = x % 2 ? kBlack : kWhite;
                QCOMPARE(shown.at(x, y), expected);
            }
    }

    // The map window holds a 522 x 394 scroll area scrolling 16 pixels a step over a
    // 1280 x 800 canvas that is still white: the map is drawn into it from the first change.
    void mapWindowContents() {
        EditorHarness editor;
        QVERIFY(editor.state().MapAvailable);
        ScrollArea& area = editor->mapScrollArea();
        QCOMPARE(area.geometry(), QRect(0, 0, 522, 394));
        QCOMPARE(area.contentSize(), QSize(522, 394));
        QCOMPARE(area.horizontalScrollBar()->singleStep(), 16);
        QCOMPARE(area.verticalScrollBar()->singleStep(), 16);
        QCOMPARE(area.frameShadow(), QFrame::Sunken);
        Canvas& canvas = editor->mapCanvas();

        QCOMPARE(canvas.parentWidget(), area.content());
        QCOMPARE(canvas.geometry(), QRect(0, 0, 1280, 800));
        QCOMPARE(canvas.border(), 0);
        QVERIFY(canvas.surface() == Image(1280, 800, kWhite));
        QVERIFY(!editor->mapWindow().isVisible());
        // Shown, the canvas lies inside a sunken edge of 2 pixels, as every bordered control.
        editor->mapWindow().show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor->mapWindow()));
        QCOMPARE(canvas.mapTo(editor->mapWindow().client(), QPoint(0, 0)), QPoint(2, 2));
    }

    void sharedState() {
        EditorHarness editor({}, "/home/user/charsets");
        const EditorState& state = editor.state();
        QCOMPARE(state.LastDirectory, std::string("/home/user/charsets/"));
        QCOMPARE(state.map.PopupCellX, -1);
        QCOMPARE(state.map.PopupCellY, -1);
        QCOMPARE(state.palette.InkColor, kWhite);
        QCOMPARE(state.palette.PaperColor, kBlack);
        QCOMPARE(int(state.selection.CurrentChar), 0);
        QCOMPARE(state.selection.CurrentColumn, 0);
        QCOMPARE(state.selection.CurrentRow, 0);
        QCOMPARE(state.drag.DragState, 0);
        QCOMPARE(state.WindowTitle, std::string("pixlore v2 0.9b"));
        QCOMPARE(EditorHarness({}, "/").state().LastDirectory, std::string("/"));
    }
};

QTEST_MAIN(StartupLayoutTest)
#include "startup_layout_test.moc"
