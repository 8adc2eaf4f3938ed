#include "charset/text_codes.h"

#include <span>
#include <string_view>

#include "charset/text_1252.h"

namespace pixlore {
namespace {

// Characters at consecutive codes from first on.
struct Run {
    int first;
    std::u32string_view characters;
};

constexpr std::u32string_view kAsciiFromSpace =
    U" !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_";
constexpr std::u32string_view kAsciiSmall = U"`abcdefghijklmnopqrstuvwxyz{|}~";

// IBM code page 866, as Unicode's mapping of it (MICSFT/PC/CP866.TXT) gives it.
constexpr Run kIbm866[] = {
    {0x20, kAsciiFromSpace},
    {0x60, kAsciiSmall},
    {0x80, U"АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдежзийклмноп"},
    {0xB0, U"░▒▓│┤╡╢╖╕╣║╗╝╜╛┐└┴┬├─┼╞╟╚╔╩╦╠═╬╧╨╤╥╙╘╒╓╫╪┘┌█▄▌▐▀"},
    {0xE0, U"рстуфхцчшщъыьэюяЁёЄєЇїЎў°∙·√№¤■\u00A0"},
};

// Screen codes of the C64's upper-case set, as the Commodore 64 Programmer's Reference Guide
// lists them (Appendix B), with the graphics that have a Unicode character of their own.
constexpr Run kC64Screen[] = {
    {0, U"@ABCDEFGHIJKLMNOPQRSTUVWXYZ[£]↑← !\"#$%&'()*+,-./0123456789:;<=>?"},
    {64, U"─♠"},
    {81, U"●"},
    {83, U"♥"},
    {87, U"○♣"},
    {90, U"♦┼"},
    {94, U"π"},
};

// The Atari 400/800's internal screen codes: ATASCII 32..95 at 0..63, its graphics 0..31 at
// 64..95 and 96..127 in place (De Re Atari, the internal character set).
constexpr Run kAtariScreen[] = {
    {0, kAsciiFromSpace},
    {64, U"♥"},
    {80, U"♣"},
    {82, U"─"},
    {84, U"●"},
    {92, U"↑↓←→"},
    {96, U"♦abcdefghijklmnopqrstuvwxyz♠|"},
    {126, U"◀▶"},
};

// The ZX80's character set (ZX80 operating manual); the ZX81 (Sinclair ZX81 BASIC Programming,
// Appendix A) agrees on the space, the digits, the letters and £ $ : ? ( ) ; , . but moves the
// quote and - + * / = > <, which follow the ZX80 here as the built-in glyphs do.
constexpr Run kZx80[] = {
    {0, U" \""},
    {12, U"£$:?()-+*/=><;,.0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
};

// KOI-7 N2 (GOST 13052-74), the Microsha's: ASCII up to 95, then Cyrillic capitals.
constexpr Run kMicrosha[] = {
    {0x20, kAsciiFromSpace},
    {0x60, U"ЮАБЦДЕФГХИЙКЛМНОПЯРСТУЖВЬЫЗШЭЩЧ"},
};

std::optional<std::uint8_t> Find(std::span<const Run> runs, char32_t c) {
    for (const Run& run : runs)
        if (const std::size_t at = run.characters.find(c); at != std::u32string_view::npos)
            return static_cast<std::uint8_t>(run.first + static_cast<int>(at));
    return std::nullopt;
}

std::optional<std::uint8_t> FindWindows1252(char32_t c) {
    for (int code = 0x20; code < 0x100; ++code) {
        const char32_t at = Windows1252Char(static_cast<std::uint8_t>(code));
        // Codes 0x7F and the five unassigned ones stand for control characters, not text.
        if (at == c && at != 0x7F && !(at >= 0x80 && at < 0xA0))
            return static_cast<std::uint8_t>(code);
    }
    return std::nullopt;
}

char32_t CapitalOf(char32_t c) {
    if (c >= U'a' && c <= U'z') return c - U'a' + U'A';
    if (c >= U'а' && c <= U'я') return c - U'а' + U'А';
    return c == U'ё' ? U'Ё' : c;
}

}  // namespace

std::optional<std::uint8_t> CodeOfCharacter(TextCodes set, char32_t c) {
    switch (set) {
        case TextCodes::Windows1252:
            return FindWindows1252(c);
        case TextCodes::Ibm866:
            return Find(kIbm866, c);
        case TextCodes::C64Screen:
            return Find(kC64Screen, CapitalOf(c));
        case TextCodes::AtariScreen:
            return Find(kAtariScreen, c);
        case TextCodes::Zx80Zx81:
            return Find(kZx80, CapitalOf(c));
        case TextCodes::Microsha:
            return Find(kMicrosha, CapitalOf(c));
    }
    return std::nullopt;
}

TextCodes TextCodesOf(BuiltInCharset preset) {
    switch (preset) {
        case BuiltInCharset::IbmPc866:
            return TextCodes::Ibm866;
        case BuiltInCharset::Zx80:
            return TextCodes::Zx80Zx81;
        case BuiltInCharset::C64Caps:
            return TextCodes::C64Screen;
        case BuiltInCharset::AtariXl:
            return TextCodes::AtariScreen;
        case BuiltInCharset::Microsha:
            return TextCodes::Microsha;
        default:
            return TextCodes::Windows1252;
    }
}

}  // namespace pixlore
