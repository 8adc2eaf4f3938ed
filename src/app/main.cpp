#include <QApplication>
#include <QDir>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "app/editor.h"
#include "files/recovery_store.h"
#include "platform/qt_dialogs.h"

namespace {

const char* const kHelpText = R"(Usage: pixlore [--recover] [FILE]

An editor for the 8 x 8 pixel charsets of home computers, with a second window,
the character map, where a screen of text is laid out in that charset.

With exactly one argument, FILE is a glyph file loaded at start-up. With none,
or with two or more, nothing is loaded. --recover is not counted among them.

Options:
  --recover   start with the last session restored: the newest recovery file,
              under $XDG_STATE_HOME/pixlore/ (by default ~/.local/state/pixlore/),
              of a pixlore that is no longer running
  --help      show this text and exit (only as the one argument)
  --version   show the version and exit (only as the one argument)

A glyph file named like an option is given with its path, as in ./--help.
The exit code is 0.
)";

// The command line's own options answer without opening a window, so they work without a
// display. Only a lone argument can be one: any other command line belongs to the editor.
bool AnsweredCommandLine(int argc, char** argv) {
    if (argc != 2) return false;
    const std::string_view arg = argv[1];
    if (arg == "--help")
        std::fputs(kHelpText, stdout);
    else if (arg == "--version")
        std::puts("pixlore " PIXLORE_VERSION);
    else
        return false;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (AnsweredCommandLine(argc, argv)) return 0;
    // Past a file size limit a write should fail and be reported, not end the program and
    // take the unsaved work with it.
    std::signal(SIGXFSZ, SIG_IGN);
    // With shared memory the X11 backing store waits for a round trip to the server before
    // each paint over an area it sent last, which every hover and paint stroke does; the few
    // pixels a move changes cost less to send along. The user's own setting wins.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication app(argc, argv);
    pixlore::QtDialogs dialogs;
    pixlore::Editor::Options options;
    for (int i = 1; i < argc; ++i)
        options.arguments.emplace_back(argv[i]);
    // --recover starts with the last session; the other arguments count as before.
    options.recover = std::erase(options.arguments, "--recover") > 0;
    options.recoveryFolder =
        pixlore::RecoveryFolder(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
    options.currentDirectory = QDir::currentPath().toStdString();
    options.quit = [] { QCoreApplication::exit(0); };
    pixlore::Editor editor(dialogs, options);
    editor.start();
    app.exec();
    return 0;  // however it ends, the program ends with exit code 0
}
