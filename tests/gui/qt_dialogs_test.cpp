#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>

#include "core/temp_folder.h"
#include "platform/qt_dialogs.h"

using namespace pixlore;
using testing::TempFolder;
using testing::WriteBytes;

namespace {

struct Seen {
    QString title, folder, filter;
    QStringList filters;
    bool askedToOverwrite = false;
};

// Acts as the user in the next file dialog: picks the filter at filterIndex with the keyboard,
// types name and presses Enter. Records what the dialog showed, and closes any question
// that follows.
void AnswerNextDialog(Seen& seen, int filterIndex, const QString& name) {
    QTimer::singleShot(0, [&seen, filterIndex, name] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        seen.title = dialog->windowTitle();
        seen.folder = dialog->directory().absolutePath();
        seen.filters = dialog->nameFilters();
        seen.filter = dialog->selectedNameFilter();
        auto* combo = dialog->findChild<QComboBox*>("fileTypeCombo");
        for (int i = 0; combo && i < filterIndex; ++i)
            QTest::keyClick(combo, Qt::Key_Down);
        auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
        edit->setFocus();
        edit->clear();
        QTest::keyClicks(edit, name);
        QTimer::singleShot(0, [&seen, dialog = QPointer<QFileDialog>(dialog)] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box) {
                seen.askedToOverwrite = true;
                box->accept();
            }
            if (dialog && dialog->isVisible()) dialog->reject();
        });
        QTest::keyClick(edit, Qt::Key_Return);
    });
}

}  // namespace

class QtDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void openDialogReturnsTheFilterInForceAndTakesMissingNames() {
        TempFolder folder;
        QtDialogs dialogs;
        Seen seen;
        AnswerNextDialog(seen, 1, "not there.fnt");
        const Dialogs::FileChoice choice =
            dialogs.openFile("Please choose file to load", folder.path() + "/",
                             "Font (*.fnt)|*.fnt|Character map (*.map)|*.map");
        QCOMPARE(seen.title, QString("Please choose file to load"));
        QCOMPARE(seen.folder, QString::fromStdString(folder.path()));
        QCOMPARE(seen.filters, (QStringList{"Font (*.fnt)", "Character map (*.map)"}));
        QCOMPARE(seen.filter, QString("Font (*.fnt)"));
        QCOMPARE(choice.name, folder / "not there.fnt");
        QCOMPARE(choice.filterIndex, 1);
    }

    void openDialogWantsAnExistingFolder() {
        TempFolder folder;
        QtDialogs dialogs;
        Seen seen;
        AnswerNextDialog(seen, 0, "no folder/x.fnt");
        const Dialogs::FileChoice choice =
            dialogs.openFile("t", folder.path() + "/", "Font (*.fnt)|*.fnt");
        QCOMPARE(choice.name, std::string());
    }

    void saveDialogReplacesWithoutAsking() {
        TempFolder folder;
        WriteBytes(folder / "old.bmp", {1, 2, 3});
        QtDialogs dialogs;
        Seen seen;
        AnswerNextDialog(seen, 0, "old.bmp");
        const Dialogs::FileChoice choice =
            dialogs.saveFile("Please choose file to save", folder.path() + "/", ".bmp");
        QVERIFY(!seen.askedToOverwrite);
        QCOMPARE(seen.title, QString("Please choose file to save"));
        QCOMPARE(seen.filter, seen.filters.value(0));
        QCOMPARE(choice.name, folder / "old.bmp");
        QCOMPARE(choice.filterIndex, 0);
    }
};

QTEST_MAIN(QtDialogsTest)
#include "qt_dialogs_test.moc"
