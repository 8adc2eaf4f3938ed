// The random event sequences of the fuzz target, run with fixed seeds, and what the fuzzer
// found, so that every build catches it again without the fuzzer.
#include <QTest>
#include <climits>
#include <random>

#include "app/ids.h"
#include "fuzz/driver/event_run.h"

using namespace pixlore;

namespace {

// What the fuzzer found, each as the shortest story that shows it.
struct Finding {
    const char* name;
    std::vector<Event> events;
};

std::vector<Finding> Findings() {
    using T = CanvasEventType;
    return {
        {"hover outline at the far end of the integers",
         {CanvasEvent(CharsetCanvas, T::MouseMove, INT_MAX, INT_MAX),
          CanvasEvent(CharsetCanvas, T::MouseMove, INT_MIN, INT_MIN)}},
        {"drag frame at the far end of the integers",
         {CanvasEvent(CharsetCanvas, T::LeftButtonDown, 20, 20, kLeftButton),
          CanvasEvent(CharsetCanvas, T::MouseMove, INT_MAX, INT_MAX, kLeftButton),
          CanvasEvent(CharsetCanvas, T::MouseMove, INT_MIN, INT_MIN, kLeftButton)}},
        {"popup menu at the far end of the integers",
         {CanvasEvent(CharsetCanvas, T::RightClick, INT_MAX, INT_MAX),
          CanvasEvent(CharsetCanvas, T::RightClick, INT_MIN, INT_MIN)}},
        {"drop at the far end of the integers",
         {CanvasEvent(CharsetCanvas, T::LeftButtonDown, 20, 20, kLeftButton),
          CanvasEvent(CharsetCanvas, T::LeftButtonUp, INT_MIN, INT_MIN),
          CanvasEvent(CharsetCanvas, T::LeftButtonDown, 20, 20, kLeftButton),
          CanvasEvent(CharsetCanvas, T::LeftButtonUp, INT_MAX, INT_MAX)}},
    };
}

QByteArray Story(const fuzz::RunReport& report) {
    std::string story = report.failure + " after " + std::to_string(report.events) + " events:";
    for (const std::string& line : report.recent)
        story += "\n  " + line;
    return QByteArray::fromStdString(story);
}

}  // namespace

class EventSequencesTest : public QObject {
    Q_OBJECT

  private slots:
    void fixedSeeds() {
        std::mt19937 random(20261206);
        for (int run = 0; run < 24; ++run) {
            std::vector<std::uint8_t> bytes(1500);
            for (std::uint8_t& b : bytes)
                b = static_cast<std::uint8_t>(random());
            const fuzz::RunReport report = fuzz::RunEventBytes(bytes.data(), bytes.size());
            QVERIFY2(report.failure.empty(), Story(report).constData());
            QVERIFY(report.events > 0);
        }
    }

    void fuzzFindings() {
        for (const Finding& finding : Findings()) {
            const fuzz::RunReport report = fuzz::RunEvents(finding.events);
            QVERIFY2(report.failure.empty(),
                     (std::string(finding.name) + ": " + Story(report).toStdString()).c_str());
            QCOMPARE(report.events, int(finding.events.size()) + 1);  // and the start-up
        }
    }
};

QTEST_MAIN(EventSequencesTest)
#include "event_sequences_test.moc"
