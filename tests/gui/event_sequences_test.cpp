// The random event sequences of the fuzz target with fixed seeds, and the inputs kept from its
// runs (fuzz/corpus/editor_events/regression-*), so that every build looks again without the
// fuzzer.
#include <QTest>
#include <filesystem>
#include <random>

#include "core/temp_folder.h"
#include "fuzz/driver/event_run.h"

using namespace pixlore;

class EventSequencesTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanupTestCase() { fuzz::EndSession(); }

    void sequences_data() {
        QTest::addColumn<std::vector<std::uint8_t>>("bytes");
        for (int seed = 1; seed <= 24; ++seed) {
            std::mt19937 random(seed);
            std::vector<std::uint8_t> bytes(1500);
            for (std::uint8_t& b : bytes)
                b = static_cast<std::uint8_t>(random());
            QTest::newRow(("seed " + std::to_string(seed)).c_str()) << bytes;
        }
        for (const auto& kept :
             std::filesystem::directory_iterator(PIXLORE_FUZZ_CORPUS "/editor_events"))
            if (kept.path().filename().string().starts_with("regression-"))
                QTest::newRow(kept.path().filename().c_str()) << testing::ReadBytes(kept.path());
    }
    void sequences() {
        QFETCH(std::vector<std::uint8_t>, bytes);
        const fuzz::RunReport report = fuzz::RunEventBytes(bytes.data(), bytes.size());
        QVERIFY2(report.failure.empty(), report.failure.c_str());
        QVERIFY(report.events > 1);
    }
};

QTEST_MAIN(EventSequencesTest)
#include "event_sequences_test.moc"
