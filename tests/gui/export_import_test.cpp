#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <iterator>

#include "app/ids.h"
#include "formats/png_encode.h"
#include "formats/prg.h"
#include "formats/psf.h"
#include "gui/support/editor_fixture.h"
#include "gui/support/menu_items.h"
#include "history/document.h"
#include "platform/export_dialog.h"
#include "views/charset_view.h"

using namespace pixlore;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadAll(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Text(const std::string& name) {
    const Bytes b = ReadAll(name);
    return {b.begin(), b.end()};
}

void WriteAll(const std::string& name, const Bytes& bytes) {
    std::ofstream(name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

bool Choose(EditorHarness& editor, const QStringList& path) {
    QAction* action = MenuItem(editor->mainMenu().menuBar(), path);
    if (!action) return false;
    action->trigger();
    return true;
}

Charset Pattern(int seed) {
    Charset charset{};
    for (int i = 0; i < kCharsetBytes; ++i)
        charset[i] = static_cast<std::uint8_t>(i * seed + i / 8);
    return charset;
}

ExportSettings Settings(ExportWhat what, ExportFormat format) {
    ExportSettings s;
    s.what = what;
    s.format = format;
    return s;
}

}  // namespace

class ExportImportTest : public QObject {
    Q_OBJECT

  private slots:
    // The range's glyphs as assembler source: the dialog's choices, the extension added, the
    // label from the file name, and nothing in the editor changed.
    void exportRangeAsAssembler() {
        QTemporaryDir dir;
        EditorHarness editor;
        editor.state().charset = Pattern(7);
        editor->RefreshViews();
        editor->beginRangeTrackBar().setValue(66);
        editor->endRangeTrackBar().setValue(65);
        ExportSettings answer = Settings(ExportWhat::Range, ExportFormat::Assembler);
        answer.directive = Directive::Db;
        answer.values = ValueStyle::Decimal;
        editor.dialogs.exportAnswers.push_back(answer);
        const std::string chosen = dir.path().toStdString() + "/zx-font";
        editor.dialogs.saveAnswers.push_back({chosen, 0});
        const Document before{editor.state().charset, editor.state().palette,
                              editor.state().map.cells};

        QVERIFY(Choose(editor, {"File", "Export", "Assembler source..."}));

        QCOMPARE(editor.dialogs.exportRequests.size(), std::size_t(1));
        QCOMPARE(editor.dialogs.exportRequests[0].format, ExportFormat::Assembler);
        QCOMPARE(editor.dialogs.saveRequests.size(), std::size_t(1));
        QCOMPARE(editor.dialogs.saveRequests[0].title, std::string("Please choose file to save"));
        QCOMPARE(editor.dialogs.saveRequests[0].folder, std::string("/tmp/"));
        QCOMPARE(editor.state().LastDirectory, dir.path().toStdString() + "/");
        const std::string source = Text(chosen + ".s");
        const std::uint8_t* a = GlyphAt(editor.state().charset, 65);
        std::string firstLine = "zx_font:\n\tdb " + std::to_string(a[0]);
        for (int r = 1; r < 8; ++r)
            firstLine += ", " + std::to_string(a[r]);
        QVERIFY2(source.rfind(firstLine + "\n\tdb ", 0) == 0, source.c_str());
        QVERIFY(source.find("\nZX_FONT_COUNT equ 16\n") != std::string::npos);
        QVERIFY(editor.dialogs.messages.empty());
        const Document after{editor.state().charset, editor.state().palette,
                             editor.state().map.cells};
        QVERIFY(after == before);
    }

    // The next export opens the dialog with the choices made last, but for the label;
    // cancelling either dialog writes nothing.
    void cancelledExportsWriteNothing() {
        QTemporaryDir dir;
        EditorHarness editor;
        ExportSettings answer = Settings(ExportWhat::Map, ExportFormat::C);
        answer.label = "title_screen";
        editor.dialogs.exportAnswers.push_back(answer);
        editor.dialogs.saveAnswers.push_back({});  // the save dialog cancelled

        QVERIFY(Choose(editor, {"File", "Export", "C source..."}));
        QCOMPARE(editor.dialogs.saveRequests.size(), std::size_t(1));
        QCOMPARE(editor.state().LastDirectory, std::string("/tmp/"));

        editor.dialogs.exportAnswers.push_back(std::nullopt);  // the export dialog cancelled
        QVERIFY(Choose(editor, {"File", "Export", "C64 PRG..."}));
        QCOMPARE(editor.dialogs.exportRequests.size(), std::size_t(2));
        QCOMPARE(editor.dialogs.exportRequests[1].what, ExportWhat::Map);
        QCOMPARE(editor.dialogs.exportRequests[1].label, std::string());  // typed for one only
        QCOMPARE(editor.dialogs.exportRequests[1].format, ExportFormat::Prg);
        QCOMPARE(editor.dialogs.saveRequests.size(), std::size_t(1));
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    void exportMapAsPrgAndC() {
        QTemporaryDir dir;
        EditorHarness editor;
        editor->DispatchCommand(Command::MapZx);
        editor.state().map.at(31, 23) = 0x1FF;
        Bytes cells;
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 32; ++x)
                cells.push_back(static_cast<std::uint8_t>(editor.state().map.at(x, y)));
        QCOMPARE(int(cells.back()), 0xFF);

        editor.dialogs.exportAnswers.push_back(Settings(ExportWhat::Map, ExportFormat::Prg));
        editor.dialogs.saveAnswers.push_back({dir.path().toStdString() + "/screen.PRG", 0});
        editor->DispatchCommand(Command::ExportPrg);
        QCOMPARE(ReadAll(dir.path().toStdString() + "/screen.PRG"), EncodePrg(0x0400, cells));

        ExportSettings c = Settings(ExportWhat::Map, ExportFormat::C);
        editor.dialogs.exportAnswers.push_back(c);
        editor.dialogs.saveAnswers.push_back({dir.path().toStdString() + "/screen.h", 0});
        editor->DispatchCommand(Command::ExportC);
        const std::string source = Text(dir.path().toStdString() + "/screen.h");
        QVERIFY2(source.find("#define SCREEN_COUNT 768\nconst unsigned char screen[768] = {\n") !=
                     std::string::npos,
                 source.c_str());
        QCOMPARE(std::count(source.begin(), source.end(), '\n'), qsizetype(1 + 2 + 24 + 1));
    }

    void exportPsfAndAFailedWrite() {
        QTemporaryDir dir;
        EditorHarness editor;
        editor.state().charset = Pattern(3);
        editor.dialogs.saveAnswers.push_back({dir.path().toStdString() + "/font", 0});
        editor->DispatchCommand(Command::ExportPsf);
        QCOMPARE(editor.dialogs.exportRequests.size(), std::size_t(0));
        QCOMPARE(ReadAll(dir.path().toStdString() + "/font.psf"),
                 EncodePsf1(editor.state().charset));

        const std::string missing = dir.path().toStdString() + "/no/such/folder/x";
        editor.dialogs.exportAnswers.push_back(Settings(ExportWhat::AllGlyphs, ExportFormat::C));
        editor.dialogs.saveAnswers.push_back({missing, 0});
        editor->DispatchCommand(Command::ExportC);
        QCOMPARE(editor.dialogs.messages.size(), std::size_t(1));
        QCOMPARE(editor.dialogs.messages[0].title, std::string("Save file"));
        QCOMPARE(editor.dialogs.messages[0].text, "File Error:" + missing + ".c");

        // A program file that would run past the top of memory is refused before the dialog.
        ExportSettings high = Settings(ExportWhat::AllGlyphs, ExportFormat::Prg);
        high.loadAddress = 0xF801;
        editor.dialogs.exportAnswers.push_back(high);
        editor->DispatchCommand(Command::ExportPrg);
        QCOMPARE(editor.dialogs.saveRequests.size(), std::size_t(2));
        QCOMPARE(editor.dialogs.messages.size(), std::size_t(2));
        QCOMPARE(editor.dialogs.messages[1].title, std::string("Save File"));
        QCOMPARE(editor.dialogs.messages[1].text, std::string("out of size"));
        high.loadAddress = 0xF800;
        editor.dialogs.exportAnswers.push_back(high);
        editor.dialogs.saveAnswers.push_back({dir.path().toStdString() + "/top.prg", 0});
        editor->DispatchCommand(Command::ExportPrg);
        QCOMPARE(editor.dialogs.messages.size(), std::size_t(2));
        QCOMPARE(ReadAll(dir.path().toStdString() + "/top.prg").size(), std::size_t(2050));
    }

    // A console font is laid from the current character on, as much as fits, and shown.
    void importPsfFromTheCurrentCharacter() {
        QTemporaryDir dir;
        EditorHarness editor;
        const Charset font = Pattern(5);
        const std::string name = dir.path().toStdString() + "/font.psf";
        WriteAll(name, EncodePsf1(font));
        user::Click(editor->charsetCanvas(), Qt::LeftButton, 8 * 16 + 3, 12 * 16 + 3);
        QCOMPARE(int(editor.state().selection.CurrentChar), 200);
        editor.state().charset.fill(0x81);
        editor.dialogs.openAnswers.push_back({name, 0});

        QVERIFY(Choose(editor, {"File", "Import", "PSF font..."}));

        QCOMPARE(editor.dialogs.messages.size(), std::size_t(1));  // that only 56 glyphs fit
        const Charset& now = editor.state().charset;
        QVERIFY(std::all_of(now.begin(), now.begin() + 200 * 8, [](auto b) { return b == 0x81; }));
        QVERIFY(std::equal(now.begin() + 200 * 8, now.end(), font.begin()));
        QCOMPARE(editor.state().LastDirectory, dir.path().toStdString() + "/");
        // The charset view shows glyph 200's first row.
        const Shown shown(editor->charsetCanvas());
        for (int x = 0; x < 8; ++x)
            QCOMPARE(shown.at(8 * 16 + 2 * x + 1, 12 * 16 + 1),
                     (font[0] & (0x80 >> x)) ? kWhite : kBlack);

        // The import is one step of the history.
        QVERIFY(Choose(editor, {"Edit", "Undo"}));
        QVERIFY(std::all_of(now.begin(), now.end(), [](auto b) { return b == 0x81; }));
        QVERIFY(Choose(editor, {"Edit", "Redo"}));
        QVERIFY(std::equal(now.begin() + 200 * 8, now.end(), font.begin()));
    }

    void refusedImportsChangeNothing() {
        QTemporaryDir dir;
        EditorHarness editor;
        editor.state().charset = Pattern(9);
        const Charset before = editor.state().charset;
        const std::string tall = dir.path().toStdString() + "/tall.psf";
        WriteAll(tall, Bytes{0x36, 0x04, 0x00, 0x10});
        const std::string odd = dir.path().toStdString() + "/odd.png";
        WriteAll(odd, EncodePng(Image(200, 100)));
        const std::string missing = dir.path().toStdString() + "/missing.png";
        editor.dialogs.openAnswers = {{tall, 0}, {odd, 0}, {missing, 0}};

        editor->DispatchCommand(Command::ImportPsf);
        editor->DispatchCommand(Command::ImportPicture);
        editor->DispatchCommand(Command::ImportPicture);

        QCOMPARE(editor.dialogs.messages.size(), std::size_t(3));
        for (const auto& m : editor.dialogs.messages)
            QCOMPARE(m.title, std::string("Import"));
        QCOMPARE(editor.dialogs.messages[0].text,
                 tall + ": its glyphs are 8 x 16 pixels; only fonts of 8 x 8 pixels can be read");
        QCOMPARE(
            editor.dialogs.messages[1].text,
            odd + ": the picture is 200 x 100 pixels; a charset picture is 256 x 256 or 128 x 128");
        QCOMPARE(editor.dialogs.messages[2].text, missing + ": there is no such file");
        QVERIFY(editor.state().charset == before);
    }

    // Our own picture, in the current colours, comes back exactly, even when ink is most common.
    void importPictureRoundTrips() {
        QTemporaryDir dir;
        EditorHarness editor;
        editor->DispatchCommand(Command::CharsetC64);
        Charset drawn = Pattern(11);
        for (int i = 0; i < 1024; ++i)
            drawn[i] = 0xFF;
        Image picture(kCharsetImageSize, kCharsetImageSize);
        RenderCharsetImage(picture, drawn, editor.state().palette);
        const std::string name = dir.path().toStdString() + "/charset.png";
        WriteAll(name, EncodePng(picture));
        editor.dialogs.openAnswers.push_back({name, 0});

        QVERIFY(Choose(editor, {"File", "Import", "Picture (BMP, PNG)..."}));

        QVERIFY(editor.dialogs.messages.empty());
        QVERIFY(editor.state().charset == drawn);
        QVERIFY(editor.state().CharsetImage == picture);
    }

    // The dialog's fields map onto the settings, and it cannot be accepted, and says why, with
    // a label or an address that would give a broken file.
    void exportDialogFields() {
        ExportSettings start = Settings(ExportWhat::Range, ExportFormat::Assembler);
        start.directive = Directive::Defb;
        start.values = ValueStyle::ZeroX;
        ExportDialog dialog(start, nullptr);
        QCOMPARE(dialog.directiveBox()->currentText(), QString("defb"));
        QCOMPARE(dialog.valuesBox()->currentText(), QString("0xXX"));
        QCOMPARE(dialog.addressEdit()->text(), QString("$2000"));
        QVERIFY(!dialog.addressEdit()->isEnabled());

        dialog.whatBox()->setCurrentIndex(2);
        QCOMPARE(dialog.addressEdit()->text(), QString("$0400"));
        dialog.formatBox()->setCurrentIndex(2);
        QVERIFY(dialog.addressEdit()->isEnabled());
        QVERIFY(!dialog.directiveBox()->isEnabled());
        dialog.addressEdit()->setText("$10000");
        QVERIFY(!dialog.okButton()->isEnabled());
        dialog.addressEdit()->setText("0xC000");
        QVERIFY(dialog.okButton()->isEnabled());
        ExportSettings s = dialog.settings();
        QCOMPARE(s.what, ExportWhat::Map);
        QCOMPARE(s.format, ExportFormat::Prg);
        QCOMPARE(s.loadAddress, 0xC000);

        dialog.formatBox()->setCurrentIndex(0);
        dialog.directiveBox()->setCurrentText("!byte");
        dialog.labelEdit()->setText("2nd");
        QVERIFY(!dialog.okButton()->isEnabled());
        QVERIFY(dialog.whyNotOk()->text().startsWith("The label must"));
        dialog.labelEdit()->setText("second");
        QVERIFY(dialog.okButton()->isEnabled());
        QVERIFY(dialog.whyNotOk()->isHidden());
        s = dialog.settings();
        QCOMPARE(s.directive, Directive::AcmeByte);
        QCOMPARE(s.values, ValueStyle::ZeroX);
        QCOMPARE(s.label, std::string("second"));
    }
};

QTEST_MAIN(ExportImportTest)
#include "export_import_test.moc"
