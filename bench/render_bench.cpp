// The renders against two baselines: the memory floor (memset of the same pixel bytes) and a
// straightforward port that fills one rectangle per 2 x 2 block through QPainter.
#include <benchmark/benchmark.h>
#include <QImage>
#include <QPainter>
#include <cstring>

#include "cases.h"
#include "charmap/charmap.h"
#include "charset/builtin_charsets.h"
#include "views/charset_view.h"
#include "views/glyph_view.h"
#include "views/map_view.h"

namespace pixlore::bench {
namespace {

Charset FullInk() {
    Charset charset;
    charset.fill(0xFF);
    return charset;
}

// A real charset: the IBM PC's own glyphs.
Charset Mixed() {
    Charset charset{};
    Palette palette;
    LoadBuiltInCharset(charset, palette, BuiltInCharset::IbmPcCga);
    return charset;
}

CharMap Map80x50() {
    CharMap map;
    InitCharMap(map);
    SetMapSize(map, 80, 50);
    return map;
}

const Palette kPalette{0xEB6D70, 0x9B2C2E};

void Floor(benchmark::State& state, int width, int height) {
    std::vector<Pixel> buffer(static_cast<std::size_t>(width) * height);
    for (auto _ : state) {
        std::memset(buffer.data(), 0x5A, buffer.size() * sizeof(Pixel));
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
}

// The literal algorithm: paper, then one fillRect per set glyph pixel.
template <class CodeAt>
void PortCells(QImage& image, const Charset& charset, int columns, int rows, CodeAt codeAt) {
    QPainter p(&image);
    const QColor ink(RedOf(kPalette.InkColor), GreenOf(kPalette.InkColor),
                     BlueOf(kPalette.InkColor));
    const QColor paper(RedOf(kPalette.PaperColor), GreenOf(kPalette.PaperColor),
                       BlueOf(kPalette.PaperColor));
    p.fillRect(0, 0, 16 * columns, 16 * rows, paper);
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < columns; ++x) {
            const int code = codeAt(x, y);
            for (int r = 0; r < 8; ++r)
                for (int b = 0; b < 8; ++b)
                    if (charset[code * 8 + r] & (0x80 >> b))
                        p.fillRect(16 * x + 2 * b, 16 * y + 2 * r, 2, 2, ink);
        }
}

void MapRender(benchmark::State& state, Charset charset) {
    const CharMap map = Map80x50();
    Image surface(kMapCanvasWidth, kMapCanvasHeight);
    for (auto _ : state) {
        RenderCharMapImage(surface, map, charset, kPalette);
        benchmark::DoNotOptimize(surface.data());
        benchmark::ClobberMemory();
    }
}

void MapPort(benchmark::State& state, Charset charset) {
    const CharMap map = Map80x50();
    QImage image(kMapCanvasWidth, kMapCanvasHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        PortCells(image, charset, 80, 50, [&map](int x, int y) { return map.at(x, y); });
        benchmark::DoNotOptimize(image.bits());
    }
}

void CharsetRender(benchmark::State& state) {
    const Charset charset = FullInk();
    Image image(kCharsetImageSize, kCharsetImageSize);
    for (auto _ : state) {
        RenderCharsetImage(image, charset, kPalette);
        benchmark::DoNotOptimize(image.data());
        benchmark::ClobberMemory();
    }
}

void CharsetPort(benchmark::State& state) {
    const Charset charset = FullInk();
    QImage image(kCharsetImageSize, kCharsetImageSize, QImage::Format_RGB32);
    for (auto _ : state) {
        PortCells(image, charset, 16, 16, [](int x, int y) { return y * 16 + x; });
        benchmark::DoNotOptimize(image.bits());
    }
}

void GlyphRender(benchmark::State& state) {
    const Charset charset = FullInk();
    Image image(kGlyphViewSize, kGlyphViewSize);
    for (auto _ : state) {
        RenderGlyphImage(image, GlyphAt(charset, 0), kPalette);
        benchmark::DoNotOptimize(image.data());
        benchmark::ClobberMemory();
    }
}

void GlyphPort(benchmark::State& state) {
    const Charset charset = FullInk();
    QImage image(kGlyphViewSize, kGlyphViewSize, QImage::Format_RGB32);
    const QColor ink(RedOf(kPalette.InkColor), GreenOf(kPalette.InkColor),
                     BlueOf(kPalette.InkColor));
    for (auto _ : state) {
        QPainter p(&image);
        p.fillRect(0, 0, 128, 128,
                   QColor(RedOf(kPalette.PaperColor), GreenOf(kPalette.PaperColor),
                          BlueOf(kPalette.PaperColor)));
        for (int r = 0; r < 8; ++r)
            for (int b = 0; b < 8; ++b)
                if (charset[r] & (0x80 >> b)) p.fillRect(16 * b, 16 * r, 15, 15, ink);
        for (int i = 0; i < 8; ++i)
            for (int t = 0; t < 128; t += 2) {
                p.fillRect(16 * i, t, 1, 1, Qt::white);
                p.fillRect(16 * i, t + 1, 1, 1, Qt::black);
                p.fillRect(t, 16 * i, 1, 1, Qt::white);
                p.fillRect(t + 1, 16 * i, 1, 1, Qt::black);
            }
        benchmark::DoNotOptimize(image.bits());
    }
}

void Register(const char* name, void (*fn)(benchmark::State&)) {
    benchmark::RegisterBenchmark(name, fn)->Unit(benchmark::kMicrosecond);
}

template <class Lambda>
void Register(const char* name, Lambda fn) {
    benchmark::RegisterBenchmark(name, fn)->Unit(benchmark::kMicrosecond);
}

}  // namespace

void RegisterRenderBenchmarks(std::vector<Comparison>& comparisons) {
    Register("floor/memset 1280x800", [](benchmark::State& s) { Floor(s, 1280, 800); });
    Register("floor/memset 256x256", [](benchmark::State& s) { Floor(s, 256, 256); });
    Register("floor/memset 128x128", [](benchmark::State& s) { Floor(s, 128, 128); });
    Register("RenderCharMap 80x50 full ink", [](benchmark::State& s) { MapRender(s, FullInk()); });
    Register("RenderCharMap 80x50 mixed", [](benchmark::State& s) { MapRender(s, Mixed()); });
    Register("RenderCharset full ink", CharsetRender);
    Register("RenderGlyph", GlyphRender);
    Register("port/RenderCharMap 80x50 full ink",
             [](benchmark::State& s) { MapPort(s, FullInk()); });
    Register("port/RenderCharMap 80x50 mixed", [](benchmark::State& s) { MapPort(s, Mixed()); });
    Register("port/RenderCharset full ink", CharsetPort);
    Register("port/RenderGlyph", GlyphPort);

    comparisons.push_back({"RenderCharMap 80x50 full ink", "floor/memset 1280x800",
                           "port/RenderCharMap 80x50 full ink"});
    comparisons.push_back(
        {"RenderCharMap 80x50 mixed", "floor/memset 1280x800", "port/RenderCharMap 80x50 mixed"});
    comparisons.push_back(
        {"RenderCharset full ink", "floor/memset 256x256", "port/RenderCharset full ink"});
    comparisons.push_back({"RenderGlyph", "floor/memset 128x128", "port/RenderGlyph"});
}

}  // namespace pixlore::bench
