// The last session comes back after Escape and after a killed process, never from an editor
// that still runs, and keeping it never troubles the user. The session to recover is drawn in
// a child copy of this program.
#include <sys/resource.h>

#include <QApplication>
#include <QProcess>
#include <QTest>
#include <csignal>

#include "core/temp_folder.h"
#include "files/recovery_store.h"
#include "gui/support/editor_fixture.h"
#include "gui/support/menu_user.h"

using namespace pixlore;

namespace {

volatile std::sig_atomic_t refusedWrites = 0;

// Unlike the harness, an editor that keeps a recovery file.
std::unique_ptr<Editor> Start(FakeDialogs& dialogs, const std::string& folder, bool atStart,
                              std::chrono::milliseconds settle = std::chrono::milliseconds(100)) {
    Editor::Options options;
    options.recoveryFolder = folder;
    options.recover = atStart;
    options.recoveryTiming = {settle, std::chrono::milliseconds(100)};
    auto editor = std::make_unique<Editor>(dialogs, options);
    editor->start();
    if (!QTest::qWaitForWindowExposed(&editor->mainWindow())) qWarning("main window not exposed");
    return editor;
}

bool Choose(Editor& editor, const QStringList& path) {
    return user::ChooseFromMenuBar(*editor.mainMenu().menuBar(), path);
}

// A charset chosen, pixels drawn on 'A', and the range, drag mode and map size changed.
void Draw(Editor& editor) {
    Choose(editor, {"Char", "Charset", "C64 CAPS"});
    user::Click(editor.charsetCanvas(), Qt::LeftButton, 20, 68);
    user::Click(editor.glyphCanvas(), Qt::LeftButton, 20, 20);
    user::Click(editor.glyphCanvas(), Qt::RightButton, 100, 60);
    for (const char* item : {"Set end range", "Drag mode:copy"})
        Choose(editor, {"Char", item});
    Choose(editor, {"Char", "Map", "USSR 64x30"});
    editor.rangeCheckBox().click();
}

std::optional<Session> Kept(const testing::TempFolder& folder) {
    for (const std::string& name : folder.entries()) {
        const std::vector<std::uint8_t> bytes = testing::ReadBytes(folder / name);
        if (name.ends_with(".session")) return DecodeSession(bytes.data(), bytes.size()).value;
    }
    return std::nullopt;
}

}  // namespace

class RecoveryTest : public QObject {
    Q_OBJECT

  private slots:
    void comesBack_data() {
        QTest::addColumn<QString>("end");
        QTest::newRow("Escape, then --recover") << "escape";
        QTest::newRow("SIGKILL 2 s after the last change, then File > Recover") << "kill";
    }
    void comesBack() {
        QFETCH(QString, end);
        const testing::TempFolder state;
        qputenv("XDG_STATE_HOME", state.path().c_str());
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--child", end});
        FakeDialogs dialogs;
        std::unique_ptr<Editor> back;
        if (end == "kill") {
            QVERIFY(child.waitForReadyRead(30000));
            QTest::qWait(2000);
            back = Start(dialogs, state / "pixlore", false);
            QVERIFY(Choose(*back, {"File", "Recover last session"}));  // the child still runs
            child.kill();
        }
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 end == "escape");
        if (back) QVERIFY(Choose(*back, {"File", "Recover last session"}));
        if (!back) back = Start(dialogs, state / "pixlore", true);
        QCOMPARE(dialogs.messages.size(), std::size_t(end == "kill"));

        EditorHarness drawn;
        Draw(*drawn);
        drawn->RefreshViews();  // without the pointer's outline
        QVERIFY(back->session() == drawn->session());
        for (auto canvas : {&Editor::charsetCanvas, &Editor::glyphCanvas, &Editor::mapCanvas})
            QVERIFY(((*back).*canvas)().surface() == ((*drawn).*canvas)().surface());
        QCOMPARE(back->mainWindow().title(), drawn->mainWindow().title());
        QVERIFY(Choose(*back, {"Edit", "Undo\tCtrl+Z"}));
        QCOMPARE(back->state().charset == Charset{}, end == "kill");
    }

    // A disk that takes nothing more: no message, the file written before stays whole, and
    // the session is written once the disk takes it again.
    void failedWritesStayQuiet() {
        const testing::TempFolder state;
        FakeDialogs dialogs;
        const auto editor = Start(dialogs, state.path(), false);
        user::Click(editor->glyphCanvas(), Qt::LeftButton, 20, 20);
        QTRY_VERIFY(Kept(state) == editor->session());
        const std::optional<Session> before = Kept(state);
        std::signal(SIGXFSZ, [](int) { refusedWrites = 1; });
        rlimit normal{};
        getrlimit(RLIMIT_FSIZE, &normal);
        const rlimit small{4096, normal.rlim_max};
        setrlimit(RLIMIT_FSIZE, &small);
        user::Click(editor->glyphCanvas(), Qt::LeftButton, 40, 40);
        QTRY_VERIFY(refusedWrites);
        const bool whole = Kept(state) == before;
        setrlimit(RLIMIT_FSIZE, &normal);
        QVERIFY(whole && dialogs.messages.empty());
        QTRY_VERIFY(Kept(state) == editor->session());
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString end = app.arguments().value(2);
    if (app.arguments().value(1) != "--child") {
        RecoveryTest test;
        return QTest::qExec(&test, argc, argv);
    }
    FakeDialogs dialogs;
    const auto child = Start(dialogs, RecoveryFolder(getenv("XDG_STATE_HOME"), nullptr), false,
                             std::chrono::milliseconds(1000));
    Draw(*child);
    if (end == "escape") QTest::keyClick(child->mainWindow().windowHandle(), Qt::Key_Escape);
    std::puts("drawn");
    std::fflush(stdout);
    if (end != "escape") QTest::qWait(60000);  // until killed
    return child->quitting() ? 0 : 1;
}

#include "recovery_test.moc"
