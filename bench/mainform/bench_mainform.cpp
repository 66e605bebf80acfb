// The main form's reloads, on the sample catalogue and on the scaled one
// (every series, article, colour, glass and box 100 times): creating a form
// (what vm_create does: the full reload from level 40) and UpdateData from
// levels 40, 60 and 80 on a form that exists. The series is 8830, in the
// scaled catalogue one of its copies.

#include <benchmark/benchmark.h>

#include <QApplication>

#include <memory>
#include <string>

#include "mainform/vm_mainform.h"
#include "platform/os/message.h"
#include "platform/os/module.h"
#include "service/load_database.h"
#include "service/service_client.h"

namespace {

// A copy of the sample in the scaled catalogue: ids + 42 * 100000.
constexpr int kCopyOffset = 4200000;

enum Catalogue { Sample = 0, Scaled = 1 };

const char* CatalogueFile(int catalogue) {
    return catalogue == Scaled ? "catalogue-x100.db" : "catalogue.db";
}

// Makes the service read the catalogue; it stays loaded from then on, as
// after the host's vm_loadDatabase.
bool UseCatalogue(int catalogue) {
    static int current = -1;
    if (current == catalogue) return true;
    const std::string path = ModuleDirectory() + CatalogueFile(catalogue);
    serviceClient.unload();
    if (!loadServiceDatabase(serviceLibraryPath(), path.c_str(), "", "", "", 0)) return false;
    current = catalogue;
    return true;
}

velmar_data Record(int catalogue) {
    const int offset = catalogue == Scaled ? kCopyOffset : 0;
    velmar_data data;
    data.system.id = 8830 + offset;
    data.farbe.id = 1001 + offset;
    data.rahmen.nameId.id = 23001 + offset;
    data.fluegel.nameId.id = 23011 + offset;
    data.glas.nameId.id = 6002 + offset;
    return data;
}

std::unique_ptr<TForm1> NewForm(const velmar_data& data) {
    serviceClient.ensureLoaded();
    return std::make_unique<TForm1>(serviceClient, nullptr, 1, 1, 1, 0, true, 0.0, cfDefault, false,
                                    data, nullptr, nullptr);
}

void BM_Create(benchmark::State& state) {
    const int catalogue = static_cast<int>(state.range(0));
    if (!UseCatalogue(catalogue)) {
        state.SkipWithError("catalogue missing");
        return;
    }
    const velmar_data data = Record(catalogue);
    for (auto _ : state) {
        auto form = NewForm(data);
        benchmark::DoNotOptimize(form->LRahmenName->Tag);
        state.PauseTiming();
        form.reset();
        state.ResumeTiming();
    }
    state.SetLabel(CatalogueFile(catalogue));
}

void BM_UpdateData(benchmark::State& state) {
    const int catalogue = static_cast<int>(state.range(0));
    const int level = static_cast<int>(state.range(1));
    if (!UseCatalogue(catalogue)) {
        state.SkipWithError("catalogue missing");
        return;
    }
    auto form = NewForm(Record(catalogue));
    if (form->LRahmenName->Tag < 0) {
        state.SkipWithError("the series has no frames");
        return;
    }
    for (auto _ : state) {
        form->UpdateData(static_cast<vm::ReloadLevel>(level), false, 0);
        benchmark::DoNotOptimize(form->LGlasleisteRName->Tag);
    }
    state.SetLabel(CatalogueFile(catalogue));
}

BENCHMARK(BM_Create)->Arg(Sample)->Arg(Scaled)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UpdateData)
    ->ArgsProduct({{Sample, Scaled}, {40, 60, 80}})
    ->ArgNames({"catalogue", "level"})
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // A message box would stop the run; report on stderr instead.
    os::setMessageHandler([](const QString& text, const QString& caption) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
    });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    serviceClient.unload();
    return 0;
}
