// Editing the character map in its window: sizes, painting, the popup menu, the hover title.
#include <QApplication>
#include <QEnterEvent>
#include <QScrollBar>
#include <QTest>

#include "app/ids.h"
#include "gui/support/editor_fixture.h"
#include "gui/support/menu_user.h"

using namespace pixlore;

namespace {

// Every row of glyph n holds n, so every code shows differently.
void NumberGlyphs(EditorHarness& editor) {
    for (int n = 0; n < kGlyphCount; ++n)
        std::fill_n(GlyphAt(editor.state().charset, n), kGlyphBytes, static_cast<std::uint8_t>(n));
    editor->RefreshViews();
}

void SelectCode(EditorHarness& editor, int n) {
    user::Click(editor->charsetCanvas(), Qt::LeftButton, 16 * (n % 16) + 8, 16 * (n / 16) + 8);
}

bool ShowMap(EditorHarness& editor, int command) {
    editor->DispatchCommand(command);
    return QTest::qWaitForWindowExposed(&editor->mapWindow());
}

// Whether the map window shows the glyph of code at cell (x, y): ink where its bits are set.
bool ShowsCode(EditorHarness& editor, int x, int y, int code) {
    const Shown shown(editor->mapCanvas());
    const Palette palette = editor.state().palette;
    for (int r = 0; r < 8; ++r)
        for (int b = 0; b < 8; ++b) {
            const bool ink = GlyphAt(editor.state().charset, code)[r] & (0x80 >> b);
            if (shown.at(16 * x + 2 * b, 16 * y + 2 * r) !=
                (ink ? palette.InkColor : palette.PaperColor))
                return false;
        }
    return true;
}

QString MapTitle(EditorHarness& editor) {
    return editor->mapWindow().windowTitle();
}

// The pointer comes into the canvas; the platform reports that as an enter, not a move.
void Enter(Canvas& canvas, int x, int y) {
    const QPointF local(x + canvas.border(), y + canvas.border());
    QEnterEvent enter(local, canvas.mapTo(canvas.window(), local), canvas.mapToGlobal(local));
    QApplication::sendEvent(&canvas, &enter);
}

}  // namespace

class MapEditTest : public QObject {
    Q_OBJECT

