// The record stream against protobuf, and the exchange record at 10, 100 and
// 1000 elements per list.
//
// The configuration record and its protobuf twin (velmar_twin.proto) carry
// the same content: every row chosen, names of about 30 characters with
// umlauts, a box with its parts, four additional articles. Counters:
// allocs = heap allocations per iteration, bytes = encoded size. Reading the
// exchange record must grow linearly: the 1000/100 ratio should be about 10.

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "bench/model/velmar_twin.pb.h"
#include "model/json_codec.h"

// ---- counting allocations -----------------------------------------------------

// The replaced operators below pair malloc with free themselves.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

namespace {
std::atomic<std::int64_t> gAllocations{0};
}

void* operator new(std::size_t size) {
    gAllocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

// Heap allocations per iteration of the loop that ran since `before`.
void countAllocations(benchmark::State& state, std::int64_t before) {
    state.counters["allocs"] =
        static_cast<double>(gAllocations.load() - before) / static_cast<double>(state.iterations());
}

// ---- the content ----------------------------------------------------------------

WideText name(const char16_t* what, int i) {
    return WideText(what) + u" Größe " + static_cast<char16_t>(u'0' + i % 10) + u" Außenmaß";
}

velmar_nameid nameId(const char16_t* what, int id) {
    velmar_nameid n;
    n.id = id;
    n.name = name(what, id);
    n.isDefault_ = id % 2 == 0;
    n.intValue = id % 7;
    n.value1 = id * 0.25;
    n.value2 = 0.041;
    return n;
}

velmar_artikel article(const char16_t* what, int id) {
    velmar_artikel a;
    a.nameId = nameId(what, id);
    a.text1 = u"Überschlag 8 mm";
    a.value1 = 70.0;
    a.value2 = 82.5;
    a.intValue = 3;
    a.steel1.nameId = nameId(u"Stahlverstärkung Kammer 1", id + 1);
    a.steel1.value1 = 1.5;
    a.steel2.nameId = nameId(u"Stahlverstärkung Kammer 2", id + 2);
    a.konstType = 11;
    a.text2 = u"Dichtung grau";
    return a;
}

velmar_zusatzartikel accessory(int id) {
    velmar_zusatzartikel z;
    z.artikel = article(u"Zusatzprofil Anschlag", id);
    z.nameId = nameId(u"Zubehör Befestigung", id + 5);
    z.intValue1 = 2;
    z.text1 = "Laenge 1200";
    z.intValue3 = 1;
    return z;
}

velmar_data configuration() {
    velmar_data d;
    const std::pair<velmar_artikel*, const char16_t*> rows[] = {
        {&d.rahmen, u"Blendrahmen 82 mm Flügelfalz"},
        {&d.fluegel, u"Flügel Z-Form 77 mm"},
        {&d.pfosten, u"Pfosten Stulpüberschlag"},
        {&d.stulp, u"Stulpprofil außen öffnend"},
        {&d.glasleisteF, u"Glasleiste Softline Flügel"},
        {&d.glasleisteR, u"Glasleiste Softline Rahmen"},
        {&d.profile6, u"Verbreiterung 30 mm"},
        {&d.profile7, u"Rollladenführung"},
        {&d.profile8, u"Fensterbankanschluss"},
        {&d.profile9, u"Statikkopplung"},
        {&d.kopplungSenk, u"Kopplung senkrecht"},
        {&d.kopplungWaag, u"Kopplung waagerecht"},
        {&d.glas, u"Wärmeschutzglas Ug 0,5 Dreifach"},
    };
    int id = 1000;
    for (auto [row, what] : rows) *row = article(what, id += 10);
    d.rollkasten.box = nameId(u"Vorbaurollladen 165 mm eckig", 4800);
    d.rollkasten.part2 = nameId(u"Aufsatzkasten Bauart", 4801);
    d.rollkasten.part3 = nameId(u"Gurtantrieb links", 4802);
    d.rollkasten.part4 = nameId(u"Panzer Aluminium 39 mm", 4803);
    d.rollkasten.part5 = nameId(u"Panzerfarbe Anthrazitgrau", 4804);
    d.rollkasten.size1 = 165.0;
    d.rollkasten.size2 = 180.0;
    d.rollkasten.accessory1 = accessory(4810);
    d.rollkasten.accessory2 = accessory(4820);
    d.system = nameId(u"Arvena 82 MD Mitteldichtung", 10222);
    d.selection2 = nameId(u"Ausführung Standard", 7);
    d.farbe = nameId(u"Golden Oak außen, weiß innen", 5001);
    d.text = u"Position 1, Erdgeschoß Küche";
    d.systemValue = 1.1;
    d.ufValue = 1.0;
    d.option1 = true;
    for (int i = 0; i < 4; ++i) d.zusatzartikel.items.push_back(accessory(6000 + 10 * i));
    return d;
}

// ---- the protobuf twin ----------------------------------------------------------

void twin(const velmar_nameid& s, velmar_twin::NameId& t) {
    t.set_id(s.id);
    t.set_name(vmjson::utf8FromWide(s.name));
    t.set_is_default(s.isDefault_);
    t.set_int_value(s.intValue);
    t.set_value1(s.value1);
    t.set_value2(s.value2);
}

void twin(const velmar_stahl& s, velmar_twin::Stahl& t) {
    twin(s.nameId, *t.mutable_name_id());
    t.set_flag(s.flag);
    t.set_value1(s.value1);
    t.set_value2(s.value2);
    t.set_value3(s.value3);
    t.set_text(vmjson::utf8FromWide(s.text));
}

void twin(const velmar_artikel& s, velmar_twin::Artikel& t) {
    twin(s.nameId, *t.mutable_name_id());
    twin(s.steel1, *t.mutable_steel1());
    twin(s.steel2, *t.mutable_steel2());
    twin(s.steel3, *t.mutable_steel3());
    t.set_text1(vmjson::utf8FromWide(s.text1));
    t.set_value1(s.value1);
    t.set_int_value(s.intValue);
    t.set_value2(s.value2);
    t.set_konst_type(s.konstType);
    t.set_text2(vmjson::utf8FromWide(s.text2));
}

void twin(const velmar_zusatzartikel& s, velmar_twin::Zusatzartikel& t) {
    twin(s.artikel, *t.mutable_artikel());
    twin(s.nameId, *t.mutable_name_id());
    t.set_int_value1(s.intValue1);
    t.set_int_value2(s.intValue2);
    t.set_text1(s.text1);
    t.set_text2(s.text2);
    t.set_text3(s.text3);
    t.set_int_value3(s.intValue3);
    t.set_int_value4(s.intValue4);
}

velmar_twin::Data twin(const velmar_data& d) {
    velmar_twin::Data t;
    twin(d.rahmen, *t.mutable_rahmen());
    twin(d.fluegel, *t.mutable_fluegel());
    twin(d.pfosten, *t.mutable_pfosten());
    twin(d.stulp, *t.mutable_stulp());
    twin(d.system, *t.mutable_system());
    twin(d.glas, *t.mutable_glas());
    twin(d.glasleisteF, *t.mutable_glasleiste_f());
    twin(d.selection2, *t.mutable_selection2());
    t.set_system_value(d.systemValue);
    t.set_uf_value(d.ufValue);
    twin(d.profile6, *t.mutable_profile6());
    twin(d.profile7, *t.mutable_profile7());
    twin(d.profile9, *t.mutable_profile9());
    twin(d.glasleisteR, *t.mutable_glasleiste_r());
    twin(d.farbe, *t.mutable_farbe());
    t.set_option1(d.option1);
    twin(d.kopplungSenk, *t.mutable_kopplung_senk());
    twin(d.kopplungWaag, *t.mutable_kopplung_waag());
    t.set_option2(d.option2);
    const velmar_rollkasten& r = d.rollkasten;
    velmar_twin::Rollkasten& b = *t.mutable_rollkasten();
    twin(r.box, *b.mutable_box());
    twin(r.part2, *b.mutable_part2());
    b.set_size1(r.size1);
    b.set_size2(r.size2);
    b.set_size3(r.size3);
    b.set_size5(r.size5);
    b.set_size6(r.size6);
    twin(r.accessory1, *b.mutable_accessory1());
    twin(r.accessory2, *b.mutable_accessory2());
    twin(r.part3, *b.mutable_part3());
    twin(r.part4, *b.mutable_part4());
    b.set_flag1(r.flag1);
    b.set_flag2(r.flag2);
    twin(r.part5, *b.mutable_part5());
    b.set_size4(r.size4);
    b.set_int_value(r.intValue);
    t.set_text(vmjson::utf8FromWide(d.text));
    twin(d.profile8, *t.mutable_profile8());
    for (const velmar_zusatzartikel& z : d.zusatzartikel.items) twin(z, *t.add_zusatzartikel());
    return t;
}

// ---- configuration record against its twin ----------------------------------------

void BM_VelmarDataRoundTrip(benchmark::State& state) {
    const velmar_data source = configuration();
    std::size_t bytes = 0;
    const std::int64_t before = gAllocations.load();
    for (auto _ : state) {
        const std::vector<std::uint8_t> packet = source.toPacket();
        velmar_data back;
        benchmark::DoNotOptimize(back.fromPacket(packet));
        bytes = packet.size();
    }
    countAllocations(state, before);
    state.counters["bytes"] = static_cast<double>(bytes);
}

void BM_ProtobufRoundTrip(benchmark::State& state) {
    const velmar_twin::Data source = twin(configuration());
    std::size_t bytes = 0;
    const std::int64_t before = gAllocations.load();
    for (auto _ : state) {
        const std::string packet = source.SerializeAsString();
        velmar_twin::Data back;
        benchmark::DoNotOptimize(back.ParseFromString(packet));
        bytes = packet.size();
    }
    countAllocations(state, before);
    state.counters["bytes"] = static_cast<double>(bytes);
}

void BM_VelmarDataWrite(benchmark::State& state) {
    const velmar_data source = configuration();
    const std::int64_t before = gAllocations.load();
    for (auto _ : state) benchmark::DoNotOptimize(source.toPacket());
    countAllocations(state, before);
}

void BM_ProtobufWrite(benchmark::State& state) {
    const velmar_twin::Data source = twin(configuration());
    const std::int64_t before = gAllocations.load();
    for (auto _ : state) benchmark::DoNotOptimize(source.SerializeAsString());
    countAllocations(state, before);
}

void BM_VelmarDataRead(benchmark::State& state) {
    const std::vector<std::uint8_t> packet = configuration().toPacket();
    const std::int64_t before = gAllocations.load();
    for (auto _ : state) {
        velmar_data back;
        benchmark::DoNotOptimize(back.fromPacket(packet));
    }
    countAllocations(state, before);
}

void BM_ProtobufRead(benchmark::State& state) {
    const std::string packet = twin(configuration()).SerializeAsString();
    const std::int64_t before = gAllocations.load();
    for (auto _ : state) {
        velmar_twin::Data back;
        benchmark::DoNotOptimize(back.ParseFromString(packet));
    }
    countAllocations(state, before);
}

// ---- the exchange record ----------------------------------------------------------

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
                    for (int i = 0; i < n; ++i)
                        list[static_cast<std::size_t>(i)] = article(u"Artikel", i);
            },
            f.member);
    return m;
}

