// The cost of one query without an instance on the sample catalogue: each
// call loads the calculation service, opens its catalogue, asks once and
// unloads it again, so the figure is dominated by loading.

#include <benchmark/benchmark.h>

#include "interface/velmar.h"

namespace {

constexpr int kSeries = 8404;
constexpr int kFrame = 25001;

velmar_cutpos FramePosition() {
    velmar_cutpos position;
    velmar_artikel frame;
    frame.nameId.id = kFrame;
    frame.konstType = 11;
    position.opening1.artikel.items.push_back(frame);
    return position;
}

void BM_CheckBrand(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(vm_checkBrand(1, kSeries));
}
BENCHMARK(BM_CheckBrand)->Unit(benchmark::kMillisecond);

void BM_UfForCut(benchmark::State& state) {
    const velmar_cutpos position = FramePosition();
    for (auto _ : state) benchmark::DoNotOptimize(vm_getUfForCut(position, 1, kSeries, 1));
}
BENCHMARK(BM_UfForCut)->Unit(benchmark::kMillisecond);

void BM_ArtikelDwg(benchmark::State& state) {
    for (auto _ : state) {
        int length = 0;
        char* block = vm_getArtikelDwg(length, 1, kFrame, kSeries);
        vm_deleteData(block);
        benchmark::DoNotOptimize(length);
    }
}
BENCHMARK(BM_ArtikelDwg)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    vm_setHeadless(true);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
