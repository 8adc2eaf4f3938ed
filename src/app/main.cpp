#include <QApplication>
#include <QDir>

#include "app/editor.h"
#include "platform/qt_dialogs.h"

int main(int argc, char** argv) {
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
