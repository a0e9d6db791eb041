// Transition steps at 1024×768: one alpha-blending step (two full frames read, one written),
// and one slide step (the frame area painted with the double-size picture moved). Also the
// memory-bound floor: a plain copy of one frame.
#include "run/media/Transitions.h"
#include "run/platform/graphics/Fonts.h"
#include "run/platform/ui/FormPainter.h"
#include "run/platform/ui/Scaling.h"

#include <memory>

#include <benchmark/benchmark.h>

namespace {

using namespace run;
using platform::Canvas;

constexpr int W = 1024, H = 768;

void BM_BlendStep1024x768(benchmark::State& state) {
    Canvas from(W, H, 0xFF102030), to(W, H, 0xFF405060), out(W, H);
    int alpha = 0;
    for (auto _ : state) {
        BlendStep(from, to, static_cast<std::uint8_t>(alpha++ & 0xFF), out);
        benchmark::DoNotOptimize(out.pixel(5, 5));
    }
}
BENCHMARK(BM_BlendStep1024x768)->Unit(benchmark::kMillisecond);

void BM_CopyFrame1024x768(benchmark::State& state) {
    Canvas from(W, H, 0xFF102030), out(W, H);
    for (auto _ : state) {
        out.blit(from, from.bounds(), 0, 0);
        benchmark::DoNotOptimize(out.pixel(5, 5));
    }
}
BENCHMARK(BM_CopyFrame1024x768)->Unit(benchmark::kMillisecond);

void BM_SlideStep1024x768(benchmark::State& state) {
    platform::FontCatalog fonts;
    platform::FormPainter painter(fonts);
    platform::Form form("Game");
    form.width = W * platform::kTwipsPerPixel;
    form.height = H * platform::kTwipsPerPixel;
    platform::Element& where = form.addElement(platform::ElementKind::PictureBox, "picWhere");
    where.width = form.width;
    where.height = form.height;
    platform::Element& end = form.addElement(platform::ElementKind::PictureBox, "picEnd");
    end.container = &where;
    auto picture = std::make_shared<platform::Picture>();
    picture->image.reset(2 * W, H, 0xFF405060);
    end.picture = picture;
    end.width = 2 * where.width;
    end.height = where.height;
    Canvas canvas;
    int step = 0;
    for (auto _ : state) {
        end.left = -((step++ * 37) % where.width);
        painter.paint(form, canvas);
        benchmark::DoNotOptimize(canvas.pixel(5, 5));
    }
}
BENCHMARK(BM_SlideStep1024x768)->Unit(benchmark::kMillisecond);

} // namespace
