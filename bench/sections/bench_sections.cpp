// _KS_getCut and _KS_getArtikelZusatz on the sample catalogue and on the
// scaled one (every series, article and accessory 100 times). A cut of one
// element reads a fixed number of rows and draws a fixed number of
// entities, so both catalogues should give the same figure; the drawing,
// not the look-up, is what a cut costs. The generator's own figures show
// that cost grows linearly with the number of positions drawn.
//
// Entry points are called directly with the request packet built once: a
// figure is parse + answer + packet of the answer + release.

#include "kalksrv/sections/section.h"
#include "model/materialdaten.h"
#include "platform/os/module.h"
#include "service/ks_api.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// A copy of the sample in the scaled catalogue: ids + 42 * 100000.
constexpr int kCopyOffset = 4200000;

Materialdaten formRequest(int offset) {
    Materialdaten m;
    m.hostKey1 = 1;
    m.hostKey2 = 1;
    m.requestKind = 2;
    m.systemId = 8830 + offset;
    m.glassId = 6002 + offset;
    return m;
}

velmar_artikel article(int id, int konstType) {
    velmar_artikel a;
    a.nameId.id = id;
    a.konstType = konstType;
    return a;
}

void registerCatalogue(os::ModuleHandle module, const std::string& label, KsContext context,
                       int offset) {
    auto release = reinterpret_cast<KsDeleteDataFn>(os::resolveSymbol(module, "_KS_deleteData"));
    struct Entry {
        std::string name;
        const char* entry;
        Materialdaten request;
    };
    Materialdaten frameAndSash = formRequest(offset);
    frameAndSash.frameId = 23001 + offset;
    frameAndSash.sashId = 23011 + offset;
    Materialdaten coupling = formRequest(offset);
    velmar_cutpos p;
    p.opening1.artikel.items = {article(23001 + offset, 11), article(23011 + offset, 23),
                                article(23042 + offset, 18)};
    coupling.cutPositions = {p};
    Materialdaten box = formRequest(offset);
    box.elementCode = 151;
    box.articleId = 9287 + offset;
    Materialdaten accessories = formRequest(offset);
    accessories.articleId = 23001 + offset;
    Materialdaten allAccessories = formRequest(offset);
    allAccessories.cutPositions = {p};
    std::vector<Entry> entries = {
        {"_KS_getCut/frame_and_sash", "_KS_getCut", frameAndSash},
        {"_KS_getCut/coupling", "_KS_getCut", coupling},
        {"_KS_getCut/roller_shutter_box", "_KS_getCut", box},
        {"_KS_getArtikelZusatz/frame", "_KS_getArtikelZusatz", accessories},
        {"_KS_getArtikelZusatz/frame_sash_coupling", "_KS_getArtikelZusatz", allAccessories},
    };
    for (Entry& e : entries) {
        auto entry = reinterpret_cast<KsDispatchFn>(os::resolveSymbol(module, e.entry));
        e.request.write();
        std::vector<std::uint8_t> packet = e.request.toBytes();
        benchmark::RegisterBenchmark(
            (e.name + "/" + label).c_str(),
            [entry, release, context, packet](benchmark::State& state) {
                std::int64_t bytes = 0;
                for (auto _ : state) {
                    std::uint8_t* answer = nullptr;
                    const int32_t length =
                        entry(context, packet.data(), static_cast<int32_t>(packet.size()), &answer);
                    benchmark::DoNotOptimize(answer);
                    if (length <= 0) {
                        state.SkipWithError("no answer");
                        break;
                    }
                    bytes += length;
                    release(answer);
                }
                state.counters["answer_bytes"] = benchmark::Counter(
                    static_cast<double>(bytes) / static_cast<double>(state.iterations()));
            });
    }
}

// The generator alone: a coupling cut draws two positions; n couplings in a
// row are drawn as n cuts.
void GeneratorCuts(benchmark::State& state) {
    sections::Profile frame;
    frame.kind = sections::Kind::Frame;
    frame.faceWidth = 64;
    frame.depth = 70;
    frame.chambers = 5;
    frame.rebateHeight = 20;
    frame.glassRebate = 46;
    frame.steel1 = {true, sections::SteelShape::U, 30, 20, 1.5};
    sections::Profile sash = frame;
    sash.kind = sections::Kind::Sash;
    sash.faceWidth = 77;
    sash.depth = 78;
    sash.overlap = 8;
    sections::Profile bead;
    bead.kind = sections::Kind::GlazingBead;
    bead.faceWidth = 20;
    bead.depth = 24;
    sections::Cut cut{frame, sash, bead, sections::Glass{24, "4/16/4", false}, {}, {}, {}};
    std::size_t bytes = 0;
    for (auto _ : state)
        for (int i = 0; i < state.range(0); ++i) bytes += sections::DrawCut(cut).dxf.size();
    state.SetComplexityN(state.range(0));
    state.counters["dxf_bytes_per_cut"] =
        static_cast<double>(bytes) / static_cast<double>(state.iterations() * state.range(0));
}
BENCHMARK(GeneratorCuts)->RangeMultiplier(4)->Range(1, 64)->Complexity(benchmark::oN);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    const std::string dir = ModuleDirectory();
    os::ModuleHandle module = os::loadModule(dir + "kalksrv.dll");
    if (!module) {
        std::fprintf(stderr, "bench_sections: %s\n", os::lastModuleError().c_str());
        return 1;
    }
    auto readDatabase =
        reinterpret_cast<KsReadDatabaseFn>(os::resolveSymbol(module, "_KS_readDatabase"));
    auto init = reinterpret_cast<KsInitFn>(os::resolveSymbol(module, "_KS_init"));
    // Sessions keep the catalogue they were opened on.
    if (!readDatabase((dir + "catalogue.db").c_str(), "", "", "", 0, 1)) return 1;
    KsContext sample = init();
    if (!readDatabase((dir + "catalogue-x100.db").c_str(), "", "", "", 0, 1)) return 1;
    KsContext scaled = init();
    if (!sample || !scaled) return 1;
    registerCatalogue(module, "sample", sample, 0);
    registerCatalogue(module, "x100", scaled, kCopyOffset);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
