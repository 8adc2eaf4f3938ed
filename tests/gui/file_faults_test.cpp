// Files that misbehave on disk: writes that fail, pipes, folders that may not be read and
// files that yield fewer bytes than they claim. Some cases run in a child copy of this program
// with a file size limit or as an ordinary user.
#include <grp.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QProcess>
#include <QTest>
#include <csignal>
#include <cstdio>
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

constexpr char kChildFlag[] = "--child";
constexpr int kCannotDropPrivileges = 77;

// Mismatches found by a check that runs outside a test function (in a child process).
struct Findings {
    std::string text;
    void expect(bool ok, const std::string& what) {
        if (!ok) text += what + "\n";
    }
    void expectMessage(const FakeDialogs& dialogs, const std::string& title,
                       const std::string& message) {
        const bool one = dialogs.messages.size() == 1;
        expect(one && dialogs.messages[0].title == title && dialogs.messages[0].text == message,
               "expected the message " + title + " / " + message +
                   (one ? ", got " + dialogs.messages[0].title + " / " + dialogs.messages[0].text
                        : ", got " + std::to_string(dialogs.messages.size()) + " messages"));
    }
};

// Saving a whole charset over name while files may not grow past 1000 bytes.
std::string CheckSaveUnderSizeLimit(const std::string& name) {
    Findings findings;
    EditorHarness editor;
    editor.dialogs.saveAnswers.push_back({name, 0});
    editor->DispatchCommand(Command::SaveIbm);
    findings.expectMessage(editor.dialogs, "Save file", "File Error:" + name);
    return findings.text;
}

// Dropping glyph files that this user may not read, and saving over one it may not write.
std::string CheckWithoutPermissions() {
    Findings findings;
    TempFolder folder;
    const std::string closed = folder / "closed", hidden = closed + "/font.fnt";
    const std::string locked = folder / "locked.fnt";
    std::filesystem::create_directory(closed);
    WriteBytes(hidden, Pattern(kCharsetBytes, 1));
    WriteBytes(locked, Pattern(kCharsetBytes, 2));
    chmod(closed.c_str(), 0);
    chmod(locked.c_str(), 0);
    struct Case {
        std::string name, title;
    };
    for (const Case& c : {Case{hidden, "No file"}, Case{locked, "Read error"}}) {
        EditorHarness editor;
        const std::string lastDirectory = editor.state().LastDirectory;
        user::DropFiles(editor->charsetCanvas(), {c.name});
        findings.expectMessage(editor.dialogs, c.title, c.name);
        const Charset& charset = editor.state().charset;
        findings.expect(std::all_of(charset.begin(), charset.end(), [](auto b) { return b == 0; }),
                        "the charset changed after " + c.name);
        findings.expect(editor.state().LastDirectory == lastDirectory,
                        "the folder of " + c.name + " was remembered");
    }
    chmod(closed.c_str(), 0700);

    const std::string readOnly = folder / "read-only.fnt";
    WriteBytes(readOnly, Pattern(100, 3));
    chmod(readOnly.c_str(), 0444);
    EditorHarness editor;
    editor.dialogs.saveAnswers.push_back({readOnly, 0});
    editor->DispatchCommand(Command::SaveIbm);
    findings.expectMessage(editor.dialogs, "Save file", "File Error:" + readOnly);
    findings.expect(ReadBytes(readOnly) == Pattern(100, 3), "a read-only file was replaced");
    return findings.text;
}

int RunChildCase(const QStringList& arguments) {
    const QString which = arguments.value(2);
    std::string failures = "unknown child case";
    if (which == "save-under-size-limit")
        failures = CheckSaveUnderSizeLimit(arguments.value(3).toStdString());
    else if (which == "without-permissions")
        failures = CheckWithoutPermissions();
    std::fputs(failures.c_str(), stderr);
    return failures.empty() ? 0 : 1;
}

struct ChildResult {
    int exitCode = -1;
    QString output;
};

