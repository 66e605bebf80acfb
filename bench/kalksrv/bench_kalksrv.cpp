// The main form's entry points of the calculation service, each on the
// sample catalogue and on the scaled one (every series, article, colour,
// glass and box 100 times). A request for one series gets an answer of the
// same size from both, so the two figures differ only by what the index
// look-ups cost. The series list itself grows with the catalogue.
//
// Entry points are called directly, as the client calls them, with the
// request packet built once: a figure is parse + answer + packet of the
// answer + release.

#include "model/materialdaten.h"
#include "platform/os/module.h"
#include "service/ks_api.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Service {
    os::ModuleHandle module = nullptr;
    KsDeleteDataFn deleteData = nullptr;
    KsGetGlasdickeRealFn glassThickness = nullptr;
    template <class Fn> Fn get(const char* name) const {
        return reinterpret_cast<Fn>(os::resolveSymbol(module, name));
    }
};

// A copy of the sample in the scaled catalogue: ids + 42 * 100000.
constexpr int kCopyOffset = 4200000;

// The main form's request for series 8830 with its current numbers, shifted
// into the copy `offset` of the catalogue.
Materialdaten formRequest(int offset) {
    Materialdaten m;
    m.hostKey1 = 1;
    m.hostKey2 = 1;
    m.requestKind = 2;
    m.systemId = 8830 + offset;
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
    velmar_artikel sash, glass;
    sash.nameId.id = 23011 + offset;
    sash.konstType = 23;
    glass.nameId.id = 6009 + offset;
    position.opening1.artikel.items = {sash, glass};
    m.cutPositions = {position};
    m.dimension12 = 1000;
    m.thermalValue = 1800;
    return m;
}

Materialdaten setGlasRequest(int offset) {
    Materialdaten m = formRequest(offset);
    m.glasses.resize(3);
    for (int i = 0; i < 3; ++i) m.glasses[i].nameId.id = 6001 + i + offset;
    return m;
}

void registerCatalogue(const Service& service, const std::string& label, KsContext context,
                       int offset) {
    struct Entry {
        const char* name;
        Materialdaten request;
    };
    Materialdaten limits = formRequest(offset);
    limits.articleId = 9286 + offset;
    limits.int110 = 7948 + offset;
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
    for (Entry& e : entries) {
        auto entry = service.get<KsDispatchFn>(e.name);
        e.request.write();
        std::vector<std::uint8_t> packet = e.request.toBytes();
        KsDeleteDataFn release = service.deleteData;
        benchmark::RegisterBenchmark(
            (std::string(e.name) + "/" + label).c_str(),
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
    KsGetGlasdickeRealFn thickness = service.glassThickness;
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
    benchmark::Initialize(&argc, argv);
    const std::string dir = ModuleDirectory();
    Service service;
    service.module = os::loadModule(dir + "kalksrv.dll");
    if (!service.module) {
        std::fprintf(stderr, "bench_kalksrv: %s\n", os::lastModuleError().c_str());
        return 1;
    }
    service.deleteData = service.get<KsDeleteDataFn>("_KS_deleteData");
    service.glassThickness = service.get<KsGetGlasdickeRealFn>("_KS_getGlasdickeReal");
    auto readDatabase = service.get<KsReadDatabaseFn>("_KS_readDatabase");
    auto init = service.get<KsInitFn>("_KS_init");

    // Sessions keep the catalogue they were opened on.
    if (!readDatabase((dir + "catalogue.db").c_str(), "", "", "", 0, 1)) return 1;
    KsContext sample = init();
    if (!readDatabase((dir + "catalogue-x100.db").c_str(), "", "", "", 0, 1)) return 1;
    KsContext scaled = init();
    if (!sample || !scaled) return 1;

    registerCatalogue(service, "sample", sample, 0);
    registerCatalogue(service, "x100", scaled, kCopyOffset);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
