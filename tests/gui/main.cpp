#include <QApplication>
#include <QTest>

#include "tests.h"

// "gui_tests NAME [Qt Test options]" runs the tests of one class, "gui_tests" all of them.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool one = argc > 1 && argv[1][0] != '-';
    int failed = 0;
    for (const auto& [name, make] : pixlore::tests::Registry())
        if (!one || name == argv[1]) failed += QTest::qExec(make().get(), argc - one, argv + one);
    return failed;
}
