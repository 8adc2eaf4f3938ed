#include "files/file_names.h"

#include <gtest/gtest.h>

namespace pixlore {
namespace {

TEST(WithExtension, AppendsUnlessTheLastFourCharactersMatchInLowerCase) {
    struct Case {
        const char* name;
        const char* extension;
        const char* expected;
    };
    const Case cases[] = {
        {"/f/font", ".fnt", "/f/font.fnt"},
        {"/f/a.txt", ".fnt", "/f/a.txt.fnt"},
        {"/f/A.FNT", ".fnt", "/f/A.FNT"},
        {"/f/a.fnt.map", ".fnt", "/f/a.fnt.map.fnt"},
        {"/f/picture", ".bmp", "/f/picture.bmp"},
        {"/f/a.png", ".bmp", "/f/a.png.bmp"},
        {"/f/P.BMP", ".bmp", "/f/P.BMP"},
        // Shorter than four characters: compared whole, so never equal.
        {"fnt", ".fnt", "fnt.fnt"},
        {"", ".bmp", ".bmp"},
        {".fnt", ".fnt", ".fnt"},
        // Letters beyond ASCII are left alone, and their bytes never match.
        {"/f/Шрифт", ".fnt", "/f/Шрифт.fnt"},
        {"/f/Шрифт.FNT", ".fnt", "/f/Шрифт.FNT"},
        {"/f/ÉTÉ.BMP", ".bmp", "/f/ÉTÉ.BMP"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WithExtension(c.name, c.extension), c.expected) << c.name;
}

TEST(FolderPart, EndsAtTheLastSlashOrBackslash) {
    struct Case {
        const char* name;
        const char* expected;
    };
    const Case cases[] = {
        {"/home/me/fonts/a.fnt", "/home/me/fonts/"},
        {"/a.fnt", "/"},
        {"C:\\fonts\\a.fnt", "C:\\fonts\\"},
        {"/home/me\\odd/a.fnt", "/home/me\\odd/"},
        {"/home/me/odd\\a.fnt", "/home/me/odd\\"},
        {"/home/me/fonts/", "/home/me/fonts/"},
        {"a.fnt", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FolderPart(c.name), c.expected) << c.name;
}

}  // namespace
}  // namespace pixlore
