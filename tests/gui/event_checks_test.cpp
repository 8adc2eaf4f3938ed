// The checks the random event sequences rely on must see what they are there to see: each
// fault planted in a started editor is reported, and an untouched editor passes.
#include <QTest>
#include <functional>

#include "app/ids.h"
#include "fuzz/driver/invariants.h"
#include "fuzz/driver/view_check.h"
#include "gui/support/editor_fixture.h"

using namespace pixlore;

namespace {

struct Planted {
    const char* name;
    std::function<void(EditorHarness&, fuzz::Feedback&)> plant;
    const char* reported;  // part of the report; empty when the checks must pass
};

void Flip(Image& image, int x, int y) {
    image.row(y)[x] ^= 0x00FFFFFF;
}

const std::vector<Planted>& Cases() {
    static const std::vector<Planted> cases = {
        {"untouched", [](EditorHarness&, fuzz::Feedback&) {}, ""},
        {"glyph canvas pixel",
         [](EditorHarness& e, fuzz::Feedback&) { Flip(e->glyphCanvas().surface(), 5, 5); },
         "glyph canvas is stale"},
        {"data field",
         [](EditorHarness& e, fuzz::Feedback&) { e->glyphDataField().setPlainText("1,2"); },
         "data field is stale"},
        {"charset canvas pixel",
         [](EditorHarness& e, fuzz::Feedback&) { Flip(e->charsetCanvas().surface(), 100, 9); },
         "charset canvas is not"},
        {"charset picture pixel",
         [](EditorHarness& e, fuzz::Feedback&) { Flip(e.state().CharsetImage, 3, 3); },
         "CharsetImage"},
        {"hover frame still shown",
         [](EditorHarness& e, fuzz::Feedback& f) {
             f.charsetFrame = fuzz::Feedback::Frame::Hover;
             f.x = 17;
             f.y = 40;
             e->ShowCharsetHover(17, 40);
         },
         ""},
        {"hover frame after the cursor moved",
         [](EditorHarness& e, fuzz::Feedback& f) {
             f.charsetFrame = fuzz::Feedback::Frame::Hover;
             e->ShowCharsetHover(17, 40);
             e.state().selection = {1, 1, 0};
         },
         "neither"},
        {"map canvas pixel",
         [](EditorHarness& e, fuzz::Feedback&) {
             e->RenderCharMap();
             Flip(e->mapCanvas().surface(), 639, 383);
         },
         "map canvas is stale"},
        {"map canvas beyond the active area",
         [](EditorHarness& e, fuzz::Feedback&) {
             e->RenderCharMap();
             Flip(e->mapCanvas().surface(), 640, 0);
         },
         ""},
        {"map hover outline",
         [](EditorHarness& e, fuzz::Feedback& f) {
             f.mapHover = Cell{39, 23};
             e->ShowMapHover(39 * 16, 23 * 16);
         },
         ""},
        {"selection off its cell",
         [](EditorHarness& e, fuzz::Feedback&) { e.state().selection.CurrentChar = 5; },
         "not the cursor's cell"},
        {"cursor beyond the grid",
         [](EditorHarness& e, fuzz::Feedback&) {
             e.state().selection = {0, 16, 15};
         },
         "outside the grid"},
        {"map cell above 255",
         [](EditorHarness& e, fuzz::Feedback&) { e.state().map.at(80, 50) = 256; }, "map cell"},
        {"map size no preset has",
         [](EditorHarness& e, fuzz::Feedback&) { e.state().map.MapWidth = 41; }, "map size"},
        {"popup cell outside the array",
         [](EditorHarness& e, fuzz::Feedback&) { e.state().map.PopupCellX = 81; }, "popup cell"},
        {"drag state 2", [](EditorHarness& e, fuzz::Feedback&) { e.state().drag.DragState = 2; },
         "DragState"},
        {"colours of no charset",
         [](EditorHarness& e, fuzz::Feedback&) { e.state().palette.InkColor = 0x123456; },
         "colours"},
        {"title",
         [](EditorHarness& e, fuzz::Feedback&) { e->mainWindow().setTitle("pixlore v2 0.9b 1"); },
         "main window title"},
        {"range label",
         [](EditorHarness& e, fuzz::Feedback&) { e->beginRangeLabel().setText("BeginRange:1"); },
         "range labels"},
        {"both drag marks",
         [](EditorHarness& e, fuzz::Feedback&) {
             e->mainMenu().setChecked(Command::DragModeCopy, true);
         },
         "drag mode"},
        {"map window shown", [](EditorHarness& e, fuzz::Feedback&) { e->mapWindow().show(); },
         "map window shown"},
    };
    return cases;
}

}  // namespace

class EventChecksTest : public QObject {
    Q_OBJECT

  private slots:
    void plantedFaults() {
        for (const Planted& c : Cases()) {
            EditorHarness editor;
            const fuzz::Surfaces surfaces(*editor);
            fuzz::Feedback feedback;
            c.plant(editor, feedback);
            std::string report = fuzz::CheckState(*editor, {}, surfaces, 0);
            if (report.empty()) report = fuzz::CheckViews(*editor, feedback);
            if (*c.reported == '\0')
                QVERIFY2(report.empty(), (std::string(c.name) + ": " + report).c_str());
            else
                QVERIFY2(report.find(c.reported) != std::string::npos,
                         (std::string(c.name) + ": \"" + report + "\"").c_str());
        }
    }

    void unexpectedMessages() {
        const std::vector<FakeDialogs::Message> messages = {{"No file", "x"},
                                                            {"pixlore", "draw char map error!"}};
        QCOMPARE(fuzz::CheckMessageTitles(messages, 0),
                 std::string("message box \"pixlore\": draw char map error!"));
        QCOMPARE(fuzz::CheckMessageTitles(messages, 2), std::string());
    }
};

QTEST_MAIN(EventChecksTest)
#include "event_checks_test.moc"