void BM_MaterialdatenWrite(benchmark::State& state) {
    Materialdaten m = exchange(static_cast<int>(state.range(0)));
    for (auto _ : state) { // as the service client sends a request
        m.write();
        benchmark::DoNotOptimize(m.takeBytes());
    }
    state.SetItemsProcessed(state.iterations() * 26 * state.range(0));
}

void BM_MaterialdatenRead(benchmark::State& state) {
    Materialdaten source = exchange(static_cast<int>(state.range(0)));
    source.write();
    const std::vector<std::uint8_t> packet = source.toBytes();
    for (auto _ : state) {
        Materialdaten m; // as the service client reads an answer
        m.parseInPlace(packet.data(), static_cast<int>(packet.size()));
        m.read();
        benchmark::DoNotOptimize(m.frames.size());
    }
    state.SetItemsProcessed(state.iterations() * 26 * state.range(0));
    state.counters["packet_MB"] = static_cast<double>(packet.size()) / 1e6;
}

} // namespace

BENCHMARK(BM_VelmarDataRoundTrip);
BENCHMARK(BM_ProtobufRoundTrip);
BENCHMARK(BM_VelmarDataWrite);
BENCHMARK(BM_ProtobufWrite);
BENCHMARK(BM_VelmarDataRead);
BENCHMARK(BM_ProtobufRead);
BENCHMARK(BM_MaterialdatenWrite)
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0);
BENCHMARK(BM_MaterialdatenRead)
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0);
