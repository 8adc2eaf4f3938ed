#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <map>

#include "app/ids.h"
#include "gui/support/editor_fixture.h"
#include "gui/support/menu_user.h"
#include "gui/support/watched_editor.h"

using namespace pixlore;

namespace {

const QStringList kMainMenu = {
    "File",
    "  0 Open...\tCtrl+O",
    "  Save",
    "    2 ZX 96 chars(768bytes)",
    "    3 Atari 128 chars(1024bytes)",
    "    4 IBM 256 chars(2048bytes)",
    "    -",
    "    5 Character_map",
    "    6 Characters image",
    "  Export",
    "    43 Assembler source...",
    "    44 C source...",
    "    45 C64 PRG...",
    "    -",
    "    46 PSF font...",
    "    -",
    "    60 Map picture...",
    "  Import",
    "    47 PSF font...",
    "    48 Picture (BMP, PNG)...",
    "    50 C64 PRG...",
    "  62 Recover last session",
    "  1 Quit",
    "Edit",
    "  41 Undo\tCtrl+Z",
    "  42 Redo\tCtrl+Y",
    "  -",
    "  51 Copy\tCtrl+C",
    "  52 Paste\tCtrl+V",
    "Char",
    "  Map",
    "    21 ZX 32x24",
    "    22 Atari/C64 40x24",
    "    23 PC 80x50",
    "    24 USSR 64x30",
    "    49 C64 40x25",
    "    -",
    "    25 Fill map with current char",
    "  Charset",
    "    26 IBM PC CGA",
    "    29 IBM PC 866",
    "    -",
    "    30 ZX Spectrum",
    "    31 ZX80",
    "    33 Jupiter Ace",
    "    -",
    "    27 C64 CAPS",
    "    28 Atari XL",
    "    32 Microsha(USSR)",
    "    -",
    "    34 Hex numbers",
    "  Text codes",
    "    54 Windows-1252 [x]",
    "    55 IBM PC 866",
    "    56 C64 screen codes",
    "    57 Atari screen codes",
    "    58 ZX80/ZX81",
    "    59 Microsha (KOI-7)",
    "  -",
    "  18 Drag mode:swap [x]",
    "  19 Drag mode:copy",
    "  -",
    "  10 Erase all charset",
    "  11 Clear character",
    "  7 Invert\tCtrl+I",
    "  8 Revert char left-right",
    "  9 Revert char up-down",
    "  -",
    "  16 Set begin range",
    "  17 Set end range",
    "  20 Copy data range to current",
    "  -",
    "  12 Char shift left",
    "  13 Char shift right",
    "  14 Char shift up",
    "  15 Char shift down",
};

const QStringList kCharsetPopup = {
    "16 Set begin range",
    "17 Set end range",
    "20 Copy data range to current",
};

const QStringList kMapPopup = {
    "35 Insert char",   "36 Delete char",   "-", "37 Insert row",     "38 Delete row", "-",
    "39 Insert column", "40 Delete column", "-", "53 Type text here",
};

bool Activate(QWidget& window) {
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// The pointer position a user's click at surface pixel (x, y) had on the screen.
QPoint ScreenPoint(Canvas& canvas, int x, int y) {
    return canvas.window()->windowHandle()->mapToGlobal(user::WindowPosition(canvas, x, y));
}

std::array<std::uint8_t, 8> Glyph(EditorState& state, int code) {
    std::array<std::uint8_t, 8> bytes{};
    std::copy_n(GlyphAt(state.charset, code), 8, bytes.begin());
    return bytes;
}

constexpr std::array<std::uint8_t, 8> kInked = {255, 255, 255, 255, 255, 255, 255, 255};
constexpr std::array<std::uint8_t, 8> kEmpty = {};

}  // namespace

class MenusTest : public QObject {
    Q_OBJECT

  private slots:
    void everyMenuAsTheUserSeesIt() {
        EditorHarness editor;
        QCOMPARE(DescribeMenuBar(*editor->mainMenu().menuBar()), kMainMenu);
        QCOMPARE(DescribeMenu(*editor->charsetPopupMenu().popupMenu()), kCharsetPopup);
        QCOMPARE(DescribeMenu(*editor->mapPopupMenu().popupMenu()), kMapPopup);
        QCOMPARE(editor->mainWindow().menuBar(), editor->mainMenu().menuBar());
    }

