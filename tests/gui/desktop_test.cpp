// The clipboard and typed text with the rest of the desktop, under a real X server that the
// test starts itself: xclip reads what Copy put out and puts out what Paste reads, xdotool
// presses the keys. The offscreen platform has neither a system clipboard nor a keyboard; the
// editor rows check the same commands there.
#include <QProcess>
#include <QTest>
#include <cstdio>

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

bool Press(QWidget& window, const QStringList& keys) {
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) return false;
    Run(QStringList{"xdotool", "key", "--delay", "30"} + keys);
    QTest::qWait(100);
    return true;
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
        s.charset[65 * 8] = 0x81;
        editor.dispatch(CanvasEvent(CharsetCanvas, CanvasEventType::LeftClick, 24, 72));
        QVERIFY(Press(editor.mainWindow(), {"ctrl+c"}));
        const QByteArray glyph("\x81\0\0\0\0\0\0\0", 8), png = Clipboard("image/png");
        QCOMPARE(Clipboard("application/x-pixlore-glyphs"), glyph);
        QCOMPARE(Clipboard("UTF8_STRING"), "$81, $00, $00, $00, $00, $00, $00, $00\n");
        const auto copied = DecodePicture({png.begin(), png.end()});
        QVERIFY(copied.ok() && *copied.value == GlyphsPicture(s.charset, s.palette, {65, 65}));

        // A picture from elsewhere, in other colours, goes in at the current glyph.
        editor.dispatch(CanvasEvent(CharsetCanvas, CanvasEventType::LeftClick, 72, 8));
        const auto other = EncodePng(
            GlyphsPicture(s.charset, {RgbColour(0, 0, 200), RgbColour(250, 250, 0)}, {65, 65}));
        Run({"xclip", "-selection", "clipboard", "-i", "-t", "image/png"},
            QByteArray(reinterpret_cast<const char*>(other.data()), qsizetype(other.size())));
        QVERIFY(Press(editor.mainWindow(), {"ctrl+v"}));
        QCOMPARE(s.charset[4 * 8], 0x81);

        // Keys typed on the map in C64 screen codes; a row's end goes on in the next.
        editor.DispatchCommand(Command::MapAtari);
        editor.DispatchCommand(Command::TextCodesC64);
        s.map.PopupCellX = 37, s.map.PopupCellY = 3;
        editor.DispatchCommand(Command::TypeTextHere);
        QVERIFY(Press(editor.mapWindow(),
                      {"H", "i", "space", "at", "BackSpace", "BackSpace", "Return", "A"}));
        QCOMPARE((std::vector{s.map.at(37, 3), s.map.at(38, 3), s.map.at(39, 3), s.map.at(40, 3),
                              s.map.at(0, 4), s.map.at(1, 4)}),
                 (std::vector{8, 9, 32, 43, 1, 5}));
    }
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
