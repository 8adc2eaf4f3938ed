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
    void okOnlyForALabelTheFormatTakes_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("ok");
        QTest::newRow("C, keyword") << int(ExportFormat::C) << "int" << false;
        QTest::newRow("C, newer keyword") << int(ExportFormat::C) << "_Bool" << false;
        QTest::newRow("C, keyword and more") << int(ExportFormat::C) << "int_" << true;
        QTest::newRow("assembler, C keyword") << int(ExportFormat::Assembler) << "int" << true;
    }
    void okOnlyForALabelTheFormatTakes() {
        QFETCH(int, format);
        QFETCH(QString, label);
        QFETCH(bool, ok);
        ExportDialog dialog(ExportSettings{}, nullptr);
        dialog.labelEdit()->setText(label);
        dialog.formatBox()->setCurrentIndex(format);
        QCOMPARE(dialog.okButton()->isEnabled(), ok);
    }
};

QTEST_MAIN(ExportLabelTest)
#include "export_label_test.moc"
