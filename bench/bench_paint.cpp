// Throughput of the hot painting routines beside memcpy of the same bytes,
// measured in the same run; the closing lines print each routine's speed as
// a fraction of memcpy's.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "skin/core/blending.h"
#include "skin/core/gradients.h"
#include "skin/core/image_painting.h"
#include "skin/core/pixel_access.h"
#include "skin/core/skin_constants.h"
#include "skin/core/skin_content.h"

namespace {

constexpr int W = 400, H = 300;

TPixelBuffer Filled(int w, int h, uint8_t seed) {
  TPixelBuffer b(w, h);
  for (size_t i = 0; i < b.SizeInBytes(); ++i) b.Data()[i] = static_cast<uint8_t>(i * 7 + seed);
  return b;
}

int64_t PixelBytes() { return int64_t{W} * H * 3; }

void Memcpy(benchmark::State& state) {
  TPixelBuffer a = Filled(W, H, 1), b = Filled(W, H, 2);
  for (auto _ : state) {
    std::memcpy(b.Data(), a.Data(), a.SizeInBytes());
    benchmark::DoNotOptimize(b.Data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * PixelBytes());
}

void BlendBitmapRectBench(benchmark::State& state) {
  TPixelBuffer target = Filled(W, H, 3), source = Filled(W, H, 4);
  for (auto _ : state) {
    BlendBitmapRect(target.View(), source.View(), 100, TPoint{0, 0}, TRect{0, 0, W, H});
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * PixelBytes());
}

void FastSum24Bench(benchmark::State& state) {
  TPixelBuffer target = Filled(W, H, 5), source = Filled(W, H, 6);
  TvxFastSum24 sum;
  sum.Attach(source.View(), target.View());
  sum.Alpha = 77;
  sum.DstRight = sum.SrcRight = W;
  sum.DstBottom = sum.SrcBottom = H;
  for (auto _ : state) {
    sum.Blend();
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * PixelBytes());
}

// A masked border item as skins ship them: three 24 x 24 frames over their
// masks, 6-pixel sides, the centre painted.
void MaskedBorderBench(benchmark::State& state) {
  TsSkinContent skin;
  auto image = std::make_shared<TPixelBuffer>(Filled(72, 48, 9));
  for (int y = 24; y < 48; ++y) std::memset(image->View().Row(y), (y * 11) & 0xFF, 72 * 3);
  image->View().Pixel(0, 0)[0] = 0xFF;  // a magenta corner pixel
  image->View().Pixel(0, 0)[1] = 0;
  image->View().Pixel(0, 0)[2] = 0xFF;
  TsMaskData item;
  item.Image = image;
  item.Manager = &skin;
  item.SourceRect = TRect{0, 0, 72, 48};
  item.ImageCount = 3;
  item.MaskType = 1;
  item.WL = item.WT = item.WR = item.WB = 6;
  item.StretchMode = 4;
  TPixelBuffer cache = Filled(W, H, 10), parent = Filled(W + 20, H + 20, 11);
  const TCacheInfo info = MakeCacheInfo(parent.View(), 10, 10);
  for (auto _ : state) {
    PaintMaskImage(cache.View(), TRect{0, 0, W, H}, true, 1, 1, item, info);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * PixelBytes());
}

void VerticalGradientBench(benchmark::State& state) {
  TPixelBuffer target = Filled(W, H, 12);
  TGradientArray stops;
  ParseGradientData("16777215;0;40;0;0;0;255;60;0;0", stops);
  for (auto _ : state) {
    PaintGradient(target.View(), TRect{0, 0, W, H}, stops, 0);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * PixelBytes());
}

// Prints the usual table, then each routine's time per run against memcpy's.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    // With repetitions the fastest run of each counts: the least disturbed.
    for (const Run& r : runs) {
      if (r.run_type != Run::RT_Iteration) continue;
      const std::string name = r.run_name.str();
      const double t = r.GetAdjustedRealTime();
      auto it = times_.find(name);
      if (it == times_.end() || t < it->second) times_[name] = t;
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    double base = 0;
    for (const auto& [name, t] : times_)
      if (name.rfind("Memcpy", 0) == 0) base = t;
    if (base <= 0) return;
    std::printf("\nThroughput as a fraction of memcpy of the same %lld bytes:\n",
                static_cast<long long>(PixelBytes()));
    for (const auto& [name, t] : times_)
      if (name.rfind("Memcpy", 0) != 0) std::printf("  %-28s %6.3f  (%.1fx memcpy's time)\n", name.c_str(), base / t, t / base);
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace

BENCHMARK(Memcpy);
BENCHMARK(BlendBitmapRectBench)->Name("BlendBitmapRect/400x300");
BENCHMARK(FastSum24Bench)->Name("FastSum24/400x300");
BENCHMARK(MaskedBorderBench)->Name("MaskedNinePartBorder/400x300");
BENCHMARK(VerticalGradientBench)->Name("VerticalGradient/400x300");

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
