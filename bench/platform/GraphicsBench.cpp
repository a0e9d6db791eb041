// Frame-composition costs: every figure here is paid per frame at 30+ frames a second.
#include "run/platform/graphics/Canvas.h"
#include "run/platform/graphics/Fonts.h"
#include "run/platform/graphics/WaterEffect.h"

#include <benchmark/benchmark.h>

using namespace run::platform;

namespace {

Canvas Pattern(int w, int h, std::uint8_t alpha) {
    Canvas c(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            c.setPixel(x, y, Pixel(alpha) << 24 | Pixel(x * 7 + y) << 8 | Pixel(x ^ y));
    return c;
}

void Pixels(benchmark::State& state, long long perIteration) {
    state.SetItemsProcessed(state.iterations() * perIteration);
}

void BlitFrame(benchmark::State& state) {
    const Canvas src = Pattern(800, 600, 255);
    Canvas dst(1024, 768);
    for (auto _ : state) {
        dst.blit(src, src.bounds(), 112, 84);
        benchmark::ClobberMemory();
    }
    Pixels(state, 800 * 600);
}
BENCHMARK(BlitFrame);

void BlitAlphaSprite(benchmark::State& state) {
    const Canvas src = Pattern(800, 600, 200);
    Canvas dst(1024, 768);
    for (auto _ : state) {
        dst.blitAlpha(src, src.bounds(), 112, 84);
        benchmark::ClobberMemory();
    }
    Pixels(state, 800 * 600);
}
BENCHMARK(BlitAlphaSprite);

void StretchToScreen(benchmark::State& state) {
    const Canvas src = Pattern(640, 480, 255);
    Canvas dst(1024, 768);
    for (auto _ : state) {
        dst.stretch(src, src.bounds(), dst.bounds());
        benchmark::ClobberMemory();
    }
    Pixels(state, 1024 * 768);
}
BENCHMARK(StretchToScreen);

void BlendWholeFrame(benchmark::State& state) {
    const Canvas src = Pattern(1024, 768, 255);
    Canvas dst(1024, 768, 0xFF336699);
    for (auto _ : state) {
        dst.blend(src, src.bounds(), 0, 0, 100);
        benchmark::ClobberMemory();
    }
    Pixels(state, 1024 * 768);
}
BENCHMARK(BlendWholeFrame);

void TileBackground(benchmark::State& state) {
    const Canvas src = Pattern(32, 32, 255);
    Canvas dst(1024, 768);
    for (auto _ : state) {
        dst.tile(src, dst.bounds(), 5, 9);
        benchmark::ClobberMemory();
    }
    Pixels(state, 1024 * 768);
}
BENCHMARK(TileBackground);

void DrawTextLine(benchmark::State& state) {
    FontCatalog fonts;
    FontSpec font;
    font.name = "Arial";
    font.sizePoints = 10;
    const std::string line = "The key is under the mat by the red door"; // 40 characters
    Canvas dst(1024, 768);
    for (auto _ : state) {
        fonts.draw(dst, font, line, 10, 10, 0xFFFFFFFF, dst.bounds());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(DrawTextLine);

void MeasureTextLine(benchmark::State& state) {
    FontCatalog fonts;
    FontSpec font;
    font.name = "Arial";
    font.sizePoints = 10;
    const std::string line = "The key is under the mat by the red door";
    for (auto _ : state)
        benchmark::DoNotOptimize(fonts.measure(font, line));
}
BENCHMARK(MeasureTextLine);

} // namespace

// One tick of a frame's rippling water over a 640×200 rectangle: the wave, then the mask.
void WaterTick640x200(benchmark::State& state) {
    const Canvas original = Pattern(640, 200, 255);
    Canvas masked = original, mask(640, 200, 0xFFFFFFFF), shown(640, 200);
    mask.fill({0, 60, 640, 140}, 0xFF000000);
    float phase = 0;
    for (auto _ : state) {
        FoxWave(shown, 0, 0, 640, 200, original, 0, 0, 12, 4, phase += 0.1f, 90.0, 0.0);
        FoxFastMask(shown, 0, 0, 640, 200, masked, 0, 0, mask, 0, 0, 0);
        benchmark::ClobberMemory();
    }
    Pixels(state, 640 * 200);
}
BENCHMARK(WaterTick640x200)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