    void dragModeMarks_data() {
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<bool>("swap");
        QTest::newRow("swap twice") << QStringList{"Drag mode:swap", "Drag mode:swap"} << true;
        QTest::newRow("copy") << QStringList{"Drag mode:copy"} << false;
        QTest::newRow("copy twice") << QStringList{"Drag mode:copy", "Drag mode:copy"} << false;
        QTest::newRow("copy then swap") << QStringList{"Drag mode:copy", "Drag mode:swap"} << true;
    }
    void dragModeMarks() {
        QFETCH(QStringList, chosen);
        QFETCH(bool, swap);
        WatchedEditor editor;
        Menu& menu = editor->mainMenu();
        for (const QString& item : chosen) {
            QVERIFY(user::ChooseFromMenuBar(*menu.menuBar(), {"Char", item}));
            QCOMPARE(menu.checked(Command::DragModeSwap) + menu.checked(Command::DragModeCopy), 1);
        }
        QCOMPARE(menu.checked(Command::DragModeSwap), swap ? 1 : 0);
        QCOMPARE(menu.checked(Command::DragModeCopy), swap ? 0 : 1);
        QCOMPARE(editor.commands().size(), size_t(chosen.size()));
    }

    void controlIInvertsWhicheverControlHasTheFocus_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("range");
        for (const char* focus : {"charset", "data field", "track bar", "check box"}) {
            QTest::newRow(focus) << QString(focus) << false;
            QTest::newRow(QByteArray(focus) + " range") << QString(focus) << true;
        }
    }
    void controlIInvertsWhicheverControlHasTheFocus() {
        QFETCH(QString, focus);
        QFETCH(bool, range);
        EditorHarness editor;
        user::Click(editor->charsetCanvas(), Qt::LeftButton, 16 * 3 + 5, 16 * 4 + 5);  // code 67
        editor->beginRangeTrackBar().setValue(70);
        editor->endRangeTrackBar().setValue(65);
        editor->rangeCheckBox().setChecked(range);
        const std::map<QString, QWidget*> controls = {
            {"charset", &editor->charsetCanvas()},
            {"data field", &editor->glyphDataField()},
            {"track bar", &editor->beginRangeTrackBar()},
            {"check box", &editor->rangeCheckBox()},
        };
        QWidget* target = controls.at(focus);
        QVERIFY(Activate(editor->mainWindow()));
        target->setFocus();
        QVERIFY(target->hasFocus());
        QTest::keyClick(editor->mainWindow().windowHandle(), Qt::Key_I, Qt::ControlModifier);
        for (int code = 0; code < 256; ++code) {
            const bool inverted = range ? code >= 65 && code <= 70 : code == 67;
            QCOMPARE(Glyph(editor.state(), code), inverted ? kInked : kEmpty);
        }
        // The key went to the shortcut alone: the field shows the glyph, no tab typed into it.
        QCOMPARE(editor->glyphDataField().toPlainText(),
                 QString("255,255,255,255,255,255,255,255"));
        QCOMPARE(editor->beginRangeTrackBar().value(), 70);
    }

