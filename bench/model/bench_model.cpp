// Writing and reading the configuration record, and the exchange record with
// every list at 10, 100 and 1000 elements. Reading must grow linearly with
// the number of items: the 1000/100 ratio should be about 10.

#include <benchmark/benchmark.h>

#include "model/materialdaten.h"

namespace {

velmar_artikel article(int id) {
    velmar_artikel a;
    a.nameId.id = id;
    a.nameId.name = u"Artikel " + std::u16string(1, static_cast<char16_t>(u'A' + id % 26));
    a.steel1.nameId.id = id + 1;
    a.konstType = 11;
    return a;
}

velmar_data configuration() {
    velmar_data d;
    for (velmar_artikel* a : {&d.rahmen, &d.fluegel, &d.pfosten, &d.stulp, &d.glasleisteF,
                              &d.glasleisteR, &d.kopplungSenk, &d.kopplungWaag, &d.glas})
        *a = article(1000);
    d.system.id = 4001;
    d.system.name = u"Serie 70";
    d.farbe.id = 5001;
    d.text = u"Position 1";
    d.zusatzartikel.items.resize(10);
    return d;
}

// Every one of the 26 lists with n elements.
Materialdaten exchange(int n) {
    Materialdaten m;
    m.requestKind = 2;
    m.systemId = 4001;
    for (const auto& f : Materialdaten::listFields())
        std::visit(
            [&](auto member) {
                auto& list = m.*member;
                list.resize(static_cast<std::size_t>(n));
                if constexpr (std::is_same_v<std::decay_t<decltype(list[0])>, velmar_artikel>)
                    for (int i = 0; i < n; ++i) list[static_cast<std::size_t>(i)] = article(i);
            },
            f.member);
    return m;
}

void BM_VelmarDataWrite(benchmark::State& state) {
    const velmar_data d = configuration();
    for (auto _ : state) benchmark::DoNotOptimize(d.toPacket());
}

void BM_VelmarDataRead(benchmark::State& state) {
    const std::vector<std::uint8_t> packet = configuration().toPacket();
    for (auto _ : state) {
        velmar_data d;
        benchmark::DoNotOptimize(d.fromPacket(packet));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * packet.size()));
}

void BM_MaterialdatenWrite(benchmark::State& state) {
    Materialdaten m = exchange(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        m.write();
        std::vector<std::uint8_t> packet(static_cast<std::size_t>(m.serialize(nullptr, 0)));
        m.serialize(packet.data(), static_cast<int>(packet.size()));
        benchmark::DoNotOptimize(packet);
    }
    state.SetItemsProcessed(state.iterations() * 26 * state.range(0));
}

void BM_MaterialdatenRead(benchmark::State& state) {
    Materialdaten source = exchange(static_cast<int>(state.range(0)));
    source.write();
    const std::vector<std::uint8_t> packet = source.toBytes();
    for (auto _ : state) {
        Materialdaten m;
        m.parse(packet.data(), static_cast<int>(packet.size()));
        m.read();
        benchmark::DoNotOptimize(m.frames.size());
    }
    state.SetItemsProcessed(state.iterations() * 26 * state.range(0));
    state.counters["packet_MB"] = static_cast<double>(packet.size()) / 1e6;
}

} // namespace

BENCHMARK(BM_VelmarDataWrite);
BENCHMARK(BM_VelmarDataRead);
BENCHMARK(BM_MaterialdatenWrite)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MaterialdatenRead)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
