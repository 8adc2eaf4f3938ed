// The export dialog takes only a label that compiles: C cannot name its array after one of
// its keywords, while every assembler takes such a word as a label.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "platform/export_dialog.h"

using namespace pixlore;

class ExportLabelTest : public QObject {
    Q_OBJECT

  private slots:
    void okStaysOffForACKeywordInCSourceOnly() {
        ExportDialog dialog(ExportSettings{}, nullptr);
        dialog.labelEdit()->setText("int");
        QVERIFY(dialog.okButton()->isEnabled());
        dialog.formatBox()->setCurrentIndex(int(ExportFormat::C));
        QVERIFY(!dialog.okButton()->isEnabled());
    }
};

QTEST_MAIN(ExportLabelTest)
#include "export_label_test.moc"