  private slots:
    void sizeCommandsShowTheMapWindowActive_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QSize>("cells");
        QTest::newRow("ZX") << Command::MapZx << QSize(32, 24);
        QTest::newRow("Atari") << Command::MapAtari << QSize(40, 24);
        QTest::newRow("PC") << Command::MapPc << QSize(80, 50);
        QTest::newRow("USSR") << Command::MapUssr << QSize(64, 30);
    }
    void sizeCommandsShowTheMapWindowActive() {
        QFETCH(int, command);
        QFETCH(QSize, cells);
        EditorHarness editor;
        NumberGlyphs(editor);
        QVERIFY(ShowMap(editor, command));
        QVERIFY(QTest::qWaitForWindowActive(&editor->mapWindow()));
        QCOMPARE(editor.state().map.MapWidth, cells.width());
        QCOMPARE(editor.state().map.MapHeight, cells.height());
        ScrollArea& area = editor->mapScrollArea();
        QCOMPARE(area.contentSize(), cells * 16);
        QCOMPARE(area.horizontalScrollBar()->maximum(),
                 qMax(0, cells.width() * 16 - area.viewport()->width()));
        QCOMPARE(area.verticalScrollBar()->maximum(),
                 qMax(0, cells.height() * 16 - area.viewport()->height()));
        QCOMPARE(area.horizontalScrollBar()->singleStep(), 16);
        QCOMPARE(editor->mapWindow().size(), QSize(522, 394));
        // Cells beyond the start-up area were never changed: the last cell shows x + y.
        const int last = cells.width() + cells.height() - 2;
        QCOMPARE(editor.state().map.at(cells.width() - 1, cells.height() - 1), last);
        QVERIFY(ShowsCode(editor, cells.width() - 1, cells.height() - 1, last));
    }

    void closedMapWindowComesBackWithTheZxSize() {
        EditorHarness editor;
        QVERIFY(ShowMap(editor, Command::MapPc));
        QCOMPARE(editor->mapScrollArea().contentSize(), QSize(1280, 800));
        const QPoint where = editor->mapWindow().pos();
        editor->mapWindow().close();
        QVERIFY(!editor->mapWindow().isVisible());
        QCOMPARE(editor.quits, 0);
        QCOMPARE(editor.state().map.MapWidth, 80);
        QVERIFY(ShowMap(editor, Command::MapZx));
        QVERIFY(editor->mapWindow().isVisible());
        QVERIFY(QTest::qWaitForWindowActive(&editor->mapWindow()));
        QCOMPARE(editor->mapScrollArea().contentSize(), QSize(512, 384));
        QCOMPARE(editor.state().map.MapWidth, 32);
        QCOMPARE(editor.state().map.MapHeight, 24);
        QCOMPARE(editor->mapWindow().pos(), where);
        // Shown again while already shown, it is made the active window once more.
        editor->mainWindow().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&editor->mainWindow()));
        QVERIFY(ShowMap(editor, Command::MapAtari));
        QVERIFY(QTest::qWaitForWindowActive(&editor->mapWindow()));
        // Minimised, it comes back in its normal state.
        editor->mapWindow().showMinimized();
        QTRY_VERIFY(editor->mapWindow().isMinimized());
        QVERIFY(ShowMap(editor, Command::MapUssr));
        QVERIFY(!editor->mapWindow().isMinimized());
        QVERIFY(QTest::qWaitForWindowActive(&editor->mapWindow()));
    }

    void insertCharChosenInThePopup() {
        EditorHarness editor;
        NumberGlyphs(editor);
        QVERIFY(ShowMap(editor, Command::MapAtari));
        {
            user::PopupAnswer answer("Insert char");
            user::Click(editor->mapCanvas(), Qt::RightButton, 16 * 5 + 3, 16 * 3 + 12);
            QVERIFY(answer.seen());
        }
        const CharMap& map = editor.state().map;
        QCOMPARE(map.at(5, 3), 0);
        for (int x = 6; x <= 40; ++x)
            QCOMPARE(map.at(x, 3), x - 1 + 3);
        QCOMPARE(map.at(4, 3), 7);
        QCOMPARE(map.at(5, 2), 7);
        QCOMPARE(map.PopupCellX, -1);
        QCOMPARE(map.PopupCellY, -1);
        QVERIFY(ShowsCode(editor, 5, 3, 0));
        QVERIFY(ShowsCode(editor, 6, 3, 8));
        QVERIFY(ShowsCode(editor, 39, 3, 41));
    }

    void aDragPaintsEveryCellItCrosses() {
        EditorHarness editor;
        NumberGlyphs(editor);
        SelectCode(editor, 50);
        QVERIFY(ShowMap(editor, Command::MapZx));
        Canvas& canvas = editor->mapCanvas();
        const CharMap before = editor.state().map;
        // Along row 2 from cell 28 out past the right edge of the 32 x 24 map.
        user::Press(canvas, Qt::LeftButton, 16 * 28 + 1, 16 * 2 + 8);
        for (int x = 16 * 28 + 9; x <= 16 * 34; x += 8)
            user::Move(canvas, x, 16 * 2 + 8);
        user::Release(canvas, Qt::LeftButton, 16 * 34, 16 * 2 + 8);
        const CharMap& map = editor.state().map;
        for (int y = 0; y < CharMap::kRows; ++y)
            for (int x = 0; x < CharMap::kColumns; ++x) {
                const bool painted = y == 2 && x >= 28 && x <= 32;  // 32: the spare column
                QCOMPARE(map.at(x, y), painted ? 50 : before.at(x, y));
            }
        for (int x = 28; x < 32; ++x)
            QVERIFY(ShowsCode(editor, x, 2, 50));
        QVERIFY(ShowsCode(editor, 27, 2, 29));
        // Painting without the button held does nothing.
        user::Move(canvas, 16 * 3, 16 * 3);
        user::Move(canvas, 16 * 4, 16 * 3);
        QCOMPARE(map.at(3, 3), 6);
    }

    void aDragLeavingToTheLeftKeepsPaintingColumn0() {
        EditorHarness editor;
        SelectCode(editor, 99);
        QVERIFY(ShowMap(editor, Command::MapAtari));
        Canvas& canvas = editor->mapCanvas();
        user::Press(canvas, Qt::LeftButton, 16 + 4, 16 * 6 + 4);
        user::Move(canvas, -15, 16 * 6 + 4);
        user::Move(canvas, -15, 16 * 7 + 4);
        user::Move(canvas, -16, 16 * 8 + 4);
        user::Release(canvas, Qt::LeftButton, -16, 16 * 8 + 4);
        const CharMap& map = editor.state().map;
        QCOMPARE(map.at(1, 6), 99);
        QCOMPARE(map.at(0, 6), 99);
        QCOMPARE(map.at(0, 7), 99);
        QCOMPARE(map.at(0, 8), 8);
    }

    void hoverTitleNamesTheCellAndItsCode() {
        EditorHarness editor;
        QVERIFY(ShowMap(editor, Command::MapZx));
        Canvas& canvas = editor->mapCanvas();
        editor.state().map.at(3, 5) = 65;
        Enter(canvas, 47, 20);
        user::Move(canvas, 47, 20);  // the first move only enters
        QCOMPARE(MapTitle(editor), QString("Character map"));
        const struct {
            int x, y;
            const char* title;
        } moves[] = {
            {47, 21, "Character map (2,1):3"},
            {0, 0, "Character map (0,0):0"},
            {16 * 3 + 15, 16 * 5, "Character map (3,5):65"},
            {511, 383, "Character map (31,23):54"},
        };
        for (const auto& m : moves) {
            user::Move(canvas, m.x, m.y);
            QCOMPARE(MapTitle(editor), QString(m.title));
        }
        // The red outline marks the hovered cell.
        user::Move(canvas, 47, 20);
        QCOMPARE(Shown(canvas).at(32, 16), Colour(0x0000FF));
        QCOMPARE(Shown(canvas).at(47, 31), Colour(0x0000FF));
    }

    void paintingByDragTitlesTheCodeTheCellHeldBefore() {
        EditorHarness editor;
        SelectCode(editor, 200);
        QVERIFY(ShowMap(editor, Command::MapZx));
        Canvas& canvas = editor->mapCanvas();
        user::Press(canvas, Qt::LeftButton, 16 * 10 + 2, 16 * 10 + 2);
        const struct {
            int x, y;
            const char* title;
        } moves[] = {
            {16 * 11 + 2, 16 * 10 + 2, "Character map (11,10):21"},
            {512, 100, "Character map (32,6):38"},  // the spare column
            {527, 384, "Character map (32,24):56"},
            {528, 100, "Character map (32,24):56"},  // beyond it: ignored
            {100, 400, "Character map (32,24):56"},
        };
        for (const auto& m : moves) {
            user::Move(canvas, m.x, m.y);
            QCOMPARE(MapTitle(editor), QString(m.title));
        }
        user::Release(canvas, Qt::LeftButton, 100, 400);
        const CharMap& map = editor.state().map;
        QCOMPARE(map.at(10, 10), 200);
        QCOMPARE(map.at(11, 10), 200);
        QCOMPARE(map.at(32, 6), 200);
        QCOMPARE(map.at(32, 24), 200);
        QCOMPARE(map.at(33, 6), 39);
        QCOMPARE(map.at(6, 25), 31);
    }
};

QTEST_MAIN(MapEditTest)
#include "map_edit_test.moc"
