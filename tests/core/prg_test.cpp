#include "formats/prg.h"

#include <gtest/gtest.h>

namespace pixlore {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(Prg, LoadAddressLowByteFirstThenTheData) {
    EXPECT_EQ(EncodePrg(0x3800, {1, 2, 3}), (Bytes{0x00, 0x38, 1, 2, 3}));
    EXPECT_EQ(EncodePrg(0x04FF, {9}), (Bytes{0xFF, 0x04, 9}));
    const auto prg = DecodePrg(EncodePrg(0xC123, {7, 8}));
    ASSERT_TRUE(prg.ok()) << prg.reason;
    EXPECT_EQ(prg.value->loadAddress, 0xC123);
    EXPECT_EQ(prg.value->data, (Bytes{7, 8}));
}

TEST(Prg, RefusesFilesWithoutDataOrRunningPastMemory) {
    struct Case {
        Bytes file;
        bool ok;
        const char* reason;
    };
    const Case cases[] = {
        {{}, false, "too short for a PRG file"},
        {{0x00, 0x20}, false, "too short for a PRG file"},
        {{0xFF, 0xFF, 1}, true, ""},
        {{0xFF, 0xFF, 1, 2}, false, "the data runs past the end of the C64's memory"},
        {{0x00, 0xF8, 0}, true, ""},
    };
    for (const Case& c : cases) {
        const auto prg = DecodePrg(c.file);
        EXPECT_EQ(prg.ok(), c.ok) << c.file.size();
        EXPECT_EQ(prg.reason, c.reason);
    }
    Bytes full = EncodePrg(0xF800, Bytes(2048, 0xAA));
    EXPECT_TRUE(DecodePrg(full).ok());
    full.push_back(0);
    EXPECT_FALSE(DecodePrg(full).ok());
}

}  // namespace
}  // namespace pixlore
