// The random event sequences of the fuzz target with fixed seeds, and what the fuzzer found, so
// that every build looks again without the fuzzer.
#include <QTest>
#include <climits>
#include <random>

#include "app/ids.h"
#include "fuzz/driver/event_run.h"

using namespace pixlore;

Q_DECLARE_METATYPE(std::vector<pixlore::Event>)

namespace {

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
    void cleanupTestCase() { fuzz::EndSession(); }

    void sequences_data() {
        QTest::addColumn<int>("seed");
        for (int seed = 1; seed <= 24; ++seed)
            QTest::newRow(std::to_string(seed).c_str()) << seed;
    }
    void sequences() {
        QFETCH(int, seed);
        std::mt19937 random(seed);
        std::vector<std::uint8_t> bytes(1500);
        for (std::uint8_t& b : bytes)
            b = static_cast<std::uint8_t>(random());
        const fuzz::RunReport report = fuzz::RunEventBytes(bytes.data(), bytes.size());
        QVERIFY2(report.failure.empty(), Story(report).constData());
        QVERIFY(report.events > 1);
    }

    // Each the shortest story that shows what the fuzzer found.
    void findings_data() {
        using T = CanvasEventType;
        QTest::addColumn<std::vector<Event>>("events");
        const auto at = [](T type, int x, int y, int buttons = 0) {
            return CanvasEvent(CharsetCanvas, type, x, y, buttons);
        };
        QTest::newRow("hover outline at the ends of int")
            << std::vector{at(T::MouseMove, INT_MAX, INT_MAX), at(T::MouseMove, INT_MIN, INT_MIN)};
        QTest::newRow("drag frame at the ends of int")
            << std::vector{at(T::LeftButtonDown, 20, 20, kLeftButton),
                           at(T::MouseMove, INT_MAX, INT_MAX, kLeftButton),
                           at(T::MouseMove, INT_MIN, INT_MIN, kLeftButton)};
        QTest::newRow("popup menu at the ends of int") << std::vector{
            at(T::RightClick, INT_MAX, INT_MAX), at(T::RightClick, INT_MIN, INT_MIN)};
        QTest::newRow("drop at the ends of int") << std::vector{
            at(T::LeftButtonDown, 20, 20, kLeftButton), at(T::LeftButtonUp, INT_MIN, INT_MIN),
            at(T::LeftButtonDown, 20, 20, kLeftButton), at(T::LeftButtonUp, INT_MAX, INT_MAX)};
    }
    void findings() {
        QFETCH(std::vector<Event>, events);
        const fuzz::RunReport report = fuzz::RunEvents(events);
        QVERIFY2(report.failure.empty(), Story(report).constData());
        QCOMPARE(report.events, static_cast<int>(events.size()) + 1);  // and the start-up
    }
};

QTEST_MAIN(EventSequencesTest)
#include "event_sequences_test.moc"