// Runs a child case in a fresh copy of this program; prepare runs in the child before it
// starts the program.
ChildResult RunChild(const QStringList& arguments, std::function<void()> prepare) {
    QProcess child;
    child.setProgram(QCoreApplication::applicationFilePath());
    child.setArguments(QStringList{kChildFlag} + arguments);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.setChildProcessModifier(std::move(prepare));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("XDG_RUNTIME_DIR");
    child.setProcessEnvironment(environment);
    child.start();
    // Only a guard against a hang, never a measure.
    if (!child.waitForFinished(120000)) child.kill();
    return {child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1,
            QString::fromLocal8Bit(child.readAll())};
}

}  // namespace

class FileFaultsTest : public QObject {
    Q_OBJECT

  private slots:
    void failedWritesKeepTheOldFile() {
        TempFolder folder;
        const std::string name = folder / "font.fnt";
        const std::vector<std::uint8_t> old = Pattern(3000, 9);
        WriteBytes(name, old);
        const ChildResult result =
            RunChild({"save-under-size-limit", QString::fromStdString(name)}, [] {
                std::signal(SIGXFSZ, SIG_IGN);  // so write() fails with EFBIG instead
                const rlimit limit{1000, 1000};
                setrlimit(RLIMIT_FSIZE, &limit);
            });
        QVERIFY2(result.exitCode == 0, qPrintable(result.output));
        QCOMPARE(ReadBytes(name), old);
        QCOMPARE(folder.entries(), std::vector<std::string>{"font.fnt"});
    }

    void pipesDroppedOnEitherCanvasAreRefusedAtOnce() {
        TempFolder folder;
        const std::string pipe = folder / "pipe.fnt";
        QCOMPARE(mkfifo(pipe.c_str(), 0600), 0);
        EditorHarness editor;
        // Opening a pipe for reading would block for ever: end the test rather than hang.
        alarm(60);
        user::DropFiles(editor->charsetCanvas(), {pipe});
        user::DropFiles(editor->mapCanvas(), {pipe});
        alarm(0);
        QCOMPARE(editor.dialogs.messages.size(), std::size_t(2));
        QCOMPARE(editor.dialogs.messages[0].title, std::string("No file"));
        QCOMPARE(editor.dialogs.messages[0].text, pipe);
        QCOMPARE(editor.dialogs.messages[1].title, std::string("Open File"));
        QCOMPARE(editor.dialogs.messages[1].text, "unable to open:" + pipe);
    }

    void filesWithoutPermissionAreRefused() {
        if (geteuid() != 0) {
            const std::string failures = CheckWithoutPermissions();
            QVERIFY2(failures.empty(), failures.c_str());
            return;
        }
        // Permission bits do not stop root: check as the unprivileged user in a child.
        const passwd* nobody = getpwnam("nobody");
        if (!nobody) QSKIP("no unprivileged user to run as");
        const uid_t uid = nobody->pw_uid;
        const gid_t gid = nobody->pw_gid;
        const ChildResult result = RunChild({"without-permissions"}, [uid, gid] {
            if (setgroups(0, nullptr) != 0 || setgid(gid) != 0 || setuid(uid) != 0)
                _exit(kCannotDropPrivileges);
        });
        if (result.exitCode == kCannotDropPrivileges) QSKIP("cannot drop root privileges here");
        QVERIFY2(result.exitCode == 0, qPrintable(result.output));
    }

    void aShortReadChangesNothing() {
        // Attributes under /sys claim 4096 bytes and hold a few.
        const std::string name = "/sys/kernel/profiling";
        struct stat st {};
        if (stat(name.c_str(), &st) != 0 || st.st_size < 8 || ReadBytes(name).size() >= 8)
            QSKIP("no short sysfs file here");
        EditorHarness editor;
        user::DropFiles(editor->charsetCanvas(), {name});
        QCOMPARE(editor.dialogs.messages.size(), std::size_t(1));
        QCOMPARE(editor.dialogs.messages[0].title, std::string("Read error"));
        QCOMPARE(editor.dialogs.messages[0].text, name);
        const Charset& charset = editor.state().charset;
        QVERIFY(std::all_of(charset.begin(), charset.end(), [](auto b) { return b == 0; }));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.value(1) == kChildFlag) return RunChildCase(arguments);
    FileFaultsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "file_faults_test.moc"