    void shortcutsActOnlyWhileTheMainWindowIsActive() {
        WatchedEditor editor;
        editor->DispatchCommand(Command::MapAtari);
        QVERIFY(QTest::qWaitForWindowActive(&editor->mapWindow()));
        QVERIFY(!editor->mainWindow().isActiveWindow());
        QTest::keyClick(editor->mapWindow().windowHandle(), Qt::Key_I, Qt::ControlModifier);
        QTest::keyClick(editor->mapWindow().windowHandle(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(Glyph(editor.state(), 0), kEmpty);
        QVERIFY(editor.commands().empty());
        QVERIFY(editor.dialogs.openRequests.empty());

        QVERIFY(Activate(editor->mainWindow()));
        QTest::keyClick(editor->mainWindow().windowHandle(), Qt::Key_I, Qt::ControlModifier);
        QTest::keyClick(editor->mainWindow().windowHandle(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(Glyph(editor.state(), 0), kInked);
        QCOMPARE(editor.commands(), (std::vector<int>{Command::Invert, Command::Open}));
        QCOMPARE(editor.dialogs.openRequests.size(), size_t(1));
        QCOMPARE(editor.quits, 0);
    }

    void charsetPopupAtThePointer_data() {
        QTest::addColumn<QPoint>("at");
        QTest::newRow("cell 0") << QPoint(0, 0);
        QTest::newRow("cell 33") << QPoint(16 + 7, 32 + 9);
        QTest::newRow("border") << QPoint(-2, 100);
    }
    void charsetPopupAtThePointer() {
        QFETCH(QPoint, at);
        WatchedEditor editor;
        Canvas& canvas = editor->charsetCanvas();
        user::PopupAnswer answer("");  // dismissed
        user::Click(canvas, Qt::RightButton, at.x(), at.y());
        QVERIFY(answer.seen());
        QCOMPARE(answer.topLeft(), ScreenPoint(canvas, at.x(), at.y()) - QPoint(1, 1));
        QCOMPARE(answer.lines(), kCharsetPopup);
        // The right click selected the cell; choosing nothing gave no command.
        const int code = (at.y() / 16) * 16 + at.x() / 16;
        QCOMPARE(int(editor.state().selection.CurrentChar), code);
        QVERIFY(editor.commands().empty());
    }

    void mapPopupAtThePointer() {
        WatchedEditor editor;
        editor->DispatchCommand(Command::MapZx);
        QVERIFY(QTest::qWaitForWindowExposed(&editor->mapWindow()));
        Canvas& canvas = editor->mapCanvas();
        user::PopupAnswer answer("");
        user::Click(canvas, Qt::RightButton, 16 * 4 + 3, 16 * 2 + 15);
        QVERIFY(answer.seen());
        QCOMPARE(answer.topLeft(), ScreenPoint(canvas, 16 * 4 + 3, 16 * 2 + 15) - QPoint(1, 1));
        QCOMPARE(answer.lines(), kMapPopup);
        QVERIFY(editor.commands().empty());
        // A dismissed popup leaves its cell for the next command.
        QCOMPARE(editor.state().map.PopupCellX, 4);
        QCOMPARE(editor.state().map.PopupCellY, 2);
    }

    void setRangeFromThePopupAndFromTheMenuAlike_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("begin") << "Set begin range" << Qt::LeftButton;
        QTest::newRow("begin, right button") << "Set begin range" << Qt::RightButton;
        QTest::newRow("end") << "Set end range" << Qt::LeftButton;
    }
    void setRangeFromThePopupAndFromTheMenuAlike() {
        QFETCH(QString, item);
        QFETCH(Qt::MouseButton, button);
        const bool begin = item == "Set begin range";
        const int x = 16 * 10 + 4, y = 16 * 4 + 4;  // code 74, 'J'
        const auto labels = [](EditorHarness& e) {
            return QStringList{e->beginRangeLabel().text(), e->endRangeLabel().text(),
                               QString::number(e->beginRangeTrackBar().value()),
                               QString::number(e->endRangeTrackBar().value())};
        };
        const QStringList expected = begin
                                         ? QStringList{"BeginRange:74:J", "End range:0", "74", "0"}
                                         : QStringList{"BeginRange:0", "End range:74:J", "0", "74"};

        EditorHarness fromPopup;
        {
            user::PopupAnswer answer(item, button);
            user::Click(fromPopup->charsetCanvas(), Qt::RightButton, x, y);
            QVERIFY(answer.seen());
        }
        QCOMPARE(labels(fromPopup), expected);

        EditorHarness fromMenu;
        user::Click(fromMenu->charsetCanvas(), Qt::LeftButton, x, y);
        QVERIFY(user::ChooseFromMenuBar(*fromMenu->mainMenu().menuBar(), {"Char", item}));
        QCOMPARE(labels(fromMenu), expected);
    }
};

QTEST_MAIN(MenusTest)
#include "menus_test.moc"
