// Random event sequences on a headless editor: canvas events of every kind anywhere, keys,
// every command, window closes, dropped and opened files of random content, with the views,
// the state and the files checked after every event.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "fuzz/driver/event_run.h"

extern "C" int LLVMFuzzerInitialize(int*, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The offscreen platform warns of every window it cannot raise: noise at this rate.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    });
    static int qtArgc = 1;
    static char* qtArgv[] = {(*argv)[0], nullptr};
    static QApplication app(qtArgc, qtArgv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const pixlore::fuzz::RunReport report = pixlore::fuzz::RunEventBytes(data, size);
    if (report.failure.empty()) return 0;
    std::fprintf(stderr, "\nInvariant failed (event %d): %s\n", report.events,
                 report.failure.c_str());
    std::abort();
}
