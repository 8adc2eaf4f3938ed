#include <QTest>

#include "app/editor.h"
#include "core/temp_folder.h"
#include "gui/support/editor_fixture.h"

using namespace pixlore;
using testing::Pattern;
using testing::TempFolder;
using testing::WriteBytes;

namespace {

// An editor started with these arguments, looked at before any event is processed.
struct StartedEditor {
    explicit StartedEditor(std::vector<std::string> arguments) {
        Editor::Options options;
        options.arguments = std::move(arguments);
        options.currentDirectory = "/tmp";
        editor = std::make_unique<Editor>(dialogs, options);
        editor->start();
    }
    FakeDialogs dialogs;
    std::unique_ptr<Editor> editor;
};

bool AllZero(const Charset& charset) {
    return std::all_of(charset.begin(), charset.end(), [](std::uint8_t b) { return b == 0; });
}

}  // namespace

class StartupFilesTest : public QObject {
    Q_OBJECT

  private slots:
    void oneArgumentIsShownInTheCharsetView() {
        TempFolder folder;
        const std::string name = folder / "my font ß.fnt";
        const std::vector<std::uint8_t> bytes = Pattern(kCharsetBytes, 11);
        WriteBytes(name, bytes);
        StartedEditor started({name});
        QVERIFY(started.dialogs.messages.empty());
        QCOMPARE(started.editor->state().LastDirectory, folder.path() + "/");
        const Shown shown(started.editor->charsetCanvas());
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x) {
                const int code = (y / 16) * 16 + x / 16;
                const bool ink = bytes[code * 8 + (y % 16) / 2] & (0x80 >> ((x % 16) / 2));
                const bool cursor = x < 16 && y < 16 && (x + y) % 2 == 1;
                const Colour expected = cursor ? kCursorColour : ink ? kWhite : kBlack;
                if (shown.at(x, y) != expected)
                    QFAIL(qPrintable(QString("pixel %1,%2").arg(x).arg(y)));
            }
    }

    void twoArgumentsLoadNothing() {
        TempFolder folder;
        WriteBytes(folder / "a.fnt", Pattern(kCharsetBytes, 1));
        WriteBytes(folder / "b.fnt", Pattern(kCharsetBytes, 2));
        StartedEditor started({folder / "a.fnt", folder / "b.fnt"});
        QVERIFY(AllZero(started.editor->state().charset));
        QVERIFY(started.dialogs.messages.empty());
        QCOMPARE(started.editor->state().LastDirectory, std::string("/tmp/"));
    }

    void missingArgumentIsReportedAndStartUpCompletes() {
        TempFolder folder;
        StartedEditor started({folder / "gone.fnt"});
        QCOMPARE(started.dialogs.messages.size(), std::size_t(1));
        QCOMPARE(started.dialogs.messages[0].title, std::string("No file"));
        QCOMPARE(started.dialogs.messages[0].text, folder / "gone.fnt");
        QVERIFY(AllZero(started.editor->state().charset));
        QVERIFY(started.editor->state().MapAvailable);
    }
};

QTEST_MAIN(StartupFilesTest)
#include "startup_files_test.moc"
