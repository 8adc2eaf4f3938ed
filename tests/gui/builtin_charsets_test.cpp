#include <QTest>
#include <fstream>
#include <iterator>

#include "app/ids.h"
#include "gui/support/editor_fixture.h"
#include "gui/support/menu_items.h"
#include "views/charset_view.h"

using namespace pixlore;

namespace {

std::vector<std::uint8_t> ReferenceCharset(const QString& name) {
    std::ifstream file(std::string(PIXLORE_TEST_DATA) + "/reference-charsets/" + name.toStdString(),
                       std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool Choose(EditorHarness& editor, const QString& item) {
    QAction* action = MenuItem(editor->mainMenu().menuBar(), {"Char", "Charset", item});
    if (!action) return false;
    action->trigger();
    return true;
}

// The C64's "A" at screen code 1.
constexpr std::uint8_t kC64A[8] = {0x18, 0x3C, 0x66, 0x7E, 0x66, 0x66, 0x66, 0x00};
constexpr Colour kC64Ink = 0xEB6D70;
constexpr Colour kC64Paper = 0x9B2C2E;

}  // namespace

class BuiltInCharsetsTest : public QObject {
    Q_OBJECT

  private slots:
    // Loading a machine replaces the glyphs and colours only: the selection, the range and the
    // map stay as the user left them, and the range does not limit what is loaded.
    void c64CapsThroughTheMenu() {
        EditorHarness editor;
        user::Click(editor->charsetCanvas(), Qt::LeftButton, 5 * 16 + 3, 2 * 16 + 3);
        QCOMPARE(int(editor.state().selection.CurrentChar), 37);
        editor->rangeCheckBox().setChecked(true);
        editor->beginRangeTrackBar().setValue(10);
        editor->endRangeTrackBar().setValue(20);
        const CharMap mapBefore = editor.state().map;
        const QString titleBefore = editor->mainWindow().windowTitle();

        QVERIFY(Choose(editor, "C64 CAPS"));

        const Shown charset(editor->charsetCanvas());
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const bool ink = kC64A[y / 2] & (0x80 >> (x / 2));
                QCOMPARE(charset.at(16 + x, y), ink ? kC64Ink : kC64Paper);
            }
        const std::vector<std::uint8_t> c64 = ReferenceCharset("c64-caps.bin");
        QCOMPARE(c64.size(), std::size_t(2048));
        QVERIFY(std::equal(c64.begin(), c64.end(), editor.state().charset.begin()));

        // The glyph view follows with the current glyph in the new colours.
        const Shown glyph(editor->glyphCanvas());
        QStringList rows;
        for (int r = 0; r < 8; ++r) {
            const std::uint8_t byte = c64[37 * 8 + r];
            rows << QString::number(byte);
            for (int c = 0; c < 8; ++c)
                QCOMPARE(glyph.at(16 * c + 7, 16 * r + 7),
                         (byte & (0x80 >> c)) ? kC64Ink : kC64Paper);
        }
        QCOMPARE(editor->glyphDataField().toPlainText(), rows.join(','));

        QCOMPARE(int(editor.state().selection.CurrentChar), 37);
        QCOMPARE(editor.state().selection.CurrentColumn, 5);
        QCOMPARE(editor.state().selection.CurrentRow, 2);
        QVERIFY(editor->rangeCheckBox().isChecked());
        QCOMPARE(editor->beginRangeTrackBar().value(), 10);
        QCOMPARE(editor->endRangeTrackBar().value(), 20);
        QCOMPARE(editor->mainWindow().windowTitle(), titleBefore);
        QVERIFY(editor.state().map.cells == mapBefore.cells);
        QCOMPARE(editor.state().map.MapWidth, mapBefore.MapWidth);
        QCOMPARE(editor.state().map.MapHeight, mapBefore.MapHeight);
    }

    void everyItemLoadsItsMachine_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("file");
        QTest::addColumn<uint>("ink");
        QTest::addColumn<uint>("paper");
        QTest::newRow("cga") << "IBM PC CGA"
                             << "ibm-pc-cga.bin" << 0xFFFFFFu << 0u;
        QTest::newRow("866") << "IBM PC 866"
                             << "ibm-pc-866.bin" << 0xFFFFFFu << 0u;
        QTest::newRow("spectrum") << "ZX Spectrum"
                                  << "zx-spectrum.bin" << 0u << 0xCBCBCBu;
        QTest::newRow("zx80") << "ZX80"
                              << "zx80.bin" << 0u << 0xFFFFFFu;
        QTest::newRow("ace") << "Jupiter Ace"
                             << "jupiter-ace.bin" << 0xFFFFFFu << 0u;
        QTest::newRow("c64") << "C64 CAPS"
                             << "c64-caps.bin" << 0xEB6D70u << 0x9B2C2Eu;
        QTest::newRow("atari") << "Atari XL"
                               << "atari-xl.bin" << 0xFDAE61u << 0x9D4E01u;
        QTest::newRow("microsha") << "Microsha(USSR)"
                                  << "microsha.bin" << 0xFFFFFFu << 0u;
        QTest::newRow("hex") << "Hex numbers"
                             << "" << 0xFFFFFFu << 0u;
    }

    // Each item loads its own machine and puts it on screen at once.
    void everyItemLoadsItsMachine() {
        QFETCH(QString, item);
        QFETCH(QString, file);
        QFETCH(uint, ink);
        QFETCH(uint, paper);
        EditorHarness editor;
        // Start from other colours, so that every item has to set both.
        QVERIFY(Choose(editor, item == "C64 CAPS" ? "Atari XL" : "C64 CAPS"));

        QVERIFY(Choose(editor, item));

        const Charset& charset = editor.state().charset;
        if (file.isEmpty()) {
            const std::uint8_t x1a[8] = {0x00, 0x44, 0xCA, 0x4E, 0x4A, 0xEA, 0x00, 0x00};
            QVERIFY(std::equal(x1a, x1a + 8, GlyphAt(charset, 0x1A)));
        } else {
            const std::vector<std::uint8_t> reference = ReferenceCharset(file);
            QVERIFY(!reference.empty());
            QVERIFY(std::equal(reference.begin(), reference.end(), charset.begin()));
        }
        QCOMPARE(editor.state().palette, (Palette{ink, paper}));

        Image expected(kCharsetImageSize, kCharsetImageSize);
        Image surface(kCharsetImageSize, kCharsetImageSize);
        RenderCharsetImage(expected, charset, editor.state().palette);
        ComposeCharsetCanvas(surface, expected, editor.state().selection);
        const Shown shown(editor->charsetCanvas());
        for (int y = 0; y < kCharsetImageSize; ++y)
            for (int x = 0; x < kCharsetImageSize; ++x)
                if (shown.at(x, y) != surface.colourAt(x, y))
                    QFAIL(qPrintable(QString("stale view at (%1, %2)").arg(x).arg(y)));
    }
};

QTEST_MAIN(BuiltInCharsetsTest)
#include "builtin_charsets_test.moc"
