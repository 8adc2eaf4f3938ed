// Editing glyphs through the real widgets, and every view showing the result.
#include <QTest>

#include "app/ids.h"
#include "gui/support/editor_fixture.h"
#include "views/glyph_view.h"

using namespace pixlore;

namespace {

constexpr int kCode = 33;  // x + y = 33 in 24 cells of the start-up map

std::uint8_t& Row(EditorHarness& editor, int code, int row) {
    return editor.state().charset[code * 8 + row];
}

void Select(EditorHarness& editor, int code) {
    user::Click(editor->charsetCanvas(), Qt::LeftButton, 16 * (code % 16) + 8,
                16 * (code / 16) + 8);
}

// What a glyph-view cell (column, row) shows, judged by a pixel well inside its ink square.
Colour GlyphCellShown(EditorHarness& editor, int column, int row) {
    return Shown(editor->glyphCanvas()).at(16 * column + 7, 16 * row + 8);
}

}  // namespace

class GlyphEditingTest : public QObject {
    Q_OBJECT

  private slots:
    // A left press at (37, 100) sets column 2 of row 6 (bit value 32), and the charset grid,
    // the enlarged glyph, its data field and every map cell holding the code show it.
    void leftPressDrawsAPixelInEveryView() {
        EditorHarness editor;
        editor->mapWindow().show();
        Select(editor, kCode);
        QCOMPARE(int(editor.state().selection.CurrentChar), kCode);
        const Charset before = editor.state().charset;

        user::Move(editor->glyphCanvas(), 37, 100);
        user::Press(editor->glyphCanvas(), Qt::LeftButton, 37, 100);
        Charset expected = before;
        expected[kCode * 8 + 6] = 32;
        QVERIFY(editor.state().charset == expected);

        QCOMPARE(GlyphCellShown(editor, 2, 6), kWhite);
        QCOMPARE(GlyphCellShown(editor, 3, 6), kBlack);
        QCOMPARE(editor->glyphDataField().toPlainText(), QString("0,0,0,0,0,0,32,0"));

        // The pixel's 2 x 2 block in the grid, column 2, row 6 of cell (1, 2), shows between
        // the cursor's checkerboard.
        const Shown grid(editor->charsetCanvas());
        QCOMPARE(grid.at(16 + 4, 32 + 12), kWhite);
        QCOMPARE(grid.at(16 + 5, 32 + 13), kWhite);
        QCOMPARE(grid.at(16 + 5, 32 + 12), kCursorColour);
        QCOMPARE(grid.at(16 + 6, 32 + 12), kBlack);

        const Shown map(editor->mapCanvas());
        int cells = 0;
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 40; ++x) {
                const bool holds = x + y == kCode;
                QCOMPARE(map.at(16 * x + 4, 16 * y + 12), holds ? kWhite : kBlack);
                QCOMPARE(map.at(16 * x + 5, 16 * y + 13), holds ? kWhite : kBlack);
                QCOMPARE(map.at(16 * x + 6, 16 * y + 12), kBlack);
                cells += holds;
            }
        QCOMPARE(cells, 24);
        user::Release(editor->glyphCanvas(), Qt::LeftButton, 37, 100);
        QVERIFY(editor.state().charset == expected);
    }

    // Held past the right or bottom edge the pointer draws nothing; up to 15 pixels left of
    // or above the canvas still counts as column or row 0.
    void dragPastTheEdges() {
        EditorHarness editor;
        Canvas& glyph = editor->glyphCanvas();
        user::Move(glyph, 120, 8);
        user::Press(glyph, Qt::LeftButton, 120, 8);
        QCOMPARE(int(Row(editor, 0, 0)), 0x01);
        for (auto [x, y] : {std::pair{128, 8},
                            {200, 8},
                            {143, 120},
                            {120, 128},
                            {8, 140},
                            {300, 300},
                            {-16, 8},
                            {8, -16},
                            {-100, -100}})
            user::Move(glyph, x, y);
        Charset expected{};
        expected[0] = 0x01;
        QVERIFY(editor.state().charset == expected);

        user::Move(glyph, -15, 40);  // column 0, row 2
        user::Move(glyph, 100, -1);  // column 6, row 0
        user::Move(glyph, -1, -15);  // column 0, row 0
        user::Release(glyph, Qt::LeftButton, -1, -15);
        expected[0] = 0x83;
        expected[2] = 0x80;
        QVERIFY(editor.state().charset == expected);
    }

    // A stroke begun on the window's background draws once the pointer is over the glyph;
    // the move that brings it in only announces it.
    void strokeFromTheBackground() {
        EditorHarness editor;
        Canvas& glyph = editor->glyphCanvas();
        user::Move(glyph, -1, 20);
        user::Press(glyph, Qt::LeftButton, -1, 20);
        user::Move(glyph, 18, 19);
        QVERIFY(editor.state().charset == Charset{});
        user::Move(glyph, 37, 20);
        user::Move(glyph, 58, 20);
        user::Release(glyph, Qt::LeftButton, 58, 20);
        Charset expected{};
        expected[1] = 0x20 | 0x10;
        QVERIFY(editor.state().charset == expected);
    }

    void rightButtonClearsAndBothButtonsSet() {
        EditorHarness editor;
        Canvas& glyph = editor->glyphCanvas();
        editor.state().charset.fill(0xFF);
        editor->RefreshViews();

        user::Move(glyph, 37, 100);
        user::Press(glyph, Qt::RightButton, 37, 100);
        QCOMPARE(int(Row(editor, 0, 6)), 0xFF - 32);
        QCOMPARE(GlyphCellShown(editor, 2, 6), kBlack);
        user::Move(glyph, 5, 100);
        user::Move(glyph, 5, 5);
        user::Release(glyph, Qt::RightButton, 5, 5);
        QCOMPARE(int(Row(editor, 0, 6)), 0xFF - 32 - 128);
        QCOMPARE(int(Row(editor, 0, 0)), 0xFF - 128);
        QCOMPARE(editor->glyphDataField().toPlainText(), QString("127,255,255,255,255,255,95,255"));

        // The left button sets; a right press clears; moving with both held sets.
        user::Move(glyph, 5, 100);
        user::Press(glyph, Qt::LeftButton, 5, 100);
        QCOMPARE(int(Row(editor, 0, 6)), 0xFF - 32);
        user::Press(glyph, Qt::RightButton, 5, 100);
        QCOMPARE(int(Row(editor, 0, 6)), 0xFF - 32 - 128);
        user::Move(glyph, 37, 100);
        QCOMPARE(int(Row(editor, 0, 6)), 0xFF - 128);
        user::Move(glyph, 5, 100);
        QCOMPARE(int(Row(editor, 0, 6)), 0xFF);
        user::Release(glyph, Qt::RightButton, 5, 100);
        user::Release(glyph, Qt::LeftButton, 5, 100);
        QCOMPARE(int(Row(editor, 0, 0)), 0xFF - 128);
        for (int code = 1; code < 256; ++code)
            QCOMPARE(int(Row(editor, code, 6)), 0xFF);
    }

    // Each shift button shifts the current glyph with wrap-around.
    void shiftButtons_data() {
        QTest::addColumn<int>("control");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("<") << int(ShiftLeftButton)
                           << QByteArray("\x03\x00\x00\x00\x00\x00\x00\x40", 8);
        QTest::newRow(">") << int(ShiftRightButton)
                           << QByteArray("\xC0\x00\x00\x00\x00\x00\x00\x10", 8);
        QTest::newRow("^") << int(ShiftUpButton)
                           << QByteArray("\x00\x00\x00\x00\x00\x00\x20\x81", 8);
        QTest::newRow("v") << int(ShiftDownButton)
                           << QByteArray("\x20\x81\x00\x00\x00\x00\x00\x00", 8);
    }
    void shiftButtons() {
        QFETCH(int, control);
        QFETCH(QByteArray, after);
        EditorHarness editor;
        Select(editor, 200);
        Row(editor, 200, 0) = 0x81;
        Row(editor, 200, 7) = 0x20;
        editor->RefreshViews();
        QTest::mouseClick(&editor->shiftButton(control), Qt::LeftButton);
        for (int r = 0; r < 8; ++r)
            QCOMPARE(int(Row(editor, 200, r)), int(std::uint8_t(after[r])));
        for (int code : {199, 201})
            for (int r = 0; r < 8; ++r)
                QCOMPARE(int(Row(editor, code, r)), 0);
        QCOMPARE(editor->glyphDataField().toPlainText(),
                 QString::fromStdString(GlyphDataText(GlyphAt(editor.state().charset, 200))));
    }

    // With the range box ticked a transform acts on every glyph between the track bars, in
    // whichever order they stand, and not on the current character.
    void shiftButtonsActOnTheRange_data() {
        QTest::addColumn<int>("begin");
        QTest::addColumn<int>("end");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::newRow("70 to 65") << 70 << 65 << 65 << 70;
        QTest::newRow("65 to 70") << 65 << 70 << 65 << 70;
        QTest::newRow("65 to 65") << 65 << 65 << 65 << 65;
    }
    void shiftButtonsActOnTheRange() {
        QFETCH(int, begin);
        QFETCH(int, end);
        QFETCH(int, low);
        QFETCH(int, high);
        EditorHarness editor;
        Select(editor, 3);
        for (int code = 0; code < 256; ++code)
            Row(editor, code, 4) = 0x80;
        editor->RefreshViews();
        editor->beginRangeTrackBar().setValue(begin);
        editor->endRangeTrackBar().setValue(end);
        QTest::mouseClick(&editor->rangeCheckBox(), Qt::LeftButton);
        QVERIFY(editor->rangeCheckBox().isChecked());
        QTest::mouseClick(&editor->shiftButton(ShiftLeftButton), Qt::LeftButton);
        for (int code = 0; code < 256; ++code)
            QCOMPARE(int(Row(editor, code, 4)), code >= low && code <= high ? 0x01 : 0x80);
        // The grid shows the shifted glyphs: column 7 of row 4 inked, column 0 not.
        const Shown grid(editor->charsetCanvas());
        const int x = 16 * (high % 16), y = 16 * (high / 16) + 8;
        QCOMPARE(grid.at(x + 14, y), kWhite);
        QCOMPARE(grid.at(x, y), kBlack);

        // Painting ignores the range.
        user::Move(editor->glyphCanvas(), 8, 8);
        user::Press(editor->glyphCanvas(), Qt::LeftButton, 8, 8);
        user::Release(editor->glyphCanvas(), Qt::LeftButton, 8, 8);
        for (int code = 0; code < 256; ++code)
            QCOMPARE(int(Row(editor, code, 0)), code == 3 ? 0x80 : 0);
    }

    // Insert and Delete act on the release of the key, once however long it is held.
    void insertAndDeleteKeys() {
        EditorHarness editor;
        Select(editor, 254);
        for (int code = 0; code < 256; ++code)
            Row(editor, code, 0) = std::uint8_t(code);
        editor->RefreshViews();
        QVERIFY(editor->charsetCanvas().hasFocus());
        QWindow* window = editor->mainWindow().windowHandle();

        QTest::simulateEvent(window, true, Qt::Key_Insert, Qt::NoModifier, QString(), false);
        QCOMPARE(int(Row(editor, 254, 0)), 254);
        for (int i = 0; i < 3; ++i) {
            QTest::simulateEvent(window, false, Qt::Key_Insert, Qt::NoModifier, QString(), true);
            QTest::simulateEvent(window, true, Qt::Key_Insert, Qt::NoModifier, QString(), true);
        }
        QCOMPARE(int(Row(editor, 254, 0)), 254);
        QTest::simulateEvent(window, false, Qt::Key_Insert, Qt::NoModifier, QString(), false);
        QCOMPARE(int(Row(editor, 253, 0)), 253);
        QCOMPARE(int(Row(editor, 254, 0)), 0);
        QCOMPARE(int(Row(editor, 255, 0)), 254);
        QCOMPARE(editor->glyphDataField().toPlainText(), QString("0,0,0,0,0,0,0,0"));

        QTest::keyClick(window, Qt::Key_Delete);
        for (int code = 0; code < 255; ++code)
            QCOMPARE(int(Row(editor, code, 0)), code);
        QCOMPARE(int(Row(editor, 255, 0)), 0);
        QCOMPARE(int(editor.state().selection.CurrentChar), 254);
        QCOMPARE(editor->glyphDataField().toPlainText(), QString("254,0,0,0,0,0,0,0"));
    }
};

QTEST_MAIN(GlyphEditingTest)
#include "glyph_editing_test.moc"
