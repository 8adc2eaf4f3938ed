// The clipboard and typed text with the rest of the desktop, under a real X server that the
// test starts itself: xclip reads what Copy put out and puts out what Paste reads, xdotool
// presses the keys. The offscreen platform has neither a system clipboard nor a keyboard.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <cstring>

#include "app/ids.h"
#include "formats/picture_import.h"
#include "formats/png_encode.h"
#include "gui/support/editor_fixture.h"
#include "views/charset_view.h"
#include "views/map_view.h"

using namespace pixlore;

namespace {

// Runs a tool while the editor goes on answering the X server, which xclip asks for what the
// editor put on the clipboard.
QByteArray Run(const QString& program, const QStringList& args, const QByteArray& input = {}) {
    QProcess tool;
    tool.setStandardErrorFile(QProcess::nullDevice());
    // xclip stays in the background to serve the clipboard; it must not hold our pipe.
    if (!input.isEmpty()) tool.setStandardOutputFile(QProcess::nullDevice());
    tool.start(program, args);
    tool.write(input);
    tool.closeWriteChannel();
    if (!QTest::qWaitFor([&] { return tool.state() == QProcess::NotRunning; }, 10000))
        qWarning() << program << args << "did not end";
    return input.isEmpty() ? tool.readAllStandardOutput() : QByteArray();
}

QByteArray Clipboard(const char* type) {
    return Run("xclip", {"-selection", "clipboard", "-o", "-t", type});
}

void PutOnClipboard(const char* type, const QByteArray& data) {
    Run("xclip", {"-selection", "clipboard", "-i", "-t", type}, data);
    if (!QTest::qWaitFor([&] { return Clipboard("TARGETS").contains(type); }, 5000))
        qWarning() << "xclip did not take the clipboard";
}

// Keys as the user presses them, to the window that has the keyboard.
bool Keys(QWidget& window, const QStringList& keys) {
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) return false;
    Run("xdotool", QStringList{"key", "--delay", "30"} + keys);
    QTest::qWait(100);
    return true;
}

Image PictureIn(const QByteArray& file) {
    const auto picture = DecodePicture(std::vector<std::uint8_t>(file.begin(), file.end()));
    return picture.ok() ? *picture.value : Image();
}

std::vector<int> Row(EditorState& s, int y, int from, int to) {
    std::vector<int> codes;
    for (int x = from; x <= to; ++x)
        codes.push_back(s.map.at(x, y));
    return codes;
}

}  // namespace

class DesktopTest : public QObject {
    Q_OBJECT

  private slots:
    void copyAndPasteThroughTheSystemClipboard() {
        EditorHarness editor;
        auto& s = editor.state();
        for (int i = 0; i < 16; ++i)
            s.charset[65 * 8 + i] = static_cast<std::uint8_t>(i * 17 + 3);
        editor->beginRangeTrackBar().setValue(66);
        editor->endRangeTrackBar().setValue(65);
        editor->rangeCheckBox().setChecked(true);
        QVERIFY(Keys(editor->mainWindow(), {"ctrl+c"}));
        const std::vector<std::uint8_t> glyphs(GlyphAt(s.charset, 65), GlyphAt(s.charset, 67));
        QCOMPARE(Clipboard("application/x-pixlore-glyphs"),
                 QByteArray(reinterpret_cast<const char*>(glyphs.data()), 16));
        QCOMPARE(Clipboard("UTF8_STRING"), QByteArray("$03, $14, $25, $36, $47, $58, $69, $7A\n"
                                                      "$8B, $9C, $AD, $BE, $CF, $E0, $F1, $02\n"));
        QVERIFY(PictureIn(Clipboard("image/png")) == GlyphsPicture(s.charset, s.palette, {65, 66}));

        // A picture from elsewhere, at twice the size, goes in from the current glyph on.
        editor->rangeCheckBox().setChecked(false);
        user::Click(editor->charsetCanvas(), Qt::LeftButton, 16 * 4 + 8, 8);
        const Palette other{RgbColour(0, 0, 200), RgbColour(250, 250, 0)};
        const auto png = EncodePng(GlyphsPicture(s.charset, other, {65, 66}));
        PutOnClipboard("image/png", QByteArray(reinterpret_cast<const char*>(png.data()),
                                               static_cast<qsizetype>(png.size())));
        QVERIFY(Keys(editor->mainWindow(), {"ctrl+v"}));
        QVERIFY(std::equal(glyphs.begin(), glyphs.end(), GlyphAt(s.charset, 4)));

        PutOnClipboard("UTF8_STRING", "1 2 3 4 5 6 7 $FF\n0x10,0,0,0,0,0,0,8");
        user::Click(editor->charsetCanvas(), Qt::LeftButton, 16 * 15 + 8, 16 * 15 + 8);
        QVERIFY(Keys(editor->mainWindow(), {"ctrl+v"}));
        QCOMPARE(std::vector<int>(GlyphAt(s.charset, 254), GlyphAt(s.charset, 256)),
                 (std::vector<int>{0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 255}));

        // With text selected in the data field, Control+C copies that text.
        editor->glyphDataField().setFocus();
        editor->glyphDataField().selectAll();
        QVERIFY(Keys(editor->mainWindow(), {"ctrl+c"}));
        QCOMPARE(Clipboard("UTF8_STRING"), QByteArray("1,2,3,4,5,6,7,255"));
    }

