// What the service's benchmarks share: a session on the sample catalogue and
// one on the scaled copy, and entry points timed as the client calls them,
// with the request packet built once, so that a figure is parse + answer +
// packet of the answer + release.
#pragma once

#include "model/materialdaten.h"
#include "platform/os/module.h"
#include "service/ks_api.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace bench_support {

// A copy of the sample in the scaled catalogue: ids + 42 * 100000.
inline constexpr int kCopyOffset = 4200000;

template <class Fn> Fn resolve(os::ModuleHandle module, const char* name) {
    return reinterpret_cast<Fn>(os::resolveSymbol(module, name));
}

// The loaded service with one session per catalogue; sessions keep the
// catalogue they were opened on.
struct Sessions {
    os::ModuleHandle module = nullptr;
    KsContext sample = nullptr;
    KsContext scaled = nullptr;
};

// False, after saying why on stderr for `tool`, when the library or either
// catalogue does not open.
inline bool openSessions(const char* tool, Sessions& out) {
    const std::string dir = ModuleDirectory();
    out.module = os::loadModule(dir + "kalksrv.dll");
    if (!out.module) {
        std::fprintf(stderr, "%s: %s\n", tool, os::lastModuleError().c_str());
        return false;
    }
    auto readDatabase = resolve<KsReadDatabaseFn>(out.module, "_KS_readDatabase");
    auto init = resolve<KsInitFn>(out.module, "_KS_init");
    if (!readDatabase((dir + "catalogue.db").c_str(), "", "", "", 0, 1)) return false;
    out.sample = init();
    if (!readDatabase((dir + "catalogue-x100.db").c_str(), "", "", "", 0, 1)) return false;
    out.scaled = init();
    return out.sample != nullptr && out.scaled != nullptr;
}

// Registers `name` timing the dispatched entry point `entry` of `module` on
// `request`; the counter answer_bytes is the mean size of its answers.
inline void registerEntry(const std::string& name, os::ModuleHandle module, const char* entry,
                          KsContext context, Materialdaten request) {
    auto call = resolve<KsDispatchFn>(module, entry);
    auto release = resolve<KsDeleteDataFn>(module, "_KS_deleteData");
    request.write();
    std::vector<std::uint8_t> packet = request.toBytes();
    benchmark::RegisterBenchmark(
        name.c_str(), [call, release, context, packet](benchmark::State& state) {
            std::int64_t bytes = 0;
            for (auto _ : state) {
                std::uint8_t* answer = nullptr;
                const int32_t length =
                    call(context, packet.data(), static_cast<int32_t>(packet.size()), &answer);
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

// A benchmark's main: `registerCatalogue(module, label, context, offset)`
// registers its figures once for the sample and once for the scaled copy.
template <class Register>
int runOnBothCatalogues(int argc, char** argv, const char* tool, Register registerCatalogue) {
    benchmark::Initialize(&argc, argv);
    Sessions sessions;
    if (!openSessions(tool, sessions)) return 1;
    registerCatalogue(sessions.module, "sample", sessions.sample, 0);
    registerCatalogue(sessions.module, "x100", sessions.scaled, kCopyOffset);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace bench_support
