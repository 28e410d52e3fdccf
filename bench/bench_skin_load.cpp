// Loading a large kit-made skin, from its folder and from its packed
// archive, beside zlib's own inflate of the same archive members in the same
// run. The figure is the ratio of each load to the bare inflate.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "skin/core/packed_skin.h"
#include "skin/core/skin_content.h"
#include "tools/skinkit/kit_archive.h"
#include "tools/skinkit/marl_skin.h"

namespace {

struct Fixture {
  std::string Parent;       // holds Large/ and Large.vlz
  std::vector<uint8_t> Archive;
  // Each member's compressed stream and its size inflated.
  std::vector<std::pair<std::vector<uint8_t>, size_t>> Members;
  size_t InflatedBytes = 0;
};

const Fixture& Skin() {
  static Fixture* f = [] {
    auto* fx = new Fixture();
    const auto dir = std::filesystem::temp_directory_path() / "brsm-bench-skin-load";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    fx->Parent = dir.string() + "/";
    const brsm::kit::KitSkin skin = brsm::kit::MakeLargeSkin(64);
    if (!skin.WriteFolder(fx->Parent) || !skin.WriteArchive(fx->Parent)) std::abort();
    fx->Archive = skin.Pack();
    for (const auto& file : skin.Files()) {
      fx->Members.emplace_back(brsm::kit::ZlibCompress(file.second), file.second.size());
      fx->InflatedBytes += file.second.size();
    }
    return fx;
  }();
  return *f;
}

void BM_ZlibInflateMembers(benchmark::State& state) {
  const Fixture& f = Skin();
  std::vector<uint8_t> out;
  for (auto _ : state) {
    for (const auto& [stream, size] : f.Members) {
      out.resize(size);
      uLongf outSize = static_cast<uLongf>(size);
      if (uncompress(out.data(), &outSize, stream.data(), static_cast<uLong>(stream.size())) !=
          Z_OK)
        state.SkipWithError("inflate failed");
      benchmark::DoNotOptimize(out.data());
    }
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.InflatedBytes));
}

void BM_UnpackArchiveInMemory(benchmark::State& state) {
  const Fixture& f = Skin();
  TMemoryStream source;
  source.WriteBuffer(f.Archive.data(), static_cast<int>(f.Archive.size()));
  for (auto _ : state) {
    TvxSkinConvertor reader;
    reader.PackedData = &source;
    if (!reader.Unpack()) state.SkipWithError("unpack failed");
    reader.PackedData = nullptr;
    benchmark::DoNotOptimize(reader.ImageItems.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.InflatedBytes));
}

void BM_LoadFromArchive(benchmark::State& state) {
  const Fixture& f = Skin();
  for (auto _ : state) {
    TsSkinContent content;
    if (!content.LoadFromArchiveFile(f.Parent + "Large.vlz", f.Parent, nullptr))
      state.SkipWithError("load failed");
    benchmark::DoNotOptimize(content.MaskItems.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.InflatedBytes));
}

void BM_LoadFromFolder(benchmark::State& state) {
  const Fixture& f = Skin();
  for (auto _ : state) {
    TsSkinContent content;
    if (!content.LoadFromFolder(f.Parent + "Large/", nullptr)) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(content.MaskItems.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.InflatedBytes));
}

BENCHMARK(BM_ZlibInflateMembers)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UnpackArchiveInMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFromArchive)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFromFolder)->Unit(benchmark::kMillisecond);

// Remembers each benchmark's time per iteration to print the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration && !run.error_occurred)
        times[run.benchmark_name()] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> times;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  const Fixture& f = Skin();
  std::printf("Large kit skin: %zu members, %.1f MiB inflated, archive %.1f MiB\n",
              f.Members.size(), f.InflatedBytes / 1048576.0, f.Archive.size() / 1048576.0);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const double zlib = reporter.times["BM_ZlibInflateMembers"];
  if (zlib > 0) {
    for (const char* name : {"BM_UnpackArchiveInMemory", "BM_LoadFromArchive", "BM_LoadFromFolder"})
      if (reporter.times.count(name))
        std::printf("ratio %-26s / zlib inflate = %.2f\n", name, reporter.times[name] / zlib);
  }
  std::filesystem::remove_all(std::filesystem::temp_directory_path() / "brsm-bench-skin-load");
  benchmark::Shutdown();
  return 0;
}
