#include "files/map_file.h"

#include <gtest/gtest.h>

#include "charmap/charmap.h"
#include "files/safe_write.h"
#include "temp_folder.h"

namespace pixlore {
namespace {

using testing::Pattern;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

CharMap MapOfSize(int width, int height, int seed) {
    CharMap map;
    for (int y = 0; y < CharMap::kRows; ++y)
        for (int x = 0; x < CharMap::kColumns; ++x)
            map.at(x, y) = (x * 31 + y * 7 + seed) % 300;  // also codes above 255
    SetMapSize(map, width, height);
    return map;
}

struct Size {
    int width, height;
};
constexpr Size kPresets[] = {{32, 24}, {40, 24}, {64, 30}, {80, 50}};

TEST(MapFile, RoundTripsEveryActiveCellAtEachSize) {
    for (const Size s : kPresets) {
        TempFolder folder;
        const CharMap saved = MapOfSize(s.width, s.height, 1);
        const std::vector<std::uint8_t> bytes = MapFileBytes(saved);
        ASSERT_EQ(bytes.size(), static_cast<std::size_t>(s.width * s.height));
        EXPECT_EQ(bytes[1], saved.at(1, 0) & 0xFF);
        EXPECT_EQ(bytes[s.width], saved.at(0, 1) & 0xFF);
        ASSERT_EQ(SafeWrite(folder / "m.map", bytes), WriteStatus::Written);

        const CharMap before = MapOfSize(s.width, s.height, 50);
        CharMap loaded = before;
        ASSERT_EQ(LoadMap(loaded, folder / "m.map"), MapLoad::Loaded);
        for (int y = 0; y < CharMap::kRows; ++y)
            for (int x = 0; x < CharMap::kColumns; ++x) {
                const bool active = x < s.width && y < s.height;
                ASSERT_EQ(loaded.at(x, y), active ? saved.at(x, y) & 0xFF : before.at(x, y))
                    << s.width << "x" << s.height << " cell " << x << "," << y;
            }
    }
}

TEST(MapFile, IsLaidOutByTheSizeActiveWhenRead) {
    struct Case {
        Size active;
        std::size_t fileBytes;
        MapLoad expected;
    };
    const Case cases[] = {
        {{40, 24}, 960, MapLoad::Loaded},  {{40, 24}, 961, MapLoad::TooBig},
        {{80, 50}, 960, MapLoad::Loaded},  // rows 0..11 of 80 cells
        {{40, 24}, 4000, MapLoad::TooBig}, {{32, 24}, 5, MapLoad::Loaded},
        {{64, 30}, 0, MapLoad::Loaded},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        const std::vector<std::uint8_t> file = Pattern(c.fileBytes, 9);
        WriteBytes(folder / "m.map", file);
        const CharMap before = MapOfSize(c.active.width, c.active.height, 2);
        CharMap map = before;
        ASSERT_EQ(LoadMap(map, folder / "m.map"), c.expected) << c.fileBytes;
        for (int y = 0; y < CharMap::kRows; ++y)
            for (int x = 0; x < CharMap::kColumns; ++x) {
                const std::size_t i = static_cast<std::size_t>(y) * c.active.width + x;
                const bool taken = c.expected == MapLoad::Loaded && x < c.active.width &&
                                   y < c.active.height && i < c.fileBytes;
                ASSERT_EQ(map.at(x, y), taken ? file[i] : before.at(x, y))
                    << c.fileBytes << " cell " << x << "," << y;
            }
    }
}

}  // namespace
}  // namespace pixlore
