// The main form's entry points of the calculation service, each on the
// sample catalogue and on the scaled one (every series, article, colour,
// glass and box 100 times). A request for one series gets an answer of the
// same size from both, so the two figures differ only by what the index
// look-ups cost. The series list itself grows with the catalogue.
//
// Entry points are called directly, as the client calls them, with the
// request packet built once: a figure is parse + answer + packet of the
// answer + release.

#include "bench/support/entry_bench.h"
#include "model/materialdaten.h"
#include "tests/support/requests.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using test_support::article;

// The main form's request for series 8830 with its current numbers, shifted
// into the copy `offset` of the catalogue.
Materialdaten formRequest(int offset) {
    Materialdaten m = test_support::formRequest(test_support::kSampleSeries + offset);
    m.colourId = 1001 + offset;
    m.frameId = 23001 + offset;
    m.sashId = 23011 + offset;
    m.glassId = 6002 + offset;
    return m;
}

Materialdaten sashCheckRequest(int offset) {
    Materialdaten m;
    m.requestKind = 1;
    velmar_cutpos position;
    position.opening1.artikel.items = {article(23011 + offset, 23), article(6009 + offset, 0)};
    m.cutPositions = {position};
    m.firstDimension = 1000;
    m.thermalValue = 1800;
    return m;
}

Materialdaten setGlasRequest(int offset) {
    Materialdaten m = formRequest(offset);
    m.glasses.resize(3);
    for (int i = 0; i < 3; ++i) m.glasses[i].nameId.id = 6001 + i + offset;
    return m;
}

void registerCatalogue(os::ModuleHandle module, const std::string& label, KsContext context,
                       int offset) {
    struct Entry {
        const char* name;
        Materialdaten request;
    };
    Materialdaten limits = formRequest(offset);
    limits.articleId = 9286 + offset;
    limits.queryArgument = 7948 + offset;
    Materialdaten brand = formRequest(offset);
    brand.systemId = 8404 + offset;
    std::vector<Entry> entries = {
        {"_KS_getSystems", formRequest(offset)},
        {"_KS_getColors", formRequest(offset)},
        {"_KS_getArtikel", formRequest(offset)},
        {"_KS_getRollkaesten", formRequest(offset)},
        {"_KS_getGlas", formRequest(offset)},
        {"_KS_getStulp", formRequest(offset)},
        {"_KS_getKopplungen", formRequest(offset)},
        {"_KS_getGlasleisten", formRequest(offset)},
        {"_KS_getUfValue", formRequest(offset)},
        {"_KS_setGlas", setGlasRequest(offset)},
        {"_KS_checkFluegelgroessen", sashCheckRequest(offset)},
        {"_KS_checkBrand", brand},
        {"_KS_getMinMaxSizeForRollerShutter", limits},
    };
    for (const Entry& e : entries)
        bench_support::registerEntry(std::string(e.name) + "/" + label, module, e.name, context,
                                     e.request);
    auto thickness = bench_support::resolve<KsGetGlasdickeRealFn>(module, "_KS_getGlasdickeReal");
    const int glass = 6004 + offset;
    // Not dispatched: answers from the catalogue read last.
    benchmark::RegisterBenchmark(("_KS_getGlasdickeReal/" + label).c_str(),
                                 [thickness, glass](benchmark::State& state) {
                                     double value = 0.0;
                                     for (auto _ : state) {
                                         thickness(nullptr, glass, &value);
                                         benchmark::DoNotOptimize(value);
                                     }
                                 });
}

} // namespace

int main(int argc, char** argv) {
    return bench_support::runOnBothCatalogues(argc, argv, "bench_kalksrv", registerCatalogue);
}
