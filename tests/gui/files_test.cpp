#include <sys/stat.h>
#include <QTest>

#include <filesystem>

#include "app/ids.h"
#include "core/temp_folder.h"
#include "gui/support/drop_files.h"
#include "gui/support/editor_fixture.h"

using namespace pixlore;
using testing::Pattern;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

namespace {

void Select(EditorHarness& editor, int code) {
    editor.state().selection = {static_cast<std::uint8_t>(code), code % 16, code / 16};
}

std::vector<std::uint8_t> CharsetBytes(EditorHarness& editor) {
    return {editor.state().charset.begin(), editor.state().charset.end()};
}

void FillCharset(EditorHarness& editor, unsigned seed) {
    const std::vector<std::uint8_t> bytes = Pattern(kCharsetBytes, seed);
    std::copy(bytes.begin(), bytes.end(), editor.state().charset.begin());
}

}  // namespace

class FilesTest : public QObject {
    Q_OBJECT

  private slots:
    void saveGlyphsOrMap_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("bytes");  // 0: refused with "out of size"
        QTest::newRow("768 from 160") << int(Command::SaveZx) << 160 << 768;
        QTest::newRow("768 from 161") << int(Command::SaveZx) << 161 << 0;
        QTest::newRow("1024 from 128") << int(Command::SaveAtari) << 128 << 1024;
        QTest::newRow("1024 from 129") << int(Command::SaveAtari) << 129 << 0;
        QTest::newRow("2048 from 0") << int(Command::SaveIbm) << 0 << 2048;
        QTest::newRow("2048 from 1") << int(Command::SaveIbm) << 1 << 0;
        QTest::newRow("map from 255") << int(Command::SaveCharacterMap) << 255 << 960;
    }
    void saveGlyphsOrMap() {
        QFETCH(int, command);
        QFETCH(int, current);
        QFETCH(int, bytes);
        TempFolder folder;
        EditorHarness editor;
        FillCharset(editor, 1);
        Select(editor, current);
        const bool map = command == Command::SaveCharacterMap;
        const std::string lastDirectory = editor.state().LastDirectory;
        editor.dialogs.saveAnswers.push_back({folder / "saved", 0});
        editor->DispatchCommand(command);

        if (bytes == 0) {
            QCOMPARE(editor.dialogs.messages.size(), std::size_t(1));
            QCOMPARE(editor.dialogs.messages[0].title, std::string("Save File"));
            QCOMPARE(editor.dialogs.messages[0].text, std::string("out of size"));
            QVERIFY(editor.dialogs.saveRequests.empty());
            QCOMPARE(editor.state().LastDirectory, lastDirectory);
            QVERIFY(folder.entries().empty());
            return;
        }
        QVERIFY(editor.dialogs.messages.empty());
        QCOMPARE(editor.dialogs.saveRequests.size(), std::size_t(1));
        const auto& request = editor.dialogs.saveRequests[0];
        QCOMPARE(request.title, std::string("Please choose file to save"));
        QCOMPARE(request.folder, lastDirectory);
        QCOMPARE(request.filters,
                 std::string(map ? "Character map (*.map)|*.map" : "Font (*.fnt)|*.fnt"));
        QCOMPARE(editor.state().LastDirectory, folder.path() + "/");
        const std::vector<std::uint8_t> written =
            ReadBytes(folder / (map ? "saved.map" : "saved.fnt"));
        QCOMPARE(int(written.size()), bytes);
        if (map) {
            QCOMPARE(int(written[41]), editor.state().map.at(1, 1));
            QCOMPARE(int(written[959]), editor.state().map.at(39, 23));
        } else {
            const std::vector<std::uint8_t> all = CharsetBytes(editor);
            QVERIFY(std::equal(written.begin(), written.end(), all.begin() + current * 8));
        }
    }

    void cancelledSavesWriteNothing() {
        EditorHarness editor;
        const std::string lastDirectory = editor.state().LastDirectory;
        for (int command : {Command::SaveZx, Command::SaveAtari, Command::SaveIbm,
                            Command::SaveCharacterMap, Command::SaveCharactersImage})
            editor->DispatchCommand(command);
        QCOMPARE(editor.dialogs.saveRequests.size(), std::size_t(5));
        QVERIFY(editor.dialogs.messages.empty());
        QCOMPARE(editor.state().LastDirectory, lastDirectory);
    }

    void failedSavesReportFileError_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("reported");
        QTest::newRow("glyphs, no folder") << int(Command::SaveIbm) << "no folder/f"
                                           << "no folder/f.fnt";
        QTest::newRow("map, no folder") << int(Command::SaveCharacterMap) << "no folder/m.MAP"
                                        << "no folder/m.MAP";
        QTest::newRow("picture, no folder") << int(Command::SaveCharactersImage) << "no folder/p"
                                            << "no folder/p.bmp";
        QTest::newRow("glyphs onto a pipe") << int(Command::SaveZx) << "pipe.fnt"
                                            << "pipe.fnt";
        QTest::newRow("map onto a folder") << int(Command::SaveCharacterMap) << "folder.map"
                                           << "folder.map";
    }
    void failedSavesReportFileError() {
        QFETCH(int, command);
        QFETCH(QString, chosen);
        QFETCH(QString, reported);
        TempFolder folder;
        QCOMPARE(mkfifo((folder / "pipe.fnt").c_str(), 0600), 0);
        std::filesystem::create_directory(folder / "folder.map");
        EditorHarness editor;
        editor.dialogs.saveAnswers.push_back({folder / chosen.toStdString(), 0});
        editor->DispatchCommand(command);
        QCOMPARE(editor.dialogs.messages.size(), std::size_t(1));
        QCOMPARE(editor.dialogs.messages[0].title, std::string("Save file"));
        QCOMPARE(editor.dialogs.messages[0].text,
                 "File Error:" + (folder / reported.toStdString()));
        // The folder was remembered before the save failed.
        QCOMPARE(editor.state().LastDirectory,
                 std::filesystem::path(folder / chosen.toStdString()).parent_path().string() + "/");
        QVERIFY(std::filesystem::is_fifo(folder / "pipe.fnt"));
        QVERIFY(std::filesystem::is_directory(folder / "folder.map"));
        QCOMPARE(folder.entries().size(), std::size_t(2));
    }

    void openDialogFilterDecidesHowAFileIsRead() {
        TempFolder folder;
        WriteBytes(folder / "glyphs.map", Pattern(16, 3));
        WriteBytes(folder / "cells.fnt", std::vector<std::uint8_t>(40, 255));
        EditorHarness editor;
        Select(editor, 1);
        const std::string startFolder = editor.state().LastDirectory;
        const CharMap mapBefore = editor.state().map;

        editor.dialogs.openAnswers.push_back({folder / "glyphs.map", 0});
        user::KeyClick(editor->charsetCanvas(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(editor.dialogs.openRequests.size(), std::size_t(1));
        const auto& request = editor.dialogs.openRequests[0];
        QCOMPARE(request.title, std::string("Please choose file to load"));
        QCOMPARE(request.folder, startFolder);
        QCOMPARE(request.filters, std::string("Font (*.fnt)|*.fnt|Character map (*.map)|*.map"));
        QCOMPARE(editor.state().LastDirectory, folder.path() + "/");
        const std::vector<std::uint8_t> glyphs = Pattern(16, 3);
        QVERIFY(std::equal(glyphs.begin(), glyphs.end(), editor.state().charset.begin() + 8));
        QCOMPARE(editor.state().map.cells, mapBefore.cells);
        // Shown at once: row 0 of glyph 1 in the charset view and in the glyph view.
        const Colour ink = editor.state().palette.InkColor,
                     paper = editor.state().palette.PaperColor;
        for (int b = 0; b < 8; ++b) {
            const Colour expected = glyphs[0] & (0x80 >> b) ? ink : paper;
            QCOMPARE(Shown(editor->charsetCanvas()).at(16 + 2 * b, 0), expected);
            QCOMPARE(Shown(editor->glyphCanvas()).at(16 * b + 8, 8), expected);
        }

        editor.dialogs.openAnswers.push_back({folder / "cells.fnt", 1});
        editor->DispatchCommand(Command::Open);
        QVERIFY(editor.dialogs.messages.empty());
        for (int x = 0; x < 40; ++x)
            QCOMPARE(editor.state().map.at(x, 0), 255);
        QCOMPARE(editor.state().map.at(0, 1), mapBefore.at(0, 1));
        QVERIFY(std::equal(glyphs.begin(), glyphs.end(), editor.state().charset.begin() + 8));
    }

    void openingAFileThatIsNotThereRemembersItsFolderOnly() {
        TempFolder folder;
        EditorHarness editor;
        editor.dialogs.openAnswers.push_back({folder / "gone.fnt", 0});
        editor.dialogs.openAnswers.push_back({folder / "sub/gone.map", 1});
        editor.dialogs.openAnswers.push_back({});
        editor->DispatchCommand(Command::Open);
        editor->DispatchCommand(Command::Open);
        QCOMPARE(editor.state().LastDirectory, folder.path() + "/sub/");
        editor->DispatchCommand(Command::Open);  // cancelled
        QCOMPARE(editor.state().LastDirectory, folder.path() + "/sub/");
        QCOMPARE(editor.dialogs.messages.size(), std::size_t(2));
        QCOMPARE(editor.dialogs.messages[0].title, std::string("No file"));
        QCOMPARE(editor.dialogs.messages[0].text, folder / "gone.fnt");
        QCOMPARE(editor.dialogs.messages[1].title, std::string("Open File"));
        QCOMPARE(editor.dialogs.messages[1].text, "unable to open:" + (folder / "sub/gone.map"));
    }

    void refusedDropsShowTheLoadersMessages_data() {
        QTest::addColumn<int>("canvas");
        QTest::addColumn<QStringList>("dropped");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("prefix");
        const int charset = CharsetCanvas, map = MapCanvas;
        QTest::newRow("glyphs: missing") << charset << QStringList{"missing.fnt"} << "No file"
                                         << "";
        QTest::newRow("glyphs: empty") << charset << QStringList{"empty.fnt"} << "No file"
                                       << "";
        QTest::newRow("glyphs: folder") << charset << QStringList{"folder"} << "No file"
                                        << "";
        QTest::newRow("glyphs: device") << charset << QStringList{"/dev/zero"} << "No file"
                                        << "";
        QTest::newRow("glyphs: two files") << charset << QStringList{"a.fnt", "b.fnt"} << "No file"
                                           << "";
        QTest::newRow("map: missing") << map << QStringList{"missing.map"} << "Open File"
                                      << "unable to open:";
        QTest::newRow("map: folder") << map << QStringList{"folder"} << "Open File"
                                     << "unable to open:";
        QTest::newRow("map: device") << map << QStringList{"/dev/zero"} << "Open File"
                                     << "unable to open:";
        QTest::newRow("map: two files") << map << QStringList{"a.fnt", "b.fnt"} << "Open File"
                                        << "unable to open:";
        QTest::newRow("map: 961 bytes") << map << QStringList{"961.map"} << "Open File"
                                        << "to big map:";
    }
    void refusedDropsShowTheLoadersMessages() {
        QFETCH(int, canvas);
        QFETCH(QStringList, dropped);
        QFETCH(QString, title);
        QFETCH(QString, prefix);
        TempFolder folder;
        WriteBytes(folder / "empty.fnt", {});
        WriteBytes(folder / "a.fnt", Pattern(8, 1));
        WriteBytes(folder / "b.fnt", Pattern(8, 2));
        WriteBytes(folder / "961.map", Pattern(961, 2));
        std::filesystem::create_directory(folder / "folder");
        EditorHarness editor;
        FillCharset(editor, 5);
        const std::vector<std::uint8_t> charset = CharsetBytes(editor);
        const CharMap map = editor.state().map;
        const std::string lastDirectory = editor.state().LastDirectory;

        std::vector<std::string> names;
        std::string joined;
        for (const QString& name : dropped) {
            names.push_back(name.startsWith('/') ? name.toStdString()
                                                 : folder / name.toStdString());
            joined += (joined.empty() ? "" : "\n") + names.back();
        }
        Canvas& target = canvas == CharsetCanvas ? editor->charsetCanvas() : editor->mapCanvas();
        QCOMPARE(user::DropFiles(target, names), Qt::CopyAction);
        QCOMPARE(editor.dialogs.messages.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(editor.dialogs.messages[0].title), title);
        QCOMPARE(editor.dialogs.messages[0].text, prefix.toStdString() + joined);
        QCOMPARE(CharsetBytes(editor), charset);
        QCOMPARE(editor.state().map.cells, map.cells);
        QCOMPARE(editor.state().LastDirectory, lastDirectory);
    }

    void blankNameIsIgnoredSilently() {
        EditorHarness editor;
        editor->LoadGlyphFile("   ");
        editor->LoadGlyphFile("");
        QVERIFY(editor.dialogs.messages.empty());
    }

    void droppedFilesAreReadByTheCanvasTheyLandOn() {
        TempFolder folder;
        // Names with spaces, accents and Cyrillic letters, through the desktop's URLs.
        const std::string glyphs = folder / "Шрифт été.map", cells = folder / "экран à.fnt";
        WriteBytes(glyphs, std::vector<std::uint8_t>(8, 0xFF));
        WriteBytes(cells, std::vector<std::uint8_t>(2, 255));
        EditorHarness editor;
        Select(editor, 255);
        const std::string lastDirectory = editor.state().LastDirectory;

        QCOMPARE(user::DropFiles(editor->mapCanvas(), {cells}), Qt::CopyAction);
        QCOMPARE(editor.state().map.at(1, 0), 255);
        QCOMPARE(editor.state().map.at(2, 0), 2);
        QCOMPARE(editor.state().LastDirectory, lastDirectory);
        // Cell (1, 0) shows glyph 255, still blank.
        QCOMPARE(SurfaceColour(editor->mapCanvas(), 16 + 8, 8), editor.state().palette.PaperColor);

        QCOMPARE(user::DropFiles(editor->charsetCanvas(), {glyphs}), Qt::CopyAction);
        QVERIFY(editor.dialogs.messages.empty());
        QCOMPARE(int(editor.state().charset[255 * 8 + 7]), 0xFF);
        QCOMPARE(editor.state().LastDirectory, folder.path() + "/");
        const Colour ink = editor.state().palette.InkColor;
        QCOMPARE(Shown(editor->charsetCanvas()).at(15 * 16, 15 * 16), ink);
        QCOMPARE(SurfaceColour(editor->mapCanvas(), 16 + 8, 8), ink);
    }
};

QTEST_MAIN(FilesTest)
#include "files_test.moc"