    void typeOntoTheMapAndCopyIt() {
        EditorHarness editor;
        auto& s = editor.state();
        editor->DispatchCommand(Command::CharsetC64);  // checks "C64 screen codes"
        editor->DispatchCommand(Command::MapAtari);
        s.map.PopupCellX = 2;
        s.map.PopupCellY = 3;
        editor->DispatchCommand(Command::TypeTextHere);
        QVERIFY(Keys(editor->mapWindow(), {"H", "i", "space", "at", "BackSpace", "Return", "A"}));
        QCOMPARE(Row(s, 3, 2, 6), (std::vector<int>{8, 9, 32, 32, 6 + 3}));
        QCOMPARE(Row(s, 4, 0, 1), (std::vector<int>{1, 5}));
        QCOMPARE(SurfaceColour(editor->mapCanvas(), 16 + 15, 16 * 4), kCursorColour);

        QVERIFY(Keys(editor->mapWindow(), {"ctrl+c"}));
        QVERIFY(PictureIn(Clipboard("image/png")) == MapPicture(s.map, s.charset, s.palette));
        QVERIFY(Clipboard("UTF8_STRING").startsWith("$00, $01, $02, $03, $04, $05, $06, $07, "));

        QVERIFY(Keys(editor->mapWindow(), {"ctrl+z"}));  // the typed run is one step
        QCOMPARE(Row(s, 3, 2, 5), (std::vector<int>{5, 6, 7, 8}));
        QCOMPARE(Row(s, 4, 0, 0), (std::vector<int>{4}));

        QTemporaryDir folder;  // a name without extension, the BMP filter chosen
        editor.dialogs.saveAnswers.push_back({folder.filePath("map").toStdString(), 1});
        editor->DispatchCommand(Command::ExportMapPicture);
        QFile bmp(folder.filePath("map.bmp"));
        QVERIFY(bmp.open(QIODevice::ReadOnly));
        QVERIFY(PictureIn(bmp.readAll()) == MapPicture(s.map, s.charset, s.palette));

        user::Click(editor->mapCanvas(), Qt::LeftButton, 8, 8);  // paints, and typing ends
        QVERIFY(!s.TextCursor);
        QVERIFY(Keys(editor->mapWindow(), {"Escape"}));
        QCOMPARE(editor.quits, 1);
    }
};

int main(int argc, char** argv) {
    int fds[2];
    if (pipe(fds) != 0) return 1;
    const pid_t xvfb = fork();
    if (xvfb == 0) {
        close(fds[0]);
        dup2(open("/dev/null", O_WRONLY), STDERR_FILENO);  // it tells of every display it tried
        const std::string fd = std::to_string(fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24",
               "-nolisten", "tcp", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    char display[16] = {};
    if (xvfb < 0 || read(fds[0], display, sizeof display - 1) <= 0) {
        std::printf(
            "SKIP: Xvfb could not start, so the system clipboard and typed text were "
            "not tested\n");
        return 77;
    }
    display[std::strcspn(display, "\n")] = '\0';
    setenv("DISPLAY", (std::string(":") + display).c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    int failed;
    {
        QApplication app(argc, argv);
        DesktopTest test;
        failed = QTest::qExec(&test, argc, argv);
    }
    kill(xvfb, SIGTERM);
    waitpid(xvfb, nullptr, 0);
    return failed;
}

#include "desktop_test.moc"
