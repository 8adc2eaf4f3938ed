#include <QApplication>
#include <QDir>
#include <csignal>
#include <cstdlib>

#include "app/editor.h"
#include "files/recovery_store.h"
#include "platform/qt_dialogs.h"

int main(int argc, char** argv) {
    // Past a file size limit a write should fail and be reported, not end the program and
    // take the unsaved work with it.
    std::signal(SIGXFSZ, SIG_IGN);
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
