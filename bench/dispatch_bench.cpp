// Whole mouse moves through the editor's real dispatch on the offscreen platform, with the
// canvases made to paint their pictures.
#include <benchmark/benchmark.h>

#include <memory>

#include "app/editor.h"
#include "app/ids.h"
#include "cases.h"

namespace pixlore::bench {
namespace {

class SilentDialogs : public Dialogs {
  public:
    void message(const std::string&, const std::string&) override {}
    FileChoice openFile(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    FileChoice saveFile(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    bool exportOptions(ExportSettings&) override { return false; }
};

Editor::Options BenchOptions() {
    Editor::Options options;
    options.currentDirectory = "/tmp";
    options.quit = [] {};
    return options;
}

struct Bench {
    SilentDialogs dialogs;
    Editor editor{dialogs, BenchOptions()};

    Bench() {
        editor.start();
        editor.state().charset.fill(0xFF);
        editor.DispatchCommand(Command::MapPc);
        editor.RefreshViews();
    }
};

void MapPaintMove(benchmark::State& state) {
    Bench bench;
    int step = 0;
    for (auto _ : state) {
        const int x = 8 + 16 * (step % 32), y = 8 + 16 * ((step / 32) % 24);
        ++step;
        bench.editor.dispatch(
            CanvasEvent(MapCanvas, CanvasEventType::MouseMove, x, y, kLeftButton));
        bench.editor.mapCanvas().repaint();
    }
}

void GlyphPixelPaint(benchmark::State& state) {
    Bench bench;
    int step = 0;
    for (auto _ : state) {
        const int x = 8 + 16 * (step % 8), y = 8 + 16 * ((step / 8) % 8);
        const int buttons = (step / 64) % 2 ? kRightButton : kLeftButton;
        ++step;
        bench.editor.dispatch(CanvasEvent(GlyphCanvas, CanvasEventType::MouseMove, x, y, buttons));
        bench.editor.charsetCanvas().repaint();
        bench.editor.glyphCanvas().repaint();
        bench.editor.mapCanvas().repaint();
    }
}

}  // namespace

void RegisterDispatchBenchmarks(std::vector<Comparison>& comparisons) {
    benchmark::RegisterBenchmark("map paint move 80x50 (dispatch+repaint)", MapPaintMove)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("glyph pixel paint, map 80x50 (dispatch+repaint)", GlyphPixelPaint)
        ->Unit(benchmark::kMicrosecond);
    comparisons.push_back({"map paint move 80x50 (dispatch+repaint)", "", ""});
    comparisons.push_back({"glyph pixel paint, map 80x50 (dispatch+repaint)", "", ""});
}

}  // namespace pixlore::bench
