// The clipboard and typed text with the rest of the desktop, under a real X server that the
// test starts itself: xclip reads what Copy put out and puts out what Paste reads, xdotool
// presses the keys. The offscreen platform has neither a system clipboard nor a keyboard.
#include <QApplication>
#include <QProcess>
#include <QTest>
#include <cstdio>
#include <numeric>

#include "app/editor.h"
#include "app/ids.h"
#include "formats/picture_import.h"
#include "formats/png_encode.h"
#include "gui/fake_dialogs.h"
#include "views/charset_view.h"

using namespace pixlore;

namespace {

// A tool, while the editor goes on answering the X server (xclip asks it for what it copied).
// Given input, xclip owns the clipboard once it returns and stays to serve it: it must not
// hold our pipe.
QByteArray Run(const QStringList& command, const QByteArray& input = {}) {
    QProcess tool;
    if (!input.isEmpty()) tool.setStandardOutputFile(QProcess::nullDevice());
    tool.start(command.first(), command.mid(1));
    tool.write(input);
    tool.closeWriteChannel();
    const bool ended = QTest::qWaitFor([&] { return tool.state() == QProcess::NotRunning; });
    return ended && input.isEmpty() ? tool.readAllStandardOutput() : QByteArray();
}

QByteArray Clipboard(const char* type) {
    return Run({"xclip", "-selection", "clipboard", "-o", "-t", type});
}

void Press(QWidget& window, const QStringList& keys) {
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    Run(QStringList{"xdotool", "key", "--delay", "30"} + keys);
    QTest::qWait(100);
}

QByteArray Bytes(const std::uint8_t* from, int count) {
    return QByteArray(reinterpret_cast<const char*>(from), count);
}

// The test's own X server, started before the application. Xvfb picks a free display and
// tells it on descriptor 3; it ends with the last program that used it.
const int kDisplay = [] {
    static FILE* xvfb =
        popen("Xvfb -displayfd 3 -terminate -nolisten tcp 3>&1 >/dev/null 2>&1 &", "r");
    int display = -1;
    if (!xvfb || std::fscanf(xvfb, "%d", &display) != 1) return -1;
    setenv("DISPLAY", (":" + std::to_string(display)).c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    return display;
}();

}  // namespace

class DesktopTest : public QObject {
    Q_OBJECT

  private slots:
    void clipboardAndTyping() {
        if (kDisplay < 0) QSKIP("Xvfb could not start: the clipboard and typing go untested");
        FakeDialogs dialogs;
        Editor editor(dialogs, {});
        editor.start();
        auto& s = editor.state();
        std::iota(GlyphAt(s.charset, 65), GlyphAt(s.charset, 67), 0x20);  // less ink than paper
        editor.beginRangeTrackBar().setValue(66);
        editor.endRangeTrackBar().setValue(65);
        editor.rangeCheckBox().setChecked(true);
        Press(editor.mainWindow(), {"ctrl+c"});
        const QByteArray glyphs = Bytes(GlyphAt(s.charset, 65), 16);
        QCOMPARE(Clipboard("application/x-pixlore-glyphs"), glyphs);
        QCOMPARE(Clipboard("UTF8_STRING"), QByteArray("$20, $21, $22, $23, $24, $25, $26, $27\n"
                                                      "$28, $29, $2A, $2B, $2C, $2D, $2E, $2F\n"));
        const QByteArray png = Clipboard("image/png");
        QVERIFY(DecodePicture({png.begin(), png.end()}).value ==
                GlyphsPicture(s.charset, s.palette, {65, 66}));

        // A picture from elsewhere, doubled and in other colours, goes in at the current glyph.
        editor.rangeCheckBox().setChecked(false);
        editor.dispatch(CanvasEvent(CharsetCanvas, CanvasEventType::LeftClick, 16 * 4 + 8, 8));
        const Palette other{RgbColour(0, 0, 200), RgbColour(250, 250, 0)};
        const auto doubled = EncodePng(GlyphsPicture(s.charset, other, {65, 66}));
        Run({"xclip", "-selection", "clipboard", "-i", "-t", "image/png"},
            Bytes(doubled.data(), static_cast<int>(doubled.size())));
        Press(editor.mainWindow(), {"ctrl+v"});
        QCOMPARE(Bytes(GlyphAt(s.charset, 4), 16), glyphs);

        // With text selected in the data field, Control+C copies that text.
        editor.glyphDataField().setFocus();
        editor.glyphDataField().selectAll();
        Press(editor.mainWindow(), {"ctrl+c"});
        QCOMPARE(Clipboard("UTF8_STRING"), QByteArray("32,33,34,35,36,37,38,39"));

        // Typed in C64 screen codes (the C64 charset checks them); a row's end goes on in the next.
        editor.DispatchCommand(Command::CharsetC64);
        editor.DispatchCommand(Command::MapAtari);
        s.map.PopupCellX = 37;
        s.map.PopupCellY = 3;
        editor.DispatchCommand(Command::TypeTextHere);
        Press(editor.mapWindow(),
              {"H", "i", "space", "at", "BackSpace", "BackSpace", "Return", "A"});
        QCOMPARE((std::vector<int>{s.map.at(37, 3), s.map.at(38, 3), s.map.at(39, 3),
                                   s.map.at(40, 3), s.map.at(0, 4), s.map.at(1, 4)}),
                 (std::vector<int>{8, 9, 32, 43, 1, 5}));
        QCOMPARE(editor.mapCanvas().surface().colourAt(16 + 15, 16 * 4), kCursorColour);
    }
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
