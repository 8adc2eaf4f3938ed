#include <QApplication>
#include <QDir>
#include <csignal>

#include "app/editor.h"
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
    options.currentDirectory = QDir::currentPath().toStdString();
    options.quit = [] { QCoreApplication::exit(0); };
    pixlore::Editor editor(dialogs, options);
    editor.start();
    app.exec();
    return 0;  // however it ends, the program ends with exit code 0
}
