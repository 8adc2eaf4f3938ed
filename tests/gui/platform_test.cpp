// What the toolkit layer adds: canvas events from real pointer, key and drop input, key codes,
// and the export dialog.
#include <QComboBox>
#include <QEnterEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

#include "platform/canvas.h"
#include "platform/export_dialog.h"
#include "platform/key_codes.h"
#include "platform/pointer_relay.h"

using namespace pixlore;

namespace {

// A canvas of 128 x 96 at (40, 30) in a window of its own, beside a plain widget, recording
// what it reports as "Ld 10,10 1": L, R or M with d(own), u(p) or c(lick), or mv(ove),
// en(ter), lv (leave), k(ey)u(p), kd, then the position and the buttons held.
struct Probe {
    explicit Probe(bool border, bool relay) {
        canvas = new Canvas(
            {7, 128, 96, border, true, true, kBlack},
            [this](const Event& e) {
                const char* kTypes[] = {"Ld", "Lu", "Lc", "Rd", "Rc", "mv", "en",  "ku",
                                        "lv", "Ru", "Md", "Mu", "wh", "kd", "drop"};
                log << QString::asprintf("%s %d,%d %d", kTypes[int(e.type)], e.MouseX, e.MouseY,
                                         e.Buttons) +
                           (e.Key ? QString(" %1").arg(e.Key) : "") + e.text.c_str();
            },
            &window);
        canvas->move(40, 30);
        (new QWidget(&window))->setGeometry(250, 30, 100, 100);
        if (relay) new PointerRelay(&window);
        window.setFixedSize(400, 320);
        window.show();
        canvas->setFocus();
        if (!QTest::qWaitForWindowActive(&window)) qWarning("probe window not active");
    }
    QWidget window;
    Canvas* canvas;
    QStringList log;
};

}  // namespace

class PlatformTest : public QObject {
    Q_OBJECT

  private slots:
    // Steps: "m x,y" a move; "p", "r" or "d" and L, R or M a press, release or double click
    // of that button; "e x,y" the pointer coming in, "l" going out; "|" forgets what came
    // before. Positions are surface pixels, inside any border. "B" a border, "R" a relay.
    void canvasEvents() {
        const std::pair<QString, QString> rows[] = {
            {"m 10,10 | p L 10,10 m 0,95 r L 0,95", "Ld 10,10 1; mv 0,95 1; Lu 0,95 0; Lc 0,95 0"},
            // While a button is held the canvas keeps the pointer; a release outside is no click.
            {"B m 5,5 p L 5,5 | m -30,250 m 300,-20 m 5000,5000 r L 5000,5000 m 300,20",
             "mv -30,250 1; mv 300,-20 1; mv 5000,5000 1; Lu 5000,5000 0; lv 5000,5000 0"},
            {"B m 64,48 p L 64,48 m 129,10 | r L 129,10", "Lu 129,10 0; Lc 129,10 0"},
            {"B m 64,48 p L 64,48 m 130,10 | r L 130,10", "Lu 130,10 0; lv 130,10 0"},
            {"B m 64,48 p R 64,48 m -2,10 | r R -2,10", "Ru -2,10 0; Rc -2,10 0"},
            {"m 20,30 | p R 20,30 r R 20,30 p M 20,30 m 22,31 r M 22,31",
             "Rd 20,30 2; Ru 20,30 0; Rc 20,30 0; Md 20,30 4; mv 22,31 4; Mu 22,31 0"},
            {"m 20,30 | p L 20,30 p R 20,30 m 200,31 r R 200,31 m 40,31 r L 40,31",
             "Ld 20,30 1; Rd 20,30 3; mv 200,31 3; Ru 200,31 1; mv 40,31 1; Lu 40,31 0; Lc 40,31 "
             "0"},
            {"m 9,9 | d L 9,9", "Ld 9,9 1; Lu 9,9 0; Lc 9,9 0; Ld 9,9 1; Lu 9,9 0; Lc 9,9 0"},
            // The first move after the pointer came in is MouseEnter, a button held or not.
            {"B m 300,50 | e 3,4 m 3,4 m 5,4 l e 5,4 p L 5,4 m 9,9 m 10,9 r L 10,9",
             "en 3,4 0; mv 5,4 0; lv 5,4 0; Ld 5,4 1; en 9,9 1; mv 10,9 1; Lu 10,9 0; Lc 10,9 0"},
            // A press on the window's background or a plain widget captures nothing: the canvas
            // reports the moves over it and a release, but no click.
            {"R m -20,10 p L -20,10 m -19,10 | m 5,5 m 6,7 p R 6,7 r R 6,7 m -5,7 m 8,9 r L 8,9 m "
             "11,9",
             "en 5,5 1; mv 6,7 1; Rd 6,7 3; Ru 6,7 1; lv 6,7 0; en 8,9 1; Lu 8,9 0; mv 11,9 0"},
            {"R m 230,10 p L 230,10 m 231,10 | m 5,5 m 6,7 r L 6,7",
             "en 5,5 1; mv 6,7 1; Lu 6,7 0"}};
        for (const auto& [steps, events] : rows) {
            Probe probe(steps.startsWith('B'), steps.startsWith('R'));
            const QStringList w = steps.split(' ');
            for (int i = 0; i < w.size(); ++i) {
                QEvent leave(QEvent::Leave);
                if (w[i] == "|") probe.log.clear();
                if (w[i] == "l") QCoreApplication::sendEvent(probe.canvas, &leave);
                if (w[i].size() != 1 || !QString("mprde").contains(w[i])) continue;
                const bool button = QString("prd").contains(w[i]);
                const QStringList xy = w[i + 1 + button].split(',');
                const auto which =
                    button ? Qt::MouseButton(1 << QString("LRM").indexOf(w[i + 1])) : Qt::NoButton;
                const QPoint local =
                    QPoint(xy[0].toInt(), xy[1].toInt()) + QPoint(1, 1) * probe.canvas->border();
                const QPoint at = probe.canvas->mapTo(&probe.window, local);
                QWindow* window = probe.window.windowHandle();
                if (w[i] == "m") QTest::mouseMove(window, at);
                if (w[i] == "p") QTest::mousePress(window, which, {}, at);
                if (w[i] == "r") QTest::mouseRelease(window, which, {}, at);
                if (w[i] == "d") QTest::mouseDClick(window, which, {}, at);
                QEnterEvent enter(local, at, probe.canvas->mapToGlobal(local));
                if (w[i] == "e") QCoreApplication::sendEvent(probe.canvas, &enter);
            }
            QCOMPARE(steps + ": " + probe.log.join("; "), steps + ": " + events);
        }
    }

