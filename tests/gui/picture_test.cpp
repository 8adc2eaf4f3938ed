#include <QImage>
#include <QTest>

#include "app/ids.h"
#include "core/temp_folder.h"
#include "gui/support/editor_fixture.h"

using namespace pixlore;
using testing::Pattern;
using testing::ReadBytes;
using testing::TempFolder;

namespace {

// The picture as the charset grid defines it: glyph n in the 16 x 16 square at
// (16 * (n % 16), 16 * (n / 16)), each glyph pixel a 2 x 2 block.
Colour ExpectedPixel(const EditorState& state, int x, int y) {
    const int code = (y / 16) * 16 + x / 16;
    const int row = (y % 16) / 2, bit = (x % 16) / 2;
    const bool ink = state.charset[code * 8 + row] & (0x80 >> bit);
    return ink ? state.palette.InkColor : state.palette.PaperColor;
}

// Saves the picture under the chosen name; returns the decoded file.
QImage SavePicture(EditorHarness& editor, const std::string& chosen) {
    editor.dialogs.saveAnswers.push_back({chosen, 0});
    editor->DispatchCommand(Command::SaveCharactersImage);
    return QImage(QString::fromStdString(chosen), "BMP");
}

void ComparePicture(const QImage& picture, const EditorState& state) {
    QCOMPARE(picture.size(), QSize(256, 256));
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            const QRgb rgb = picture.pixel(x, y);
            const Colour shown = RgbColour(qRed(rgb), qGreen(rgb), qBlue(rgb));
            if (shown != ExpectedPixel(state, x, y) || shown != state.CharsetImage.colourAt(x, y))
                QFAIL(qPrintable(QString("pixel %1,%2 is %3").arg(x).arg(y).arg(shown, 6, 16)));
        }
}

}  // namespace

class PictureTest : public QObject {
    Q_OBJECT

  private slots:
    void pictureIsTheGridWithoutCursorOrHover() {
        TempFolder folder;
        EditorHarness editor;
        const std::vector<std::uint8_t> glyphs = Pattern(kCharsetBytes, 7);
        std::copy(glyphs.begin(), glyphs.end(), editor.state().charset.begin());
        editor.state().selection = {17, 1, 1};
        editor->RefreshViews();
        user::Move(editor->charsetCanvas(), 40, 40);
        user::Move(editor->charsetCanvas(), 41, 41);
        // The canvas does show the cursor and the outline the picture must leave out.
        QCOMPARE(SurfaceColour(editor->charsetCanvas(), 17, 16), kCursorColour);
        QCOMPARE(SurfaceColour(editor->charsetCanvas(), 32, 32), kHoverColour);

        const std::string name = folder / "picture.bmp";
        const QImage picture = SavePicture(editor, name);
        QVERIFY(editor.dialogs.messages.empty());
        QCOMPARE(ReadBytes(name).size(), std::size_t(196662));
        QCOMPARE(editor.dialogs.saveRequests[0].title, std::string("Please choose file to save"));
        QCOMPARE(editor.dialogs.saveRequests[0].filters, std::string(".bmp"));
        ComparePicture(picture, editor.state());
    }

    void pictureUsesTheCurrentColours() {
        TempFolder folder;
        EditorHarness editor;
        editor->DispatchCommand(Command::CharsetC64);
        QCOMPARE(editor.state().palette.InkColor, RgbColour(112, 109, 235));
        ComparePicture(SavePicture(editor, folder / "colours.bmp"), editor.state());
    }

    void pictureNameGetsTheExtension_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("no extension") << "picture"
                                      << "picture.bmp";
        QTest::newRow("other extension") << "a.png"
                                         << "a.png.bmp";
        QTest::newRow("upper case") << "P.BMP"
                                    << "P.BMP";
        QTest::newRow("short name") << "bmp"
                                    << "bmp.bmp";
        QTest::newRow("Cyrillic and spaces") << "картинка с пробелом"
                                             << "картинка с пробелом.bmp";
    }
    void pictureNameGetsTheExtension() {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        TempFolder folder;
        EditorHarness editor;
        SavePicture(editor, folder / chosen.toStdString());
        QVERIFY(editor.dialogs.messages.empty());
        QCOMPARE(folder.entries(), std::vector<std::string>{written.toStdString()});
        QCOMPARE(ReadBytes(folder / written.toStdString()).size(), std::size_t(196662));
        QCOMPARE(editor.state().LastDirectory, folder.path() + "/");
    }
};

QTEST_MAIN(PictureTest)
#include "picture_test.moc"
