// _KS_getCut and _KS_getArtikelZusatz on the sample catalogue and on the
// scaled one (every series, article and accessory 100 times). A cut of one
// element reads a fixed number of rows and draws a fixed number of
// entities, so both catalogues should give the same figure; the drawing,
// not the look-up, is what a cut costs. The generator's own figures show
// that cost grows linearly with the number of positions drawn.
//
// Entry points are called directly with the request packet built once: a
// figure is parse + answer + packet of the answer + release.

#include "bench/support/entry_bench.h"
#include "kalksrv/sections/section.h"
#include "model/materialdaten.h"
#include "tests/support/requests.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using test_support::article;

Materialdaten formRequest(int offset) {
    Materialdaten m = test_support::formRequest(test_support::kSampleSeries + offset);
    m.glassId = 6002 + offset;
    return m;
}

void registerCatalogue(os::ModuleHandle module, const std::string& label, KsContext context,
                       int offset) {
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
    for (const Entry& e : entries)
        bench_support::registerEntry(e.name + "/" + label, module, e.entry, context, e.request);
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
    return bench_support::runOnBothCatalogues(argc, argv, "bench_sections", registerCatalogue);
}