    // Keys are reported on their real release with their virtual-key codes, and only with the
    // focus; files dropped from the desktop come as their names joined by line feeds.
    void keysAndDrops() {
        const int codes[][2] = {
            {Qt::Key_A, 65},      {Qt::Key_Z, 90},      {Qt::Key_0, 48},     {Qt::Key_9, 57},
            {Qt::Key_F1, 112},    {Qt::Key_F24, 135},   {Qt::Key_Left, 37},  {Qt::Key_Down, 40},
            {Qt::Key_Insert, 45}, {Qt::Key_Return, 13}, {Qt::Key_Enter, 13}, {Qt::Key_Escape, 27},
            {Qt::Key_Backtab, 9}, {Qt::Key_Minus, 189}, {Qt::Key_At, 0},     {Qt::Key_Launch0, 0}};
        for (auto [key, code] : codes)
            QVERIFY2(VirtualKeyOf(key) == code, qPrintable(QString::number(key)));
        Probe probe(false, false);
        QWindow* window = probe.window.windowHandle();
        for (int i = 0; i < 8; ++i)  // a held key repeats its press and release
            QTest::simulateEvent(window, i % 2 == 0, Qt::Key_Insert, {}, "", i > 0 && i < 7);
        probe.canvas->clearFocus();
        QTest::keyClick(window, Qt::Key_Z);
        QMimeData mime;
        mime.setUrls(
            {QUrl::fromLocalFile("/tmp/Шрифт été.fnt"), QUrl::fromLocalFile("/tmp/b c.map")});
        QDragEnterEvent enter({50, 50}, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, {});
        QDropEvent drop({50, 50}, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, {});
        QCoreApplication::sendEvent(probe.canvas, &enter);
        QCoreApplication::sendEvent(probe.canvas, &drop);
        QVERIFY(enter.isAccepted() && drop.dropAction() == Qt::CopyAction);
        QCOMPARE(probe.log.join("; "),
                 QString("kd 0,0 0 45; kd 0,0 0 45; kd 0,0 0 45; kd 0,0 0 45; ku 0,0 0 45; "
                         "drop 0,0 0/tmp/Шрифт été.fnt\n/tmp/b c.map"));
    }

    void dialogs() {
        // The export dialog opens with the choices made last; the usual load address follows
        // what is written until the user types another; a broken label or address is refused,
        // and a keyword of C only for C.
        ExportDialog dialog({ExportWhat::Range, ExportFormat::Assembler, Directive::Defb,
                             ValueStyle::ZeroX, -1, ""},
                            nullptr);
        QString seen = dialog.addressEdit()->text();
        const std::tuple<int, int, QLineEdit*, const char*> steps[] = {
            {2, 2, dialog.addressEdit(), "$10000"}, {2, 2, dialog.addressEdit(), "0xC000"},
            {0, 0, dialog.labelEdit(), "2nd"},      {0, 1, dialog.labelEdit(), "int"},
            {0, 0, dialog.labelEdit(), "int"},      {0, 0, dialog.labelEdit(), "second"}};
        for (auto [what, format, edit, text] : steps) {
            dialog.whatBox()->setCurrentIndex(what);
            dialog.formatBox()->setCurrentIndex(format);
            seen += " " + dialog.addressEdit()->text();
            edit->setText(text);
            seen += dialog.okButton()->isEnabled() ? "+" : "-";
        }
        QCOMPARE(seen, QString("$2000 $0400- $10000+ 0xC000- 0xC000- 0xC000+ 0xC000+"));
        const ExportSettings s = dialog.settings();
        QVERIFY(std::tuple(s.what, s.format, s.directive, s.values, s.loadAddress, s.label) ==
                std::tuple(ExportWhat::Range, ExportFormat::Assembler, Directive::Defb,
                           ValueStyle::ZeroX, 0xC000, "second"));
    }
};

QTEST_MAIN(PlatformTest)
#include "platform_test.moc"
